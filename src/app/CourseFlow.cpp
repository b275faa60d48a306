#include "app/CourseFlow.h"

#include "app/CommandIds.h"
#include "app/CourseRules.h"
#include "app/CourseTable.h"
#include "app/DictationController.h"
#include "app/ExerciseFinisher.h"
#include "app/ImportController.h"
#include "app/LessonSelection.h"
#include "app/MainController.h"
#include "app/PracticeSelection.h"
#include "app/SpeedTestOptions.h"
#include "content/ExerciseCatalogue.h"
#include "platform/Clock.h"
#include "progress/LessonProgress.h"
#include "progress/ResultsStore.h"
#include "session/TypingSession.h"
#include "settings/SettingsStore.h"

namespace clavora {

namespace {

constexpr int RandomSpeedTestFirstKey = 307;
constexpr int RandomSpeedTestCount = 12;
constexpr int FirstBuiltInPracticeKey = 4000;
constexpr int FirstKeypadLessonKey = 1025;
constexpr int LastKeypadLessonKey = 1028;

// The two practices typed on the numeric keypad.
bool IsKeypadPractice(const QString& key)
{
    return key == QStringLiteral("4010") || key == QStringLiteral("4011");
}

template <typename List> auto* FindOrFirst(const List& list, const QString& key)
{
    auto* entry = list.Find(key);
    if (!entry && list.Count() > 0)
        entry = list.At(0);
    return entry;
}

} // namespace

CourseFlow::CourseFlow(MainController& main)
    : m_main(main), m_finisher(std::make_unique<ExerciseFinisher>(main, *this))
{}

CourseFlow::~CourseFlow() = default;

void CourseFlow::LoadUserPosition()
{
    m_entry = m_main.Profile().Get(Profile::CurrExerciseEntry);
}

void CourseFlow::SetKeypadExercise(bool keypad)
{
    m_keypad = keypad;
    if (MainView* view = m_main.Window())
        view->SetKeypadLayout(keypad);
}

bool CourseFlow::IsCurrentEntryCompleted() const
{
    return m_entry >= 0 && m_entry < CourseTable::EntryCount && m_completedInRun[size_t(m_entry)];
}

void CourseFlow::MarkCurrentEntryCompleted(bool completed)
{
    if (m_entry >= 0 && m_entry < CourseTable::EntryCount)
        m_completedInRun[size_t(m_entry)] = completed;
}

bool CourseFlow::IsCourseFinished() const
{
    return CourseTable::At(m_entry).kind == ExerciseKind::CourseFinished;
}

int CourseFlow::FirstIncompleteSection() const
{
    return clavora::FirstIncompleteSection(ResultsStore(m_main.Settings()));
}

int CourseFlow::NextCourseEntry() const
{
    CourseRules::NextEntryInputs in;
    in.current = m_entry;
    in.repeatFlag = m_repeat;
    in.skillLevel = float(m_main.Profile().SkillLevel());
    in.lastSkillLevel = float(m_main.Profile().Get(Profile::LastSkillLevel));
    in.firstIncompleteSection = [this] { return FirstIncompleteSection(); };
    return CourseRules::NextCourseEntry(in);
}

void CourseFlow::SelectLesson()
{
    MainView* view = m_main.Window();
    if (!view || m_main.State() != SessionState::Idle)
        return;
    view->SelectTab(Tab::Lessons);
    m_main.ShowTypingView();
    const std::optional<ExerciseChoice> choice = view->RunLessonSelection(
        LessonSelection::Build(m_main.Catalogue(), ResultsStore(m_main.Settings()), m_entry));
    if (!choice)
        return;
    m_exerciseKey = choice->key;
    const int keyNumber = choice->key.toInt();
    SetKeypadExercise(keyNumber >= FirstKeypadLessonKey && keyNumber <= LastKeypadLessonKey);
    m_main.Profile().Set(Profile::LastExercise, choice->title);
    const int entry = CourseTable::FindLessonEntry(choice->key);
    if (entry >= 0)
        m_entry = entry;
    m_main.SetState(SessionState::Preparing, CourseTable::At(m_entry).kind);
}

void CourseFlow::SelectPractice()
{
    MainView* view = m_main.Window();
    if (!view || m_main.State() != SessionState::Idle)
        return;
    view->SelectTab(Tab::Practice);
    SetKeypadExercise(false);
    // The revision practices' previews show the latest problem lists.
    m_main.RegenerateRevisionTexts();
    PracticeSelection selection(
        m_main.Catalogue(), m_main.UserType(), m_main.Profile().Get(Profile::PracticeKey),
        [this](bool words) { m_main.ClearProblemsConfirmed(words); },
        [this](const QString& fileName) { m_main.Import().DeleteCustomPractice(fileName); });
    const std::optional<ExerciseChoice> choice = view->RunPracticeSelection(selection);
    if (!choice)
        return;
    m_main.Profile().Set(Profile::PracticeKey, choice->key);
    m_main.Profile().Set(Profile::PracticeTitleKey, choice->title);
    m_exerciseKey = choice->key;
    m_main.Profile().Set(Profile::LastExercise, choice->title);
    const int keyNumber = choice->key.toInt();
    const int kind =
        keyNumber >= FirstBuiltInPracticeKey ? ExerciseKind::Practice : ExerciseKind::CustomPractice;
    SetKeypadExercise(IsKeypadPractice(m_exerciseKey));
    m_main.SetState(SessionState::Preparing, kind);
}

void CourseFlow::SelectSpeedTest()
{
    MainView* view = m_main.Window();
    if (!view || m_main.State() != SessionState::Idle)
        return;
    SetKeypadExercise(false);
    m_main.ShowTypingView();
    const SpeedTestOptions options(m_main.Catalogue(),
                                   m_main.Profile().Get(Profile::SpeedTestDurationSeconds));
    const std::optional<SpeedTestChoice> choice = view->RunSpeedTestSelection(options);
    if (!choice)
        return;
    m_main.Profile().Set(Profile::SpeedTestDurationSeconds, choice->durationSeconds);
    if (choice->importedKey.isEmpty()) {
        StartRandomSpeedTest(ExerciseKind::SpeedTestAlt);
        return;
    }
    m_exerciseKey = choice->importedKey;
    m_main.Profile().Set(Profile::LastExercise, QStringLiteral("Speed test"));
    m_main.SetState(SessionState::Preparing, ExerciseKind::CustomSpeedTest);
}

void CourseFlow::StartExercise()
{
    switch (m_main.SelectedTab()) {
    case Tab::Lessons:
        if (!IsCourseFinished())
            m_main.PostCommand(Command::CourseStart);
        break;
    case Tab::Practice:
        if (m_main.IsDictationViewShown())
            m_main.Dictation().Start();
        else
            StartRandomPractice();
        break;
    case Tab::Tests:
        StartRandomSpeedTest(ExerciseKind::SpeedTestAlt);
        break;
    default:
        break;
    }
}

void CourseFlow::StartRandomPractice()
{
    const ExerciseCatalogue& catalogue = m_main.Catalogue();
    const int choices = int(catalogue.Practices().Count()) - catalogue.GeneratedPracticeCount();
    if (choices <= 0)
        return;
    RandomGenerator& random = m_main.Random();
    random.Seed(std::uint32_t(m_main.Time().EpochSeconds()));
    const QString key = QString::number(FirstBuiltInPracticeKey + random.Next() % choices);
    const auto* practice = FindOrFirst(catalogue.Practices(), key);
    if (!practice)
        return;
    m_exerciseKey = practice->Key();
    m_main.Profile().Set(Profile::LastExercise, practice->Title());
    SetKeypadExercise(IsKeypadPractice(m_exerciseKey));
    m_main.SetState(SessionState::Preparing, ExerciseKind::Practice);
}

void CourseFlow::StartRandomSpeedTest(int kind)
{
    RandomGenerator& random = m_main.Random();
    random.Seed(std::uint32_t(m_main.Time().EpochSeconds()));
    m_exerciseKey = QString::number(RandomSpeedTestFirstKey + random.Next() % RandomSpeedTestCount);
    SetKeypadExercise(false);
    m_main.Profile().Set(Profile::LastExercise, QStringLiteral("Speed test"));
    m_main.SetState(SessionState::Preparing, kind);
}

void CourseFlow::WriteCourseTitles(int next)
{
    m_main.Profile().Set(Profile::LastExercise, CourseTable::TitleOf(m_entry));
    m_main.Profile().Set(Profile::NextExercise, CourseTable::TitleOf(next));
}

void CourseFlow::StartCourseEntry()
{
    const CourseEntry& entry = CourseTable::At(m_entry);
    SetKeypadExercise(entry.kind == ExerciseKind::KeypadLesson);
    m_main.Session().ResetDisplay();
    WriteCourseTitles(NextCourseEntry());
    m_main.Profile().Set(Profile::CurrExerciseEntry, m_entry);
    m_exerciseKey = entry.Key();
    m_main.SetState(SessionState::Preparing, entry.kind);
}

void CourseFlow::OnCourseCommand(int commandId)
{
    // The course dialog may have been reached by a Stop from the games or results tab.
    if (m_main.CurrentView() != View::Typing) {
        if (MainView* view = m_main.Window())
            view->SelectTab(Tab::Lessons);
        m_main.ShowTypingView();
    }
    switch (commandId) {
    case Command::CourseStart:
        StartCourseEntry();
        break;
    case Command::CourseRepeat: {
        m_entry = m_main.Profile().Get(Profile::LastLessonIndex);
        const CourseEntry& entry = CourseTable::At(m_entry);
        m_exerciseKey = entry.Key();
        // A repeated keypad lesson is typed on the keypad like its first run.
        SetKeypadExercise(entry.kind == ExerciseKind::KeypadLesson);
        WriteCourseTitles(NextCourseEntry());
        m_main.SetState(SessionState::Preparing, entry.kind);
        break;
    }
    case Command::CourseNext: {
        const CourseEntry& entry = CourseTable::At(m_entry);
        ResultsStore(m_main.Settings()).SaveSkipped(entry.Key(), entry.kind);
        m_entry = std::min(m_entry + 1, CourseTable::CourseFinishedEntry);
        StartCourseEntry();
        break;
    }
    default:
        break;
    }
}

void CourseFlow::LoadExercise()
{
    const ExerciseCatalogue& catalogue = m_main.Catalogue();
    const int kind = m_main.Kind();
    const CatalogueEntry* entry = nullptr;
    QString caption;
    switch (kind) {
    case ExerciseKind::SkillTest:
        entry = catalogue.Lessons().Find(QStringLiteral("999"));
        caption = QStringLiteral("Initial Skill Test");
        break;
    case ExerciseKind::Lesson:
    case ExerciseKind::KeypadLesson:
        entry = catalogue.Lessons().Find(m_exerciseKey);
        if (entry)
            caption = QStringLiteral("%1 - %2").arg(QStringLiteral("Lesson %1").arg(entry->Ordinal() - 1),
                                                    entry->Title());
        break;
    case ExerciseKind::Practice:
        m_main.RegenerateRevisionTexts();
        entry = catalogue.Practices().Find(m_exerciseKey);
        if (entry)
            caption = QStringLiteral("Practice - ") + entry->Title();
        break;
    case ExerciseKind::SpeedTest:
    case ExerciseKind::SpeedTestAlt:
        entry = FindOrFirst(catalogue.SpeedTests(), m_exerciseKey);
        if (entry)
            caption = QStringLiteral("Speed Test - ") + entry->Title();
        break;
    case ExerciseKind::CustomPractice:
        entry = catalogue.CustomPractices().Find(m_exerciseKey);
        if (entry)
            caption = QStringLiteral("Custom Practice - ") + entry->Title();
        break;
    case ExerciseKind::CustomSpeedTest:
        if (m_exerciseKey.isEmpty()) {
            m_main.SetState(SessionState::Idle, ExerciseKind::None);
            if (MainView* view = m_main.Window())
                view->ShowInformation(QStringLiteral("Custom Speed Test"),
                                      QStringLiteral("No custom speed tests have been created."));
            return;
        }
        entry = FindOrFirst(catalogue.CustomSpeedTests(), m_exerciseKey);
        caption = QStringLiteral("Custom Speed Test");
        break;
    default:
        break;
    }
    if (!entry) {
        // Nothing to type (a catalogue that failed to load): back to Idle rather than an empty text.
        m_main.SetState(SessionState::Idle, -1);
        return;
    }
    m_main.SetExerciseCaption(caption);
    m_main.Session().LoadText(entry->Text(), quint32(std::max(0, entry->ExerciseKey())));
    m_main.SetState(SessionState::Typing, -1);
}

void CourseFlow::StopExercise()
{
    if (m_main.IsDictationViewShown()) {
        m_main.Dictation().Stop();
        return;
    }
    const int state = m_main.State();
    if (state != SessionState::Paused && state != SessionState::Typing)
        return;
    // A typed exercise paused behind the games or results view stops from there as well.
    if (m_main.CurrentView() == View::Dictation)
        return;
    if (m_main.Kind() == ExerciseKind::SkillTest)
        m_main.Profile().Set(Profile::TakeInitialSkillTest, true);
    m_main.UpdateCommandStates();
    m_main.Session().Stop();
    MarkCurrentEntryCompleted(false);
    m_repeat = true;
    m_main.SetState(SessionState::Results, -1);
}

void CourseFlow::FinishExercise()
{
    m_finisher->FinishExercise();
}

int CourseFlow::CoursePositionOfExercise() const
{
    const int entry = CourseTable::FindLessonEntry(m_exerciseKey);
    return entry < 0 ? m_entry : entry;
}

QString CourseFlow::IntroducedKeysOfExercise() const
{
    const LessonEntry* lesson = m_main.Catalogue().Lessons().Find(m_exerciseKey);
    return lesson ? lesson->IntroducedKeys() : QString();
}

} // namespace clavora
