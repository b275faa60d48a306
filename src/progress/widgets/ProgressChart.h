#pragma once

#include "progress/ChartAxes.h"
#include "progress/ChartSeries.h"

#include <functional>
#include <QList>
#include <QPixmap>
#include <QPolygonF>
#include <QWidget>

namespace clavora {

// The progress chart: one line per results series over time, with a legend whose entries show
// or hide their series. Exercise series share a speed axis on the left, games a score axis on
// the right; the time axis carries dates. Hovering a point shows its record.
class ProgressChart final : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget* parent = nullptr);

    void SetSeries(const QList<ChartSeries>& series);
    // Where the text for a hovered point comes from; without one, from the point as loaded.
    using TooltipSource = std::function<QString(const ChartSeries& series, const HistoryPoint& point)>;
    void SetTooltipSource(TooltipSource source) { m_tooltipSource = std::move(source); }
    const QList<ChartSeries>& Series() const { return m_series; }
    bool IsSeriesShown(qsizetype index) const;
    void SetSeriesShown(qsizetype index, bool shown);
    static QColor SeriesColour(qsizetype index);

    QSize sizeHint() const override { return {720, 420}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Hit
    {
        qsizetype series = -1;
        qsizetype point = -1;
    };
    // Everything painting needs, worked out once per size and choice of series.
    struct Layout
    {
        bool valid = false;
        QList<QRectF> chips;
        qreal legendBottom = 0.0;
        QRectF plot;
        qint64 from = 0;
        qint64 to = 1;
        bool hasSpeed = false;
        bool hasScore = false;
        ValueAxis speedAxis;
        ValueAxis scoreAxis;
        QString scoreUnit;
        QList<double> seriesMaximum; // the value drawn at the top of the plot, per series
        QList<TimeTick> ticks;
        QList<QPolygonF> lines;    // per series; empty when hidden
        QList<QList<QRect>> bands; // per series: the spread of a condensed history
        QList<QPolygonF> markers;  // per series; only when the points are far enough apart
    };

    void Invalidate();
    const Layout& CurrentLayout() const;
    void BuildLayout(Layout& layout) const;
    QPointF PointPosition(const Layout& layout, qsizetype series, qsizetype point) const;
    Hit HitAt(const QPointF& position) const;
    void PaintChart(QPainter& painter, const Layout& layout) const;
    void PaintLegend(QPainter& painter, const Layout& layout) const;
    void PaintAxes(QPainter& painter, const Layout& layout) const;
    void PaintSeries(QPainter& painter, const Layout& layout) const;

    QList<ChartSeries> m_series;
    QList<bool> m_shown;
    Hit m_hover;
    mutable Layout m_layout;
    QPixmap m_picture;
    TooltipSource m_tooltipSource;
};

} // namespace clavora
