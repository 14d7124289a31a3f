#include "ClientArea.h"

#include <utility>

void ClientArea::Resize(int width, int height) {
    m_size = QSize(width, height);
    m_stale = true;
    m_touched = QRegion();
}

const QImage& ClientArea::Image() const {
    if (m_stale) {
        m_image = QImage(m_size, QImage::Format_RGB32);
        if (!m_image.isNull())
            m_image.fill(Qt::white);
        m_stale = false;
    }
    return m_image;
}

QImage& ClientArea::Image() {
    return const_cast<QImage&>(std::as_const(*this).Image());
}
