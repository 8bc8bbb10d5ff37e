#include "platform/DirectDrawSurface.h"

#include "platform/DirectDraw.h"
#include "platform/PixelRows.h"
#include "platform/Presenter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

HRESULT cDirectDrawSurface::Make(cDirectDraw* owner, int width, int height, PixelFormat format,
                                 bool systemMemory, bool primary, cDirectDrawSurface** out) {
    *out = nullptr;
    auto* s = new cDirectDrawSurface();
    if (!s->pixels_.Allocate(width, height, format)) {
        delete s;
        return DDERR_INVALIDPARAMS;
    }
    if (!systemMemory && !owner->ReserveVideoMemory(static_cast<std::int64_t>(s->pixels_.SizeBytes()))) {
        delete s;
        return DDERR_OUTOFVIDEOMEMORY;
    }
    s->owner_ = owner;
    s->system_ = systemMemory;
    s->primary_ = primary;
    owner->AddRef();
    owner->Register(s);
    *out = s;
    return DD_OK;
}

cDirectDrawSurface::~cDirectDrawSurface() {
    SafeRelease(attached_);
    SafeRelease(palette_);
    SafeRelease(clipper_);
    if (owner_) {
        if (!system_) owner_->FreeVideoMemory(static_cast<std::int64_t>(pixels_.SizeBytes()));
        owner_->Forget(this);
        owner_->Release();
    }
}

void cDirectDrawSurface::Lose() {
    if (system_) return; // system memory keeps its contents
    lost_ = true;
    if (attached_) attached_->Lose();
}

HRESULT cDirectDrawSurface::Restore() {
    if (lost_) {
        lost_ = false;
        pixels_.FillRect(0, 0, pixels_.Width(), pixels_.Height(), 0); // contents are gone
        unshown_ = true;
    }
    return DD_OK;
}

static bool RectInside(const RECT& r, const cSurface& s) {
    return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= s.Width() &&
           r.bottom <= s.Height();
}

static RECT Whole(const cSurface& s) {
    return {0, 0, s.Width(), s.Height()};
}

HRESULT cDirectDrawSurface::Blt(const RECT* dstRect, cDirectDrawSurface* src, const RECT* srcRect,
                                DWORD flags, const DDBLTFX* fx) {
    if (lost_ || (src && src->lost_)) return DDERR_SURFACELOST;
    if (locked_ || (src && src->locked_)) return DDERR_SURFACEBUSY;
    RECT d = dstRect ? *dstRect : Whole(pixels_);
    if (flags & DDBLT_COLORFILL) {
        if (!fx) return DDERR_INVALIDPARAMS;
        if (clipper_) {
            d.left = std::max<LONG>(d.left, 0);
            d.top = std::max<LONG>(d.top, 0);
            d.right = std::min<LONG>(d.right, pixels_.Width());
            d.bottom = std::min<LONG>(d.bottom, pixels_.Height());
            if (d.left >= d.right || d.top >= d.bottom) return DD_OK;
        } else if (!RectInside(d, pixels_)) {
            return DDERR_INVALIDRECT;
        }
        return ColorFill(d, fx->dwFillColor);
    }
    if (!src) return DDERR_INVALIDPARAMS;
    RECT s = srcRect ? *srcRect : Whole(src->pixels_);
    if (!RectInside(s, src->pixels_)) return DDERR_INVALIDRECT;
    if (d.left >= d.right || d.top >= d.bottom) return DDERR_INVALIDRECT;
    if (!clipper_ && !RectInside(d, pixels_)) return DDERR_INVALIDRECT;
    if ((flags & DDBLT_KEYSRC) && !src->hasKey_) return DDERR_INVALIDPARAMS;
    return Copy(d, src, s, (flags & DDBLT_KEYSRC) != 0);
}

HRESULT cDirectDrawSurface::BltFast(DWORD x, DWORD y, cDirectDrawSurface* src, const RECT* srcRect,
                                    DWORD flags) {
    if (!src) return DDERR_INVALIDPARAMS;
    if (lost_ || src->lost_) return DDERR_SURFACELOST;
    if (locked_ || src->locked_) return DDERR_SURFACEBUSY;
    if (clipper_) return DDERR_BLTFASTCANTCLIP;
    RECT s = srcRect ? *srcRect : Whole(src->pixels_);
    if (!RectInside(s, src->pixels_) || x > 0x7FFFFFFF || y > 0x7FFFFFFF) return DDERR_INVALIDRECT;
    RECT d{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x) + (s.right - s.left),
           static_cast<LONG>(y) + (s.bottom - s.top)};
    if (!RectInside(d, pixels_)) return DDERR_INVALIDRECT;
    if ((flags & DDBLTFAST_SRCCOLORKEY) && !src->hasKey_) return DDERR_INVALIDPARAMS;
    return Copy(d, src, s, (flags & DDBLTFAST_SRCCOLORKEY) != 0);
}

