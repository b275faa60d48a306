#pragma once

#include <QString>

namespace clavora {

class SettingsStore;

// The current user's falling-words results: the best score ("HighScore") and one record per
// finished game (Date, Timestamp, Score), written together in one transaction.
class FlurrixScores final
{
public:
    static const QString HighScoreValue;

    explicit FlurrixScores(SettingsStore& settings) : m_settings(settings) {}

    int HighScore() const;
    // The largest lesson key among the user's lesson results, 0 without any: the game's letters
    // follow how far the user has come in the course.
    int HighestLessonKey() const;
    // Raises the high score when beaten and appends the game's record; the record's number, or 0
    // when nothing was stored (then the high score is left as it was too).
    int Store(int score, qint64 epochSeconds);

private:
    SettingsStore& m_settings;
};

} // namespace clavora
