// Helpers shared by the graphics layer's own files; not for other subsystems
// (they see graphics/Graphics.h only).
#pragma once

#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"

struct cImage;

#include <cstdint>
#include <string>

// The real path of a picture named as the game names it.
std::string PicturePath(const char* szFile);

inline cDirectDrawSurface* DDSurfaceOf(const DDSURFACEDATA* sd) {
    return sd && sd->lpDDData ? sd->lpDDData->lpSurface : nullptr;
}

// Copies a C string into a fixed field, cut to fit.
void CopyName(char (&field)[260], const char* text);
// CopyBitmap with the picture already read: a surface made from a file copies
// the image it read for its size instead of reading the file a second time.
bool CopyBitmapImage(DDSURFACEDATA* lpSD, const cImage& image, const char* szFile, int nBppIn, int bPalMap,
                     int nMirrorWidth, int nMirrorHeight);

// Column (or row) of the stored picture that destination column x shows when
// the picture is kept as strips of `period` each reversed.
inline int MirrorIndex(int x, int period) {
    if (period <= 0) return x;
    int k = x / period;
    return (k + 1) * period - (x % period) - 1;
}

// One vertex of kVertexStride bytes: the position shifted by -0.5 (pixel
// centres on whole numbers), the diffuse colour and the texture coordinate.
void WriteVertex(std::uint8_t* out, float x, float y, DWORD diffuse, float u, float v);
// Four vertices of a quad (x, y, w, h) with edges shifted by -0.5, the
// diffuse colour and the texture coordinates (u0, v0)-(u1, v1), in strip order.
void WriteQuadVertices(std::uint8_t* out, float x, float y, float w, float h, DWORD diffuse, float u0,
                       float v0, float u1, float v1);

// True when the record is the full-screen Direct3D back buffer, whose 16-bit
// format differs from the texture format.
bool IsFullScreenBackBuffer(const DDSURFACEDATA* sd);

// The Direct3D face's transparent value of a record (the back buffer keeps
// its own), as an ARGB colour.
DWORD TransparentClearColor(const DDSURFACEDATA* lpDstSD);

// Clips a rectangle to a record's size; false when nothing is left.
bool ClipToRecord(const DDSURFACEDATA* sd, int& x, int& y, int& w, int& h);

// SurfaceList bookkeeping.
void SurfaceListAdd(DDSURFACEDATA* sd);
void SurfaceListRemove(const DDSURFACEDATA* sd);
