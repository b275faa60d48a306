#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "content/StartupLoader.h"
#include "platform/ResourceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;
using QStringMap = QMap<QString, QString>;

namespace {

// Writes down the status lines and errors, in order; the progress bar's fractions are the
// progress window's concern.
class RecordingReporter final : public ProgressReporter
{
public:
    explicit RecordingReporter(bool cancelled = false) : m_cancelled(cancelled) {}

    bool IsCancelled() override { return m_cancelled; }
    void SetStatus(const QString& text) override { calls << text; }
    void SetFraction(double) override {}
    void ReportError(const QString& text) override { calls << u"error: "_s + text; }

    QStringList calls;

private:
    bool m_cancelled;
};

// The status lines of a whole load, each failed step followed by its error.
QStringList LoadSequence(const QMap<QString, QString>& errorAfter = {})
{
    QStringList sequence;
    for (const QString& step : {u"Loading word list..."_s, u"Loading lessons..."_s,
                                u"Loading numeric keypad lessons..."_s, u"Loading practice exercises..."_s,
                                u"Loading speed tests..."_s, u"Loading custom practice exercises..."_s,
                                u"Loading custom speed tests..."_s, u"Loading custom dictations..."_s}) {
        sequence << step;
        if (errorAfter.contains(step))
            sequence << u"error: "_s + errorAfter.value(step);
    }
    return sequence;
}

} // namespace

class TestCatalogueLoad final : public QObject
{
    Q_OBJECT

private slots:
    void emptyDataFolder_loadsTheWholeCourse()
    {
        QTemporaryDir dir;
        ExerciseCatalogue catalogue(dir.path());
        RecordingReporter reporter;
        RandomGenerator random(1);
        QCOMPARE(StartupLoader::Run(catalogue, reporter, random), ExerciseCatalogue::LoadCompleted);
        QCOMPARE(reporter.calls, LoadSequence());

        for (const char* name : {"practicecustom.xml", "speedtestcustom.xml", "dictationcustom.xml"})
            QVERIFY(QFile::exists(dir.filePath(u"Custom/"_s + QLatin1String(name))));
        QVERIFY(!catalogue.WordList().isEmpty());
        QVERIFY(catalogue.CustomPractices().IsEmpty());
        QCOMPARE(catalogue.Lessons().Find(999)->Ordinal(), 1);

        // Every practice has its text except the two revisions, which wait for the problem lists.
        for (const PracticeEntry& practice : catalogue.Practices()) {
            QCOMPARE(practice.Text().isEmpty(), IsRevision(practice.Type()));
            QVERIFY(practice.IsLoaded());
        }
        const PracticeEntry* revision = catalogue.FindPractice(4014);
        QVERIFY(revision && revision->Type() == BodyType::ReviseProblemWords);
        QCOMPARE(catalogue.FindPractice(4000)->UserType(), PracticeEntry::NoUserType);
        QCOMPARE(catalogue.FindPractice(9004)->Text().split(u' ').size(), 50);
    }

    void cancelledBeforeStart_loadsNothing()
    {
        QTemporaryDir dir;
        ExerciseCatalogue catalogue(dir.path());
        RecordingReporter reporter(true);
        QCOMPARE(catalogue.LoadAll(reporter), ExerciseCatalogue::LoadCancelled);
        QVERIFY(reporter.calls.isEmpty());
        QVERIFY(catalogue.WordList().isEmpty());
        QVERIFY(catalogue.Lessons().IsEmpty());
    }

    void failedBuiltInLoads_areReportedAndTheRestGoesOn_data()
    {
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QStringMap>("errors");
        QTest::newRow("word list") << QList<int>{1}
                                   << QStringMap{{u"Loading word list..."_s, u"Error loading word list."_s}};
        QTest::newRow("lessons and speed tests")
            << QList<int>{1000, 5000}
            << QStringMap{{u"Loading lessons..."_s, u"Error loading lessons."_s},
                          {u"Loading speed tests..."_s, u"Error loading speed tests."_s}};
        QTest::newRow("practice texts")
            << QList<int>{3000}
            << QStringMap{{u"Loading practice exercises..."_s, u"Error loading practice exercises."_s}};
        QTest::newRow("lesson texts") << QList<int>{999, 1001, 1002, 1003, 1004} << QStringMap{};
    }
    void failedBuiltInLoads_areReportedAndTheRestGoesOn()
    {
        QFETCH(QList<int>, missing);
        QFETCH(QStringMap, errors);
        QTemporaryDir dir;
        ExerciseCatalogue catalogue(dir.path(), [missing](int number) -> std::optional<QString> {
            if (missing.contains(number))
                return std::nullopt;
            return ResourceStore::Text(number);
        });
        RecordingReporter reporter;
        RandomGenerator random(1);
        QCOMPARE(StartupLoader::Run(catalogue, reporter, random), ExerciseCatalogue::LoadCompleted);
        QCOMPARE(reporter.calls, LoadSequence(errors));
        const auto missingLessons = std::count_if(missing.begin(), missing.end(), [](int number) {
            return number == 999 || (number >= 1001 && number <= 1028);
        });
        QCOMPARE(catalogue.Lessons().Count(), missing.contains(1000) ? 0 : 29 - missingLessons);
        QCOMPARE(catalogue.Practices().IsEmpty(), missing.contains(3000));
        QCOMPARE(catalogue.SpeedTests().IsEmpty(), missing.contains(5000));
        if (!catalogue.Lessons().IsEmpty())
            QCOMPARE(catalogue.Lessons().At(0)->Ordinal(), 1);
        // Without a word list the word drills have no text; the others still do.
        if (missing.contains(1)) {
            QVERIFY(catalogue.FindPractice(9000)->Text().isEmpty());
            QVERIFY(!catalogue.FindPractice(9002)->Text().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogueLoad)
#include "tst_catalogueload.moc"
