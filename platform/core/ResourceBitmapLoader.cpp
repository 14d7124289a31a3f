#include "ResourceBitmapLoader.h"

#include "Logging.h"

QString ResourceBitmapLoader::PathFor(int id) {
    return QStringLiteral(":/bitmap/%1.bmp").arg(id);
}

// Nothing is read until the pixels are needed, not even the resource's
// size, so the pages of bitmaps never shown are never touched.
Bitmap ResourceBitmapLoader::LoadBitmap(int id) const {
    return Bitmap::Deferred([id] {
        const QImage image(PathFor(id), "BMP");
        if (image.isNull())
            qCWarning(lcResources) << "bitmap" << id << "is missing or cannot be read";
        return image;
    });
}
