// A full repaint as the window system asks for one when the whole window is
// uncovered in the middle of a game: the client erased and every element of
// the game drawn again, at a small and a large window size.
#include "ResourceBitmapLoader.h"
#include "TestView.h"
#include "VirtualKeys.h"

#include <benchmark/benchmark.h>

namespace {
void FullRepaint(benchmark::State& state) {
    const ResourceBitmapLoader artwork;
    TestView t(int(state.range(0)), int(state.range(1)), artwork);
    t.Select(1);
    for (int i = 0; i < 40; ++i)
        t.Key(VK_UP);
    for (auto _ : state)
        t.Paint();
}
} // namespace

BENCHMARK(FullRepaint)->Args({800, 600})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
