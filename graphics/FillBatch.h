// The batch of filled rectangles (graphics layer only): fills made between DDBeginFillBatch and
// DDFlushFillBatch are collected and drawn per run of one destination.
#pragma once

#include "graphics/SurfaceData.h"

#include <vector>

struct FillEntry {
    DDSURFACEDATA* lpSD;
    int x, y, w, h;
    DWORD dwColor;
};

struct cFillBatch {
    int bBatching = 0;
    std::vector<FillEntry> vecRects;
    std::vector<std::uint8_t> lpVertices;
    cDirect3DVertexBuffer* lpVB = nullptr;
    cDirect3DIndexBuffer* lpIB = nullptr;

    void ReleaseBuffers();
};

extern cFillBatch FillBatch;
