// Frames: four filled bars, and a picture with a frame around it.
#include "graphics/GraphicsInternal.h"

void DDDrawFrame(DDSURFACEDATA* lpSD, int x, int y, int w, int h, int t, int nPal) {
    if (!lpSD) return;
    DDBeginFillBatch();
    DDFillRectPal(lpSD, x, y, w, t, nPal);
    DDFillRectPal(lpSD, x, y + h - t, w, t, nPal);
    DDFillRectPal(lpSD, x, y, t, h, nPal);
    DDFillRectPal(lpSD, x + w - t, y, t, h, nPal);
    DDFlushFillBatch();
}

void DDBltFramed(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int t,
                 int nPal) {
    DDBltFast(lpDstSD, x, y, w, h, lpSrcSD, 0, 0, 0);
    DDDrawFrame(lpDstSD, x - t, y - t, w + 2 * t, h + 2 * t, t, nPal);
}
