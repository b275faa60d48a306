#pragma once

#include "app/MainView.h"
#include "gui/HelpWindow.h"

#include <memory>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QAction;
class QStackedWidget;

namespace clavora {

class CertificateView;
class ImportView;
class MainController;
class ClockPanel;
class OptionsDialogs;
class DictationView;
class GamesViewWidget;
class GuidePanel;
class KeyboardGuidePanel;
class KeypadGuidePanel;
class TabbedToolbar;
class TargetPanel;
class StartHintPanel;
class TypedLineStrip;
class TypingView;

// The tutor's one top-level window: menu bar, tabbed toolbar, accelerators and the four views.
// It holds no rule of its own: commands go to the MainController, which tells it what to show.
class MainWindow final : public QMainWindow, public MainView
{
    Q_OBJECT

public:
    explicit MainWindow(MainController& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the window in the order window creation prescribes and restores its placement.
    void Create();

    // MainView
    void SelectTab(Tab tab) override;
    Tab SelectedTab() const override;
    void ShowView(View view) override;
    void SetWindowTitle(const QString& title) override;
    void SetPauseLabel(const QString& label) override;
    void ApplyCommandStates(const CommandStates& states) override;
    void SetTimerDisplayVisible(bool visible) override;
    void SetShowTimersChecked(bool checked) override;
    void SetKeypadLayout(bool keypad) override;
    void OpenHelp(const QString& topic) override;
    bool AskQuestion(const QString& title, const QString& text, const QString& acceptText,
                     const QString& cancelText) override;
    void ShowInformation(const QString& title, const QString& text) override;
    void ShowError(const QString& title, const QString& text) override;
    bool RunStartupWizard() override;
    void RequestClose() override;
    void RunWithProgress(const QString& title, const std::function<void(ProgressReporter&)>& work) override;
    void Repaint(session::Panels panels) override;
    void SetFontSize(int storedFontSize) override;
    void ShowStartHint(const StartHint& hint) override;
    void ShowFinishedNotice() override;
    int RunExerciseFinishedDialog(const ExerciseFinishedContent& content) override;
    std::optional<ExerciseChoice> RunLessonSelection(const LessonSelectionList& lessons) override;
    std::optional<ExerciseChoice> RunPracticeSelection(PracticeSelection& selection) override;
    std::optional<SpeedTestChoice> RunSpeedTestSelection(const SpeedTestOptions& options) override;
    void StartGuideDemonstration(session::Guide guide, const QString& keys) override;
    void StopGuideDemonstration() override;

    TabbedToolbar* Toolbar() const { return m_toolbar; }
    TypingView* Typing() const { return m_typingView; }
    StartHintPanel* StartHintArea() const { return m_startHint; }
    DictationView* Dictation() const { return m_dictationView; }
    QAction* ActionFor(int commandId) const { return m_actions.value(commandId, nullptr); }
    HelpWindow* Help() const;

    void BringToFront();

    // Unattended (a diagnostic run): nothing waits for a person. Messages go to standard error,
    // questions and the start-up wizard are answered with Cancel, and each counts as a problem.
    void SetUnattended(bool unattended) { m_unattended = unattended; }
    int UnattendedProblems() const { return m_unattendedProblems; }
    void ShowWarning(const QString& title, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolbar();
    void BuildMenus();
    void BuildAccelerators();
    void BuildViews();
    void RestorePlacement();
    void SavePlacement();
    GuidePanel* GuidePanelOf(session::Guide guide) const;
    QTimer& DemonstrationTimerOf(session::Guide guide);
    void StepGuideDemonstration(session::Guide guide);
    // When unattended, writes the message to standard error and returns true.
    bool ReportUnattended(const QString& title, const QString& text);

    MainController& m_controller;
    TabbedToolbar* m_toolbar = nullptr;
    QStackedWidget* m_views = nullptr;
    TypingView* m_typingView = nullptr;
    DictationView* m_dictationView = nullptr;
    GamesViewWidget* m_gamesView = nullptr;
    QWidget* m_resultsView = nullptr;
    QPointer<HelpWindow> m_help;
    TargetPanel* m_targetPanel = nullptr;
    TypedLineStrip* m_typedLine = nullptr;
    ClockPanel* m_clockPanel = nullptr;
    KeyboardGuidePanel* m_keyboardGuide = nullptr;
    KeypadGuidePanel* m_keypadGuide = nullptr;
    StartHintPanel* m_startHint = nullptr;
    QTimer m_keyboardDemonstrationTimer; // id 8
    QTimer m_keypadDemonstrationTimer;   // id 9
    QHash<int, QAction*> m_actions;
    std::unique_ptr<ImportView> m_importView;
    std::unique_ptr<OptionsDialogs> m_optionsDialogs;
    bool m_unattended = false;
    int m_unattendedProblems = 0;
    std::unique_ptr<CertificateView> m_certificateView;
};

} // namespace clavora
