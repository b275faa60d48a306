#pragma once

#include <QString>

namespace clavora {

class Clock;
class SettingsStore;
struct TypingHeroOutcome;

// The rhythm game's history of the current user: one record per game that scored.
class TypingHeroStore final
{
public:
    TypingHeroStore(SettingsStore& settings, const Clock& clock) : m_settings(settings), m_clock(clock) {}

    // The whole record or nothing; returns its number, or 0.
    int SaveGame(const QString& title, const TypingHeroOutcome& outcome);

private:
    SettingsStore& m_settings;
    const Clock& m_clock;
};

} // namespace clavora
