#include "games/FlurrixScores.h"

#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"
#include "session/SessionTypes.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace clavora {

const QString FlurrixScores::HighScoreValue = QStringLiteral("HighScore");

int FlurrixScores::HighScore() const
{
    return m_settings.ReadKindInt(session::Kind::Flurrix, HighScoreValue, 0);
}

int FlurrixScores::HighestLessonKey() const
{
    int highest = 0;
    const QList<ResultRecord> records =
        ResultsStore(m_settings).ReadRecords(session::Kind::Lesson, {RecordValue::ExerciseKey});
    for (const ResultRecord& record : records)
        highest = std::max(highest, record.Text(RecordValue::ExerciseKey).toInt());
    return highest;
}

int FlurrixScores::Store(int score, qint64 epochSeconds)
{
    RegistryStore::Transaction transaction(m_settings.Registry());
    const int best = std::max(HighScore(), score);
    if (!m_settings.WriteKindInt(session::Kind::Flurrix, HighScoreValue, best))
        return 0;
    const int record = ResultsStore(m_settings).SaveGameScore(score, session::Kind::Flurrix, epochSeconds);
    if (record == 0 || !transaction.Commit())
        return 0;
    return record;
}

} // namespace clavora
