#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

namespace clavora {

class SoundOptions;

// The options dialog's sound page: the award and error sound options, the sound of every event
// chosen from a drop-down list in its row, a preview, the defaults and the output device.
class SoundOptionsPage final : public QWidget
{
    Q_OBJECT

public:
    enum Column
    {
        AwardColumn,
        EventColumn,
        AssignedColumn,
        DefaultColumn
    };

    explicit SoundOptionsPage(SoundOptions& options, QWidget* parent = nullptr);
    ~SoundOptionsPage() override;

    // Stores the page.
    void Apply();

    QCheckBox* AwardSoundsBox() const { return m_awardSounds; }
    QCheckBox* ErrorSoundsBox() const { return m_errorSounds; }
    QTreeWidget* EventList() const { return m_events; }
    QComboBox* SoundChoice(int row) const;
    QPushButton* PreviewButton() const { return m_preview; }
    QPushButton* DefaultsButton() const { return m_defaults; }
    QComboBox* DeviceList() const { return m_devices; }

private:
    void FillSounds();
    void Preview();

    SoundOptions& m_options;
    QCheckBox* m_awardSounds;
    QCheckBox* m_errorSounds;
    QTreeWidget* m_events;
    QPushButton* m_preview;
    QPushButton* m_defaults;
    QComboBox* m_devices;
};

} // namespace clavora
