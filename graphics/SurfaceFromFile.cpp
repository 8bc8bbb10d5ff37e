// Surfaces loaded from picture files, on either face.
#include "graphics/GraphicsInternal.h"

#include "foundation/MessageBox.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "platform/Direct3DX.h"
#include "platform/Image.h"

namespace {

int FromFileDirectDraw(DDSURFACEDATA* sd, const char* szFile, int bColorKey, int nBppIn, int nDDMemType,
                       int bPalMap, int nMirrorWidth, int nMirrorHeight) {
    cImage image;
    if (!LoadImageFile(PicturePath(szFile), image)) {
        ErrorLogPuts(szFile ? szFile : "");
        return DDSURFACE_LOAD_ERR;
    }
    CopyName(sd->szFile, szFile);
    CopyName(sd->szName, "OffScreenFromFile");
    if (!DDCreateSurface(sd, image.width, image.height, bColorKey, nDDMemType, 0, 0, 0))
        return DDSURFACE_CREATE_ERR;
    if (!CopyBitmapImage(sd, image, szFile, nBppIn, bPalMap, nMirrorWidth, nMirrorHeight))
        return DDSURFACE_LOAD_ERR;
    sd->nMirrorWidth = nMirrorWidth;
    sd->nMirrorHeight = nMirrorHeight;
    sd->nWidth = sd->nTexWidth = image.width;
    sd->nHeight = sd->nTexHeight = image.height;
    // nMemType keeps the kind DDCreateSurface really used, so a picture that
    // went to system memory is known to be there.
    return DDSURFACE_OK;
}

DWORD LoadColorKey() {
    const RGBTRIPLE& key = nBpp == 16 ? lpDTCon->rgbKey_16 : lpDTCon->rgbTransmit;
    return 0xFF000000u | (static_cast<DWORD>(key.rgbtRed) << 16) | (static_cast<DWORD>(key.rgbtGreen) << 8) |
           key.rgbtBlue;
}

HRESULT LoadTexture(DTDATA* dt, const std::string& path, int tw, int th, DWORD usage, D3DPOOL pool,
                    DWORD key) {
    return D3DXCreateTextureFromFileEx(lpDevice, path, static_cast<UINT>(tw), static_cast<UINT>(th), 1, usage,
                                       lpDTCon->fmtTexture, pool, D3DX_FILTER_NONE, D3DX_DEFAULT, key,
                                       nullptr, nullptr, &dt->lpTexture);
}

} // namespace

