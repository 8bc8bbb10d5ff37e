#include "platform/DirectDraw.h"

#include "platform/DirectDrawSurface.h"
#include "platform/Presenter.h"

#include <algorithm>

DirectDrawConfig& DirectDrawSettings() {
    static DirectDrawConfig config;
    return config;
}

HRESULT DirectDrawCreateEx(cDirectDraw** out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (DirectDrawSettings().failCreate) return DDERR_GENERIC;
    *out = new cDirectDraw();
    return DD_OK;
}

HRESULT cDirectDraw::SetCooperativeLevel(cPresenter* window, DWORD flags) {
    bool full = (flags & DDSCL_FULLSCREEN) != 0;
    if (full && !(flags & DDSCL_EXCLUSIVE)) return DDERR_INVALIDPARAMS;
    if (full && !window) return DDERR_INVALIDPARAMS;
    window_ = window;
    fullScreen_ = full;
    cooperative_ = true;
    if (!full) format_ = DirectDrawSettings().desktopFormat;
    return DD_OK;
}

HRESULT cDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD refreshRate, DWORD) {
    if (!cooperative_ || !fullScreen_) return DDERR_NOCOOPERATIVELEVELSET;
    if (width != 640 || height != 480) return DDERR_INVALIDMODE;
    if (refreshRate != 0 && static_cast<int>(refreshRate) != DirectDrawSettings().refreshRate)
        return DDERR_INVALIDMODE;
    switch (bpp) {
    case 8:
        format_ = PixelFormat::P8;
        break;
    case 16:
        format_ = DirectDrawSettings().format16;
        break;
    case 32:
        format_ = PixelFormat::X8R8G8B8;
        break;
    default:
        return DDERR_INVALIDMODE; // no 24-bit modes here
    }
    if (window_) window_->SetFullScreen(true);
    return DD_OK;
}

HRESULT cDirectDraw::RestoreDisplayMode() {
    if (fullScreen_ && window_) window_->SetFullScreen(false);
    return DD_OK;
}

HRESULT cDirectDraw::CreateSurface(const DDSURFACEDESC2* desc, cDirectDrawSurface** out) {
    if (!desc || !out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (!cooperative_ || format_ == PixelFormat::Unknown) return DDERR_NOCOOPERATIVELEVELSET;
    DWORD caps = (desc->dwFlags & DDSD_CAPS) ? desc->ddsCaps.dwCaps : 0;
    bool primary = (caps & DDSCAPS_PRIMARYSURFACE) != 0;
    int w, h;
    if (primary) {
        w = window_ && window_->ClientWidth() > 0 ? window_->ClientWidth() : 640;
        h = window_ && window_->ClientHeight() > 0 ? window_->ClientHeight() : 480;
    } else {
        if (!(desc->dwFlags & DDSD_WIDTH) || !(desc->dwFlags & DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
        w = static_cast<int>(std::min<DWORD>(desc->dwWidth, 0x7FFFFFFF));
        h = static_cast<int>(std::min<DWORD>(desc->dwHeight, 0x7FFFFFFF));
    }
    bool system = (caps & DDSCAPS_SYSTEMMEMORY) != 0;
    int backBuffers = 0;
    if (primary && (caps & DDSCAPS_FLIP)) {
        if (!fullScreen_ || !(desc->dwFlags & DDSD_BACKBUFFERCOUNT) || desc->dwBackBufferCount < 1)
            return DDERR_INVALIDPARAMS;
        backBuffers = static_cast<int>(std::min<DWORD>(desc->dwBackBufferCount, 3));
    }
    cDirectDrawSurface* surface = nullptr;
    HRESULT hr = cDirectDrawSurface::Make(this, w, h, format_, system, primary, &surface);
    if (FAILED(hr)) return hr;
    // A flip chain: each buffer holds the next; the primary shows the first.
    cDirectDrawSurface* link = surface;
    for (int i = 0; i < backBuffers; ++i) {
        cDirectDrawSurface* back = nullptr;
        hr = cDirectDrawSurface::Make(this, w, h, format_, false, false, &back);
        if (FAILED(hr)) {
            surface->Release();
            return hr;
        }
        link->Attach(back);
        link = back;
    }
    surface->SetFlippable(backBuffers > 0);
    *out = surface;
    return DD_OK;
}

HRESULT cDirectDraw::CreatePalette(DWORD flags, const PALETTEENTRY* entries, cDirectDrawPalette** out) {
    if (!out || !entries || !(flags & DDPCAPS_8BIT)) return DDERR_INVALIDPARAMS;
    *out = new cDirectDrawPalette();
    (*out)->SetEntries(0, 0, 256, entries);
    return DD_OK;
}

HRESULT cDirectDraw::CreateClipper(DWORD, cDirectDrawClipper** out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = new cDirectDrawClipper();
    return DD_OK;
}

HRESULT cDirectDraw::WaitForVerticalBlank(DWORD) {
    return DD_OK;
}

HRESULT cDirectDraw::GetMonitorFrequency(DWORD* hz) const {
    if (!hz) return DDERR_INVALIDPARAMS;
    *hz = static_cast<DWORD>(DirectDrawSettings().refreshRate);
    return DD_OK;
}

void cDirectDraw::LoseSurfaces() {
    for (cDirectDrawSurface* s : surfaces_) s->Lose();
}

bool cDirectDraw::ReserveVideoMemory(std::int64_t bytes) {
    if (videoUsed_ + bytes > DirectDrawSettings().videoMemoryBytes) return false;
    videoUsed_ += bytes;
    return true;
}

void cDirectDraw::Forget(cDirectDrawSurface* surface) {
    surfaces_.erase(std::remove(surfaces_.begin(), surfaces_.end(), surface), surfaces_.end());
}

HRESULT cDirectDrawPalette::SetEntries(DWORD, DWORD start, DWORD count, const PALETTEENTRY* entries) {
    if (!entries || start > 256 || count > 256 - start) return DDERR_INVALIDPARAMS;
    for (DWORD i = 0; i < count; ++i) entries_[start + i] = entries[i];
    return DD_OK;
}

HRESULT cDirectDrawPalette::GetEntries(DWORD, DWORD start, DWORD count, PALETTEENTRY* entries) const {
    if (!entries || start > 256 || count > 256 - start) return DDERR_INVALIDPARAMS;
    for (DWORD i = 0; i < count; ++i) entries[i] = entries_[start + i];
    return DD_OK;
}

std::uint32_t cDirectDrawPalette::Rgb(int index) const {
    const PALETTEENTRY& e = entries_[index & 255];
    // An explicit entry names a colour of the system's own palette, which this
    // layer does not keep: it shows black.
    if (e.peFlags & PC_EXPLICIT) return 0;
    return (static_cast<std::uint32_t>(e.peRed) << 16) | (static_cast<std::uint32_t>(e.peGreen) << 8) |
           e.peBlue;
}
