// Random keys and clicks on the built-in outlines, with the game's rules
// checked after every single event. The seed is printed; ORLIX_SEED=n
// replays a run, ORLIX_EVENTS sets its length.
#include "OutlineCatalogue.h"
#include "ResourceBitmapLoader.h"
#include "Score.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <QPainter>
#include <QTest>
#include <cstring>
#include <random>

namespace {
class RandomPlayer {
public:
    RandomPlayer(TestView& t, unsigned seed) : m_t(t), m_random(seed) {}

    // One event, chosen for the phase so that games get played to their end.
    void Play() {
        switch (m_t.Probe().m_nGameState) {
        case GameState::Selecting:
            return Chance(85) ? ClickThumbnail() : AnyEvent();
        case GameState::Finished:
            return Chance(70) ? m_t.Key(VK_END) : AnyEvent();
        case GameState::Tracing:
            if (Chance(75))
                return Arrow(VK_LEFT + Pick(4));
            if (Chance(40))
                return RightClickGreen();
            return AnyEvent();
        }
    }

    // Whether the last event must spend a move, by the rules: an arrow
    // while tracing, or a right click while tracing on a cell whose
    // top-left pixel is green.
    bool MustSpend() const { return lastRightClickAccepted || lastWasArrowWhileTracing; }
    bool lastRightClickAccepted = false;
    bool lastWasArrowWhileTracing = false;
    // Where the pen must be afterwards, and whether the event is a hit.
    Point expectedPen;
    bool expectHit = false;

    void Reset() {
        lastRightClickAccepted = lastWasArrowWhileTracing = expectHit = false;
        expectedPen = m_t.Probe().m_ptPen;
    }

private:
    bool Chance(int percent) { return Pick(100) < unsigned(percent); }
    unsigned Pick(unsigned n) {
        return std::uniform_int_distribution<unsigned>(0, n - 1)(m_random);
    }
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    bool GreenAt(int x, int y) const { return m_t.client.Image().pixel(x, y) == 0xFF00FF00; }

    // The pen moves two pixels unless the board's edge is in the way; the
    // pixel under its new top-left corner decides the hit.
    void Arrow(unsigned key) {
        if (m_t.Probe().m_nGameState == GameState::Tracing) {
            const Rect& b = m_t.Probe().m_rcBoard;
            const Point pen = m_t.Probe().m_ptPen;
            const int dx = key == VK_LEFT ? -2 : key == VK_RIGHT ? 2 : 0;
            const int dy = key == VK_UP ? -2 : key == VK_DOWN ? 2 : 0;
            const Point to{pen.x + dx, pen.y + dy};
            const bool blocked =
                to.x < b.left || to.y < b.top || to.x + 2 > b.right || to.y + 2 > b.bottom;
            expectedPen = blocked ? pen : to;
            expectHit = !blocked && GreenAt(to.x, to.y);
            lastWasArrowWhileTracing = true;
        }
        m_t.Key(key);
    }

    void ClickThumbnail() {
        const Rect& r = m_t.Probe().m_rcThumb[1 + Pick(15)];
        m_t.Click(Between(r.left, r.right), Between(r.top, r.bottom));
    }

    void RightClickGreen() {
        const Rect& b = m_t.Probe().m_rcBoard;
        for (int tries = 0; tries < 30; ++tries) {
            const int x = b.left + Between(0, 249), y = b.top + Between(0, 249);
            if (m_t.client.Image().pixel(x, y) == 0xFF00FF00)
                return RightClick(x, y);
        }
        RightClick(b.left + Between(-2, 251), b.top + Between(-2, 251));
    }

    void RightClick(int x, int y) {
        const Rect& b = m_t.Probe().m_rcBoard;
        bool accepted = m_t.Probe().m_nGameState == GameState::Tracing && b.left <= x &&
                        x <= b.right && b.top <= y && y <= b.bottom;
        if (accepted) {
            const int cx = x - (x - b.left) % 2, cy = y - (y - b.top) % 2;
            accepted = cx < b.right && cy < b.bottom && GreenAt(cx, cy);
            if (accepted)
                expectedPen = {cx, cy};
        }
        lastRightClickAccepted = expectHit = accepted;
        m_t.RightClick(x, y);
    }

    void AnyEvent() {
        static constexpr unsigned kKeys[] = {VK_CONTROL, VK_F1,     VK_F2,     VK_END,  VK_SHIFT,
                                             VK_DELETE,  VK_HOME,   VK_ESCAPE, 'A',     'Z',
                                             VK_SPACE,   VK_RETURN, VK_LEFT,   VK_DOWN, VK_TAB};
        const Rect& c = m_t.Probe().m_rcClient;
        switch (Pick(4)) {
        case 0:
            return m_t.Click(Between(-5, c.right + 5), Between(-5, c.bottom + 5));
        case 1:
            return RightClick(Between(-5, c.right + 5), Between(-5, c.bottom + 5));
        default: {
            unsigned key = kKeys[Pick(std::size(kKeys))];
            // Giving up is rare, so most games reach their end.
            if (key == VK_DELETE && !Chance(3))
                key = VK_UP;
            return key >= VK_LEFT && key <= VK_DOWN ? Arrow(key) : m_t.Key(key);
        }
        }
    }

    TestView& m_t;
    std::mt19937 m_random;
};

unsigned SeedFromEnvironment() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("ORLIX_SEED").toUInt(&ok);
    return ok ? seed : std::random_device{}();
}

