// Recovery of a lost Direct3D device: the device's own resources are let go,
// the device is reset, and every surface record is made again (a picture
// reloaded from its file, an empty surface made anew and marked lost for its
// owner), then the fonts redraw their glyph caches. It runs on the UI thread
// while the game thread waits in its request, so nothing draws meanwhile.
#include "foundation/ErrorLog.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"

#include <cstring>
#include <vector>

namespace {

template <class T> void ReleaseInto(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

void MakeAgain(DDSURFACEDATA* sd) {
    DTDATA* dt = sd->lpDT;
    if (!dt) return;
    bool ok = false;
    if (sd->szFile[0] && std::strcmp(sd->szFile, "E") != 0) {
        ok = DDCreateSurfaceFromFile(sd, sd->szFile, dt->bColorKey, nBpp, sd->nMemType, dt->nMemType, 0,
                                     dt->lpPalMap != nullptr, sd->nMirrorWidth, sd->nMirrorHeight,
                                     1) == DDSURFACE_OK;
    } else {
        ok = DDCreateSurface(sd, sd->nWidth, sd->nHeight, dt->bColorKey, sd->nMemType, dt->nMemType, 0, 1);
        sd->bLost = 1; // its owner draws it again
    }
    if (!ok) ErrorLogPuts("Err");
}

} // namespace

int DDRestoreSurface() {
    ErrorLogPuts("Restore In");
    if (!lpDTCon) {
        ErrorLogPuts("DDではDDRestoreSurfaceは未対応");
        return 1;
    }
    if (!lpDevice) return 0;
    // Nothing is let go before the device says it can be reset: a device that
    // is still lost (or not lost at all) keeps every record whole.
    const HRESULT state = lpDevice->TestCooperativeLevel();
    if (state == D3D_OK) {
        ErrorLogPuts("Restore Out");
        return 1;
    }
    if (state != D3DERR_DEVICENOTRESET) {
        ErrorLogPuts("復旧失敗…リセット可能な状態ではありません…");
        return 0;
    }
    const std::vector<DDSURFACEDATA*> records(SurfaceList.begin(), SurfaceList.end());
    for (DDSURFACEDATA* sd : records) {
        DTDATA* dt = sd->lpDT;
        if (!dt || dt->nMemType == DTMEMORYTYPE_SYSTEM) continue;
        ReleaseInto(dt->lpSurface);
        ReleaseInto(dt->lpTexture);
    }
    if (BackBuffer.lpDT) ReleaseInto(BackBuffer.lpDT->lpSurface);
    if (FAILED(lpDevice->Reset(&lpDTCon->d3dpp))) {
        ErrorLogPuts("Reset Err");
        return 0;
    }
    DDSetDefaultRenderState();
    if (BackBuffer.lpDT) lpDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &BackBuffer.lpDT->lpSurface);
    for (DDSURFACEDATA* sd : records)
        if (sd->lpDT && sd->lpDT->nMemType != DTMEMORYTYPE_SYSTEM) MakeAgain(sd);
    for (cFont* font : FontList) font->RestoreCaches();
    ErrorLogPuts("Restore Out");
    return 1;
}
