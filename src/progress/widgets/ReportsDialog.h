#pragma once

#include "progress/ReportFolder.h"

#include <functional>
#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace clavora {

// The reports dialog: the CSV reports of the report folder with their dates; opens one with the
// desktop's handler, deletes the selected ones and renames one in place.
class ReportsDialog final : public QDialog
{
    Q_OBJECT

public:
    // A question with an accepting and a cancelling button; true when accepted.
    using Asker = std::function<bool(const QString& title, const QString& text, const QString& acceptText,
                                     const QString& cancelText)>;
    using Teller = std::function<void(const QString& title, const QString& text, bool error)>;

    explicit ReportsDialog(const ReportFolder& folder, QWidget* parent = nullptr);

    // Tests answer the questions and catch the messages and the opening of a report.
    void SetAsker(Asker asker) { m_ask = std::move(asker); }
    void SetTeller(Teller teller) { m_tell = std::move(teller); }
    void SetOpener(std::function<void(const QString& path)> opener) { m_open = std::move(opener); }

    QTreeWidget* List() const { return m_list; }
    void OpenSelected();
    void DeleteSelected();
    void RenameItem(QTreeWidgetItem* item, const QString& newName);

    static const QString RenameTitle;

private:
    void Fill();
    void UpdateButtons();
    void OnItemChanged(QTreeWidgetItem* item, int column);

    ReportFolder m_folder;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_renameButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    Asker m_ask;
    Teller m_tell;
    std::function<void(const QString&)> m_open;
    bool m_filling = false;
};

} // namespace clavora
