#include "games/ThirtySecondsStore.h"

#include "games/ThirtySecondsRules.h"
#include "platform/Clock.h"
#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"
#include "session/SessionTypes.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <limits>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRace, "clavora.games.race")

namespace clavora {

namespace {

const QString LastScoreValue = QStringLiteral("LastScore");
const QString TotalPointsValue = QStringLiteral("TotalPoints");

} // namespace

int ThirtySecondsStore::LastScore() const
{
    return m_settings.ReadKindInt(session::Kind::ThirtySeconds, LastScoreValue, 0);
}

qint64 ThirtySecondsStore::TotalPoints() const
{
    return std::max(0, m_settings.ReadKindInt(session::Kind::ThirtySeconds, TotalPointsValue, 0));
}

int ThirtySecondsStore::ProgressLevel() const
{
    return ThirtySecondsRules::ProgressLevel(TotalPoints());
}

int ThirtySecondsStore::StartLevel() const
{
    return ThirtySecondsRules::StartLevel(TotalPoints());
}

RaceSaved ThirtySecondsStore::SaveGame(int score)
{
    RaceSaved saved;
    if (score < 0 || m_settings.CurrentUserName().isEmpty())
        return saved;
    const int oldLevel = ProgressLevel();
    // The total is stored as a 32-bit number; it stops at the largest one rather than wrapping.
    const qint64 total = std::min<qint64>(TotalPoints() + score, std::numeric_limits<int>::max());
    RegistryStore::Transaction transaction(m_settings.Registry());
    ResultsStore results(m_settings);
    const bool written = m_settings.WriteKindInt(session::Kind::ThirtySeconds, LastScoreValue, score) &&
                         m_settings.WriteKindInt(session::Kind::ThirtySeconds, TotalPointsValue, int(total));
    const int index =
        written ? results.SaveGameScore(score, session::Kind::ThirtySeconds, m_clock.EpochSeconds()) : 0;
    if (index == 0 || !transaction.Commit()) {
        qCWarning(lcRace) << "race result not stored";
        return saved;
    }
    saved.recordIndex = index;
    saved.levelUp = ThirtySecondsRules::ProgressLevel(total) > oldLevel;
    return saved;
}

bool ThirtySecondsStore::Reset()
{
    if (m_settings.CurrentUserName().isEmpty())
        return false;
    return m_settings.DeleteKey(m_settings.KindResultsKey(session::Kind::ThirtySeconds));
}

} // namespace clavora
