#include "dialogs/OptionsDialogs.h"

#include "dialogs/AddUserDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/RemoveUserDialog.h"

#include <QMessageBox>

namespace clavora {

OptionsDialogs::OptionsDialogs(QWidget* parent, std::function<void(const QString&)> openHelp)
    : m_parent(parent), m_openHelp(std::move(openHelp))
{}

bool OptionsDialogs::RunOptionsDialog(GeneralOptions& general, SoundOptions& sounds)
{
    OptionsDialog dialog(general, sounds, m_openHelp, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool OptionsDialogs::RunAddUser(UserManagement& users)
{
    AddUserDialog dialog(users, m_openHelp, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool OptionsDialogs::RunRemoveUser(UserManagement& users)
{
    RemoveUserDialog dialog(users, m_openHelp, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void OptionsDialogs::ShowDeviceFallbackNotice(const QString& deviceChoice)
{
    // Not modal and not activated: a typing error may have played the sound mid-exercise.
    auto* notice =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Sound Device"),
                        QStringLiteral("The sound device \"%1\" cannot be used now. Sounds play on "
                                       "the default playback device instead.")
                            .arg(deviceChoice),
                        QMessageBox::Ok, m_parent);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
}

} // namespace clavora
