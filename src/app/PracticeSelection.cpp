#include "app/PracticeSelection.h"

#include "content/ExerciseCatalogue.h"
#include "progress/RevisionTextGenerator.h"

#include <algorithm>
#include <cstdlib>

namespace clavora {

namespace {

constexpr int FirstBuiltInPracticeKey = 4000;
const QString RevisionCategory = QStringLiteral("Revision");
const QString ProblemWordsTitle = QStringLiteral("Problem words");
const QString ProblemCharsTitle = QStringLiteral("Problem characters");

bool IsImportedKey(const QString& key)
{
    bool ok = false;
    const int number = key.toInt(&ok);
    return ok && number < FirstBuiltInPracticeKey;
}

} // namespace

const QString PracticeSelection::CustomCategory = QStringLiteral("Custom");
const QString PracticeSelection::DeleteCaption = QStringLiteral("Delete Custom Practice Exercise");
const QString PracticeSelection::DeleteQuestion =
    QStringLiteral("Are you sure you want to delete the selected exercise(s)?");
const QString PracticeSelection::DeleteButton = QStringLiteral("Delete");

PracticeSelection::PracticeSelection(const ExerciseCatalogue& catalogue, int userType,
                                     const QString& practiceKey, ClearProblems clearProblems,
                                     DeleteImported deleteImported)
    : m_catalogue(catalogue), m_userType(userType), m_clearProblems(std::move(clearProblems)),
      m_deleteImported(std::move(deleteImported))
{
    for (const PracticeEntry& practice : catalogue.Practices()) {
        if (!m_categories.contains(practice.Category()))
            m_categories.append(practice.Category());
    }
    m_categories.append(CustomCategory);

    QString category;
    if (IsImportedKey(practiceKey)) {
        if (const CustomPracticeEntry* imported = catalogue.CustomPractices().Find(practiceKey))
            category = imported->Category();
    } else if (const PracticeEntry* practice = catalogue.Practices().Find(practiceKey)) {
        category = practice->Category();
    }
    const int categoryIndex = category.isEmpty() ? -1 : int(m_categories.indexOf(category));
    if (categoryIndex < 0)
        return;
    SelectCategory(categoryIndex);
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [&practiceKey](const Row& row) { return row.key == practiceKey; });
    if (found != m_rows.cend())
        SelectRow(int(found - m_rows.cbegin()));
}

void PracticeSelection::SelectCategory(int index)
{
    m_category = index >= 0 && index < m_categories.size() ? index : -1;
    m_rows.clear();
    SelectRow(-1);
    if (m_category < 0)
        return;
    const QString& category = m_categories.at(m_category);
    if (category == CustomCategory) {
        for (const CustomPracticeEntry& imported : m_catalogue.CustomPractices()) {
            if (imported.Category() == CustomCategory)
                m_rows.append({imported.Title(), imported.Key()});
        }
        return;
    }
    // Practices meant for the user's type come first, then the nearer types; those meant for no
    // type in particular come last.
    QList<std::pair<int, Row>> ranked;
    for (const PracticeEntry& practice : m_catalogue.Practices()) {
        if (practice.Category() == category)
            ranked.append({std::abs(practice.UserType() - m_userType), {practice.Title(), practice.Key()}});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    for (const auto& entry : std::as_const(ranked))
        m_rows.append(entry.second);
}

void PracticeSelection::SelectRow(int row)
{
    m_row = row >= 0 && row < m_rows.size() ? row : -1;
    m_previewOverride.reset();
}

const CatalogueEntry* PracticeSelection::EntryOf(const Row& row) const
{
    if (IsImportedKey(row.key))
        return m_catalogue.CustomPractices().Find(row.key);
    return m_catalogue.Practices().Find(row.key);
}

QString PracticeSelection::PreviewText() const
{
    if (m_previewOverride)
        return *m_previewOverride;
    const CatalogueEntry* entry = m_row < 0 ? nullptr : EntryOf(m_rows.at(m_row));
    return entry ? entry->PreviewText() : QString();
}

bool PracticeSelection::IsUsable() const
{
    const CatalogueEntry* entry = m_row < 0 ? nullptr : EntryOf(m_rows.at(m_row));
    return entry && !entry->Text().isEmpty();
}

bool PracticeSelection::IsRevisionPractice(const QString& title) const
{
    return m_category >= 0 && m_categories.at(m_category) == RevisionCategory && IsUsable() &&
           m_rows.at(m_row).title == title;
}

bool PracticeSelection::CanClearProblemWords() const
{
    return IsRevisionPractice(ProblemWordsTitle);
}

bool PracticeSelection::CanClearProblemChars() const
{
    return IsRevisionPractice(ProblemCharsTitle);
}

void PracticeSelection::ClearProblemList(bool words)
{
    if (m_clearProblems)
        m_clearProblems(words);
    m_previewOverride =
        words ? RevisionTextGenerator::NoProblemWordsText : RevisionTextGenerator::NoProblemCharsText;
}

bool PracticeSelection::CanDelete() const
{
    return m_category >= 0 && m_categories.at(m_category) == CustomCategory && m_row >= 0;
}

void PracticeSelection::DeleteChosen()
{
    if (!CanDelete())
        return;
    const CatalogueEntry* entry = EntryOf(m_rows.at(m_row));
    if (entry && m_deleteImported)
        m_deleteImported(entry->FileName());
    SelectCategory(m_category);
}

std::optional<ExerciseChoice> PracticeSelection::Choice() const
{
    if (!IsUsable())
        return std::nullopt;
    const Row& row = m_rows.at(m_row);
    return ExerciseChoice{row.key, row.title};
}

} // namespace clavora
