// The course navigation dialog with its results summary, and the three selection dialogs, on the
// offscreen platform.
#include "app/CommandIds.h"
#include "app/PracticeSelection.h"
#include "content/ExerciseCatalogue.h"
#include "dialogs/ExerciseFinishedDialog.h"
#include "dialogs/LessonSelectionDialog.h"
#include "dialogs/PracticeSelectionDialog.h"
#include "dialogs/ResultsSummaryPanel.h"
#include "dialogs/SpeedTestDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

ExerciseFinishedContent Content(QList<CourseButton> buttons)
{
    ExerciseFinishedContent content;
    const ResultFigures bronze{60000, 153, 0, 0, 0, 30.6, 30.6, 9180.0, 100.0}; // with honours
    content.summary = ResultsSummaries::OfExercise(bronze, u"Home Row: Overview"_s, 3);
    content.buttons = std::move(buttons);
    content.tip = u"Go for accuracy, not speed."_s;
    return content;
}

const QList<CourseButton> ThreeButtons = {
    {Command::CourseStart, u"Start Next Exercise"_s, u"Home Row: Basics 1"_s},
    {Command::CourseNext, u"Skip Home Row: Basics 1"_s, u"Continue on to Home Row: Basics 2"_s},
    {Command::CourseRepeat, u"Repeat This Exercise"_s, u"Home Row: Overview"_s},
};

LessonSelectionList ThreeLessons()
{
    LessonSelectionList list;
    list.rows = {{u"1"_s, u"Home Row: Overview"_s, u"31.50"_s, u"40.00"_s, u"Silver"_s, u"1001"_s},
                 {u"2"_s, u"Home Row: Basics 1"_s, {}, {}, {}, u"1002"_s},
                 {u"3"_s, u"Home Row: Basics 2"_s, {}, {}, {}, u"1003"_s}};
    list.descriptions = {u"one"_s, u"two"_s, u"three"_s};
    list.previews = {u"asdf\r\njkl;\r\n"_s, u"b"_s, u"c"_s};
    list.currentRow = 1;
    return list;
}

} // namespace

Q_DECLARE_METATYPE(QList<CourseButton>)

class CourseDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void navigation_showsOneCommandLinkPerButton_data()
    {
        QTest::addColumn<QList<CourseButton>>("buttons");
        QTest::addRow("three") << ThreeButtons;
        QTest::addRow("one") << QList<CourseButton>{ThreeButtons.last()};
        QTest::addRow("none") << QList<CourseButton>{};
    }

    void navigation_showsOneCommandLinkPerButton()
    {
        QFETCH(QList<CourseButton>, buttons);
        ExerciseFinishedDialog dialog(Content(buttons));
        QCOMPARE(dialog.CommandButtons().size(), buttons.size());
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            QCOMPARE(dialog.CommandButtons()[i]->text(), buttons[i].label);
            QCOMPARE(dialog.CommandButtons()[i]->description(), buttons[i].description);
        }
        QCOMPARE(dialog.SummaryPanel()->Summary().title, u"Home Row: Overview"_s);
    }

    void navigation_returnsThePressedButtonsCommand_data()
    {
        QTest::addColumn<int>("press"); // -1: Stop
        QTest::addColumn<int>("command");
        QTest::addRow("start") << 0 << int(Command::CourseStart);
        QTest::addRow("skip") << 1 << int(Command::CourseNext);
        QTest::addRow("repeat") << 2 << int(Command::CourseRepeat);
        QTest::addRow("stop") << -1 << 0;
    }

    void navigation_returnsThePressedButtonsCommand()
    {
        QFETCH(int, press);
        ExerciseFinishedDialog* shown = nullptr;
        QTimer::singleShot(0, this, [&shown, press] {
            shown = qobject_cast<ExerciseFinishedDialog*>(QApplication::activeModalWidget());
            if (!shown)
                return;
            QAbstractButton* button = press < 0 ? static_cast<QAbstractButton*>(shown->StopButton())
                                                : shown->CommandButtons()[press];
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QTEST(ExerciseFinishedDialog::Run(Content(ThreeButtons), nullptr), "command");
        QVERIFY(shown);
    }

    void navigation_returnTakesTheFirstWayOnThatSkipsNothing_data()
    {
        QTest::addColumn<QList<CourseButton>>("buttons");
        QTest::addColumn<int>("command");
        QTest::addRow("finished lesson") << ThreeButtons << int(Command::CourseStart);
        QTest::addRow("stopped lesson") << ThreeButtons.mid(1) << int(Command::CourseRepeat);
        QTest::addRow("only a skip") << ThreeButtons.mid(1, 1) << int(Command::CourseNext);
        QTest::addRow("no buttons") << QList<CourseButton>{} << 0;
    }

    void navigation_returnTakesTheFirstWayOnThatSkipsNothing()
    {
        QFETCH(QList<CourseButton>, buttons);
        QTimer::singleShot(0, this, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTEST(ExerciseFinishedDialog::Run(Content(buttons), nullptr), "command");
    }

    // The lessons row shows only with a count; the panel's height follows its rows.
    void summary_gameLayouts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lessonsToGame");
        QTest::addColumn<int>("rows");
        QTest::addRow("falling words") << int(ExerciseKind::Flurrix) << 0 << 2;
        QTest::addRow("race, lessons to game") << int(ExerciseKind::ThirtySeconds) << 2 << 3;
    }
    void summary_gameLayouts()
    {
        QFETCH(int, kind);
        QFETCH(int, lessonsToGame);
        QFETCH(int, rows);
        ResultsSummary summary = ResultsSummaries::OfGame(kind, 4294967295u, 123456, lessonsToGame);
        QCOMPARE(summary.rows.size(), rows);
        QImage image(400, 240, QImage::Format_RGB32);
        QPainter painter(&image);
        // 45 below a one-line title at 40, then 15 a row; a long title wraps and pushes them down.
        QCOMPARE(ResultsSummaryPanel::DrawResultsSummary(painter, summary, image.width()),
                 85 + 15 * rows + 10);
        summary.title = QStringList(20, u"Numeric Keypad"_s).join(u' ');
        QVERIFY(ResultsSummaryPanel::DrawResultsSummary(painter, summary, image.width()) >
                85 + 15 * rows + 28);
    }

    void lessonList_columnsSelectionAndTexts()
    {
        QStringList helpTopics;
        LessonSelectionDialog dialog(ThreeLessons(),
                                     [&helpTopics](const QString& topic) { helpTopics.append(topic); });
        QTreeWidget* list = dialog.LessonList();
        QVERIFY(dialog.LessonItem(2) && !dialog.LessonItem(3));
        QCOMPARE(list->topLevelItem(0)->text(0), u"Home Row"_s); // the section's header
        QVERIFY(list->isColumnHidden(LessonSelectionDialog::KeyColumn));
        QCOMPARE(dialog.LessonItem(0)->text(LessonSelectionDialog::AwardColumn), u"Silver"_s);
        // The current course entry's row is chosen and its texts are shown.
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(dialog.DescriptionField()->toPlainText(), u"two"_s);
        QCOMPARE(dialog.Choice()->key, u"1002"_s);

        list->setCurrentItem(dialog.LessonItem(0));
        QCOMPARE(dialog.PreviewField()->toPlainText(), u"asdf\njkl;\n"_s);
        QCOMPARE(dialog.Choice()->title, u"Home Row: Overview"_s);

        list->clearSelection();
        QVERIFY(!dialog.Choice());
        QVERIFY(dialog.DescriptionField()->toPlainText().isEmpty());
        QVERIFY(!dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());

        QTest::mouseClick(dialog.Buttons()->button(QDialogButtonBox::Help), Qt::LeftButton);
        QCOMPARE(helpTopics, QStringList{u"exercises_lessons"_s});
    }

    void lessonList_withoutCurrentRowSelectsNothing()
    {
        LessonSelectionList lessons = ThreeLessons();
        lessons.currentRow = 7; // beyond the list: nothing selected, nothing breaks
        LessonSelectionDialog dialog(lessons, {});
        QVERIFY(dialog.LessonList()->selectedItems().isEmpty());
        QVERIFY(!dialog.Choice());
    }

    void practiceDialog_showsThePreselectionAndClears()
    {
        QTemporaryDir folder;
        ExerciseCatalogue catalogue(folder.path());
        QVERIFY(catalogue.LoadPractices());
        // The revision practices get their texts from the problem lists at start-up.
        for (PracticeEntry& practice : catalogue.Practices()) {
            if (practice.Category() == u"Revision"_s)
                practice.SetText(u"[There are no problem words yet]"_s);
        }
        int clears = 0;
        PracticeSelection selection(catalogue, 5, u"4005"_s, [&clears](bool) { ++clears; });
        PracticeSelectionDialog dialog(selection, {}, [](bool) { return true; });
        QCOMPARE(dialog.CategoryList()->currentItem()->text(), u"Drills"_s);
        QCOMPARE(dialog.PracticeList()->currentItem()->text(), u"Capitals: Practice 2"_s);
        // Which buttons each practice enables is tst_courseselection's; here a click reaches the list.
        dialog.CategoryList()->setCurrentRow(int(selection.Categories().indexOf(u"Revision"_s)));
        dialog.PracticeList()->setCurrentItem(
            dialog.PracticeList()->findItems(u"Problem words"_s, Qt::MatchExactly).value(0));
        QTest::mouseClick(dialog.ClearWordsButton(), Qt::LeftButton);
        QCOMPARE(clears, 1);
        QCOMPARE(dialog.PreviewField()->toPlainText(), u"[There are no problem words yet]"_s);
    }

    void speedTestDialog_refusesLengthsOutsideOneToFiftyNine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("seconds"); // -1: refused, the dialog stays open
        QTest::addRow("60 refused") << u"60"_s << -1;
        QTest::addRow("59 taken") << u"59"_s << 3540;
    }

    void speedTestDialog_refusesLengthsOutsideOneToFiftyNine()
    {
        QFETCH(QString, typed);
        QFETCH(int, seconds);
        QTemporaryDir folder;
        ExerciseCatalogue catalogue(folder.path());
        const SpeedTestOptions options(catalogue, 120);
        SpeedTestDialog dialog(options, {});
        QCOMPARE(dialog.DurationField()->currentText(), u"2"_s);
        QVERIFY(!dialog.ImportedOption()->isEnabled());
        QVERIFY(!dialog.ImportedList()->isEnabled());
        QVERIFY(dialog.BuiltInOption()->isChecked());
        dialog.show();
        dialog.DurationField()->lineEdit()->clear();
        QTest::keyClicks(dialog.DurationField()->lineEdit(), typed);
        QTest::keyClicks(dialog.DurationField()->lineEdit(), u"x-"_s); // not digits: never taken
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, seconds > 0);
        QCOMPARE(dialog.Choice() ? dialog.Choice()->durationSeconds : -1, seconds);
    }
};

QTEST_MAIN(CourseDialogsTest)
#include "tst_coursedialogs.moc"
