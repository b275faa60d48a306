#include "dialogs/GeneralOptionsPage.h"

#include "app/GeneralOptions.h"
#include "gui/BalloonTip.h"
#include "session/widgets/ExerciseFont.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

namespace {

QCheckBox* SwitchBox(const QString& text, bool checked)
{
    auto* box = new QCheckBox(text);
    box->setChecked(checked);
    return box;
}

} // namespace

GeneralOptionsPage::GeneralOptionsPage(GeneralOptions& options, QWidget* parent)
    : QWidget(parent), m_options(options),
      m_a4Paper(SwitchBox(QStringLiteral("Print on A4 &paper (otherwise US Letter)"), options.a4Paper)),
      m_corrections(
          SwitchBox(QStringLiteral("&Errors must be corrected before typing on"), options.correctionsForced)),
      m_doubleSpace(
          SwitchBox(QStringLiteral("Accept two &spaces after a sentence"), options.doubleSpaceAccepted)),
      m_timers(SwitchBox(QStringLiteral("Show the &timer during exercises"), options.showTimers)),
      m_animations(SwitchBox(QStringLiteral("Show &animations"), options.displayAnimations)),
      m_larger(new QPushButton(QStringLiteral("&Larger"))),
      m_smaller(new QPushButton(QStringLiteral("S&maller"))),
      m_preview(new QLabel(QStringLiteral("Practice makes perfect."))), m_sizeText(new QLabel),
      m_folder(new QLineEdit(options.ReportFolder())), m_browse(new QPushButton(QStringLiteral("&Browse...")))
{
    auto* exercises = new QGroupBox(QStringLiteral("Exercises"));
    auto* switches = new QVBoxLayout(exercises);
    for (QCheckBox* box : {m_corrections, m_doubleSpace, m_timers, m_animations, m_a4Paper})
        switches->addWidget(box);

    auto* font = new QGroupBox(QStringLiteral("Exercise text size"));
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setBackgroundRole(QPalette::Base);
    m_preview->setAutoFillBackground(true);
    m_preview->setAlignment(Qt::AlignCenter);
    // Room for the largest size, so the dialog does not jump while the size changes.
    m_preview->setMinimumHeight(ExerciseFont::ForSize(GeneralOptions::MaxFontSize).lineHeight + 16);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_sizeText, 1);
    buttons->addWidget(m_smaller);
    buttons->addWidget(m_larger);
    auto* fontLayout = new QVBoxLayout(font);
    fontLayout->addWidget(m_preview);
    fontLayout->addLayout(buttons);

    auto* reports = new QGroupBox(QStringLiteral("Progress reports"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    auto* reportsLayout = new QVBoxLayout(reports);
    auto* folderLabel = new QLabel(QStringLiteral("Save reports in this &folder:"));
    folderLabel->setBuddy(m_folder);
    reportsLayout->addWidget(folderLabel);
    reportsLayout->addLayout(folderRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(exercises);
    layout->addWidget(font);
    layout->addWidget(reports);
    layout->addStretch(1);

    connect(m_larger, &QPushButton::clicked, this, [this] {
        m_options.Enlarge();
        ShowFontSize();
    });
    connect(m_smaller, &QPushButton::clicked, this, [this] {
        m_options.Shrink();
        ShowFontSize();
    });
    connect(m_browse, &QPushButton::clicked, this, &GeneralOptionsPage::Browse);
    ShowFontSize();
}

void GeneralOptionsPage::ShowFontSize()
{
    m_preview->setFont(ExerciseFont::ForSize(m_options.FontSize()).font);
    m_sizeText->setText(QStringLiteral("Size: %1").arg(m_options.FontSize()));
    // A button that reaches its limit gives the keyboard focus to the other one.
    const bool larger = m_options.CanEnlarge();
    const bool smaller = m_options.CanShrink();
    if ((!larger && m_larger->hasFocus()) || (!smaller && m_smaller->hasFocus()))
        (larger ? m_larger : m_smaller)->setFocus();
    m_larger->setEnabled(larger);
    m_smaller->setEnabled(smaller);
}

bool GeneralOptionsPage::AskToCreateFolder()
{
    QMessageBox box(QMessageBox::Question, GeneralOptions::FolderCaption, GeneralOptions::CreateQuestion,
                    QMessageBox::NoButton, this);
    QPushButton* create = box.addButton(GeneralOptions::CreateButton, QMessageBox::AcceptRole);
    box.addButton(GeneralOptions::CancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(create);
    box.exec();
    return box.clickedButton() == create;
}

void GeneralOptionsPage::Browse()
{
    const QString chosen =
        QFileDialog::getExistingDirectory(this, GeneralOptions::FolderCaption, m_folder->text());
    if (chosen.isEmpty())
        return;
    const QString refusal = m_options.AcceptReportFolder(chosen, [this] { return AskToCreateFolder(); });
    if (!refusal.isEmpty()) {
        ShowBalloonTip(m_browse, GeneralOptions::FolderCaption, refusal);
        return;
    }
    m_folder->setText(m_options.ReportFolder());
}

bool GeneralOptionsPage::Apply()
{
    m_options.a4Paper = m_a4Paper->isChecked();
    m_options.correctionsForced = m_corrections->isChecked();
    m_options.doubleSpaceAccepted = m_doubleSpace->isChecked();
    m_options.showTimers = m_timers->isChecked();
    m_options.displayAnimations = m_animations->isChecked();
    const QString refusal = m_options.Apply(m_folder->text(), [this] { return AskToCreateFolder(); });
    if (!refusal.isEmpty()) {
        ShowBalloonTip(m_browse, GeneralOptions::FolderCaption, refusal);
        return false;
    }
    m_folder->setText(m_options.ReportFolder());
    return true;
}

} // namespace clavora
