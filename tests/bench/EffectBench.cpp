// The software pixel effects on a full 640 x 480 picture into a full-screen
// target, at 8, 16 and 32 bits per pixel in DirectDraw (the CPU's rules;
// Direct3D's system-memory copies run the same loops). Not a test; run
// build/brindle_bench --benchmark_filter=Effect to see the figures.
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "platform/Presenter.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

using Effect = std::function<int(DDSURFACEDATA* dst, DDSURFACEDATA* src)>;

void FullScreenEffect(benchmark::State& state, int bpp, const Effect& effect) {
    cMemoryPresenter window;
    window.Open("bench", 640, 480, false);
    if (!DDInit(0, &window, 640, 480, bpp, 1, 0, 1, 60, 0, nullptr, nullptr, 0)) {
        state.SkipWithError("start-up failed");
        return;
    }
    DDSURFACEDATA src, dst;
    DDCreateSurface(&src, 640, 480, 1, 1, 0, 0, 0);
    DDCreateSurface(&dst, 640, 480, 0, 1, 0, 0, 0);
    // A picture with some variety: bands of colours and a few transparent
    // pixels. Entry 0 stays black, the transparent colour; every other entry
    // is a colour of its own.
    for (int n = 1; n < 256; ++n)
        Palette[n] = {static_cast<BYTE>(n * 37), static_cast<BYTE>(n * 91 + 50),
                      static_cast<BYTE>(n * 13 + 200), 0};
    for (int y = 0; y < 480; y += 8)
        for (int x = 0; x < 640; x += 8) DDFillRectPal(&src, x, y, 8, 8, (x / 8 + y / 8 * 3) % 256);
    DDFillRectPal(&dst, 0, 0, 640, 480, 7);
    for (auto _ : state) benchmark::DoNotOptimize(effect(&dst, &src));
    DDReleaseSurface(&src);
    DDReleaseSurface(&dst);
    DDRelease();
}

void Register(const char* name, const Effect& effect, bool palette) {
    for (int bpp : {8, 16, 32}) {
        if (bpp == 8 && !palette) continue;
        benchmark::RegisterBenchmark((std::string("Effect/") + name + "/" + std::to_string(bpp)).c_str(),
                                     [bpp, effect](benchmark::State& s) { FullScreenEffect(s, bpp, effect); })
            ->Unit(benchmark::kMillisecond);
    }
}

PALETTEENTRY TintPalette[256] = {{0x20, 0x80, 0xFF, 0}};

const bool Registered = [] {
    Register(
        "Blur1", [](auto* d, auto* s) { return DDBltBlur(d, 0, 0, 640, 480, 1, 1, s, 0, 0, 1); }, false);
    Register(
        "Blur4", [](auto* d, auto* s) { return DDBltBlur(d, 0, 0, 640, 480, 4, 4, s, 0, 0, 1); }, false);
    Register(
        "Mosaic8", [](auto* d, auto* s) { return DDBltMosaic(d, 0, 0, 640, 480, 8, s, 0, 0, 1); }, true);
    Register(
        "Tint1", [](auto* d, auto* s) { return DDBltTint(d, 0, 0, 640, 480, s, 0, 0, 1, TintPalette, 0, 1); },
        true);
    Register(
        "Tint3", [](auto* d, auto* s) { return DDBltTint(d, 0, 0, 640, 480, s, 0, 0, 1, TintPalette, 0, 3); },
        true);
    Register(
        "HalfAlpha", [](auto* d, auto* s) { return DDBltHalfAlpha(d, 0, 0, 640, 480, s, 0, 0, 1); }, true);
    Register(
        "Lens", [](auto* d, auto* s) { return DDBltRadial(d, 320, 240, 400, 300, s, 320, 240, 0, 0); }, true);
    Register(
        "Rotate30",
        [](auto* d, auto* s) { return DDBltRotate(d, 320, 240, 640, 480, 320, 240, 30, s, 0, 0, 1); }, true);
    Register(
        "Rotate0",
        [](auto* d, auto* s) { return DDBltRotate(d, 320, 240, 640, 480, 320, 240, 0, s, 0, 0, 1); }, true);
    Register(
        "FadeUnPal", [](auto* d, auto* s) { return DDFade_UnPal(d, 100, 0, 0, 0, s); }, false);
    return true;
}();

} // namespace
