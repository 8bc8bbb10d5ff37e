// A full screen of text per frame: 40 x 30 cells of the 16-pixel system
// font, every other character double-byte, drawn onto the back buffer on each
// face, with and without glyph caches. The double-byte characters are kana
// (in the cache's seed) and kanji (added on first use). Not a test; run
// build/brindle_bench to see the figures; "hit rate" is the double-byte
// cache's share of lookups that found their character.
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "platform/Presenter.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

struct Face {
    bool d3d;
    int cacheMode;
};

// 30 lines of 40 characters: a letter or digit, then a kana or a kanji.
std::string ScreenOfText() {
    const char* kana = "あいうえおかきくけこさしすせそたちつてとアイウエオカキクケコ";
    std::string text;
    int k = 0;
    for (int line = 0; line < 30; ++line) {
        for (int c = 0; c < 20; ++c, ++k) {
            text += static_cast<char>('A' + k % 26);
            if (k % 3 == 2) { // a kanji of the first level
                text += static_cast<char>(0x88 + (k / 94) % 16);
                text += static_cast<char>(0x9F + k % 94);
            } else {
                text.append(kana + 2 * (k % 30), 2);
            }
        }
        text += '\n';
    }
    return text;
}

void FullScreenOfText(benchmark::State& state, Face face) {
    cMemoryPresenter window;
    window.Open("bench", 640, 480, false);
    if (!DDInit(face.d3d, &window, 640, 480, 32, 1, 0, 1, 60, 0, nullptr, nullptr, 0)) {
        state.SkipWithError("start-up failed");
        return;
    }
    DDSetTransmit(0xFF, 0x00, 0xFF);
    Palette[0] = {0xFF, 0x00, 0xFF, 0};
    Palette[241] = {0xFF, 0xFF, 0xFF, 0};
    cFont font;
    font.Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, nullptr, 1, 240, nullptr, face.cacheMode);
    const std::string text = ScreenOfText();
    // The first frame puts the characters new to the cache into it.
    font.DrawText(&BackBuffer, 0, 0, text.c_str(), 0);
    if (cFastFont* full = font.m_lpFastFont_FullAdd; full && full->nLookups) {
        state.counters["first hit rate"] =
            static_cast<double>(full->nHits) / static_cast<double>(full->nLookups);
        full->nHits = full->nLookups = 0;
    }
    for (auto _ : state) {
        font.DrawText(&BackBuffer, 0, 0, text.c_str(), 0);
        benchmark::ClobberMemory();
    }
    state.counters["chars/s"] =
        benchmark::Counter(1200.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (const cFastFont* full = font.m_lpFastFont_FullAdd; full && full->nLookups)
        state.counters["hit rate"] = static_cast<double>(full->nHits) / static_cast<double>(full->nLookups);
    font.Release();
    DDRelease();
}

BENCHMARK_CAPTURE(FullScreenOfText, DirectDraw, Face{false, 0})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfText, DirectDrawCached, Face{false, 1})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfText, Direct3D, Face{true, 0})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullScreenOfText, Direct3DCached, Face{true, 1})->Unit(benchmark::kMillisecond);

} // namespace
