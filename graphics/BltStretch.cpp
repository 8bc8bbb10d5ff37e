// The stretch blit every picture copy ends in.
#include "graphics/GraphicsInternal.h"
#include "graphics/QuadBatch.h"

#include <algorithm>

namespace {

HRESULT DirectDrawStretch(DDSURFACEDATA* dstSD, int x, int y, int w, int h, DDSURFACEDATA* srcSD, int sx,
                          int sy, int sw, int sh, DWORD flags) {
    cDirectDrawSurface* dst = DDSurfaceOf(dstSD);
    cDirectDrawSurface* src = DDSurfaceOf(srcSD);
    if (!dst || !src) return DDERR_INVALIDPARAMS;
    if (!DDClipBlt(dstSD, &x, &y, &w, &h, srcSD, &sx, &sy, &sw, &sh)) return 0;
    RECT d{x, y, x + w, y + h};
    RECT s{sx, sy, sx + sw, sy + sh};
    return dst->Blt(&d, src, &s, DDBLT_WAIT | ((flags & 1) ? DDBLT_KEYSRC : 0), nullptr);
}

void GpuDraw(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy, int sw,
             int sh, DWORD flags) {
    DTDATA* s = src->lpDT;
    void* p = nullptr;
    if (!s->lpVB || FAILED(s->lpVB->Lock(0, 0, &p, 0))) return;
    const float tw = static_cast<float>(src->nTexWidth), th = static_cast<float>(src->nTexHeight);
    WriteQuadVertices(static_cast<std::uint8_t*>(p), static_cast<float>(x), static_cast<float>(y),
                      static_cast<float>(w), static_cast<float>(h), lpDTCon->dwDrawColor, sx / tw, sy / th,
                      (sx + sw) / tw, (sy + sh) / th);
    s->lpVB->Unlock();
    if (!DDBeginScene() || !DDSetRenderTarget(0, dst)) return;
    if (flags == 0 && s->bColorKey) {
        // A plain copy of a keyed picture: its transparent pixels must end up
        // transparent, which blending alone would not do.
        D3DRECT r{x, y, x + w, y + h};
        lpDevice->Clear(1, &r, D3DCLEAR_TARGET, TransparentClearColor(dst), 1.0f, 0);
    }
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, lpDTCon->dwColorOp);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, lpDTCon->dwAlphaOp);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    lpDevice->SetTexture(0, s->lpTexture);
    lpDevice->SetStreamSource(0, s->lpVB, 0, kVertexStride);
    lpDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    lpDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
}

bool Transparent16(std::uint32_t v) {
    return ((v >> 8) & 0xA0) == 0;
}

// 1-5-5-5 texture pixel -> pixel of the full-screen back buffer's format.
std::uint32_t ToDisplay16(std::uint32_t v) {
    const int* s = SurfaceFormatMasks;
    const int* d = DisplayFormatMasks;
    std::uint32_t r = (v >> s[kRedShift]) & static_cast<std::uint32_t>(s[kRedMax]);
    std::uint32_t g = (v >> s[kGreenShift]) & static_cast<std::uint32_t>(s[kGreenMax]);
    std::uint32_t b = (v >> s[kBlueShift]) & static_cast<std::uint32_t>(s[kBlueMax]);
    if (d[kGreenMax] > s[kGreenMax]) g <<= 1;
    return (r << d[kRedShift]) | (g << d[kGreenShift]) | (b << d[kBlueShift]);
}

