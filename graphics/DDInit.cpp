// Start-up dispatch between the two faces, the result codes of the DirectDraw
// start-ups, and the release of everything at shutdown.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "platform/Presenter.h"

bool DDInit(int bDirect3DIn, cPresenter* hWnd, int nWidth, int nHeight, int nBppIn, int nVSyncIn,
            int bWindowModeIn, int nBackBufferCountIn, int nRefreshRateIn, int bUseRefreshRateIn,
            DDSURFACEDATA* lpSystemSDIn, BMPFILEDATA* lpPictureTableIn, int nSDCountIn) {
    bDirect3D = bDirect3DIn;
    hDrawWnd = hWnd;
    nScreenWidth = nWidth;
    nScreenHeight = nHeight;
    nBpp = nBppIn;
    nBytePP = nBppIn / 8;
    nVSync = nVSyncIn;
    bWindowMode = bWindowModeIn;
    nBackBufferCount = nBackBufferCountIn;
    nRefreshRate = nRefreshRateIn;
    bUseRefreshRate = bUseRefreshRateIn;
    lpSystemSD = lpSystemSDIn;
    lpPictureTable = lpPictureTableIn;
    nSDCount = nSDCountIn;
    ReportError("VSync : %d", nVSyncIn);
    // What a start-up that failed half-way made counts as existing objects too:
    // a context left behind would make every draw take the wrong face.
    const bool leftOver = bDDObjectsExist || lpDD || lpD3D || lpDTCon || lpDDCon;
    // The release lets go of the window too: it is this start-up's again after it.
    auto releaseLeftOver = [&] {
        if (!leftOver) return;
        DDRelease();
        hDrawWnd = hWnd;
    };

    if (bDirect3D) {
        // A second start-up releases the objects of the first.
        releaseLeftOver();
        if (!DDInitDirect3D(hWnd, nWidth, nHeight, nBppIn, nBackBufferCountIn)) return false;
    } else {
        if (bWindowMode == 0) {
            releaseLeftOver();
            lpDDCon = new DDCONDATA();
            if (hWnd) hWnd->SetFullScreen(true); // the window becomes a top-most pop-up
            if (!DDCheckInitResult(DDInitFullScreen(hWnd, nWidth, nHeight, nBppIn, nBackBufferCountIn)))
                return false;
        } else {
            if (lpDD) lpDD->RestoreDisplayMode();
            releaseLeftOver();
            lpDDCon = new DDCONDATA();
            if (!DDCheckInitResult(DDInitWindow(hWnd))) return false;
        }
    }
    bDDInit = 1;
    bDDObjectsExist = 1;
    return true;
}

bool DDCheckInitResult(int code) {
    const char* tag = nullptr;
    switch (code) {
    case DDINIT_CREATEEX_ERR:
        tag = "CREATEEX_ERR";
        break;
    case DDINIT_SETCOOPLEVEL_ERR:
        tag = "SETCOOPLEVEL_ERR";
        break;
    case DDINIT_SETDISPLAYMODE_ERR:
        tag = "SETDISPLAYMODE_ERR";
        break;
    case DDINIT_CREATESURFACE_ERR:
        tag = "CREATESURFACE_ERR";
        break;
    case DDINIT_GETATTACHEDSURFACE_ERR:
        tag = "GETATTACHEDSURFACE_ERR";
        break;
    case DDINIT_CREATEPALETTE_ERR:
        tag = "CREATEPALETTE_ERR";
        break;
    case DDINIT_SETPALETTE_ERR:
        tag = "SETPALETTE_ERR";
        break;
    case DDINIT_CLIPPER_ERR:
        tag = "CLIPPER_ERR";
        break;
    case DDINIT_SETHWND_ERR:
        tag = "SETHWND_ERR";
        break;
    case DDINIT_SETCLIPPER_ERR:
        tag = "SETCLIPPER_ERR";
        break;
    default:
        return true;
    }
    ErrorLogPuts(tag);
    return false;
}

static void ReleaseSystemTable() {
    if (!lpSystemSD) return;
    for (int i = 0; i < nSDCount; ++i) DDReleaseSurface(&lpSystemSD[i]);
}

void DDRelease() {
    if (lpDD) {
        ReleaseSystemTable();
        SafeRelease(lpClipper);
        SafeRelease(lpDDPalette);
        DDReleaseSurface(&BackBuffer);
        DDReleaseSurface(&PrimarySD);
        DDReleaseSurface(&ScreenCopySD);
        if (lpDD->Release() != 0) MesBox("解放漏れがあります", "DirectDraw", MB_ICONERROR);
        lpDD = nullptr;
    }
    delete lpDDCon;
    lpDDCon = nullptr;
    if (lpD3D) {
        ReleaseSystemTable();
        DDReleaseSurface(&WorkSD);
        DDReleaseSurface(&VirBackBuffer);
        DDReleaseSurface(&BackBuffer);
        SafeRelease(lpDevice);
        SafeRelease(lpD3D);
    }
    delete lpDTCon;
    lpDTCon = nullptr;
    bDDObjectsExist = 0;
    // Nothing is drawn into the window any more, and it may go before the
    // next start-up: a dialog's cursor must not reach for it.
    hDrawWnd = nullptr;
}
