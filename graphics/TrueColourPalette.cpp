// What the palette does in the true-colour modes: a fade of the whole picture
// toward a colour, and palette entries read from a block of a picture's pixels.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <array>

namespace {

// A channel of `max` levels widened to 8 bits, for every level (max <= 255).
std::array<int, 256> WidenTable(int max) {
    std::array<int, 256> t{};
    for (int c = 0; c <= max && c < 256; ++c) t[static_cast<std::size_t>(c)] = Widen8(c, max);
    return t;
}

// One row mixed toward the colour, typed by the pixel's width.
void FadeRow32(std::uint32_t* d, const std::uint32_t* s, int n, int level, const int (&t)[3]) {
    const int keep = 256 - level;
    const int tr = t[0] * keep, tg = t[1] * keep, tb = t[2] * keep;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t p = s[i];
        const std::uint32_t r =
            static_cast<std::uint32_t>((static_cast<int>((p >> 16) & 255) * level + tr) >> 8);
        const std::uint32_t g =
            static_cast<std::uint32_t>((static_cast<int>((p >> 8) & 255) * level + tg) >> 8);
        const std::uint32_t b = static_cast<std::uint32_t>((static_cast<int>(p & 255) * level + tb) >> 8);
        d[i] = (p & 0xFF000000u) | (r << 16) | (g << 8) | b;
    }
}

} // namespace

int DDFade_UnPal(DDSURFACEDATA* dst, int level, BYTE red, BYTE green, BYTE blue, DDSURFACEDATA* src) {
    if (lpDTCon) {
        ErrorLogPrintf("D3DではDDFade_UnPalは未対応");
        return 1;
    }
    if (!dst || !src) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    cSurface& d = px.Dst();
    const cSurface& s = px.Src();
    if (s.Format() != d.Format()) return 1;
    const int bytes = BytesPerPixel(d.Format());
    if (bytes != 2 && bytes != 4) {
        // Only the 16- and 32-bit pictures are mixed here: a palette fades itself.
        ErrorLogPrintf("DDFade_UnPal: %d-bit pictures are not faded", BitsPerPixel(d.Format()));
        return 1;
    }
    level = std::clamp(level, 0, 256);
    const int t[3] = {red, green, blue};
    const int w = std::min(d.Width(), s.Width()), h = std::min(d.Height(), s.Height());
    if (bytes == 4) {
        for (int y = 0; y < h; ++y)
            FadeRow32(reinterpret_cast<std::uint32_t*>(d.Row(y)),
                      reinterpret_cast<const std::uint32_t*>(s.Row(y)), w, level, t);
    } else {
        const FormatMasks m = MasksOf(d.Format());
        const int shift[3] = {m.rShift, m.gShift, m.bShift}, max[3] = {m.rMax, m.gMax, m.bMax};
        // Per channel: every level's result, widened, mixed and narrowed once here.
        std::array<std::array<std::uint16_t, 256>, 3> out{};
        for (int n = 0; n < 3; ++n) {
            const auto wide = WidenTable(max[n]);
            for (int c = 0; c <= max[n]; ++c) {
                const int mixed = (wide[static_cast<std::size_t>(c)] * level + t[n] * (256 - level)) >> 8;
                out[static_cast<std::size_t>(n)][static_cast<std::size_t>(c)] =
                    static_cast<std::uint16_t>(Narrow8(mixed, max[n]) << shift[n]);
            }
        }
        for (int y = 0; y < h; ++y) {
            auto* dr = reinterpret_cast<std::uint16_t*>(d.Row(y));
            const auto* sr = reinterpret_cast<const std::uint16_t*>(s.Row(y));
            for (int x = 0; x < w; ++x) {
                const unsigned p = sr[x];
                dr[x] = static_cast<std::uint16_t>(out[0][(p >> shift[0]) & static_cast<unsigned>(max[0])] |
                                                   out[1][(p >> shift[1]) & static_cast<unsigned>(max[1])] |
                                                   out[2][(p >> shift[2]) & static_cast<unsigned>(max[2])]);
            }
        }
    }
    px.Written();
    return 1;
}

bool DDSetPalette_UnPal(PALETTEENTRY* palette, DDSURFACEDATA* sd) {
    if (!palette || !sd) return false;
    cEffectPixels px(sd, nullptr);
    if (!px.Ok()) {
        ErrorLogPrintf("DDSetPalette_UnPal Lock Err");
        return false;
    }
    const cSurface& s = px.Dst();
    const PixelFormat format = s.Format();
    const int bytes = BytesPerPixel(format);
    if (bytes != 2 && bytes != 4) return true;
    const FormatMasks m = MasksOf(format);
    for (int i = 0; i < 256; ++i) {
        const int x = i % 16, y = 8 + i / 16;
        if (!s.Contains(x, y)) continue;
        const std::uint32_t p = s.Get(x, y);
        const cChannels c = ChannelsOf(format, p);
        PALETTEENTRY& e = palette[i];
        if (!lpDTCon) {
            // The display's own ranges at 16 bits, bytes at 32.
            e.peRed = static_cast<BYTE>(c.r);
            e.peGreen = static_cast<BYTE>(c.g);
            e.peBlue = static_cast<BYTE>(c.b);
            if (bytes == 4) e.peFlags = static_cast<BYTE>(p >> 24);
            continue;
        }
        if (IsTransparentPixel(s, p)) continue;
        if (bytes == 2) {
            e.peRed = static_cast<BYTE>(Widen8(c.r, m.rMax));
            e.peGreen = static_cast<BYTE>(Widen8(c.g, m.gMax));
            e.peBlue = static_cast<BYTE>(Widen8(c.b, m.bMax));
        } else {
            e.peRed = static_cast<BYTE>(c.r);
            e.peGreen = static_cast<BYTE>(c.g);
            e.peBlue = static_cast<BYTE>(c.b);
            e.peFlags = static_cast<BYTE>(p >> 24);
        }
    }
    return true;
}
