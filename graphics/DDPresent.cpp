// The end of a Direct3D frame, the virtual back buffer, the three drawing-state
// words and the texture size rules.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "foundation/Timing.h"
#include "platform/Presenter.h"

void DDSetVirtualBackBuffer(int bOn) {
    if (!lpDTCon) return;
    if (lpDTCon->bVirBackBuffer && !bOn && VirBackBuffer.lpDT && VirBackBuffer.lpDT->lpSurface)
        DDFlushVirtualBackBuffer(&BackBuffer, &VirBackBuffer);
    lpDTCon->bVirBackBuffer = bOn;
    // While it is on, draws aimed at the back buffer land in the virtual one.
    DDSURFACEDATA* target = bOn ? &VirBackBuffer : &BackBuffer;
    lpDTCon->lpTargetSD = target;
    if (target->lpDT && target->lpDT->lpSurface) DDSetRenderTarget(0, target);
}

int DDRedirectToVirtualBackBuffer(DDSURFACEDATA** lplpSD) {
    if (!lpDTCon || !lpDTCon->bVirBackBuffer || !lplpSD || *lplpSD != &BackBuffer) return 0;
    *lplpSD = &VirBackBuffer;
    return 1;
}

void DDFlushVirtualBackBuffer(DDSURFACEDATA* lpDstSD, DDSURFACEDATA* lpSrcSD) {
    if (!lpDTCon) return;
    lpDTCon->bVirFlush = 1;
    DDSetAlphaOp(D3DTOP_DISABLE);
    DDBltFast(lpDstSD, 0, 0, lpSrcSD->nWidth, lpSrcSD->nHeight, lpSrcSD, 0, 0, 0);
    DDResetAlphaOp();
    lpDTCon->bVirFlush = 0;
}

int DDPresent(int nFps, int a, void* b) {
    if (!lpDTCon || !lpDevice) return 1;
    if (lpDTCon->bVirBackBuffer) DDFlushVirtualBackBuffer(&BackBuffer, &VirBackBuffer);
    if (nVSync == 0) WaitUntilNextFrameDue(static_cast<DWORD>(nFps), a != 0, b);
    DDEndScene();
    HRESULT hr = lpDevice->Present(nullptr, nullptr, nullptr, nullptr);
    if (hr == D3DERR_DEVICELOST) {
        if (!bWindowMode && hDrawWnd) hDrawWnd->Minimise();
        return 0;
    }
    return 1;
}

void DDResolveSurface(DDSURFACEDATA** lplpSD) {
    if (lpDTCon && lplpSD && *lplpSD && (*lplpSD)->lpAlias) *lplpSD = (*lplpSD)->lpAlias;
}

void DDSetDrawColor(DWORD dwARGB) {
    if (lpDTCon) lpDTCon->dwDrawColor = dwARGB;
}
void DDResetDrawColor() {
    if (lpDTCon) lpDTCon->dwDrawColor = 0xFFFFFFFFu;
}
void DDSetColorOp(DWORD dwOp) {
    if (lpDTCon) lpDTCon->dwColorOp = dwOp;
}
void DDResetColorOp() {
    if (lpDTCon) lpDTCon->dwColorOp = D3DTOP_MODULATE;
}
void DDSetAlphaOp(DWORD dwOp) {
    if (lpDTCon) lpDTCon->dwAlphaOp = dwOp;
}
void DDResetAlphaOp() {
    if (lpDTCon) lpDTCon->dwAlphaOp = D3DTOP_SELECTARG1;
}

static int NextPowerOfTwo(int v) {
    if (v <= 0 || (v & (v - 1)) == 0) return v;
    int high = 1;
    while (high <= v / 2) high <<= 1;
    return high * 2;
}

void DDAdjustTextureSize(int* pnWidth, int* pnHeight) {
    if (!lpDTCon) return;
    if (lpDTCon->bPow2Only) {
        *pnWidth = NextPowerOfTwo(*pnWidth);
        *pnHeight = NextPowerOfTwo(*pnHeight);
    }
    if (lpDTCon->bSquareOnly) {
        int side = *pnWidth > *pnHeight ? *pnWidth : *pnHeight;
        *pnWidth = *pnHeight = side;
    }
}

int DDCheckTextureSize(int nWidth, int nHeight) {
    if (!lpDTCon) return 1;
    const D3DCAPS9& caps = lpDTCon->d3dCaps;
    bool widthFailed = false;
    if (nWidth > static_cast<int>(caps.MaxTextureWidth)) {
        ReportError("このビデオカードでは横幅%dを超える画像はサポートされていません！",
                    static_cast<int>(caps.MaxTextureWidth));
        widthFailed = true;
    }
    if (nHeight > static_cast<int>(caps.MaxTextureHeight)) {
        ReportError("このビデオカードでは縦幅%dを超える画像はサポートされていません！",
                    static_cast<int>(caps.MaxTextureHeight));
        return 0;
    }
    return widthFailed ? 0 : 1;
}
