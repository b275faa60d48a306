#pragma once

#include "app/ExerciseChoice.h"

#include <functional>
#include <optional>
#include <QDialog>

class QDialogButtonBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace clavora {

class PracticeSelection;

// Choosing a practice text: categories, the practices of the chosen one, a preview, and the two
// buttons that clear the problem lists behind the revision practices.
class PracticeSelectionDialog final : public QDialog
{
    Q_OBJECT

public:
    using OpenHelp = std::function<void(const QString& topic)>;
    // Asks before a problem list is cleared; true to go ahead.
    using Confirm = std::function<bool(bool words)>;
    static const QString HelpTopic;

    PracticeSelectionDialog(PracticeSelection& selection, OpenHelp openHelp, Confirm confirm = {},
                            QWidget* parent = nullptr);

    static std::optional<ExerciseChoice> Run(PracticeSelection& selection, OpenHelp openHelp,
                                             QWidget* parent);

    QListWidget* CategoryList() const { return m_categories; }
    QListWidget* PracticeList() const { return m_practices; }
    QPlainTextEdit* PreviewField() const { return m_preview; }
    QPushButton* ClearWordsButton() const { return m_clearWords; }
    QPushButton* ClearCharsButton() const { return m_clearChars; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void FillPractices();
    void Refresh();
    void ClearProblems(bool words);
    void DeleteChosen();

    PracticeSelection& m_selection;
    Confirm m_confirm;
    QListWidget* m_categories;
    QListWidget* m_practices;
    QPlainTextEdit* m_preview;
    QPushButton* m_clearWords;
    QPushButton* m_clearChars;
    QPushButton* m_delete;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
