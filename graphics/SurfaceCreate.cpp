// Empty surfaces: work areas, screen copies and every record made with a size
// instead of a picture.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "platform/Direct3DX.h"

namespace {

bool CreateDirectDrawSurface(DDSURFACEDATA* sd, int w, int h, int bColorKey, int kind) {
    if (!sd->lpDDData) sd->lpDDData = new DDDATA();
    SafeRelease(sd->lpDDData->lpSurface);
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.dwWidth = static_cast<DWORD>(w < 0 ? 0 : w);
    desc.dwHeight = static_cast<DWORD>(h < 0 ? 0 : h);
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | (kind == 1 ? DDSCAPS_SYSTEMMEMORY : 0);
    int used = kind == 1 ? 1 : 0;
    if (!lpDD || FAILED(lpDD->CreateSurface(&desc, &sd->lpDDData->lpSurface))) {
        if (used == 1) {
            ErrorLogPuts("CreateSurface System Err");
            return false;
        }
        // Video memory ran short: the surface lives in system memory instead.
        desc.ddsCaps.dwCaps |= DDSCAPS_SYSTEMMEMORY;
        used = 1;
        if (!lpDD || FAILED(lpDD->CreateSurface(&desc, &sd->lpDDData->lpSurface))) {
            ErrorLogPuts("CreateSurface Video -> System Err");
            return false;
        }
    }
    if (bColorKey == 1) {
        DDCOLORKEY key{dwTransmit, dwTransmit};
        if (FAILED(sd->lpDDData->lpSurface->SetColorKey(DDCKEY_SRCBLT, &key)))
            ErrorLogPuts("SetColorKey Err");
    }
    sd->nWidth = sd->nTexWidth = w;
    sd->nHeight = sd->nTexHeight = h;
    sd->nMemType = used;
    if (!sd->szFile[0]) CopyName(sd->szFile, "E");
    if (!sd->szName[0]) CopyName(sd->szName, "OffScreen");
    DDFillRectPal(sd, 0, 0, w, h, 0);
    return true;
}

// What a new Direct3D record starts as, like a DirectDraw one filled with
// the transparent colour: transparent where it is colour-keyed (an empty
// sheet or work area then draws nothing), the key colour where it is not.
DWORD EmptyColour(const DDSURFACEDATA* sd) {
    if (sd->lpDT->bColorKey) return TransparentClearColor(sd);
    return nBpp == 16 ? UnpackToArgb(PixelFormat::A1R5G5B5, lpDTCon->wKeyColor_16) : lpDTCon->dwKeyColor;
}

void TextureFailureBox() {
    if (lpDTCon && !lpDTCon->strTextureError.empty()) ErrorBox(lpDTCon->strTextureError.c_str());
    PostMainWindowClose();
}

} // namespace

