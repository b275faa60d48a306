#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "content/StartupLoader.h"
#include "platform/ResourceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;

namespace {

// Writes down every call, in order: "cancelled?", "status: ...", "fraction: 3/7", "error: ...".
class RecordingReporter final : public ProgressReporter
{
public:
    explicit RecordingReporter(bool cancelled = false) : m_cancelled(cancelled) {}

    bool IsCancelled() override
    {
        calls << u"cancelled?"_s;
        return m_cancelled;
    }
    void SetStatus(const QString& text) override { calls << u"status: "_s + text; }
    void SetFraction(double fraction) override
    {
        calls << u"fraction: %1/7"_s.arg(fraction * 7.0, 0, 'g', 6);
    }
    void ReportError(const QString& text) override { calls << u"error: "_s + text; }

    QStringList calls;

private:
    bool m_cancelled;
};

QStringList LoadSequence(const QStringList& errors)
{
    auto error = [&errors](int step) {
        return errors.contains(QString::number(step))
                   ? QStringList{errors.at(errors.indexOf(QString::number(step)) + 1)}
                   : QStringList{};
    };
    QStringList sequence = {u"cancelled?"_s, u"status: Loading word list..."_s, u"fraction: 0/7"_s};
    sequence << error(1) << u"fraction: 1/7"_s << u"status: Loading lessons..."_s;
    sequence << error(2) << u"fraction: 2/7"_s << u"status: Loading numeric keypad lessons..."_s
             << u"fraction: 3/7"_s << u"status: Loading practice exercises..."_s;
    sequence << error(3) << u"fraction: 4/7"_s << u"status: Loading speed tests..."_s;
    sequence << error(4) << u"fraction: 5/7"_s << u"status: Loading custom practice exercises..."_s
             << u"fraction: 6/7"_s << u"status: Loading custom speed tests..."_s
             << u"status: Loading custom dictations..."_s << u"fraction: 7/7"_s;
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
        QCOMPARE(reporter.calls, LoadSequence({}));

        for (const char* name : {"practicecustom.xml", "speedtestcustom.xml", "dictationcustom.xml"})
            QVERIFY(QFile::exists(dir.filePath(u"Custom/"_s + QLatin1String(name))));
        QCOMPARE(catalogue.WordList().size(), 2284);
        QCOMPARE(catalogue.WordList().first(), u"a"_s);
        QCOMPARE(catalogue.WordList().last(), u"zero"_s);
        QCOMPARE(catalogue.Lessons().Count(), 29);
        QCOMPARE(catalogue.Practices().Count(), 130);
        QCOMPARE(catalogue.SpeedTests().Count(), 19);
        QVERIFY(catalogue.CustomPractices().IsEmpty());
        QCOMPARE(catalogue.GeneratedPracticeCount(), 6);

        QCOMPARE(catalogue.Lessons().Find(999)->Ordinal(), 1);
        QCOMPARE(catalogue.Lessons().Find(1001)->Ordinal(), 2);
        QCOMPARE(catalogue.Lessons().Find(1028)->Ordinal(), 29);
        QCOMPARE(catalogue.Lessons().Find(1021)->IntroducedKeys().size(), 22);
        QVERIFY(catalogue.Lessons().Find(1021)->IntroducedKeys().contains(u'&'));
        QCOMPARE(catalogue.Lessons().Find(1025)->IntroducedKeys(), u"0123456789/*-+"_s);

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
        QCOMPARE(reporter.calls, QStringList{u"cancelled?"_s});
        QVERIFY(catalogue.WordList().isEmpty());
        QVERIFY(catalogue.Lessons().IsEmpty());
    }

    void failedBuiltInLoads_areReportedAndTheRestGoesOn_data()
    {
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("word list") << QList<int>{1}
                                   << QStringList{u"1"_s, u"error: Error loading word list."_s};
        QTest::newRow("lessons and speed tests")
            << QList<int>{1000, 5000}
            << QStringList{u"2"_s, u"error: Error loading lessons."_s, u"4"_s,
                           u"error: Error loading speed tests."_s};
        QTest::newRow("practice texts")
            << QList<int>{3000} << QStringList{u"3"_s, u"error: Error loading practice exercises."_s};
        QTest::newRow("lesson texts") << QList<int>{999, 1001, 1002, 1003, 1004} << QStringList{};
    }
    void failedBuiltInLoads_areReportedAndTheRestGoesOn()
    {
        QFETCH(QList<int>, missing);
        QFETCH(QStringList, errors);
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
