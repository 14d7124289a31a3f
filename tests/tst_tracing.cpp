#include "KeyDispatch.h"
#include "Score.h"
#include "SyntheticOutlines.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QTest>

Q_DECLARE_METATYPE(GameState)
Q_DECLARE_METATYPE(Point)

namespace {
constexpr int kDiamond = 4; // starts at (80, 80) from the board's corner
constexpr int kDiamondOutlineId = 165;
constexpr QRgb kBlackRgb = 0xFF000000;

enum class Sound { None, Brr, Move };

// The Diamond's start cell with a green cell on each side, so every arrow
// from the start lands on green.
FakeBitmapLoader PlusLoader() {
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(kDiamondOutlineId,
               SyntheticOutlines::WithCells({{80, 80}, {78, 80}, {82, 80}, {80, 78}, {80, 82}}));
    return loader;
}

// The view in the given phase: Selecting as laid out, Tracing on the
// Diamond, Finished after the Diamond's last move.
void BringTo(TestView& t, GameState state) {
    if (state == GameState::Selecting)
        return;
    t.Select(kDiamond);
    if (state == GameState::Finished) {
        t.Probe().SetMovesLeft(1);
        t.Key(VK_RIGHT);
        t.Key(VK_LEFT); // back onto the black start: not green, no hit
    }
    t.sound.played.clear();
}

Sound SoundOf(const TestView& t) {
    if (t.sound.played.empty())
        return Sound::None;
    const auto& p = t.sound.played.back();
    return p.id == CORLIXView::kSoundBrr && p.waited ? Sound::Brr : Sound::Move;
}

QRgb BoardPixel(const TestView& t, int bx, int by) {
    return t.client.Image().pixel(t.Probe().m_rcBoard.left + bx, t.Probe().m_rcBoard.top + by);
}

Point BoardOffset(const TestView& t) {
    return {t.Probe().m_ptPen.x - t.Probe().m_rcBoard.left,
            t.Probe().m_ptPen.y - t.Probe().m_rcBoard.top};
}

// Pen, hit count and board as the game holds them after a move.
void CheckPenAt(const TestView& t, Point offset) {
    QCOMPARE(BoardOffset(t), offset);
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            QCOMPARE(BoardPixel(t, offset.x + dx, offset.y + dy), kBlackRgb);
            QCOMPARE(t.Probe().m_dcOutline->GetPixel(offset.x + dx, offset.y + dy), kBlack);
        }
}

QByteArray CounterText(const char* label, int value) {
    return QByteArray(label) + QByteArray::number(value).rightJustified(3);
}

void CheckCounters(const TestView& t) {
    const ViewProbe v = t.Probe();
    const QImage shown = t.Snapshot();
    QCOMPARE(Crop(shown, v.m_rcMovesLeft),
             RenderCentredLine(CounterText("Moves Left: ", v.m_nMovesLeft), v.m_rcMovesLeft));
    QCOMPARE(Crop(shown, v.m_rcMoveCount),
             RenderCentredLine(CounterText("Move Count: ", v.m_nMovesTotal - v.m_nMovesLeft),
                               v.m_rcMoveCount));
    QCOMPARE(Crop(shown, v.m_rcHitCount),
             RenderCentredLine(CounterText("Hit Count: ", v.m_nHitCount), v.m_rcHitCount));
}
} // namespace

class TestTracing : public QObject {
    Q_OBJECT
private slots:
    void everyKeyInEveryPhase_data();
    void everyKeyInEveryPhase();
    void tableIsReadTopRowFirst();
    void arrowMovesTwoPixelsAndCountsAHit_data();
    void arrowMovesTwoPixelsAndCountsAHit();
    void blockedMoveAtEachEdgeIsSilentButSpent_data();
    void blockedMoveAtEachEdgeIsSilentButSpent();
    void moveOntoBlackCountsNoHit();
    void onlyTheTopLeftPixelDecidesAHit();
    void lastMoveEndsTheGameAndFurtherArrowsAreRefused();
    void blockedLastMoveStillEndsTheGame();
    void clearingBlanksTheGameAndShowsThePrompt_data();
    void clearingBlanksTheGameAndShowsThePrompt();
    void counterTextsKeepTheirPadding_data();
    void counterTextsKeepTheirPadding();
    void theBoardIsToldInWords_data();
    void theBoardIsToldInWords();
};

