#include "CORLIXView.h"
#include "FakeBitmapLoader.h"
#include "FakeServices.h"
#include "QueuedRepeats.h"
#include "ScoreHistory.h"
#include "TestView.h"
#include "ViewHost.h"
#include "ViewProbe.h"

#include <QPaintEvent>
#include <QTest>

namespace {
// Records the part of the host each paint covers, in order.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    std::vector<QRegion> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            paints.push_back(static_cast<QPaintEvent*>(event)->region());
            painted += paints.back();
        }
        return false;
    }
};

// The game view in its host widget, shown, laid out, and tracing the
// Triangle (the edge ring of the standard test artwork), started at the
// bottom-left cell.
struct HostedGame {
    HostedGame() : bitmaps(TestView::Standard()) {
        host.resize(800, 540);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_VERIFY(Probe().m_bLayoutDone == 1);
        QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(Probe().m_nGameState, GameState::Tracing);
        QCoreApplication::processEvents();
        host.installEventFilter(&recorder);
    }
    ViewProbe Probe() { return ViewProbe(view); }
    // The board pixel at an offset from its top-left corner, in the host.
    QPoint OnBoard(int x, int y) { return {Probe().m_rcBoard.left + x, Probe().m_rcBoard.top + y}; }
    QRegion Counters() {
        const ViewProbe v = Probe();
        return QRegion(ToQRect(v.m_rcMovesLeft)) + ToQRect(v.m_rcMoveCount) +
               ToQRect(v.m_rcHitCount);
    }
    QRegion PenCell() { return QRect(Probe().m_ptPen.x, Probe().m_ptPen.y, 2, 2); }

    RecordingSoundPlayer sound;
    FakeBitmapLoader bitmaps;
    FakeShell shell;
    ScoreHistory scores;
    CORLIXView view{ViewServices{&sound, &bitmaps, &shell, &scores}};
    ViewHost host{&view};
    PaintRecorder recorder;
};
} // namespace

class TestViewHost : public QObject {
    Q_OBJECT
private slots:
    void onlyWhatAHandlerDrewReachesTheScreen_data();
    void onlyWhatAHandlerDrewReachesTheScreen();
    void theScreenShowsEverythingBeforeABrr_data();
    void theScreenShowsEverythingBeforeABrr();
    void repeatsQueuedInAHoldCountOnce_data();
    void repeatsQueuedInAHoldCountOnce();
    void repeatsAreToldApart_data();
    void repeatsAreToldApart();
};

void TestViewHost::onlyWhatAHandlerDrewReachesTheScreen_data() {
    QTest::addColumn<QString>("event");
    QTest::newRow("arrow move") << "move";
    QTest::newRow("reposition") << "reposition";
    QTest::newRow("refused click") << "refused click";
    QTest::newRow("refused key") << "refused key";
}

// The region painted after the event is exactly what the handler drew: the
// pen's new cell and the counter lines, or nothing for a refusal. A flush
// of the whole client fails this. The pen's cell goes to the screen first,
// on its own: it is what the player follows.
void TestViewHost::onlyWhatAHandlerDrewReachesTheScreen() {
    QFETCH(QString, event);
    HostedGame g;
    QRegion expected;
    if (event == "move") {
        QTest::keyClick(&g.host, Qt::Key_Up);
        expected = g.PenCell() + g.Counters();
    } else if (event == "reposition") {
        QTest::mouseClick(&g.host, Qt::RightButton, {}, g.OnBoard(125, 1));
        expected = g.PenCell() + g.Counters();
        QCOMPARE(g.Probe().m_ptPen, (Point{g.OnBoard(124, 0).x(), g.OnBoard(124, 0).y()}));
    } else if (event == "refused click") {
        QTest::mouseClick(&g.host, Qt::LeftButton, {}, QPoint(20, 20));
    } else {
        QTest::keyClick(&g.host, Qt::Key_Home);
    }
    QCoreApplication::processEvents();
    QTRY_COMPARE(g.recorder.painted, expected);
    if (!expected.isEmpty())
        QCOMPARE(g.recorder.paints.front(), g.PenCell());
}

void TestViewHost::theScreenShowsEverythingBeforeABrr_data() {
    QTest::addColumn<QString>("event");
    QTest::newRow("a click that misses every thumbnail") << "missed click";
    QTest::newRow("a key refused right after the last move") << "refused key";
    QTest::newRow("a right click refused right after a move") << "refused right click";
}

// Whatever a handler, or the one before it, has drawn is on the screen
// before a brr holds the input: nothing is painted after the brr began.
// The events queue together, as when the player is quick.
void TestViewHost::theScreenShowsEverythingBeforeABrr() {
    QFETCH(QString, event);
    HostedGame g;
    const auto post = [&g](QEvent* e) { QCoreApplication::postEvent(&g.host, e); };
    const auto key = [](Qt::Key k) { return new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier); };
    const auto press = [](Qt::MouseButton button, QPoint at) {
        return new QMouseEvent(QEvent::MouseButtonPress, at, at, button, button, {});
    };
    if (event == "missed click") {
        QTest::keyClick(&g.host, Qt::Key_Delete);
        post(press(Qt::LeftButton, QPoint(10, 20)));
    } else if (event == "refused key") {
        g.Probe().SetMovesLeft(1);
        post(key(Qt::Key_Up));
        post(key(Qt::Key_Home));
    } else {
        post(key(Qt::Key_Up));
        post(press(Qt::RightButton, g.OnBoard(125, 125)));
    }
    QRegion paintedAtBrr;
    g.sound.onWait = [&] { paintedAtBrr = g.recorder.painted; };
    QTRY_VERIFY(!g.sound.played.empty() && g.sound.played.back().waited);
    QCoreApplication::processEvents();
    QVERIFY(!paintedAtBrr.isEmpty());
    QCOMPARE(paintedAtBrr, g.recorder.painted);
}

