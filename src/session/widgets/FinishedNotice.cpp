#include "session/widgets/FinishedNotice.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace clavora {

namespace {
constexpr int IconSize = 48;
} // namespace

FinishedNotice::FinishedNotice(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_closeTimer(new QTimer(this))
{
    setModal(true);
    setObjectName(QStringLiteral("FinishedNotice"));
    // Named for window lists and assistive tools, though the frame shows no title.
    setWindowTitle(QStringLiteral("Finished"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* icon = new QLabel(frame);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(IconSize, IconSize));
    auto* heading = new QLabel(QStringLiteral("Finished"), frame);
    heading->setObjectName(QStringLiteral("heading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    heading->setFont(headingFont);
    auto* reminder = new QLabel(QStringLiteral("Remember to strive for accuracy."), frame);
    reminder->setObjectName(QStringLiteral("reminder"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(reminder);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(24, 18, 24, 18);
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts);

    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(ShownMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QDialog::accept);
    connect(this, &QDialog::finished, m_closeTimer, &QTimer::stop);
}

void FinishedNotice::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOverParent();
    m_closeTimer->start();
}

void FinishedNotice::CentreOverParent()
{
    adjustSize();
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    if (!over)
        return;
    const QPoint centre = over->mapToGlobal(over->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
}

} // namespace clavora
