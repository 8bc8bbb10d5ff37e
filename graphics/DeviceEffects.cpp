// The effects the Direct3D device draws as one textured quad: a tinted,
// half-transparent, rotated or colour-multiplied picture.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"
#include "graphics/EffectQuad.h"
#include "graphics/GraphicsInternal.h"

#include <cmath>

namespace {

// Texture times the vertex colour, for colour and alpha.
constexpr cQuadStage kModulate{D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE,
                               D3DTOP_MODULATE, D3DTA_TEXTURE, D3DTA_DIFFUSE};

} // namespace

void TintByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                  DWORD colour, int steps) {
    int sw = w, sh = h;
    if (!DDClipBlt(dst, &x, &y, &w, &h, src, &sx, &sy, &sw, &sh)) return;
    // How much of the picture is kept, out of 255.
    static constexpr DWORD kKeep[5] = {0, 128, 80, 48, 16};
    const DWORD keep = steps >= 1 && steps <= 4 ? kKeep[steps] : 0;
    cQuadStage stage{D3DTOP_BLENDFACTORALPHA, D3DTA_TEXTURE, D3DTA_TFACTOR,
                     D3DTOP_SELECTARG1,       D3DTA_TEXTURE, D3DTA_DIFFUSE};
    stage.factor = (keep << 24) | (colour & 0xFFFFFFu);
    cQuadCorner corners[4];
    RectCorners(corners, src, x, y, w, h, sx, sy, sw, sh);
    DrawEffectQuad(dst, src, corners, 0xFFFFFFFFu, stage);
}

void AlphaByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   int alpha) {
    int sw = w, sh = h;
    if (!DDClipBlt(dst, &x, &y, &w, &h, src, &sx, &sy, &sw, &sh)) return;
    cQuadCorner corners[4];
    RectCorners(corners, src, x, y, w, h, sx, sy, sw, sh);
    DrawEffectQuad(dst, src, corners, MakeArgb(255 - alpha, 255, 255, 255), kModulate);
}

void RotateByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, int cx, int cy, double angle,
                    DDSURFACEDATA* src, int sx, int sy) {
    const double radians = angle * 0.017453292519943278;
    const double s = std::sin(radians), c = std::cos(radians);
    const double ox = x + cx - (w >> 1), oy = y + cy - (h >> 1);
    cQuadCorner corners[4];
    RectCorners(corners, src, 0, 0, w, h, sx, sy, w, h);
    for (cQuadCorner& k : corners) {
        const double dx = k.x - cx, dy = k.y - cy;
        k.x = static_cast<float>(dx * c - dy * s + ox);
        k.y = static_cast<float>(dx * s + dy * c + oy);
    }
    const cQuadStage stage{lpDTCon->dwColorOp, D3DTA_TEXTURE, D3DTA_DIFFUSE,
                           lpDTCon->dwAlphaOp, D3DTA_TEXTURE, D3DTA_DIFFUSE};
    DrawEffectQuad(dst, src, corners, lpDTCon->dwDrawColor, stage);
}

void DDChangeColorInPlace(DDSURFACEDATA* dst, int, int, int, int, int nAlpha, BYTE red, BYTE green,
                          BYTE blue) {
    if (!lpDTCon) {
        ErrorLogPrintf(
            "DDrawでは DDChangeColor(DDSURFACEDATA *lpDstSD,int x,int y,int nWidth,int nHeight,int "
            "nAlpha,BYTE bRed,BYTE bGreen,BYTE bBlue) は未対応");
        return;
    }
    if (!dst) return;
    dst = EffectRecord(dst);
    if (!DeviceDraws(dst, dst)) return;
    cQuadCorner corners[4];
    RectCorners(corners, dst, 0, 0, dst->nWidth, dst->nHeight, 0, 0, dst->nWidth, dst->nHeight);
    DrawEffectQuad(dst, dst, corners, MakeArgb(255 - nAlpha, red, green, blue), kModulate);
}
