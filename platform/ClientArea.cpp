#include "ClientArea.h"

void ClientArea::Resize(int width, int height) {
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(width, height, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}
