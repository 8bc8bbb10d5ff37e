// Collecting and drawing batches of textured quads.
#include "graphics/QuadBatch.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"

#include <algorithm>
#include <cstring>

cQuadBatch QuadBatch;

void cQuadBatch::ReleaseBuffers() {
    SafeRelease(lpIB);
    SafeRelease(lpVB);
    lpVertices.clear();
}

void DDBeginQuadBatch(int bGroupByTexture) {
    if (!lpDTCon) return;
    QuadBatch.bBatching = 1;
    QuadBatch.bGroupByTexture = bGroupByTexture;
    QuadBatch.ReleaseBuffers();
    QuadBatch.vecQuads.clear();
    QuadBatch.vecTextures.clear();
    QuadBatch.nSequence = 0;
}

void DDQuadBatchAddTexture(DDSURFACEDATA* lpSrcSD) {
    if (!QuadBatch.bBatching || !QuadBatch.bGroupByTexture) return;
    for (const QuadTexture& t : QuadBatch.vecTextures)
        if (t.lpSrcSD == lpSrcSD) return;
    QuadBatch.vecTextures.push_back({lpSrcSD, 100000 * static_cast<int>(QuadBatch.vecTextures.size() + 1)});
}

void QuadBatchAdd(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy, int sw,
                  int sh, DWORD flags) {
    int key = QuadBatch.nSequence;
    if (QuadBatch.bGroupByTexture)
        for (const QuadTexture& t : QuadBatch.vecTextures)
            if (t.lpSrcSD == src) key += t.nBaseKey;
    QuadBatch.vecQuads.push_back({key, dst, src, x, y, w, h, sx, sy, sw, sh, static_cast<int>(flags),
                                  lpDTCon->dwDrawColor, lpDTCon->dwColorOp, lpDTCon->dwAlphaOp, 0});
    ++QuadBatch.nSequence;
}

namespace {

bool SameRun(const QuadRecord& a, const QuadRecord& b) {
    return a.lpSrcSD == b.lpSrcSD && a.lpDstSD == b.lpDstSD && a.dwDrawColor == b.dwDrawColor &&
           a.dwFlags == b.dwFlags && a.dwColorOp == b.dwColorOp && a.dwAlphaOp == b.dwAlphaOp &&
           a.dwSpare == b.dwSpare;
}

void DrawRun(std::size_t first, std::size_t last) {
    const std::size_t n = last - first;
    const QuadRecord& head = QuadBatch.vecQuads[first];
    DDSURFACEDATA* src = head.lpSrcSD;
    DDSURFACEDATA* dst = head.lpDstSD;
    const float tw = static_cast<float>(src->nTexWidth), th = static_cast<float>(src->nTexHeight);
    QuadBatch.lpVertices.assign(n * 4 * kVertexStride, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const QuadRecord& q = QuadBatch.vecQuads[first + i];
        WriteQuadVertices(QuadBatch.lpVertices.data() + i * 4 * kVertexStride, static_cast<float>(q.x),
                          static_cast<float>(q.y), static_cast<float>(q.w), static_cast<float>(q.h),
                          q.dwDrawColor, q.sx / tw, q.sy / th, (q.sx + q.sw) / tw, (q.sy + q.sh) / th);
    }
    const DWORD fvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    if (FAILED(lpDevice->CreateVertexBuffer(static_cast<UINT>(n * 4 * kVertexStride), D3DUSAGE_WRITEONLY, fvf,
                                            D3DPOOL_MANAGED, &QuadBatch.lpVB, nullptr))) {
        ErrorLogPrintf("CreateVertexBuffer Err");
        QuadBatch.ReleaseBuffers();
        return;
    }
    void* p = nullptr;
    QuadBatch.lpVB->Lock(0, 0, &p, 0);
    std::memcpy(p, QuadBatch.lpVertices.data(), QuadBatch.lpVertices.size());
    QuadBatch.lpVB->Unlock();
    if (FAILED(lpDevice->CreateIndexBuffer(static_cast<UINT>(n * 8), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                           D3DPOOL_MANAGED, &QuadBatch.lpIB, nullptr))) {
        ErrorLogPrintf("CreateIndexBuffer Err");
        QuadBatch.ReleaseBuffers();
        return;
    }
    QuadBatch.lpIB->Lock(0, 0, &p, 0);
    for (std::size_t i = 0; i < n * 4; ++i) {
        auto v = static_cast<std::uint16_t>(i);
        std::memcpy(static_cast<std::uint8_t*>(p) + i * 2, &v, 2);
    }
    QuadBatch.lpIB->Unlock();
    if (!DDBeginScene() || !DDSetRenderTarget(0, dst)) {
        QuadBatch.ReleaseBuffers();
        return;
    }
    if (head.dwFlags == 0 && src->lpDT->bColorKey) {
        const DWORD clear = TransparentClearColor(dst);
        for (std::size_t i = first; i < last; ++i) {
            const QuadRecord& q = QuadBatch.vecQuads[i];
            D3DRECT r{q.x, q.y, q.x + q.w, q.y + q.h};
            lpDevice->Clear(1, &r, D3DCLEAR_TARGET, clear, 1.0f, 0);
        }
    }
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, head.dwColorOp);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, head.dwAlphaOp);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    lpDevice->SetTexture(0, src->lpDT->lpTexture);
    lpDevice->SetStreamSource(0, QuadBatch.lpVB, 0, kVertexStride);
    lpDevice->SetIndices(QuadBatch.lpIB);
    lpDevice->SetFVF(fvf);
    for (std::size_t i = 0; i < n; ++i)
        lpDevice->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, static_cast<UINT>(4 * i), 4,
                                       static_cast<UINT>(4 * i), 2);
    QuadBatch.ReleaseBuffers();
    if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
}

} // namespace

void DDFlushQuadBatch() {
    if (!lpDTCon || QuadBatch.vecQuads.empty()) {
        QuadBatch.bBatching = 0;
        return;
    }
    // Close the batch first: nothing drawn below may land back in it.
    QuadBatch.bBatching = 0;
    auto& quads = QuadBatch.vecQuads;
    if (QuadBatch.bGroupByTexture)
        std::stable_sort(quads.begin(), quads.end(),
                         [](const QuadRecord& a, const QuadRecord& b) { return a.nKey < b.nKey; });
    std::size_t first = 0;
    for (std::size_t i = 1; i <= quads.size(); ++i) {
        if (i == quads.size() || !SameRun(quads[i], quads[first])) {
            DrawRun(first, i);
            first = i;
        }
    }
    QuadBatch.ReleaseBuffers();
    quads.clear();
    QuadBatch.vecTextures.clear();
}
