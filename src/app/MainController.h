#pragma once

#include "app/CommandIds.h"
#include "app/CommandStateRules.h"
#include "app/MainView.h"
#include "platform/RandomGenerator.h"
#include "session/SessionHost.h"
#include "settings/UserProfile.h"

#include <memory>
#include <QObject>
#include <QTimer>
#include <vector>

namespace clavora {

class Clock;
class CourseFlow;
class DictationController;
class GamesController;
class ImportController;
class OptionsController;
class ProblemListsController;
class ProgressController;
class SubsystemController;
class ExerciseCatalogue;
class ProblemStore;
class SettingsStore;
class SoundEvents;
class TypingSession;

// The main window's logic: it owns the state of the running exercise, the catalogue, the typing
// session, the current user and the position in the course, carries out every command and
// decides which commands are enabled. It talks to its window only through MainView, so it runs
// whole in tests without a display.
class MainController : public QObject, public SessionHost
{
    Q_OBJECT

public:
    MainController(SettingsStore& settings, Clock& clock, const QString& dataFolder,
                   QObject* parent = nullptr);
    ~MainController() override;

    // Window creation, in order: first-run flags, course position, placement, command states,
    // the first-run steps and the wizard, the current user, timers, the Lessons tab.
    void Initialize(MainView& view);

    // SessionHost
    int State() const override { return m_state; }
    int Kind() const override { return m_kind; }
    void SetState(int state, int kind) override;
    void StartTimer(session::Timer timer, int periodMs) override;
    void StopTimer(session::Timer timer) override;
    bool IsDictationViewShown() const override { return m_shownView == View::Dictation; }
    void Repaint(session::Panels panels) override;
    void StopGuideDemonstration() override;
    void StartGuideDemonstration(session::Guide guide, const QString& keys) override;
    int CoursePosition() const override;
    QString IntroducedKeys() const override;
    void ShowFinishedNotice() override;
    void OnTypingError(QChar expected, const QString& word, qint64 epochSeconds,
                       bool playErrorSound) override;
    session::Options Options() const override;

    // An exercise runs or is paused, or the dictation view's recording plays.
    bool IsBusy() const;

    void OnCommand(int commandId);
    // Any part may post a command; it runs after the current event has been handled.
    void PostCommand(int commandId);
    // A key from the typing view; true when the session took it.
    bool HandleTypingKey(int virtualKey, const QString& text);
    // The window tells that the "Finished" notice has closed.
    void OnFinishedNoticeClosed();

    void UpdateCommandStates();
    // The shared text of the Pause/Resume buttons: "Resume" while paused.
    void SetPauseLabel(bool paused);
    void ApplyDisplayOptions();
    void SelectUser(const QString& name);
    void SetExerciseCaption(const QString& caption);
    // Rebuilds the texts of the revision practices from the latest problem lists.
    void RegenerateRevisionTexts();
    // Clears the problem words (true) or characters (false) the user has already agreed to lose.
    void ClearProblemsConfirmed(bool words);

    void ShowTypingView();
    void ShowDictationView();
    void ShowGamesView();
    void ShowResultsView();
    View CurrentView() const { return m_shownView; }
    // Which game screen the games view shows: 0 Flurrix, 1 the race, 2 the rhythm game.
    int GameScreen() const;
    Tab SelectedTab() const;

    QString UserName() const { return m_userName; }
    int UserType() const { return m_userType; }
    int CourseEntryIndex() const;
    bool ShowTimers() const { return m_showTimers; }
    bool PlayAwardSounds() const { return m_playAwardSounds; }
    bool PlayErrorSounds() const { return m_playErrorSounds; }
    QString PauseLabel() const { return m_pauseLabel; }
    QString WindowTitle() const;
    bool StartupLoadDone() const { return m_startupLoadDone; }
    const CommandStates& LastCommandStates() const { return m_commandStates; }

    SettingsStore& Settings() { return m_settings; }
    UserProfile& Profile() { return m_profile; }
    const ExerciseCatalogue& Catalogue() const { return *m_catalogue; }
    ExerciseCatalogue& Catalogue() { return *m_catalogue; }
    TypingSession& Session() { return *m_session; }
    CourseFlow& Course() { return *m_course; }
    ProblemStore& Problems() { return *m_problems; }
    SoundEvents& Sounds() { return *m_sounds; }
    RandomGenerator& Random() { return m_random; }
    const Clock& Time() const { return m_clock; }
    MainView* Window() const { return m_view; }
    GamesController& Games() { return *m_games; }
    DictationController& Dictation() { return *m_dictation; }
    ProgressController& Progress() { return *m_progress; }
    OptionsController& OptionsAndUsers() { return *m_options; }
    ImportController& Import() { return *m_import; }

    static const QString ProductTitle;

signals:
    // The one-shot start-up load (custom files, catalogue, generated texts) has finished.
    void StartupLoadFinished();

private:
    void RunStartupLoad();
    void RunFirstRunSteps();
    void LeaveState(int state);
    void EnterState(int state);
    void TogglePause();
    void ToggleShowTimers();
    void SelectTabAndShowTyping(Tab tab, bool postStart);
    void ShowView(clavora::View view);
    void Exit();
    QTimer& TimerOf(session::Timer timer);

    SettingsStore& m_settings;
    Clock& m_clock;
    UserProfile m_profile;
    GlobalSettings m_global;
    RandomGenerator m_random;
    std::unique_ptr<ExerciseCatalogue> m_catalogue;
    std::unique_ptr<TypingSession> m_session;
    std::unique_ptr<CourseFlow> m_course;
    std::unique_ptr<ProblemStore> m_problems;
    std::unique_ptr<SoundEvents> m_sounds;
    // Each subsystem's commands go to its own controller; the pointers below name them.
    std::vector<std::unique_ptr<SubsystemController>> m_subsystems;
    GamesController* m_games = nullptr;
    DictationController* m_dictation = nullptr;
    ProgressController* m_progress = nullptr;
    ProblemListsController* m_problemLists = nullptr;
    OptionsController* m_options = nullptr;
    ImportController* m_import = nullptr;
    MainView* m_view = nullptr;

    QString m_userName;
    int m_userType = 5;
    QString m_exerciseCaption;
    int m_state = SessionState::Idle;
    int m_kind = ExerciseKind::None;
    clavora::View m_shownView = clavora::View::Typing;
    bool m_showTimers = false;
    bool m_playAwardSounds = false;
    bool m_playErrorSounds = false;
    QString m_pauseLabel;
    bool m_startupLoadDone = false;
    CommandStates m_commandStates;

    QTimer m_startupTimer;   // id 1
    QTimer m_limitTimer;     // id 2
    QTimer m_typedLineTimer; // id 4
    QTimer m_clockTimer;     // id 7
};

} // namespace clavora
