#include "ResourceBitmapLoader.h"

#include <QImage>

QString ResourceBitmapLoader::PathFor(int id) {
    return QStringLiteral(":/bitmap/%1.bmp").arg(id);
}

Bitmap ResourceBitmapLoader::LoadBitmap(int id) const {
    return Bitmap(QImage(PathFor(id), "BMP"));
}
