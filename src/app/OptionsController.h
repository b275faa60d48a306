#pragma once

#include "app/SubsystemController.h"
#include "audio/SoundEvents.h"

namespace clavora {

class OptionsView;

// The options dialog and the user commands: add and delete a user.
class OptionsController final : public SubsystemController
{
public:
    explicit OptionsController(MainController& main);

    bool HandleCommand(int commandId) override;

    // The window's dialogs; nothing is asked before they are attached.
    void AttachView(OptionsView* view);
    // Where the options dialog's preview plays; tests give an in-memory output.
    void SetPreviewOutput(SoundEvents::OutputFactory makeOutput)
    {
        m_makePreviewOutput = std::move(makeOutput);
    }

private:
    void ShowOptions();
    void AddUser();
    void RemoveUser();
    // A change of user: the window follows the profile now current.
    void FollowCurrentUser(const QString& name);

    OptionsView* m_view = nullptr;
    SoundEvents::OutputFactory m_makePreviewOutput;
};

} // namespace clavora
