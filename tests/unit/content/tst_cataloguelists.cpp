// The built-in catalogues: what each list accepts, and the start-up load of them all.
#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "content/StartupLoader.h"
#include "content/WordList.h"
#include "platform/ResourceStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using QStringMap = QMap<QString, QString>;
using namespace Qt::StringLiterals;
using namespace clavora;

namespace {

// The embedded resources, with one catalogue replaced by the given text (or removed when null).
TextResourceReader ReplacingResource(int number, const QString& text)
{
    return [number, text](int requested) -> std::optional<QString> {
        if (requested != number)
            return ResourceStore::Text(requested);
        return text.isNull() ? std::nullopt : std::optional<QString>(text);
    };
}

QString Lesson(const QString& id, const QString& extra = QString())
{
    return u"<lesson><id>"_s + id + u"</id><title>T"_s + id + u"</title><description>D</description>"_s +
           extra + u"</lesson>"_s;
}

QString Practice(const QString& id, const QString& bodyType, const QString& extra = QString())
{
    return u"<practice><id>"_s + id + u"</id><category>C</category><title>P"_s + id +
           u"</title><bodytype>"_s + bodyType + u"</bodytype>"_s + extra + u"</practice>"_s;
}

// "key:ordinal" of every entry, in list order.
template <typename Entry> QStringList Outline(const CatalogueList<Entry>& list)
{
    QStringList outline;
    for (const Entry& entry : list)
        outline << entry.Key() + u':' + QString::number(entry.Ordinal());
    return outline;
}

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

class TestCatalogueLists final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void lessons_followTheAcceptanceRules_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QStringList>("outline");
        QTest::newRow("one valid lesson")
            << u"<lessons>"_s + Lesson(u"1001"_s) + u"</lessons>"_s << true << QStringList{u"1001:1"_s};
        QTest::newRow("repeated id: first stays, counter holds")
            << u"<lessons>"_s + Lesson(u"1001"_s) + Lesson(u"1001"_s) + Lesson(u"1002"_s) + u"</lessons>"_s
            << true << QStringList{u"1001:1"_s, u"1002:2"_s};
        QTest::newRow("missing description dropped")
            << u"<lessons><lesson><id>1001</id><title>T</title></lesson>"_s + Lesson(u"1002"_s) +
                   u"</lessons>"_s
            << true << QStringList{u"1002:1"_s};
        QTest::newRow("empty title dropped")
            << u"<lessons><lesson><id>1001</id><title></title><description>D</description></lesson></lessons>"_s
            << false << QStringList{};
        QTest::newRow("id without text resource dropped")
            << u"<lessons>"_s + Lesson(u"4242"_s) + Lesson(u"abc"_s) + Lesson(u"1003"_s) + u"</lessons>"_s
            << true << QStringList{u"1003:1"_s};
        QTest::newRow("other elements ignored")
            << u"<lessons><!-- c --><practice/>"_s + Lesson(u"1001"_s) + u"<x>1</x></lessons>"_s << true
            << QStringList{u"1001:1"_s};
        QTest::newRow("no root") << u"<lesson-list>"_s + Lesson(u"1001"_s) + u"</lesson-list>"_s << false
                                 << QStringList{};
        QTest::newRow("parse error") << u"<lessons>"_s + Lesson(u"1001"_s) << false << QStringList{};
        QTest::newRow("empty text") << QString(u""_s) << false << QStringList{};
        QTest::newRow("missing resource") << QString() << false << QStringList{};
    }
    void lessons_followTheAcceptanceRules()
    {
        QFETCH(QString, xml);
        ExerciseCatalogue catalogue(m_dir.path(), ReplacingResource(LessonEntry::Format.resource, xml));
        QTEST(catalogue.LoadLessons(), "loaded");
        QTEST(Outline(catalogue.Lessons()), "outline");
    }

    void lessonFields_areRead()
    {
        const QString xml =
            u"<lessons>"_s + Lesson(u"1001"_s, u"<difficulty>3</difficulty>"_s) +
            Lesson(u"1002"_s, u"<difficulty>x</difficulty><introduced_keys>&amp;q</introduced_keys>"_s) +
            u"</lessons>"_s;
        ExerciseCatalogue catalogue(m_dir.path(), ReplacingResource(LessonEntry::Format.resource, xml));
        QVERIFY(catalogue.LoadLessons());
        const LessonEntry* first = catalogue.Lessons().Find(1001);
        QVERIFY(first);
        QCOMPARE(first->Difficulty(), 3);
        QCOMPARE(first->IntroducedKeys(), QString());
        QCOMPARE(first->Description(), u"D"_s);
        QCOMPARE(first->Text(), ResourceStore::Text(1001).value());
        QVERIFY(first->IsLoaded());
        const LessonEntry* second = catalogue.Lessons().Find(u"1002"_s);
        QCOMPARE(second->Difficulty(), 0);
        QCOMPARE(second->IntroducedKeys(), u"&q"_s);
        QVERIFY(!catalogue.Lessons().Find(1003));
    }

    void practices_followTheAcceptanceRules_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QStringList>("outline");
        QTest::addColumn<QList<int>>("userTypes");
        QTest::newRow("usertype missing, empty, given, out of range")
            << Practice(u"4000"_s, u"Resource"_s) + Practice(u"4001"_s, u"Resource"_s, u"<usertype/>"_s) +
                   Practice(u"4002"_s, u"Resource"_s, u"<usertype>7</usertype>"_s) +
                   Practice(u"4003"_s, u"Resource"_s, u"<usertype>300</usertype>"_s)
            << QStringList{u"4000:1"_s, u"4001:2"_s, u"4002:3"_s, u"4003:4"_s}
            << QList<int>{255, 255, 7, 255};
        QTest::newRow("body type compared with case")
            << Practice(u"4000"_s, u"resource"_s) + Practice(u"4001"_s, u"RANDOMNUMBERS"_s) +
                   Practice(u"4002"_s, u"Resource"_s)
            << QStringList{u"4002:1"_s} << QList<int>{255};
        QTest::newRow("body type missing or unknown")
            << u"<practice><id>4000</id><category>C</category><title>T</title></practice>"_s +
                   Practice(u"4001"_s, u"Poem"_s) + Practice(u"4002"_s, u""_s) +
                   Practice(u"4003"_s, u"Resource"_s)
            << QStringList{u"4003:1"_s} << QList<int>{255};
        QTest::newRow("generated body types need no resource")
            << Practice(u"77777"_s, u"RandomWordsMixed"_s) + Practice(u"77778"_s, u"ReviseProblemChars"_s) +
                   Practice(u"77779"_s, u"Resource"_s)
            << QStringList{u"77777:1"_s, u"77778:2"_s} << QList<int>{255, 255};
        QTest::newRow("missing category")
            << u"<practice><id>4000</id><title>T</title><bodytype>Resource</bodytype></practice>"_s
            << QStringList{} << QList<int>{};
    }
    void practices_followTheAcceptanceRules()
    {
        QFETCH(QString, entries);
        QFETCH(QStringList, outline);
        ExerciseCatalogue catalogue(m_dir.path(),
                                    ReplacingResource(PracticeEntry::Format.resource,
                                                      u"<practices>"_s + entries + u"</practices>"_s));
        QCOMPARE(catalogue.LoadPractices(), !outline.isEmpty());
        QCOMPARE(Outline(catalogue.Practices()), outline);
        QList<int> actualUserTypes;
        for (const PracticeEntry& practice : catalogue.Practices())
            actualUserTypes << practice.UserType();
        QTEST(actualUserTypes, "userTypes");
    }

    void longIds_areCutToTheFixedField()
    {
        const QString longId = QString(300, u'9');
        const QString xml = u"<practices>"_s + Practice(longId, u"RandomNumbers"_s) +
                            Practice(longId.left(259) + u"12"_s, u"RandomNumbers"_s) + u"</practices>"_s;
        ExerciseCatalogue catalogue(m_dir.path(), ReplacingResource(PracticeEntry::Format.resource, xml));
        QVERIFY(catalogue.LoadPractices());
        // Both ids cut to the same 259 characters: the second is a repeat.
        QCOMPARE(catalogue.Practices().Count(), 1);
        QCOMPARE(catalogue.Practices().At(0)->Key(), longId.left(259));
        QCOMPARE(catalogue.Practices().At(0)->ExerciseKey(), 0);
    }

    void reloading_replacesTheEntries()
    {
        ExerciseCatalogue catalogue(m_dir.path());
        QVERIFY(catalogue.LoadSpeedTests());
        QVERIFY(catalogue.LoadSpeedTests());
        QCOMPARE(catalogue.SpeedTests().Count(), 19);
        QCOMPARE(catalogue.SpeedTests().At(18)->Ordinal(), 19);
    }

    void speedTests_needKeyTitleAndText()
    {
        const QString xml = u"<speedtests><speedtest><key>300</key><title>A</title><bodytype>x</bodytype>"
                            "</speedtest><speedtest><key>301</key></speedtest><speedtest><key>9</key><title>B"
                            "</title></speedtest><speedtest><key>302</key><title>C</title></speedtest>"
                            "</speedtests>"_s;
        ExerciseCatalogue catalogue(m_dir.path(), ReplacingResource(SpeedTestEntry::Format.resource, xml));
        QVERIFY(catalogue.LoadSpeedTests());
        QCOMPARE(Outline(catalogue.SpeedTests()), (QStringList{u"300:1"_s, u"302:2"_s}));
    }

    void dictations_areReadFromAttributes()
    {
        ExerciseCatalogue catalogue(m_dir.path());
        DictationList dictations;
        QVERIFY(catalogue.LoadDictations(dictations));
        // The shipped entries themselves are check_course.py's; here they are read from attributes.
        QCOMPARE(dictations.At(0)->Key(), u"800"_s);
        QVERIFY(dictations.At(0)->Title().startsWith(u"Dict1 - "_s));
    }

    void wordList_splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("CR LF") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("LF CR and lone breaks")
            << u"a\n\rb\rc\nd"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        QTest::newRow("empty lines") << u"\r\n\r\na\n\n\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("nothing") << u""_s << QStringList{};
        QTest::newRow("long word cut") << QString(300, u'w') << QStringList{QString(259, u'w')};
    }
    void wordList_splitsLines()
    {
        QFETCH(QString, text);
        QTEST(SplitWordList(text), "words");
    }

    void previewText_keepsTheFirstHundredLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("preview");
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QString::number(i);
        QTest::newRow("150 lines") << lines.join(u"\r\n"_s) << lines.mid(0, 100).join(u"\r\n"_s) + u"\r\n"_s;
        QTest::newRow("LF and CR lines") << u"a\nb\rc"_s << u"a\r\nb\r\nc\r\n"_s;
        QTest::newRow("blank lines kept") << u"a\r\n\r\nb\r\n"_s << u"a\r\n\r\nb\r\n"_s;
        QTest::newRow("empty") << u""_s << u""_s;
    }
    void previewText_keepsTheFirstHundredLines()
    {
        QFETCH(QString, text);
        QTEST(CatalogueEntry::BuildPreviewText(text), "preview");
    }

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

QTEST_GUILESS_MAIN(TestCatalogueLists)
#include "tst_cataloguelists.moc"
