// Draws one quad (a strip of two triangles) into a render target: point
// sampling, the texture-stage operations of stage 0 and alpha blending. The
// usual quad, an axis-aligned rectangle, is filled row by row; any other shape
// (a rotated picture) as its two triangles. Pixel centres lie on whole coordinates, so a quad whose corners
// sit on x - 0.5 covers exactly the pixels from x on, and a texel is chosen by
// the texture coordinate at the pixel centre (with 1/256 texel precision).
#pragma once

#include "platform/Direct3DTypes.h"
#include "platform/Surface.h"

struct RasterVertex {
    float x, y, z, rhw;
    std::uint32_t diffuse;
    float u, v;
};

struct RasterState {
    DWORD colorOp = D3DTOP_MODULATE, colorArg1 = D3DTA_TEXTURE, colorArg2 = D3DTA_CURRENT;
    DWORD alphaOp = D3DTOP_SELECTARG1, alphaArg1 = D3DTA_TEXTURE, alphaArg2 = D3DTA_CURRENT;
    std::uint32_t textureFactor = 0xFFFFFFFFu;
    bool blend = false;
    DWORD srcBlend = D3DBLEND_ONE, destBlend = D3DBLEND_ZERO;
    DWORD addressU = D3DTADDRESS_WRAP, addressV = D3DTADDRESS_WRAP;
};

// Reads the four vertices of a strip, in strip order.
HRESULT RasterQuad(cSurface& target, const cSurface* texture, const RasterVertex (&v)[4],
                   const RasterState& state);
