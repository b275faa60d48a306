#include "dialogs/StartupWizard.h"

#include "settings/UserProfile.h"
#include "dialogs/UserTypes.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWizardPage>

namespace clavora {

namespace {

enum PageId
{
    UserModePage = 0,
    SkillTestPage = 1
};

} // namespace

StartupWizard::StartupWizard(UserProfile& profile, std::function<void(const QString&)> openHelp,
                             QWidget* parent)
    : QWizard(parent), m_profile(profile), m_types(new QListWidget), m_skillTest(new QCheckBox)
{
    setWindowTitle(QStringLiteral("Getting Started"));
    setWizardStyle(QWizard::ModernStyle);
    setOption(QWizard::HaveHelpButton, true);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    connect(this, &QWizard::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(QStringLiteral("start"));
    });

    auto* modePage = new QWizardPage;
    modePage->setTitle(QStringLiteral("Select User Mode"));
    modePage->setSubTitle(QStringLiteral("Choose the description that fits you best. The practice texts "
                                         "offered first are chosen to suit it."));
    m_types->addItems(UserTypeNames());
    m_types->setCurrentRow(DefaultUserType - 1);
    auto* modeLayout = new QVBoxLayout(modePage);
    modeLayout->addWidget(m_types);
    setPage(UserModePage, modePage);

    auto* testPage = new QWizardPage;
    testPage->setTitle(QStringLiteral("Take an initial skill test"));
    testPage->setSubTitle(QStringLiteral("A short test of thirty seconds measures your present speed, so the "
                                         "course can start where it helps you most."));
    m_skillTest->setText(QStringLiteral("Take an initial skill test"));
    m_skillTest->setChecked(true);
    auto* testLayout = new QVBoxLayout(testPage);
    testLayout->addWidget(m_skillTest);
    testLayout->addStretch(1);
    testPage->setFinalPage(true);
    setPage(SkillTestPage, testPage);
    setStartId(UserModePage);
    resize(560, 420);
}

bool StartupWizard::validateCurrentPage()
{
    if (currentId() == UserModePage) {
        const int row = m_types->currentRow() < 0 ? DefaultUserType - 1 : m_types->currentRow();
        m_profile.Set(Profile::Type, row + 1);
    }
    return QWizard::validateCurrentPage();
}

void StartupWizard::accept()
{
    m_profile.Set(Profile::TakeInitialSkillTest, m_skillTest->isChecked());
    m_profile.Set(Profile::IsSkillTestTaken, false);
    QWizard::accept();
}

bool StartupWizard::Run(UserProfile& profile, std::function<void(const QString&)> openHelp, QWidget* parent)
{
    StartupWizard wizard(profile, std::move(openHelp), parent);
    return wizard.exec() == QDialog::Accepted;
}

} // namespace clavora
