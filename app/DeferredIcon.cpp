#include "DeferredIcon.h"

QIcon DeferredIcon::Create(std::function<QIcon()> make) {
    return QIcon(new DeferredIcon(std::move(make)));
}

const QIcon& DeferredIcon::Made() {
    if (m_make)
        m_icon = std::exchange(m_make, nullptr)();
    return m_icon;
}

void DeferredIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                         QIcon::State state) {
    Made().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Made().pixmap(size, mode, state);
}

QSize DeferredIcon::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Made().actualSize(size, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return Made().availableSizes(mode, state);
}

QIconEngine* DeferredIcon::clone() const {
    auto* copy = new DeferredIcon(m_make);
    copy->m_icon = m_icon;
    return copy;
}
