#include "graphics/GraphicsInternal.h"

#include "foundation/ErrorLog.h"
#include "platform/PathResolver.h"

#include <algorithm>
#include <cstring>

std::string PicturePath(const char* szFile) {
    return ResolvePath(szFile ? szFile : "");
}

void CopyName(char (&field)[260], const char* text) {
    std::size_t n = text ? std::min<std::size_t>(std::strlen(text), sizeof field - 1) : 0;
    if (n) std::memmove(field, text, n);
    field[n] = '\0';
}

void WriteVertex(std::uint8_t* out, float x, float y, DWORD diffuse, float u, float v) {
    const float f[4] = {x - 0.5f, y - 0.5f, 0.0f, 1.0f};
    const float uv[2] = {u, v};
    std::memcpy(out, f, 16);
    std::memcpy(out + 16, &diffuse, 4);
    std::memcpy(out + 20, uv, 8);
}

void WriteQuadVertices(std::uint8_t* out, float x, float y, float w, float h, DWORD diffuse, float u0,
                       float v0, float u1, float v1) {
    WriteVertex(out, x, y, diffuse, u0, v0);
    WriteVertex(out + kVertexStride, x, y + h, diffuse, u0, v1);
    WriteVertex(out + 2 * kVertexStride, x + w, y, diffuse, u1, v0);
    WriteVertex(out + 3 * kVertexStride, x + w, y + h, diffuse, u1, v1);
}

bool IsFullScreenBackBuffer(const DDSURFACEDATA* sd) {
    return sd == &BackBuffer && !bWindowMode;
}

bool ClipToRecord(const DDSURFACEDATA* sd, int& x, int& y, int& w, int& h) {
    int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, sd->nWidth));
    int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, sd->nHeight));
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = right - x;
    h = bottom - y;
    return w > 0 && h > 0;
}

void SurfaceListAdd(DDSURFACEDATA* sd) {
    if (std::find(SurfaceList.begin(), SurfaceList.end(), sd) == SurfaceList.end()) SurfaceList.push_back(sd);
}

void SurfaceListRemove(const DDSURFACEDATA* sd) {
    SurfaceList.remove(const_cast<DDSURFACEDATA*>(sd));
}
