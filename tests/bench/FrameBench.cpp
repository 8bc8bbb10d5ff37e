// One frame's worth of drawing: the 640 x 480 screen covered by 32 x 32
// colour-keyed blits (20 x 15 = 300), on each face. Not a test; run
// build/brindle_bench to see the figures.
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/Presenter.h"

#include <benchmark/benchmark.h>

namespace {

struct Face {
    bool d3d;
    int bpp;
    bool batch;
};

// A 32 x 32 picture: a coloured square with a transparent border and hole.
void MakeTile(DDSURFACEDATA* tile) {
    DDCreateSurface(tile, 32, 32, 1, 0, 0, 0, 0);
    if (lpDTCon) {
        DDFillRectColor(tile, 0, 0, 32, 32, lpDTCon->dwTransmit_32);
        DDFillRectColor(tile, 4, 4, 24, 24, 0xFF3366CCu);
        DDFillRectColor(tile, 12, 12, 8, 8, lpDTCon->dwTransmit_32);
    } else {
        DDFillRectColor(tile, 0, 0, 32, 32, dwTransmit);
        DDFillRectColor(tile, 4, 4, 24, 24, 0x1234);
        DDFillRectColor(tile, 12, 12, 8, 8, dwTransmit);
    }
}

void FullScreenOfKeyedTiles(benchmark::State& state, Face face) {
    cMemoryPresenter window;
    window.Open("bench", 640, 480, false);
    if (!DDInit(face.d3d, &window, 640, 480, face.bpp, 1, 0, 1, 60, 0, nullptr, nullptr, 0)) {
        state.SkipWithError("start-up failed");
        return;
    }
    DDSetTransmit(0xFF, 0x00, 0xFF);
    DDSURFACEDATA tile;
    MakeTile(&tile);
    for (auto _ : state) {
        if (face.batch) DDBeginQuadBatch(0);
        for (int y = 0; y < 480; y += 32)
            for (int x = 0; x < 640; x += 32) DDBltFast(&BackBuffer, x, y, 32, 32, &tile, 0, 0, 1);
        if (face.batch) DDFlushQuadBatch();
        benchmark::ClobberMemory();
    }
    state.counters["blits/s"] =
        benchmark::Counter(300.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DDReleaseSurface(&tile);
    DDRelease();
}

BENCHMARK_CAPTURE(FullScreenOfKeyedTiles, DirectDraw16, Face{false, 16, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfKeyedTiles, DirectDraw32, Face{false, 32, false})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfKeyedTiles, Direct3D16, Face{true, 16, false})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfKeyedTiles, Direct3D32, Face{true, 32, false})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfKeyedTiles, Direct3D32Batched, Face{true, 32, true})
    ->Unit(benchmark::kMillisecond);

} // namespace
