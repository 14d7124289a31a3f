#include "ClientArea.h"

void ClientArea::Resize(int width, int height) {
    m_image = QImage(width, height, QImage::Format_RGB32);
    m_touched = QRegion();
    if (!m_image.isNull())
        m_image.fill(Qt::white);
}
