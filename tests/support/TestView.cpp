#include "TestView.h"

#include "OutlineCatalogue.h"
#include "SyntheticOutlines.h"

TestView::TestView(int width, int height, FakeBitmapLoader loader)
    : bitmaps(std::move(loader)), client(width, height) {
    Start(bitmaps);
}

TestView::TestView(int width, int height, const IBitmapLoader& artwork) : client(width, height) {
    Start(artwork);
}

void TestView::Start(const IBitmapLoader& artwork) {
    view = std::make_unique<CORLIXView>(ViewServices{&sound, &artwork, &shell, &scores});
    view->AttachClientArea(&client);
    Paint();
}

FakeBitmapLoader TestView::Standard() {
    FakeBitmapLoader loader;
    for (const OutlineEntry& entry : OutlineCatalogue::Entries()) {
        loader.Put(entry.outlineId, SyntheticOutlines::EdgeRing());
        loader.Put(entry.thumbnailId,
                   SyntheticOutlines::Thumbnail(qRgb(entry.number * 16, 0, 200)));
    }
    return loader;
}

void TestView::Paint() {
    view->OnPaint();
}

void TestView::Expose(const Rect& part) {
    view->OnPaint(QRegion(ToQRect(part)));
}

void TestView::Select(int number) {
    const Rect& r = Probe().m_rcThumb[number];
    Click(r.left + 5, r.top + 5);
}

int TestView::BrrCount() const {
    int n = 0;
    for (const auto& p : sound.played)
        n += (p.id == CORLIXView::kSoundBrr && p.waited) ? 1 : 0;
    return n;
}

QImage RenderCentredLine(const char* text, const Rect& rect, int fontHeight) {
    QImage image(rect.Width(), rect.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    Surface dc(&image);
    const Font font("Arial Bold", fontHeight);
    dc.SelectFont(&font);
    dc.DrawText(text, {0, 0, rect.Width(), rect.Height()}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return image;
}

QImage Crop(const QImage& image, const Rect& rect) {
    return image.copy(ToQRect(rect));
}

bool IsWhite(const QImage& image, const Rect& rect) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                return false;
    return true;
}

char* toString(const Rect& r) {
    return qstrdup(QByteArray("Rect{") + QByteArray::number(r.left) + ", " +
                   QByteArray::number(r.top) + ", " + QByteArray::number(r.right) + ", " +
                   QByteArray::number(r.bottom) + "}");
}

char* toString(const Point& p) {
    return qstrdup(QByteArray("Point{") + QByteArray::number(p.x) + ", " + QByteArray::number(p.y) +
                   "}");
}

char* toString(const Size& s) {
    return qstrdup(QByteArray("Size{") + QByteArray::number(s.cx) + ", " +
                   QByteArray::number(s.cy) + "}");
}
