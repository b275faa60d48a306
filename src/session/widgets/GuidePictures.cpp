#include "session/widgets/GuidePictures.h"

#include "platform/ResourceStore.h"
#include "session/SessionLog.h"

#include <QImageReader>

namespace clavora {

namespace {

QString PicturePath(int number, int scale)
{
    return (scale == 2 ? QStringLiteral(":/res2x/") : QStringLiteral(":/res/")) + QString::number(number);
}

QPixmap Decode(int number, int scale)
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
    return QPixmap::fromImage(std::move(image));
}

} // namespace

int GuidePictures::ScaleForRatio(qreal devicePixelRatio)
{
    // Scaling the large drawings down looks better than scaling the small ones up.
    return devicePixelRatio > 1.0 ? 2 : 1;
}

void GuidePictures::Load(const QList<int>& numbers, qreal devicePixelRatio)
{
    const int scale = ScaleForRatio(devicePixelRatio);
    if (scale == m_scale)
        return;
    ResourceStore::EnsureRegistered();
    m_pictures.clear();
    m_pictures.reserve(numbers.size());
    for (const int number : numbers)
        m_pictures.insert(number, Decode(number, scale));
    m_scale = scale;
}

} // namespace clavora
