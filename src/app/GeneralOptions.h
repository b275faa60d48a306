#pragma once

#include <functional>
#include <QString>

namespace clavora {

class UserProfile;

// The general page of the options dialog: five switches, the exercise font size and the report
// folder. The switches and the size are stored on OK; a report folder is checked, created when the
// user agrees, and stored as soon as it is accepted.
class GeneralOptions final
{
public:
    static constexpr int MinFontSize = 17;
    static constexpr int MaxFontSize = 28;

    static const QString FolderCaption;
    static const QString CreateQuestion;
    static const QString CreateButton;
    static const QString CancelButton;
    static const QString InvalidFolderMessage;
    static const QString CouldNotCreateMessage;
    static const QString NotAFolderMessage;
    static const QString NotWritableMessage;

    explicit GeneralOptions(UserProfile& profile);

    bool a4Paper = false;
    bool correctionsForced = false;
    bool doubleSpaceAccepted = false;
    bool showTimers = false;
    bool displayAnimations = false;

    int FontSize() const { return m_fontSize; }
    bool CanEnlarge() const { return m_fontSize < MaxFontSize; }
    bool CanShrink() const { return m_fontSize > MinFontSize; }
    void Enlarge();
    void Shrink();

    // The folder the field shows: the stored one, or the default when none is stored.
    QString ReportFolder() const { return m_reportFolder; }

    // Asked before a missing folder is created; true for "Create".
    using AskToCreate = std::function<bool()>;
    // A folder chosen with Browse or typed in the field: checked, created when missing and the
    // user agrees, then stored. Empty when accepted, otherwise the message to show; the folder
    // stored before stays.
    QString AcceptReportFolder(const QString& folder, const AskToCreate& askToCreate);
    // OK: stores the switches and the font size, then accepts the folder of the field. Empty when
    // the dialog may close; otherwise the folder's message (the switches stay stored).
    QString Apply(const QString& folderField, const AskToCreate& askToCreate);

private:
    UserProfile& m_profile;
    int m_fontSize;
    QString m_reportFolder;
};

} // namespace clavora
