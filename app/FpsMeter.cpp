#include "app/FpsMeter.h"

#include "foundation/ErrorLog.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"

cFpsRing FpsMeter;

void cFpsRing::Add(DWORD time) {
    dwTimes[nIndex++] = time;
    if (nIndex < 16) return;
    nIndex = 0;
    std::uint64_t sum = 0;
    for (DWORD t : dwTimes) sum += t;
    dwAverage = static_cast<DWORD>(sum >> 4);
}

void DrawFpsMeter(int nShowFps, DWORD fps, DWORD average) {
    if (!DDIsDirect3D() && !DDIsDirectDraw()) return;
    std::string text = FormatString(64, "FPS%2d(%2d)", static_cast<int>(fps), static_cast<int>(average));
    // Drawn with the 8 x 16 debug font picture until the text fonts are built.
    DDSURFACEDATA* font = &SystemSD[kDebugFontPicture];
    if (!font->lpDT && !font->lpDDData) return;
    if (nShowFps == 2)
        DDDrawBitmapText(&BackBuffer, 549, 469, 8, 16, font, text.c_str());
    else
        DDDrawBitmapText(&BackBuffer, 495, 463, 8, 16, font, text.c_str());
}
