// The screen mode the program runs in: the vertical-sync setting and the
// colour depth, from System.ini, the project's full-screen depth choices and
// the desktop, and whether the combination can run.
#pragma once

#include "app/SystemIni.h"

class cSystemData;

// The desktop's colour depth.
int DesktopBitsPerPixel();
// Settles VSync and Bpp in the settings. False, after the message, when the
// combination can't run.
bool DecideScreenMode(INISETTING& settings, int desktopBpp, const cSystemData& system);
