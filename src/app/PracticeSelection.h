#pragma once

#include "app/ExerciseChoice.h"

#include <functional>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace clavora {

class CatalogueEntry;
class ExerciseCatalogue;

// The practice selection dialog's state: the categories, the practices of the chosen category
// (those meant for the user's type first), the preview of the chosen practice and which buttons
// apply. Imported practices have keys below 4000 and live in the "Custom" category.
class PracticeSelection final
{
public:
    struct Row
    {
        QString title;
        QString key;
    };
    // Clears the problem words (true) or characters (false) as already confirmed, then rebuilds
    // the revision texts.
    using ClearProblems = std::function<void(bool words)>;
    // Deletes imported practices by their file names and reloads the list of imported practices.
    using DeleteImported = std::function<void(const QString& fileName)>;

    static const QString CustomCategory;
    static const QString DeleteCaption;
    static const QString DeleteQuestion;
    static const QString DeleteButton;

    PracticeSelection(const ExerciseCatalogue& catalogue, int userType, const QString& practiceKey,
                      ClearProblems clearProblems = {}, DeleteImported deleteImported = {});

    const QStringList& Categories() const { return m_categories; }
    int CurrentCategory() const { return m_category; }
    // Fills the practice list of the category (-1: none) and clears the practice selection.
    void SelectCategory(int index);

    const QList<Row>& Rows() const { return m_rows; }
    int CurrentRow() const { return m_row; }
    // -1 leaves no practice selected.
    void SelectRow(int row);

    // The chosen practice's preview, empty without one.
    QString PreviewText() const;
    // Exactly one practice chosen, and it has a text to type.
    bool IsUsable() const;
    bool CanClearProblemWords() const;
    bool CanClearProblemChars() const;
    // Clears one problem list and shows that it is empty.
    void ClearProblemList(bool words);
    // An imported practice is chosen.
    bool CanDelete() const;
    // Deletes the chosen imported practice (the user has agreed), then refills the list.
    void DeleteChosen();

    // The usable choice, or nothing.
    std::optional<ExerciseChoice> Choice() const;

private:
    const CatalogueEntry* EntryOf(const Row& row) const;
    bool IsRevisionPractice(const QString& title) const;

    const ExerciseCatalogue& m_catalogue;
    int m_userType;
    ClearProblems m_clearProblems;
    DeleteImported m_deleteImported;
    QStringList m_categories;
    int m_category = -1;
    QList<Row> m_rows;
    int m_row = -1;
    std::optional<QString> m_previewOverride;
};

} // namespace clavora
