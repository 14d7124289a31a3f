#pragma once

#include <QIconEngine>
#include <QImage>
#include <map>
#include <memory>

// The program's icon in each size it is drawn in (:/icon/128-<size>.png).
// Each size is decoded once, at the file's own depth; a pixmap is made only
// when one is asked for and is not kept: the window system takes its copy
// when a window is created, and no full-colour copy of every size stays
// behind.
class ResourceIconEngine : public QIconEngine {
public:
    ResourceIconEngine();
    // Every size as decoded, smallest first.
    QList<QImage> Sizes() const;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return m_images->empty(); }
    QIconEngine* clone() const override;

private:
    using Images = std::map<int, QImage>; // by edge length
    explicit ResourceIconEngine(std::shared_ptr<Images> images);
    // The smallest size that covers the one asked for, else the largest.
    const QImage& Nearest(const QSize& size) const;

    std::shared_ptr<Images> m_images;
};
