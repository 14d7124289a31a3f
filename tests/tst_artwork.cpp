#include "OutlineAnalysis.h"
#include "OutlineCatalogue.h"
#include "ResourceBitmapLoader.h"
#include "TestView.h"
#include "ViewProbe.h"
#include "WaveFile.h"

#include <QFile>
#include <QTest>

using Box = std::array<int, 4>;
Q_DECLARE_METATYPE(Box)

namespace {
const QList<QRgb> kStandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// The bits per pixel as the file itself says (the BITMAPINFOHEADER field).
int FileBitsPerPixel(int id) {
    QFile file(ResourceBitmapLoader::PathFor(id));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(30);
    return head.size() < 30 ? 0 : uchar(head[28]) | (uchar(head[29]) << 8);
}

Bitmap LoadThroughPlatform(int id) {
    return ResourceBitmapLoader().LoadBitmap(id);
}

std::optional<WaveFile> LoadWave(int id) {
    QFile file(QStringLiteral(":/sound/%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return WaveFile::Parse(file.readAll());
}

QByteArray BoxText(const Box& b) {
    return QByteArray::number(b[0]) + "," + QByteArray::number(b[1]) + "," +
           QByteArray::number(b[2]) + "," + QByteArray::number(b[3]);
}
} // namespace

namespace QTest {
template <> char* toString(const Box& b) {
    return qstrdup(BoxText(b).constData());
}
} // namespace QTest

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    // First: the plugins, once loaded by another test, stay loaded.
    void outlines_data();
    void outlines();
    void oneLoopOutlinesCanBeTracedPerfectly_data();
    void oneLoopOutlinesCanBeTracedPerfectly();
    void selectionMeasuresTheBudget_data();
    void selectionMeasuresTheBudget();
    void thumbnails_data();
    void thumbnails();
    void sounds_data();
    void sounds();
};

void TestArtwork::outlines_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("branches");
    QTest::addColumn<Box>("green");
    QTest::addColumn<Box>("ink");
    const Box full{0, 0, 249, 249};
    QTest::newRow("Triangle") << 1 << 160 << 496 << 1 << 0 << full << Box{98, 150, 151, 169};
    QTest::newRow("Circle") << 2 << 161 << 496 << 1 << 0 << full << Box{98, 115, 151, 134};
    QTest::newRow("Dancer") << 3 << 163 << 776 << 1 << 4 << Box{20, 0, 203, 249}
                            << Box{98, 210, 151, 229};
    QTest::newRow("Diamond") << 4 << 165 << 756 << 2 << 708 << Box{80, 80, 167, 167}
                             << Box{98, 185, 151, 204};
    QTest::newRow("Church") << 5 << 166 << 721 << 1 << 2 << full << Box{99, 142, 149, 161};
    QTest::newRow("Grid") << 6 << 167 << 984 << 1 << 12 << full << Box{97, 115, 152, 134};
    QTest::newRow("Mug") << 7 << 168 << 764 << 2 << 2 << full << Box{61, 115, 116, 134};
    QTest::newRow("Vase") << 8 << 169 << 660 << 1 << 8 << full << Box{98, 116, 151, 135};
    QTest::newRow("Clover") << 9 << 170 << 640 << 2 << 0 << full << Box{98, 162, 151, 181};
    QTest::newRow("Gift") << 10 << 164 << 816 << 1 << 8 << full << Box{98, 115, 151, 134};
    QTest::newRow("Stairs") << 11 << 171 << 496 << 1 << 0 << full << Box{55, 177, 108, 196};
    QTest::newRow("Pear") << 12 << 172 << 496 << 1 << 0 << full << Box{98, 165, 151, 184};
    QTest::newRow("Cross") << 13 << 162 << 640 << 1 << 0 << full << Box{98, 115, 151, 134};
    QTest::newRow("Star") << 14 << 173 << 752 << 1 << 0 << full << Box{98, 115, 151, 134};
    QTest::newRow("Letter E") << 15 << 174 << 672 << 1 << 0 << Box{40, 0, 215, 249}
                              << Box{97, 115, 150, 134};
}

void TestArtwork::outlines() {
    QFETCH(int, number);
    QFETCH(int, id);
    QFETCH(int, cells);
    QFETCH(int, parts);
    QFETCH(int, branches);
    QFETCH(Box, green);
    QFETCH(Box, ink);
    const OutlineEntry& entry = OutlineCatalogue::Entry(number);
    QCOMPARE(entry.outlineId, id);
    QCOMPARE(FileBitsPerPixel(id), 4);
    const QImage raw(ResourceBitmapLoader::PathFor(id));
    QCOMPARE(raw.colorTable(), kStandardPalette);

    const Bitmap bitmap = LoadThroughPlatform(id);
    QCOMPARE(QSize(bitmap.Width(), bitmap.Height()), QSize(250, 250));
    const OutlineAnalysis outline(bitmap.Image());
    QCOMPARE(outline.PartialCellPixels(), 0);
    QCOMPARE(outline.Cells(), cells);
    QCOMPARE(outline.Parts(), parts);
    QCOMPARE(outline.BranchCells(), branches);
    QVERIFY(!outline.CornerOnlyTouch());
    QCOMPARE(outline.GreenBox(), green);
    const Box measured = outline.InkBox();
    for (int i = 0; i < 4; ++i)
        QVERIFY2(qAbs(measured[i] - ink[i]) <= 2, BoxText(measured).constData());
    QVERIFY(outline.CellGreen(entry.start.x / 2, entry.start.y / 2));
    QCOMPARE(entry.start.x % 2 + entry.start.y % 2, 0);

    std::vector<Point> expectedStray;
    if (id == 173)
        expectedStray = {{47, 47}, {49, 49}, {199, 199}};
    const std::vector<Point> stray = outline.StrayPixels();
    QCOMPARE(stray.size(), expectedStray.size());
    for (std::size_t i = 0; i < stray.size(); ++i) {
        QCOMPARE(stray[i], expectedStray[i]);
        QCOMPARE(bitmap.Image().pixel(stray[i].x, stray[i].y), qRgb(255, 255, 0));
    }
}

