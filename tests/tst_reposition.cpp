#include "SyntheticOutlines.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QTest>

Q_DECLARE_METATYPE(Point)
Q_DECLARE_METATYPE(GameState)

namespace {
constexpr int kTriangleOutlineId = 160; // starts at (0, 248)

// The edge ring, plus a cell at (100, 100) green in all but its top-left
// pixel, as a one-pixel line through its right column and lower row.
FakeBitmapLoader RingWithPartialCell() {
    QImage outline = SyntheticOutlines::EdgeRing();
    for (auto [x, y] : {std::pair{101, 100}, {100, 101}, {101, 101}})
        outline.setPixel(x, y, 0xFF00FF00);
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(kTriangleOutlineId, outline);
    return loader;
}

struct Game {
    Game() : t(800, 540, RingWithPartialCell()) {
        t.Select(1);
        t.sound.played.clear();
    }
    // A click at an offset from the board's top-left corner.
    void RightClickAt(Point offset) {
        t.RightClick(t.Probe().m_rcBoard.left + offset.x, t.Probe().m_rcBoard.top + offset.y);
    }
    Point Pen() const {
        return {t.Probe().m_ptPen.x - t.Probe().m_rcBoard.left,
                t.Probe().m_ptPen.y - t.Probe().m_rcBoard.top};
    }
    TestView t;
};
} // namespace

class TestReposition : public QObject {
    Q_OBJECT
private slots:
    void clickOnTheBoard_data();
    void clickOnTheBoard();
    void refusedInSelectingAndFinished_data();
    void refusedInSelectingAndFinished();
    void repositionSpendingTheLastMoveEndsTheGame();
};

void TestReposition::clickOnTheBoard_data() {
    QTest::addColumn<Point>("click"); // from the board's top-left corner
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Point>("pen"); // where the pen is afterwards
    const Point start{0, 248};
    QTest::newRow("top-left pixel of a green cell") << Point{124, 0} << true << Point{124, 0};
    QTest::newRow("top-right pixel") << Point{125, 0} << true << Point{124, 0};
    QTest::newRow("bottom-left pixel") << Point{124, 1} << true << Point{124, 0};
    QTest::newRow("bottom-right pixel") << Point{125, 1} << true << Point{124, 0};
    QTest::newRow("last cell of the board") << Point{249, 249} << true << Point{248, 248};
    QTest::newRow("the pen's own cell") << Point{1, 249} << false << start;
    QTest::newRow("white inside the board") << Point{124, 124} << false << start;
    QTest::newRow("green pixel, white top-left") << Point{101, 101} << false << start;
    QTest::newRow("right edge coordinate") << Point{250, 124} << false << start;
    QTest::newRow("bottom edge coordinate") << Point{124, 250} << false << start;
    QTest::newRow("corner beyond both edges") << Point{250, 250} << false << start;
    QTest::newRow("left of the board") << Point{-1, 124} << false << start;
    QTest::newRow("above the board") << Point{124, -1} << false << start;
}

void TestReposition::clickOnTheBoard() {
    QFETCH(Point, click);
    QFETCH(bool, accepted);
    QFETCH(Point, pen);
    Game g;
    const ViewProbe v = g.t.Probe();
    const QImage before = g.t.Snapshot();
    const int left = v.m_nMovesLeft, hits = v.m_nHitCount;

    g.RightClickAt(click);

    QCOMPARE(g.Pen(), pen);
    if (!accepted) {
        QCOMPARE(g.t.sound.played, (std::vector<RecordingSoundPlayer::Played>{{136, true}}));
        QCOMPARE(g.t.Snapshot(), before);
        QCOMPARE(v.m_nMovesLeft, left);
        QCOMPARE(v.m_nHitCount, hits);
        return;
    }
    QCOMPARE(g.t.sound.played, (std::vector<RecordingSoundPlayer::Played>{{130, false}}));
    QCOMPARE(v.m_nMovesLeft, left - 1);
    QCOMPARE(v.m_nHitCount, hits + 1);
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            QCOMPARE(Surface(&g.t.client.Image()).GetPixel(v.m_ptPen.x + dx, v.m_ptPen.y + dy),
                     kBlack);
            QCOMPARE(v.m_dcOutline->GetPixel(pen.x + dx, pen.y + dy), kBlack);
        }
    QCOMPARE(Crop(g.t.Snapshot(), v.m_rcHitCount),
             RenderCentredLine("Hit Count:   2", v.m_rcHitCount));
    QCOMPARE(Crop(g.t.Snapshot(), v.m_rcMoveCount),
             RenderCentredLine("Move Count:   2", v.m_rcMoveCount));
}

void TestReposition::refusedInSelectingAndFinished_data() {
    QTest::addColumn<GameState>("state");
    QTest::newRow("Selecting, after giving up") << GameState::Selecting;
    QTest::newRow("Finished, green left on the board") << GameState::Finished;
}

void TestReposition::refusedInSelectingAndFinished() {
    QFETCH(GameState, state);
    Game g;
    const ViewProbe v = g.t.Probe();
    if (state == GameState::Selecting) {
        g.t.Key(VK_DELETE);
    } else {
        v.SetMovesLeft(1);
        g.t.Key(VK_UP); // onto green: the last move
        QCOMPARE(v.m_nGameState, GameState::Finished);
    }
    // Both the clicked place and, when finished, still green on the board.
    g.t.sound.played.clear();
    const QImage before = g.t.Snapshot();
    g.RightClickAt({124, 0});
    QCOMPARE(g.t.sound.played, (std::vector<RecordingSoundPlayer::Played>{{136, true}}));
    QCOMPARE(g.t.Snapshot(), before);
    QCOMPARE(v.m_nGameState, state);
}

void TestReposition::repositionSpendingTheLastMoveEndsTheGame() {
    Game g;
    const ViewProbe v = g.t.Probe();
    v.SetMovesLeft(1);
    g.RightClickAt({124, 0});
    QCOMPARE(v.m_nGameState, GameState::Finished);
    QCOMPARE(v.m_nMovesLeft, 0);
    QCOMPARE(v.m_nMisses, 496 - 2); // start dot and the one reposition
    QCOMPARE(g.t.scores.Score(1, 0), std::string("  0"));
}

QTEST_MAIN(TestReposition)
#include "tst_reposition.moc"
