#include "TestView.h"

#include <QTest>

Q_DECLARE_METATYPE(Rect)

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void rectanglesAt800x540_data();
    void rectanglesAt800x540();
    void fontHeightsFollowClientSize_data();
    void fontHeightsFollowClientSize();
    void boardLeft_data();
    void boardLeft();
    void nameAreaFollowsMeasuredSample();
    void thumbnailsDoNotMoveWithWindowSize_data();
    void thumbnailsDoNotMoveWithWindowSize();
    void firstPaintFixesLayoutAndPhase();
};

void TestLayout::rectanglesAt800x540_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Rect>("expected");
    QTest::newRow("board") << "board" << Rect{275, 145, 525, 395};
    QTest::newRow("moves left") << "movesLeft" << Rect{275, 120, 525, 145};
    QTest::newRow("move count") << "moveCount" << Rect{275, 98, 525, 123};
    QTest::newRow("hit count") << "hitCount" << Rect{275, 76, 525, 101};
    QTest::newRow("misses") << "misses" << Rect{275, 395, 525, 420};
    QTest::newRow("hits") << "hits" << Rect{275, 420, 525, 445};
    QTest::newRow("score") << "score" << Rect{275, 445, 525, 470};
    QTest::newRow("hint") << "hint" << Rect{0, 480, 800, 514};
    QTest::newRow("prompt") << "prompt" << Rect{10, 41, 639, 57};
    QTest::newRow("advice") << "advice" << Rect{640, 30, 780, 432};
}

void TestLayout::rectanglesAt800x540() {
    QFETCH(QString, name);
    QFETCH(Rect, expected);
    TestView t(800, 540);
    const ViewProbe v = t.Probe();
    const std::map<QString, Rect> actual{
        {"board", v.m_rcBoard},         {"movesLeft", v.m_rcMovesLeft},
        {"moveCount", v.m_rcMoveCount}, {"hitCount", v.m_rcHitCount},
        {"misses", v.m_rcMisses},       {"hits", v.m_rcHits},
        {"score", v.m_rcScore},         {"hint", v.m_rcHint},
        {"prompt", v.m_rcPrompt},       {"advice", v.m_rcAdvice}};
    QCOMPARE(actual.at(name), expected);
}

void TestLayout::fontHeightsFollowClientSize_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("smallHeight");
    QTest::addColumn<int>("nameHeight");
    QTest::newRow("W 790 keeps the large help font") << 790 << 540 << 18 << 28;
    QTest::newRow("W 789 takes the small one") << 789 << 540 << 14 << 28;
    QTest::newRow("H 531 names at 27") << 800 << 531 << 18 << 27;
    QTest::newRow("H 600") << 800 << 600 << 18 << 31;
}

void TestLayout::fontHeightsFollowClientSize() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, smallHeight);
    QFETCH(int, nameHeight);
    TestView t(width, height);
    QCOMPARE(t.Probe().m_fontSmall.RequestedHeight(), smallHeight);
    QCOMPARE(t.Probe().m_fontName.RequestedHeight(), nameHeight);
    QCOMPARE(t.Probe().m_fontMain.RequestedHeight(), 18);
}

void TestLayout::boardLeft_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");
    QTest::newRow("800") << 800 << 275;
    QTest::newRow("odd width drops the half pixel") << 801 << 275;
    QTest::newRow("narrower than the board truncates toward zero") << 249 << 0;
    QTest::newRow("much narrower") << 100 << -75;
}

void TestLayout::boardLeft() {
    QFETCH(int, width);
    QFETCH(int, left);
    TestView t(width, 540);
    QCOMPARE(t.Probe().m_rcBoard.left, left);
    QCOMPARE(t.Probe().m_rcBoard.right, left + 250);
}

// The built-in face's metrics at a 28-pixel cell fix the sample's extent;
// the name area sits one and a half sample heights below the prompt.
void TestLayout::nameAreaFollowsMeasuredSample() {
    TestView t(800, 540);
    const ViewProbe v = t.Probe();
    QCOMPARE(v.m_sizeNameSample, (Size{124, 28}));
    QCOMPARE(v.m_rcName, (Rect{109, 99, 233, 127}));
    QCOMPARE(v.m_sizeSmallM, (Size{13, 17}));
    // The three counter lines share three pixel rows with their neighbours.
    QCOMPARE(v.m_rcMoveCount.bottom - v.m_rcMovesLeft.top, 3);
    QCOMPARE(v.m_rcHitCount.bottom - v.m_rcMoveCount.top, 3);
}

void TestLayout::thumbnailsDoNotMoveWithWindowSize_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("small") << 300;
    QTest::newRow("800") << 800;
    QTest::newRow("wide") << 1920;
}

void TestLayout::thumbnailsDoNotMoveWithWindowSize() {
    QFETCH(int, width);
    TestView t(width, 600);
    QCOMPARE(t.Probe().m_rcThumb[1], (Rect{10, 10, 31, 31}));
    QCOMPARE(t.Probe().m_rcThumb[4], (Rect{109, 10, 130, 31}));
    QCOMPARE(t.Probe().m_rcThumb[15], (Rect{472, 10, 493, 31}));
}

void TestLayout::firstPaintFixesLayoutAndPhase() {
    TestView t(800, 600);
    const ViewProbe v = t.Probe();
    QCOMPARE(v.m_bLayoutDone, 1);
    QCOMPARE(v.m_rcClientFirst, (Rect{0, 0, 800, 600}));
    QCOMPARE(v.m_ptPen, (Point{400, 300}));
    QVERIFY(v.m_nGameState == GameState::Selecting);
    QCOMPARE(v.m_nImage, 0);
    QVERIFY(v.m_strName.empty());
    // A second paint at the same size keeps the layout and does not exit.
    t.Paint();
    QVERIFY(t.shell.exits.empty());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
