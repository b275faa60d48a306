#include "dialogs/SoundOptionsPage.h"

#include "audio/SoundOptions.h"
#include "gui/BalloonTip.h"

#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace clavora {

SoundOptionsPage::SoundOptionsPage(SoundOptions& options, QWidget* parent)
    : QWidget(parent), m_options(options),
      m_awardSounds(new QCheckBox(QStringLiteral("Play a sound when I earn an &award"))),
      m_errorSounds(new QCheckBox(QStringLiteral("Play a sound when I type a &wrong key"))),
      m_events(new QTreeWidget), m_preview(new QPushButton(QStringLiteral("&Preview"))),
      m_defaults(new QPushButton(QStringLiteral("&Restore Defaults"))), m_devices(new QComboBox)
{
    m_awardSounds->setChecked(options.PlayAwardSounds());
    m_errorSounds->setChecked(options.PlayErrorSounds());

    m_events->setHeaderLabels({QStringLiteral("Award"), QStringLiteral("Event"),
                               QStringLiteral("Assigned Sound"), QStringLiteral("Default Sound")});
    m_events->setColumnHidden(AwardColumn, true);
    m_events->setRootIsDecorated(false);
    m_events->setSelectionMode(QAbstractItemView::SingleSelection);
    m_events->header()->setStretchLastSection(true);
    for (const SoundOptions::Row& row : options.Rows()) {
        auto* item = new QTreeWidgetItem(m_events);
        item->setText(AwardColumn, row.award ? QString::number(*row.award) : QString());
        item->setText(EventColumn, row.eventName);
        item->setText(DefaultColumn, row.defaultSound);
    }
    FillSounds();
    m_events->resizeColumnToContents(EventColumn);
    const QFontMetrics metrics(m_events->header()->font());
    int assignedWidth = metrics.horizontalAdvance(m_events->headerItem()->text(AssignedColumn)) + 24;
    for (int row = 0; row < m_events->topLevelItemCount(); ++row)
        assignedWidth = std::max(assignedWidth, SoundChoice(row)->sizeHint().width() + 8);
    m_events->setColumnWidth(AssignedColumn, assignedWidth);

    for (const SoundOutputDevice& device : options.Devices())
        m_devices->addItem(device.description, device.choice);
    m_devices->setCurrentIndex(options.DeviceIndex());
    m_devices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_devices->setMinimumContentsLength(30);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_preview);
    buttons->addStretch(1);
    buttons->addWidget(m_defaults);
    auto* device = new QFormLayout;
    device->addRow(QStringLiteral("Play sounds &on:"), m_devices);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_awardSounds);
    layout->addWidget(m_errorSounds);
    layout->addWidget(m_events, 1);
    layout->addLayout(buttons);
    layout->addLayout(device);

    m_preview->setEnabled(false);
    connect(m_events, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_preview->setEnabled(m_events->selectedItems().size() == 1); });
    connect(m_preview, &QPushButton::clicked, this, &SoundOptionsPage::Preview);
    connect(m_defaults, &QPushButton::clicked, this, [this] {
        m_options.RestoreDefaults();
        FillSounds();
    });
    connect(m_devices, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_options.SetDeviceIndex(index); });
}

SoundOptionsPage::~SoundOptionsPage()
{
    m_options.StopPreview();
}

QComboBox* SoundOptionsPage::SoundChoice(int row) const
{
    return qobject_cast<QComboBox*>(m_events->itemWidget(m_events->topLevelItem(row), AssignedColumn));
}

void SoundOptionsPage::FillSounds()
{
    for (int row = 0; row < m_options.Rows().size(); ++row) {
        QTreeWidgetItem* item = m_events->topLevelItem(row);
        auto* choice = new QComboBox;
        choice->addItems(m_options.AvailableSounds());
        const QString assigned = m_options.Rows()[row].assignedSound;
        // A sound whose file is gone is still shown as assigned, so nothing changes unasked.
        if (choice->findText(assigned) < 0)
            choice->addItem(assigned);
        choice->setCurrentText(assigned);
        connect(choice, &QComboBox::currentTextChanged, this, [this, row, item](const QString& sound) {
            m_options.SetAssignedSound(row, sound);
            m_events->setCurrentItem(item);
        });
        m_events->setItemWidget(item, AssignedColumn, choice);
    }
}

void SoundOptionsPage::Preview()
{
    const QList<QTreeWidgetItem*> selected = m_events->selectedItems();
    const int row = selected.size() == 1 ? m_events->indexOfTopLevelItem(selected.first()) : -1;
    switch (m_options.Preview(row)) {
    case SoundOptions::PreviewResult::NoSelection:
        ShowBalloonTip(m_events, QStringLiteral("Preview"), SoundOptions::PreviewHint);
        break;
    case SoundOptions::PreviewResult::Failed:
        QMessageBox::critical(this, SoundOptions::PreviewErrorTitle, SoundOptions::PreviewErrorText);
        break;
    case SoundOptions::PreviewResult::Playing:
        break;
    }
}

void SoundOptionsPage::Apply()
{
    m_options.SetPlayAwardSounds(m_awardSounds->isChecked());
    m_options.SetPlayErrorSounds(m_errorSounds->isChecked());
    m_options.Apply();
}

} // namespace clavora
