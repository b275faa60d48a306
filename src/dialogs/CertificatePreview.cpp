#include "dialogs/CertificatePreview.h"

#include "dialogs/CertificatePage.h"

#include <QPageSize>
#include <QPainter>

namespace clavora {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr int PreviewWidth = 440;
constexpr int ShadowOffset = 3;

} // namespace

CertificatePreview::CertificatePreview(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CertificatePreview::SetRecord(const CertificateRecord& record)
{
    m_record = record;
    update();
}

QSizeF CertificatePreview::PageSizeInPoints(PaperForm paper)
{
    const QSizeF portrait =
        QPageSize(paper == PaperForm::A4 ? QPageSize::A4 : QPageSize::Letter).size(QPageSize::Point);
    return portrait.transposed();
}

QSize CertificatePreview::sizeHint() const
{
    const QSizeF page = PageSizeInPoints(m_record.paper);
    return {PreviewWidth, int(PreviewWidth * page.height() / page.width()) + ShadowOffset};
}

void CertificatePreview::paintEvent(QPaintEvent*)
{
    const QSizeF page = PageSizeInPoints(m_record.paper);
    const QSizeF room = QSizeF(size()) - QSizeF(ShadowOffset, ShadowOffset);
    const double scale = std::min(room.width() / page.width(), room.height() / page.height());
    const QSizeF shown = page * scale;
    const QRectF sheet(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(sheet.translated(ShadowOffset, ShadowOffset), QColor(0, 0, 0, 60));
    painter.fillRect(sheet, Qt::white);
    painter.translate(sheet.topLeft());
    painter.scale(scale, scale);
    CertificatePage::Draw(painter, QRectF(QPointF(), page), m_record, PointsPerInch);
}

} // namespace clavora
