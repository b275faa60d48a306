#include "dialogs/ResultsSummaryPanel.h"

#include "gui/TahomaFont.h"

#include <QPainter>

namespace clavora {

namespace {

constexpr int PanelWidth = 380;
constexpr int Margin = 5;
constexpr int HeadingHeight = 24;
constexpr int RuleY = 30;
constexpr int TitleTop = 40;
constexpr int TitleHeight = 18;
constexpr int TitleRightMargin = 15;
// The figures start 45 pixels below a one-line title and move down with every wrapped line.
constexpr int FiguresBelowTitleTop = 45;
constexpr int RowHeight = 14;
constexpr int RowSpacing = 15;
constexpr int RowLabelX = 25;
constexpr int LabelGap = 4;
constexpr int BottomMargin = 10;
constexpr int NoteGap = 4;
const QColor NoteDimmedColor{110, 110, 110};

} // namespace

const QColor ResultsSummaryPanel::LabelColor = QColor(31, 54, 192);
const QColor ResultsSummaryPanel::ValueColor = QColor(30, 130, 45);

ResultsSummaryPanel::ResultsSummaryPanel(ResultsSummary summary, QWidget* parent)
    : QWidget(parent), m_summary(std::move(summary))
{
    setAutoFillBackground(false);
    setMinimumWidth(PanelWidth);
}

QSize ResultsSummaryPanel::sizeHint() const
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    const int width = std::max(PanelWidth, this->width());
    return {PanelWidth, DrawResultsSummary(painter, m_summary, width)};
}

int ResultsSummaryPanel::DrawResultsSummary(QPainter& painter, const ResultsSummary& summary, int width)
{
    painter.setFont(TahomaFont(HeadingHeight));
    painter.setPen(Qt::black);
    painter.drawText(QRect(Margin, 0, width - 2 * Margin, HeadingHeight + 6), Qt::AlignLeft | Qt::AlignTop,
                     summary.heading);
    painter.drawLine(Margin, RuleY, width - Margin, RuleY);

    painter.setFont(TahomaFont(TitleHeight));
    painter.setPen(LabelColor);
    const int labelWidth = painter.fontMetrics().horizontalAdvance(summary.titleLabel);
    painter.drawText(QPoint(Margin, TitleTop + painter.fontMetrics().ascent()), summary.titleLabel);
    painter.setPen(ValueColor);
    const QRect titleArea(Margin + labelWidth, TitleTop,
                          std::max(1, width - TitleRightMargin - Margin - labelWidth), 10000);
    QRect titleUsed;
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary.title, &titleUsed);
    const int titleLines = std::max(1, (titleUsed.height() + painter.fontMetrics().height() / 2) /
                                           std::max(1, painter.fontMetrics().height()));

    painter.setFont(TahomaFont(RowHeight));
    int top = TitleTop + FiguresBelowTitleTop + (titleLines - 1) * painter.fontMetrics().height();
    const int ascent = painter.fontMetrics().ascent();
    // A font wider than the one the positions were made for moves all values right together.
    int shift = 0;
    for (const SummaryRow& row : summary.rows)
        shift = std::max(shift, RowLabelX + painter.fontMetrics().horizontalAdvance(row.label) + LabelGap -
                                    row.valueX);
    for (const SummaryRow& row : summary.rows) {
        painter.setPen(LabelColor);
        painter.drawText(QPoint(RowLabelX, top + ascent), row.label);
        painter.setPen(ValueColor);
        painter.drawText(QPoint(row.valueX + shift, top + ascent), row.value);
        top += RowSpacing;
    }
    // The notes follow the rows, wrapped to the panel, so no row moves for them.
    painter.setPen(summary.dimmed ? NoteDimmedColor : LabelColor);
    for (const QString& note : summary.notes) {
        QRect used;
        painter.drawText(QRect(RowLabelX, top + NoteGap, std::max(1, width - RowLabelX - Margin), 1000),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note, &used);
        top += NoteGap + used.height();
    }
    return top + BottomMargin;
}

void ResultsSummaryPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    DrawResultsSummary(painter, m_summary, width());
}

} // namespace clavora
