// Scene bracketing, render targets and the fill batch of the Direct3D face.
#include "graphics/FillBatch.h"
#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"

#include <cstring>

cFillBatch FillBatch;

void cFillBatch::ReleaseBuffers() {
    SafeRelease(lpIB);
    SafeRelease(lpVB);
    lpVertices.clear();
}

int DDBeginScene() {
    if (!lpDevice || !lpDTCon) return 0;
    if (lpDTCon->bInScene) return 1;
    HRESULT hr = lpDevice->BeginScene();
    if (FAILED(hr)) {
        ReportError("BeginScene Err %x", static_cast<unsigned>(hr));
        return 0;
    }
    lpDTCon->bInScene = 1;
    return 1;
}

void DDEndScene() {
    if (!lpDevice || !lpDTCon) return;
    if (lpDTCon->bInScene) lpDevice->EndScene();
    lpDTCon->bInScene = 0;
}

int DDSetRenderTarget(int nIndex, DDSURFACEDATA* lpSD) {
    if (!lpDevice || !lpSD || !lpSD->lpDT || !lpSD->lpDT->bRenderTarget) return 0;
    HRESULT hr = lpDevice->SetRenderTarget(static_cast<DWORD>(nIndex), lpSD->lpDT->lpSurface);
    if (FAILED(hr)) {
        ReportError("SetRenderTarget Err %x (%s)", static_cast<unsigned>(hr), lpSD->szFile);
        return 0;
    }
    return 1;
}

void DDBeginFillBatch() {
    if (!lpDTCon) return;
    FillBatch.bBatching = 1;
    FillBatch.ReleaseBuffers();
    FillBatch.vecRects.clear();
}

// Draws entries [first, last) of one destination from one vertex and one index buffer.
static void DrawFillRun(std::size_t first, std::size_t last) {
    const std::size_t n = last - first;
    DDSURFACEDATA* sd = FillBatch.vecRects[first].lpSD;
    FillBatch.lpVertices.assign(n * 4 * kVertexStride, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const FillEntry& e = FillBatch.vecRects[first + i];
        WriteQuadVertices(FillBatch.lpVertices.data() + i * 4 * kVertexStride, static_cast<float>(e.x),
                          static_cast<float>(e.y), static_cast<float>(e.w), static_cast<float>(e.h),
                          e.dwColor, 0, 0, static_cast<float>(e.w), static_cast<float>(e.h));
    }
    const UINT fvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    if (FAILED(lpDevice->CreateVertexBuffer(static_cast<UINT>(n * 4 * kVertexStride), D3DUSAGE_WRITEONLY, fvf,
                                            D3DPOOL_MANAGED, &FillBatch.lpVB, nullptr))) {
        FillBatch.ReleaseBuffers();
        ReportError("CreateVertexBuffer Err");
        return;
    }
    void* p = nullptr;
    FillBatch.lpVB->Lock(0, 0, &p, 0);
    std::memcpy(p, FillBatch.lpVertices.data(), FillBatch.lpVertices.size());
    FillBatch.lpVB->Unlock();
    if (FAILED(lpDevice->CreateIndexBuffer(static_cast<UINT>(n * 8), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                           D3DPOOL_MANAGED, &FillBatch.lpIB, nullptr))) {
        FillBatch.ReleaseBuffers();
        ReportError("CreateIndexBuffer Err");
        return;
    }
    FillBatch.lpIB->Lock(0, 0, &p, 0);
    auto* idx = static_cast<std::uint8_t*>(p);
    for (std::size_t i = 0; i < n * 4; ++i) {
        auto v = static_cast<std::uint16_t>(i);
        std::memcpy(idx + i * 2, &v, 2);
    }
    FillBatch.lpIB->Unlock();
    if (!DDBeginScene() || !DDSetRenderTarget(0, sd)) {
        FillBatch.ReleaseBuffers();
        return;
    }
    lpDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    lpDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    lpDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    lpDevice->SetTexture(0, WorkSD.lpDT ? WorkSD.lpDT->lpTexture : nullptr);
    lpDevice->SetStreamSource(0, FillBatch.lpVB, 0, kVertexStride);
    lpDevice->SetIndices(FillBatch.lpIB);
    lpDevice->SetFVF(fvf);
    for (std::size_t i = 0; i < n; ++i)
        lpDevice->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, static_cast<UINT>(4 * i), 4,
                                       static_cast<UINT>(4 * i), 2);
    FillBatch.ReleaseBuffers();
    if (lpDTCon->lpTargetSD) DDSetRenderTarget(0, lpDTCon->lpTargetSD);
}

void DDFlushFillBatch() {
    if (!lpDTCon || FillBatch.vecRects.empty()) {
        FillBatch.bBatching = 0;
        return;
    }
    std::size_t first = 0;
    const std::size_t count = FillBatch.vecRects.size();
    for (std::size_t i = 1; i <= count; ++i) {
        if (i == count || FillBatch.vecRects[i].lpSD != FillBatch.vecRects[first].lpSD) {
            DrawFillRun(first, i);
            first = i;
        }
    }
    FillBatch.ReleaseBuffers();
    FillBatch.bBatching = 0;
    FillBatch.vecRects.clear();
}