void TestTracing::everyKeyInEveryPhase_data() {
    QTest::addColumn<uint>("key");
    QTest::addColumn<GameState>("state");
    QTest::addColumn<int>("sound");
    QTest::addColumn<GameState>("after");
    QTest::addColumn<int>("spent");
    QTest::addColumn<int>("boxes");   // instructions boxes shown
    QTest::addColumn<int>("dialogs"); // scores dialogs run
    QTest::addColumn<bool>("drawn");  // the client image changed

    const GameState S = GameState::Selecting, T = GameState::Tracing, F = GameState::Finished;
    const int none = int(Sound::None), brr = int(Sound::Brr), move = int(Sound::Move);
    struct Row {
        const char* name;
        unsigned key;
        int sound[3]; // in Selecting, Tracing, Finished
    };
    const Row rows[] = {
        {"Ctrl", VK_CONTROL, {none, none, none}}, {"F1", VK_F1, {none, none, none}},
        {"F2", VK_F2, {none, none, none}},        {"End", VK_END, {brr, brr, none}},
        {"Delete", VK_DELETE, {brr, none, brr}},  {"Left", VK_LEFT, {brr, move, brr}},
        {"Up", VK_UP, {brr, move, brr}},          {"Right", VK_RIGHT, {brr, move, brr}},
        {"Down", VK_DOWN, {brr, move, brr}},      {"Shift", VK_SHIFT, {brr, brr, brr}},
        {"letter A", 'A', {brr, brr, brr}},       {"Escape", VK_ESCAPE, {brr, brr, brr}},
        {"Home", VK_HOME, {brr, brr, brr}},       {"F3", VK_F1 + 2, {brr, brr, brr}},
        {"Enter", VK_RETURN, {brr, brr, brr}},    {"Space", VK_SPACE, {brr, brr, brr}},
    };
    const GameState states[] = {S, T, F};
    const char* stateNames[] = {"Selecting", "Tracing", "Finished"};
    for (const Row& row : rows)
        for (int i = 0; i < 3; ++i) {
            const GameState state = states[i];
            const bool moves = row.key >= VK_LEFT && row.key <= VK_DOWN && state == T;
            const bool clears =
                (row.key == VK_END && state == F) || (row.key == VK_DELETE && state == T);
            QTest::addRow("%s in %s", row.name, stateNames[i])
                << uint(row.key) << state << row.sound[i] << (clears ? S : state) << (moves ? 1 : 0)
                << (row.key == VK_F1 ? 1 : 0) << (row.key == VK_F2 ? 1 : 0) << (moves || clears);
        }
}

void TestTracing::everyKeyInEveryPhase() {
    QFETCH(uint, key);
    QFETCH(GameState, state);
    QFETCH(int, sound);
    QFETCH(GameState, after);
    QFETCH(int, spent);
    QFETCH(int, boxes);
    QFETCH(int, dialogs);
    QFETCH(bool, drawn);
    TestView t(800, 540, PlusLoader());
    BringTo(t, state);
    const QImage before = t.Snapshot();
    const int movesLeft = t.Probe().m_nMovesLeft;

    t.Key(key);

    QCOMPARE(int(SoundOf(t)), sound);
    QVERIFY(t.sound.played.size() <= 1);
    QCOMPARE(t.Probe().m_nGameState, after);
    QCOMPARE(movesLeft - t.Probe().m_nMovesLeft, spent);
    QCOMPARE(int(t.shell.messageBoxes.size()), boxes);
    if (boxes == 1)
        QCOMPARE(t.shell.messageBoxes[0], t.Probe().m_strInstructionsBox);
    QCOMPARE(t.shell.scoresDialogs, dialogs);
    QCOMPARE(t.Snapshot() != before, drawn);
}

