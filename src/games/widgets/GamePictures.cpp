#include "games/widgets/GamePictures.h"

#include "games/GamesLog.h"
#include "platform/ResourceStore.h"

#include <QImageReader>

namespace clavora {

namespace {

QString PicturePath(int number, int scale)
{
    ResourceStore::EnsureRegistered();
    return (scale == 2 ? QStringLiteral(":/res2x/") : QStringLiteral(":/res/")) + QString::number(number);
}

} // namespace

void GamePictures::SetDevicePixelRatio(qreal ratio)
{
    const int scale = ratio > 1.25 ? 2 : 1;
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_pictures.clear();
}

QPixmap GamePictures::Picture(int number) const
{
    const auto known = m_pictures.constFind(number);
    if (known != m_pictures.cend())
        return *known;
    QImage image = QImageReader(PicturePath(number, m_scale)).read();
    int scale = m_scale;
    if (image.isNull() && scale != 1) {
        image = QImageReader(PicturePath(number, 1)).read();
        scale = 1;
    }
    if (image.isNull())
        qCWarning(lcGames) << "Game picture" << number << "is missing";
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    m_pictures.insert(number, pixmap);
    return pixmap;
}

QSizeF GamePictures::LogicalSize(int number) const
{
    const auto known = m_sizes.constFind(number);
    if (known != m_sizes.cend())
        return *known;
    const QSizeF size = QImageReader(PicturePath(number, 1)).size();
    m_sizes.insert(number, size.isValid() ? size : QSizeF());
    return m_sizes.value(number);
}

} // namespace clavora
