// The Direct3D face: blits as textured quads (or CPU copies), fills as
// clears, coloured quads or CPU fills, and CPU access to a record's pixels.
#include "graphics/Direct3DBlit.h"
#include "graphics/DrawFace.h"
#include "graphics/FillBatch.h"
#include "graphics/GraphicsInternal.h"
#include "graphics/QuadBatch.h"

#include "foundation/ErrorLog.h"

namespace {

// Colour words of the drawing-state convention, packed for a 16-bit CPU fill.
std::uint32_t PackCpu16(const DDSURFACEDATA* sd, DWORD argb) {
    const int* m = IsFullScreenBackBuffer(sd) ? DisplayFormatMasks : SurfaceFormatMasks;
    return static_cast<std::uint32_t>((ArgbR(argb) * m[kRedMax] / 255) << m[kRedShift]) |
           static_cast<std::uint32_t>((ArgbG(argb) * m[kGreenMax] / 255) << m[kGreenShift]) |
           static_cast<std::uint32_t>((ArgbB(argb) * m[kBlueMax] / 255) << m[kBlueShift]) |
           static_cast<std::uint32_t>((ArgbA(argb) * m[kAlphaMax] / 255) << m[kAlphaShift]);
}

// A fill of one rectangle as a quad coloured by the texture factor, drawn
// from the record's own vertex buffer.
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

class cDirect3DFace final : public cDrawFace {
public:
    HRESULT BltStretch(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                       int sw, int sh, DWORD flags) override {
        if (!dst || !src) return 0;
        DDResolveSurface(&dst);
        DDResolveSurface(&src);
        if (lpDTCon->bVirFlush) {
            dst = &BackBuffer;
            src = &VirBackBuffer;
        } else {
            DDRedirectToVirtualBackBuffer(&dst);
            DDRedirectToVirtualBackBuffer(&src);
        }
        if (!dst->lpDT || !src->lpDT || !dst->lpDT->lpSurface) return 0;
        // The device draws from textures in its own memory into render
        // targets; everything else (a system-memory texture, a destination
        // that can't be a render target, the back buffer as a source, which
        // has no texture) is copied by the CPU.
        if (!dst->lpDT->bRenderTarget || src->lpDT->nMemType == DTMEMORYTYPE_SYSTEM ||
            !src->lpDT->lpTexture) {
            Direct3DCpuBlt(dst, x, y, w, h, src, sx, sy, sw, sh, flags);
            return 0;
        }
        if (!DDClipBlt(dst, &x, &y, &w, &h, src, &sx, &sy, &sw, &sh)) return 0;
        if (QuadBatch.bBatching) {
            QuadBatchAdd(dst, x, y, w, h, src, sx, sy, sw, sh, flags);
            return 0;
        }
        Direct3DQuadBlt(dst, x, y, w, h, src, sx, sy, sw, sh, flags);
        return 0;
    }

    HRESULT BltFast(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                    DWORD flags) override {
        return DDBltStretch(dst, x, y, w, h, src, sx, sy, w, h, flags);
    }

    void FillRect(DDSURFACEDATA* sd, int x, int y, int w, int h, DWORD color) override {
        DDResolveSurface(&sd);
        DDRedirectToVirtualBackBuffer(&sd);
        DTDATA* dt = sd->lpDT;
        if (!dt || !dt->lpSurface) return;
        if (!ClipToRecord(sd, x, y, w, h)) return;
        if (!dt->bRenderTarget) {
            cPixelLock lock;
            if (!LockPixels(sd, lock)) return;
            cSurface& px = *lock.pixels;
            const std::uint32_t value = BytesPerPixel(px.Format()) == 4 ? color : PackCpu16(sd, color);
            px.FillRect(x, y, w, h, value);
            UnlockPixels(sd, lock, true);
            return;
        }
        const DWORD transparent = sd == &BackBuffer ? lpDTCon->dwKeyColor : lpDTCon->dwTransmit_32;
        if (dt->bColorKey && color == transparent) {
            // Transparent pixels can't be drawn with blending on: clear them instead.
            if (!DDBeginScene() || !DDSetRenderTarget(0, sd)) return;
            D3DRECT r{x, y, x + w, y + h};
            lpDevice->Clear(1, &r, D3DCLEAR_TARGET, color, 1.0f, 0);
            if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
            return;
        }
        if (FillBatch.bBatching) {
            FillBatch.vecRects.push_back({sd, x, y, w, h, color});
            return;
        }
        QuadFill(sd, x, y, w, h, color);
    }

    bool LockPixels(DDSURFACEDATA* sd, cPixelLock& lock) override {
        lock = {};
        if (!sd || !sd->lpDT || !lpDevice) return false;
        DTDATA* dt = sd->lpDT;
        cDirect3DSurface* surface = nullptr;
        if (sd == &BackBuffer) {
            surface = dt->lpSurface;
        } else if (dt->bRenderTarget) {
            if (!dt->lpSystemSurface || !dt->lpSurface) return false;
            if (FAILED(lpDevice->GetRenderTargetData(dt->lpSurface, dt->lpSystemSurface))) {
                ErrorLogPrintf("FAILED( lpDevice->GetRenderTargetData(m_lpSD->lpDT->lpSurface, "
                               "m_lpSD->lpDT->lpSystemSurface))");
                return false;
            }
            surface = dt->lpSystemSurface;
            lock.renderTarget = true;
        } else {
            surface = dt->lpSurface;
        }
        if (!surface) return false;
        D3DLOCKED_RECT lr{};
        if (FAILED(surface->LockRect(&lr, nullptr, 0))) {
            ErrorLogPrintf("FAILED( m_lpSD->lpDT->lpSurface->LockRect(&lr, NULL, 0))");
            return false;
        }
        lock.d3dSurface = surface;
        lock.pixels = &surface->Pixels();
        return true;
    }

    void UnlockPixels(DDSURFACEDATA* sd, cPixelLock& lock, bool written) override {
        if (!lock.d3dSurface) return;
        if (FAILED(lock.d3dSurface->UnlockRect())) {
            if (sd == &BackBuffer)
                ErrorLogPrintf("Back :: D3D_OK != m_lpSD->lpDT->lpSurface->UnlockRect();");
            else
                ErrorLogPrintf("FAILED( m_lpSD->lpDT->lpSurface->UnlockRect())");
        }
        if (written && lock.renderTarget &&
            FAILED(lpDevice->UpdateSurface(sd->lpDT->lpSystemSurface, nullptr, sd->lpDT->lpSurface, nullptr)))
            ErrorLogPrintf("FAILED( lpDevice->UpdateSurface(m_lpSD->lpDT->lpSystemSurface, NULL, "
                           "m_lpSD->lpDT->lpSurface, NULL)");
        lock = {};
    }

    // A Direct3D frame ends in DDPresent.
    void ShowBackBuffer(bool, bool) override {}

    bool ScreenLost() override { return false; }

    int Restore() override {
        ErrorLogPrintf("D3DではDDRestoreは未対応");
        return 1;
    }
};

} // namespace

cDrawFace& Direct3DFace() {
    static cDirect3DFace face;
    return face;
}
