#pragma once

#include "app/SubsystemController.h"

#include <QString>

namespace clavora {

class ImportView;

// Importing the learner's own texts and recordings, and deleting imported practices.
class ImportController final : public SubsystemController
{
public:
    explicit ImportController(MainController& main);

    bool HandleCommand(int commandId) override;
    void Attach(ImportView& view) { m_view = &view; }

    // Deletes one imported practice (the user has agreed) and reloads the imported practices.
    void DeleteCustomPractice(const QString& fileName);
    // After the import dialog: the first list whose "imported" mark is set is reloaded and its
    // mark cleared; the others wait for the next import.
    void ReloadFirstImportedList();

private:
    void RunImport();

    ImportView* m_view = nullptr;
};

} // namespace clavora
