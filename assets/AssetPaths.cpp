#include "AssetPaths.h"

const int AssetPaths::kIconSizes[8] = {16, 22, 24, 32, 48, 64, 128, 256};

QString AssetPaths::Bitmap(int id) {
    return QStringLiteral(":/bitmap/%1.bmp").arg(id);
}

QString AssetPaths::Sound(int id) {
    return QStringLiteral(":/sound/%1.wav").arg(id);
}

QString AssetPaths::Icon(int size) {
    return QStringLiteral(":/icon/128-%1.png").arg(size);
}
