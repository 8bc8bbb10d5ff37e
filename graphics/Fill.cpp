// Rectangle fills by palette index or colour, single pixels and the pixel value
// of a palette colour.
#include "graphics/DrawFace.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"

namespace {

DWORD PaletteRgb(int n) {
    return (static_cast<DWORD>(Palette[n].peRed) << 16) | (static_cast<DWORD>(Palette[n].peGreen) << 8) |
           Palette[n].peBlue;
}

} // namespace

DWORD PalNumToRGB(DWORD dwPalNum) {
    if (dwPalNum > 255) {
        ErrorLogPrintf("PalNumToRGB(DWORD dwPalNum) Err dwPalNum = %d", static_cast<int>(dwPalNum));
        return 0;
    }
    const int n = static_cast<int>(dwPalNum);
    if (lpDTCon) {
        if (nBpp == 8) return dwPalNum;
        if (nBpp == 24) return PaletteRgb(n);
        return n == 0 ? lpDTCon->dwTransmit_32 : 0xFF000000u | PaletteRgb(n);
    }
    if (nBpp == 8) return dwPalNum;
    if (nBpp == 16) {
        // The palette keeps 8-bit channels: they are scaled into the display's
        // channel ranges as every other 8-bit colour is.
        return PackByMasks(FormatMasks{SurfaceFormatMasks[kRedShift], SurfaceFormatMasks[kGreenShift],
                                       SurfaceFormatMasks[kBlueShift], 0, SurfaceFormatMasks[kRedMax],
                                       SurfaceFormatMasks[kGreenMax], SurfaceFormatMasks[kBlueMax], 0},
                           Palette[n].peRed, Palette[n].peGreen, Palette[n].peBlue);
    }
    return PaletteRgb(n);
}

void DDFillRectPal(DDSURFACEDATA* lpSD, int x, int y, int w, int h, int nPal) {
    if (lpSD) DDFillRectColor(lpSD, x, y, w, h, PalNumToRGB(static_cast<DWORD>(nPal < 0 ? 256 : nPal)));
}

void DDFillSurfacePal(DDSURFACEDATA* lpSD, int nPal) {
    if (lpSD) DDFillRectPal(lpSD, 0, 0, lpSD->nWidth, lpSD->nHeight, nPal);
}

void DDFillRectColor(DDSURFACEDATA* lpSD, int x, int y, int w, int h, DWORD dwColor) {
    if (lpSD) Face().FillRect(lpSD, x, y, w, h, dwColor);
}

void DDFillSurfaceColor(DDSURFACEDATA* lpSD, DWORD dwColor) {
    if (lpSD) DDFillRectColor(lpSD, 0, 0, lpSD->nWidth, lpSD->nHeight, dwColor);
}

void DDPutPixelPal(DDSURFACEDATA* lpSD, int x, int y, int nPal) {
    if (!lpSD || x < 0 || y < 0 || x >= lpSD->nWidth || y >= lpSD->nHeight) return;
    DDFillRectPal(lpSD, x, y, 1, 1, nPal);
}
