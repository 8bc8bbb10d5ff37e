// The start-up settings in effect: the key table's defaults, then System.ini
// beside the program (key=value lines, a line "Exit" or a zero character ends
// the reading).
#pragma once

#include "project/IniKey.h"

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

// Fields Direct3D to ShowFps take the integer defaults of keys 0-7, FreeStage
// key 8's string, English 0.
void SetDefaultSystemIni(INISETTING& settings, const cVector<cIniKey>& keys);
// 1 on success, 0 when the file can't be opened or ends inside a key.
int ReadSystemIni(const std::string& path, INISETTING& settings, const cVector<cIniKey>& keys);
