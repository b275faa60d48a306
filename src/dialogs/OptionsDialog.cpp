#include "dialogs/OptionsDialog.h"

#include "dialogs/GeneralOptionsPage.h"
#include "dialogs/SoundOptionsPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace clavora {

const QString OptionsDialog::GeneralTopic = QStringLiteral("options_general");
const QString OptionsDialog::SoundsTopic = QStringLiteral("options_sounds");

OptionsDialog::OptionsDialog(GeneralOptions& general, SoundOptions& sounds, OpenHelp openHelp,
                             QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget), m_general(new GeneralOptionsPage(general)),
      m_sounds(new SoundOptionsPage(sounds)),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Clavora Options"));
    m_pages->addTab(m_general, QStringLiteral("General"));
    m_pages->addTab(m_sounds, QStringLiteral("Sounds"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [this, openHelp] {
        if (openHelp)
            openHelp(m_pages->currentWidget() == m_sounds ? SoundsTopic : GeneralTopic);
    });
    resize(540, 520);
}

void OptionsDialog::accept()
{
    // A refused report folder keeps the dialog open on the page that shows it.
    if (!m_general->Apply()) {
        m_pages->setCurrentWidget(m_general);
        return;
    }
    m_sounds->Apply();
    QDialog::accept();
}

} // namespace clavora
