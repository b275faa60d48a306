#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>
#include <utility>

namespace clavora {

// An icon whose PNG files are read the first time it is drawn. The toolbar shows one tab's
// buttons at a time, and decoding every icon while the window is built delays the window.
class DeferredIconEngine final : public QIconEngine
{
public:
    // Each file with the size of its picture.
    using Files = QList<std::pair<QString, QSize>>;

    explicit DeferredIconEngine(Files files);

    // The icon of those files, read on first use.
    static QIcon Icon(Files files);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    // Answered from the declared sizes, so that laying out a button reads no file.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    const QIcon& Loaded();

    Files m_files;
    QIcon m_loaded;
    bool m_isLoaded = false;
};

} // namespace clavora
