#include "app/MainController.h"

#include "app/CourseFlow.h"
#include "app/CourseTable.h"
#include "app/DictationController.h"
#include "app/GamesController.h"
#include "app/ImportController.h"
#include "app/OptionsController.h"
#include "app/ProblemListsController.h"
#include "app/ProgressController.h"
#include "app/StartHint.h"
#include "audio/SoundEvents.h"
#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "content/StartupLoader.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"
#include "platform/StartupTrace.h"
#include "progress/ProblemStore.h"
#include "session/TypingSession.h"
#include "settings/SettingsStore.h"

#include <QLoggingCategory>
#include <QSysInfo>

Q_LOGGING_CATEGORY(lcApp, "clavora.app")

namespace clavora {

const QString MainController::ProductTitle = QStringLiteral("Clavora");

namespace {

const QString PauseText = QStringLiteral("Pause");
const QString ResumeText = QStringLiteral("Resume");
const QString MainWindowKey = QStringLiteral("MainWindow");

} // namespace

MainController::MainController(SettingsStore& settings, Clock& clock, const QString& dataFolder,
                               QObject* parent)
    : QObject(parent), m_settings(settings), m_clock(clock), m_profile(settings), m_global(settings),
      m_catalogue(std::make_unique<ExerciseCatalogue>(dataFolder)),
      m_session(std::make_unique<TypingSession>(*this, clock)), m_course(std::make_unique<CourseFlow>(*this)),
      m_problems(std::make_unique<ProblemStore>(dataFolder)),
      m_sounds(std::make_unique<SoundEvents>(settings))
{
    auto games = std::make_unique<GamesController>(*this);
    m_games = games.get();
    m_subsystems.push_back(std::move(games));
    auto dictation = std::make_unique<DictationController>(*this);
    m_dictation = dictation.get();
    m_subsystems.push_back(std::move(dictation));
    auto progress = std::make_unique<ProgressController>(*this);
    m_progress = progress.get();
    m_subsystems.push_back(std::move(progress));
    auto options = std::make_unique<OptionsController>(*this);
    m_options = options.get();
    m_subsystems.push_back(std::move(options));
    auto problemLists = std::make_unique<ProblemListsController>(*this);
    m_problemLists = problemLists.get();
    m_subsystems.push_back(std::move(problemLists));
    auto importer = std::make_unique<ImportController>(*this);
    m_import = importer.get();
    m_subsystems.push_back(std::move(importer));

    m_startupTimer.setSingleShot(true);
    m_startupTimer.setInterval(0);
    connect(&m_startupTimer, &QTimer::timeout, this, [this] {
        StartupTrace::Mark("first event");
        RunStartupLoad();
        StartupTrace::Mark("start-up load");
        m_startupLoadDone = true;
        emit StartupLoadFinished();
    });
    m_limitTimer.setSingleShot(true);
    connect(&m_limitTimer, &QTimer::timeout, this, [this] { m_session->OnLimitTimer(); });
    m_typedLineTimer.setInterval(session::TypedLineTimerMs);
    connect(&m_typedLineTimer, &QTimer::timeout, this, [this] { m_session->OnTypedLineTimer(); });
    connect(&m_clockTimer, &QTimer::timeout, this, [this] { m_session->OnClockTimer(); });
}

MainController::~MainController() = default;

void MainController::Initialize(MainView& view)
{
    m_view = &view;
    const bool firstRun = m_global.IsFirstRun();
    m_course->LoadUserPosition();
    // The window always opens maximized: the stored placement is restored after this.
    m_settings.WriteFlag(MainWindowKey, QStringLiteral("Maximized"), true);
    SetPauseLabel(false);
    ShowTypingView();
    SetState(SessionState::Idle, -1);
    if (firstRun)
        RunFirstRunSteps();
    SelectUser(m_settings.CurrentUserName());
    ApplyDisplayOptions();
    UpdateCommandStates();
    m_startupTimer.start();
    m_typedLineTimer.start();
    PostCommand(Command::TabLessons);
}

void MainController::RunFirstRunSteps()
{
    QString name = QSysInfo::machineHostName().left(SettingsStore::MaxUserNameLength);
    if (!SettingsStore::IsAcceptableUserName(name))
        name = QStringLiteral("User");
    SelectUser(name);
    m_profile.Set(Profile::TakeInitialSkillTest, false);
    m_profile.Set(Profile::IsSkillTestTaken, false);
    m_profile.Set(Profile::CurrExerciseEntry, 1);
    m_profile.Set(Profile::CorrectionsForced, true);
    m_profile.Set(Profile::DisplayAnimations, true);
    if (m_view->RunStartupWizard() && m_profile.Get(Profile::TakeInitialSkillTest) &&
        !m_profile.Get(Profile::IsSkillTestTaken)) {
        m_profile.Set(Profile::CurrExerciseEntry, CourseTable::SkillTestEntry);
        m_course->SetCurrentEntry(CourseTable::SkillTestEntry);
        m_profile.Set(Profile::LastExercise, CourseTable::TitleOf(CourseTable::SkillTestEntry));
        m_profile.Set(Profile::NextExercise, CourseTable::TitleOf(CourseTable::FirstLessonEntry));
    }
    SelectUser(m_settings.CurrentUserName());
    m_global.Set(Profile::CLFirstRun, false);
}

void MainController::RunStartupLoad()
{
    // The event table is written once, as an installation would.
    SoundEvents::InstallDefaultAssignments(m_settings);
    const auto load = [this](ProgressReporter& reporter) {
        StartupLoader::Run(*m_catalogue, reporter, m_random);
    };
    if (m_view)
        m_view->RunWithProgress(ProductTitle, load);
    else {
        SilentProgressReporter silent;
        load(silent);
    }
    RegenerateRevisionTexts();
    UpdateCommandStates();
}

void MainController::RegenerateRevisionTexts()
{
    m_problemLists->RegenerateRevisionTexts();
}

void MainController::PostCommand(int commandId)
{
    QMetaObject::invokeMethod(
        this, [this, commandId] { OnCommand(commandId); }, Qt::QueuedConnection);
}

void MainController::SelectUser(const QString& name)
{
    m_settings.SelectUser(name);
    m_userType = m_profile.Get(Profile::Type);
    m_userName = m_settings.CurrentUserName();
    m_course->LoadUserPosition();
    UpdateCommandStates();
    m_progress->RefreshResultsView();
}

int MainController::GameScreen() const
{
    return m_games->GameScreen();
}

int MainController::CourseEntryIndex() const
{
    return m_course->CurrentEntry();
}

void MainController::ApplyDisplayOptions()
{
    m_showTimers = m_profile.Get(Profile::ShowTimers);
    m_playAwardSounds = m_profile.Get(Profile::PlayAwardSounds);
    m_playErrorSounds = m_profile.Get(Profile::PlayErrorSounds);
    if (!m_view)
        return;
    m_view->SetTimerDisplayVisible(m_showTimers);
    m_view->SetShowTimersChecked(m_showTimers);
    m_view->SetFontSize(m_profile.Get(Profile::FontSize));
}

QString MainController::WindowTitle() const
{
    QString title = ProductTitle + QStringLiteral(" by Oxley Software");
    if (!m_exerciseCaption.isEmpty())
        title += QStringLiteral(" - ") + m_exerciseCaption;
    return title;
}

void MainController::SetExerciseCaption(const QString& caption)
{
    m_exerciseCaption = caption;
    if (m_view)
        m_view->SetWindowTitle(WindowTitle());
}

Tab MainController::SelectedTab() const
{
    return m_view ? m_view->SelectedTab() : Tab::Lessons;
}

void MainController::SetState(int state, int kind)
{
    if (state < SessionState::Idle || state > SessionState::Results)
        return;
    if (state == m_state && m_kind != ExerciseKind::Dictation && kind != ExerciseKind::Dictation)
        return;
    LeaveState(m_state);
    if (kind != -1)
        m_kind = kind;
    m_state = state;
    UpdateCommandStates();
    EnterState(state);
}

void MainController::LeaveState(int state)
{
    switch (state) {
    case SessionState::Paused:
        SetPauseLabel(false);
        break;
    case SessionState::Preparing:
        m_session->LeavePreparing(m_kind, m_profile.SpeedTestSeconds());
        break;
    case SessionState::Typing:
        m_session->LeaveTyping();
        break;
    default:
        break;
    }
}

void MainController::EnterState(int state)
{
    switch (state) {
    case SessionState::Idle:
        SetExerciseCaption(QString());
        m_session->EnterIdle();
        break;
    case SessionState::Paused:
        SetPauseLabel(true);
        m_session->MarkPaused();
        break;
    case SessionState::Preparing:
        m_course->LoadExercise();
        break;
    case SessionState::Typing:
        m_session->EnterTyping(m_kind);
        m_course->ClearRepeatFlag();
        break;
    case SessionState::Completed:
        m_session->EnterCompleted();
        break;
    case SessionState::Results:
        m_course->FinishExercise();
        break;
    default:
        break;
    }
}

QTimer& MainController::TimerOf(session::Timer timer)
{
    switch (timer) {
    case session::Timer::Limit:
        return m_limitTimer;
    case session::Timer::TypedLine:
        return m_typedLineTimer;
    case session::Timer::Clock:
        break;
    }
    return m_clockTimer;
}

void MainController::StartTimer(session::Timer timer, int periodMs)
{
    TimerOf(timer).start(periodMs);
}

void MainController::StopTimer(session::Timer timer)
{
    TimerOf(timer).stop();
}

void MainController::Repaint(session::Panels panels)
{
    if (m_view)
        m_view->Repaint(panels);
}

void MainController::StopGuideDemonstration()
{
    if (m_view)
        m_view->StopGuideDemonstration();
}

void MainController::StartGuideDemonstration(session::Guide guide, const QString& keys)
{
    if (m_view)
        m_view->StartGuideDemonstration(guide, keys);
}

int MainController::CoursePosition() const
{
    return m_course->CoursePositionOfExercise();
}

QString MainController::IntroducedKeys() const
{
    return m_course->IntroducedKeysOfExercise();
}

void MainController::ShowFinishedNotice()
{
    if (m_view)
        m_view->ShowFinishedNotice();
    else
        OnFinishedNoticeClosed();
}

void MainController::OnFinishedNoticeClosed()
{
    m_session->OnFinishedNoticeClosed();
}

void MainController::OnTypingError(QChar expected, const QString& word, qint64 epochSeconds,
                                   bool playErrorSound)
{
    if (playErrorSound)
        m_sounds->PlayEventSound(SoundEvents::ErrorAward);
    m_problems->AddProblemChar(QString(expected), epochSeconds);
    if (!word.isEmpty())
        m_problems->AddProblemWord(word, epochSeconds);
}

session::Options MainController::Options() const
{
    session::Options options;
    options.correctionsForced = m_profile.Get(Profile::CorrectionsForced);
    options.doubleSpaceAccepted = m_profile.Get(Profile::DoubleSpaceAccepted);
    options.playErrorSounds = m_playErrorSounds;
    options.displayAnimations = m_profile.Get(Profile::DisplayAnimations);
    return options;
}

bool MainController::HandleTypingKey(int virtualKey, const QString& text)
{
    if (m_shownView != clavora::View::Typing)
        return false;
    return m_session->HandleTypingKey(virtualKey, text);
}

void MainController::UpdateCommandStates()
{
    if (!m_view)
        return;
    CommandStateInputs inputs;
    inputs.sessionState = m_state;
    inputs.selectedTab = m_view->SelectedTab();
    inputs.dictationViewShown = m_shownView == clavora::View::Dictation;
    inputs.courseFinished = m_course->IsCourseFinished();
    inputs.awardCertOffered = m_profile.Get(Profile::AwardCertOffered);
    m_dictation->FillCommandStateInputs(inputs);
    m_commandStates = ComputeCommandStates(inputs);
    m_view->ApplyCommandStates(m_commandStates);
    m_view->ShowStartHint(m_state == SessionState::Idle
                              ? StartHint::For(inputs.selectedTab, m_course->CurrentEntry(), *m_catalogue,
                                               m_profile.SpeedTestSeconds())
                              : StartHint{});
}

void MainController::ShowView(clavora::View view)
{
    if (m_shownView == view) {
        UpdateCommandStates();
        return;
    }
    // An exercise left behind waits, paused and whole, for the user's return to the typing view.
    const bool keepExercise = IsBusy();
    if (m_shownView == clavora::View::Typing && m_state == SessionState::Typing)
        SetState(SessionState::Paused, -1);
    const bool leavingGames = m_shownView == clavora::View::Games;
    m_shownView = view;
    if (!keepExercise) {
        m_course->SetKeypadExercise(false);
        m_session->ResetDisplay();
    }
    if (m_view)
        m_view->ShowView(view);
    if (leavingGames)
        m_games->OnGamesViewLeft();
    UpdateCommandStates();
}

void MainController::ShowTypingView()
{
    if (m_view && m_shownView == clavora::View::Typing)
        m_view->ShowView(clavora::View::Typing);
    ShowView(clavora::View::Typing);
}

void MainController::ShowDictationView()
{
    ShowView(clavora::View::Dictation);
}

void MainController::ShowGamesView()
{
    ShowView(clavora::View::Games);
}

void MainController::ShowResultsView()
{
    ShowView(clavora::View::Results);
}

bool MainController::IsBusy() const
{
    return m_state == SessionState::Paused || m_state == SessionState::Typing ||
           (m_shownView == clavora::View::Dictation && m_dictation->Player().IsPlaying());
}

void MainController::SetPauseLabel(bool paused)
{
    m_pauseLabel = paused ? ResumeText : PauseText;
    if (m_view)
        m_view->SetPauseLabel(m_pauseLabel);
}

void MainController::TogglePause()
{
    if (m_shownView == clavora::View::Dictation)
        m_dictation->PauseOrResume();
    if (m_shownView != clavora::View::Typing)
        return;
    if (m_state == SessionState::Typing)
        SetState(SessionState::Paused, -1);
    else if (m_state == SessionState::Paused)
        SetState(SessionState::Typing, -1);
}

void MainController::ToggleShowTimers()
{
    m_showTimers = !m_showTimers;
    m_view->SetShowTimersChecked(m_showTimers);
    m_view->SetTimerDisplayVisible(m_showTimers);
    m_profile.Set(Profile::ShowTimers, m_showTimers);
}

void MainController::SelectTabAndShowTyping(Tab tab, bool postStart)
{
    m_view->SelectTab(tab);
    ShowTypingView();
    if (postStart)
        PostCommand(Command::Start);
}

void MainController::ClearProblemsConfirmed(bool words)
{
    m_problemLists->ClearProblemList(words, true);
}

void MainController::Exit()
{
    if (IsBusy())
        OnCommand(Command::Stop);
    m_view->RequestClose();
}

void MainController::OnCommand(int id)
{
    if (!m_view)
        return;
    const bool busy = IsBusy();
    switch (id) {
    case Command::Help:
        m_view->OpenHelp(QStringLiteral("basics"));
        break;
    case Command::ReadMe:
    case Command::MenuReadMe:
        if (m_state == SessionState::Idle) {
            m_view->SelectTab(Tab::Lessons);
            m_view->OpenHelp(QStringLiteral("basics"));
        }
        break;
    case Command::SelectLesson:
    case Command::MenuSelectLesson:
        if (!busy) {
            ShowTypingView();
            m_course->SelectLesson();
        }
        break;
    case Command::SelectPractice:
    case Command::MenuSelectPractice:
        if (!busy) {
            ShowTypingView();
            m_course->SelectPractice();
        }
        break;
    case Command::SelectSpeedTest:
        if (!busy)
            m_course->SelectSpeedTest();
        break;
    case Command::Stop:
    case Command::LessonsStop:
    case Command::PracticeStop:
    case Command::TestsStop:
    case Command::MenuLessonsStop:
    case Command::MenuPracticeStop:
    case Command::MenuTestsStop:
        m_course->StopExercise();
        break;
    case Command::Start:
        if (m_state == SessionState::Paused) {
            // Only the view that holds the paused exercise resumes it.
            const bool dictation = m_kind == ExerciseKind::Dictation;
            if (m_shownView == (dictation ? clavora::View::Dictation : clavora::View::Typing))
                SetState(SessionState::Typing, -1);
        } else if (m_state != SessionState::Typing) {
            m_course->StartExercise();
        }
        break;
    case Command::PauseResume:
    case Command::LessonsPause:
    case Command::PracticePause:
    case Command::TestsPause:
    case Command::LessonsResume:
    case Command::PracticeResume:
    case Command::TestsResume:
    case Command::MenuLessonsPause:
    case Command::MenuLessonsResume:
    case Command::MenuPracticePause:
    case Command::MenuPracticeResume:
    case Command::MenuTestsPause:
    case Command::MenuTestsResume:
        TogglePause();
        break;
    case Command::LessonsStart:
    case Command::MenuLessonsStart:
        SelectTabAndShowTyping(Tab::Lessons, true);
        break;
    case Command::PracticeStart:
    case Command::MenuPracticeStart:
        SelectTabAndShowTyping(Tab::Practice, true);
        break;
    case Command::TestsStart:
    case Command::MenuTestsStart:
        SelectTabAndShowTyping(Tab::Tests, true);
        break;
    case Command::ShowHideTimers:
        if (!busy)
            ToggleShowTimers();
        break;
    case Command::Exit:
        Exit();
        break;
    case Command::TabLessons:
        SelectTabAndShowTyping(Tab::Lessons, false);
        break;
    case Command::TabPractice:
        SelectTabAndShowTyping(Tab::Practice, false);
        break;
    case Command::TabTests:
        SelectTabAndShowTyping(Tab::Tests, false);
        break;
    case Command::CourseStart:
    case Command::CourseNext:
    case Command::CourseRepeat:
        m_course->OnCourseCommand(id);
        break;
    default:
        for (const auto& subsystem : m_subsystems) {
            if (subsystem->HandleCommand(id))
                return;
        }
        qCDebug(lcApp) << "command not available yet" << id;
        break;
    }
}

} // namespace clavora
