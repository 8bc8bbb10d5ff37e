// The effects that mix colours: a picture pulled toward a palette colour, and
// a picture at half transparency over the target. At 8 bits per pixel the
// colour table gives each mix; the device draws them when it can.
#include "graphics/Effects.h"

#include "graphics/EffectPixels.h"
#include "graphics/EffectQuad.h"
#include "graphics/GraphicsGlobals.h"

#include <array>

namespace {

// At 8 bits the transparent colour of the blends is palette index 0.
bool SkipIndex(std::uint32_t index, DWORD transparent) {
    return transparent == 1 && index == 0;
}

// The index each palette index ends on after `steps` look-ups of the colour
// table toward `colour`, for all 256 at once. Worked out by squaring the
// look-up: the step count comes from stored effects and may be large.
std::array<BYTE, 256> TintedIndices(int colour, int steps) {
    std::array<BYTE, 256> result, power;
    for (int i = 0; i < 256; ++i) {
        result[static_cast<std::size_t>(i)] = static_cast<BYTE>(i);
        power[static_cast<std::size_t>(i)] = ColorTable[i * 256 + colour];
    }
    for (unsigned n = static_cast<unsigned>(steps); n; n >>= 1) {
        if (n & 1)
            for (BYTE& r : result) r = power[r];
        std::array<BYTE, 256> twice;
        for (std::size_t i = 0; i < 256; ++i) twice[i] = power[power[i]];
        power = twice;
    }
    return result;
}

} // namespace

int DDBltTint(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
              DWORD transparent, const PALETTEENTRY* palette, int colour, int steps) {
    if (steps <= 0 || !palette || colour < 0 || colour > 255 || !dst || !src) return 1;
    const PALETTEENTRY& target = palette[colour];
    if (DeviceDraws(EffectRecord(dst), EffectRecord(src))) {
        TintByDevice(EffectRecord(dst), x, y, w, h, EffectRecord(src), sx, sy,
                     MakeArgb(0, target.peRed, target.peGreen, target.peBlue), steps);
        return 1;
    }
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    if (IsPalettePixels(s)) {
        if (!IsPalettePixels(px.Dst())) return 1;
        const std::array<BYTE, 256> tinted = TintedIndices(colour, steps);
        ForEachPair(s, sx, sy, px.Dst(), x, y, w, h, [&](std::uint32_t c, std::uint32_t& out) {
            if (SkipIndex(c, transparent)) return false;
            out = tinted[c];
            return true;
        });
        px.Written();
        return 1;
    }
    const PixelFormat from = s.Format(), to = px.Dst().Format();
    const FormatMasks m = MasksOf(from);
    const int t8[3] = {target.peRed, target.peGreen, target.peBlue};
    const int maxes[3] = {m.rMax, m.gMax, m.bMax};
    // The CPU's Direct3D blend keeps this much of the picture for a few steps.
    const double factor = steps == 2 ? 64 / 255.0 : steps == 3 ? 32 / 255.0 : steps == 4 ? 16 / 255.0 : 0.0;
    const cChannelMap tint(from, to, [&](int n, int c) {
        if (!lpDTCon) {
            // Halved toward the colour once a step, in 8 bits.
            int v = Widen8(c, maxes[n]);
            for (int k = 0; k < steps && k < 8; ++k) v = (v + t8[n]) >> 1;
            // Eight halvings reach the colour: more change nothing.
            return Narrow8(v, maxes[n]);
        }
        const int tn = Narrow8(t8[n], maxes[n]);
        if (steps == 1) return (c + tn) >> 1;
        return static_cast<int>(c * factor + tn * (1 - factor));
    });
    const cTransparentTest clear(s);
    const bool keyed = transparent == 1;
    ForEachPair(s, sx, sy, px.Dst(), x, y, w, h, [&](std::uint32_t pixel, std::uint32_t& out) {
        if (keyed && clear(pixel)) return false;
        out = tint(pixel);
        return true;
    });
    px.Written();
    return 1;
}

int DDBltAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
               DWORD transparent, const BYTE* colorTable, int alpha) {
    if (!dst || !src) return 1;
    if (DeviceDraws(EffectRecord(dst), EffectRecord(src))) {
        AlphaByDevice(EffectRecord(dst), x, y, w, h, EffectRecord(src), sx, sy, alpha);
        return 1;
    }
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    cSurface& d = px.Dst();
    if (IsPalettePixels(s) || IsPalettePixels(d)) {
        if (!IsPalettePixels(s) || !IsPalettePixels(d) || !colorTable) return 1;
        ForEachPair(s, sx, sy, d, x, y, w, h, [&](std::uint32_t sp, std::uint32_t& out) {
            if (SkipIndex(sp, transparent)) return false;
            out = out == 0 ? sp : colorTable[out * 256 + sp];
            return true;
        });
        px.Written();
        return 1;
    }
    const PixelFormat from = s.Format(), to = d.Format();
    const FormatMasks fm = MasksOf(from), tm = MasksOf(to);
    const bool wide = from == to && BytesPerPixel(to) == 4;
    // Channels widened to 8 bits and narrowed back, looked up.
    const int fMax[3] = {fm.rMax, fm.gMax, fm.bMax}, tMax[3] = {tm.rMax, tm.gMax, tm.bMax};
    const int tShift[3] = {tm.rShift, tm.gShift, tm.bShift};
    const std::uint32_t alphaBits = HasAlpha(to) ? static_cast<std::uint32_t>(tm.aMax) << tm.aShift : 0;
    int widenS[3][256] = {}, widenD[3][256] = {}, narrow[3][256] = {};
    for (int n = 0; n < 3; ++n) {
        for (int c = 0; c <= fMax[n]; ++c) widenS[n][c] = Widen8(c, fMax[n]);
        for (int c = 0; c <= tMax[n]; ++c) widenD[n][c] = Widen8(c, tMax[n]);
        for (int v = 0; v < 256; ++v) narrow[n][v] = Narrow8(v, tMax[n]);
    }
    const cTransparentTest clear(s);
    const bool keyed = transparent == 1;
    ForEachPair(s, sx, sy, d, x, y, w, h, [&](std::uint32_t sp, std::uint32_t& out) {
        if (keyed && clear(sp)) return false;
        const std::uint32_t dp = out;
        if (!lpDTCon && dp == dwTransmit) {
            out = ConvertPixel(from, sp, to);
        } else if (lpDTCon && BytesPerPixel(to) == 2) {
            // In the target's own ranges, without widening.
            const cChannels a = ChannelsOf(to, ConvertPixel(from, sp, to)), b = ChannelsOf(to, dp);
            out = PackChannels(to, {(a.r + b.r) >> 1, (a.g + b.g) >> 1, (a.b + b.b) >> 1}, to);
        } else if (wide) {
            // Each byte halved without carries into the next; the fourth byte is left.
            out = (((sp & dp) & 0xFFFFFFu) + (((sp ^ dp) & 0xFEFEFEu) >> 1)) | (dp & 0xFF000000u);
        } else {
            const cChannels a = ChannelsOf(from, sp), b = ChannelsOf(to, dp);
            const int ac[3] = {a.r, a.g, a.b}, bc[3] = {b.r, b.g, b.b};
            out = alphaBits;
            for (int n = 0; n < 3; ++n)
                out |= static_cast<std::uint32_t>(narrow[n][(widenS[n][ac[n]] + widenD[n][bc[n]]) >> 1])
                       << tShift[n];
            // The fourth byte of a 32-bit pixel is left as it was.
            if (BytesPerPixel(to) == 4) out = (out & 0x00FFFFFFu) | (dp & 0xFF000000u);
        }
        return true;
    });
    px.Written();
    return 1;
}

int DDBltHalfAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   DWORD transparent) {
    return DDBltAlpha(dst, x, y, w, h, src, sx, sy, transparent, ColorTable, 128);
}
