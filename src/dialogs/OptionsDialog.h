#pragma once

#include <functional>
#include <QDialog>

class QDialogButtonBox;
class QTabWidget;

namespace clavora {

class GeneralOptions;
class GeneralOptionsPage;
class SoundOptions;
class SoundOptionsPage;

// "Clavora Options": the general page and the sound page; OK stores both.
class OptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    using OpenHelp = std::function<void(const QString& topic)>;
    static const QString GeneralTopic;
    static const QString SoundsTopic;

    OptionsDialog(GeneralOptions& general, SoundOptions& sounds, OpenHelp openHelp,
                  QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }
    GeneralOptionsPage* General() const { return m_general; }
    SoundOptionsPage* Sounds() const { return m_sounds; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;

private:
    QTabWidget* m_pages;
    GeneralOptionsPage* m_general;
    SoundOptionsPage* m_sounds;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
