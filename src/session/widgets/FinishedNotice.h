#pragma once

#include <QDialog>

class QTimer;

namespace clavora {

// The modal notice at the end of an exercise: "Finished" and a reminder, centred over its parent,
// without a title bar. It closes itself after two seconds; its finished() signal tells when.
class FinishedNotice final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ShownMs = 2000;

    explicit FinishedNotice(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CentreOverParent();

    QTimer* m_closeTimer;
};

} // namespace clavora
