#include "progress/widgets/ProgressChart.h"

#include <algorithm>
#include <cmath>
#include <QEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>

namespace clavora {

namespace {

const QColor GridColour(250, 250, 250);
constexpr int VerticalGridLines = 49; // one every 2 % of the width
constexpr qreal LegendHeight = 30.0;
constexpr qreal Margin = 10.0;
constexpr qreal MinMarkerSpacing = 7.0;
constexpr qreal DenseSpacing = 3.0; // closer points are condensed per column
constexpr qreal DenseColumns = 240.0;
constexpr qreal HitRadius = 10.0;
constexpr qreal LineWidth = 2.0;
constexpr qsizetype LineRun = 32;

QFont SmallFont(const QFont& font)
{
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 0.9 : 9.0);
    return small;
}

QString AxisNumber(double value)
{
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
}

// A history too dense to draw point by point: per column of a few pixels, the spread of its
// points as a vertical band and their mean as the line, so ten thousand results still draw as a
// readable trend in a few milliseconds.
struct Condensed
{
    QPolygonF line;
    QList<QRect> band;
};

Condensed Condense(const QPolygonF& points, qreal columnWidth)
{
    Condensed condensed;
    qsizetype start = 0;
    while (start < points.size()) {
        const qreal column = std::floor(points[start].x() / columnWidth);
        qreal top = points[start].y();
        qreal bottom = top;
        qreal sumX = 0.0;
        qreal sumY = 0.0;
        qsizetype end = start;
        for (; end < points.size() && std::floor(points[end].x() / columnWidth) == column; ++end) {
            top = std::min(top, points[end].y());
            bottom = std::max(bottom, points[end].y());
            sumX += points[end].x();
            sumY += points[end].y();
        }
        const qreal count = qreal(end - start);
        condensed.line.append(QPointF(sumX / count, sumY / count));
        if (bottom - top >= 1.0)
            condensed.band.append(QRect(QPoint(int(column * columnWidth) + 1, int(top)),
                                        QPoint(int((column + 1) * columnWidth) - 1, int(bottom))));
        start = end;
    }
    return condensed;
}

} // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Button);
}

QColor ProgressChart::SeriesColour(qsizetype index)
{
    static const QColor Colours[] = {QColor(31, 54, 192), QColor(222, 110, 20), QColor(30, 150, 80),
                                     QColor(150, 60, 170), QColor(200, 40, 70)};
    return Colours[size_t(index) % std::size(Colours)];
}

void ProgressChart::SetSeries(const QList<ChartSeries>& series)
{
    const bool sameSeries = series.size() == m_series.size();
    m_series = series;
    if (!sameSeries)
        m_shown = QList<bool>(series.size(), true);
    m_hover = {};
    Invalidate();
}

bool ProgressChart::IsSeriesShown(qsizetype index) const
{
    return index >= 0 && index < m_shown.size() && m_shown[index];
}

void ProgressChart::SetSeriesShown(qsizetype index, bool shown)
{
    if (index < 0 || index >= m_shown.size() || m_shown[index] == shown)
        return;
    m_shown[index] = shown;
    m_hover = {};
    Invalidate();
}

void ProgressChart::Invalidate()
{
    m_layout.valid = false;
    update();
}

const ProgressChart::Layout& ProgressChart::CurrentLayout() const
{
    if (!m_layout.valid) {
        m_layout = Layout();
        BuildLayout(m_layout);
        m_layout.valid = true;
    }
    return m_layout;
}

