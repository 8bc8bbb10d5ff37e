// The program's fixed surface table: one surface record per row of the system
// picture table. Start-up creates the surfaces; the engine, stage play and the
// screens draw from them.
#pragma once

#include "graphics/SurfaceData.h"
#include "project/SystemBmp.h"

extern DDSURFACEDATA SystemSD[kSystemBmpCount];

// Row 1, "bmp\Debug.bmp": 8 x 16 character cells, loaded at start-up.
constexpr int kDebugFontPicture = 1;
