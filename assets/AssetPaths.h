#pragma once

#include <QString>

// Where the built-in resources live in the Qt resource tree; the files are
// drawn by the generator at build time and embedded by orlix_assets.
class AssetPaths {
public:
    static QString Bitmap(int id);  // :/bitmap/<id>.bmp
    static QString Sound(int id);   // :/sound/<id>.wav
    static QString Icon(int size);  // :/icon/128-<size>.png
    static const int kIconSizes[8]; // 16 .. 256
};
