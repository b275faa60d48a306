#pragma once

#include "audio/DictationPanelView.h"

#include <QDialog>

class QDialogButtonBox;
class QTreeWidget;

namespace clavora {

// The list of dictations to choose from: title, description and whether its audio is on disk.
class DictationSelectDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit DictationSelectDialog(const QList<DictationRow>& rows, QWidget* parent = nullptr);

    // The index of the chosen row, or nothing when cancelled.
    static std::optional<qsizetype> Run(const QList<DictationRow>& rows, QWidget* parent);

    QTreeWidget* List() const { return m_list; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    QTreeWidget* m_list;
    QDialogButtonBox* m_buttons;
};

} // namespace clavora
