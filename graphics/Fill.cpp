// Rectangle fills by palette index or colour, single pixels and the pixel value
// of a palette colour.
#include "graphics/FillBatch.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"

#include <algorithm>

namespace {

DWORD PaletteRgb(int n) {
    return (static_cast<DWORD>(Palette[n].peRed) << 16) | (static_cast<DWORD>(Palette[n].peGreen) << 8) |
           Palette[n].peBlue;
}

// Clips a rectangle to a record; false when nothing is left.
bool ClipToRecord(const DDSURFACEDATA* sd, int& x, int& y, int& w, int& h) {
    int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, sd->nWidth));
    int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, sd->nHeight));
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = right - x;
    h = bottom - y;
    return w > 0 && h > 0;
}

void DirectDrawFill(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD value) {
    cDirectDrawSurface* s = DDSurfaceOf(sd);
    if (!s || !ClipToRecord(sd, x, y, w, h)) return;
    RECT r{x, y, x + w, y + h};
    DDBLTFX fx{sizeof(DDBLTFX), value};
    s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

// Colour words of the drawing-state convention, packed for a 16-bit CPU fill.
std::uint32_t PackCpu16(const DDSURFACEDATA* sd, DWORD argb) {
    const int* m = IsFullScreenBackBuffer(sd) ? DisplayFormatMasks : SurfaceFormatMasks;
    return static_cast<std::uint32_t>((ArgbR(argb) * m[kRedMax] / 255) << m[kRedShift]) |
           static_cast<std::uint32_t>((ArgbG(argb) * m[kGreenMax] / 255) << m[kGreenShift]) |
           static_cast<std::uint32_t>((ArgbB(argb) * m[kBlueMax] / 255) << m[kBlueShift]) |
           static_cast<std::uint32_t>((ArgbA(argb) * m[kAlphaMax] / 255) << m[kAlphaShift]);
}

void CpuFill(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD color) {
    CpuAccess a = LockForCpu(sd);
    if (!a.ok) return;
    cSurface& px = a.surface->Pixels();
    const std::uint32_t value = BytesPerPixel(px.Format()) == 4 ? color : PackCpu16(sd, color);
    px.FillRect(x, y, std::min(w, sd->nWidth - x), std::min(h, sd->nHeight - y), value);
    UnlockForCpu(sd, a);
}

void QuadFill(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD color) {
    DTDATA* dt = sd->lpDT;
    if (!dt->lpVB) return;
    void* p = nullptr;
    if (FAILED(dt->lpVB->Lock(0, 0, &p, 0))) return;
    WriteQuadVertices(static_cast<std::uint8_t*>(p), static_cast<float>(x), static_cast<float>(y),
                      static_cast<float>(w), static_cast<float>(h), color, 0, 0, 0, 0);
    dt->lpVB->Unlock();
    if (!DDBeginScene() || !DDSetRenderTarget(0, sd)) return;
    lpDevice->SetRenderState(D3DRS_TEXTUREFACTOR, color);
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TFACTOR);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
    lpDevice->SetStreamSource(0, dt->lpVB, 0, kVertexStride);
    lpDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    lpDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
}

} // namespace

DWORD PalNumToRGB(DWORD dwPalNum) {
    if (dwPalNum > 255) {
        ErrorLogPrintf("PalNumToRGB(DWORD dwPalNum) Err dwPalNum = %d", static_cast<int>(dwPalNum));
        return 0;
    }
    const int n = static_cast<int>(dwPalNum);
    if (lpDTCon) {
        if (nBpp == 8) return dwPalNum;
        if (nBpp == 24) return PaletteRgb(n);
        return n == 0 ? lpDTCon->dwTransmit_32 : 0xFF000000u | PaletteRgb(n);
    }
    if (nBpp == 8) return dwPalNum;
    if (nBpp == 16) {
        // The palette keeps 8-bit channels: they are scaled into the display's
        // channel ranges as every other 8-bit colour is.
        return PackByMasks(FormatMasks{SurfaceFormatMasks[kRedShift], SurfaceFormatMasks[kGreenShift],
                                       SurfaceFormatMasks[kBlueShift], 0, SurfaceFormatMasks[kRedMax],
                                       SurfaceFormatMasks[kGreenMax], SurfaceFormatMasks[kBlueMax], 0},
                           Palette[n].peRed, Palette[n].peGreen, Palette[n].peBlue);
    }
    return PaletteRgb(n);
}

void DDFillRectPal(DDSURFACEDATA* lpSD, int x, int y, int w, int h, int nPal) {
    if (!lpSD) return;
    DWORD value = PalNumToRGB(static_cast<DWORD>(nPal < 0 ? 256 : nPal));
    if (lpDTCon)
        DDFillRectColor(lpSD, x, y, w, h, value);
    else
        DirectDrawFill(lpSD, x, y, w, h, value);
}

void DDFillSurfacePal(DDSURFACEDATA* lpSD, int nPal) {
    if (lpSD) DDFillRectPal(lpSD, 0, 0, lpSD->nWidth, lpSD->nHeight, nPal);
}

void DDFillRectColor(DDSURFACEDATA* lpSD, int x, int y, int w, int h, DWORD dwColor) {
    if (!lpSD) return;
    if (!lpDTCon) {
        DirectDrawFill(lpSD, x, y, w, h, dwColor);
        return;
    }
    DDResolveSurface(&lpSD);
    DDRedirectToVirtualBackBuffer(&lpSD);
    DTDATA* dt = lpSD->lpDT;
    if (!dt || !dt->lpSurface) return;
    if (!ClipToRecord(lpSD, x, y, w, h)) return;
    if (!dt->bRenderTarget) {
        CpuFill(lpSD, x, y, w, h, dwColor);
        return;
    }
    const DWORD transparent = lpSD == &BackBuffer ? lpDTCon->dwKeyColor : lpDTCon->dwTransmit_32;
    if (dt->bColorKey && dwColor == transparent) {
        // Transparent pixels can't be drawn with blending on: clear them instead.
        if (!DDBeginScene() || !DDSetRenderTarget(0, lpSD)) return;
        D3DRECT r{x, y, x + w, y + h};
        lpDevice->Clear(1, &r, D3DCLEAR_TARGET, dwColor, 1.0f, 0);
        if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
        return;
    }
    if (FillBatch.bBatching) {
        FillBatch.vecRects.push_back({lpSD, x, y, w, h, dwColor});
        return;
    }
    QuadFill(lpSD, x, y, w, h, dwColor);
}

void DDFillSurfaceColor(DDSURFACEDATA* lpSD, DWORD dwColor) {
    if (lpSD) DDFillRectColor(lpSD, 0, 0, lpSD->nWidth, lpSD->nHeight, dwColor);
}

void DDPutPixelPal(DDSURFACEDATA* lpSD, int x, int y, int nPal) {
    if (!lpSD || x < 0 || y < 0 || x >= lpSD->nWidth || y >= lpSD->nHeight) return;
    DDFillRectPal(lpSD, x, y, 1, 1, nPal);
}
