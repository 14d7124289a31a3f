#pragma once

#include <QImage>

// An RGB32 image whose memory is mapped in 2 MB pages where the system
// allows it. Fresh memory costs a page fault for every page first touched,
// and an image the size of a window fills hundreds of 4 KB pages: the same
// memory in 2 MB pages is ready after one fault each. The last, partly used
// 2 MB page is taken only when the image fills most of it; otherwise that
// part stays in 4 KB pages. The pixels start out undefined, as with any new
// QImage.
class LargeImage {
public:
    static QImage Create(int width, int height);
};
