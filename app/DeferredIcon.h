#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>

// An icon made the first time it is drawn or measured, not when it is
// handed over: for icons a widget asks for as it is built but may never
// show.
class DeferredIcon : public QIconEngine {
public:
    static QIcon Create(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}
    const QIcon& Made();

    std::function<QIcon()> m_make;
    QIcon m_icon;
};
