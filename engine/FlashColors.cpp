#include "engine/FlashColors.h"

#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "platform/SurfaceFormat.h"
#include "project/SystemData.h"

#include <algorithm>
#include <iterator>

std::array<cFlashColor, kFlashColors + 1> FlashColorTable{};
cFlashState FlashState;

namespace {

// The palette's flashing entries: eight groups of four, each turned on its own.
constexpr int kFirstFlashEntry = 208, kFlashGroups = 8, kFlashGroupSize = 4;
constexpr int kPaletteFrames = 6;

DWORD Rgb(int r, int g, int b) {
    return MakeArgb(255, r, g, b);
}

void StepRamps() {
    const int step = SystemData.nFlashPeriod;
    for (int i = 0; i < kFlashColors; ++i) {
        const bool turned = StepPingPong(FlashState.Ramps[static_cast<std::size_t>(i)], step);
        if (turned && i == kFlashColors - 1) FlashState.nRainbow = (FlashState.nRainbow + 1) % 4;
    }
    const auto v = [](int i) { return FlashState.Ramps[static_cast<std::size_t>(i - 1)].nValue; };
    const auto set = [](int entry, DWORD colour, DWORD mode) {
        FlashColorTable[static_cast<std::size_t>(entry)] = {colour, mode};
    };
    set(1, Rgb(v(1), v(1), v(1)), kFlashAdd);
    set(2, Rgb(v(2), v(2), v(2)), kFlashSubtract);
    set(3, Rgb(v(3), 0, 0), kFlashAdd);
    set(4, Rgb(0, v(4), 0), kFlashAdd);
    set(5, Rgb(0, 0, v(5)), kFlashAdd);
    set(6, Rgb(v(6), v(6), 0), kFlashAdd);
    set(7, Rgb(v(7), 0, v(7) / 4), kFlashAdd);
    set(8, Rgb(v(8) / 4, 0, v(8)), kFlashAdd);
    const int r = v(9);
    const DWORD rainbow[4] = {Rgb(r, 0, 0), Rgb(0, r, 0), Rgb(0, 0, r), Rgb(r, r, 0)};
    set(9, rainbow[FlashState.nRainbow], kFlashAdd);
}

void TurnPalette() {
    if (++FlashState.nPaletteFrames < kPaletteFrames) return;
    FlashState.nPaletteFrames = 0;
    PALETTEENTRY before[256];
    for (int g = 0; g < kFlashGroups; ++g) {
        const int first = kFirstFlashEntry + g * kFlashGroupSize;
        std::copy(std::begin(Palette), std::end(Palette), before);
        DDCyclePalette(Palette, first, first + kFlashGroupSize - 1, 1, 0, before);
    }
    DDShowPaletteEntries(Palette, kFirstFlashEntry, kFlashGroups * kFlashGroupSize);
}

} // namespace

bool StepPingPong(cPingPong& ramp, int step) {
    if (!ramp.bDown) {
        ramp.nValue = std::clamp(ramp.nValue + step, 0, 255);
        if (ramp.nValue >= 255) ramp.bDown = 1;
        return false;
    }
    ramp.nValue = std::clamp(ramp.nValue - step, 0, 255);
    if (ramp.nValue > 0) return false;
    ramp.bDown = 0;
    return true;
}

void AnimateFlashColors() {
    if (DDIsDirect3D())
        StepRamps();
    else if (DDIsDirectDraw() && DDScreenBpp() == 8 && SystemData.bDrawingSwitch)
        TurnPalette();
}

void ResetFlashColors() {
    FlashColorTable = {};
    FlashState = {};
}
