// What the software effects share: a record's pixels held for the CPU while an
// effect runs, the transparent test of each face, and channel arithmetic in a
// pixel format's own ranges. Graphics layer only.
#pragma once

#include "graphics/DrawFace.h"
#include "graphics/SurfaceData.h"
#include "platform/SurfaceFormat.h"

#include <algorithm>
#include <cstdint>

// The pixels of an effect's target and source, locked for the length of the
// effect and given back on every way out. A source that is the target itself
// is locked once.
class cEffectPixels {
public:
    cEffectPixels(DDSURFACEDATA* dst, DDSURFACEDATA* src);
    ~cEffectPixels();
    cEffectPixels(const cEffectPixels&) = delete;
    cEffectPixels& operator=(const cEffectPixels&) = delete;

    bool Ok() const { return ok_; }
    cSurface& Dst() { return *dst_.pixels; }
    const cSurface& Src() const { return src_.pixels ? *src_.pixels : *dst_.pixels; }
    // The target's pixels change: a render target's copy goes back up.
    void Written() { written_ = true; }

private:
    DDSURFACEDATA* dstSD_ = nullptr;
    DDSURFACEDATA* srcSD_ = nullptr;
    cPixelLock dst_, src_;
    bool ok_ = false;
    bool written_ = false;
};

// A record as the effects see it: a linked record's picture, the virtual back
// buffer in place of the back buffer.
DDSURFACEDATA* EffectRecord(DDSURFACEDATA* sd);

// Whether a source pixel is the transparent colour: the colour key in
// DirectDraw, a clear alpha in a Direct3D texture.
bool IsTransparentPixel(const cSurface& s, std::uint32_t pixel);

// Red, green and blue of a pixel in its format's own ranges.
struct cChannels {
    int r = 0, g = 0, b = 0;
};
cChannels ChannelsOf(PixelFormat format, std::uint32_t pixel);
// Channels of one format's ranges moved to another's (by the difference in
// bits), packed; a format with alpha gets it set whole.
std::uint32_t PackChannels(PixelFormat to, cChannels c, PixelFormat from);
// A pixel of one format as one of another (the same value for the same format).
std::uint32_t ConvertPixel(PixelFormat from, std::uint32_t pixel, PixelFormat to);
// A channel of `max` levels to 8 bits and back, truncating.
inline int Widen8(int c, int max) {
    return max ? c * 255 / max : 0;
}
inline int Narrow8(int c, int max) {
    return c * max / 255;
}

// What the effects do with single pixels.
inline bool IsPalettePixels(const cSurface& s) {
    return BytesPerPixel(s.Format()) == 1;
}
// Whether a source pixel is skipped: transparent = 1 and the transparent colour.
inline bool SkipPixel(const cSurface& s, std::uint32_t pixel, DWORD transparent) {
    return transparent == 1 && IsTransparentPixel(s, pixel);
}
// Writes a target pixel; nothing outside the target.
inline void PutPixel(cEffectPixels& px, int x, int y, std::uint32_t pixel) {
    cSurface& d = px.Dst();
    if (d.Contains(x, y)) d.Set(x, y, pixel);
}
// Reads a source pixel; false outside the source.
inline bool TakePixel(const cEffectPixels& px, int x, int y, std::uint32_t& pixel) {
    const cSurface& s = px.Src();
    if (!s.Contains(x, y)) return false;
    pixel = s.Get(x, y);
    return true;
}

