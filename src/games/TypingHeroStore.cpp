#include "games/TypingHeroStore.h"

#include "games/TypingHeroField.h"
#include "platform/Clock.h"
#include "platform/RegistryStore.h"
#include "progress/ResultRecord.h"
#include "progress/ResultsStore.h"
#include "session/SessionTypes.h"
#include "settings/SettingsStore.h"
#include "settings/ValueFormat.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRhythm, "clavora.games.rhythm")

namespace clavora {

int TypingHeroStore::SaveGame(const QString& title, const TypingHeroOutcome& outcome)
{
    RegistryStore::Transaction transaction(m_settings.Registry());
    ResultsStore results(m_settings);
    const int index = results.SaveGameScore(outcome.score, session::Kind::TypingHero, m_clock.EpochSeconds());
    const QString key = m_settings.KindResultsKey(session::Kind::TypingHero) + u'\\' + QString::number(index);
    const bool written =
        index > 0 && m_settings.WriteText(key, RecordValueName(RecordValue::Title), title) &&
        m_settings.WriteInt(key, QStringLiteral("LongestStreak"), outcome.figures.longestStreak) &&
        results.SaveCompleted(outcome.completed, index) &&
        m_settings.WriteText(key, QStringLiteral("CompletionPercentage"),
                             ValueFormat::FormatReal(outcome.figures.completionPercentage, "%f")) &&
        m_settings.WriteText(key, QStringLiteral("Accuracy"),
                             ValueFormat::FormatReal(outcome.figures.accuracy, "%f"));
    if (!written || !transaction.Commit()) {
        qCWarning(lcRhythm) << "rhythm game result not stored";
        return 0;
    }
    return index;
}

} // namespace clavora
