// The batch of textured quads (graphics layer only): blits made between DDBeginQuadBatch and
// DDFlushQuadBatch are collected and drawn in runs that share a source,
// destination and drawing state, optionally ordered by registered texture.
#pragma once

#include "graphics/SurfaceData.h"

#include <vector>

struct QuadRecord {
    int nKey;
    DDSURFACEDATA* lpDstSD;
    DDSURFACEDATA* lpSrcSD;
    int x, y, w, h, sx, sy, sw, sh;
    int dwFlags;
    DWORD dwDrawColor, dwColorOp, dwAlphaOp;
    DWORD dwSpare; // always 0; part of the run comparison
};

struct QuadTexture {
    DDSURFACEDATA* lpSrcSD;
    int nBaseKey;
};

struct cQuadBatch {
    int bBatching = 0;
    std::vector<QuadRecord> vecQuads;
    std::vector<std::uint8_t> lpVertices;
    cDirect3DVertexBuffer* lpVB = nullptr;
    cDirect3DIndexBuffer* lpIB = nullptr;
    int nSequence = 0;
    int bGroupByTexture = 0;
    std::vector<QuadTexture> vecTextures;

    void ReleaseBuffers();
};

extern cQuadBatch QuadBatch;

// Adds a clipped blit to the open batch with the current drawing state.
void QuadBatchAdd(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy, int sw,
                  int sh, DWORD flags);
