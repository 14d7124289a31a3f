#pragma once

// Inclusive pixel box, left, top, right, bottom: the way the artwork's
// measures are tabulated. All -1 when nothing was found.
struct Box {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool Empty() const { return left < 0; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};
