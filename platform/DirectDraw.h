// The DirectDraw-like face: a display object that makes surfaces, palettes and
// clippers over the software surfaces. It keeps the rules the drawing code
// relies on: blits refuse rectangles outside their surfaces, a colour key
// leaves pixels of the key value undrawn, video memory can run out (a request
// may then be repeated in system memory), and a display change loses the
// video-memory surfaces until they are restored.
#pragma once

#include "platform/DirectDrawTypes.h"
#include "platform/SurfaceFormat.h"
#include "platform/SurfaceRefCounted.h"

#include <cstdint>
#include <vector>

class cPresenter;
class cDirectDrawSurface;
class cDirectDrawPalette;
class cDirectDrawClipper;

// What the machine offers; tests change it to reach the failure paths.
struct DirectDrawConfig {
    PixelFormat desktopFormat = PixelFormat::X8R8G8B8;
    PixelFormat format16 = PixelFormat::R5G6B5; // the 16-bit display mode (565 or 555)
    std::int64_t videoMemoryBytes = 256ll * 1024 * 1024;
    bool failCreate = false;
    int refreshRate = 60;
};
DirectDrawConfig& DirectDrawSettings();

class cDirectDraw : public cRefCounted {
public:
    HRESULT SetCooperativeLevel(cPresenter* window, DWORD flags);
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD refreshRate, DWORD flags);
    HRESULT RestoreDisplayMode();
    HRESULT CreateSurface(const DDSURFACEDESC2* desc, cDirectDrawSurface** out);
    HRESULT CreatePalette(DWORD flags, const PALETTEENTRY* entries, cDirectDrawPalette** out);
    HRESULT CreateClipper(DWORD flags, cDirectDrawClipper** out);
    HRESULT WaitForVerticalBlank(DWORD flags);
    HRESULT GetMonitorFrequency(DWORD* hz) const;

    PixelFormat DisplayFormat() const { return format_; }
    cPresenter* Window() const { return window_; }
    bool FullScreen() const { return fullScreen_; }
    // A display change: every video-memory surface and the primary are lost.
    void LoseSurfaces();

    // Bookkeeping of the surfaces made here.
    bool ReserveVideoMemory(std::int64_t bytes);
    void FreeVideoMemory(std::int64_t bytes) { videoUsed_ -= bytes; }
    std::int64_t VideoMemoryUsed() const { return videoUsed_; }
    void Register(cDirectDrawSurface* surface) { surfaces_.push_back(surface); }
    void Forget(cDirectDrawSurface* surface);

private:
    friend HRESULT DirectDrawCreateEx(cDirectDraw** out);
    cDirectDraw() = default;

    cPresenter* window_ = nullptr;
    bool fullScreen_ = false;
    bool cooperative_ = false;
    PixelFormat format_ = PixelFormat::Unknown;
    std::int64_t videoUsed_ = 0;
    std::vector<cDirectDrawSurface*> surfaces_;
};

HRESULT DirectDrawCreateEx(cDirectDraw** out);

class cDirectDrawPalette : public cRefCounted {
public:
    HRESULT SetEntries(DWORD flags, DWORD start, DWORD count, const PALETTEENTRY* entries);
    HRESULT GetEntries(DWORD flags, DWORD start, DWORD count, PALETTEENTRY* entries) const;
    // The colour an index shows as, 0x00RRGGBB.
    std::uint32_t Rgb(int index) const;

private:
    PALETTEENTRY entries_[256] = {};
};

class cDirectDrawClipper : public cRefCounted {
public:
    HRESULT SetHWnd(DWORD flags, cPresenter* window) {
        (void)flags;
        window_ = window;
        return DD_OK;
    }
    cPresenter* Window() const { return window_; }

private:
    cPresenter* window_ = nullptr;
};
