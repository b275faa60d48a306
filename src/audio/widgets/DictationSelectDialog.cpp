#include "audio/widgets/DictationSelectDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace clavora {

DictationSelectDialog::DictationSelectDialog(const QList<DictationRow>& rows, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(QStringLiteral("Select Dictation"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Title"), QStringLiteral("Description"), QStringLiteral("Downloaded")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    for (const DictationRow& row : rows)
        new QTreeWidgetItem(m_list,
                            {row.title, row.description, row.onDisk ? QStringLiteral("Yes") : QString()});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    if (!rows.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!rows.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(720, 320);
}

std::optional<qsizetype> DictationSelectDialog::Run(const QList<DictationRow>& rows, QWidget* parent)
{
    DictationSelectDialog dialog(rows, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int row = dialog.List()->indexOfTopLevelItem(dialog.List()->currentItem());
    if (row < 0)
        return std::nullopt;
    return row;
}

} // namespace clavora