void TestArtwork::oneLoopOutlinesCanBeTracedPerfectly_data() {
    QTest::addColumn<int>("number");
    for (int number : {1, 2, 11, 12, 13, 14, 15})
        QTest::newRow(OutlineCatalogue::Entry(number).name) << number;
}

// Every cell has two neighbours and the walk from the start cell comes back
// to it having visited them all: following it spends the budget exactly.
void TestArtwork::oneLoopOutlinesCanBeTracedPerfectly() {
    QFETCH(int, number);
    const OutlineEntry& entry = OutlineCatalogue::Entry(number);
    const OutlineAnalysis outline(LoadThroughPlatform(entry.outlineId).Image());
    QCOMPARE(outline.LoopLength(entry.start.x / 2, entry.start.y / 2), outline.Cells());
}

void TestArtwork::selectionMeasuresTheBudget_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("budget");
    const int budgets[] = {496, 496, 776, 756, 721, 984, 764, 660,
                           640, 816, 496, 496, 640, 752, 672};
    for (int number = 1; number <= OutlineCatalogue::kCount; ++number)
        QTest::newRow(OutlineCatalogue::Entry(number).name) << number << budgets[number - 1];
}

// The game itself, with the built-in bitmaps, counts the catalogue's budget.
void TestArtwork::selectionMeasuresTheBudget() {
    QFETCH(int, number);
    QFETCH(int, budget);
    RecordingSoundPlayer sound;
    FakeShell shell;
    ResourceBitmapLoader bitmaps;
    ClientArea client(800, 600);
    CORLIXView view(ViewServices{&sound, &bitmaps, &shell});
    view.AttachClientArea(&client);
    Surface dc(&client.Image());
    view.OnDraw(dc);
    const ViewProbe v(view);
    const Rect& thumb = v.m_rcThumb[number];
    view.OnLButtonDown(0, {thumb.left + 10, thumb.top + 10});
    QCOMPARE(v.m_nBudget, budget);
    QCOMPARE(v.m_nMovesLeft, budget - 1);
    QVERIFY(sound.played.empty());
    const auto start = OutlineCatalogue::Entry(number).start;
    QCOMPARE(v.m_ptPen, (Point{v.m_rcBoard.left + start.x, v.m_rcBoard.top + start.y}));
}

void TestArtwork::thumbnails_data() {
    QTest::addColumn<int>("number");
    for (int number = 1; number <= OutlineCatalogue::kCount; ++number)
        QTest::newRow(OutlineCatalogue::Entry(number).name) << number;
}

void TestArtwork::thumbnails() {
    QFETCH(int, number);
    const int id = OutlineCatalogue::Entry(number).thumbnailId;
    QCOMPARE(FileBitsPerPixel(id), id == 158 ? 8 : 4);
    const QImage raw(ResourceBitmapLoader::PathFor(id));
    QCOMPARE(raw.size(), QSize(21, 21));
    if (id != 158)
        QCOMPARE(raw.colorTable(), kStandardPalette);
    else
        QCOMPARE(raw.colorTable().size(), 256);
    // A picture, not a blank: several colours, black edges among them.
    QSet<QRgb> colours;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            colours.insert(raw.pixel(x, y));
    QVERIFY(colours.size() >= 3);
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
}

void TestArtwork::sounds_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("fmtSize");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("move click") << 130 << 8 << 18 << 219 << 104 << 172;
    QTest::newRow("brr") << 136 << 16 << 16 << 5513 << -16384 << 16384;
}

void TestArtwork::sounds() {
    QFETCH(int, id);
    QFETCH(int, bits);
    QFETCH(int, fmtSize);
    QFETCH(int, samples);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    const auto wave = LoadWave(id);
    QVERIFY(wave.has_value());
    QCOMPARE(wave->sampleRate, 22050);
    QCOMPARE(wave->channels, 1);
    QCOMPARE(wave->bitsPerSample, bits);
    QCOMPARE(int(wave->chunks.at(0).size), fmtSize);
    QCOMPARE(wave->SampleCount(), samples);
    QCOMPARE(int(wave->factSamples.value_or(0)), samples);
    int low = INT_MAX, high = INT_MIN;
    for (int i = 0; i < samples; ++i) {
        const int v = bits == 8
                          ? uchar(wave->data[i])
                          : qint16(uchar(wave->data[2 * i]) | (uchar(wave->data[2 * i + 1]) << 8));
        low = std::min(low, v);
        high = std::max(high, v);
    }
    QVERIFY(low >= lowest && high <= highest);
    // Loud enough to be heard: the brr peaks near half of full scale.
    if (bits == 16)
        QVERIFY(high >= 15000 && low <= -15000);
    else
        QVERIFY(high - low >= 20);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
