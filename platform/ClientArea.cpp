#include "ClientArea.h"

#include "LargeImage.h"

void ClientArea::Resize(int width, int height) {
    m_image = LargeImage::Create(width, height);
    if (!m_image.isNull())
        m_image.fill(Qt::white);
}
