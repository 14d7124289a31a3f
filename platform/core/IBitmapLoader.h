#pragma once

#include "Bitmap.h"

// Loads a built-in bitmap by resource id; an empty bitmap when there is none.
class IBitmapLoader {
public:
    virtual ~IBitmapLoader() = default;
    virtual Bitmap LoadBitmap(int id) const = 0;
};
