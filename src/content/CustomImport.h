#pragma once

#include "content/CatalogueEntry.h"
#include "settings/UserProfile.h"

#include <optional>
#include <QString>
#include <QStringView>

namespace clavora {

class ExerciseCatalogue;

// What the user can import and how each kind is filed.
enum class ImportKind : int
{
    Practice = 0,
    SpeedTest = 1,
    Dictation = 2
};

struct ImportKindInfo
{
    QStringView radioText;
    QStringView fileTypeLabel; // also the subfolder of "Custom" the file is copied into
    QStringView extension;
    const CatalogueFormat& format;
    int templateResource;
    int firstKey;                           // the template's starting "nextkey"
    const Profile::FlagValue& importedMark; // tells the main window to reload the list
};

// The user's own file becomes a custom exercise: it is checked, copied into its subfolder of the
// custom folder and then recorded in the kind's custom catalogue, in that order, so the catalogue
// never names a file that is not there.
class CustomImport final
{
public:
    // Text files larger than this are not meant for typing; they are refused.
    static constexpr qint64 MaxTextFileBytes = 1024 * 1024;

    // What the user is told when an import does not succeed.
    struct Outcome
    {
        enum class Status
        {
            Imported,
            // A balloon at the file name field; the dialog stays open.
            RefusedFile,
            // A message box "Import Custom <label>" / "Import failed - <reason>".
            Failed
        };
        Status status = Status::Imported;
        QString title;
        QString text;
        QString key; // the new entry's key when imported

        bool Succeeded() const { return status == Status::Imported; }
    };

    static const QString DialogTitle;
    static const ImportKindInfo& Info(ImportKind kind);

    explicit CustomImport(const ExerciseCatalogue& catalogue);

    // The whole import of one file, as the Import button runs it.
    Outcome Import(ImportKind kind, const QString& path) const;

    // True when the name has exactly the kind's extension (case counts) and names a regular file.
    static bool IsAcceptableFile(ImportKind kind, const QString& path);

    // Removes one imported practice: its text file, then its element in the practice catalogue
    // (matched by file name without regard to case). False, with nothing more changed, when the
    // file cannot be deleted or the catalogue cannot be read or saved.
    bool RemoveCustomPractice(const QString& fileName) const;

private:
    std::optional<QString> CheckContents(ImportKind kind, const QString& path, QString& title) const;

    const ExerciseCatalogue& m_catalogue;
};

} // namespace clavora
