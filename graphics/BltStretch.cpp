// The stretch blit every picture copy ends in, and the Direct3D face's two
// ways of drawing it: a textured quad or a CPU copy.
#include "graphics/Direct3DBlit.h"
#include "graphics/DrawFace.h"
#include "graphics/GraphicsInternal.h"
#include "graphics/QuadBatch.h"

#include <algorithm>
#include <cstring>

namespace {

// A transparent 16-bit texel: neither the alpha bit nor bit 13 is set.
bool Transparent16(std::uint32_t v) {
    return ((v >> 8) & 0xA0) == 0;
}

// A 16-bit pixel from one channel layout to another; green moves between
// five and six bits by a shift.
std::uint32_t Repack16(std::uint32_t v, const int* from, const int* to) {
    std::uint32_t r = (v >> from[kRedShift]) & static_cast<std::uint32_t>(from[kRedMax]);
    std::uint32_t g = (v >> from[kGreenShift]) & static_cast<std::uint32_t>(from[kGreenMax]);
    std::uint32_t b = (v >> from[kBlueShift]) & static_cast<std::uint32_t>(from[kBlueMax]);
    if (to[kGreenMax] > from[kGreenMax]) g <<= 1;
    if (to[kGreenMax] < from[kGreenMax]) g >>= 1;
    return (r << to[kRedShift]) | (g << to[kGreenShift]) | (b << to[kBlueShift]);
}

// 1-5-5-5 texture pixel -> pixel of the full-screen back buffer's format.
std::uint32_t ToDisplay16(std::uint32_t v) {
    return Repack16(v, SurfaceFormatMasks, DisplayFormatMasks);
}

// The reverse, for the full-screen back buffer read as a source: the screen
// keeps no transparency, so its pixels come out opaque.
std::uint32_t FromDisplay16(std::uint32_t v) {
    return Repack16(v, DisplayFormatMasks, SurfaceFormatMasks) | (1u << SurfaceFormatMasks[kAlphaShift]);
}

// How one CPU copy treats its pixels.
struct CpuCopyRule {
    bool wide;        // 32-bit pixels
    bool keyed;       // transparent source pixels are skipped
    bool toDisplay;   // into the 16-bit full-screen back buffer
    bool fromDisplay; // out of it

    // The value written for a source pixel; false when it is skipped.
    bool Pixel(std::uint32_t v, std::uint32_t* out) const {
        if (fromDisplay)
            v = FromDisplay16(v);
        else if (keyed && (wide ? (v >> 24) == 0 : Transparent16(v)))
            return false;
        *out = toDisplay ? ToDisplay16(v) : v;
        return true;
    }
};

// One row of a same-size copy, on typed pointers.
template <class T> void CopyRow(T* to, const T* from, int n, const CpuCopyRule& rule) {
    if (!rule.keyed && !rule.toDisplay && !rule.fromDisplay) {
        std::memcpy(to, from, static_cast<std::size_t>(n) * sizeof(T));
    } else if (!rule.toDisplay && !rule.fromDisplay) {
        for (int i = 0; i < n; ++i) {
            const T v = from[i];
            if (rule.wide ? (v >> 24) != 0 : !Transparent16(v)) to[i] = v;
        }
    } else {
        std::uint32_t v;
        for (int i = 0; i < n; ++i)
            if (rule.Pixel(from[i], &v)) to[i] = static_cast<T>(v);
    }
}

// Same size: clipped once against both pictures, then whole rows.
void CopySameSize(cSurface& to, int dstW, int dstH, int x, int y, int w, int h, const cSurface& from,
                  int srcW, int srcH, int sx, int sy, const CpuCopyRule& rule) {
    const int i0 = std::max({0, -x, -sx}), i1 = std::min({w, dstW - x, srcW - sx});
    const int j0 = std::max({0, -y, -sy}), j1 = std::min({h, dstH - y, srcH - sy});
    if (i0 >= i1) return;
    for (int j = j0; j < j1; ++j) {
        std::uint8_t* d = to.Row(y + j);
        const std::uint8_t* s = from.Row(sy + j);
        if (rule.wide)
            CopyRow(reinterpret_cast<std::uint32_t*>(d) + x + i0,
                    reinterpret_cast<const std::uint32_t*>(s) + sx + i0, i1 - i0, rule);
        else
            CopyRow(reinterpret_cast<std::uint16_t*>(d) + x + i0,
                    reinterpret_cast<const std::uint16_t*>(s) + sx + i0, i1 - i0, rule);
    }
}

// Any size, mirrored too: each destination pixel finds its source pixel.
void CopyScaled(cSurface& to, int dstW, int dstH, int x, int y, int w, int h, const cSurface& from, int srcW,
                int srcH, int sx, int sy, int sw, int sh, const CpuCopyRule& rule) {
    // Source offset of destination offset i along one axis.
    auto offset = [](int i, int srcSize, int dstSize, bool* ok) {
        int o = static_cast<int>(static_cast<long long>(i) * srcSize / dstSize);
        if (srcSize < 0 && o <= 0 && o > srcSize) o -= 1;
        *ok = srcSize > 0 ? (o >= 0 && o < srcSize) : (o >= srcSize && o < 0);
        return o;
    };
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
            std::uint32_t v;
            if (rule.Pixel(from.Get(fx, fy), &v)) to.Set(tx, ty, v);
        }
    }
}

} // namespace

void Direct3DQuadBlt(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                     int sw, int sh, DWORD flags) {
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

void Direct3DCpuBlt(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                    int sw, int sh, DWORD flags) {
    if (dst == src) return; // one surface can't be locked twice
    cDrawFace& face = Face();
    cPixelLock to, from;
    if (!face.LockPixels(dst, to)) return;
    if (!face.LockPixels(src, from)) {
        face.UnlockPixels(dst, to, false);
        return;
    }
    const bool wide = BytesPerPixel(to.pixels->Format()) == 4;
    const CpuCopyRule rule{wide, (flags & 1) != 0, !wide && IsFullScreenBackBuffer(dst),
                           !wide && IsFullScreenBackBuffer(src)};
    const int dstW = std::min(dst->nWidth, to.pixels->Width()),
              dstH = std::min(dst->nHeight, to.pixels->Height());
    const int srcW = std::min(src->nWidth, from.pixels->Width());
    const int srcH = std::min(src->nHeight, from.pixels->Height());
    if (sw == w && sh == h && BytesPerPixel(from.pixels->Format()) == BytesPerPixel(to.pixels->Format()))
        CopySameSize(*to.pixels, dstW, dstH, x, y, w, h, *from.pixels, srcW, srcH, sx, sy, rule);
    else
        CopyScaled(*to.pixels, dstW, dstH, x, y, w, h, *from.pixels, srcW, srcH, sx, sy, sw, sh, rule);
    face.UnlockPixels(src, from, false); // only read: nothing to upload
    face.UnlockPixels(dst, to, true);
}

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
    return Face().BltStretch(lpDstSD, x, y, w, h, lpSrcSD, sx, sy, sw, sh, dwFlags);
}
