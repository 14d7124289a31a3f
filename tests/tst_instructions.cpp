#include "CPrintInfo.h"
#include "PageSurface.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(Rect)

namespace {
// The smallest rectangle holding every non-white pixel of the area; empty
// when the area is all white.
Rect Ink(const QImage& image, const Rect& area) {
    Rect ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                ink = {qMin(ink.left, x), qMin(ink.top, y), qMax(ink.right, x + 1),
                       qMax(ink.bottom, y + 1)};
    return ink;
}

// The page printed onto an image of the given size; the page rectangle may
// reach past the image, whose painter clips what lies outside.
QImage PrintOnto(CORLIXView& view, QSize imageSize, const Rect& page) {
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageSurface dc(painter);
    CPrintInfo info;
    info.m_rectDraw = page;
    view.OnPrint(dc, info);
    return image;
}

void PlayUntilFinished(TestView& t) {
    t.Select(1);
    for (int i = 0; i < 2000 && t.Probe().m_nGameState == GameState::Tracing; ++i)
        t.Key(i % 250 < 125 ? VK_RIGHT : VK_LEFT);
}
} // namespace

class TestInstructions : public QObject {
    Q_OBJECT
private slots:
    void instructionBlocks();
    void adviceText();
    void f1ShowsTheBoxAndChangesNothing_data();
    void f1ShowsTheBoxAndChangesNothing();
    void pageLayout_data();
    void pageLayout();
    void pageTooSmallForAUnit();
};

// The box is the printed text up to its last paragraph, the download
// paragraph. Before it, blocks 1 to 6: the welcome ending in the lead-in, the
// seven steps, the hint, the brr paragraph with the screen-size line under
// it, and the publisher block, whose contacts, like the download site, are
// the project's own at example.org.
void TestInstructions::instructionBlocks() {
    TestView t;
    const QString full = QString::fromStdString(t.Probe().m_strInstructions);
    const QString box = QString::fromStdString(t.Probe().m_strInstructionsBox);
    QVERIFY(full.startsWith(box + "\n\n"));
    const QString download = full.mid(box.size() + 2);
    QVERIFY(download.size() > 40 && !download.contains('\n'));

    const QStringList blocks = box.split("\n\n");
    QCOMPARE(blocks.size(), 5);
    QVERIFY(blocks[0].startsWith("Welcome to O.R.L.I.X.") && blocks[0].endsWith("To play: "));
    QVERIFY(!blocks[0].contains('\n'));
    for (const char* name : {"'Hit Count'", "'Move Count'", "'Moves Left'"})
        QVERIFY2(blocks[0].contains(name), name);
    const QStringList steps = blocks[1].split('\n');
    QCOMPARE(steps.size(), 7);
    for (int i = 0; i < 7; ++i)
        QVERIFY2(steps[i].startsWith(QString::number(i + 1) + ".   ") && !steps[i].at(5).isSpace(),
                 qPrintable(steps[i]));
    QVERIFY(blocks[2].startsWith("Hint: ") && !blocks[2].contains('\n'));
    const QStringList brr = blocks[3].split('\n');
    QCOMPARE(brr.size(), 2);
    QVERIFY(brr[0].startsWith("If you hear a brr sound it means that you clicked or pressed a key "
                              "that was not enabled"));
    QVERIFY(brr[0].contains("F2") && brr[1].contains("800x600"));
    QVERIFY(blocks[4].split('\n').size() >= 4);
    QVERIFY(blocks[4].contains(QRegularExpression("\\b[\\w.]+@example\\.org\\b")));
    QVERIFY(download.contains("example.org"));
    const QRegularExpression domain("\\b[\\w-]+(\\.[\\w-]+)*\\.(org|com|net|de|uk|us)\\b");
    for (const auto& match : domain.globalMatch(full))
        QVERIFY2(match.captured().endsWith("example.org"), qPrintable(match.captured()));
    for (QChar c : full) // the texts are drawn as 8-bit strings
        QVERIFY2(c.unicode() == '\n' || (c.unicode() >= 32 && c.unicode() < 127), "not ASCII");
}

void TestInstructions::adviceText() {
    TestView t;
    QCOMPARE(t.Probe().m_strAdvice,
             std::string("Try a screen size of 800x600 if possible. If not, try the smallest "
                         "available screen size. This will make it easier to see the outlines."
                         "\n\nRemember: All shapes are made up of horizontal and vertical "
                         "segments. There is no such thing as a slanted line or a curve.\n\n"
                         "To see past scores from this session, press F2."));
}

void TestInstructions::f1ShowsTheBoxAndChangesNothing_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("selecting") << int(GameState::Selecting);
    QTest::newRow("tracing") << int(GameState::Tracing);
    QTest::newRow("finished") << int(GameState::Finished);
}

