#include "app/SpeedTestOptions.h"

#include "content/ExerciseCatalogue.h"

namespace clavora {

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int ShortestMinutes = 1;
constexpr int LongestMinutes = 59;

} // namespace

const QString SpeedTestOptions::InvalidDurationMessage =
    QStringLiteral("Invalid duration - must be between 1 and 59 minutes.");

SpeedTestOptions::SpeedTestOptions(const ExerciseCatalogue& catalogue, int storedSeconds)
{
    const int seconds = storedSeconds > 0 ? storedSeconds : SecondsPerMinute;
    m_durationText = QString::number(seconds / SecondsPerMinute);
    for (const CustomSpeedTestEntry& test : catalogue.CustomSpeedTests())
        m_imported.append({test.FileName(), QString::number(test.ExerciseKey())});
}

const QStringList& SpeedTestOptions::DurationChoices()
{
    static const QStringList choices = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                        QStringLiteral("5"), QStringLiteral("8"), QStringLiteral("12"),
                                        QStringLiteral("20")};
    return choices;
}

std::optional<int> SpeedTestOptions::MinutesFrom(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4)
        return std::nullopt;
    for (const QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int minutes = trimmed.toInt();
    if (minutes < ShortestMinutes || minutes > LongestMinutes)
        return std::nullopt;
    return minutes;
}

std::optional<SpeedTestChoice> SpeedTestOptions::Accept(const QString& durationText, int importedRow) const
{
    const std::optional<int> minutes = MinutesFrom(durationText);
    if (!minutes)
        return std::nullopt;
    SpeedTestChoice choice;
    choice.durationSeconds = *minutes * SecondsPerMinute;
    if (importedRow >= 0 && importedRow < m_imported.size())
        choice.importedKey = m_imported.at(importedRow).key;
    return choice;
}

} // namespace clavora
