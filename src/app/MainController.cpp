#include "app/MainController.h"

#include "app/settings/SettingsStore.h"
#include "platform/Clock.h"

#include <QLoggingCategory>
#include <QSysInfo>

Q_LOGGING_CATEGORY(lcApp, "clavora.app")

namespace clavora {

const QString MainController::ProductTitle = QStringLiteral("Clavora");

namespace {

const QString PauseText = QStringLiteral("Pause");
const QString ResumeText = QStringLiteral("Resume");
const QString MainWindowKey = QStringLiteral("MainWindow");
constexpr int TypedLineRepaintMs = 500;

} // namespace

MainController::MainController(SettingsStore& settings, Clock& clock, QObject* parent)
    : QObject(parent), m_settings(settings), m_clock(clock), m_profile(settings), m_global(settings)
{
    m_startupTimer.setSingleShot(true);
    m_startupTimer.setInterval(0);
    connect(&m_startupTimer, &QTimer::timeout, this, [this] {
        RunStartupLoad();
        m_startupLoadDone = true;
        emit StartupLoadFinished();
    });
    m_typedLineTimer.setInterval(TypedLineRepaintMs);
}

MainController::~MainController() = default;

void MainController::Initialize(MainView& view)
{
    m_view = &view;
    const bool firstRun = m_global.IsFirstRun();
    m_courseEntry = m_profile.Get(Profile::CurrExerciseEntry);
    // The window always opens maximized: the stored placement is restored after this.
    m_settings.WriteFlag(MainWindowKey, QStringLiteral("Maximized"), true);
    m_pauseLabel = PauseText;
    m_view->SetPauseLabel(m_pauseLabel);
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
        m_profile.Set(Profile::CurrExerciseEntry, 0);
        m_courseEntry = 0;
        m_profile.Set(Profile::LastExercise, QStringLiteral("Initial Skill Test"));
        m_profile.Set(Profile::NextExercise, QStringLiteral("Home Row: Overview"));
    }
    SelectUser(m_settings.CurrentUserName());
    m_global.Set(Profile::CLFirstRun, false);
}

void MainController::RunStartupLoad() {}

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
    m_courseEntry = m_profile.Get(Profile::CurrExerciseEntry);
    UpdateCommandStates();
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
    if (state == SessionState::Paused) {
        m_pauseLabel = PauseText;
        if (m_view)
            m_view->SetPauseLabel(m_pauseLabel);
    }
}

void MainController::EnterState(int state)
{
    switch (state) {
    case SessionState::Idle:
        SetExerciseCaption(QString());
        break;
    case SessionState::Paused:
        m_pauseLabel = ResumeText;
        if (m_view)
            m_view->SetPauseLabel(m_pauseLabel);
        break;
    case SessionState::Results:
        // Until results are evaluated, an exercise that ends goes straight back to Idle.
        SetState(SessionState::Idle, -1);
        break;
    default:
        break;
    }
}

void MainController::UpdateCommandStates()
{
    if (!m_view)
        return;
    CommandStateInputs inputs;
    inputs.sessionState = m_state;
    inputs.selectedTab = m_view->SelectedTab();
    inputs.dictationViewShown = m_shownView == View::Dictation;
    inputs.courseFinished = false;
    inputs.awardCertOffered = m_profile.Get(Profile::AwardCertOffered);
    m_commandStates = ComputeCommandStates(inputs);
    m_view->ApplyCommandStates(m_commandStates);
}

void MainController::ShowView(View view)
{
    if (m_shownView == view && m_view) {
        UpdateCommandStates();
        return;
    }
    m_shownView = view;
    m_keypad = false;
    m_typingAreas = view == View::Typing;
    if (m_view) {
        m_view->SetKeypadLayout(false);
        m_view->ShowView(view);
    }
    UpdateCommandStates();
}

void MainController::ShowTypingView()
{
    if (!m_view) {
        m_shownView = View::Typing;
        return;
    }
    if (m_shownView == View::Typing && m_typingAreas) {
        m_view->ShowView(View::Typing);
        UpdateCommandStates();
        return;
    }
    m_shownView = View::Dictation; // force the switch below
    ShowView(View::Typing);
}

void MainController::ShowDictationView()
{
    ShowView(View::Dictation);
}

void MainController::ShowGamesView()
{
    ShowView(View::Games);
}

void MainController::ShowResultsView()
{
    ShowView(View::Results);
}

void MainController::TogglePause()
{
    if (m_shownView != View::Typing)
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

void MainController::AskResetResults()
{
    if (m_view->AskQuestion(QStringLiteral("Reset Results"),
                            QStringLiteral("Are you sure you want to reset all results?"),
                            QStringLiteral("Reset"), QStringLiteral("Cancel")))
        m_settings.ResetUser();
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
    case Command::SelectPractice:
    case Command::MenuSelectPractice:
        if (!busy)
            ShowTypingView();
        break;
    case Command::Stop:
    case Command::LessonsStop:
    case Command::PracticeStop:
    case Command::TestsStop:
    case Command::MenuLessonsStop:
    case Command::MenuPracticeStop:
    case Command::MenuTestsStop:
        if (busy)
            SetState(SessionState::Results, -1);
        break;
    case Command::Start:
        if (m_state == SessionState::Paused)
            SetState(SessionState::Typing, -1);
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
    case Command::ResetResults:
    case Command::MenuResetResults:
        if (!busy)
            AskResetResults();
        break;
    case Command::Exit:
        Exit();
        break;
    case Command::Flurrix:
    case Command::MenuFlurrix:
    case Command::ThirtySeconds:
    case Command::MenuThirtySeconds:
    case Command::TypingHero:
    case Command::MenuTypingHero:
        m_view->SelectTab(Tab::Games);
        ShowGamesView();
        break;
    case Command::FlurrixGameBreak:
        OnCommand(Command::MenuFlurrix);
        break;
    case Command::GameScreenFlurrix:
    case Command::GameScreenThirtySeconds:
    case Command::GameScreenTypingHero:
        m_gameScreen = id - Command::GameScreenFlurrix;
        ShowGamesView();
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
    case Command::TabGames:
        m_view->SelectTab(Tab::Games);
        ShowGamesView();
        break;
    case Command::TabResults:
        m_view->SelectTab(Tab::Results);
        ShowResultsView();
        break;
    default:
        qCDebug(lcApp) << "command not available yet" << id;
        break;
    }
}

} // namespace clavora
