#include "ClientArea.h"

void ClientArea::Resize(int width, int height) {
    m_size = QSize(width, height);
    m_stale = true;
    m_touched = QRegion();
}

void ClientArea::MakeImageIfStale() const {
    if (!m_stale)
        return;
    m_image = QImage(m_size, QImage::Format_RGB32);
    if (!m_image.isNull())
        m_image.fill(Qt::white);
    m_stale = false;
}
