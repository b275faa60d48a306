#include "progress/Award.h"

#include <array>

namespace clavora {

namespace {

// Lowest values that must be exceeded for levels 1..5.
constexpr std::array<double, 5> AccuracyThresholds = {70.0, 76.0, 82.0, 88.0, 94.0};
// In gross words per minute: 30, 44, 58, 72 and 86.
constexpr std::array<double, 5> SpeedThresholds = {9000.0, 13200.0, 17400.0, 21600.0, 25800.0};

constexpr double FullSpeedKph = 30000.0; // 100 words per minute

// How many thresholds the value passes; comparisons with NaN are false, so NaN passes none.
int LevelAbove(double value, const std::array<double, 5>& thresholds)
{
    int level = 0;
    for (const double threshold : thresholds) {
        if (value > threshold)
            level += 1;
    }
    return level;
}

// The shares above 0 count, capped at the whole.
double Share(double value, double whole)
{
    const double share = value / whole;
    if (!(share > 0.0))
        return 0.0;
    return share < 1.0 ? share : 1.0;
}

const std::array<QString, 7>& AwardWords()
{
    static const std::array<QString, 7> words = {
        QStringLiteral("Skipped"), QStringLiteral("None"), QStringLiteral("Bronze"),
        QStringLiteral("Silver"),  QStringLiteral("Gold"), QStringLiteral("Platinum"),
        QStringLiteral("Diamond"),
    };
    return words;
}

} // namespace

AwardLevel ComputeAward(double kph, double accuracyPercent)
{
    const int product = LevelAbove(kph, SpeedThresholds) * LevelAbove(accuracyPercent, AccuracyThresholds);
    if (product == 25)
        return AwardLevel::Diamond;
    if (product == 20)
        return AwardLevel::Platinum;
    if (product == 15 || product == 16)
        return AwardLevel::Gold;
    if (product == 10 || product == 12)
        return AwardLevel::Silver;
    if (product >= 5 && product <= 9)
        return AwardLevel::Bronze;
    return AwardLevel::None;
}

AwardLevel AwardOf(const ResultFigures& figures)
{
    return ComputeAward(figures.kph, figures.accuracyPercent);
}

bool HasHonors(const ResultFigures& figures)
{
    return AwardOf(figures) != AwardLevel::None && figures.errors == 0;
}

double ComputeSkillLevel(double kph, double accuracyPercent)
{
    return Share(kph, FullSpeedKph) * Share(accuracyPercent, 100.0);
}

QString AwardToWord(AwardLevel level)
{
    const int value = static_cast<int>(level);
    if (value < static_cast<int>(AwardLevel::Skipped) || value > static_cast<int>(AwardLevel::Diamond))
        return QString();
    return AwardWords()[size_t(value + 1)];
}

AwardLevel WordToAward(const QString& word)
{
    const auto& words = AwardWords();
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == word)
            return static_cast<AwardLevel>(int(i) - 1);
    }
    return AwardLevel::None;
}

} // namespace clavora
