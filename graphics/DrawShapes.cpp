// Circle outlines, surface locks and message boxes over the game screen.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "platform/Presenter.h"

void DDDrawCircle(DDSURFACEDATA* lpSD, int cx, int cy, int r, int nPal) {
    if (!lpSD || r < 1) return;
    int x = 0, y = r, d = 3 - 2 * r;
    while (x <= y) {
        const int px[8] = {cx + x, cx - x, cx + x, cx - x, cx + y, cx - y, cx + y, cx - y};
        const int py[8] = {cy + y, cy + y, cy - y, cy - y, cy + x, cy + x, cy - x, cy - x};
        for (int i = 0; i < 8; ++i) DDPutPixelPal(lpSD, px[i], py[i], nPal);
        if (d >= 0) {
            d += 4 * (x - y) + 10;
            --y;
        } else {
            d += 4 * x + 6;
        }
        ++x;
    }
}

bool DDLock(DDSURFACEDATA* lpSD, DDSURFACEDESC2* lpDesc, int* pnPitch, int nBppIn) {
    if (lpDTCon) {
        ErrorLogPrintf("D3DではDDLockは未対応");
        return true;
    }
    cDirectDrawSurface* s = DDSurfaceOf(lpSD);
    if (!s || !lpDesc) return false;
    if (FAILED(s->Lock(nullptr, lpDesc, DDLOCK_WAIT, nullptr))) return false;
    if (pnPitch && nBppIn >= 8 && nBppIn <= 32) *pnPitch = lpDesc->lPitch;
    return true;
}

void DDUnlock(DDSURFACEDATA* lpSD) {
    if (cDirectDrawSurface* s = DDSurfaceOf(lpSD)) s->Unlock(nullptr);
}

static void HideCursor() {
    if (hDrawWnd)
        while (hDrawWnd->ShowCursor(false) >= 0) {
        }
}

int DDSetDialogBoxMode(int bOn) {
    if (bWindowMode) return 1;
    if (lpDTCon && lpDevice) {
        if (bOn) {
            DDEndScene();
            if (FAILED(lpDevice->SetDialogBoxMode(TRUE))) {
                ErrorLogPrintf("D3D_OK != lpDevice->SetDialogBoxMode(TRUE)");
                return 0;
            }
            if (hDrawWnd) hDrawWnd->ShowCursor(true);
            return 1;
        }
        HideCursor();
        return SUCCEEDED(lpDevice->SetDialogBoxMode(FALSE)) ? 1 : 0;
    }
    if (bOn) {
        if (hDrawWnd) hDrawWnd->ShowCursor(true);
        return 1;
    }
    HideCursor();
    return 1;
}

int DDMesBox(const char* szText, const char* szCaption, unsigned uType) {
    if (!DDSetDialogBoxMode(1)) {
        ErrorLogPrintf("DDMesBox 失敗! %s, %s", szText, szCaption);
        return 0;
    }
    MesBox(szText, szCaption, uType);
    DDSetDialogBoxMode(0);
    return 1;
}