HRESULT cDirectDrawSurface::ColorFill(RECT r, DWORD value) {
    pixels_.FillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, value);
    PresentIfPrimary();
    return DD_OK;
}

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// One row of a same-size copy; keyed pixels in [low, high] are left undrawn.
template <class T> void CopyRow(T* to, const T* from, int n, bool keyed, DWORD low, DWORD high) {
    if (keyed)
        pixelrows::KeyRangeRow(to, from, n, low, high);
    else
        std::memcpy(to, from, static_cast<std::size_t>(n) * sizeof(T));
}

} // namespace

HRESULT cDirectDrawSurface::Copy(RECT d, cDirectDrawSurface* src, RECT s, bool keyed) {
    const int bpp = BytesPerPixel(pixels_.Format());
    if (BytesPerPixel(src->pixels_.Format()) != bpp) return DDERR_INVALIDPIXELFORMAT;
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    const DWORD low = src->key_.dwColorSpaceLowValue, high = src->key_.dwColorSpaceHighValue;
    if (dw == sw && dh == sh && !(src == this && Overlap(d, s))) {
        // Same size: the part inside this surface, whole rows at a time.
        const int i0 = std::max(0, -d.left), i1 = std::min(dw, pixels_.Width() - d.left);
        const int j0 = std::max(0, -d.top), j1 = std::min(dh, pixels_.Height() - d.top);
        // The screen mostly gets the frame it already shows: rows are
        // compared first, so an unchanged frame is neither copied nor converted.
        const bool compare = primary_ && !keyed;
        bool changed = false;
        for (int j = j0; j < j1 && i0 < i1; ++j) {
            std::uint8_t* to = pixels_.Row(d.top + j) + static_cast<std::size_t>(d.left + i0) * bpp;
            const std::uint8_t* from =
                src->pixels_.Row(s.top + j) + static_cast<std::size_t>(s.left + i0) * bpp;
            const std::size_t bytes = static_cast<std::size_t>(i1 - i0) * bpp;
            if (compare && std::memcmp(to, from, bytes) == 0) continue;
            changed = true;
            if (compare)
                std::memcpy(to, from, bytes);
            else if (bpp == 1)
                CopyRow(to, from, i1 - i0, keyed, low, high);
            else if (bpp == 2)
                CopyRow(reinterpret_cast<std::uint16_t*>(to), reinterpret_cast<const std::uint16_t*>(from),
                        i1 - i0, keyed, low, high);
            else
                CopyRow(reinterpret_cast<std::uint32_t*>(to), reinterpret_cast<const std::uint32_t*>(from),
                        i1 - i0, keyed, low, high);
        }
        PresentIfPrimary(changed);
        return DD_OK;
    }
    // A copy within one surface reads from a snapshot so overlaps stay right.
    cSurface snapshot;
    const cSurface* from = &src->pixels_;
    if (src == this) {
        snapshot = pixels_;
        from = &snapshot;
    }
    std::vector<int> columns(static_cast<std::size_t>(dw));
    for (int i = 0; i < dw; ++i)
        columns[i] = s.left + static_cast<int>(static_cast<std::int64_t>(i) * sw / dw);
    for (int j = 0; j < dh; ++j) {
        int y = d.top + j;
        if (y < 0 || y >= pixels_.Height()) continue;
        int sy = s.top + static_cast<int>(static_cast<std::int64_t>(j) * sh / dh);
        for (int i = 0; i < dw; ++i) {
            int x = d.left + i;
            if (x < 0 || x >= pixels_.Width()) continue;
            std::uint32_t v = from->Get(columns[i], sy);
            if (keyed && v >= low && v <= high) continue;
            pixels_.Set(x, y, v);
        }
    }
    PresentIfPrimary();
    return DD_OK;
}

HRESULT cDirectDrawSurface::Lock(const RECT* rect, DDSURFACEDESC2* desc, DWORD, void*) {
    if (!desc) return DDERR_INVALIDPARAMS;
    if (lost_) return DDERR_SURFACELOST;
    if (locked_) return DDERR_SURFACEBUSY;
    RECT r = rect ? *rect : Whole(pixels_);
    if (!RectInside(r, pixels_)) return DDERR_INVALIDRECT;
    GetSurfaceDesc(desc);
    desc->lpSurface = pixels_.Row(r.top) + r.left * BytesPerPixel(pixels_.Format());
    locked_ = true;
    return DD_OK;
}

HRESULT cDirectDrawSurface::Unlock(const RECT*) {
    if (!locked_) return DDERR_NOTLOCKED;
    locked_ = false;
    PresentIfPrimary();
    return DD_OK;
}

