#pragma once

#include <QString>

namespace clavora {

class GeneralOptions;
class SoundOptions;
class UserManagement;

// The dialogs of the options and user commands. The widget dialogs implement it; tests answer it
// with a fake that works the same rules.
class OptionsView
{
public:
    virtual ~OptionsView() = default;

    // "Clavora Options" with its general and sound pages; true when it closed with OK.
    virtual bool RunOptionsDialog(GeneralOptions& general, SoundOptions& sounds) = 0;
    // The add-user dialog; true when a user was added (and made current).
    virtual bool RunAddUser(UserManagement& users) = 0;
    // The remove-user dialog; true when a user was removed.
    virtual bool RunRemoveUser(UserManagement& users) = 0;
    // Tells, without taking the keyboard from a running exercise, that the chosen sound device
    // could not be used and sounds play on the default device.
    virtual void ShowDeviceFallbackNotice(const QString& deviceChoice) = 0;
};

} // namespace clavora
