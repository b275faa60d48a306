#pragma once

#include "app/CommandStateRules.h"
#include "app/CourseNavigation.h"
#include "app/LessonSelection.h"
#include "app/MainView.h"
#include "app/PracticeSelection.h"
#include "app/SpeedTestOptions.h"
#include "app/StartHint.h"
#include "content/ProgressReporter.h"

#include <deque>
#include <functional>
#include <QStringList>
#include <vector>

namespace clavora::test {

// A main window that records what the logic told it and answers questions from a script.
class FakeMainView final : public MainView
{
public:
    void SelectTab(Tab tab) override { tab_ = tab; }
    Tab SelectedTab() const override { return tab_; }
    void ShowView(View view) override { view_ = view; }
    void SetWindowTitle(const QString&) override {}
    void SetPauseLabel(const QString& label) override { pauseLabel_ = label; }
    void ApplyCommandStates(const CommandStates&) override {}
    void SetTimerDisplayVisible(bool visible) override { timersVisible_ = visible; }
    void SetShowTimersChecked(bool checked) override { timersChecked_ = checked; }
    void SetKeypadLayout(bool keypad) override { keypad_ = keypad; }
    void OpenHelp(const QString& topic) override { helpTopics_.append(topic); }
    bool AskQuestion(const QString& title, const QString& text, const QString&, const QString&) override
    {
        questions_.append(title + QStringLiteral(": ") + text);
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void ShowInformation(const QString& title, const QString& text) override
    {
        messages_.append(title + QStringLiteral(": ") + text);
    }
    void ShowError(const QString& title, const QString& text) override
    {
        messages_.append(title + QStringLiteral(": ") + text);
    }
    bool RunStartupWizard() override
    {
        ++wizardRuns_;
        return wizard_ ? wizard_() : false;
    }
    void RequestClose() override { closeRequested_ = true; }
    void RunWithProgress(const QString&, const std::function<void(ProgressReporter&)>& work) override
    {
        SilentProgressReporter reporter;
        work(reporter);
    }
    void Repaint(session::Panels) override {}
    void SetFontSize(int) override {}
    void ShowStartHint(const StartHint&) override {}
    // The notice closes at once unless a test holds it open.
    void ShowFinishedNotice() override
    {
        if (onFinishedNotice_)
            onFinishedNotice_();
    }
    // Each dialog records what it was shown and gives the scripted answer (none: Stop/Cancel).
    int RunExerciseFinishedDialog(const ExerciseFinishedContent& content) override
    {
        finishedDialogs_.push_back(content);
        return finishedDialogAnswer_ ? finishedDialogAnswer_(content) : 0;
    }
    std::optional<ExerciseChoice> RunLessonSelection(const LessonSelectionList& lessons) override
    {
        lessonLists_.push_back(lessons);
        return lessonAnswer_ ? lessonAnswer_(lessons) : std::nullopt;
    }
    std::optional<ExerciseChoice> RunPracticeSelection(PracticeSelection& selection) override
    {
        ++practiceSelections_;
        return practiceAnswer_ ? practiceAnswer_(selection) : std::nullopt;
    }
    std::optional<SpeedTestChoice> RunSpeedTestSelection(const SpeedTestOptions& options) override
    {
        ++speedTestSelections_;
        return speedTestAnswer_ ? speedTestAnswer_(options) : std::nullopt;
    }
    void StartGuideDemonstration(session::Guide, const QString&) override {}
    void StopGuideDemonstration() override {}

    Tab tab_ = Tab::Lessons;
    View view_ = View::Typing;
    QString pauseLabel_;
    bool timersVisible_ = false;
    bool timersChecked_ = false;
    bool keypad_ = false;
    QStringList helpTopics_;
    QStringList questions_;
    QStringList messages_;
    std::deque<bool> answers_;
    std::function<bool()> wizard_;
    int wizardRuns_ = 0;
    bool closeRequested_ = false;
    std::function<void()> onFinishedNotice_;
    std::vector<ExerciseFinishedContent> finishedDialogs_;
    std::function<int(const ExerciseFinishedContent&)> finishedDialogAnswer_;
    std::vector<LessonSelectionList> lessonLists_;
    std::function<std::optional<ExerciseChoice>(const LessonSelectionList&)> lessonAnswer_;
    int practiceSelections_ = 0;
    std::function<std::optional<ExerciseChoice>(PracticeSelection&)> practiceAnswer_;
    int speedTestSelections_ = 0;
    std::function<std::optional<SpeedTestChoice>(const SpeedTestOptions&)> speedTestAnswer_;
};

} // namespace clavora::test
