#include "progress/widgets/ReportsDialog.h"

#include "gui/ConfirmQuestion.h"
#include "gui/BalloonTip.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace clavora {

namespace {

constexpr int NameRole = Qt::UserRole; // the name on disk, while the shown text is being edited

} // namespace

const QString ReportsDialog::RenameTitle = QStringLiteral("Rename File");

ReportsDialog::ReportsDialog(const ReportFolder& folder, QWidget* parent) : QDialog(parent), m_folder(folder)
{
    setWindowTitle(QStringLiteral("Reports"));
    m_ask = [this](const QString& title, const QString& text, const QString& acceptText,
                   const QString& cancelText) {
        return ConfirmQuestion(this, title, text, acceptText, cancelText);
    };
    m_tell = [this](const QString& title, const QString& text, bool error) {
        if (error)
            QMessageBox::critical(this, title, text);
        else
            QMessageBox::warning(this, title, text);
    };
    m_open = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    auto* layout = new QVBoxLayout(this);
    auto* where =
        new QLabel(QStringLiteral("Daily progress reports in %1").arg(folder.Path().toHtmlEscaped()), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    layout->addWidget(where);

    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({QStringLiteral("Report"), QStringLiteral("Date"), QStringLiteral("Time")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_list->setSortingEnabled(true);
    m_list->setUniformRowHeights(true);
    layout->addWidget(m_list, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_openButton = buttons->addButton(QStringLiteral("Open"), QDialogButtonBox::ActionRole);
    m_renameButton = buttons->addButton(QStringLiteral("Rename"), QDialogButtonBox::ActionRole);
    m_deleteButton = buttons->addButton(QStringLiteral("Delete"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_openButton, &QPushButton::clicked, this, &ReportsDialog::OpenSelected);
    connect(m_deleteButton, &QPushButton::clicked, this, &ReportsDialog::DeleteSelected);
    connect(m_renameButton, &QPushButton::clicked, this, [this] {
        if (QTreeWidgetItem* item = m_list->currentItem())
            m_list->editItem(item, 0);
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OpenSelected(); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &ReportsDialog::UpdateButtons);
    connect(m_list, &QTreeWidget::itemChanged, this, &ReportsDialog::OnItemChanged);

    Fill();
    m_list->sortByColumn(0, Qt::DescendingOrder); // the newest day first
    for (int column = 0; column < 3; ++column) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, m_list->columnWidth(column) + 24);
    }
    m_list->setColumnWidth(0, std::max(m_list->columnWidth(0) + 40, 200));
    if (QTreeWidgetItem* newest = m_list->topLevelItem(0))
        m_list->setCurrentItem(newest);
    resize(560, 420);
}

void ReportsDialog::Fill()
{
    m_filling = true;
    m_list->clear();
    for (const ReportFileInfo& report : m_folder.List()) {
        auto* item = new QTreeWidgetItem(m_list, {report.name, report.date, report.time});
        item->setData(0, NameRole, report.name);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_filling = false;
    UpdateButtons();
}

void ReportsDialog::UpdateButtons()
{
    const int selected = int(m_list->selectedItems().size());
    m_openButton->setEnabled(selected == 1);
    m_renameButton->setEnabled(selected == 1);
    m_deleteButton->setEnabled(selected > 0);
}

void ReportsDialog::OpenSelected()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.size() != 1)
        return;
    const QString path = m_folder.FilePathOf(selected.front()->data(0, NameRole).toString());
    if (!path.isEmpty())
        m_open(path);
}

void ReportsDialog::DeleteSelected()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty() || !m_ask(QStringLiteral("Delete Reports"),
                                     QStringLiteral("Are you sure you want to delete selected file(s)?"),
                                     QStringLiteral("Delete"), QStringLiteral("Cancel")))
        return;
    bool skipped = false;
    for (QTreeWidgetItem* item : selected) {
        if (m_folder.Delete(item->data(0, NameRole).toString()))
            delete item;
        else
            skipped = true;
    }
    if (skipped)
        m_tell(QStringLiteral("Files Skipped"),
               QStringLiteral(
                   "One or more files could not be deleted. \nClose any open report spreadsheets and try "
                   "again."),
               false);
    UpdateButtons();
}

void ReportsDialog::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (!m_filling && column == 0)
        RenameItem(item, item->text(0));
}

void ReportsDialog::RenameItem(QTreeWidgetItem* item, const QString& newName)
{
    const QString oldName = item->data(0, NameRole).toString();
    const auto showName = [this, item](const QString& name) {
        m_filling = true;
        item->setText(0, name);
        item->setData(0, NameRole, name);
        m_filling = false;
    };
    if (newName == oldName) {
        showName(oldName);
        return;
    }
    switch (ReportFolder::CheckNewName(newName)) {
    case ReportFolder::NameCheck::InvalidName:
        showName(oldName);
        ShowBalloonTip(m_list, RenameTitle, ReportFolder::InvalidNameMessage);
        return;
    case ReportFolder::NameCheck::NotCsv:
        showName(oldName);
        ShowBalloonTip(m_list, RenameTitle, ReportFolder::NotCsvMessage);
        return;
    case ReportFolder::NameCheck::Valid:
        break;
    }
    if (!m_ask(QStringLiteral("Rename Report"),
               QStringLiteral("Are you sure you want to rename this report?"), QStringLiteral("Rename"),
               QStringLiteral("Cancel"))) {
        showName(oldName);
        return;
    }
    if (!m_folder.Rename(oldName, newName)) {
        showName(oldName);
        m_tell(QStringLiteral("Rename Report"),
               QStringLiteral("Renaming report failed! Perhaps the file is open in another program?"), true);
        return;
    }
    showName(newName);
}

} // namespace clavora