int EventsFromEnvironment() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ORLIX_EVENTS", &ok);
    return ok && events > 0 ? events : 100000;
}

// What the screen shows: the first paint, then only the part of the client
// image each event touched, as the host puts it on screen.
class Screen {
public:
    explicit Screen(const QImage& firstPaint) : m_image(firstPaint.copy()) {}
    void Show(const QImage& client, const QRegion& touched) {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : touched)
            painter.drawImage(r.topLeft(), client, r);
    }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

bool BoardMatchesMirror(const TestView& t) {
    const QImage& window = t.client.Image();
    const QImage& mirror = t.Probe().m_bmOutline[t.Probe().m_nImage].Image();
    const Rect& b = t.Probe().m_rcBoard;
    for (int y = 0; y < 250; ++y)
        if (std::memcmp(window.constScanLine(b.top + y) + 4 * b.left, mirror.constScanLine(y),
                        250 * 4) != 0)
            return false;
    return true;
}
} // namespace

class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldAfterEveryEvent();
};

void TestRandomPlay::rulesHoldAfterEveryEvent() {
    const unsigned seed = SeedFromEnvironment();
    const int events = EventsFromEnvironment();
    qInfo("seed %u, %d events (replay with ORLIX_SEED=%u)", seed, events, seed);
    ResourceBitmapLoader artwork;
    TestView t(800, 540, artwork);
    RandomPlayer player(t, seed);
    const ViewProbe v = t.Probe();
    int spent = 0, finished = 0, givenUp = 0;
    t.client.TakeTouched();
    Screen screen(t.client.Image());

    for (int event = 0; event < events; ++event) {
        const QByteArray where = "event " + QByteArray::number(event);
        const GameState before = v.m_nGameState;
        const ScoreHistory history = t.scores;
        const int image = v.m_nImage;
        const int hits = v.m_nHitCount;
        const Point pen = v.m_ptPen;
        t.sound.played.clear();
        player.Reset();
        player.Play();
        screen.Show(t.client.Image(), t.client.TakeTouched());
        // Now and then (a whole comparison costs as much as 500 events): all
        // the view drew reached the screen.
        if (event % 500 == 0 || event == events - 1)
            QVERIFY2(screen.Image() == t.client.Image(), where + ": drawn but not shown");

        QVERIFY2(t.sound.played.size() <= 1, where);
        if (before == GameState::Selecting && v.m_nGameState == GameState::Tracing) {
            spent = 1; // the start dot
            QCOMPARE(v.m_nMovesTotal, v.m_nBudget);
        } else if (player.MustSpend()) {
            ++spent;
            QVERIFY2(v.m_ptPen == player.expectedPen, where + ": the pen went astray");
            QVERIFY2(v.m_nHitCount == hits + (player.expectHit ? 1 : 0),
                     where + ": hit miscounted");
            // The move sound when the pen moved, silence when the edge stopped it.
            const bool moved = !(player.expectedPen == pen);
            QVERIFY2(t.sound.played ==
                         (moved ? std::vector<RecordingSoundPlayer::Played>{{130, false}}
                                : std::vector<RecordingSoundPlayer::Played>{}),
                     where + ": wrong sound for a move");
        } else if (before == GameState::Tracing) {
            QVERIFY2(v.m_nHitCount == hits, where + ": a refused event counted a hit");
        }
        if (v.m_nImage == 0)
            continue;
        QVERIFY2(v.m_nMovesTotal - v.m_nMovesLeft == spent, where + ": Move Count is off");
        const Point cell{v.m_ptPen.x - v.m_rcBoard.left, v.m_ptPen.y - v.m_rcBoard.top};
        QVERIFY2(cell.x % 2 == 0 && cell.y % 2 == 0 && cell.x >= 0 && cell.x <= 248 &&
                     cell.y >= 0 && cell.y <= 248,
                 where + ": pen off the grid");
        if (v.m_nGameState != GameState::Selecting) {
            QVERIFY2(BoardMatchesMirror(t), where + ": board and mirror differ");
            QVERIFY2(v.m_nMovesLeft >= 0, where);
        }
        const bool ended = before == GameState::Tracing && v.m_nGameState == GameState::Finished;
        const bool abandoned =
            before == GameState::Tracing && v.m_nGameState == GameState::Selecting;
        finished += ended ? 1 : 0;
        givenUp += abandoned ? 1 : 0;
        if (!ended) {
            for (int o = 1; o <= ScoreHistory::kOutlines; ++o)
                for (int s = 0; s < ScoreHistory::kSlots; ++s)
                    QVERIFY2(t.scores.Score(o, s) == history.Score(o, s),
                             where + ": a score changed");
            continue;
        }
        QVERIFY2(0 <= v.m_nMisses && v.m_nMisses <= v.m_nMovesTotal, where);
        const int score = ComputeScore(v.m_nMovesTotal, v.m_nMisses);
        QVERIFY2(0 <= score && score <= 100, where);
        QCOMPARE(t.scores.Score(image, 0),
                 QByteArray::number(score).rightJustified(3).toStdString());
        for (int s = 1; s < ScoreHistory::kSlots; ++s)
            QVERIFY2(t.scores.Score(image, s) == history.Score(image, s - 1), where);
    }
    qInfo("%d games finished, %d given up", finished, givenUp);
    QVERIFY(finished > 0);
}

QTEST_MAIN(TestRandomPlay)
#include "tst_random_play.moc"
