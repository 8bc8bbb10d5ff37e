// Start-up of the Direct3D face: device, formats, default states and the
// three screen records.
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"
#include "platform/Presenter.h"

#include <cstring>

namespace {

void SetMasks(int* masks, int rs, int gs, int bs, int as, int rm, int gm, int bm, int am) {
    const int v[8] = {rs, gs, bs, as, rm, gm, bm, am};
    std::memcpy(masks, v, sizeof v);
}

const char* FormatName(D3DFORMAT f) {
    switch (f) {
    case D3DFMT_X8R8G8B8:
        return "X8R8G8B8";
    case D3DFMT_R5G6B5:
        return "R5G6B5";
    case D3DFMT_A1R5G5B5:
        return "A1R5G5B5";
    default:
        return "";
    }
}

bool MakeBackBufferRecord(int nWidth, int nHeight) {
    if (!BackBuffer.lpDT) BackBuffer.lpDT = new DTDATA();
    DTDATA* dt = BackBuffer.lpDT;
    BackBuffer.nWidth = BackBuffer.nTexWidth = nWidth;
    BackBuffer.nHeight = BackBuffer.nTexHeight = nHeight;
    BackBuffer.nMemType = 0;
    std::strcpy(BackBuffer.szName, "BackBuffer");
    dt->nID = 0;
    dt->lpSystemSurface = nullptr;
    dt->lpTexture = nullptr;
    dt->bColorKey = 0;
    dt->bRenderTarget = 1;
    HRESULT hr = lpDevice->CreateVertexBuffer(4 * kVertexStride, D3DUSAGE_WRITEONLY,
                                              D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1, D3DPOOL_MANAGED,
                                              &dt->lpVB, nullptr);
    if (FAILED(hr)) {
        ErrorLogPrintf("Back CreateVertexBuffer Err %x", static_cast<unsigned>(hr));
        return false;
    }
    lpDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &dt->lpSurface);
    if (dt->lpSurface) dt->lpSurface->GetDesc(&dt->Desc);
    lpDTCon->nNextSurfaceID = 1;
    return true;
}

} // namespace