void CpuCopy(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy, int sw,
             int sh, DWORD flags) {
    if (dst == src) return; // one surface can't be locked twice
    CpuAccess da = LockForCpu(dst);
    if (!da.ok) return;
    CpuAccess sa = LockForCpu(src);
    if (!sa.ok) {
        UnlockForCpu(dst, da);
        return;
    }
    cSurface& to = da.surface->Pixels();
    const cSurface& from = sa.surface->Pixels();
    const bool wide = BytesPerPixel(to.Format()) == 4;
    const bool toDisplay16 = !wide && IsFullScreenBackBuffer(dst);
    const bool same = sw == w && sh == h;
    // Source offset of destination offset i along one axis.
    auto offset = [same](int i, int srcSize, int dstSize, bool* ok) {
        if (same) return i;
        int o = static_cast<int>(static_cast<long long>(i) * srcSize / dstSize);
        if (srcSize < 0 && o <= 0 && o > srcSize) o -= 1;
        *ok = srcSize > 0 ? (o >= 0 && o < srcSize) : (o >= srcSize && o < 0);
        return o;
    };
    const int dstW = std::min(dst->nWidth, to.Width()), dstH = std::min(dst->nHeight, to.Height());
    const int srcW = std::min(src->nWidth, from.Width()), srcH = std::min(src->nHeight, from.Height());
    for (int j = 0; j < h; ++j) {
        const int ty = y + j;
        if (ty < 0 || ty >= dstH) continue;
        bool okY = true;
        const int fy = sy + offset(j, sh, h, &okY);
        if (!okY || fy < 0 || fy >= srcH) continue;
        for (int i = 0; i < w; ++i) {
            const int tx = x + i;
            if (tx < 0 || tx >= dstW) continue;
            bool okX = true;
            const int fx = sx + offset(i, sw, w, &okX);
            if (!okX || fx < 0 || fx >= srcW) continue;
            std::uint32_t v = from.Get(fx, fy);
            if (flags & 1) {
                if (wide ? (v >> 24) == 0 : Transparent16(v)) continue;
            }
            to.Set(tx, ty, toDisplay16 ? ToDisplay16(v) : v);
        }
    }
    sa.renderTarget = false; // the source was only read: nothing to upload
    UnlockForCpu(src, sa);
    UnlockForCpu(dst, da);
}

} // namespace

DWORD TransparentClearColor(const DDSURFACEDATA* lpDstSD) {
    if (nBpp == 16) {
        WORD v = lpDstSD == &BackBuffer ? lpDTCon->wKeyColor_16 : lpDTCon->wTransmit_16;
        return UnpackToArgb(PixelFormat::A1R5G5B5, v);
    }
    return lpDstSD == &BackBuffer ? lpDTCon->dwKeyColor : lpDTCon->dwTransmit_32;
}

HRESULT DDBltStretch(DDSURFACEDATA* lpDstSD, int x, int y, int w, int h, DDSURFACEDATA* lpSrcSD, int sx,
                     int sy, int sw, int sh, DWORD dwFlags) {
    DDWrapCoords(lpSrcSD, &sx, &sy, &sw, &sh);
    if (!lpDTCon) return DirectDrawStretch(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
    if (!lpDstSD || !lpSrcSD) return 0;
    DDResolveSurface(&lpDstSD);
    DDResolveSurface(&lpSrcSD);
    if (lpDTCon->bVirFlush) {
        lpDstSD = &BackBuffer;
        lpSrcSD = &VirBackBuffer;
    } else {
        DDRedirectToVirtualBackBuffer(&lpDstSD);
        DDRedirectToVirtualBackBuffer(&lpSrcSD);
    }
    // A record without a texture of its own (and no link) has nothing to draw.
    if (!lpDstSD->lpDT || !lpSrcSD->lpDT || !lpSrcSD->lpDT->lpTexture || !lpDstSD->lpDT->lpSurface) return 0;
    if (lpDstSD->lpDT->bRenderTarget && lpSrcSD->lpDT->nMemType != DTMEMORYTYPE_SYSTEM) {
        if (!DDClipBlt(lpDstSD, &x, &y, &w, &h, lpSrcSD, &sx, &sy, &sw, &sh)) return 0;
        if (QuadBatch.bBatching) {
            int key = QuadBatch.nSequence;
            if (QuadBatch.bGroupByTexture)
                for (const QuadTexture& t : QuadBatch.vecTextures)
                    if (t.lpSrcSD == lpSrcSD) key += t.nBaseKey;
            QuadBatch.vecQuads.push_back({key, lpDstSD, lpSrcSD, x, y, w, h, sx, sy, sw, sh,
                                          static_cast<int>(dwFlags), lpDTCon->dwDrawColor, lpDTCon->dwColorOp,
                                          lpDTCon->dwAlphaOp, 0});
            ++QuadBatch.nSequence;
            return 0;
        }
        GpuDraw(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
        return 0;
    }
    CpuCopy(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
    return 0;
}
