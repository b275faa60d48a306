#pragma once

#include "app/OptionsView.h"

#include <functional>

class QWidget;

namespace clavora {

// The options and user dialogs of the main window.
class OptionsDialogs final : public OptionsView
{
public:
    OptionsDialogs(QWidget* parent, std::function<void(const QString&)> openHelp);

    bool RunOptionsDialog(GeneralOptions& general, SoundOptions& sounds) override;
    bool RunAddUser(UserManagement& users) override;
    bool RunRemoveUser(UserManagement& users) override;
    void ShowDeviceFallbackNotice(const QString& deviceChoice) override;

private:
    QWidget* m_parent;
    std::function<void(const QString&)> m_openHelp;
};

} // namespace clavora
