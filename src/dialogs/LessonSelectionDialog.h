#pragma once

#include "app/ExerciseChoice.h"
#include "app/LessonSelection.h"

#include <functional>
#include <optional>
#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace clavora {

// Choosing a lesson: every lesson under its section's header with the user's latest and best net
// speed and best award (with a mark in the award's colour), and the chosen lesson's description and
// text beside the list.
class LessonSelectionDialog final : public QDialog
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        TitleColumn,
        LatestColumn,
        BestColumn,
        AwardColumn,
        KeyColumn,
        ColumnCount
    };
    using OpenHelp = std::function<void(const QString& topic)>;
    static const QString HelpTopic;

    LessonSelectionDialog(LessonSelectionList lessons, OpenHelp openHelp, QWidget* parent = nullptr);

    static std::optional<ExerciseChoice> Run(const LessonSelectionList& lessons, OpenHelp openHelp,
                                             QWidget* parent);

    // The selected lesson; nothing unless exactly one row is selected.
    std::optional<ExerciseChoice> Choice() const;

    QTreeWidget* LessonList() const { return m_list; }
    // The list item of a lesson row (the list groups rows under section headers); nullptr past the end.
    QTreeWidgetItem* LessonItem(int row) const { return m_items.value(row, nullptr); }
    QPlainTextEdit* DescriptionField() const { return m_description; }
    QPlainTextEdit* PreviewField() const { return m_preview; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void ShowSelectedTexts();

    LessonSelectionList m_lessons;
    QTreeWidget* m_list;
    QList<QTreeWidgetItem*> m_items;
    QPlainTextEdit* m_description;
    QPlainTextEdit* m_preview;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
