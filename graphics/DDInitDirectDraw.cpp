// Start-up of the DirectDraw face, full screen with a flip chain or in a
// window with a clipper. Each failing step gives its result code.
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"
#include "platform/Presenter.h"

namespace {

void SetSizes(DDSURFACEDATA& sd, int w, int h, int memType) {
    sd.nWidth = sd.nTexWidth = w;
    sd.nHeight = sd.nTexHeight = h;
    sd.nMemType = memType;
}

void HideCursor(cPresenter* wnd) {
    if (wnd)
        while (wnd->ShowCursor(false) >= 0) {
        }
}

void ShowCursorAgain(cPresenter* wnd) {
    if (wnd)
        while (wnd->ShowCursor(true) < 0) {
        }
}

// The palette's colour entries start as a ramp of red and green.
void FillStartPalette(PALETTEENTRY* pal, bool window) {
    for (int i = 0; i < 256; ++i) {
        bool systemEntry = window && (i < 10 || i >= 246);
        if (systemEntry) {
            pal[i] = {static_cast<BYTE>(i), 0, 0, PC_EXPLICIT};
        } else {
            pal[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), 0, PC_RESERVED};
        }
    }
    if (!window) pal[0].peBlue = 255;
}

bool MakePrimary(DWORD caps, DWORD backBuffers) {
    if (!PrimarySD.lpDDData) PrimarySD.lpDDData = new DDDATA();
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | (backBuffers ? DDSD_BACKBUFFERCOUNT : 0);
    desc.ddsCaps.dwCaps = caps;
    desc.dwBackBufferCount = backBuffers;
    if (FAILED(lpDD->CreateSurface(&desc, &PrimarySD.lpDDData->lpSurface))) {
        ReportError("Primary CreateSurface Err");
        return false;
    }
    return true;
}

} // namespace

int DDInitFullScreen(cPresenter* hWnd, int w, int h, int bpp, int nBackBufferCountIn) {
    SetSizes(PrimarySD, w, h, 0);
    SetSizes(BackBuffer, w, h, 0);
    SetSizes(ScreenCopySD, w, h, 1);
    if (FAILED(DirectDrawCreateEx(&lpDD))) {
        ReportError("DirectDrawCreateEx Err");
        return DDINIT_CREATEEX_ERR;
    }
    if (FAILED(lpDD->SetCooperativeLevel(hWnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT))) {
        ReportError("SetCooperativeLevel Err");
        return DDINIT_SETCOOPLEVEL_ERR;
    }
    HRESULT hr = DDERR_GENERIC;
    if (bUseRefreshRate) hr = lpDD->SetDisplayMode(w, h, bpp, nRefreshRate, 0);
    if (FAILED(hr)) hr = lpDD->SetDisplayMode(w, h, bpp, 0, 0);
    if (FAILED(hr)) {
        ReportError("SetDisplayMode Err");
        return DDINIT_SETDISPLAYMODE_ERR;
    }
    if (!MakePrimary(DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX,
                     nBackBufferCountIn == 1 ? 1 : 2))
        return DDINIT_CREATESURFACE_ERR;
    if (!BackBuffer.lpDDData) BackBuffer.lpDDData = new DDDATA();
    DDSCAPS2 caps{DDSCAPS_BACKBUFFER};
    if (FAILED(PrimarySD.lpDDData->lpSurface->GetAttachedSurface(&caps, &BackBuffer.lpDDData->lpSurface))) {
        ReportError("GetAttachedSurface Err");
        return DDINIT_GETATTACHEDSURFACE_ERR;
    }
    if (!DDCreateSurface(&ScreenCopySD, w, h, 0, 1, 0, 0, 0)) return DDINIT_CREATESURFACE_ERR;
    PALETTEENTRY pal[256];
    FillStartPalette(pal, false);
    if (FAILED(lpDD->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, pal, &lpDDPalette))) {
        ReportError("CreatePalette Err");
        return DDINIT_CREATEPALETTE_ERR;
    }
    if (bpp < 9) {
        if (FAILED(PrimarySD.lpDDData->lpSurface->SetPalette(lpDDPalette))) {
            ReportError("SetPalette Err");
            return DDINIT_SETPALETTE_ERR;
        }
    } else {
        DDGetPixelFormatMasks(SurfaceFormatMasks);
    }
    HideCursor(hWnd);
    return DDINIT_OK;
}

