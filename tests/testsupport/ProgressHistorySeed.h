#pragma once

#include "platform/RegistryStore.h"
#include "progress/ResultsStore.h"
#include "session/SessionTypes.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace clavora::test {

// How much history to give the current user, and from when.
struct ProgressHistorySize
{
    int lessons = 120;
    int tests = 25;
    int gamesEach = 30;
    int days = 75;
    qint64 firstDay = 1717200000; // 1 June 2024
};

// Fills the current user's results the way a learner would over some weeks: lessons that get
// faster with a little noise, speed tests now and then, games whose scores grow. The records go
// through the results store, as the program writes them, in one transaction.
inline void SeedProgressHistory(SettingsStore& settings, const ProgressHistorySize& size = {})
{
    std::mt19937 random(20240601);
    const auto noise = [&](double spread) {
        return std::uniform_real_distribution<double>(-spread, spread)(random);
    };
    const auto momentOf = [&](int index, int count) {
        const double dayShare = double(index) / std::max(1, count);
        const qint64 day = size.firstDay + qint64(dayShare * size.days) * 86400;
        return day + 8 * 3600 + qint64(std::uniform_int_distribution<int>(0, 13 * 3600)(random));
    };
    ResultsStore store(settings);
    RegistryStore::Transaction transaction(settings.Registry());
    const auto exercise = [&](int kind, int index, int count, double base) {
        const double progress = 1.0 - std::exp(-3.0 * index / std::max(1, count));
        ResultFigures figures;
        figures.durationMs = quint32(60000 + std::uniform_int_distribution<int>(0, 120000)(random));
        figures.errors = quint32(std::uniform_int_distribution<int>(0, 6)(random));
        figures.netWpm = std::max(3.0, base + 32.0 * progress + noise(4.0));
        figures.grossWpm = figures.netWpm + figures.errors;
        figures.kph = figures.grossWpm * 300.0;
        figures.characters = quint32(figures.grossWpm * 5.0 * figures.durationMs / 60000.0);
        figures.corrections = figures.errors / 2;
        figures.accuracyPercent =
            100.0 * (figures.characters - figures.errors) / std::max(1u, figures.characters);
        figures.exerciseKey = quint32(1001 + index % 28);
        settings.WriteResultsText(QStringLiteral("LastExercise"),
                                  kind == session::Kind::Lesson
                                      ? QStringLiteral("Home Row: Basics %1").arg(1 + index % 2)
                                      : QStringLiteral("Speed test"));
        store.SaveExerciseResult(figures, kind, momentOf(index, count));
    };
    for (int i = 0; i < size.lessons; ++i)
        exercise(session::Kind::Lesson, i, size.lessons, 14.0);
    for (int i = 0; i < size.tests; ++i)
        exercise(session::Kind::SpeedTest, i, size.tests, 18.0);
    const int games[] = {session::Kind::Flurrix, session::Kind::ThirtySeconds, session::Kind::TypingHero};
    const double gameScale[] = {2400.0, 90.0, 12000.0};
    for (int g = 0; g < 3; ++g) {
        for (int i = 0; i < size.gamesEach; ++i) {
            const double progress = 0.25 + 0.75 * (1.0 - std::exp(-2.5 * i / std::max(1, size.gamesEach)));
            const int score = std::max(1, int(gameScale[g] * (progress + noise(0.12))));
            store.SaveGameScore(score, games[g], momentOf(i, size.gamesEach));
        }
    }
    transaction.Commit();
}

} // namespace clavora::test
