#include "BoardPlayer.h"
#include "OutlineCatalogue.h"
#include "SyntheticOutlines.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QTest>

Q_DECLARE_METATYPE(Point)

namespace {
int BlackPixels(const Surface& dc, Point at) {
    int n = 0;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            n += dc.GetPixel(at.x + dx, at.y + dy) == kBlack ? 1 : 0;
    return n;
}

int GreenPixels(const QImage& image, const Rect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += image.pixel(x, y) == 0xFF00FF00 ? 1 : 0;
    return n;
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void hitTest_data();
    void hitTest();
    void startPoints_data();
    void startPoints();
    void selectionShowsTheNewGame();
    void budgetIsCountedBeforeTheStartDot();
    void hiddenBudgetNumberIsNearWhite();
    void secondGameOnSameOutlineStartsClean();
    void clickWhileTracingIsRefusedAndChangesNothing();
    void missedClickBlanksTheBoardAndIsRefused();
    void emptyOutlineGivesBudgetZeroSafely();
};

void TestSelection::hitTest_data() {
    QTest::addColumn<Point>("click");
    QTest::addColumn<int>("selected"); // 0: refused
    QTest::newRow("left edge of thumbnail 1") << Point{10, 20} << 0;
    QTest::newRow("top edge of thumbnail 1") << Point{20, 10} << 0;
    QTest::newRow("first inside pixel") << Point{11, 11} << 1;
    QTest::newRow("right column and bottom row") << Point{30, 30} << 1;
    QTest::newRow("just past thumbnail 1") << Point{31, 20} << 0;
    QTest::newRow("thumbnail 2") << Point{44, 20} << 2;
    QTest::newRow("just past the strip") << Point{493, 20} << 0;
    QTest::newRow("last column of thumbnail 15") << Point{492, 20} << 15;
    QTest::newRow("board") << Point{400, 270} << 0;
}

void TestSelection::hitTest() {
    QFETCH(Point, click);
    QFETCH(int, selected);
    TestView t;
    t.Click(click.x, click.y);
    if (selected == 0) {
        QCOMPARE(t.BrrCount(), 1);
        QVERIFY(t.Probe().m_nGameState == GameState::Selecting);
        QCOMPARE(t.Probe().m_nImage, 0);
        QVERIFY(t.Probe().m_strName.empty());
    } else {
        QVERIFY(t.sound.played.empty());
        QVERIFY(t.Probe().m_nGameState == GameState::Tracing);
        QCOMPARE(t.Probe().m_nImage, selected);
        QCOMPARE(t.Probe().m_strName, std::string(OutlineCatalogue::Entry(selected).name));
    }
}

void TestSelection::startPoints_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<Point>("pen");
    QTest::newRow("Triangle") << 1 << Point{275, 393};
    QTest::newRow("Circle") << 2 << Point{401, 145};
    QTest::newRow("Diamond") << 4 << Point{355, 225};
    QTest::newRow("Letter E") << 15 << Point{315, 145};
}

void TestSelection::startPoints() {
    QFETCH(int, number);
    QFETCH(Point, pen);
    TestView t(800, 540);
    t.Select(number);
    QCOMPARE(t.Probe().m_ptPen, pen);
    Surface window(&t.client.Image());
    QCOMPARE(BlackPixels(window, pen), 4);
    QCOMPARE(BlackPixels(*t.Probe().m_dcOutline, {pen.x - 275, pen.y - 145}), 4);
}

void TestSelection::selectionShowsTheNewGame() {
    TestView t(800, 540);
    t.Select(1);
    const ViewProbe v = t.Probe();
    QCOMPARE(v.m_nBudget, 496);
    QCOMPARE(v.m_nMovesTotal, 496);
    QCOMPARE(v.m_nMovesLeft, 495);
    QCOMPARE(v.m_nHitCount, 1);
    const QImage shown = t.Snapshot();
    QCOMPARE(Crop(shown, v.m_rcMovesLeft), RenderCentredLine("Moves Left: 495", v.m_rcMovesLeft));
    QCOMPARE(Crop(shown, v.m_rcMoveCount), RenderCentredLine("Move Count:   1", v.m_rcMoveCount));
    QCOMPARE(Crop(shown, v.m_rcHitCount), RenderCentredLine("Hit Count:   1", v.m_rcHitCount));
    QCOMPARE(std::string(v.m_szLabel), std::string("Hit Count:   1"));
    // The prompt gives way to the name, in its steel blue.
    QVERIFY(IsWhite(shown, v.m_rcPrompt));
    const QImage name = Crop(shown, v.m_rcName);
    bool nameColourSeen = false;
    for (int y = 0; y < name.height(); ++y)
        for (int x = 0; x < name.width(); ++x)
            nameColourSeen |= FromQRgb(name.pixel(x, y)) == CORLIXView::kNameColour;
    QVERIFY(nameColourSeen);
    // The mirror holds exactly what the board shows.
    QCOMPARE(Crop(shown, v.m_rcBoard), v.m_bmOutline[1].Image());
    QVERIFY(!IsWhite(shown, v.m_rcHint));
    QVERIFY(!IsWhite(shown, v.m_rcAdvice));
}