void ProgressChart::BuildLayout(Layout& layout) const
{
    const QFontMetricsF metrics(font());
    const QFontMetricsF small(SmallFont(font()));
    QPointF at(Margin, Margin);
    for (const ChartSeries& series : m_series) {
        const QString text = QStringLiteral("%1 (%2)").arg(series.name).arg(series.history.points.size());
        const qreal chipWidth = 34.0 + metrics.horizontalAdvance(text) + 12.0;
        if (at.x() > Margin && at.x() + chipWidth > width() - Margin)
            at = QPointF(Margin, at.y() + LegendHeight);
        layout.chips.append(QRectF(at, QSizeF(chipWidth, LegendHeight - 6.0)));
        at.rx() += chipWidth + 8.0;
    }
    layout.legendBottom = at.y() + LegendHeight;

    qint64 from = std::numeric_limits<qint64>::max();
    qint64 to = std::numeric_limits<qint64>::min();
    double speedMax = 0.0;
    double scoreMax = 0.0;
    int shownGames = 0;
    for (qsizetype s = 0; s < m_series.size(); ++s) {
        const ResultHistory& history = m_series[s].history;
        if (!IsSeriesShown(s) || history.points.isEmpty())
            continue;
        from = std::min(from, history.points.front().timestamp);
        to = std::max(to, history.points.back().timestamp);
        if (m_series[s].isGame) {
            scoreMax = std::max(scoreMax, history.maximum);
            ++shownGames;
        } else {
            speedMax = std::max(speedMax, history.maximum);
        }
    }
    layout.hasSpeed = speedMax > 0.0;
    layout.hasScore = shownGames > 0;
    if (!layout.hasSpeed && !layout.hasScore)
        return;
    if (to - from < 3600) {
        const qint64 middle = from + (to - from) / 2;
        from = middle - 43200;
        to = middle + 43200;
    }
    const qint64 pad = std::max<qint64>(1, (to - from) / 40);
    layout.from = from - pad;
    layout.to = to + pad;

    const qreal labelWidth = small.horizontalAdvance(QStringLiteral("00000")) + 8.0;
    const qreal top = layout.legendBottom + small.height() + 6.0;
    const qreal left = Margin + labelWidth;
    const qreal right = width() - Margin - (layout.hasScore && layout.hasSpeed ? labelWidth : 4.0);
    const qreal bottom = height() - Margin - small.height() * 2.0 - 6.0;
    layout.plot =
        QRectF(QPointF(left, top), QPointF(std::max(left + 10.0, right), std::max(top + 10.0, bottom)));
    const int valueTicks = std::clamp(int(layout.plot.height() / (small.height() * 2.5)), 2, 10);
    layout.speedAxis = ChartAxes::ValueAxisFor(speedMax, valueTicks);
    const int steps = int(std::lround(layout.speedAxis.maximum / layout.speedAxis.step));
    // One game is drawn in its own points; several are each drawn against their best score, as a
    // share of it, so a game of small scores is not flattened by one of large scores.
    const double scoreTop = shownGames == 1 ? scoreMax : 100.0;
    layout.scoreAxis = layout.hasSpeed ? ChartAxes::ValueAxisWithSteps(scoreTop, steps)
                                       : ChartAxes::ValueAxisFor(scoreTop, valueTicks);
    layout.scoreUnit =
        shownGames == 1 ? QStringLiteral("Game score") : QStringLiteral("% of best game score");
    const qreal dateWidth = small.horizontalAdvance(QStringLiteral("30 Sep 2030")) + 16.0;
    layout.ticks =
        ChartAxes::TimeTicks(layout.from, layout.to, std::max(2, int(layout.plot.width() / dateWidth)));

    for (qsizetype s = 0; s < m_series.size(); ++s) {
        const ChartSeries& series = m_series[s];
        if (!series.isGame)
            layout.seriesMaximum.append(layout.speedAxis.maximum);
        else if (shownGames == 1)
            layout.seriesMaximum.append(layout.scoreAxis.maximum);
        else
            layout.seriesMaximum.append(series.history.maximum * layout.scoreAxis.maximum / 100.0);
    }
    for (qsizetype s = 0; s < m_series.size(); ++s) {
        QPolygonF points;
        if (IsSeriesShown(s)) {
            points.reserve(m_series[s].history.points.size());
            for (qsizetype p = 0; p < m_series[s].history.points.size(); ++p)
                points.append(PointPosition(layout, s, p));
        }
        const qreal spacing = points.size() <= 1 ? MinMarkerSpacing : layout.plot.width() / points.size();
        layout.markers.append(spacing >= MinMarkerSpacing ? points : QPolygonF());
        if (spacing >= DenseSpacing) {
            layout.lines.append(points);
            layout.bands.append(QList<QRect>());
        } else {
            // At most about 240 columns: the mean line shows the trend, the band the spread.
            Condensed condensed =
                Condense(points, std::max(DenseSpacing, layout.plot.width() / DenseColumns));
            layout.lines.append(std::move(condensed.line));
            layout.bands.append(std::move(condensed.band));
        }
    }
}

QPointF ProgressChart::PointPosition(const Layout& layout, qsizetype series, qsizetype point) const
{
    const HistoryPoint& record = m_series[series].history.points[point];
    const double maximum = layout.seriesMaximum[series];
    const qreal x = layout.plot.left() + layout.plot.width() * double(record.timestamp - layout.from) /
                                             double(layout.to - layout.from);
    const qreal y =
        layout.plot.bottom() - layout.plot.height() * std::clamp(record.value / maximum, 0.0, 1.0);
    return {x, y};
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The drawing is kept at the target's pixel ratio and drawn anew only when the data, the
    // choice of series, the size or the look change; hovering and exposing only copy it.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    const bool fresh = m_layout.valid && m_picture.devicePixelRatio() == ratio &&
                       m_picture.deviceIndependentSize() == QSizeF(size());
    if (!fresh) {
        m_picture = QPixmap(size() * ratio);
        m_picture.setDevicePixelRatio(ratio);
        QPainter picture(&m_picture);
        PaintChart(picture, CurrentLayout());
    }
    painter.drawPixmap(0, 0, m_picture);
    if (m_hover.series >= 0) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(SeriesColour(m_hover.series), 2.0));
        painter.setBrush(palette().base());
        painter.drawEllipse(PointPosition(CurrentLayout(), m_hover.series, m_hover.point), 5.5, 5.5);
    }
}

