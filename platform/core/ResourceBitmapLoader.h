#pragma once

#include "IBitmapLoader.h"

#include <QString>

// Bitmaps embedded with the Qt resource system as :/bitmap/<id>.bmp.
class ResourceBitmapLoader : public IBitmapLoader {
public:
    Bitmap LoadBitmap(int id) const override;
    static QString PathFor(int id);
};
