#include "dialogs/ExerciseFinishedDialog.h"

#include "app/CommandIds.h"
#include "dialogs/ResultsSummaryPanel.h"

#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace clavora {

const QString ExerciseFinishedDialog::Title = QStringLiteral("Clavora Course Navigation");

ExerciseFinishedDialog::ExerciseFinishedDialog(const ExerciseFinishedContent& content, QWidget* parent)
    : QDialog(parent), m_summary(new ResultsSummaryPanel(content.summary)), m_stop(new QPushButton),
      m_tip(new QLabel)
{
    setWindowTitle(Title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    for (const CourseButton& button : content.buttons) {
        auto* link = new QCommandLinkButton(button.label, button.description);
        const int command = button.commandId;
        connect(link, &QCommandLinkButton::clicked, this, [this, command] {
            m_command = command;
            accept();
        });
        layout->addWidget(link);
        m_buttons.append(link);
    }
    // Return takes the first way on that does not pass over a lesson; without one it closes the
    // dialog.
    QCommandLinkButton* preferred = m_buttons.isEmpty() ? nullptr : m_buttons.first();
    for (qsizetype i = 0; i < content.buttons.size(); ++i) {
        if (content.buttons[i].commandId != Command::CourseNext) {
            preferred = m_buttons[i];
            break;
        }
    }
    if (preferred) {
        preferred->setDefault(true);
        preferred->setFocus();
    }
    auto* box = new QDialogButtonBox;
    m_stop->setText(QStringLiteral("Stop"));
    box->addButton(m_stop, QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_buttons.isEmpty()) {
        m_stop->setDefault(true);
        m_stop->setFocus();
    }
    layout->addWidget(box);
    m_tip->setText(content.tip);
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignCenter);
    QFont tipFont = m_tip->font();
    tipFont.setItalic(true);
    m_tip->setFont(tipFont);
    layout->addWidget(m_tip);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int ExerciseFinishedDialog::Run(const ExerciseFinishedContent& content, QWidget* parent)
{
    ExerciseFinishedDialog dialog(content, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenCommand() : 0;
}

} // namespace clavora