// Only Ctrl, F1, F2 and End lie above the row that refuses everything in
// Selecting and Finished; Delete and the arrows come after it.
void TestTracing::tableIsReadTopRowFirst() {
    const auto& rules = KeyDispatch::Rules();
    QCOMPARE(rules.front().key, unsigned(VK_CONTROL));
    QCOMPARE(rules.back().action, KeyAction::Refuse);
    QCOMPARE(KeyDispatch::Lookup(VK_DELETE, GameState::Finished), KeyAction::Refuse);
    QCOMPARE(KeyDispatch::Lookup(VK_END, GameState::Tracing), KeyAction::Refuse);
    QCOMPARE(KeyDispatch::Lookup(VK_F2, GameState::Finished), KeyAction::Scores);
}

void TestTracing::arrowMovesTwoPixelsAndCountsAHit_data() {
    QTest::addColumn<uint>("key");
    QTest::addColumn<Point>("pen"); // from the board's corner
    QTest::newRow("Left") << uint(VK_LEFT) << Point{78, 80};
    QTest::newRow("Up") << uint(VK_UP) << Point{80, 78};
    QTest::newRow("Right") << uint(VK_RIGHT) << Point{82, 80};
    QTest::newRow("Down") << uint(VK_DOWN) << Point{80, 82};
}

void TestTracing::arrowMovesTwoPixelsAndCountsAHit() {
    QFETCH(uint, key);
    QFETCH(Point, pen);
    TestView t(800, 540, PlusLoader());
    BringTo(t, GameState::Tracing);
    t.Key(key);
    CheckPenAt(t, pen);
    QCOMPARE(t.Probe().m_nHitCount, 2);
    QCOMPARE(t.sound.played, (std::vector<RecordingSoundPlayer::Played>{{130, false}}));
    CheckCounters(t);
}

void TestTracing::blockedMoveAtEachEdgeIsSilentButSpent_data() {
    QTest::addColumn<uint>("key");
    QTest::addColumn<Point>("pen"); // a cell on the edge the key runs into
    QTest::newRow("Left at the left edge") << uint(VK_LEFT) << Point{0, 124};
    QTest::newRow("Up at the top edge") << uint(VK_UP) << Point{124, 0};
    QTest::newRow("Right at the right edge") << uint(VK_RIGHT) << Point{248, 124};
    QTest::newRow("Down at the bottom edge") << uint(VK_DOWN) << Point{124, 248};
}

void TestTracing::blockedMoveAtEachEdgeIsSilentButSpent() {
    QFETCH(uint, key);
    QFETCH(Point, pen);
    TestView t(800, 540); // every outline the ring along the board's edges
    t.Select(1);
    const ViewProbe v = t.Probe();
    v.SetPenOnBoard(pen);
    const QImage board = Crop(t.Snapshot(), v.m_rcBoard);
    const int hits = v.m_nHitCount, left = v.m_nMovesLeft;
    t.sound.played.clear();

    t.Key(key);

    QCOMPARE(BoardOffset(t), pen);
    QCOMPARE(Crop(t.Snapshot(), v.m_rcBoard), board);
    QVERIFY(t.sound.played.empty());
    QCOMPARE(v.m_nHitCount, hits);
    QCOMPARE(v.m_nMovesLeft, left - 1);
    CheckCounters(t);
}

void TestTracing::moveOntoBlackCountsNoHit() {
    TestView t(800, 540, PlusLoader());
    BringTo(t, GameState::Tracing);
    t.Key(VK_RIGHT);
    t.Key(VK_LEFT); // back onto the start dot
    QCOMPARE(t.Probe().m_nHitCount, 2);
    QCOMPARE(t.Probe().m_nMovesLeft, t.Probe().m_nMovesTotal - 3);
    QCOMPARE(t.sound.played.size(), size_t(2)); // the pen did move both times
    CheckPenAt(t, {80, 80});
}

