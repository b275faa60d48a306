#pragma once

#include "app/ImportView.h"

#include <array>
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace clavora {

// "Import Custom Exercise": the kind of exercise, the file, and Import / Cancel / Help. The dialog
// stays open until an import succeeds or the user cancels.
class ImportDialog final : public QDialog
{
    Q_OBJECT

public:
    using OpenHelp = std::function<void(const QString& topic)>;
    static const QString HelpTopic;

    ImportDialog(QString startFolder, ImportView::ImportFile import, OpenHelp openHelp,
                 QWidget* parent = nullptr);

    QLineEdit* FileField() const { return m_file; }
    QRadioButton* KindButton(ImportKind kind) const { return m_kinds[static_cast<size_t>(kind)]; }
    // Runs the import of the selected kind, as the Import button does.
    void ImportSelected();

private:
    ImportKind SelectedKind() const;
    void Browse();

    QString m_startFolder;
    ImportView::ImportFile m_import;
    std::array<QRadioButton*, 3> m_kinds{};
    QLineEdit* m_file;
};

// The window's side of importing: runs the dialog over the main window.
class ImportDialogView final : public ImportView
{
public:
    ImportDialogView(QWidget* parent, ImportDialog::OpenHelp openHelp)
        : m_parent(parent), m_openHelp(std::move(openHelp))
    {}
    void RunImportDialog(const QString& startFolder, const ImportFile& import) override;

private:
    QWidget* m_parent;
    ImportDialog::OpenHelp m_openHelp;
};

} // namespace clavora
