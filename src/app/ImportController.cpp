#include "app/ImportController.h"

#include "app/CommandIds.h"
#include "app/ImportView.h"
#include "app/MainController.h"
#include "content/ExerciseCatalogue.h"
#include "settings/UserProfile.h"

namespace clavora {

ImportController::ImportController(MainController& main) : SubsystemController(main) {}

bool ImportController::HandleCommand(int commandId)
{
    switch (commandId) {
    case Command::ImportCustom:
    case Command::ImportCustomText:
    case Command::ImportCustomSpeedTest:
    case Command::MenuImportCustomText:
    case Command::MenuImportCustomSpeedTest:
        if (!Main().IsBusy())
            RunImport();
        return true;
    default:
        return false;
    }
}

void ImportController::RunImport()
{
    if (!m_view)
        return;
    ExerciseCatalogue& catalogue = Main().Catalogue();
    const CustomImport importer(catalogue);
    GlobalSettings settings(Main().Settings());
    m_view->RunImportDialog(catalogue.Custom().ProductDataFolder(),
                            [&importer, &settings](ImportKind kind, const QString& path) {
                                CustomImport::Outcome outcome = importer.Import(kind, path);
                                if (outcome.Succeeded())
                                    settings.Set(CustomImport::Info(kind).importedMark, true);
                                return outcome;
                            });
    ReloadFirstImportedList();
}

void ImportController::ReloadFirstImportedList()
{
    GlobalSettings settings(Main().Settings());
    ExerciseCatalogue& catalogue = Main().Catalogue();
    for (const ImportKind kind : {ImportKind::Practice, ImportKind::SpeedTest, ImportKind::Dictation}) {
        const Profile::FlagValue& mark = CustomImport::Info(kind).importedMark;
        if (!settings.Get(mark))
            continue;
        switch (kind) {
        case ImportKind::Practice:
            catalogue.LoadCustomPractices();
            break;
        case ImportKind::SpeedTest:
            catalogue.LoadCustomSpeedTests();
            break;
        case ImportKind::Dictation:
            catalogue.LoadCustomDictations();
            break;
        }
        settings.Set(mark, false);
        break;
    }
    Main().UpdateCommandStates();
}

void ImportController::DeleteCustomPractice(const QString& fileName)
{
    ExerciseCatalogue& catalogue = Main().Catalogue();
    CustomImport(catalogue).RemoveCustomPractice(fileName);
    catalogue.LoadCustomPractices();
}

} // namespace clavora
