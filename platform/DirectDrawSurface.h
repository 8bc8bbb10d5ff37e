// A surface of the DirectDraw-like face: blits, colour fills, locks, colour
// keys, palettes, clippers, flip chains and loss.
#pragma once

#include "platform/DirectDrawTypes.h"
#include "platform/Surface.h"
#include "platform/SurfaceRefCounted.h"

#include <array>
#include <cstdint>
#include <vector>

class cDirectDraw;
class cDirectDrawPalette;
class cDirectDrawClipper;
class cPresenter;

class cDirectDrawSurface : public cRefCounted {
public:
    static HRESULT Make(cDirectDraw* owner, int width, int height, PixelFormat format, bool systemMemory,
                        bool primary, cDirectDrawSurface** out);

    // Copies (or with DDBLT_COLORFILL fills) a rectangle, scaling by nearest
    // pixel when the two sizes differ. Null rectangles mean whole surfaces.
    // Without a clipper both rectangles must lie inside their surfaces.
    HRESULT Blt(const RECT* dstRect, cDirectDrawSurface* src, const RECT* srcRect, DWORD flags,
                const DDBLTFX* fx);
    // Same-size copy to (x, y); never clips.
    HRESULT BltFast(DWORD x, DWORD y, cDirectDrawSurface* src, const RECT* srcRect, DWORD flags);
    HRESULT Lock(const RECT* rect, DDSURFACEDESC2* desc, DWORD flags, void* event);
    HRESULT Unlock(const RECT* rect);
    HRESULT SetColorKey(DWORD flags, const DDCOLORKEY* key);
    HRESULT GetColorKey(DWORD flags, DDCOLORKEY* key) const;
    HRESULT SetPalette(cDirectDrawPalette* palette);
    HRESULT SetClipper(cDirectDrawClipper* clipper);
    HRESULT GetPixelFormat(DDPIXELFORMAT* format) const;
    HRESULT GetSurfaceDesc(DDSURFACEDESC2* desc) const;
    HRESULT GetAttachedSurface(const DDSCAPS2* caps, cDirectDrawSurface** out);
    HRESULT Flip(cDirectDrawSurface* override, DWORD flags);
    HRESULT IsLost() const { return lost_ ? DDERR_SURFACELOST : DD_OK; }
    HRESULT Restore();

    // Used by the display object.
    void Attach(cDirectDrawSurface* back) { attached_ = back; }
    void SetFlippable(bool on) { flippable_ = on; }
    void Lose();

    cSurface& Pixels() { return pixels_; }
    const cSurface& Pixels() const { return pixels_; }
    bool SystemMemory() const { return system_; }
    bool Primary() const { return primary_; }

protected:
    ~cDirectDrawSurface() override;

private:
    cDirectDrawSurface() = default;
    // `changed`: this surface's pixels may differ from the last frame shown.
    void PresentIfPrimary(bool changed = true);
    HRESULT ColorFill(RECT r, DWORD value);
    HRESULT Copy(RECT d, cDirectDrawSurface* src, RECT s, bool keyed);

    cDirectDraw* owner_ = nullptr;
    cSurface pixels_;
    // The presented frame in 32 bits, kept so that a frame costs no allocation.
    std::vector<std::uint32_t> frame_;
    // What the window was last given, so that an unchanged frame is shown
    // again without converting it: the pixels went unchanged since, to this
    // window, with this palette.
    bool unshown_ = true;
    cPresenter* shownOn_ = nullptr;
    std::array<std::uint32_t, 256> shownPalette_{};
    bool system_ = false;
    bool primary_ = false;
    bool flippable_ = false;
    bool lost_ = false;
    bool locked_ = false;
    bool hasKey_ = false;
    DDCOLORKEY key_{};
    cDirectDrawPalette* palette_ = nullptr;
    cDirectDrawClipper* clipper_ = nullptr;
    cDirectDrawSurface* attached_ = nullptr;
};
