#include "graphics/EffectQuad.h"

#include "graphics/GraphicsInternal.h"

bool DeviceDraws(const DDSURFACEDATA* dst, const DDSURFACEDATA* src) {
    return lpDTCon && dst && src && dst->lpDT && src->lpDT && dst->lpDT->bRenderTarget &&
           src->lpDT->nMemType != DTMEMORYTYPE_SYSTEM && src->lpDT->lpTexture;
}

void RectCorners(cQuadCorner (&out)[4], const DDSURFACEDATA* src, int x, int y, int w, int h, int sx, int sy,
                 int sw, int sh) {
    const float tw = src && src->nTexWidth ? static_cast<float>(src->nTexWidth) : 1.0f;
    const float th = src && src->nTexHeight ? static_cast<float>(src->nTexHeight) : 1.0f;
    const float x0 = static_cast<float>(x), y0 = static_cast<float>(y);
    const float x1 = static_cast<float>(x + w), y1 = static_cast<float>(y + h);
    const float u0 = src ? sx / tw : 0, v0 = src ? sy / th : 0;
    const float u1 = src ? (sx + sw) / tw : 0, v1 = src ? (sy + sh) / th : 0;
    out[0] = {x0, y0, u0, v0};
    out[1] = {x0, y1, u0, v1};
    out[2] = {x1, y0, u1, v0};
    out[3] = {x1, y1, u1, v1};
}

void DrawEffectQuad(DDSURFACEDATA* dst, DDSURFACEDATA* src, const cQuadCorner (&corners)[4], DWORD diffuse,
                    const cQuadStage& stage) {
    if (!lpDTCon || !lpDevice || !dst || !dst->lpDT) return;
    // The vertices go through the source's buffer, or the target's without one.
    DTDATA* holder = src && src->lpDT ? src->lpDT : dst->lpDT;
    void* p = nullptr;
    if (!holder->lpVB || FAILED(holder->lpVB->Lock(0, 0, &p, 0))) return;
    auto* out = static_cast<std::uint8_t*>(p);
    for (const cQuadCorner& k : corners) {
        WriteVertex(out, k.x, k.y, diffuse, k.u, k.v);
        out += kVertexStride;
    }
    holder->lpVB->Unlock();
    if (!DDBeginScene() || !DDSetRenderTarget(0, dst)) return;
    lpDevice->SetRenderState(D3DRS_TEXTUREFACTOR, stage.factor);
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, stage.colorOp);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG1, stage.colorArg1);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG2, stage.colorArg2);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, stage.alphaOp);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, stage.alphaArg1);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, stage.alphaArg2);
    lpDevice->SetTexture(0, src && src->lpDT ? src->lpDT->lpTexture : nullptr);
    lpDevice->SetStreamSource(0, holder->lpVB, 0, kVertexStride);
    lpDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    lpDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, lpDTCon->dwColorOp);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, lpDTCon->dwAlphaOp);
    if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
}
