#pragma once

#include <QtGlobal>

namespace clavora {

class Clock;
class SettingsStore;

// What storing a finished race changed.
struct RaceSaved
{
    bool levelUp = false;
    int recordIndex = 0; // 0 when no record could be stored
};

// The race's values of the current user: the last score, the points of every game, the history.
class ThirtySecondsStore final
{
public:
    ThirtySecondsStore(SettingsStore& settings, const Clock& clock) : m_settings(settings), m_clock(clock) {}

    int LastScore() const;
    qint64 TotalPoints() const;
    int ProgressLevel() const;
    int StartLevel() const;

    // Last score, total points and the game's record, all or nothing.
    RaceSaved SaveGame(int score);
    // Forgets the total points and every stored game.
    bool Reset();

private:
    SettingsStore& m_settings;
    const Clock& m_clock;
};

} // namespace clavora
