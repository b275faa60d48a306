// The next-step buttons of the course navigation dialog, the tips and the results summary texts.
#include "app/CommandIds.h"
#include "app/CourseNavigation.h"
#include "app/ResultsSummary.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExerciseFinishedInputs)
Q_DECLARE_METATYPE(ResultFigures)

namespace {

constexpr int Start = Command::CourseStart;
constexpr int Skip = Command::CourseNext;
constexpr int Repeat = Command::CourseRepeat;
constexpr int Game = Command::FlurrixGameBreak;

ExerciseFinishedInputs Lesson(int current, int next, int last, bool repeat = false, int countdown = 3)
{
    ExerciseFinishedInputs in;
    in.resultKind = ExerciseKind::Lesson;
    in.currentEntry = current;
    in.nextEntry = next;
    in.lastLessonIndex = last;
    in.repeatFlag = repeat;
    in.gameBreakCountdown = countdown;
    return in;
}

ExerciseFinishedInputs SkillTest(bool repeat)
{
    ExerciseFinishedInputs in = Lesson(0, repeat ? 0 : 1, 0, repeat);
    in.resultKind = ExerciseKind::SkillTest;
    return in;
}

ExerciseFinishedInputs WithoutButtons(ExerciseFinishedInputs in)
{
    in.buttonsEnabled = false;
    return in;
}

ExerciseFinishedInputs RepeatSuppressed(ExerciseFinishedInputs in)
{
    in.repeatSuppressed = true;
    return in;
}

// "label | description | command" per button.
QStringList Describe(const QList<CourseButton>& buttons)
{
    QStringList lines;
    for (const CourseButton& b : buttons)
        lines.append(u"%1 | %2 | %3"_s.arg(b.label, b.description).arg(b.commandId));
    return lines;
}

QString B(const QString& label, const QString& description, int command)
{
    return u"%1 | %2 | %3"_s.arg(label, description).arg(command);
}

} // namespace

class CourseNavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void buttons_data()
    {
        QTest::addColumn<ExerciseFinishedInputs>("inputs");
        QTest::addColumn<QStringList>("expected");

        QTest::addRow("finished lesson")
            << Lesson(2, 3, 2)
            << QStringList{B(u"Start Next Exercise"_s, u"Home Row: Basics 2"_s, Start),
                           B(u"Skip Home Row: Basics 2"_s, u"Continue on to Home Row: Revision"_s, Skip),
                           B(u"Repeat This Exercise"_s, u"Home Row: Basics 1"_s, Repeat)};
        QTest::addRow("stopped lesson: restart or skip the last lesson")
            << Lesson(6, 6, 6, true)
            << QStringList{B(u"Skip Top Row: Basics 1"_s, u"Continue on to Top Row: Basics 2"_s, Skip),
                           B(u"Restart This Exercise"_s, u"Top Row: Basics 1"_s, Repeat)};
        QTest::addRow("stopped lesson, repeat suppressed: start it again")
            << RepeatSuppressed(Lesson(6, 6, 6, true))
            << QStringList{B(u"Start Next Exercise"_s, u"Top Row: Basics 1"_s, Start),
                           B(u"Skip Top Row: Basics 1"_s, u"Continue on to Top Row: Basics 2"_s, Skip)};
        QTest::addRow("finished skill test")
            << SkillTest(false)
            << QStringList{B(u"Start Exercise"_s, u"Home Row: Overview"_s, Start),
                           B(u"Skip Home Row: Overview"_s, u"Continue on to Home Row: Basics 1"_s, Skip)};
        QTest::addRow("stopped skill test")
            << SkillTest(true)
            << QStringList{B(u"Skip Initial Skill Test"_s, u"Continue on to Home Row: Overview"_s, Skip),
                           B(u"Restart This Exercise"_s, u"Initial Skill Test"_s, Repeat)};
        QTest::addRow("next is the last lesson: nothing to skip to")
            << Lesson(27, 28, 27)
            << QStringList{B(u"Start Next Exercise"_s, u"Numeric Keypad: Revision"_s, Start),
                           B(u"Repeat This Exercise"_s, u"Numeric Keypad: Basics 2"_s, Repeat)};
        QTest::addRow("course finished: repeat only")
            << Lesson(28, 29, 28)
            << QStringList{B(u"Repeat This Exercise"_s, u"Numeric Keypad: Revision"_s, Repeat)};
        QTest::addRow("back at an incomplete section")
            << Lesson(28, 9, 28)
            << QStringList{B(u"Start Next Exercise"_s, u"Bottom Row: Overview"_s, Start),
                           B(u"Skip Bottom Row: Overview"_s, u"Continue on to Bottom Row: Basics 1"_s, Skip),
                           B(u"Repeat This Exercise"_s, u"Numeric Keypad: Revision"_s, Repeat)};
        QTest::addRow("game break") << Lesson(4, 5, 4, false, 0)
                                    << QStringList{
                                           B(u"Start Next Exercise"_s, u"Flurrix"_s, Game),
                                           B(u"Skip Flurrix"_s, u"Continue on to Top Row: Overview"_s, Start),
                                           B(u"Repeat This Exercise"_s, u"Home Row: Revision"_s, Repeat)};
        QTest::addRow("buttons not enabled") << WithoutButtons(Lesson(4, 5, 4)) << QStringList{};
    }

    void buttons()
    {
        QFETCH(ExerciseFinishedInputs, inputs);
        const auto buttons = ExerciseFinishedButtons(inputs);
        QVERIFY(buttons.has_value());
        QTEST(Describe(*buttons), "expected");
    }

    void stoppedWithoutButtons_showsNoDialog()
    {
        QVERIFY(!ExerciseFinishedButtons(WithoutButtons(Lesson(3, 3, 3, true))).has_value());
    }

    void exerciseSummary_data()
    {
        QTest::addColumn<ResultFigures>("figures");
        QTest::addColumn<int>("lessonsToGame");
        QTest::addColumn<QStringList>("values");

        QTest::addRow("zero duration")
            << ResultFigures{0, 0, 0, 3, 0, 0.0, 0.0, 0.0, 0.0} << 2
            << QStringList{u"0"_s, u"0"_s, u" 0.0"_s, u"0"_s, u"3"_s, u" 0.0"_s, u"None"_s, u"2"_s};
        QTest::addRow("bronze with honors, no game line")
            << ResultFigures{60000, 153, 0, 3, 0, 30.6, 30.6, 9180.0, 100.0} << 0
            << QStringList{
                   u"60.0"_s, u"30.6"_s, u"30.6"_s, u"0"_s, u"3"_s, u"100.0"_s, u"Bronze - with honors"_s};
        QTest::addRow("diamond with an error")
            << ResultFigures{61500, 470, 1, 3, 0, 91.7, 90.7, 27512.2, 99.8} << 4
            << QStringList{u"61.5"_s, u"91.7"_s, u"90.7"_s, u"1"_s, u"3"_s, u"99.8"_s, u"Diamond"_s, u"4"_s};
    }

    void exerciseSummary()
    {
        QFETCH(ResultFigures, figures);
        QFETCH(int, lessonsToGame);
        const ResultsSummary summary =
            ResultsSummaries::OfExercise(figures, u"Home Row: Overview"_s, lessonsToGame);
        QStringList shown;
        for (const SummaryRow& row : summary.rows)
            shown.append(row.value);
        QTEST(shown, "values");
    }
};

QTEST_GUILESS_MAIN(CourseNavigationTest)
#include "tst_coursenavigation.moc"
