#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

class ExerciseCatalogue;

// What the user settled in the speed-test options: the test's length and, when chosen, the key of
// an imported speed test to type instead of a random built-in one.
struct SpeedTestChoice
{
    int durationSeconds = 60;
    QString importedKey; // empty: a random built-in test
};

// The speed-test options dialog's content and its checks.
class SpeedTestOptions final
{
public:
    struct ImportedTest
    {
        QString fileName;
        QString key;
    };

    static const QString InvalidDurationMessage;

    SpeedTestOptions(const ExerciseCatalogue& catalogue, int storedSeconds);

    // The lengths offered, in minutes.
    static const QStringList& DurationChoices();
    // The stored length in whole minutes, as the field shows it.
    QString DurationText() const { return m_durationText; }
    const QList<ImportedTest>& ImportedTests() const { return m_imported; }
    bool HasImportedTests() const { return !m_imported.isEmpty(); }

    // Whole minutes from 1 to 59 typed as digits; nothing for anything else.
    static std::optional<int> MinutesFrom(const QString& text);
    // The choice for the typed length and the imported test at a row of the list (-1: none);
    // nothing when the length is not acceptable.
    std::optional<SpeedTestChoice> Accept(const QString& durationText, int importedRow) const;

private:
    QString m_durationText;
    QList<ImportedTest> m_imported;
};

} // namespace clavora
