#pragma once

#include "app/ResultsSummary.h"

#include <QWidget>

class QPainter;

namespace clavora {

// Draws the figures of the exercise or game that has just ended: a heading, the title and one
// row per figure, labels in blue and values in green on the button-face colour.
class ResultsSummaryPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsSummaryPanel(ResultsSummary summary, QWidget* parent = nullptr);

    const ResultsSummary& Summary() const { return m_summary; }
    QSize sizeHint() const override;

    // Paints the summary into a panel of the given width; returns the height used.
    static int DrawResultsSummary(QPainter& painter, const ResultsSummary& summary, int width);

    static const QColor LabelColor;
    static const QColor ValueColor;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResultsSummary m_summary;
};

} // namespace clavora
