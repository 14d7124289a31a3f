#include "ResourceIconEngine.h"

#include "ResourceData.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
} // namespace

ResourceIconEngine::ResourceIconEngine() : m_images(std::make_shared<Images>()) {
    for (int size : kSizes) {
        const QImage image =
            ResourceData::Image(QStringLiteral(":/icon/128-%1.png").arg(size), "PNG");
        if (!image.isNull())
            (*m_images)[size] = image;
    }
}

ResourceIconEngine::ResourceIconEngine(std::shared_ptr<Images> images)
    : m_images(std::move(images)) {}

const QImage& ResourceIconEngine::Nearest(const QSize& size) const {
    static const QImage none;
    if (m_images->empty())
        return none;
    const auto covering = m_images->lower_bound(qMax(size.width(), size.height()));
    return covering != m_images->end() ? covering->second : m_images->rbegin()->second;
}

QPixmap ResourceIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    const QImage& image = Nearest(size);
    if (image.isNull() || size.isEmpty())
        return {};
    if (image.size() == size)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ResourceIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state) {
    const qreal scale = painter->device()->devicePixelRatio();
    QPixmap image = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
    image.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, image);
}

QSize ResourceIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const QImage& image = Nearest(size);
    if (image.isNull())
        return {};
    return image.size().scaled(size.boundedTo(image.size()), Qt::KeepAspectRatio);
}

QList<QSize> ResourceIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const auto& [edge, image] : *m_images)
        sizes << image.size();
    return sizes;
}

QList<QImage> ResourceIconEngine::Sizes() const {
    QList<QImage> sizes;
    for (const auto& [edge, image] : *m_images)
        sizes << image;
    return sizes;
}

QIconEngine* ResourceIconEngine::clone() const {
    return new ResourceIconEngine(m_images);
}
