// The two ways the Direct3D face copies a picture: a textured quad drawn by
// the device into a render target, or a copy by the CPU. Both take rectangles
// the caller has resolved; the quad's are clipped already. Graphics layer only.
#pragma once

#include "graphics/SurfaceData.h"

void Direct3DQuadBlt(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                     int sw, int sh, DWORD flags);
void Direct3DCpuBlt(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                    int sw, int sh, DWORD flags);
