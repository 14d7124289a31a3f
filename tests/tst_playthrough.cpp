// Whole games on the built-in outlines, played through the game's own
// handlers: what a perfect player scores, and what it takes to score it.
#include "BoardPlayer.h"
#include "OutlineCatalogue.h"
#include "ResourceBitmapLoader.h"
#include "TestView.h"

#include <QTest>

namespace {
// A game on the built-in artwork.
struct RealGame {
    explicit RealGame(int outline) : t(800, 540, real) { t.Select(outline); }
    ResourceBitmapLoader real;
    TestView t;
};

int Count(const std::vector<unsigned>& keys, unsigned key) {
    return int(std::count(keys.begin(), keys.end(), key));
}
} // namespace

class TestPlaythrough : public QObject {
    Q_OBJECT
private slots:
    void perfectTraceWithArrowsAlone_data();
    void perfectTraceWithArrowsAlone();
    void twoPartOutlinesNeedARightClick_data();
    void twoPartOutlinesNeedARightClick();
    void everyOutlineCanBeCoveredWithRightClicks_data();
    void everyOutlineCanBeCoveredWithRightClicks();
};

void TestPlaythrough::perfectTraceWithArrowsAlone_data() {
    QTest::addColumn<int>("outline");
    for (int outline : {1, 2, 11, 12, 13, 14, 15}) // one loop, no branches
        QTest::newRow(OutlineCatalogue::Entry(outline).name) << outline;
}

// Following the chain from the start dot, the last move lands on the last
// green cell.
void TestPlaythrough::perfectTraceWithArrowsAlone() {
    QFETCH(int, outline);
    RealGame g(outline);
    const int budget = g.t.Probe().m_nMovesTotal;
    BoardPlayer player(g.t);
    while (g.t.Probe().m_nGameState == GameState::Tracing) {
        const unsigned key = player.ArrowToGreen();
        QVERIFY2(key != 0, "the chain ran out before the moves did");
        g.t.Key(key);
    }
    const ViewProbe v = g.t.Probe();
    QCOMPARE(v.m_nMisses, 0);
    QCOMPARE(v.m_nHitCount, budget);
    QCOMPARE(v.m_nMovesTotal - v.m_nMisses, budget);
    QCOMPARE(g.t.scores.Score(outline, 0), std::string("100"));
    QVERIFY(!player.AnyGreenCell());
    QCOMPARE(g.t.BrrCount(), 0);
}

void TestPlaythrough::twoPartOutlinesNeedARightClick_data() {
    QTest::addColumn<int>("outline");
    for (int outline : {4, 7, 9}) // Diamond, Mug, Clover
        QTest::newRow(OutlineCatalogue::Entry(outline).name) << outline;
}

// With right clicks every move covers a new cell; with the arrows alone
// the way to the other part crosses white, and those moves are misses.
void TestPlaythrough::twoPartOutlinesNeedARightClick() {
    QFETCH(int, outline);
    RealGame clicking(outline);
    const std::vector<unsigned> moves = BoardPlayer(clicking.t).PlayToTheEnd(true);
    QCOMPARE(clicking.t.scores.Score(outline, 0), std::string("100"));
    QVERIFY(Count(moves, 0) >= 1);

    RealGame walking(outline);
    BoardPlayer(walking.t).PlayToTheEnd(false);
    QVERIFY(walking.t.Probe().m_nMisses > 0);
    QVERIFY(std::stoi(walking.t.scores.Score(outline, 0)) < 100);
}

void TestPlaythrough::everyOutlineCanBeCoveredWithRightClicks_data() {
    QTest::addColumn<int>("outline");
    for (const OutlineEntry& entry : OutlineCatalogue::Entries())
        QTest::newRow(entry.name) << entry.number;
}

void TestPlaythrough::everyOutlineCanBeCoveredWithRightClicks() {
    QFETCH(int, outline);
    RealGame g(outline);
    BoardPlayer player(g.t);
    player.PlayToTheEnd(true);
    QCOMPARE(g.t.Probe().m_nMisses, 0);
    QCOMPARE(g.t.scores.Score(outline, 0), std::string("100"));
    QVERIFY(!player.AnyGreenCell());
}

QTEST_MAIN(TestPlaythrough)
#include "tst_playthrough.moc"
