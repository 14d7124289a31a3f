#include "Surface.h"
#include "TestView.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <climits>

Q_DECLARE_METATYPE(Point)

namespace {
QImage White(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
// A 4-bit BMP file, as the built-in bitmaps are: a column of each colour.
QByteArray FourBitBmp(const QList<QRgb>& colours, int height) {
    QImage image(int(colours.size()), height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint(x));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_Indexed8, colours).save(&buffer, "BMP");
    return file;
}
} // namespace

class TestSurface : public QObject {
    Q_OBJECT
private slots:
    void colourPacking_data();
    void colourPacking();
    void outsideTheImage_data();
    void outsideTheImage();
    void readBackWhatWasWritten();
    void fillExcludesRightAndBottomEdges();
    void blockCopyIsExact();
    void copyFromEmptyBitmapDrawsNothing();
    void deferredBitmapDecodesOnFirstUse_data();
    void deferredBitmapDecodesOnFirstUse();
    void selectGivesBackThePrevious();
    void textIsOpaqueAndRepeatable();
    void textLayouts();
    void missingFaceFallsBackToBoldSans();
};

void TestSurface::colourPacking_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<uint>("packed");
    QTest::newRow("outline green") << 0 << 255 << 0 << 65280u;
    QTest::newRow("white") << 255 << 255 << 255 << 16777215u;
    QTest::newRow("name steel blue") << 32 << 140 << 180 << 11832352u;
    QTest::newRow("help red") << 255 << 80 << 80 << 5263615u;
    QTest::newRow("prompt navy") << 0 << 0 << 92 << 6029312u;
}

void TestSurface::colourPacking() {
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(uint, packed);
    QCOMPARE(RGB(r, g, b), packed);
    QCOMPARE(FromQRgb(qRgb(r, g, b)), packed);
    QCOMPARE(ToQRgb(packed), qRgb(r, g, b));
}

void TestSurface::outsideTheImage_data() {
    QTest::addColumn<Point>("at");
    QTest::newRow("left") << Point{-1, 5};
    QTest::newRow("above") << Point{5, -1};
    QTest::newRow("right edge") << Point{40, 5};
    QTest::newRow("bottom edge") << Point{5, 30};
    QTest::newRow("far away") << Point{INT_MAX, INT_MIN};
}

void TestSurface::outsideTheImage() {
    QFETCH(Point, at);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(0, 255, 0));
    const QImage before = image.copy();
    Surface dc(&image);
    QVERIFY(dc.GetPixel(at.x, at.y) != kOutlineGreen);
    dc.SetPixel(at.x, at.y, kBlack);
    QCOMPARE(image, before);
    auto off = Surface::CreateCompatible(dc);
    QVERIFY(off->GetPixel(at.x, at.y) != kOutlineGreen);
}

void TestSurface::readBackWhatWasWritten() {
    QImage image = White(10, 10);
    Surface dc(&image);
    dc.SetPixel(3, 4, kOutlineGreen);
    QCOMPARE(dc.GetPixel(3, 4), kOutlineGreen);
    QCOMPARE(dc.GetPixel(4, 4), kWhite);
    Bitmap bitmap = Bitmap::Blank(5, 5);
    auto off = Surface::CreateCompatible(dc);
    off->SelectBitmap(&bitmap);
    off->SetPixel(1, 2, kBlack);
    QCOMPARE(off->GetPixel(1, 2), kBlack);
    QCOMPARE(bitmap.Image().pixel(1, 2), qRgb(0, 0, 0));
}

void TestSurface::fillExcludesRightAndBottomEdges() {
    QImage image = White(10, 10);
    Surface dc(&image);
    dc.FillRect({2, 3, 5, 7}, Brush(kBlack));
    int black = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            black += dc.GetPixel(x, y) == kBlack ? 1 : 0;
    QCOMPARE(black, 3 * 4);
    QCOMPARE(dc.GetPixel(2, 3), kBlack);
    QCOMPARE(dc.GetPixel(4, 6), kBlack);
    QCOMPARE(dc.GetPixel(5, 6), kWhite);
    QCOMPARE(dc.GetPixel(4, 7), kWhite);
}

void TestSurface::blockCopyIsExact() {
    QImage source(250, 250, QImage::Format_RGB32);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 250; ++x)
            source.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    Bitmap bitmap(source);
    QImage window = White(600, 400);
    Surface dc(&window);
    auto off = Surface::CreateCompatible(dc);
    off->SelectBitmap(&bitmap);
    dc.BitBlt(275, 75, 250, 250, *off, 0, 0);
    QCOMPARE(window.copy(275, 75, 250, 250), source);
    QCOMPARE(dc.GetPixel(274, 75), kWhite);
    QCOMPARE(dc.GetPixel(525, 75), kWhite);
}

void TestSurface::copyFromEmptyBitmapDrawsNothing() {
    QImage window = White(50, 50);
    Surface dc(&window);
    Bitmap missing;
    auto off = Surface::CreateCompatible(dc);
    off->SelectBitmap(&missing);
    dc.BitBlt(0, 0, 21, 21, *off, 0, 0);
    QCOMPARE(window, White(50, 50));
}

