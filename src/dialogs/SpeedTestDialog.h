#pragma once

#include "app/SpeedTestOptions.h"

#include <functional>
#include <optional>
#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QListWidget;
class QRadioButton;

namespace clavora {

// The speed-test options: the test's length in minutes, and either a random built-in test or one
// of the user's imported tests.
class SpeedTestDialog final : public QDialog
{
    Q_OBJECT

public:
    using OpenHelp = std::function<void(const QString& topic)>;
    static const QString HelpTopic;

    SpeedTestDialog(const SpeedTestOptions& options, OpenHelp openHelp, QWidget* parent = nullptr);

    static std::optional<SpeedTestChoice> Run(const SpeedTestOptions& options, OpenHelp openHelp,
                                              QWidget* parent);

    // Set once the dialog was accepted.
    const std::optional<SpeedTestChoice>& Choice() const { return m_choice; }

    QComboBox* DurationField() const { return m_duration; }
    QRadioButton* BuiltInOption() const { return m_builtIn; }
    QRadioButton* ImportedOption() const { return m_imported; }
    QListWidget* ImportedList() const { return m_importedList; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;

private:
    const SpeedTestOptions& m_options;
    QComboBox* m_duration;
    QRadioButton* m_builtIn;
    QRadioButton* m_imported;
    QListWidget* m_importedList;
    QDialogButtonBox* m_buttons;
    std::optional<SpeedTestChoice> m_choice;
};

} // namespace clavora
