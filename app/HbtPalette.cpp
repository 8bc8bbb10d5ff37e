#include "app/HbtPalette.h"

#include "foundation/ErrorLog.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SystemSurfaces.h"
#include "project/OptionData.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// Palette entries 16 to 207: twelve rows of sixteen colours that the numbers turn.
constexpr int kFirstTurned = 16;
constexpr int kLastTurned = 207;
constexpr int kRowLength = 16;
constexpr int kTurnedRows = 12;

} // namespace

int LoadHbtPalette(int number) {
    if (!DDIsDirectDraw() || DDScreenBpp() != 8) return 1;
    // The number picks a row of the palette: one outside the table would
    // read past the palette's end.
    if (number < 0 || number > kMaxPaletteNumber) {
        ReportError("8-bit palette %d is not one of 0 to %d", number, kMaxPaletteNumber);
        return 0;
    }
    char path[32];
    std::snprintf(path, sizeof path, "bmp\\hbt\\hbt%02d.dat", number);
    if (!DDLoadColorTable(ColorTable, path)) {
        ReportErrorBox("%s の読み込みに失敗！", path);
        return 0;
    }
    if (!DDLoadPaletteFromFile(BasePalette, SystemBmp[0].szFile)) {
        ErrorLogPuts("DDLoadPaletteFromFile失敗");
        return 0;
    }
    if (number < kTurnedRows) {
        PALETTEENTRY loaded[256];
        std::copy(std::begin(BasePalette), std::end(BasePalette), loaded);
        DDCyclePalette(BasePalette, kFirstTurned, kLastTurned, number * kRowLength, 1, loaded);
    } else {
        const PALETTEENTRY* row = BasePalette + (number - kTurnedRows + 1) * kRowLength;
        PALETTEENTRY copy[kRowLength];
        std::copy(row, row + kRowLength, copy);
        for (int r = 1; r <= kTurnedRows; ++r)
            std::copy(copy, copy + kRowLength, BasePalette + r * kRowLength);
    }
    std::copy(std::begin(BasePalette), std::end(BasePalette), Palette);
    if (lpDDPalette) lpDDPalette->SetEntries(0, 0, 255, Palette);
    return 1;
}