// A cell green in three pixels but white at its top-left is no hit; the
// pen still paints its green black, so it cannot become a miss either.
void TestTracing::onlyTheTopLeftPixelDecidesAHit() {
    QImage outline = SyntheticOutlines::WithCells({{80, 80}, {82, 82}});
    outline.setPixel(82, 80, 0xFFFFFFFF); // the cell to the right: white top-left,
    outline.setPixel(83, 80, 0xFF00FF00); // green in its other three pixels
    outline.setPixel(82, 81, 0xFF00FF00);
    outline.setPixel(83, 81, 0xFF00FF00);
    FakeBitmapLoader loader = TestView::Standard();
    loader.Put(kDiamondOutlineId, outline);
    TestView t(800, 540, loader);
    t.Select(kDiamond);
    QCOMPARE(t.Probe().m_nBudget, 2); // 11 green pixels, divided by 4
    t.Probe().SetMovesLeft(2);        // room for both moves
    t.Key(VK_RIGHT);
    QCOMPARE(t.Probe().m_nHitCount, 1);
    CheckPenAt(t, {82, 80});
    t.Key(VK_DOWN); // onto the last green cell: the game ends with no green left
    QCOMPARE(t.Probe().m_nHitCount, 2);
    QCOMPARE(t.Probe().m_nMisses, 0);
}

void TestTracing::lastMoveEndsTheGameAndFurtherArrowsAreRefused() {
    TestView t(800, 540, PlusLoader());
    BringTo(t, GameState::Tracing);
    t.Probe().SetMovesLeft(1);
    t.Key(VK_UP);
    QCOMPARE(t.Probe().m_nGameState, GameState::Finished);
    QCOMPARE(t.Probe().m_nMovesLeft, 0);
    CheckCounters(t); // Moves Left 0 is on the screen with the results
    QVERIFY(!IsWhite(t.Snapshot(), t.Probe().m_rcScore));
    const QImage finished = t.Snapshot();
    t.sound.played.clear();
    t.Key(VK_DOWN);
    QCOMPARE(SoundOf(t), Sound::Brr);
    QCOMPARE(t.Snapshot(), finished);
    QCOMPARE(t.Probe().m_nMovesLeft, 0);
}

void TestTracing::blockedLastMoveStillEndsTheGame() {
    TestView t(800, 540);
    t.Select(1); // the Triangle's start is the bottom-left cell: Left is blocked
    t.Probe().SetMovesLeft(1);
    t.Key(VK_LEFT);
    QCOMPARE(t.Probe().m_nGameState, GameState::Finished);
    QVERIFY(t.sound.played.empty());
}

void TestTracing::clearingBlanksTheGameAndShowsThePrompt_data() {
    QTest::addColumn<GameState>("state");
    QTest::addColumn<uint>("key");
    QTest::newRow("Delete while tracing") << GameState::Tracing << uint(VK_DELETE);
    QTest::newRow("End when finished") << GameState::Finished << uint(VK_END);
}

void TestTracing::clearingBlanksTheGameAndShowsThePrompt() {
    QFETCH(GameState, state);
    QFETCH(uint, key);
    TestView t(800, 540, PlusLoader());
    BringTo(t, state);
    const QImage before = t.Snapshot();
    const Point pen = t.Probe().m_ptPen;
    const int moves = t.Probe().m_nMovesLeft, hits = t.Probe().m_nHitCount;
    t.Key(key);
    const QImage shown = t.Snapshot();
    const ViewProbe v = t.Probe();
    for (const Rect* r :
         {&v.m_rcBoard, &v.m_rcMisses, &v.m_rcHits, &v.m_rcMovesLeft, &v.m_rcMoveCount,
          &v.m_rcHitCount, &v.m_rcScore, &v.m_rcHint, &v.m_rcName, &v.m_rcAdvice})
        QVERIFY(IsWhite(shown, *r));
    bool navy = false;
    for (int y = v.m_rcPrompt.top; y < v.m_rcPrompt.bottom; ++y)
        for (int x = v.m_rcPrompt.left; x < v.m_rcPrompt.right; ++x)
            navy |= FromQRgb(shown.pixel(x, y)) == CORLIXView::kPromptColour;
    QVERIFY(navy);
    for (int i = 1; i <= 15; ++i) // the strip stays for the next choice
        QCOMPARE(Crop(shown, v.m_rcThumb[i]), Crop(before, v.m_rcThumb[i]));
    // Only the screen is cleared; the next selection sets the rest again.
    QCOMPARE(v.m_ptPen, pen);
    QCOMPARE(v.m_nMovesLeft, moves);
    QCOMPARE(v.m_nHitCount, hits);
    t.Select(2);
    QCOMPARE(v.m_nGameState, GameState::Tracing);
}

