// What one move costs the player: the key or click handler with its
// counter redraw (to be read against the 16.7 ms of a 60 Hz frame); and
// the game end, which counts the board and files the score.
#include "TestView.h"
#include "VirtualKeys.h"

#include <benchmark/benchmark.h>

namespace {
// Up and down the Triangle's left edge, on green: move sound, hit, pen on
// both surfaces and three counter lines.
void ArrowMove(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    unsigned key = VK_UP;
    for (auto _ : state) {
        t.Probe().SetMovesLeft(1000);
        t.Key(key);
        key = key == VK_UP ? VK_DOWN : VK_UP;
    }
}

void Reposition(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    const Rect& board = t.Probe().m_rcBoard;
    int x = 2;
    for (auto _ : state) {
        state.PauseTiming();
        t.Probe().SetMovesLeft(1000);
        x = x < 246 ? x + 2 : 2; // along the top edge, where green is left
        if (x == 2) {
            t.Key(VK_DELETE);
            t.Select(1);
        }
        state.ResumeTiming();
        t.RightClick(board.left + x, board.top);
    }
    if (t.BrrCount() != 0)
        state.SkipWithError("a reposition was refused");
}

void EndGame(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    t.Probe().SetMovesLeft(0);
    for (auto _ : state)
        t.view->EndGame();
}
} // namespace

BENCHMARK(ArrowMove);
BENCHMARK(Reposition);
BENCHMARK(EndGame);
