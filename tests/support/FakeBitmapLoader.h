#pragma once

#include "IBitmapLoader.h"

#include <QImage>
#include <map>

// Serves the bitmaps a test puts in; any other id is missing. Counts loads
// so tests can see an outline being reloaded.
class FakeBitmapLoader : public IBitmapLoader {
public:
    void Put(int id, const QImage& image) { m_images[id] = image; }
    Bitmap LoadBitmap(int id) const override;
    int LoadCount(int id) const;

private:
    std::map<int, QImage> m_images;
    mutable std::map<int, int> m_loads;
};
