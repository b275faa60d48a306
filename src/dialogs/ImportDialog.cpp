#include "dialogs/ImportDialog.h"

#include "dialogs/DialogButtons.h"
#include "gui/BalloonTip.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace clavora {

const QString ImportDialog::HelpTopic = QStringLiteral("options_custom_exercises");

ImportDialog::ImportDialog(QString startFolder, ImportView::ImportFile import, OpenHelp openHelp,
                           QWidget* parent)
    : QDialog(parent), m_startFolder(std::move(startFolder)), m_import(std::move(import)),
      m_file(new QLineEdit)
{
    setWindowTitle(CustomImport::DialogTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select type of exercise to import:")));
    auto* group = new QButtonGroup(this);
    for (const ImportKind kind : {ImportKind::Practice, ImportKind::SpeedTest, ImportKind::Dictation}) {
        auto* button = new QRadioButton(CustomImport::Info(kind).radioText.toString());
        m_kinds[static_cast<size_t>(kind)] = button;
        group->addButton(button);
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, m_file, &QLineEdit::clear);
    }
    m_kinds.front()->setChecked(true);

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(QStringLiteral("Exercise &File: "));
    fileLabel->setBuddy(m_file);
    auto* browse = new QPushButton(QStringLiteral("..."));
    browse->setAccessibleName(QStringLiteral("Browse"));
    browse->setAutoDefault(false); // Return in the field imports
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    layout->addSpacing(8);
    layout->addLayout(fileRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    TidyDialogButtons(buttons);
    QPushButton* importButton = buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    layout->addStretch(1);
    layout->addWidget(buttons);
    importButton->setDefault(true); // only a button inside its dialog can be the default

    connect(browse, &QPushButton::clicked, this, &ImportDialog::Browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::ImportSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(HelpTopic);
    });
    resize(460, sizeHint().height());
}

ImportKind ImportDialog::SelectedKind() const
{
    for (size_t i = 0; i < m_kinds.size(); ++i) {
        if (m_kinds[i]->isChecked())
            return static_cast<ImportKind>(i);
    }
    return ImportKind::Practice;
}

void ImportDialog::Browse()
{
    if (m_startFolder.isEmpty())
        return;
    const bool audio = SelectedKind() == ImportKind::Dictation;
    const QString path = QFileDialog::getOpenFileName(
        this, audio ? QStringLiteral("Import Custom Dictations") : QStringLiteral("Import Custom Exercises"),
        m_startFolder, audio ? QStringLiteral("Audio files (*.mp3)") : QStringLiteral("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    if (!CustomImport::IsAcceptableFile(SelectedKind(), path)) {
        ShowBalloonTip(m_file, CustomImport::DialogTitle,
                       QStringLiteral("Please select a valid %1 file.")
                           .arg(CustomImport::Info(SelectedKind()).extension));
        return;
    }
    m_file->setText(QDir::toNativeSeparators(path));
}

void ImportDialog::ImportSelected()
{
    const CustomImport::Outcome outcome = m_import(SelectedKind(), m_file->text().trimmed());
    switch (outcome.status) {
    case CustomImport::Outcome::Status::Imported:
        m_file->clear();
        accept();
        break;
    case CustomImport::Outcome::Status::RefusedFile:
        ShowBalloonTip(m_file, outcome.title, outcome.text);
        m_file->setFocus();
        break;
    case CustomImport::Outcome::Status::Failed:
        QMessageBox::information(this, outcome.title, outcome.text);
        break;
    }
}

void ImportDialogView::RunImportDialog(const QString& startFolder, const ImportFile& import)
{
    ImportDialog dialog(startFolder, import, m_openHelp, m_parent);
    dialog.exec();
}

} // namespace clavora
