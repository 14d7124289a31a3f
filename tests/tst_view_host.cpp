#include "CORLIXView.h"
#include "FakeBitmapLoader.h"
#include "FakeServices.h"
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

QTEST_MAIN(TestViewHost)
#include "tst_view_host.moc"