void ProgressChart::PaintChart(QPainter& painter, const Layout& layout) const
{
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    PaintLegend(painter, layout);
    if (!layout.hasSpeed && !layout.hasScore) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(rect().adjusted(20, int(layout.legendBottom), -20, -20),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("No results yet. Finished lessons, tests and games appear here."));
        return;
    }
    PaintAxes(painter, layout);
    PaintSeries(painter, layout);
}

void ProgressChart::PaintLegend(QPainter& painter, const Layout& layout) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (qsizetype s = 0; s < m_series.size(); ++s) {
        const QRectF chip = layout.chips[s];
        const bool empty = m_series[s].history.points.isEmpty();
        const bool shown = IsSeriesShown(s) && !empty;
        QColor colour = SeriesColour(s);
        if (!shown)
            colour.setAlpha(90);
        painter.setPen(shown ? QPen(colour, 1.0) : QPen(palette().color(QPalette::Mid), 1.0));
        painter.setBrush(shown ? palette().base() : Qt::NoBrush);
        painter.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), 6.0, 6.0);
        const qreal midY = chip.center().y();
        painter.setPen(QPen(colour, LineWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(chip.left() + 8.0, midY), QPointF(chip.left() + 26.0, midY));
        painter.setBrush(palette().base());
        painter.drawEllipse(QPointF(chip.left() + 17.0, midY), 3.0, 3.0);
        painter.setPen(palette().color(shown ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        painter.drawText(
            chip.adjusted(32.0, 0, -6.0, 0), Qt::AlignVCenter | Qt::AlignLeft,
            QStringLiteral("%1 (%2)").arg(m_series[s].name).arg(m_series[s].history.points.size()));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void ProgressChart::PaintAxes(QPainter& painter, const Layout& layout) const
{
    const QRectF plot = layout.plot;
    const QColor textColour = palette().color(QPalette::Text);
    const QColor axisColour = palette().color(QPalette::Mid);
    painter.setFont(SmallFont(font()));
    const QFontMetricsF small(painter.font());

    // The fixed grid: 49 vertical lines at every 2 % of the width, then one line per value step.
    painter.setPen(QPen(GridColour, 0));
    QVarLengthArray<QLineF, 64> grid;
    for (int i = 1; i <= VerticalGridLines; ++i) {
        const qreal x = std::round(plot.left() + plot.width() * i / 50.0) + 0.5;
        grid.append(QLineF(x, plot.top(), x, plot.bottom()));
    }
    const ValueAxis& values = layout.hasSpeed ? layout.speedAxis : layout.scoreAxis;
    const int steps = int(std::lround(values.maximum / values.step));
    for (int i = 1; i <= steps; ++i) {
        const qreal y = std::round(plot.bottom() - plot.height() * i / steps) + 0.5;
        grid.append(QLineF(plot.left(), y, plot.right(), y));
    }
    painter.drawLines(grid.constData(), int(grid.size()));

    painter.setPen(QPen(axisColour, 0));
    const qreal bottomY = std::round(plot.bottom()) + 0.5;
    painter.drawLine(QLineF(plot.left(), bottomY, plot.right(), bottomY));
    painter.setPen(textColour);
    const auto valueLabels = [&](const ValueAxis& axis, bool leftSide, const QString& unit) {
        const qreal edge = leftSide ? plot.left() - 6.0 : plot.right() + 6.0;
        const Qt::Alignment align = (leftSide ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        for (int i = 0; i <= steps; ++i) {
            const qreal y = plot.bottom() - plot.height() * i / steps;
            const QRectF box =
                leftSide ? QRectF(0, y - 10, edge, 20) : QRectF(edge, y - 10, width() - edge, 20);
            painter.drawText(box, align, AxisNumber(axis.maximum * i / steps));
        }
        const qreal unitY = plot.top() - small.height() - 4.0;
        const QRectF unitBox = leftSide ? QRectF(Margin, unitY, 120, small.height())
                                        : QRectF(plot.right() - 240, unitY, 240 + 6.0, small.height());
        painter.drawText(unitBox, (leftSide ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, unit);
    };
    if (layout.hasSpeed)
        valueLabels(layout.speedAxis, true, QStringLiteral("Net WPM"));
    if (layout.hasScore)
        valueLabels(layout.scoreAxis, !layout.hasSpeed, layout.scoreUnit);

    for (const TimeTick& tick : layout.ticks) {
        const qreal x = std::round(plot.left() + plot.width() * double(tick.seconds - layout.from) /
                                                     double(layout.to - layout.from)) +
                        0.5;
        painter.setPen(QPen(axisColour, 0));
        painter.drawLine(QLineF(x, bottomY, x, bottomY + 4.0));
        painter.setPen(textColour);
        painter.drawText(QRectF(x - 60.0, bottomY + 6.0, 120.0, small.height()),
                         Qt::AlignHCenter | Qt::AlignTop, tick.label);
    }
}

void ProgressChart::PaintSeries(QPainter& painter, const Layout& layout) const
{
    // The bands first, on whole pixels without anti-aliasing: the fast way to fill many columns.
    for (qsizetype s = 0; s < layout.bands.size(); ++s) {
        QColor spread = SeriesColour(s);
        spread.setAlpha(60);
        for (const QRect& column : layout.bands[s])
            painter.fillRect(column, spread);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (qsizetype s = 0; s < layout.lines.size(); ++s) {
        if (layout.lines[s].isEmpty())
            continue;
        const QColor colour = SeriesColour(s);
        painter.setPen(QPen(colour, LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // Short runs: the stroker's cost grows much faster than the length of one long polyline.
        const QPolygonF& line = layout.lines[s];
        for (qsizetype start = 0; start + 1 < line.size(); start += LineRun - 1)
            painter.drawPolyline(line.constData() + start, int(std::min(LineRun, line.size() - start)));
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(palette().base());
        for (const QPointF& point : layout.markers[s])
            painter.drawEllipse(point, 3.0, 3.0);
    }
    painter.setBrush(Qt::NoBrush);
}

ProgressChart::Hit ProgressChart::HitAt(const QPointF& position) const
{
    const Layout& layout = CurrentLayout();
    Hit best;
    qreal bestDistance = HitRadius;
    if (!layout.hasSpeed && !layout.hasScore)
        return best;
    const double span = double(layout.to - layout.from);
    const auto timeAt = [&](qreal x) {
        return layout.from + qint64((x - layout.plot.left()) / layout.plot.width() * span);
    };
    const qint64 earliest = timeAt(position.x() - HitRadius);
    const qint64 latest = timeAt(position.x() + HitRadius);
    for (qsizetype s = 0; s < m_series.size(); ++s) {
        if (!IsSeriesShown(s))
            continue;
        const auto& points = m_series[s].history.points;
        auto it = std::lower_bound(points.cbegin(), points.cend(), earliest,
                                   [](const HistoryPoint& p, qint64 t) { return p.timestamp < t; });
        for (; it != points.cend() && it->timestamp <= latest; ++it) {
            const qsizetype index = it - points.cbegin();
            const qreal distance = QLineF(PointPosition(layout, s, index), position).length();
            if (distance < bestDistance) {
                bestDistance = distance;
                best = {s, index};
            }
        }
    }
    return best;
}

void ProgressChart::mouseMoveEvent(QMouseEvent* event)
{
    const Hit hit = HitAt(event->position());
    if (hit.series == m_hover.series && hit.point == m_hover.point)
        return;
    m_hover = hit;
    update();
    if (hit.series < 0) {
        QToolTip::hideText();
        return;
    }
    const ChartSeries& series = m_series[hit.series];
    const HistoryPoint& point = series.history.points[hit.point];
    QToolTip::showText(event->globalPosition().toPoint(),
                       m_tooltipSource ? m_tooltipSource(series, point) : PointTooltip(point, series.isGame),
                       this);
}

void ProgressChart::mousePressEvent(QMouseEvent* event)
{
    const Layout& layout = CurrentLayout();
    for (qsizetype s = 0; s < layout.chips.size(); ++s) {
        if (layout.chips[s].contains(event->position()) && !m_series[s].history.points.isEmpty()) {
            SetSeriesShown(s, !IsSeriesShown(s));
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void ProgressChart::leaveEvent(QEvent* event)
{
    if (m_hover.series >= 0) {
        m_hover = {};
        update();
    }
    QWidget::leaveEvent(event);
}

void ProgressChart::resizeEvent(QResizeEvent* event)
{
    m_layout.valid = false;
    QWidget::resizeEvent(event);
}

void ProgressChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        Invalidate();
    QWidget::changeEvent(event);
}

} // namespace clavora
