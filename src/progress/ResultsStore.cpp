#include "progress/ResultsStore.h"

#include "platform/RegistryStore.h"
#include "settings/SettingsStore.h"
#include "settings/UserProfile.h"
#include "settings/ValueFormat.h"

#include <initializer_list>
#include <QDateTime>
#include <QLoggingCategory>
#include <utility>

Q_LOGGING_CATEGORY(lcResults, "clavora.results")

namespace clavora {

namespace {

constexpr int HeroGameKind = 12;
constexpr double WordsPerCharacter = 0.2;

using RecordEntry = std::pair<RecordValue, QString>;

// Writes the values in the order given; stops at the first failure.
bool WriteRecord(SettingsStore& settings, const QString& key, std::initializer_list<RecordEntry> entries)
{
    for (const auto& [value, text] : entries) {
        if (!settings.WriteText(key, RecordValueName(value), text))
            return false;
    }
    return true;
}

QString RealText(double value)
{
    return ValueFormat::FormatReal(value, "%f");
}

// Counters are unsigned; written as such, a large one can never turn negative.
QString CounterText(quint32 value)
{
    return QString::number(value);
}

} // namespace

bool ResultsStore::HasResultsFolder(int exerciseKind) const
{
    return !SettingsStore::ResultsSubkeyName(exerciseKind).isEmpty() &&
           !m_settings.CurrentUserKey().isEmpty();
}

QString ResultsStore::RecordKey(int exerciseKind, int recordIndex) const
{
    return m_settings.KindResultsKey(exerciseKind) + u'\\' + QString::number(recordIndex);
}

QString ResultsStore::LocalDateText(qint64 epochSeconds)
{
    const QDate date = QDateTime::fromSecsSinceEpoch(epochSeconds).date();
    return QString::asprintf("%.4d-%.2d-%.2d", date.year(), date.month(), date.day());
}

int ResultsStore::NextIndex(int exerciseKind) const
{
    if (!HasResultsFolder(exerciseKind))
        return 0;
    const QString folder = m_settings.KindResultsKey(exerciseKind);
    int index = static_cast<int>(m_settings.SubkeyNames(folder).size()) + 1;
    // A gap in the numbering (a record removed from outside) must not make a new record
    // overwrite an existing one.
    while (m_settings.Registry().KeyExists(folder + u'\\' + QString::number(index)))
        ++index;
    return index;
}

void ResultsStore::RaiseBestFigures(const ResultFigures& figures)
{
    UserProfile profile(m_settings);
    if (figures.netWpm > profile.Get(Profile::BestWPM))
        profile.Set(Profile::BestWPM, figures.netWpm);
    if (figures.accuracyPercent > profile.Get(Profile::BestAccuracy))
        profile.Set(Profile::BestAccuracy, figures.accuracyPercent);
}

int ResultsStore::SaveExerciseResult(const ResultFigures& figures, int exerciseKind, qint64 epochSeconds)
{
    if (!HasResultsFolder(exerciseKind))
        return 0;
    RegistryStore::Transaction transaction(m_settings.Registry());
    const int index = NextIndex(exerciseKind);
    RaiseBestFigures(figures);
    const QString title = UserProfile(m_settings).Get(Profile::LastExercise);
    // The award sound and the stored award come from the same rating.
    const AwardLevel award = AwardOf(figures);
    const bool written =
        WriteRecord(m_settings, RecordKey(exerciseKind, index),
                    {
                        {RecordValue::Date, LocalDateText(epochSeconds)},
                        {RecordValue::Timestamp, QString::number(epochSeconds)},
                        {RecordValue::Duration, CounterText(figures.durationMs)},
                        {RecordValue::NumCharacters, CounterText(figures.characters)},
                        {RecordValue::NumErrors, CounterText(figures.errors)},
                        {RecordValue::NumCorrections, CounterText(figures.corrections)},
                        {RecordValue::NumWordsTyped, RealText(figures.characters * WordsPerCharacter)},
                        {RecordValue::ExerciseKey, CounterText(figures.exerciseKey)},
                        {RecordValue::WPMGross, RealText(figures.grossWpm)},
                        {RecordValue::WPMNet, RealText(figures.netWpm)},
                        {RecordValue::Title, title},
                        {RecordValue::Honors, ValueFormat::FormatFlag(HasHonors(figures))},
                        {RecordValue::Award, AwardToWord(award)},
                    });
    if (!written || !transaction.Commit()) {
        qCWarning(lcResults) << "result record not stored for kind" << exerciseKind;
        return 0;
    }
    return index;
}

int ResultsStore::SaveSkipped(const QString& exerciseKeyText, int exerciseKind)
{
    if (!HasResultsFolder(exerciseKind))
        return 0;
    RegistryStore::Transaction transaction(m_settings.Registry());
    const int index = NextIndex(exerciseKind);
    const int key = ValueFormat::ParseInt(exerciseKeyText, 0);
    const bool written = WriteRecord(m_settings, RecordKey(exerciseKind, index),
                                     {
                                         {RecordValue::Award, AwardToWord(AwardLevel::Skipped)},
                                         {RecordValue::ExerciseKey, ValueFormat::FormatInt(key)},
                                     });
    if (!written || !transaction.Commit())
        return 0;
    return index;
}

int ResultsStore::SaveGameScore(int score, int exerciseKind, qint64 epochSeconds)
{
    if (!HasResultsFolder(exerciseKind))
        return 0;
    RegistryStore::Transaction transaction(m_settings.Registry());
    const int index = NextIndex(exerciseKind);
    const bool written = WriteRecord(m_settings, RecordKey(exerciseKind, index),
                                     {
                                         {RecordValue::Date, LocalDateText(epochSeconds)},
                                         {RecordValue::Timestamp, QString::number(epochSeconds)},
                                         {RecordValue::Score, ValueFormat::FormatInt(score)},
                                     });
    if (!written || !transaction.Commit())
        return 0;
    return index;
}

bool ResultsStore::SaveCompleted(bool completed, int recordIndex)
{
    if (!HasResultsFolder(HeroGameKind) || recordIndex < 1)
        return false;
    const QString key = RecordKey(HeroGameKind, recordIndex);
    // Writing into a missing record would create a stray record holding nothing but this flag.
    if (!m_settings.Registry().KeyExists(key))
        return false;
    return m_settings.WriteText(key, RecordValueName(RecordValue::Completed),
                                ValueFormat::FormatFlag(completed));
}

QList<ResultRecord> ResultsStore::ReadRecords(int exerciseKind) const
{
    QList<RecordValue> every;
    for (int value = 0; value < RecordValueCount; ++value)
        every.append(static_cast<RecordValue>(value));
    return ReadRecords(exerciseKind, every);
}

QList<ResultRecord> ResultsStore::ReadRecords(int exerciseKind, const QList<RecordValue>& values) const
{
    QList<ResultRecord> records;
    VisitRecords(exerciseKind, values, [&records](const ResultRecord& record) {
        records.append(record);
        return true;
    });
    return records;
}

void ResultsStore::VisitRecords(int exerciseKind, const QList<RecordValue>& values,
                                const std::function<bool(const ResultRecord&)>& visit) const
{
    if (!HasResultsFolder(exerciseKind))
        return;
    QStringList names;
    for (const RecordValue value : values)
        names.append(RecordValueName(value));
    ResultRecord record;
    m_settings.Registry().VisitSubkeyValues(
        m_settings.KindResultsKey(exerciseKind), names, [&](RegistryStore::SubkeyValues& subkey) {
            record.index = std::move(subkey.name);
            for (qsizetype i = 0; i < values.size(); ++i)
                record.values[size_t(values[i])] = std::move(subkey.data[size_t(i)]);
            return visit(record);
        });
}

} // namespace clavora
