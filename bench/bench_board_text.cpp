// What telling a screen reader about the board adds to a move: the game's
// words for the counters, and the host's accessible name and description
// with what it speaks. With no screen reader listening, as on most
// desktops; BoardTextListened is registered only where a screen reader's
// bus is on (bench/access/measure.sh runs it so).
#include "FakeServices.h"
#include "TestView.h"
#include "ViewHost.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <benchmark/benchmark.h>

namespace {
// Forwards to the host, as the desktop's shell does.
class HostShell : public FakeShell {
public:
    explicit HostShell(ViewHost& host) : m_host(host) {}
    void SetBoardText(const std::string& name, const std::string& description) override {
        m_host.SetBoardText(QString::fromStdString(name), QString::fromStdString(description));
    }

private:
    ViewHost& m_host;
};

void BoardText(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    CORLIXView other(ViewServices{nullptr, &t.bitmaps, nullptr, nullptr});
    ViewHost host(&other);
    HostShell shell(host);
    CORLIXView view(ViewServices{&t.sound, &t.bitmaps, &shell, &t.scores});
    ClientArea client(800, 600);
    view.AttachClientArea(&client);
    view.OnPaint();
    const Rect& thumb = ViewProbe(view).m_rcThumb[1];
    view.OnLButtonDown(0, {thumb.left + 5, thumb.top + 5});
    host.show();
    int movesLeft = 1000000;
    for (auto _ : state) {
        ViewProbe(view).SetMovesLeft(--movesLeft);
        ViewProbe(view).TellBoard();
    }
}
} // namespace

BENCHMARK(BoardText);

// The bus comes up once the event loop has run a little.
void RegisterBoardTextListened() {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        return;
    const QDeadlineTimer ready(5000);
    while (!QAccessible::isActive() && !ready.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (QAccessible::isActive())
        benchmark::RegisterBenchmark("BoardTextListened", BoardText);
}