void TestInstructions::f1ShowsTheBoxAndChangesNothing() {
    QFETCH(int, state);
    TestView t;
    if (state == int(GameState::Tracing)) {
        t.Select(1);
        t.Key(VK_RIGHT);
    } else if (state == int(GameState::Finished)) {
        PlayUntilFinished(t);
    }
    QCOMPARE(int(t.Probe().m_nGameState), state);
    const ViewProbe v = t.Probe();
    const auto counters = std::tuple(v.m_nMovesLeft, v.m_nMovesTotal, v.m_nHitCount, v.m_nMisses,
                                     v.m_ptPen.x, v.m_ptPen.y);
    const size_t sounds = t.sound.played.size();
    const QImage before = t.Snapshot();
    t.Key(VK_F1);
    QCOMPARE(t.shell.messageBoxes, std::vector<std::string>{v.m_strInstructionsBox});
    QCOMPARE(int(v.m_nGameState), state);
    QVERIFY(counters == std::tuple(v.m_nMovesLeft, v.m_nMovesTotal, v.m_nHitCount, v.m_nMisses,
                                   v.m_ptPen.x, v.m_ptPen.y));
    QCOMPARE(t.sound.played.size(), sounds);
    QCOMPARE(t.Snapshot(), before);
}

void TestInstructions::pageLayout_data() {
    QTest::addColumn<Rect>("page");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("titleFont");
    QTest::newRow("5200 high") << Rect{0, 0, 3600, 5200} << 100 << 80;
    QTest::newRow("6000 high, unit truncated") << Rect{0, 0, 4200, 6000} << 115 << 92;
    QTest::newRow("page not at the origin") << Rect{40, 60, 3640, 5260} << 100 << 80;
    QTest::newRow("96 dpi A4") << Rect{0, 0, 756, 1097} << 21 << 16;
}

// Measured on the image: the title's ink starts at its place, one unit below
// the page top, and stays within its font's height above the text; the
// instructions' ink keeps inside the margins, in letters about a unit high.
void TestInstructions::pageLayout() {
    QFETCH(Rect, page);
    QFETCH(int, unit);
    QFETCH(int, titleFont);
    TestView t;
    const ViewProbe v = t.Probe();
    const int shown = qMin(page.bottom + 10, page.top + 8 * unit); // the top of the page
    const QImage image = PrintOnto(*t.view, QSize(page.right + 10, shown), page);
    QCOMPARE(v.m_nPageHeight, page.Height());
    QCOMPARE(v.m_nPrintUnit, unit);
    QCOMPARE(v.m_rcPrintText, (Rect{page.left + 3 * unit, page.top + 4 * unit,
                                    page.right - 3 * unit, page.bottom - 2 * unit}));
    QCOMPARE(v.m_fontPrint.RequestedHeight(), titleFont);

    const Rect title = Ink(image, {0, 0, image.width(), page.top + 4 * unit});
    QVERIFY2(title.top >= page.top + unit && title.top < page.top + unit + titleFont / 2,
             qPrintable(QString::number(title.top)));
    // Antialiasing may reach a pixel past the glyph cell.
    QVERIFY2(title.bottom <= page.top + unit + titleFont + 1 && title.Height() > titleFont / 2,
             qPrintable(QString::number(title.bottom)));
    QVERIFY(title.left >= page.left + 3 * unit && title.left < page.left + 3 * unit + unit / 2);

    const Rect& area = v.m_rcPrintText;
    const Rect text = Ink(image, {0, area.top, image.width(), image.height()});
    QVERIFY(text.left >= area.left && text.left < area.left + unit / 2);
    QVERIFY(text.right <= area.right && text.right > area.right - 10 * unit);
    QVERIFY(text.top >= area.top && text.top < area.top + unit / 2);
    const Rect firstLine = Ink(image, {area.left, area.top, area.right, area.top + unit});
    QVERIFY2(firstLine.Height() > unit / 2, qPrintable(QString::number(firstLine.Height())));
}

// A page under 52 pixels high has a unit of 0: fonts of the default height
// and no margins, and nothing else goes wrong.
void TestInstructions::pageTooSmallForAUnit() {
    TestView t;
    const Rect page{0, 0, 300, 51};
    const QImage image = PrintOnto(*t.view, QSize(300, 51), page);
    QCOMPARE(t.Probe().m_nPrintUnit, 0);
    QCOMPARE(t.Probe().m_rcPrintText, page);
    QCOMPARE(t.Probe().m_fontPrint.RequestedHeight(), 0);
    QVERIFY(!Ink(image, page).IsEmpty());
}

QTEST_MAIN(TestInstructions)
#include "tst_instructions.moc"
