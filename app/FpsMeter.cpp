#include "app/FpsMeter.h"

#include "graphics/Font.h"
#include "graphics/Graphics.h"

cFpsRing FpsMeter;

void DrawFpsMeter(int nShowFps, DWORD fps, DWORD average) {
    if (!DDIsDirect3D() && !DDIsDirectDraw()) return;
    if (nShowFps == 2)
        SysFont[0].DrawTextF(&BackBuffer, 549, 469, "FPS%2d(%2d)", static_cast<int>(fps),
                             static_cast<int>(average));
    else
        SysFont[1].DrawTextBoxF(&BackBuffer, 495, 463, 0, 0, "FPS%2d(%2d)", static_cast<int>(fps),
                                static_cast<int>(average));
}
