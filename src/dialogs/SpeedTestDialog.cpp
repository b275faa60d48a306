#include "dialogs/SpeedTestDialog.h"

#include "dialogs/DialogButtons.h"
#include "gui/BalloonTip.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace clavora {

const QString SpeedTestDialog::HelpTopic = QStringLiteral("exercises_speedtest");

SpeedTestDialog::SpeedTestDialog(const SpeedTestOptions& options, OpenHelp openHelp, QWidget* parent)
    : QDialog(parent), m_options(options), m_duration(new QComboBox),
      m_builtIn(new QRadioButton(QStringLiteral("A built-in speed test, chosen at random"))),
      m_imported(new QRadioButton(QStringLiteral("One of my imported speed tests:"))),
      m_importedList(new QListWidget),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Speed Test Options"));
    m_duration->setEditable(true);
    m_duration->addItems(SpeedTestOptions::DurationChoices());
    m_duration->setEditText(options.DurationText());
    m_duration->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_duration));

    for (const SpeedTestOptions::ImportedTest& test : options.ImportedTests())
        m_importedList->addItem(test.fileName);
    if (!options.HasImportedTests()) {
        auto* placeholder = new QListWidgetItem(
            QStringLiteral(
                "No imported speed tests yet. Import one with Import Custom Speed Test (Ctrl+Shift+I)."),
            m_importedList);
        placeholder->setFlags(Qt::NoItemFlags);
    }
    m_importedList->setWordWrap(true);
    TidyDialogButtons(m_buttons);
    m_builtIn->setChecked(true);
    m_importedList->setEnabled(false);
    m_imported->setEnabled(options.HasImportedTests());
    connect(m_imported, &QRadioButton::toggled, this, [this](bool checked) {
        m_importedList->setEnabled(checked);
        if (checked && m_importedList->currentRow() < 0)
            m_importedList->setCurrentRow(0);
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Duration (minutes):"), m_duration);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Type this text:")));
    layout->addWidget(m_builtIn);
    layout->addWidget(m_imported);
    layout->addWidget(m_importedList, 1);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &SpeedTestDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(HelpTopic);
    });
    resize(420, 360);
}

void SpeedTestDialog::accept()
{
    const int row = m_imported->isChecked() ? m_importedList->currentRow() : -1;
    m_choice = m_options.Accept(m_duration->currentText(), row);
    if (!m_choice) {
        // A balloon at the field; the dialog stays open for a better length.
        ShowBalloonTip(m_duration, QStringLiteral("Duration"), SpeedTestOptions::InvalidDurationMessage);
        m_duration->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<SpeedTestChoice> SpeedTestDialog::Run(const SpeedTestOptions& options, OpenHelp openHelp,
                                                    QWidget* parent)
{
    SpeedTestDialog dialog(options, std::move(openHelp), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

} // namespace clavora
