// The lesson, practice and speed-test selections: what their dialogs are given and what the
// course does with the answer.
#include "app/LessonSelection.h"
#include "app/PracticeSelection.h"
#include "app/SpeedTestOptions.h"
#include "content/ExerciseCatalogue.h"
#include "CourseFixture.h"
#include "progress/ProblemStore.h"
#include "progress/RevisionTextGenerator.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::CourseFixture;

namespace {

// Selects the practice with the key in whichever category holds it.
bool SelectPractice(PracticeSelection& selection, const QString& key)
{
    for (int c = 0; c < selection.Categories().size(); ++c) {
        selection.SelectCategory(c);
        for (int r = 0; r < selection.Rows().size(); ++r) {
            if (selection.Rows().at(r).key == key) {
                selection.SelectRow(r);
                return true;
            }
        }
    }
    return false;
}

QStringList Titles(const PracticeSelection& selection)
{
    QStringList titles;
    for (const PracticeSelection::Row& row : selection.Rows())
        titles.append(row.title);
    return titles;
}

} // namespace

class CourseSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void lessonList_standsAtTheEntryAfterASkip()
    {
        // The rows' texts are tst_lessonprogress's; here the list the dialog is given.
        CourseFixture f;
        f.SetEntry(3);
        f.view.finishedDialogAnswer_ = [](const ExerciseFinishedContent&) { return 0; };
        f.controller->OnCommand(Command::CourseNext); // skips 1003
        f.controller->OnCommand(Command::Stop);
        f.controller->OnCommand(Command::SelectLesson);

        QCOMPARE(f.view.lessonLists_.size(), size_t(1));
        const LessonSelectionList& list = f.view.lessonLists_.front();
        QCOMPARE(list.rows.size(), 28);
        QCOMPARE(list.descriptions.size(), 28);
        QCOMPARE(list.previews.size(), 28);
        QVERIFY(list.previews.at(0).startsWith(u"asdf jkl;"_s));
        QCOMPARE(list.currentRow, 3);
    }

    void chosenLesson_becomesTheCurrentEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("keypad");
        QTest::addRow("keypad lesson") << u"1026"_s << 26 << int(ExerciseKind::KeypadLesson) << true;
        QTest::addRow("first lesson") << u"1001"_s << 1 << int(ExerciseKind::Lesson) << false;
    }

    void chosenLesson_becomesTheCurrentEntry()
    {
        QFETCH(QString, key);
        CourseFixture f;
        f.SetEntry(9);
        f.view.lessonAnswer_ = [key](const LessonSelectionList&) {
            return ExerciseChoice{key, u"Chosen title"_s};
        };
        f.controller->OnCommand(Command::MenuSelectLesson);
        QCOMPARE(f.view.lessonLists_.front().currentRow, 8);
        QTEST(f.Course().CurrentEntry(), "entry");
        QTEST(f.controller->Kind(), "kind");
        QCOMPARE(f.controller->State(), int(SessionState::Typing));
        QTEST(f.view.keypad_, "keypad");
        QCOMPARE(f.Profile().Get(Profile::LastExercise), u"Chosen title"_s);
    }

    void practiceKey_preselectsItsCategoryAndPractice()
    {
        CourseFixture f;
        const PracticeSelection selection(f.controller->Catalogue(), 5, u"4005"_s);
        QCOMPARE(selection.Categories().last(), u"Custom"_s);
        QCOMPARE(selection.Categories().at(selection.CurrentCategory()), u"Drills"_s);
        QCOMPARE(selection.Rows().at(selection.CurrentRow()).title, u"Capitals: Practice 2"_s);
        QVERIFY(selection.IsUsable());
        QVERIFY(!selection.PreviewText().isEmpty());

        const PracticeSelection unknown(f.controller->Catalogue(), 5, u"77"_s);
        QCOMPARE(unknown.CurrentCategory(), -1);
        QVERIFY(!unknown.Choice());
    }

    void clearButtons_onlyForTheirRevisionPractice()
    {
        CourseFixture f;
        QList<bool> cleared;
        PracticeSelection selection(f.controller->Catalogue(), 5, QString(),
                                    [&cleared](bool words) { cleared.append(words); });
        selection.SelectCategory(int(selection.Categories().indexOf(u"Revision"_s)));
        const QStringList titles = Titles(selection);
        selection.SelectRow(int(titles.indexOf(u"Problem words"_s)));
        QVERIFY(selection.CanClearProblemWords());
        QVERIFY(!selection.CanClearProblemChars());
        selection.ClearProblemList(true);
        QCOMPARE(cleared, QList<bool>{true});
        QCOMPARE(selection.PreviewText(), RevisionTextGenerator::NoProblemWordsText);
        selection.SelectRow(int(titles.indexOf(u"Problem characters"_s)));
        QVERIFY(selection.CanClearProblemChars());
        QVERIFY(!selection.CanClearProblemWords());
        selection.SelectCategory(0);
        QVERIFY(!selection.CanClearProblemChars());
        QVERIFY(!selection.IsUsable());
    }

    void chosenPractice_isStoredAndLoaded_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addRow("practice") << u"4005"_s << false;
        QTest::addRow("keypad practice") << u"4010"_s << true;
    }

    void chosenPractice_isStoredAndLoaded()
    {
        QFETCH(QString, key);
        CourseFixture f;
        f.view.practiceAnswer_ = [key](PracticeSelection& selection) -> std::optional<ExerciseChoice> {
            return SelectPractice(selection, key) ? selection.Choice() : std::nullopt;
        };
        f.controller->OnCommand(Command::SelectPractice);
        QCOMPARE(int(f.view.tab_), int(Tab::Practice));
        QCOMPARE(f.Profile().Get(Profile::PracticeKey), key);
        QCOMPARE(f.Course().ExerciseKey(), key);
        QCOMPARE(f.controller->Kind(), int(ExerciseKind::Practice));
        QCOMPARE(f.controller->State(), int(SessionState::Typing));
        QTEST(f.view.keypad_, "keypad");
        QCOMPARE(f.Profile().Get(Profile::LastExercise), f.Profile().Get(Profile::PracticeTitleKey));
    }

    void practiceSelection_previewsTheLatestProblemWords()
    {
        CourseFixture f;
        QVERIFY(f.controller->Problems().AddProblemWord(u"quartz"_s, 1700000000));
        QString preview;
        f.view.practiceAnswer_ = [&preview](PracticeSelection& selection) -> std::optional<ExerciseChoice> {
            if (SelectPractice(selection, u"4014"_s))
                preview = selection.PreviewText();
            return std::nullopt;
        };
        f.controller->OnCommand(Command::SelectPractice);
        QVERIFY2(preview.contains(u"quartz"_s), qPrintable(preview));
    }

    void speedTestMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::addRow("one") << u"1"_s << 60;
        QTest::addRow("fifty-nine") << u"59"_s << 3540;
        QTest::addRow("sixty") << u"60"_s << -1;
        QTest::addRow("zero") << u"0"_s << -1;
        QTest::addRow("empty") << QString() << -1;
        QTest::addRow("letters") << u"5a"_s << -1;
        QTest::addRow("negative") << u"-5"_s << -1;
        QTest::addRow("huge") << u"99999999999"_s << -1;
        QTest::addRow("padded") << u" 12 "_s << 720;
    }

    void speedTestMinutes()
    {
        QFETCH(QString, text);
        CourseFixture f;
        const SpeedTestOptions options(f.controller->Catalogue(), 0);
        QCOMPARE(options.DurationText(), u"1"_s);
        const auto choice = options.Accept(text, 3);
        QTEST(choice ? choice->durationSeconds : -1, "seconds");
        if (choice)
            QVERIFY(choice->importedKey.isEmpty()); // no imported test at row 3
    }

    void chosenSpeedTest_storesItsLengthAndStartsARandomTest()
    {
        CourseFixture f;
        f.Profile().Set(Profile::SpeedTestDurationSeconds, 300);
        f.view.speedTestAnswer_ = [](const SpeedTestOptions& options) {
            return options.DurationText() == u"5"_s ? options.Accept(u"3"_s, -1) : std::nullopt;
        };
        f.controller->OnCommand(Command::SelectSpeedTest);
        QCOMPARE(f.Profile().Get(Profile::SpeedTestDurationSeconds), 180);
        QCOMPARE(f.controller->Kind(), int(ExerciseKind::SpeedTestAlt));
        const int key = f.Course().ExerciseKey().toInt();
        QVERIFY(key >= 307 && key <= 318);
        QCOMPARE(f.Profile().Get(Profile::LastExercise), u"Speed test"_s);
        QCOMPARE(f.controller->Session().VisibleClock().ShownSeconds(), 180);
    }

    void cancelledSelections_changeNothing()
    {
        CourseFixture f;
        f.SetEntry(4);
        for (int command :
             {int(Command::SelectLesson), int(Command::SelectPractice), int(Command::SelectSpeedTest)})
            f.controller->OnCommand(command);
        QCOMPARE(f.controller->State(), int(SessionState::Idle));
        QCOMPARE(f.Course().CurrentEntry(), 4);
        QVERIFY(f.Profile().Get(Profile::PracticeKey).isEmpty());
    }

    void repeatedLesson_usesTheGuideOfItsKind_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("keypad");
        QTest::addRow("keypad lesson") << 26 << true;
        QTest::addRow("keyboard lesson") << 6 << false;
    }

    void repeatedLesson_usesTheGuideOfItsKind()
    {
        QFETCH(int, entry);
        QFETCH(bool, keypad);
        CourseFixture f;
        f.Profile().Set(Profile::LastLessonIndex, entry);
        f.view.keypad_ = !keypad;
        f.controller->OnCommand(Command::CourseRepeat);
        QCOMPARE(f.Course().CurrentEntry(), entry);
        QCOMPARE(f.view.keypad_, keypad);
    }
};

QTEST_GUILESS_MAIN(CourseSelectionTest)
#include "tst_courseselection.moc"
