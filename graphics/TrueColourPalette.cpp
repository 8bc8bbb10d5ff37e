// What the palette does in the true-colour modes: a fade of the whole picture
// toward a colour, and palette entries read from a block of a picture's pixels.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>

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
    const FormatMasks m = MasksOf(d.Format());
    const int t[3] = {red, green, blue}, max[3] = {m.rMax, m.gMax, m.bMax};
    // Each channel widened to 8 bits, mixed and narrowed back.
    const cChannelMap fade(d.Format(), d.Format(), [&](int n, int c) {
        return Narrow8((Widen8(c, max[n]) * level + t[n] * (256 - level)) >> 8, max[n]);
    });
    // The fourth byte of a 32-bit pixel is kept.
    const std::uint32_t kept = bytes == 4 ? 0xFF000000u : 0;
    ForEachPair(s, 0, 0, d, 0, 0, s.Width(), s.Height(), [&](std::uint32_t p, std::uint32_t& out) {
        out = (fade(p) & ~kept) | (p & kept);
        return true;
    });
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
