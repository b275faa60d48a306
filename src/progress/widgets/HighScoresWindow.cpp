#include "progress/widgets/HighScoresWindow.h"

#include "gui/TahomaFont.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace clavora {

namespace {

const QColor HeadingColour(30, 130, 45);
const QColor NameColour(31, 54, 192);
constexpr int HeadingHeight = 20;
constexpr int RowHeight = 16;
constexpr int LineSpacing = 26;

// The painted list inside the scroll area.
class HighScoresList final : public QWidget
{
public:
    explicit HighScoresList(const QList<HighScoreRow>& rows, QWidget* parent)
        : QWidget(parent), m_rows(rows), m_colours(HighScores::SpeedColours(rows.size()))
    {
        setMinimumSize(340, int(LineSpacing * (rows.size() + 3) + 16));
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const int left = 20;
        const int speedColumn = width() - 90;
        painter.setFont(TahomaFont(HeadingHeight));
        painter.setPen(HeadingColour);
        painter.drawText(QRect(left, 10, width() - 2 * left, LineSpacing), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("High Scores"));
        painter.setFont(TahomaFont(RowHeight));
        painter.setPen(palette().color(QPalette::Text));
        int y = 10 + LineSpacing + 6;
        painter.drawText(QRect(left, y, speedColumn - left, LineSpacing), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("User"));
        painter.drawText(QRect(speedColumn, y, width() - speedColumn - left, LineSpacing),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("WPM:"));
        y += LineSpacing;
        painter.drawLine(left, y, width() - left, y);
        y += 4;
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            painter.setPen(NameColour);
            const QRect nameBox(left, y, speedColumn - left - 8, LineSpacing);
            painter.drawText(
                nameBox, Qt::AlignLeft | Qt::AlignVCenter,
                painter.fontMetrics().elidedText(m_rows[i].user, Qt::ElideRight, nameBox.width()));
            painter.setPen(QColor::fromRgb(m_colours[i]));
            painter.drawText(QRect(speedColumn, y, width() - speedColumn - left, LineSpacing),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::asprintf("%d", m_rows[i].wpm));
            y += LineSpacing;
        }
    }

private:
    QList<HighScoreRow> m_rows;
    QList<quint32> m_colours;
};

} // namespace

HighScoresWindow::HighScoresWindow(const QList<HighScoreRow>& rows, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("High Scores"));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(new HighScoresList(rows, scroll));
    layout->addWidget(scroll, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(400, std::min(600, int(LineSpacing * (rows.size() + 3) + 100)));
}

} // namespace clavora
