#pragma once

#include "app/CommandIds.h"
#include "app/ExerciseChoice.h"
#include "session/SessionTypes.h"

#include <functional>
#include <optional>
#include <QString>

namespace clavora {

struct CommandStates;
struct ExerciseFinishedContent;
struct LessonSelectionList;
class PracticeSelection;
class ProgressReporter;
struct SpeedTestChoice;
class SpeedTestOptions;
struct StartHint;

// The views of the main window, at most one shown.
enum class View
{
    Typing,
    Dictation,
    Games,
    Results
};

// What the main window's logic asks of its window. The widget window implements it; tests answer
// it with a fake, so every command runs without a display.
class MainView
{
public:
    virtual ~MainView() = default;

    virtual void SelectTab(Tab tab) = 0;
    virtual Tab SelectedTab() const = 0;
    virtual void ShowView(View view) = 0;
    virtual void SetWindowTitle(const QString& title) = 0;
    virtual void SetPauseLabel(const QString& label) = 0;
    virtual void ApplyCommandStates(const CommandStates& states) = 0;
    virtual void SetTimerDisplayVisible(bool visible) = 0;
    virtual void SetShowTimersChecked(bool checked) = 0;
    virtual void SetKeypadLayout(bool keypad) = 0;
    virtual void OpenHelp(const QString& topic) = 0;
    // A question with two buttons; true when the first (accepting) button was chosen. The questions
    // confirm losing data, so the cancelling button is the default.
    virtual bool AskQuestion(const QString& title, const QString& text, const QString& acceptText,
                             const QString& cancelText) = 0;
    virtual void ShowInformation(const QString& title, const QString& text) = 0;
    virtual void ShowError(const QString& title, const QString& text) = 0;
    // The "Getting Started" wizard; true when it ended with Finish.
    virtual bool RunStartupWizard() = 0;
    virtual void RequestClose() = 0;

    // Runs a long piece of work under the modal progress window with this title; the window
    // appears only when the work takes a while, and reported errors are shown when it ends.
    virtual void RunWithProgress(const QString& title,
                                 const std::function<void(ProgressReporter&)>& work) = 0;
    // The typing view's panels.
    virtual void Repaint(session::Panels panels) = 0;
    virtual void SetFontSize(int storedFontSize) = 0;
    // What Start would begin, over the idle typing view; an empty hint takes it away.
    virtual void ShowStartHint(const StartHint& hint) = 0;
    // The modal "Finished" notice; when it has closed the window calls
    // MainController::OnFinishedNoticeClosed.
    virtual void ShowFinishedNotice() = 0;
    // The course navigation dialog after an exercise: the command of the button pressed, or 0
    // when it was closed with "Stop".
    virtual int RunExerciseFinishedDialog(const ExerciseFinishedContent& content) = 0;
    // The selection dialogs; nothing when cancelled.
    virtual std::optional<ExerciseChoice> RunLessonSelection(const LessonSelectionList& lessons) = 0;
    virtual std::optional<ExerciseChoice> RunPracticeSelection(PracticeSelection& selection) = 0;
    virtual std::optional<SpeedTestChoice> RunSpeedTestSelection(const SpeedTestOptions& options) = 0;

    // The keyboard and keypad guides' demonstration of a lesson's new keys.
    virtual void StartGuideDemonstration(session::Guide guide, const QString& keys) = 0;
    virtual void StopGuideDemonstration() = 0;
};

} // namespace clavora
