#include "app/DictationController.h"

#include "app/CommandIds.h"
#include "app/CommandStateRules.h"
#include "app/MainController.h"

namespace clavora {

DictationController::DictationController(MainController& main)
    : SubsystemController(main), m_player(main.Catalogue(), main.Settings())
{
    // The panel tells its window through the Stop command, which resets the pause text.
    m_player.SetStoppedHandler([this] { Main().OnCommand(Command::Stop); });
}

bool DictationController::HandleCommand(int commandId)
{
    switch (commandId) {
    case Command::SelectDictation:
    case Command::MenuSelectDictation:
        Select();
        return true;
    case Command::CompareDictation:
        Compare();
        return true;
    default:
        return false;
    }
}

void DictationController::Select()
{
    if (m_selectionOpen || m_player.IsPlaying() || Main().IsBusy())
        return;
    m_selectionOpen = true;
    Main().UpdateCommandStates();
    const bool loaded = m_player.Select();
    m_selectionOpen = false;
    Main().UpdateCommandStates();
    if (!loaded)
        return;
    // Start, Pause and Stop reach the dictation only from the Practice tab; on another tab F9
    // would start an exercise in the hidden typing view.
    if (MainView* view = Main().Window())
        view->SelectTab(Tab::Practice);
    Main().ShowDictationView();
    if (Main().Kind() != ExerciseKind::Dictation)
        Main().SetState(SessionState::Idle, ExerciseKind::Dictation);
    Main().SetExerciseCaption(QStringLiteral("Dictation - ") + m_player.SelectedTitle());
}

void DictationController::Compare()
{
    if (!Main().IsDictationViewShown() || m_player.Comparison().IsShown())
        return;
    m_player.Compare();
    Main().UpdateCommandStates();
}

void DictationController::Start()
{
    if (m_player.Start()) {
        Main().SetExerciseCaption(QStringLiteral("Dictation - ") + m_player.SelectedTitle());
        Main().Profile().Set(Profile::LastExercise, m_player.SelectedTitle());
    }
    Main().UpdateCommandStates();
}

void DictationController::Stop()
{
    m_player.Stop();
    Main().SetPauseLabel(false);
    Main().UpdateCommandStates();
    if (Main().Kind() != ExerciseKind::None)
        Main().SetState(SessionState::Idle, ExerciseKind::None);
}

void DictationController::PauseOrResume()
{
    m_player.PauseOrResume();
    Main().SetPauseLabel(m_player.IsPaused());
    Main().UpdateCommandStates();
}

void DictationController::FillCommandStateInputs(CommandStateInputs& inputs) const
{
    inputs.dictationPlaying = m_player.IsPlaying();
    inputs.dictationPaused = m_player.IsPaused();
    inputs.dictationSelectionOpen = m_selectionOpen;
    inputs.dictationLoaded = m_player.IsLoaded();
    inputs.comparisonShown = m_player.Comparison().IsShown();
}

} // namespace clavora
