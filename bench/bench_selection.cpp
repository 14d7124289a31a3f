// How fast the budget count and a whole selection run, next to the floor of
// the same reads from a raw pixel buffer, measured in the same run.
#include "TestView.h"
#include "VirtualKeys.h"

#include <benchmark/benchmark.h>

namespace {
// The same 62,500 reads, column by column, straight from the image memory.
void RawBufferLoop(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    const QImage& image = t.client.Image();
    const uchar* bits = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    const Rect board = t.Probe().m_rcBoard;
    for (auto _ : state) {
        int count = 0;
        for (int dx = 0; dx < 250; ++dx)
            for (int dy = 0; dy < 250; ++dy) {
                const QRgb c = reinterpret_cast<const QRgb*>(bits + (board.top + dy) *
                                                                        stride)[board.left + dx];
                count += (c & 0xFFFFFF) == 0x00FF00 ? 1 : 0;
            }
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * 62500);
}

// The same reads through the surface layer, as the game's counts make them.
void SurfaceReads(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    const Surface dc(&t.client.Image());
    const Rect board = t.Probe().m_rcBoard;
    for (auto _ : state) {
        int count = 0;
        for (int dx = 0; dx < 250; ++dx)
            for (int dy = 0; dy < 250; ++dy)
                count += dc.GetPixel(board.left + dx, board.top + dy) == kOutlineGreen ? 1 : 0;
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * 62500);
}

void CountGreen(benchmark::State& state) {
    TestView t(800, 600);
    t.Select(1);
    for (auto _ : state) {
        t.view->CountGreen();
        benchmark::DoNotOptimize(t.Probe().m_nBudget);
    }
    state.SetItemsProcessed(state.iterations() * 62500);
}

void WholeSelection(benchmark::State& state) {
    TestView t(800, 600);
    for (auto _ : state) {
        t.Select(1);
        state.PauseTiming();
        t.Key(VK_DELETE);
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(RawBufferLoop);
BENCHMARK(SurfaceReads);
BENCHMARK(CountGreen);
BENCHMARK(WholeSelection);