bool DDCreateSurface(DDSURFACEDATA* lpSD, int nWidth, int nHeight, int bColorKey, int nDDMemType,
                     int nDTMemType, int bNoTexture, int bRecreate) {
    if (!lpSD) return false;
    if (!lpDTCon) return CreateDirectDrawSurface(lpSD, nWidth, nHeight, bColorKey, nDDMemType);

    // A record made again from scratch first lets go of what it held.
    if (!bRecreate && lpSD->lpDT && (lpSD->lpDT->lpTexture || lpSD->lpDT->lpVB)) DDReleaseSurface(lpSD);
    if (!lpSD->lpDT) lpSD->lpDT = new DTDATA();
    DTDATA* dt = lpSD->lpDT;
    if (bNoTexture) {
        lpSD->nWidth = lpSD->nTexWidth = nWidth;
        lpSD->nHeight = lpSD->nTexHeight = nHeight;
        lpSD->nMemType = nDDMemType;
        return true;
    }
    if (!bRecreate) {
        CopyName(lpSD->szName, "OffScreen");
        CopyName(lpSD->szFile, "E");
        dt->nMemType = nDTMemType;
        dt->lpSurface = dt->lpSystemSurface = nullptr;
        dt->lpTexture = nullptr;
        dt->bColorKey = bColorKey == 1;
        dt->nID = lpDTCon->nNextSurfaceID++;
        if (FAILED(lpDevice->CreateVertexBuffer(4 * kVertexStride, D3DUSAGE_WRITEONLY,
                                                D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1, D3DPOOL_MANAGED,
                                                &dt->lpVB, nullptr))) {
            ErrorLogPrintf("CreateVertexBuffer Err");
            return false;
        }
    }
    int tw = nWidth, th = nHeight;
    DDAdjustTextureSize(&tw, &th);
    if (!DDCheckTextureSize(tw, th))
        ErrorLogPrintf("上記の理由でテクスチャの描画が失敗する可能性があります。(空)");

    int kind = dt->nMemType == DTMEMORYTYPE_VIDEO_NORT ? DTMEMORYTYPE_VIDEO_RT : dt->nMemType;
    const bool hadTexture = dt->lpTexture != nullptr; // a system texture survives a device reset
    if (kind == DTMEMORYTYPE_VIDEO_RT) {
        dt->bRenderTarget = 1;
        HRESULT hr =
            D3DXCreateTexture(lpDevice, static_cast<UINT>(tw), static_cast<UINT>(th), 1,
                              D3DUSAGE_RENDERTARGET, lpDTCon->fmtTexture, D3DPOOL_DEFAULT, &dt->lpTexture);
        if (hr == D3DERR_OUTOFVIDEOMEMORY) {
            ErrorLogPrintf("VRAM不足のためシステムメモリにテクスチャを作成します。(空)");
            kind = DTMEMORYTYPE_SYSTEM;
            dt->nMemType = DTMEMORYTYPE_SYSTEM; // the record says where it really lives
        } else if (FAILED(hr)) {
            ErrorLogPrintf("D3DXCreateTexture Err hr = %x", static_cast<unsigned>(hr));
            return false;
        }
    }
    if (kind == DTMEMORYTYPE_SYSTEM && !hadTexture) {
        dt->bRenderTarget = 0;
        HRESULT hr =
            D3DXCreateTexture(lpDevice, static_cast<UINT>(tw), static_cast<UINT>(th), 1, D3DUSAGE_DYNAMIC,
                              lpDTCon->fmtTexture, D3DPOOL_SYSTEMMEM, &dt->lpTexture);
        if (FAILED(hr)) {
            ErrorLogPrintf("D3DXCreateTexture Err hr = %x", static_cast<unsigned>(hr));
            TextureFailureBox();
            return false;
        }
    }
    if (!dt->lpSurface && FAILED(dt->lpTexture->GetSurfaceLevel(0, &dt->lpSurface))) {
        ErrorLogPrintf("GetSurfaceLevel Err hr = %x", 0u);
        return false;
    }
    dt->lpTexture->GetLevelDesc(0, &dt->Desc);
    if (kind == DTMEMORYTYPE_VIDEO_RT && !dt->lpSystemSurface) {
        HRESULT hr = lpDevice->CreateOffscreenPlainSurface(dt->Desc.Width, dt->Desc.Height, dt->Desc.Format,
                                                           D3DPOOL_SYSTEMMEM, &dt->lpSystemSurface, nullptr);
        if (FAILED(hr)) {
            ErrorLogPrintf("CreateOffscreenPlainSurface Err hr = %x", static_cast<unsigned>(hr));
            TextureFailureBox();
            return false;
        }
    }
    lpSD->nWidth = nWidth;
    lpSD->nHeight = nHeight;
    lpSD->nTexWidth = static_cast<int>(dt->Desc.Width);
    lpSD->nTexHeight = static_cast<int>(dt->Desc.Height);
    if (DDSetRenderTarget(0, lpSD)) {
        lpDevice->Clear(0, nullptr, D3DCLEAR_TARGET, EmptyColour(lpSD), 1.0f, 0);
        if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
    }
    if (!bRecreate) SurfaceListAdd(lpSD);
    return true;
}
