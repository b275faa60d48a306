#include "app/OptionsController.h"

#include "app/CommandIds.h"
#include "app/GeneralOptions.h"
#include "app/MainController.h"
#include "app/OptionsView.h"
#include "app/UserManagement.h"
#include "audio/SoundOptions.h"
#include "services/AlsaAudioOut.h"
#include "settings/SettingsStore.h"

namespace clavora {

OptionsController::OptionsController(MainController& main) : SubsystemController(main) {}

void OptionsController::AttachView(OptionsView* view)
{
    m_view = view;
    Main().Sounds().SetDeviceFallbackNotice([this](const QString& deviceChoice) {
        if (m_view)
            m_view->ShowDeviceFallbackNotice(deviceChoice);
    });
}

bool OptionsController::HandleCommand(int commandId)
{
    switch (commandId) {
    case Command::Options:
    case Command::MenuOptions:
        if (!Main().IsBusy() && Main().State() == SessionState::Idle)
            ShowOptions();
        return true;
    case Command::AddUser:
    case Command::MenuAddUser:
        if (!Main().IsBusy())
            AddUser();
        return true;
    case Command::RemoveUser:
    case Command::MenuDeleteUser:
        if (!Main().IsBusy())
            RemoveUser();
        return true;
    default:
        return false;
    }
}

void OptionsController::ShowOptions()
{
    if (!m_view)
        return;
    GeneralOptions general(Main().Profile());
    SoundOptions sounds(Main().Settings(), Main().Sounds(), AlsaAudioOut::Devices(), m_makePreviewOutput);
    m_view->RunOptionsDialog(general, sounds);
    // Browse and Restore defaults store at once, so the window follows even after Cancel.
    Main().ApplyDisplayOptions();
    Main().Repaint(session::Panels(session::Panel::TargetPanel) | session::Panel::TypedStrip |
                   session::Panel::ClockPanel | session::Panel::Guides);
}

void OptionsController::AddUser()
{
    if (!m_view)
        return;
    const QString previous = Main().UserName();
    UserManagement users(Main().Settings());
    const bool added = m_view->RunAddUser(users);
    FollowCurrentUser(added ? Main().Settings().CurrentUserName() : previous);
}

void OptionsController::RemoveUser()
{
    if (!m_view)
        return;
    UserManagement users(Main().Settings());
    if (m_view->RunRemoveUser(users))
        FollowCurrentUser(Main().Settings().CurrentUserName());
}

void OptionsController::FollowCurrentUser(const QString& name)
{
    Main().SelectUser(name);
    // The display options are the profile's: another user may want other ones.
    Main().ApplyDisplayOptions();
    Main().UpdateCommandStates();
}

} // namespace clavora
