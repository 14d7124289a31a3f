#pragma once

#include "CORLIXView.h"
#include "ClientArea.h"
#include "FakeBitmapLoader.h"
#include "FakeServices.h"
#include "ScoreHistory.h"
#include "ViewProbe.h"

#include <memory>

// A game view on an in-memory client area with recording fakes, laid out by
// a first paint as the window would do it.
struct TestView {
    explicit TestView(int width = 800, int height = 540, FakeBitmapLoader bitmaps = Standard());
    // A view that draws on other artwork, such as the built-in resources.
    TestView(int width, int height, const IBitmapLoader& artwork);

    // Every outline an edge ring, every thumbnail its own colour.
    static FakeBitmapLoader Standard();

    // A repaint of the whole client, or of part of it, through the view's
    // paint as the window system asks for it.
    void Paint();
    void Expose(const Rect& part);
    void Click(int x, int y) { view->OnLButtonDown(0, {x, y}); }
    void RightClick(int x, int y) { view->OnRButtonDown(0, {x, y}); }
    void Key(unsigned vk) { view->OnKeyDown(vk, 1, 0); }
    void Select(int number);
    QImage Snapshot() const { return client.Image().copy(); }
    int BrrCount() const;
    ViewProbe Probe() const { return ViewProbe(*view); }

    void Start(const IBitmapLoader& artwork);

    FakeBitmapLoader bitmaps;
    RecordingSoundPlayer sound;
    FakeShell shell;
    ScoreHistory scores;
    ClientArea client;
    std::unique_ptr<CORLIXView> view;
};

// What a text line looks like when drawn alone, centred in a rectangle of
// the same size on white, in the game's main font: the reference the
// board's lines are compared against.
QImage RenderCentredLine(const char* text, const Rect& rect, int fontHeight = 18);
QImage Crop(const QImage& image, const Rect& rect);
bool IsWhite(const QImage& image, const Rect& rect);

// Readable QCOMPARE failures for the game's geometry.
char* toString(const Rect& r);
char* toString(const Point& p);
char* toString(const Size& s);
