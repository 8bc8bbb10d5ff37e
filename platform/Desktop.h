// The desktop the windows stand on: its work area (the screen less the
// panels) and the system sizes the program asks for.
#pragma once

#include "platform/DirectDrawTypes.h"

// The work area of the first display. Without a display (or before the video
// has started) it is 1024 x 768 at the origin.
RECT GetWorkArea();

constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
// SM_CXFULLSCREEN / SM_CYFULLSCREEN: the work area's size; the scroll-bar
// sizes are 17 pixels; anything else 0.
int GetSystemMetrics(int index);
