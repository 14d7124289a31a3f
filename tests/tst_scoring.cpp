#include "SyntheticOutlines.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QTest>

namespace {
constexpr int kGift = 10; // starts at (124, 0)
constexpr int kGiftOutlineId = 164;

// The Gift's start cell and `extra` more cells, which become the misses
// when the game ends at once.
QImage StartAndCells(int extra) {
    QImage image = SyntheticOutlines::WithCells({{124, 0}});
    for (int i = 0; i < extra; ++i) {
        const int x = 2 * (i % 100), y = 20 + 4 * (i / 100);
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                image.setPixel(x + dx, y + dy, 0xFF00FF00);
    }
    return image;
}

FakeBitmapLoader GiftWith(const QImage& outline) {
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(kGiftOutlineId, outline);
    return loader;
}

// Ends a game on the Gift at once, with the budget set to `total`.
void EndWithBudget(TestView& t, int total) {
    t.Select(kGift);
    t.Probe().SetBudget(total);
    t.Probe().SetMovesLeft(0);
    t.view->EndGame();
}

QByteArray Line(const char* label, int value) {
    return QByteArray(label) + QByteArray::number(value).rightJustified(3);
}

bool RowEmpty(const ScoreHistory& scores, int outline) {
    for (int slot = 0; slot < ScoreHistory::kSlots; ++slot)
        if (!scores.Score(outline, slot).empty())
            return false;
    return true;
}
} // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void resultsAndFiledScore_data();
    void resultsAndFiledScore();
    void endGameWithMovesLeftDoesNothing();
    void eightGamesKeepTheLastSevenNewestFirst();
    void givingUpRecordsNothing();
    void strayGreenPixelsCountInWholeCells_data();
    void strayGreenPixelsCountInWholeCells();
    void emptyOutlineEndsWithoutAScore();
};

void TestScoring::resultsAndFiledScore_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("score");
    QTest::newRow("100 / 0") << 100 << 0 << "100";
    QTest::newRow("100 / 33") << 100 << 33 << " 67";
    QTest::newRow("300 / 100") << 300 << 100 << " 67";
    QTest::newRow("8 / 3: 62.5 goes up") << 8 << 3 << " 63";
    QTest::newRow("8 / 1: 87.5 goes up") << 8 << 1 << " 88";
    QTest::newRow("200 / 1: 99.5 goes up") << 200 << 1 << "100";
    QTest::newRow("199 / 1") << 199 << 1 << " 99";
    QTest::newRow("150 / 75") << 150 << 75 << " 50";
    QTest::newRow("150 / 150") << 150 << 150 << "  0";
    QTest::newRow("100 / 15") << 100 << 15 << " 85";
    QTest::newRow("7 / 2") << 7 << 2 << " 71";
    QTest::newRow("3 / 1") << 3 << 1 << " 67";
}

// The Hits line is the budget less the misses, whatever Hit Count says.
void TestScoring::resultsAndFiledScore() {
    QFETCH(int, total);
    QFETCH(int, misses);
    QFETCH(QString, score);
    TestView t(800, 540, GiftWith(StartAndCells(misses)));
    EndWithBudget(t, total);
    const ViewProbe v = t.Probe();
    QCOMPARE(v.m_nMisses, misses);
    QCOMPARE(v.m_nHitCount, 1);
    QCOMPARE(v.m_nGameState, GameState::Finished);
    QCOMPARE(QString::fromStdString(t.scores.Score(kGift, 0)), score);
    const QImage shown = t.Snapshot();
    QCOMPARE(Crop(shown, v.m_rcMisses), RenderCentredLine(Line("Misses: ", misses), v.m_rcMisses));
    QCOMPARE(Crop(shown, v.m_rcHits),
             RenderCentredLine(Line("Hits: ", total - misses), v.m_rcHits));
    QCOMPARE(Crop(shown, v.m_rcScore),
             RenderCentredLine("Score: " + score.toLatin1(), v.m_rcScore));
    QCOMPARE(Crop(shown, v.m_rcHint),
             RenderCentredLine("To play again, press the End Key.", v.m_rcHint));
    // A repaint shows the same results from the stored figures.
    t.Paint();
    QCOMPARE(Crop(t.Snapshot(), v.m_rcScore), Crop(shown, v.m_rcScore));
    QCOMPARE(Crop(t.Snapshot(), v.m_rcHits), Crop(shown, v.m_rcHits));
}