HRESULT cDirectDrawSurface::SetColorKey(DWORD flags, const DDCOLORKEY* key) {
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_INVALIDPARAMS;
    if (!key) {
        hasKey_ = false;
        return DD_OK;
    }
    hasKey_ = true;
    key_ = *key;
    if (key_.dwColorSpaceHighValue < key_.dwColorSpaceLowValue)
        key_.dwColorSpaceHighValue = key_.dwColorSpaceLowValue;
    return DD_OK;
}

HRESULT cDirectDrawSurface::GetColorKey(DWORD, DDCOLORKEY* key) const {
    if (!key || !hasKey_) return DDERR_INVALIDPARAMS;
    *key = key_;
    return DD_OK;
}

HRESULT cDirectDrawSurface::SetPalette(cDirectDrawPalette* palette) {
    if (pixels_.Format() != PixelFormat::P8) return DDERR_INVALIDPIXELFORMAT;
    if (palette) palette->AddRef();
    SafeRelease(palette_);
    palette_ = palette;
    PresentIfPrimary();
    return DD_OK;
}

HRESULT cDirectDrawSurface::SetClipper(cDirectDrawClipper* clipper) {
    if (clipper) clipper->AddRef();
    SafeRelease(clipper_);
    clipper_ = clipper;
    return DD_OK;
}

HRESULT cDirectDrawSurface::GetPixelFormat(DDPIXELFORMAT* format) const {
    if (!format) return DDERR_INVALIDPARAMS;
    *format = {};
    PixelFormat f = pixels_.Format();
    format->dwRGBBitCount = static_cast<DWORD>(BitsPerPixel(f));
    if (f == PixelFormat::P8) {
        format->dwFlags = DDPF_PALETTEINDEXED8;
        return DD_OK;
    }
    FormatMasks m = MasksOf(f);
    format->dwFlags = DDPF_RGB;
    format->dwRBitMask = static_cast<DWORD>(m.rMax) << m.rShift;
    format->dwGBitMask = static_cast<DWORD>(m.gMax) << m.gShift;
    format->dwBBitMask = static_cast<DWORD>(m.bMax) << m.bShift;
    format->dwRGBAlphaBitMask = static_cast<DWORD>(m.aMax) << m.aShift;
    return DD_OK;
}

HRESULT cDirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC2* desc) const {
    if (!desc) return DDERR_INVALIDPARAMS;
    *desc = {};
    desc->dwSize = sizeof(DDSURFACEDESC2);
    desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(pixels_.Width());
    desc->dwHeight = static_cast<DWORD>(pixels_.Height());
    desc->lPitch = pixels_.Pitch();
    desc->ddsCaps.dwCaps = (primary_ ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN) |
                           (system_ ? DDSCAPS_SYSTEMMEMORY : DDSCAPS_VIDEOMEMORY);
    GetPixelFormat(&desc->ddpfPixelFormat);
    return DD_OK;
}

HRESULT cDirectDrawSurface::GetAttachedSurface(const DDSCAPS2* caps, cDirectDrawSurface** out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (!caps || !(caps->dwCaps & DDSCAPS_BACKBUFFER) || !attached_) return DDERR_INVALIDPARAMS;
    attached_->AddRef();
    *out = attached_;
    return DD_OK;
}

HRESULT cDirectDrawSurface::Flip(cDirectDrawSurface*, DWORD) {
    if (!primary_ || !flippable_ || !attached_) return DDERR_NOTFLIPPABLE;
    if (lost_) return DDERR_SURFACELOST;
    // The front buffer takes the first back buffer's picture; the buffers of
    // the chain move one place forward, the old front goes to the end.
    cDirectDrawSurface* last = this;
    while (last->attached_) last = last->attached_;
    for (cDirectDrawSurface* s = this; s != last; s = s->attached_) s->pixels_.Swap(s->attached_->pixels_);
    PresentIfPrimary();
    return DD_OK;
}

void cDirectDrawSurface::PresentIfPrimary(bool changed) {
    if (changed) unshown_ = true;
    if (!primary_ || !owner_ || !owner_->Window()) return;
    cPresenter* window = owner_->Window();
    std::array<std::uint32_t, 256> palette{};
    if (palette_)
        for (int i = 0; i < 256; ++i) palette[i] = palette_->Rgb(i);
    if (!unshown_ && shownOn_ == window && palette == shownPalette_ && window->PresentAgain()) return;
    frame_.resize(static_cast<std::size_t>(pixels_.Width()) * pixels_.Height());
    pixels_.ToXrgb(frame_.data(), &palette);
    window->Present(frame_.data(), pixels_.Width(), pixels_.Height());
    unshown_ = false;
    shownOn_ = window;
    shownPalette_ = palette;
}
