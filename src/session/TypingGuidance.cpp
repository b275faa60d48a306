#include "session/TypingGuidance.h"

#include "session/SessionTypes.h"
#include "session/TypingSession.h"

#include <algorithm>
#include <cmath>
#include <QStringList>

namespace clavora {

using namespace session;

namespace {

bool IsUnratedWhenStopped(int kind)
{
    return kind == Kind::Practice || kind == Kind::CustomPractice || kind == Kind::SpeedTest ||
           kind == Kind::SpeedTestAlt || kind == Kind::CustomSpeedTest;
}

QString MinutesSeconds(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The keys spaced out, so "asdf" reads as four keys.
QString Spaced(const QString& keys)
{
    QStringList parts;
    for (const QChar key : keys) {
        if (!key.isSpace())
            parts.append(QString(key));
    }
    return parts.join(u' ');
}

} // namespace

TypingGuidance::TypingGuidance(const TypingSession& session) : m_session(session) {}

void TypingGuidance::OnStateChanged(int state, int kind)
{
    // Typing or paused straight to Results, with no Completed between, is the Stop command.
    const bool wasRunning = m_state == State::Typing || m_state == State::Paused;
    if (state == State::Results && wasRunning)
        m_stoppedUnsaved = IsUnratedWhenStopped(kind);
    else if (state != State::Results && state != State::Idle)
        m_stoppedUnsaved = false;
    if (state != State::Typing)
        m_newKeys.clear();
    m_state = state;
    m_kind = kind;
}

GuidanceBand TypingGuidance::Band() const
{
    GuidanceBand band;
    if (m_state != State::Typing && m_state != State::Paused)
        return band;
    const qint64 limitMs = m_session.LimitMs();
    const ExerciseResult live = m_session.LiveResult();
    if (limitMs > 0)
        band.remainingFraction = std::clamp(1.0 - double(live.durationMs) / double(limitMs), 0.0, 1.0);
    if (m_state == State::Paused) {
        band.text = QStringLiteral("Paused - F10 to resume");
    } else if (!m_session.IsStarted()) {
        band.text = m_newKeys.isEmpty() ? QStringLiteral("Start typing when ready")
                                        : QStringLiteral("New keys: ") + Spaced(m_newKeys);
    } else {
        band.text = FiguresLine(live, limitMs);
        band.isFigures = true;
    }
    return band;
}

QString TypingGuidance::IdleNotice() const
{
    return m_stoppedUnsaved && m_state == State::Idle ? QStringLiteral("Stopped - no result saved")
                                                      : QString();
}

bool TypingGuidance::IsLive() const
{
    return m_state == State::Typing;
}

QString TypingGuidance::FiguresLine(const ExerciseResult& live, qint64 limitMs)
{
    // Time left counts whole seconds up, as a countdown clock does.
    const QString time = limitMs > 0
                             ? MinutesSeconds(limitMs - live.durationMs + 999) + QStringLiteral(" left")
                             : MinutesSeconds(live.durationMs);
    const QString accuracy = live.characters == 0
                                 ? QStringLiteral("-")
                                 : QString::number(std::floor(live.AccuracyPercent())) + u'%';
    const QString errors = live.errors == 1 ? QStringLiteral("1 error")
                                            : QString::number(live.errors) + QStringLiteral(" errors");
    return QStringList{time, QString::number(qRound(live.NetWpm())) + QStringLiteral(" WPM"),
                       accuracy + QStringLiteral(" accuracy"), errors}
        .join(QStringLiteral("   |   "));
}

} // namespace clavora
