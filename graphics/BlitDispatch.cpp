// The plain blit and its coloured forms: DirectDraw clips and copies,
// Direct3D hands the work to the textured-quad draw.
#include "graphics/DrawFace.h"
#include "graphics/GraphicsInternal.h"

HRESULT DDBltFast(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx, int sy,
                  DWORD dwFlags) {
    return Face().BltFast(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, dwFlags);
}

HRESULT DDBltColor(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx, int sy,
                   DWORD dwFlags, const DWORD* pColorOp) {
    if (!lpDTCon) return DDBltFast(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, dwFlags);
    return DDBltColorStretch(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, w, h, dwFlags, pColorOp);
}

HRESULT DDBltColorStretch(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx,
                          int sy, int sw, int sh, DWORD dwFlags, const DWORD* pColorOp) {
    if (!lpDTCon || !pColorOp) return DDBltStretch(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
    DDSetDrawColor(pColorOp[0]);
    DDSetColorOp(pColorOp[1]);
    HRESULT hr = DDBltStretch(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
    DDResetDrawColor();
    DDResetColorOp();
    return hr;
}
