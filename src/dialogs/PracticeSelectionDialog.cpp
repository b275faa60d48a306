#include "dialogs/PracticeSelectionDialog.h"

#include "app/PracticeSelection.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/PlainLines.h"
#include "gui/ConfirmQuestion.h"
#include "progress/ProblemListCommands.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace clavora {

const QString PracticeSelectionDialog::HelpTopic = QStringLiteral("exercises_practice");

PracticeSelectionDialog::PracticeSelectionDialog(PracticeSelection& selection, OpenHelp openHelp,
                                                 Confirm confirm, QWidget* parent)
    : QDialog(parent), m_selection(selection), m_confirm(std::move(confirm)), m_categories(new QListWidget),
      m_practices(new QListWidget), m_preview(new QPlainTextEdit),
      m_clearWords(new QPushButton(QStringLiteral("Clear Problem Words"))),
      m_clearChars(new QPushButton(QStringLiteral("Clear Problem Characters"))),
      m_delete(new QPushButton(PracticeSelection::DeleteButton)),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Select Practice Text"));
    if (!m_confirm) {
        m_confirm = [this](bool words) {
            const ClearProblemsQuestion question =
                words ? ProblemListCommands::WordsQuestion() : ProblemListCommands::CharsQuestion();
            return ConfirmQuestion(this, question.caption, question.text, question.clearButton,
                                   question.cancelButton);
        };
    }
    m_categories->addItems(m_selection.Categories());
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_preview->setPlaceholderText(QStringLiteral("Choose a practice to see its text here."));
    TidyDialogButtons(m_buttons);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* categoryColumn = new QVBoxLayout;
    categoryColumn->addWidget(new QLabel(QStringLiteral("Category:")));
    categoryColumn->addWidget(m_categories, 1);
    auto* practiceColumn = new QVBoxLayout;
    practiceColumn->addWidget(new QLabel(QStringLiteral("Practice:")));
    practiceColumn->addWidget(m_practices, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(categoryColumn, 1);
    lists->addLayout(practiceColumn, 2);
    auto* clearRow = new QHBoxLayout;
    clearRow->addWidget(m_clearWords);
    clearRow->addWidget(m_clearChars);
    clearRow->addStretch(1);
    clearRow->addWidget(m_delete);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 2);
    layout->addWidget(new QLabel(QStringLiteral("Preview:")));
    layout->addWidget(m_preview, 1);
    layout->addLayout(clearRow);
    layout->addWidget(m_buttons);

    connect(m_categories, &QListWidget::currentRowChanged, this, [this](int row) {
        m_selection.SelectCategory(row);
        FillPractices();
    });
    connect(m_practices, &QListWidget::currentRowChanged, this, [this](int row) {
        m_selection.SelectRow(row);
        Refresh();
    });
    connect(m_practices, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_selection.IsUsable())
            accept();
    });
    connect(m_clearWords, &QPushButton::clicked, this, [this] { ClearProblems(true); });
    connect(m_clearChars, &QPushButton::clicked, this, [this] { ClearProblems(false); });
    connect(m_delete, &QPushButton::clicked, this, &PracticeSelectionDialog::DeleteChosen);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_selection.IsUsable())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(HelpTopic);
    });

    // Show what the selection already holds: the stored practice, preselected.
    const int practiceRow = m_selection.CurrentRow();
    {
        const QSignalBlocker blocker(m_categories);
        m_categories->setCurrentRow(m_selection.CurrentCategory());
    }
    FillPractices();
    if (practiceRow >= 0) {
        m_practices->setCurrentRow(practiceRow);
        m_practices->scrollToItem(m_practices->currentItem());
    }
    resize(760, 560);
}

void PracticeSelectionDialog::FillPractices()
{
    {
        const QSignalBlocker blocker(m_practices);
        m_practices->clear();
        for (const PracticeSelection::Row& row : m_selection.Rows())
            m_practices->addItem(row.title);
        m_practices->setCurrentRow(-1);
    }
    Refresh();
}

void PracticeSelectionDialog::Refresh()
{
    m_preview->setPlainText(PlainLines(m_selection.PreviewText()));
    m_clearWords->setEnabled(m_selection.CanClearProblemWords());
    m_clearChars->setEnabled(m_selection.CanClearProblemChars());
    m_delete->setEnabled(m_selection.CanDelete());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_selection.IsUsable());
}

void PracticeSelectionDialog::ClearProblems(bool words)
{
    if (!m_confirm(words))
        return;
    m_selection.ClearProblemList(words);
    Refresh();
}

void PracticeSelectionDialog::DeleteChosen()
{
    // Deleting cannot be undone: Return must not do it.
    if (!ConfirmQuestion(this, PracticeSelection::DeleteCaption, PracticeSelection::DeleteQuestion,
                         PracticeSelection::DeleteButton, QStringLiteral("Cancel")))
        return;
    m_selection.DeleteChosen();
    FillPractices();
}

std::optional<ExerciseChoice> PracticeSelectionDialog::Run(PracticeSelection& selection, OpenHelp openHelp,
                                                           QWidget* parent)
{
    PracticeSelectionDialog dialog(selection, std::move(openHelp), {}, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return selection.Choice();
}

} // namespace clavora