void TestSelection::budgetIsCountedBeforeTheStartDot() {
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(160, SyntheticOutlines::WithCells({{0, 248}, {2, 248}, {4, 248}}));
    TestView t(800, 540, loader);
    t.Select(1);
    QCOMPARE(t.Probe().m_nBudget, 3);
    QCOMPARE(t.Probe().m_nMovesLeft, 2);
    QCOMPARE(GreenPixels(t.client.Image(), t.Probe().m_rcBoard), 8);
}

void TestSelection::hiddenBudgetNumberIsNearWhite() {
    TestView t(800, 540);
    t.Select(1);
    const QImage corner = t.client.Image().copy(800 - 36, 1, 36, 24);
    bool nearWhiteSeen = false;
    for (int y = 0; y < corner.height(); ++y)
        for (int x = 0; x < corner.width(); ++x) {
            const QRgb c = corner.pixel(x, y);
            QVERIFY2(qRed(c) >= 249 && qGreen(c) >= 249 && qBlue(c) >= 249, "number too dark");
            nearWhiteSeen |= FromQRgb(c) == CORLIXView::kHiddenNumberColour;
        }
    QVERIFY(nearWhiteSeen);
}

void TestSelection::secondGameOnSameOutlineStartsClean() {
    TestView t(800, 540);
    t.Select(1);
    // Mark the board and the mirror as a pen would, then give the game up.
    Surface window(&t.client.Image());
    for (int x = 0; x < 40; ++x) {
        window.SetPixel(275 + x, 145, kBlack);
        t.Probe().m_dcOutline->SetPixel(x, 0, kBlack);
    }
    t.Key(VK_DELETE);
    const int loadsBefore = t.bitmaps.LoadCount(160);
    t.Select(1);
    QCOMPARE(t.bitmaps.LoadCount(160), loadsBefore + 1);
    QCOMPARE(t.Probe().m_nBudget, 496);
    QImage expected = SyntheticOutlines::EdgeRing();
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            expected.setPixel(dx, 248 + dy, qRgb(0, 0, 0));
    QCOMPARE(Crop(t.client.Image(), t.Probe().m_rcBoard), expected);
    QCOMPARE(t.Probe().m_bmOutline[1].Image(), expected);
}

void TestSelection::clickWhileTracingIsRefusedAndChangesNothing() {
    TestView t(800, 540);
    t.Select(3);
    const QImage before = t.Snapshot();
    const Point pen = t.Probe().m_ptPen;
    t.Select(2);
    QCOMPARE(t.BrrCount(), 1);
    QCOMPARE(t.Snapshot(), before);
    QCOMPARE(t.Probe().m_nImage, 3);
    QCOMPARE(t.Probe().m_ptPen, pen);
    QVERIFY(t.Probe().m_nGameState == GameState::Tracing);
    BoardPlayer(t).PlayToTheEnd(false);
    QVERIFY(t.Probe().m_nGameState == GameState::Finished);
    const QImage finished = t.Snapshot();
    const int brrs = t.BrrCount();
    t.Click(400, 270);
    QCOMPARE(t.BrrCount(), brrs + 1);
    QCOMPARE(t.Snapshot(), finished);
}

void TestSelection::missedClickBlanksTheBoardAndIsRefused() {
    TestView t(800, 540);
    t.Select(1);
    t.Key(VK_DELETE);
    t.Click(37, 20); // the gap between thumbnails 1 and 2
    QCOMPARE(t.BrrCount(), 1);
    const QImage shown = t.Snapshot();
    QVERIFY(IsWhite(shown, t.Probe().m_rcBoard));
    QVERIFY(IsWhite(shown, t.Probe().m_rcMovesLeft));
    QVERIFY(!IsWhite(shown, t.Probe().m_rcHint));
    QCOMPARE(t.Probe().m_nImage, 1);
    QVERIFY(t.Probe().m_nGameState == GameState::Selecting);
    // The mirror is new and holds no outline, so a repaint shows no board.
    QCOMPARE(t.Probe().m_dcOutline->Width(), 1);
}

void TestSelection::emptyOutlineGivesBudgetZeroSafely() {
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(160, SyntheticOutlines::Blank());
    TestView t(800, 540, loader);
    t.Select(1);
    QCOMPARE(t.Probe().m_nBudget, 0);
    QCOMPARE(t.Probe().m_nMovesLeft, -1);
    t.Paint();      // no division by the zero budget anywhere on the way
    t.Key(VK_LEFT); // the next move ends the game
    QVERIFY(t.Probe().m_nGameState == GameState::Finished);
    t.Paint();
    QVERIFY(IsWhite(t.client.Image(), t.Probe().m_rcScore));
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