void TestScoring::endGameWithMovesLeftDoesNothing() {
    TestView t(800, 540, GiftWith(StartAndCells(5)));
    t.Select(kGift);
    const QImage before = t.Snapshot();
    t.view->EndGame();
    QCOMPARE(t.Probe().m_nGameState, GameState::Tracing);
    QCOMPARE(t.Snapshot(), before);
    QVERIFY(RowEmpty(t.scores, kGift));
}

// With one miss, budgets 1 to 8 score 0, 50, 67, 75, 80, 83, 86 and 88.
void TestScoring::eightGamesKeepTheLastSevenNewestFirst() {
    TestView t(800, 540, GiftWith(StartAndCells(1)));
    for (int total = 1; total <= 8; ++total) {
        EndWithBudget(t, total);
        t.Key(VK_END);
    }
    const char* expected[] = {" 88", " 86", " 83", " 80", " 75", " 67", " 50"};
    for (int slot = 0; slot < ScoreHistory::kSlots; ++slot)
        QCOMPARE(t.scores.Score(kGift, slot), std::string(expected[slot]));
    for (int outline = 1; outline <= ScoreHistory::kOutlines; ++outline)
        if (outline != kGift)
            QVERIFY(RowEmpty(t.scores, outline));
}

void TestScoring::givingUpRecordsNothing() {
    TestView t(800, 540);
    t.Select(kGift);
    t.Key(VK_UP);
    t.Key(VK_DELETE);
    QCOMPARE(t.Probe().m_nGameState, GameState::Selecting);
    for (int outline = 1; outline <= ScoreHistory::kOutlines; ++outline)
        QVERIFY(RowEmpty(t.scores, outline));
}

void TestScoring::strayGreenPixelsCountInWholeCells_data() {
    QTest::addColumn<int>("strayPixels"); // single green pixels, each in its own cell
    QTest::addColumn<int>("misses");
    QTest::newRow("three") << 3 << 0;
    QTest::newRow("four") << 4 << 1;
    QTest::newRow("seven") << 7 << 1;
}

void TestScoring::strayGreenPixelsCountInWholeCells() {
    QFETCH(int, strayPixels);
    QFETCH(int, misses);
    QImage outline = StartAndCells(0);
    for (int i = 0; i < strayPixels; ++i)
        outline.setPixel(1 + 4 * i, 201, 0xFF00FF00);
    TestView t(800, 540, GiftWith(outline));
    EndWithBudget(t, 10);
    QCOMPARE(t.Probe().m_nMisses, misses);
}

// No outline, no score: the game ends without dividing by the empty budget
// and files nothing, but still says how to play again.
void TestScoring::emptyOutlineEndsWithoutAScore() {
    TestView t(800, 540, GiftWith(SyntheticOutlines::Blank()));
    t.Select(kGift);
    QCOMPARE(t.Probe().m_nMovesTotal, 0);
    t.Key(VK_RIGHT);
    const ViewProbe v = t.Probe();
    QCOMPARE(v.m_nGameState, GameState::Finished);
    QVERIFY(RowEmpty(t.scores, kGift));
    const QImage shown = t.Snapshot();
    for (const Rect* r : {&v.m_rcMisses, &v.m_rcHits, &v.m_rcScore})
        QVERIFY(IsWhite(shown, *r));
    QCOMPARE(Crop(shown, v.m_rcHint),
             RenderCentredLine("To play again, press the End Key.", v.m_rcHint));
    t.Key(VK_END);
    QCOMPARE(v.m_nGameState, GameState::Selecting);
}

QTEST_MAIN(TestScoring)
#include "tst_scoring.moc"