int DDCreateSurfaceFromFile(DDSURFACEDATA* lpSD, const char* szFile, int bColorKey, int nBppIn,
                            int nDDMemType, int nDTMemType, int bNoTexture, int bPalMap, int nMirrorWidth,
                            int nMirrorHeight, int bRecreate) {
    if (!lpSD) return DDSURFACE_CREATE_ERR;
    if (!lpDTCon)
        return FromFileDirectDraw(lpSD, szFile, bColorKey, nBppIn, nDDMemType, bPalMap, nMirrorWidth,
                                  nMirrorHeight);

    if (!bRecreate && lpSD->lpDT && (lpSD->lpDT->lpTexture || lpSD->lpDT->lpVB)) DDReleaseSurface(lpSD);
    if (!lpSD->lpDT) lpSD->lpDT = new DTDATA();
    DTDATA* dt = lpSD->lpDT;
    if (!bRecreate) {
        CopyName(lpSD->szName, "OffScreenFromFile");
        CopyName(lpSD->szFile, szFile);
        dt->nMemType = nDTMemType;
        dt->lpSurface = dt->lpSystemSurface = nullptr;
        dt->lpTexture = nullptr;
        dt->bColorKey = bColorKey == 1;
        dt->nID = lpDTCon->nNextSurfaceID++;
        HRESULT hr = lpDevice->CreateVertexBuffer(4 * kVertexStride, D3DUSAGE_WRITEONLY,
                                                  D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1,
                                                  D3DPOOL_MANAGED, &dt->lpVB, nullptr);
        if (FAILED(hr)) {
            ErrorLogPrintf("CreateVertexBuffer Err %x", static_cast<unsigned>(hr));
            return DDSURFACE_CREATE_ERR; // no texture was made: the load failed
        }
    }
    const std::string path = PicturePath(szFile);
    cImage image;
    if (!LoadImageFile(path, image)) {
        if (szFile && szFile[0]) ErrorLogPrintf("LoadImage Err %s", szFile);
        return DDSURFACE_LOAD_ERR;
    }
    lpSD->nMirrorWidth = nMirrorWidth;
    lpSD->nMirrorHeight = nMirrorHeight;
    lpSD->nMemType = nDDMemType;
    if (bNoTexture) {
        // Only the sizes: the record draws from the record it is linked to and
        // none of the steps below, which all need a texture, apply.
        lpSD->nWidth = lpSD->nTexWidth = image.width;
        lpSD->nHeight = lpSD->nTexHeight = image.height;
        return DDSURFACE_OK;
    }
    int tw = image.width, th = image.height;
    DDAdjustTextureSize(&tw, &th);
    if (!DDCheckTextureSize(tw, th))
        ErrorLogPrintf("上記の理由でテクスチャの描画が失敗する可能性があります。(%s)", szFile);
    const DWORD key = bColorKey == 1 ? LoadColorKey() : 0;

    int kind = dt->nMemType;
    if (kind == DTMEMORYTYPE_VIDEO_NORT) {
        ErrorLogPrintf("DDCreateSurfaceFromFile Err DTMEMORYTYPE_VIDEO_NORTの指定は未対応です。"
                       "DTMEMORYTYPE_VIDEO_RTでテクスチャを作成します。");
        kind = dt->nMemType = DTMEMORYTYPE_VIDEO_RT;
    }
    const bool hadTexture = dt->lpTexture != nullptr;
    dt->bRenderTarget = 0; // a picture from a file is never drawn into by the device
    if (kind == DTMEMORYTYPE_VIDEO_RT) {
        HRESULT hr = LoadTexture(dt, path, tw, th, 0, D3DPOOL_MANAGED, key);
        if (hr == D3DERR_OUTOFVIDEOMEMORY) {
            ErrorLogPrintf("VRAM不足のためシステムメモリにテクスチャを作成します。(%s)", szFile);
            kind = dt->nMemType = DTMEMORYTYPE_SYSTEM;
        } else if (FAILED(hr)) {
            // Any other failure leaves the record without a texture: a failed load.
            ErrorLogPrintf("テクスチャの作成に失敗。(%s)", szFile);
            return DDSURFACE_CREATE_ERR;
        }
    }
    if (kind == DTMEMORYTYPE_SYSTEM && !hadTexture) {
        HRESULT hr = LoadTexture(dt, path, tw, th, D3DUSAGE_DYNAMIC, D3DPOOL_SYSTEMMEM, key);
        if (FAILED(hr)) {
            ErrorLogPrintf("D3DXCreateTextureFromFileEx Err %x %s", static_cast<unsigned>(hr), szFile);
            if (!lpDTCon->strTextureError.empty()) ErrorBox(lpDTCon->strTextureError.c_str());
            PostMainWindowClose();
            return DDSURFACE_CREATE_ERR;
        }
    }
    if (!dt->lpTexture) return DDSURFACE_CREATE_ERR;
    if (!dt->lpSurface) dt->lpTexture->GetSurfaceLevel(0, &dt->lpSurface);
    dt->lpTexture->GetLevelDesc(0, &dt->Desc);
    lpSD->nWidth = image.width;
    lpSD->nHeight = image.height;
    lpSD->nTexWidth = static_cast<int>(dt->Desc.Width);
    lpSD->nTexHeight = static_cast<int>(dt->Desc.Height);

    int result = DDSURFACE_OK;
    if (nMirrorWidth || nMirrorHeight) {
        DDSURFACEDATA plain;
        int loaded = DDCreateSurfaceFromFile(&plain, szFile, bColorKey, nBppIn, nDDMemType,
                                             DTMEMORYTYPE_SYSTEM, 0, 0, 0, 0, 0);
        if (loaded != DDSURFACE_OK || !CreateMirror(lpSD, &plain, nMirrorWidth, nMirrorHeight)) {
            ErrorLogPrintf("CreateMirror Err");
            result = DDSURFACE_MIRROR_ERR;
        }
        DDReleaseSurface(&plain);
    }
    if (!bRecreate) SurfaceListAdd(lpSD);
    if (bPalMap && nBppIn != 8)
        DDBuildPalIndexMap(&dt->lpPalMap, lpSD);
    else if (!bRecreate)
        dt->lpPalMap = nullptr;
    return result;
}
