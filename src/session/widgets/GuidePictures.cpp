#include "session/widgets/GuidePictures.h"

#include "platform/ResourceStore.h"
#include "session/SessionLog.h"

#include <algorithm>
#include <array>
#include <QImageReader>

namespace clavora {

namespace {

QString PicturePath(int number, int scale)
{
    return (scale == 2 ? QStringLiteral(":/res2x/") : QStringLiteral(":/res/")) + QString::number(number);
}

// The rows of a picture that can be seen, in the painter's own format. Palette pictures are
// looked up straight into it, which is far quicker than the general conversion.
QImage ToPremultiplied(const QImage& image, int rows)
{
    if (image.format() != QImage::Format_Indexed8)
        return image.copy(0, 0, image.width(), rows).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::array<QRgb, 256> colors{}; // indices past a short palette stay transparent
    const QList<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < std::min<qsizetype>(table.size(), 256); ++i)
        colors[static_cast<size_t>(i)] = qPremultiply(table.at(i));
    const int width = image.width();
    QImage converted(width, rows, QImage::Format_ARGB32_Premultiplied);
    const uchar* sourceRow = image.constBits();
    uchar* targetRow = converted.bits();
    for (int y = 0; y < rows; ++y, sourceRow += image.bytesPerLine(), targetRow += converted.bytesPerLine()) {
        auto* target = reinterpret_cast<QRgb*>(targetRow);
        for (int x = 0; x < width; ++x)
            target[x] = colors[sourceRow[x]];
    }
    return converted;
}

QImage Decode(int number, int scale)
{
    QImageReader reader(PicturePath(number, scale));
    QImage image = reader.read();
    if (image.isNull() && scale != 1) {
        // A picture without a high-DPI drawing is shown from the plain one, scaled by the painter.
        return Decode(number, 1);
    }
    if (image.isNull()) {
        qCWarning(lcSession) << "Guide picture" << number << "not available:" << reader.errorString();
        return {};
    }
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

int GuidePictures::ScaleForRatio(qreal devicePixelRatio)
{
    // Scaling the large drawings down looks better than scaling the small ones up.
    return devicePixelRatio > 1.0 ? 2 : 1;
}

void GuidePictures::Load(const QList<int>& numbers, qreal devicePixelRatio, int visibleHeight)
{
    const int scale = ScaleForRatio(devicePixelRatio);
    if (scale == m_scale)
        return;
    ResourceStore::EnsureRegistered();
    m_visibleHeight = std::max(0, visibleHeight);
    m_pictures.clear();
    m_pictures.reserve(numbers.size());
    for (const int number : numbers)
        m_pictures.insert(number, {});
    m_scale = scale;
}

QPixmap GuidePictures::Picture(int number) const
{
    const auto found = m_pictures.find(number);
    if (found == m_pictures.end())
        return {};
    Entry& entry = found.value();
    if (!entry.decoded) {
        entry.decoded = true;
        const QImage decoded = Decode(number, m_scale);
        if (!decoded.isNull()) {
            const qreal scale = decoded.devicePixelRatio();
            const int rows = std::min(decoded.height(), static_cast<int>(m_visibleHeight * scale));
            QImage ready = ToPremultiplied(decoded, rows);
            ready.setDevicePixelRatio(scale);
            entry.ready = QPixmap::fromImage(std::move(ready));
        }
    }
    return entry.ready;
}

} // namespace clavora
