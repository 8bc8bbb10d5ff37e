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

void WriteQuadVertices(std::uint8_t* out, float x, float y, float w, float h, DWORD diffuse, float u0,
                       float v0, float u1, float v1) {
    const float px[4][2] = {{x, y}, {x, y + h}, {x + w, y}, {x + w, y + h}};
    const float uv[4][2] = {{u0, v0}, {u0, v1}, {u1, v0}, {u1, v1}};
    for (int i = 0; i < 4; ++i) {
        const float f[4] = {px[i][0] - 0.5f, px[i][1] - 0.5f, 0.0f, 1.0f};
        std::memcpy(out + i * kVertexStride, f, 16);
        std::memcpy(out + i * kVertexStride + 16, &diffuse, 4);
        std::memcpy(out + i * kVertexStride + 20, uv[i], 8);
    }
}

bool IsFullScreenBackBuffer(const DDSURFACEDATA* sd) {
    return sd == &BackBuffer && !bWindowMode;
}

CpuAccess LockForCpu(DDSURFACEDATA* sd) {
    CpuAccess a;
    if (!sd || !sd->lpDT || !lpDevice) return a;
    DTDATA* dt = sd->lpDT;
    if (sd == &BackBuffer) {
        a.surface = dt->lpSurface;
    } else if (dt->bRenderTarget) {
        if (!dt->lpSystemSurface || !dt->lpSurface) return a;
        if (FAILED(lpDevice->GetRenderTargetData(dt->lpSurface, dt->lpSystemSurface))) {
            ErrorLogPrintf("FAILED( lpDevice->GetRenderTargetData(m_lpSD->lpDT->lpSurface, "
                           "m_lpSD->lpDT->lpSystemSurface))");
            return a;
        }
        a.surface = dt->lpSystemSurface;
        a.renderTarget = true;
    } else {
        a.surface = dt->lpSurface;
    }
    if (!a.surface) return a;
    D3DLOCKED_RECT lr{};
    if (FAILED(a.surface->LockRect(&lr, nullptr, 0))) {
        ErrorLogPrintf("FAILED( m_lpSD->lpDT->lpSurface->LockRect(&lr, NULL, 0))");
        a.surface = nullptr;
        return a;
    }
    a.ok = true;
    return a;
}

void UnlockForCpu(DDSURFACEDATA* sd, CpuAccess& access) {
    if (!access.ok) return;
    if (FAILED(access.surface->UnlockRect())) {
        if (sd == &BackBuffer)
            ErrorLogPrintf("Back :: D3D_OK != m_lpSD->lpDT->lpSurface->UnlockRect();");
        else
            ErrorLogPrintf("FAILED( m_lpSD->lpDT->lpSurface->UnlockRect())");
    }
    if (access.renderTarget &&
        FAILED(lpDevice->UpdateSurface(sd->lpDT->lpSystemSurface, nullptr, sd->lpDT->lpSurface, nullptr)))
        ErrorLogPrintf("FAILED( lpDevice->UpdateSurface(m_lpSD->lpDT->lpSystemSurface, NULL, "
                       "m_lpSD->lpDT->lpSurface, NULL)");
    access.ok = false;
}

void SurfaceListAdd(DDSURFACEDATA* sd) {
    if (std::find(SurfaceList.begin(), SurfaceList.end(), sd) == SurfaceList.end()) SurfaceList.push_back(sd);
}

void SurfaceListRemove(const DDSURFACEDATA* sd) {
    SurfaceList.remove(const_cast<DDSURFACEDATA*>(sd));
}
