#include "FakeBitmapLoader.h"

Bitmap FakeBitmapLoader::LoadBitmap(int id) const {
    ++m_loads[id];
    const auto found = m_images.find(id);
    return found == m_images.end() ? Bitmap() : Bitmap(found->second.copy());
}

int FakeBitmapLoader::LoadCount(int id) const {
    const auto found = m_loads.find(id);
    return found == m_loads.end() ? 0 : found->second;
}
