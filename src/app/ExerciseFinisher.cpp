#include "app/ExerciseFinisher.h"

#include "app/CourseFlow.h"
#include "app/CourseNavigation.h"
#include "app/CourseRules.h"
#include "app/CourseTable.h"
#include "app/MainController.h"
#include "app/ResultNotes.h"
#include "app/ProgressController.h"
#include "app/ResultsSummary.h"
#include "audio/SoundEvents.h"
#include "platform/Clock.h"
#include "progress/GoalRules.h"
#include "progress/ResultsStore.h"
#include "session/TypingSession.h"

namespace clavora {

namespace {

constexpr double BestSpeedAccuracy = 84.0; // below this a speed does not count as a best

bool IsCourseKind(int kind)
{
    return kind == ExerciseKind::SkillTest || kind == ExerciseKind::Lesson ||
           kind == ExerciseKind::KeypadLesson;
}

bool IsLessonKind(int kind)
{
    return kind == ExerciseKind::Lesson || kind == ExerciseKind::KeypadLesson;
}

bool IsStoredTestKind(int kind)
{
    return kind == ExerciseKind::SpeedTest || kind == ExerciseKind::SpeedTestAlt ||
           kind == ExerciseKind::CustomSpeedTest;
}

// Kinds whose dialog offers no way on through the course.
bool HasNoCourseButtons(int kind)
{
    return kind == ExerciseKind::Practice || kind == ExerciseKind::SpeedTestAlt ||
           kind == ExerciseKind::CustomPractice || kind == ExerciseKind::CustomSpeedTest;
}

} // namespace

const QString ExerciseFinisher::CourseEndTitle = QStringLiteral("Course End");
const QString ExerciseFinisher::CourseEndMessage = QStringLiteral(
    "Congratulations! You've reached the end of the Clavora typing course! You aren't done yet, though - it "
    "looks like there are still some sections that haven't been completed.\r\n\r\nYou will be taken to the "
    "first lesson of the first incomplete section.\r\n\r\nEarn at least a Bronze award in any one of a "
    "section's lessons to complete that section. Once all sections are complete, a certificate will be "
    "awarded.");

ExerciseFinisher::ExerciseFinisher(MainController& main, CourseFlow& course) : m_main(main), m_course(course)
{}

void ExerciseFinisher::FinishExercise()
{
    UserProfile& profile = m_main.Profile();
    const int kind = m_main.Kind();
    const bool repeat = m_course.RepeatFlag();
    const ExerciseResult& result = m_main.Session().Result();
    const ResultFigures figures = FiguresOf(result);
    const qint64 now = m_main.Time().EpochSeconds();
    const double skillLevel = CourseRules::SkillLevelOf(result.characters, result.errors, result.durationMs);

    const AwardLevel award = AwardOf(figures);
    m_main.Progress().AppendReportRow(figures, kind);
    if (award > AwardLevel::None && m_main.PlayAwardSounds())
        m_main.Sounds().PlayEventSound(static_cast<int>(award));

    if (IsLessonKind(kind)) {
        profile.Set(Profile::CurrExerciseComplete, true);
        m_course.MarkCurrentEntryCompleted(true);
        if (m_course.GameBreakCountdown() > 0 && !repeat)
            m_course.SetGameBreakCountdown(m_course.GameBreakCountdown() - 1);
    }
    if (kind != ExerciseKind::SkillTest)
        UpdateSkillLevel(skillLevel);

    m_main.Session().ResetDisplay();
    // The lesson's figures before this result joins them, for the summary's comparison.
    const std::optional<LessonFigures> before =
        IsLessonKind(kind) ? std::optional(FiguresOfLesson(
                                 m_course.ExerciseKey(), ReadLessonRecords(ResultsStore(m_main.Settings()))))
                           : std::nullopt;

    if (!repeat) {
        if (kind == ExerciseKind::SkillTest)
            CountSkillTest(figures, skillLevel);
        else if (IsLessonKind(kind))
            StoreLesson(figures, now);
        else if (IsStoredTestKind(kind))
            ResultsStore(m_main.Settings()).SaveExerciseResult(figures, kind, now);
    }
    if (IsLessonKind(kind))
        profile.Set(Profile::LastLessonIndex, m_course.CurrentEntry());

    // Stop is disabled now that nothing runs.
    m_main.UpdateCommandStates();
    const int next = IsCourseKind(kind) ? m_course.NextCourseEntry() : m_course.CurrentEntry();
    m_main.Session().Reset();

    const int command = RunDialog(kind, figures, next, before);

    if (IsCourseKind(kind)) {
        const CourseEntry& current = CourseTable::At(m_course.CurrentEntry());
        profile.Set(Profile::NextExercise, CourseTable::TitleOf(next));
        m_course.SetExerciseKey(current.Key());
        m_main.SetState(SessionState::Idle, current.kind);
        m_course.SetCurrentEntry(next);
        profile.Set(Profile::CurrExerciseEntry, next);
    } else {
        m_main.SetState(SessionState::Idle, -1);
    }

    m_main.UpdateCommandStates();
    UpdateBests(figures);
    const int goal = profile.Get(Profile::GoalWPM);
    if (GoalRules::IsGoalBeaten(figures.accuracyPercent, figures.netWpm, goal,
                                kind == ExerciseKind::SkillTest))
        m_main.Progress().ShowGoalDialog(true, int(figures.netWpm), kind == ExerciseKind::SkillTest);
    if (command != 0)
        m_main.PostCommand(command);
}

void ExerciseFinisher::UpdateSkillLevel(double skillLevel)
{
    UserProfile& profile = m_main.Profile();
    profile.Set(Profile::LastSkillLevel, skillLevel);
    // The running average takes the stored text back, as every later reader sees it.
    const double last = profile.Get(Profile::LastSkillLevel);
    const int completed = std::max(0, profile.Get(Profile::LessonsCompleted));
    const double average = profile.SkillLevel();
    const float updated = float((average * completed + last) / (completed + 1));
    profile.Set(Profile::SkillLevel, double(updated));
    profile.Set(Profile::LessonsCompleted, completed + 1);
    profile.Set(Profile::LastLessonTime, int(m_main.Time().EpochSeconds()));
}

void ExerciseFinisher::CountSkillTest(const ResultFigures& figures, double skillLevel)
{
    UserProfile& profile = m_main.Profile();
    profile.Set(Profile::TakeInitialSkillTest, false);
    profile.Set(Profile::IsSkillTestTaken, true);
    profile.Set(Profile::SkillTestWPM, int(figures.netWpm));
    profile.Set(Profile::SkillLevel, skillLevel);
    profile.Set(Profile::LessonsCompleted, std::max(0, profile.Get(Profile::LessonsCompleted)) + 1);
    profile.Set(Profile::LastLessonTime, int(m_main.Time().EpochSeconds()));
    profile.Set(Profile::NextExercise, CourseTable::TitleOf(m_course.CurrentEntry()));
}

void ExerciseFinisher::StoreLesson(const ResultFigures& figures, qint64 now)
{
    UserProfile& profile = m_main.Profile();
    ResultsStore(m_main.Settings()).SaveExerciseResult(figures, m_main.Kind(), now);
    const bool lastLesson = m_course.CurrentEntry() == CourseTable::LastLessonEntry;
    if (lastLesson)
        profile.Set(Profile::HasReachedCourseEnd, true);
    if (m_main.Progress().Certificates().OfferIfDue())
        return;
    // Not due although not yet offered: some section is still incomplete.
    if (lastLesson && !profile.Get(Profile::AwardCertOffered)) {
        if (MainView* view = m_main.Window())
            view->ShowInformation(CourseEndTitle, CourseEndMessage);
    }
}

int ExerciseFinisher::RunDialog(int kind, const ResultFigures& figures, int nextEntry,
                                const std::optional<LessonFigures>& before)
{
    ExerciseFinishedInputs in;
    in.resultKind = kind;
    in.currentEntry = m_course.CurrentEntry();
    in.nextEntry = nextEntry;
    in.buttonsEnabled = !HasNoCourseButtons(kind) && nextEntry < CourseTable::EntryCount;
    in.repeatFlag = m_course.RepeatFlag();
    in.lastLessonIndex = m_main.Profile().Get(Profile::LastLessonIndex);
    in.gameBreakCountdown = m_course.GameBreakCountdown();
    const std::optional<QList<CourseButton>> buttons = ExerciseFinishedButtons(in);
    MainView* view = m_main.Window();
    if (!buttons || !view)
        return 0;

    ExerciseFinishedContent content;
    const int lessonsToGame = IsLessonKind(kind) ? m_course.GameBreakCountdown() : 0;
    content.summary =
        ResultsSummaries::OfExercise(figures, m_main.Profile().Get(Profile::LastExercise), lessonsToGame);
    // Stop zeroes every counter; a finished exercise always has typed something.
    if (figures.characters == 0 && figures.durationMs == 0)
        ResultNotes::MarkStopped(content.summary);
    else
        content.summary.notes << ResultNotes::Comparison(figures.netWpm, before)
                              << ResultNotes::CourseMove(in.currentEntry, nextEntry);
    content.summary.notes.removeAll(QString());
    content.buttons = *buttons;
    content.tip = ChooseTip(m_main.Random());
    const int command = view->RunExerciseFinishedDialog(content);
    if (OffersGameBreak(in) && !in.repeatFlag)
        m_course.SetGameBreakCountdown(CourseFlow::LessonsBetweenGameBreaks);
    return command;
}

void ExerciseFinisher::UpdateBests(const ResultFigures& figures)
{
    UserProfile& profile = m_main.Profile();
    if (figures.accuracyPercent > BestSpeedAccuracy && figures.netWpm > profile.Get(Profile::BestWPM))
        profile.Set(Profile::BestWPM, figures.netWpm);
    if (figures.accuracyPercent > profile.Get(Profile::BestAccuracy))
        profile.Set(Profile::BestAccuracy, figures.accuracyPercent);
}

} // namespace clavora
