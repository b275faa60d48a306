#pragma once

#include "app/CommandIds.h"
#include "app/CommandStateRules.h"
#include "app/MainView.h"
#include "app/settings/UserProfile.h"

#include <QObject>
#include <QTimer>

namespace clavora {

class Clock;
class SettingsStore;

// The main window's logic: it owns the state of the running exercise, the current user and the
// position in the course, carries out every command and decides which commands are enabled. It
// talks to its window only through MainView, so it runs whole in tests without a display.
class MainController : public QObject
{
    Q_OBJECT

public:
    MainController(SettingsStore& settings, Clock& clock, QObject* parent = nullptr);
    ~MainController() override;

    // Window creation, in order: first-run flags, course position, placement, command states,
    // the first-run steps and the wizard, the current user, timers, the Lessons tab.
    void Initialize(MainView& view);

    void SetState(int state, int kind);
    int State() const { return m_state; }
    int Kind() const { return m_kind; }
    bool IsBusy() const { return m_state == SessionState::Paused || m_state == SessionState::Typing; }

    void OnCommand(int commandId);
    // Any part may post a command; it runs after the current event has been handled.
    void PostCommand(int commandId);

    void UpdateCommandStates();
    void ApplyDisplayOptions();
    void SelectUser(const QString& name);

    void ShowTypingView();
    void ShowDictationView();
    void ShowGamesView();
    void ShowResultsView();
    View CurrentView() const { return m_shownView; }

    QString UserName() const { return m_userName; }
    int UserType() const { return m_userType; }
    int CourseEntryIndex() const { return m_courseEntry; }
    bool ShowTimers() const { return m_showTimers; }
    bool PlayAwardSounds() const { return m_playAwardSounds; }
    bool PlayErrorSounds() const { return m_playErrorSounds; }
    QString PauseLabel() const { return m_pauseLabel; }
    QString WindowTitle() const;
    bool StartupLoadDone() const { return m_startupLoadDone; }
    const CommandStates& LastCommandStates() const { return m_commandStates; }

    SettingsStore& Settings() { return m_settings; }
    UserProfile& Profile() { return m_profile; }

    static const QString ProductTitle;

signals:
    // The one-shot start-up load (custom files, catalogue, generated texts) has finished.
    void StartupLoadFinished();

protected:
    // The start-up load of timer 1; later parts of the program extend it.
    virtual void RunStartupLoad();

private:
    void RunFirstRunSteps();
    void SetExerciseCaption(const QString& caption);
    void LeaveState(int state);
    void EnterState(int state);
    void TogglePause();
    void ToggleShowTimers();
    void SelectTabAndShowTyping(Tab tab, bool postStart);
    void ShowView(View view);
    void AskResetResults();
    void Exit();

    SettingsStore& m_settings;
    Clock& m_clock;
    UserProfile m_profile;
    GlobalSettings m_global;
    MainView* m_view = nullptr;

    QString m_userName;
    int m_userType = 5;
    int m_courseEntry = 1;
    QString m_exerciseKey;
    QString m_exerciseCaption;
    int m_state = SessionState::Idle;
    int m_kind = ExerciseKind::None;
    View m_shownView = View::Typing;
    int m_gameScreen = 0;
    bool m_showTimers = false;
    bool m_playAwardSounds = false;
    bool m_playErrorSounds = false;
    bool m_repeatFlag = false;
    bool m_keypad = false;
    int m_gameBreakCountdown = 4;
    bool m_typingAreas = true;
    QString m_pauseLabel;
    bool m_startupLoadDone = false;
    CommandStates m_commandStates;

    QTimer m_startupTimer;   // id 1
    QTimer m_typedLineTimer; // id 4
};

} // namespace clavora