void TestTracing::counterTextsKeepTheirPadding_data() {
    QTest::addColumn<int>("movesLeft");
    QTest::addColumn<QString>("text");
    QTest::newRow("two digits") << 58 << "Moves Left:  57";
    QTest::newRow("one digit") << 6 << "Moves Left:   5";
    QTest::newRow("four digits") << 1235 << "Moves Left: 1234";
}

void TestTracing::counterTextsKeepTheirPadding() {
    QFETCH(int, movesLeft);
    QFETCH(QString, text);
    TestView t(800, 540, PlusLoader());
    BringTo(t, GameState::Tracing);
    t.Probe().SetMovesLeft(movesLeft);
    t.Key(VK_UP);
    QCOMPARE(Crop(t.Snapshot(), t.Probe().m_rcMovesLeft),
             RenderCentredLine(text.toLatin1(), t.Probe().m_rcMovesLeft));
}

QTEST_MAIN(TestTracing)
#include "tst_tracing.moc"

// Steps: "select" the Triangle, "last" makes the next move the last, a
// virtual-key code, or "right" (a right click off the outline). What the
// screen reader was told last, and how often; {M}, {H}, {S}, {h}, {c} and
// {L} stand for the misses, hits, score, hit count, move count and moves
// left at the end.
void TestTracing::theBoardIsToldInWords_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("told");
    const QString prompt = "Select an outline by left clicking on one of the images above.";
    const QString counters = "Hit Count: {h}, Move Count: {c}, Moves Left: {L}";
    QTest::newRow("the prompt, once laid out") << QStringList{} << prompt << "" << 1;
    QTest::newRow("a selection: the outline and its counters")
        << QStringList{"select"} << "Triangle" << counters << 2;
    QTest::newRow("each move: the counters")
        << QStringList{"select", "38", "38"} << "Triangle" << counters << 4;
    QTest::newRow("refusals, F1 and F2 tell nothing new")
        << QStringList{"select", "36", "112", "113", "right"} << "Triangle" << counters << 2;
    QTest::newRow("the last move: the results")
        << QStringList{"select", "last", "38"} << "Triangle"
        << "Misses: {M}, Hits: {H}, Score: {S}. To play again, press the End Key." << 3;
    QTest::newRow("End: the prompt again")
        << QStringList{"select", "last", "38", "35"} << prompt << "" << 4;
    QTest::newRow("Delete: the prompt again") << QStringList{"select", "46"} << prompt << "" << 3;
}

void TestTracing::theBoardIsToldInWords() {
    QFETCH(QStringList, steps);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, told);
    TestView t;
    for (const QString& step : steps) {
        if (step == "select")
            t.Select(1);
        else if (step == "last")
            t.Probe().SetMovesLeft(1);
        else if (step == "right")
            t.RightClick(t.Probe().m_rcBoard.left + 125, t.Probe().m_rcBoard.top + 125);
        else
            t.Key(step.toUInt());
    }
    const ViewProbe v = t.Probe();
    const int total = v.m_nMovesTotal, misses = v.m_nMisses;
    text.replace("{M}", QString::number(misses))
        .replace("{H}", QString::number(total - misses))
        .replace("{S}", QString::number(ComputeScore(total, misses)))
        .replace("{h}", QString::number(v.m_nHitCount))
        .replace("{c}", QString::number(total - v.m_nMovesLeft))
        .replace("{L}", QString::number(v.m_nMovesLeft));
    QCOMPARE(int(t.shell.boardTexts.size()), told);
    QCOMPARE(QString::fromStdString(t.shell.boardTexts.back().first), name);
    QCOMPARE(QString::fromStdString(t.shell.boardTexts.back().second), text);
}