int DDInitWindow(cPresenter* hWnd) {
    int w = hWnd && hWnd->ClientWidth() > 0 ? hWnd->ClientWidth() : nScreenWidth;
    int h = hWnd && hWnd->ClientHeight() > 0 ? hWnd->ClientHeight() : nScreenHeight;
    // The presenter shows the client area only, so its screen rectangle starts at 0, 0.
    rcWindowScreen = {0, 0, w, h};
    SetSizes(PrimarySD, w, h, 0);
    SetSizes(BackBuffer, w, h, 0);
    SetSizes(ScreenCopySD, w, h, 1);
    nDesktopBpp = BitsPerPixel(DirectDrawSettings().desktopFormat);
    if (FAILED(DirectDrawCreateEx(&lpDD))) {
        ReportError("DirectDrawCreateEx Err");
        return DDINIT_CREATEEX_ERR;
    }
    if (FAILED(lpDD->SetCooperativeLevel(hWnd, DDSCL_NORMAL))) {
        ReportError("SetCooperativeLevel Err");
        return DDINIT_SETCOOPLEVEL_ERR;
    }
    if (!MakePrimary(DDSCAPS_PRIMARYSURFACE, 0)) return DDINIT_CREATESURFACE_ERR;
    if (!DDCreateSurface(&BackBuffer, w, h, 0, 0, 0, 0, 0)) return DDINIT_CREATESURFACE_ERR;
    if (!DDCreateSurface(&ScreenCopySD, w, h, 0, 1, 0, 0, 0)) return DDINIT_CREATESURFACE_ERR;
    PALETTEENTRY pal[256];
    FillStartPalette(pal, true);
    if (FAILED(lpDD->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, pal, &lpDDPalette))) {
        ReportError("CreatePalette Err");
        return DDINIT_CREATEPALETTE_ERR;
    }
    if (nDesktopBpp < 9) {
        if (FAILED(PrimarySD.lpDDData->lpSurface->SetPalette(lpDDPalette))) {
            ReportError("SetPalette Err");
            return DDINIT_SETPALETTE_ERR;
        }
    } else {
        DDGetPixelFormatMasks(SurfaceFormatMasks);
    }
    if (FAILED(lpDD->CreateClipper(0, &lpClipper))) {
        ReportError("CreateClipper Err");
        return DDINIT_CLIPPER_ERR;
    }
    if (FAILED(lpClipper->SetHWnd(0, hWnd))) {
        ReportError("SetHWnd Err");
        return DDINIT_SETHWND_ERR;
    }
    if (FAILED(PrimarySD.lpDDData->lpSurface->SetClipper(lpClipper))) {
        ReportError("SetClipper Err");
        return DDINIT_SETCLIPPER_ERR;
    }
    ShowCursorAgain(hWnd);
    return DDINIT_OK;
}

void DDGetPixelFormatMasks(int* masks) {
    if (lpDTCon || !PrimarySD.lpDDData || !PrimarySD.lpDDData->lpSurface) return;
    DDPIXELFORMAT pf{};
    if (FAILED(PrimarySD.lpDDData->lpSurface->GetPixelFormat(&pf))) return;
    const DWORD channel[3] = {pf.dwRBitMask, pf.dwGBitMask, pf.dwBBitMask};
    for (int c = 0; c < 3; ++c) {
        int shift = 0;
        for (DWORD bit = 0; bit < pf.dwRGBBitCount; ++bit) {
            if (channel[c] & (1u << bit)) {
                masks[kRedMax + c] = static_cast<int>(channel[c] >> shift);
                break;
            }
            ++shift;
        }
        masks[kRedShift + c] = shift;
    }
}

WORD DDPalToRGB16(const PALETTEENTRY& e) {
    if (lpDTCon) {
        ErrorLogPrintf("DDPalToRGB16はDirect3Dでは未対応");
        return 0;
    }
    const int* m = SurfaceFormatMasks;
    return static_cast<WORD>(((e.peBlue & m[kBlueMax]) << m[kBlueShift]) |
                             ((e.peGreen & m[kGreenMax]) << m[kGreenShift]) |
                             ((e.peRed & m[kRedMax]) << m[kRedShift]));
}
