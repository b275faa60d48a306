#pragma once

#include <functional>
#include <QWizard>

class QCheckBox;
class QListWidget;

namespace clavora {

class UserProfile;

// "Getting Started": asks the current user's mode and whether to begin with the skill test.
class StartupWizard final : public QWizard
{
    Q_OBJECT

public:
    StartupWizard(UserProfile& profile, std::function<void(const QString&)> openHelp,
                  QWidget* parent = nullptr);

    // Runs the wizard; true when it ended with Finish.
    static bool Run(UserProfile& profile, std::function<void(const QString&)> openHelp, QWidget* parent);

    QListWidget* UserTypeList() const { return m_types; }
    QCheckBox* SkillTestBox() const { return m_skillTest; }

protected:
    bool validateCurrentPage() override;
    void accept() override;

private:
    UserProfile& m_profile;
    QListWidget* m_types;
    QCheckBox* m_skillTest;
};

} // namespace clavora
