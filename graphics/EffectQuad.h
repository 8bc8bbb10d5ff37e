// One quad drawn by the Direct3D device for an effect that the CPU would do
// more slowly: a tinted, half-transparent, rotated or colour-multiplied copy,
// or a dark veil over the screen. Graphics layer only.
#pragma once

#include "graphics/SurfaceData.h"

// Stage 0's operations and arguments for the quad, and the texture factor.
struct cQuadStage {
    DWORD colorOp, colorArg1, colorArg2;
    DWORD alphaOp, alphaArg1, alphaArg2;
    DWORD factor = 0xFFFFFFFFu;
};

// A corner: screen position (pixel centres on whole numbers) and texture coordinate.
struct cQuadCorner {
    float x, y, u, v;
};

// Whether the device draws from `src` into `dst` (a render target and a
// texture in the device's memory); otherwise the CPU does the effect.
bool DeviceDraws(const DDSURFACEDATA* dst, const DDSURFACEDATA* src);

// Draws corners in strip order (top-left, bottom-left, top-right,
// bottom-right) with the vertex colour `diffuse`, from src's texture (null:
// none) into dst. Stage 0's operations go back to the drawing state's after.
void DrawEffectQuad(DDSURFACEDATA* dst, DDSURFACEDATA* src, const cQuadCorner (&corners)[4], DWORD diffuse,
                    const cQuadStage& stage);

// The corners of the axis-aligned rectangle (x, y, w, h) showing the source
// rectangle (sx, sy, w, h) of `src` (texture coordinates 0 without one).
void RectCorners(cQuadCorner (&out)[4], const DDSURFACEDATA* src, int x, int y, int w, int h, int sx, int sy,
                 int sw, int sh);

// The effects as the device draws them (both records resolved, DeviceDraws
// true). Tint: the picture blended toward `colour` (ARGB) by a factor that
// shrinks with the steps. Alpha: the picture over the target at strength
// 255 - alpha. Rotation: the picture turned about (cx, cy), which lands on
// (x + cx - w / 2, y + cy - h / 2), in the current drawing colour.
void TintByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                  DWORD colour, int steps);
void AlphaByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   int alpha);
void RotateByDevice(DDSURFACEDATA* dst, int x, int y, int w, int h, int cx, int cy, double angle,
                    DDSURFACEDATA* src, int sx, int sy);