// A rule applied to each channel on its own, as three look-ups: for each
// channel of `from` and each of its values, the bits of `to` the rule's
// result (in from's range) packs into. A format with alpha gets it whole.
class cChannelMap {
public:
    template <class Rule> cChannelMap(PixelFormat from, PixelFormat to, Rule rule) {
        const FormatMasks f = MasksOf(from);
        shift_[0] = f.rShift, shift_[1] = f.gShift, shift_[2] = f.bShift;
        max_[0] = static_cast<std::uint32_t>(f.rMax), max_[1] = static_cast<std::uint32_t>(f.gMax),
        max_[2] = static_cast<std::uint32_t>(f.bMax);
        const std::uint32_t noAlpha = PackChannels(to, {}, from);
        alpha_ = noAlpha;
        for (int n = 0; n < 3; ++n)
            for (int c = 0; c <= static_cast<int>(max_[n]); ++c) {
                cChannels one;
                (n == 0 ? one.r : n == 1 ? one.g : one.b) = rule(n, c);
                bits_[n][static_cast<std::size_t>(c)] = PackChannels(to, one, from) & ~noAlpha;
            }
    }
    std::uint32_t operator()(std::uint32_t pixel) const {
        return bits_[0][(pixel >> shift_[0]) & max_[0]] | bits_[1][(pixel >> shift_[1]) & max_[1]] |
               bits_[2][(pixel >> shift_[2]) & max_[2]] | alpha_;
    }
    // The same for channels already taken apart (each within its maximum).
    std::uint32_t operator()(std::uint32_t r, std::uint32_t g, std::uint32_t b) const {
        return bits_[0][r] | bits_[1][g] | bits_[2][b] | alpha_;
    }

private:
    int shift_[3] = {};
    std::uint32_t max_[3] = {};
    std::uint32_t alpha_ = 0;
    std::uint32_t bits_[3][256] = {};
};

// The transparent test of IsTransparentPixel, decided once for a surface.
class cTransparentTest {
public:
    explicit cTransparentTest(const cSurface& s);
    bool operator()(std::uint32_t pixel) const { return (pixel & mask_) == value_; }
    // For loops that test many pixels at once.
    std::uint32_t Mask() const { return mask_; }
    std::uint32_t Value() const { return value_; }

private:
    // A pixel is transparent when its masked bits equal the value.
    std::uint32_t mask_ = 0, value_ = 0;
};

// Calls f with a value of the unsigned type one pixel of `format` is stored
// in, so row walks read and write pixels at their own width.
template <class F> decltype(auto) WithPixelType(PixelFormat format, F f) {
    switch (BytesPerPixel(format)) {
    case 1:
        return f(std::uint8_t{});
    case 2:
        return f(std::uint16_t{});
    default:
        return f(std::uint32_t{});
    }
}

// Visits the pixels of the w x h rectangle read at (sx, sy) of s and written
// at (x, y) of d that lie on both: f(source pixel, target pixel&) returns
// whether the target pixel it changed is written back. Rows are walked with
// the pixels' own widths when both surfaces share one.
template <class F>
void ForEachPair(const cSurface& s, int sx, int sy, cSurface& d, int x, int y, int w, int h, F f) {
    const int i0 = std::max({0, -sx, -x}), i1 = std::min({w, s.Width() - sx, d.Width() - x});
    const int j0 = std::max({0, -sy, -y}), j1 = std::min({h, s.Height() - sy, d.Height() - y});
    if (i0 >= i1 || j0 >= j1) return;
    auto rows = [&](auto sourceType, auto targetType) {
        using S = decltype(sourceType);
        using D = decltype(targetType);
        for (int j = j0; j < j1; ++j) {
            const S* from = reinterpret_cast<const S*>(s.Row(sy + j)) + sx;
            D* to = reinterpret_cast<D*>(d.Row(y + j)) + x;
            for (int i = i0; i < i1; ++i) {
                std::uint32_t out = to[i];
                if (f(static_cast<std::uint32_t>(from[i]), out)) to[i] = static_cast<D>(out);
            }
        }
    };
    const int sb = BytesPerPixel(s.Format()), db = BytesPerPixel(d.Format());
    if (sb == 4 && db == 4) return rows(std::uint32_t{}, std::uint32_t{});
    if (sb == 2 && db == 2) return rows(std::uint16_t{}, std::uint16_t{});
    if (sb == 1 && db == 1) return rows(std::uint8_t{}, std::uint8_t{});
    for (int j = j0; j < j1; ++j)
        for (int i = i0; i < i1; ++i) {
            std::uint32_t out = d.Get(x + i, y + j);
            if (f(s.Get(sx + i, sy + j), out)) d.Set(x + i, y + j, out);
        }
}
