// The frames-per-second meter: the frame times of the last 16 frames and
// their average, shown as "FPS%2d(%2d)" at the bottom right of the screen.
#pragma once

#include "foundation/Timing.h"
#include "platform/Types.h"

extern cFpsRing FpsMeter;

// ShowFps 2 draws the plain text at (549, 469), any other non-zero value at
// (495, 463).
void DrawFpsMeter(int nShowFps, DWORD fps, DWORD average);