// Steps: "H561" the input was held until 561 ms on the host's clock;
// "L@40>281" the Left key made at 40 ms on the window system's clock
// reaches the host at 281 ms ("Lr": an auto-repeat; U, R, D the other
// arrows). The keys handled, by the times they were made.
void TestViewHost::repeatsQueuedInAHoldCountOnce_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<qint64>("clockOffset"); // the window system's clock ahead; -1: no time
    QTest::addColumn<QString>("handled");
    const QStringList held{"L@0>0",      "H280",       "Lr@40>281",  "H561",
                           "Lr@80>562",  "Lr@240>562", "Lr@320>563", "H843",
                           "Lr@560>844", "Lr@600>844", "H1124",      "Lr@880>1125"};
    QTest::newRow("a held key, one brr per hold") << held << qint64(1000) << "0 40 320 600 880";
    QTest::newRow("the same on clocks far apart") << held << qint64(5000000) << "0 40 320 600 880";
    QTest::newRow("repeats the game keeps up with are all handled")
        << QStringList{"L@0>0", "Lr@33>34", "Lr@66>66", "Lr@99>120", "Lr@132>133"} << qint64(1000)
        << "0 33 66 99 132";
    QTest::newRow("keys of other codes queued in a hold are all handled")
        << QStringList{"L@0>0", "H280", "U@20>281", "R@40>282", "D@60>283", "L@80>284"}
        << qint64(1000) << "0 20 40 60 80";
    QTest::newRow("a repeat after another key is handled")
        << QStringList{"L@0>0", "H280", "Lr@40>281", "H561", "U@100>562", "Lr@120>563"}
        << qint64(1000) << "0 40 100 120";
    QTest::newRow("a repeat made after the hold is handled")
        << QStringList{"L@0>0", "H280", "Lr@40>281", "H561", "Lr@570>571"} << qint64(1000)
        << "0 40 570";
    QTest::newRow("without the window system's time nothing merges")
        << QStringList{"L@0>0", "H280", "Lr@0>281", "Lr@0>282"} << qint64(-1) << "0 0 0";
    QTest::newRow("after the window system's clock wraps, repeats go on")
        << QStringList{"L@4294967000>0", "H280",      "Lr@4294967040>281", "H561",
                       "Lr@4>600",       "Lr@37>633", "Lr@70>666"}
        << qint64(1000) << "4294967000 4294967040 4 37 70";
}

void TestViewHost::repeatsQueuedInAHoldCountOnce() {
    QFETCH(QStringList, steps);
    QFETCH(qint64, clockOffset);
    QFETCH(QString, handled);
    QueuedRepeats repeats;
    qint64 heldUntil = 0;
    QStringList seen;
    const QString keys = "LURD";
    for (const QString& step : steps) {
        if (step.startsWith('H')) {
            heldUntil = step.mid(1).toLongLong();
            continue;
        }
        const qint64 made = step.section('@', 1).section('>', 0, 0).toLongLong();
        const qint64 now = step.section('>', 1).toLongLong();
        const quint64 stamp = clockOffset < 0 ? 0 : quint64(made + clockOffset);
        if (!repeats.Merges(37 + unsigned(keys.indexOf(step.at(0))), step.at(1) == 'r', stamp, now,
                            heldUntil))
            seen << QString::number(made);
    }
    QCOMPARE(seen.join(' '), handled);
}

// Steps: "d37@100" key 37 goes down at 100 ms, "u37@140" it goes up, "D"
// a key-down the toolkit calls a repeat. Whether each key-down is one.
void TestViewHost::repeatsAreToldApart_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("repeats");
    QTest::newRow("the toolkit says so") << QStringList{"d37@100", "D37@140"} << "-r";
    QTest::newRow("a release and a press at the same moment")
        << QStringList{"d37@100", "u37@140", "d37@140", "u37@180", "d37@180"} << "-rr";
    QTest::newRow("pressed again later") << QStringList{"d37@100", "u37@140", "d37@300"} << "--";
    QTest::newRow("down again without going up") << QStringList{"d37@100", "d37@140"} << "-r";
    QTest::newRow("another key") << QStringList{"d37@100", "u37@140", "d38@140"} << "--";
}

void TestViewHost::repeatsAreToldApart() {
    QFETCH(QStringList, steps);
    QFETCH(QString, repeats);
    QueuedRepeats keys;
    QString seen;
    for (const QString& step : steps) {
        const unsigned key = step.mid(1).section('@', 0, 0).toUInt();
        const quint64 at = step.section('@', 1).toULongLong();
        if (step.startsWith('u'))
            keys.Released(key, at);
        else
            seen += keys.IsRepeat(key, step.startsWith('D'), at) ? 'r' : '-';
    }
    QCOMPARE(seen, repeats);
}

QTEST_MAIN(TestViewHost)
#include "tst_view_host.moc"
