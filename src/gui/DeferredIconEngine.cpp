#include "gui/DeferredIconEngine.h"

#include <QPainter>

namespace clavora {

DeferredIconEngine::DeferredIconEngine(Files files) : m_files(std::move(files)) {}

QIcon DeferredIconEngine::Icon(Files files)
{
    return QIcon(new DeferredIconEngine(std::move(files)));
}

const QIcon& DeferredIconEngine::Loaded()
{
    if (!m_isLoaded) {
        for (const auto& [file, size] : std::as_const(m_files))
            m_loaded.addFile(file, size);
        m_isLoaded = true;
    }
    return m_loaded;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Loaded().pixmap(size, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return Loaded().pixmap(size, scale, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    // The largest picture that fits, else the smallest one scaled down to fit.
    QSize best;
    for (const auto& entry : std::as_const(m_files)) {
        const QSize picture = entry.second;
        const bool fits = picture.width() <= size.width() && picture.height() <= size.height();
        const bool bestFits =
            best.isValid() && best.width() <= size.width() && best.height() <= size.height();
        if (!best.isValid() || (fits && (!bestFits || picture.width() > best.width())) ||
            (!fits && !bestFits && picture.width() < best.width()))
            best = picture;
    }
    if (!best.isValid())
        return {};
    return best.width() <= size.width() && best.height() <= size.height()
               ? best
               : best.scaled(size, Qt::KeepAspectRatio);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const auto& entry : std::as_const(m_files))
        sizes.append(entry.second);
    return sizes;
}

QIconEngine* DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(m_files);
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

bool DeferredIconEngine::isNull()
{
    return m_files.isEmpty();
}

} // namespace clavora