void TestSurface::deferredBitmapDecodesOnFirstUse_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("decodes");
    const QByteArray bmp = FourBitBmp({qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}, 4);
    QTest::newRow("a BMP file") << bmp << true;
    QTest::newRow("cut short") << bmp.left(40) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

// Loading costs nothing until the pixels are asked for; they are then
// decoded once, into the surface's format with the file's exact colours,
// and a file that does not decode gives an empty bitmap that copies as
// nothing.
void TestSurface::deferredBitmapDecodesOnFirstUse() {
    QFETCH(QByteArray, file);
    QFETCH(bool, decodes);
    int decoded = 0;
    Bitmap bitmap = Bitmap::Deferred([&decoded, file] {
        ++decoded;
        return QImage::fromData(file, "BMP");
    });
    QCOMPARE(decoded, 0);
    QCOMPARE(bitmap.IsNull(), !decodes);
    QCOMPARE(bitmap.Width(), decodes ? 3 : 0);
    QCOMPARE(decoded, 1);

    QImage window = White(10, 10);
    Surface dc(&window);
    auto off = Surface::CreateCompatible(dc);
    off->SelectBitmap(&bitmap);
    dc.BitBlt(2, 2, 3, 4, *off, 0, 0);
    QCOMPARE(decoded, 1);
    if (!decodes) {
        QCOMPARE(window, White(10, 10));
        return;
    }
    QCOMPARE(bitmap.Image().format(), QImage::Format_RGB32);
    for (int y = 2; y < 6; ++y) {
        QCOMPARE(dc.GetPixel(2, y), kOutlineGreen);
        QCOMPARE(dc.GetPixel(3, y), kBlack);
        QCOMPARE(dc.GetPixel(4, y), kWhite);
    }
}

void TestSurface::selectGivesBackThePrevious() {
    QImage window = White(10, 10);
    Surface dc(&window);
    const Font a("Arial Bold", 18), b("Arial", 12);
    QCOMPARE(dc.SelectFont(&a), nullptr);
    QCOMPARE(dc.SelectFont(&b), &a);
    QCOMPARE(dc.SetTextColor(kWhite), kBlack);
    QCOMPARE(dc.SetTextColor(kBlack), kWhite);
    auto off = Surface::CreateCompatible(dc);
    Bitmap one = Bitmap::Blank(3, 3), two = Bitmap::Blank(4, 4);
    Bitmap* own = off->SelectBitmap(&one);
    QVERIFY(own != nullptr && own != &one);
    QCOMPARE(off->SelectBitmap(&two), &one);
    QCOMPARE(off->SelectBitmap(own), &two);
    QCOMPARE(off->Width(), 1);
}

void TestSurface::textIsOpaqueAndRepeatable() {
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(qRgb(0, 255, 0));
    Surface dc(&image);
    const Font font("Arial Bold", 18);
    dc.SelectFont(&font);
    dc.TextOut(10, 5, "Moves Left: 495");
    const QImage once = image.copy();
    dc.TextOut(10, 5, "Moves Left: 495");
    QCOMPARE(image, once);
    // The text's own box is on white; no glyph pixel is the outline green.
    const Size extent = dc.GetTextExtent("Moves Left: 495");
    for (int y = 5; y < 5 + extent.cy; ++y)
        for (int x = 10; x < 10 + extent.cx; ++x)
            QVERIFY(dc.GetPixel(x, y) != kOutlineGreen);
    QCOMPARE(dc.GetPixel(9, 5), kOutlineGreen);
}

void TestSurface::textLayouts() {
    const Font font("Arial Bold", 18);
    auto draw = [&](unsigned format) {
        QImage image = White(400, 80);
        Surface dc(&image);
        dc.SelectFont(&font);
        dc.DrawText("one two three four five six seven eight nine ten", {0, 0, 200, 80}, format);
        return image;
    };
    auto inkRows = [](const QImage& image) {
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != 0xFFFFFFFF) {
                    ++rows;
                    break;
                }
        return rows;
    };
    const QImage single = draw(DT_SINGLELINE | DT_VCENTER);
    const QImage wrapped = draw(DT_WORDBREAK);
    QVERIFY(inkRows(wrapped) > 2 * inkRows(single) - 2);
    // Clipped to the rectangle: nothing right of x = 200.
    for (int y = 0; y < 80; ++y)
        for (int x = 200; x < 400; ++x)
            QCOMPARE(single.pixel(x, y), 0xFFFFFFFF);
    QVERIFY(draw(DT_WORDBREAK | DT_CENTER) != wrapped);
}

void TestSurface::missingFaceFallsBackToBoldSans() {
    const Font missing("No Such Face Anywhere Bold", 18);
    const QFontInfo info(missing.QtFont());
    QVERIFY(info.bold());
    QVERIFY(!info.fixedPitch());
    QVERIFY(qAbs(QFontMetrics(missing.QtFont()).height() - 18) <= 1);
    const QFontInfo arial(Font("Arial Bold", 18).QtFont());
    QVERIFY(arial.bold());
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
