#pragma once

#include "app/SubsystemController.h"
#include "audio/DictationPlayer.h"

namespace clavora {

struct CommandStateInputs;

// The dictation's commands: select, compare, and Start/Pause/Stop while the dictation view shows.
class DictationController final : public SubsystemController
{
public:
    explicit DictationController(MainController& main);

    bool HandleCommand(int commandId) override;

    // The window's dictation panel; without one the dictation commands do nothing.
    void AttachView(DictationPanelView& view) { m_player.SetView(&view); }
    DictationPlayer& Player() { return m_player; }

    // Start on the Practice tab while the dictation view shows.
    void Start();
    // The dictation part of the Stop command: the playback ends and the kind returns to none.
    void Stop();
    void PauseOrResume();
    bool IsRecordingPlaying() const { return m_player.IsPlaying() && !m_player.IsPaused(); }
    void FillCommandStateInputs(CommandStateInputs& inputs) const;

private:
    void Select();
    void Compare();

    DictationPlayer m_player;
    bool m_selectionOpen = false;
};

} // namespace clavora
