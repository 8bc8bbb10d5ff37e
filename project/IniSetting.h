// The start-up settings in effect (the System.ini keys): filled once at
// start-up by app/ and only read afterwards, by the graphics layer and the
// engine as well as by app/.
#pragma once

#include <string>

struct INISETTING {
    int Direct3D = 2; // 1 Direct3D, 0 DirectDraw, 2 or more ask
    int WindowMode = 0;
    int Bpp = 0;
    int VSync = 2;
    int D3D_FontCache = 0;
    int DD_FontCache = 1;
    int DD_VideoStretch = 0;
    int ShowFps = 1;
    std::string FreeStage; // up to 259 bytes
    int English = 0;
};

extern INISETTING IniSetting;