int DDInitDirect3D(cPresenter* hWnd, int nWidth, int nHeight, int nBppIn, int) {
    int ddi = Direct3DDriverVersion();
    if (ddi < 9) {
        ReportError("ビデオカードのドライバがDirectX9をサポートしていません！ %d", ddi);
        return 0;
    }
    lpD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (!lpD3D) {
        ReportError("ビデオカードがDirectX9をサポートしていません！");
        return 0;
    }
    lpDTCon = new DTCONDATA();
    lpDTCon->dwDrawColor = 0xFFFFFFFFu;

    D3DPRESENT_PARAMETERS pp{};
    if (!bWindowMode) {
        pp.Windowed = FALSE;
        pp.BackBufferWidth = static_cast<UINT>(nScreenWidth);
        pp.BackBufferHeight = static_cast<UINT>(nScreenHeight);
        pp.FullScreen_RefreshRateInHz = 60;
    } else {
        pp.Windowed = TRUE;
        if (nVSync) {
            // Ask the display for 60 Hz; when it won't give it, frames are paced here.
            D3DDISPLAYMODE mode{};
            lpD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
            ErrorLogPrintf("RefreshRate : %d", mode.RefreshRate);
            if (mode.RefreshRate != 60) {
                nVSync = 0;
                ErrorLogPrintf("リフレッシュレートの変更に失敗しました！垂直同期が無効になります！");
            }
        }
    }
    pp.PresentationInterval = nVSync ? D3DPRESENT_INTERVAL_DEFAULT : D3DPRESENT_INTERVAL_IMMEDIATE;

    if (FAILED(lpD3D->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &lpDTCon->d3dCaps)))
        ErrorLogPrintf("GetDeviceCaps Err");
    const D3DCAPS9& caps = lpDTCon->d3dCaps;
    pp.SwapEffect =
        (caps.Caps3 & D3DCAPS3_ALPHA_FULLSCREEN_FLIP_OR_DISCARD) ? D3DSWAPEFFECT_DISCARD : D3DSWAPEFFECT_COPY;
    lpDTCon->bPow2Only = (caps.TextureCaps & D3DPTEXTURECAPS_POW2) != 0;
    lpDTCon->bSquareOnly = (caps.TextureCaps & D3DPTEXTURECAPS_SQUAREONLY) != 0;
    lpDTCon->bDynamicTexture = (caps.Caps2 & D3DCAPS2_DYNAMICTEXTURES) != 0;

    if (nBppIn == 16) {
        if (!bWindowMode) {
            lpDTCon->fmtDisplay = D3DFMT_R5G6B5;
            SetMasks(DisplayFormatMasks, 11, 5, 0, 16, 31, 63, 31, 0);
        } else {
            lpDTCon->fmtDisplay = D3DFMT_A1R5G5B5;
            SetMasks(DisplayFormatMasks, 10, 5, 0, 15, 31, 31, 31, 1);
        }
        lpDTCon->fmtTexture = D3DFMT_A1R5G5B5;
        SetMasks(SurfaceFormatMasks, 10, 5, 0, 15, 31, 31, 31, 1);
    } else if (nBppIn == 32) {
        lpDTCon->fmtDisplay = D3DFMT_X8R8G8B8;
        lpDTCon->fmtTexture = D3DFMT_A8R8G8B8;
        SetMasks(SurfaceFormatMasks, 16, 8, 0, 24, 255, 255, 255, 255);
    } else {
        return 0;
    }
    pp.BackBufferFormat = lpDTCon->fmtDisplay;
    pp.BackBufferCount = 1;
    pp.MultiSampleType = 0;
    pp.hDeviceWindow = nullptr;
    pp.EnableAutoDepthStencil = FALSE;
    pp.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;

    HRESULT hr = lpD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hWnd,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &lpDevice);
    if (SUCCEEDED(hr)) {
        ErrorLogPrintf("Device HAL-HARD");
    } else {
        hr = lpD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hWnd,
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &lpDevice);
        if (FAILED(hr)) {
            ErrorLogPrintf("CreateDevice Err");
            return 0;
        }
        ErrorLogPrintf("Device HAL-SOFT");
    }
    ErrorLogPrintf("%s", FormatName(lpDTCon->fmtDisplay));
    lpDTCon->d3dpp = pp;
    lpDTCon->fmtBackBuffer = pp.BackBufferFormat;
    lpDTCon->nAdapter = D3DADAPTER_DEFAULT;
    lpDTCon->DeviceType = D3DDEVTYPE_HAL;

    DDSetDefaultRenderState();
    DDResetDrawColor();
    DDResetColorOp();
    DDResetAlphaOp();

    if (!MakeBackBufferRecord(nWidth, nHeight)) return 0;

    if (!VirBackBuffer.lpDT) VirBackBuffer.lpDT = new DTDATA();
    DDSetVirtualBackBuffer(0);
    lpDTCon->bVirFlush = 0;
    DDCreateSurface(&VirBackBuffer, nWidth, nHeight, 0, 0, 0, 0, 0);
    std::strcpy(VirBackBuffer.szName, "VirBackBuffer");
    DDCreateSurface(&WorkSD, nWidth, nHeight, 0, 0, 0, 0, 0);
    std::strcpy(WorkSD.szName, "WorkSD");

    if (!bWindowMode && hWnd)
        while (hWnd->ShowCursor(false) >= 0) {
        }
    return 1;
}

void DDSetDefaultRenderState() {
    if (!lpDevice) return;
    lpDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    lpDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
    lpDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    lpDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    lpDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    lpDevice->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    lpDevice->SetRenderState(D3DRS_COLORVERTEX, TRUE);
    for (DWORD s = 0; s < 2; ++s) {
        lpDevice->SetSamplerState(s, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
        lpDevice->SetSamplerState(s, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);
        lpDevice->SetSamplerState(s, D3DSAMP_MINFILTER, D3DTEXF_POINT);
        lpDevice->SetSamplerState(s, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    }
}
