#pragma once

#include "CView.h"

#include <vector>

// A view that only records what reaches it.
class RecordingView : public CView {
public:
    void OnDraw(Surface&) override { ++draws; }
    void OnKeyDown(unsigned nChar, unsigned, unsigned) override { keys.push_back(nChar); }
    void OnLButtonDown(unsigned, Point point) override { leftClicks.push_back(point); }
    void OnRButtonDown(unsigned, Point point) override { rightClicks.push_back(point); }

    int draws = 0;
    std::vector<unsigned> keys;
    std::vector<Point> leftClicks;
    std::vector<Point> rightClicks;
};
