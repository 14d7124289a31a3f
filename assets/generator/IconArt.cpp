#include "IconArt.h"

#include <algorithm>

IndexedImage IconArt::Draw(int size) {
    IndexedImage img(size, size, Palette::Standard16(), White);
    const int margin = std::max(2, size / 8);
    const int line = std::max(2, size * 3 / 16);
    const int far = size - margin; // one past the square's last pixel
    const int middle = size / 2;

    // The outline square.
    img.FillRect(margin, margin, far, far, Green);
    img.FillRect(margin + line, margin + line, far - line, far - line, White);
    // The pen's trail: along the top, then down the right side.
    img.FillRect(margin, margin, far, margin + line, Black);
    img.FillRect(far - line, margin, far, middle, Black);
    // The pen itself, a square a little wider than its trail.
    const int grow = std::max(1, line / 6);
    const int pen = line + 2 * grow;
    img.FillRect(far - line - grow, middle, far + grow, middle + pen, Black);
    // A thin grey rim so the white tile stands out on a white desktop.
    img.FillRect(0, 0, size, 1, Silver);
    img.FillRect(0, size - 1, size, size, Silver);
    img.FillRect(0, 0, 1, size, Silver);
    img.FillRect(size - 1, 0, size, size, Silver);
    return img;
}
