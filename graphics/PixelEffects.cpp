// The effects computed pixel by pixel on the CPU: rotation, lens, pull toward
// a colour, half transparency, mosaic and blur. Every read is checked against
// the source surface and every write against the target; what lies outside is
// skipped. Results: 1 when done (also when there was nothing to do), 0 when a
// surface could not be had.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <cmath>

namespace {

bool Skip(const cSurface& s, std::uint32_t pixel, DWORD transparent) {
    return transparent == 1 && IsTransparentPixel(s, pixel);
}

void Put(cEffectPixels& px, int x, int y, std::uint32_t pixel) {
    cSurface& d = px.Dst();
    if (d.Contains(x, y)) d.Set(x, y, pixel);
}

// The pixel of the source at (x, y) in the target's format; false outside the source.
bool Take(const cEffectPixels& px, int x, int y, std::uint32_t& pixel) {
    const cSurface& s = px.Src();
    if (!s.Contains(x, y)) return false;
    pixel = s.Get(x, y);
    return true;
}

bool Is8Bit(const cSurface& s) {
    return BytesPerPixel(s.Format()) == 1;
}

} // namespace

int DDBltRotate(DDSURFACEDATA* dst, int x, int y, int w, int h, int cx, int cy, double angle,
                DDSURFACEDATA* src, int sx, int sy, DWORD transparent) {
    if (w < 1 || h < 1) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const double radians = angle * 0.017453292519943278;
    const int s = static_cast<int>(std::sin(radians) * 1024);
    const int c = static_cast<int>(std::cos(radians) * 1024);
    // The box the rotated rectangle covers, about the pivot, two pixels wider on each side.
    int left = cx, right = cx, top = cy, bottom = cy;
    const int corners[4][2] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const auto& k : corners) {
        const int dx = k[0] - cx, dy = k[1] - cy;
        const int rx = ((dx * c - dy * s) >> 10) + cx;
        const int ry = ((dx * s + dy * c) >> 10) + cy;
        left = std::min(left, rx);
        right = std::max(right, rx);
        top = std::min(top, ry);
        bottom = std::max(bottom, ry);
    }
    const PixelFormat from = px.Src().Format(), to = px.Dst().Format();
    for (int py = top - 2; py <= bottom + 2; ++py) {
        for (int qx = left - 2; qx <= right + 2; ++qx) {
            const int dx = qx - cx, dy = py - cy;
            const int u = ((dx * c + dy * s) >> 10) + cx;
            const int v = ((dy * c - dx * s) >> 10) + cy;
            if (u < 0 || u >= w || v < 0 || v >= h) continue;
            std::uint32_t pixel;
            if (!Take(px, sx + u, sy + v, pixel) || Skip(px.Src(), pixel, transparent)) continue;
            Put(px, x + dx, y + dy, ConvertPixel(from, pixel, to));
        }
    }
    px.Written();
    return 1;
}

int DDBltRadial(DDSURFACEDATA* dst, int cx, int cy, int r, int k, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent, int clear) {
    if (r < 0 || k < 0) return 1;
    const int big = static_cast<int>(std::sqrt(double(r) * r + double(k) * k));
    if (big <= k) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const bool clearing = lpDTCon && clear;
    const PixelFormat from = px.Src().Format(), to = px.Dst().Format();
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            if (dx * dx + dy * dy > r * r) {
                if (clearing) Put(px, cx + dx, cy + dy, 0);
                continue;
            }
            const double depth = std::sqrt(double(big) * big - double(dx) * dx - double(dy) * dy);
            int u = dx, v = dy;
            if (depth != 0) {
                u = static_cast<int>(dx * k / depth + 0.5);
                v = static_cast<int>(dy * k / depth + 0.5);
            }
            std::uint32_t pixel = 0;
            const bool got = Take(px, sx + u, sy + v, pixel);
            if (!got || IsTransparentPixel(px.Src(), pixel)) {
                if (clearing) Put(px, cx + dx, cy + dy, 0);
                if (!got || transparent == 1) continue;
            }
            Put(px, cx + dx, cy + dy, ConvertPixel(from, pixel, to));
        }
    }
    px.Written();
    return 1;
}

int DDBltTint(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
              DWORD transparent, const PALETTEENTRY* palette, int colour, int steps) {
    if (steps <= 0 || !palette || colour < 0 || colour > 255) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    if (Is8Bit(s)) return 1; // the 8-bit blend needs the colour table of the palette mode
    const PixelFormat from = s.Format(), to = px.Dst().Format();
    const FormatMasks m = MasksOf(from);
    const PALETTEENTRY& target = palette[colour];
    const int t8[3] = {target.peRed, target.peGreen, target.peBlue};
    const int maxes[3] = {m.rMax, m.gMax, m.bMax};
    // Direct3D draws a few steps as one blend toward the colour.
    const double factor = steps == 2 ? 64 / 255.0 : steps == 3 ? 32 / 255.0 : steps == 4 ? 16 / 255.0 : 0.0;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            std::uint32_t pixel;
            if (!Take(px, sx + i, sy + j, pixel) || Skip(s, pixel, transparent)) continue;
            const cChannels c = ChannelsOf(from, pixel);
            int ch[3] = {c.r, c.g, c.b};
            for (int n = 0; n < 3; ++n) {
                if (!lpDTCon) {
                    // Halved toward the colour once a step, in 8 bits.
                    int v = Widen8(ch[n], maxes[n]);
                    for (int k = 0; k < steps; ++k) v = (v + t8[n]) >> 1;
                    ch[n] = Narrow8(v, maxes[n]);
                } else if (steps == 1) {
                    ch[n] = (ch[n] + Narrow8(t8[n], maxes[n])) >> 1;
                } else {
                    const int tn = Narrow8(t8[n], maxes[n]);
                    ch[n] = static_cast<int>(ch[n] * factor + tn * (1 - factor));
                }
            }
            Put(px, x + i, y + j, PackChannels(to, {ch[0], ch[1], ch[2]}, from));
        }
    }
    px.Written();
    return 1;
}

int DDBltHalfAlpha(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   DWORD transparent) {
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    cSurface& d = px.Dst();
    if (Is8Bit(s) || Is8Bit(d)) return 1; // the 8-bit blend needs the colour table of the palette mode
    const PixelFormat from = s.Format(), to = d.Format();
    const FormatMasks fm = MasksOf(from);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            std::uint32_t sp;
            if (!Take(px, sx + i, sy + j, sp) || Skip(s, sp, transparent)) continue;
            if (!d.Contains(x + i, y + j)) continue;
            const std::uint32_t dp = d.Get(x + i, y + j);
            std::uint32_t out;
            if (!lpDTCon && dp == dwTransmit) {
                out = ConvertPixel(from, sp, to);
            } else if (lpDTCon && BytesPerPixel(to) == 2) {
                // In the target's own ranges, without widening.
                const cChannels a = ChannelsOf(to, ConvertPixel(from, sp, to)), b = ChannelsOf(to, dp);
                out = PackChannels(to, {(a.r + b.r) >> 1, (a.g + b.g) >> 1, (a.b + b.b) >> 1}, to);
            } else {
                const FormatMasks tm = MasksOf(to);
                const cChannels a = ChannelsOf(from, sp), b = ChannelsOf(to, dp);
                const cChannels mix = {Narrow8((Widen8(a.r, fm.rMax) + Widen8(b.r, tm.rMax)) >> 1, tm.rMax),
                                       Narrow8((Widen8(a.g, fm.gMax) + Widen8(b.g, tm.gMax)) >> 1, tm.gMax),
                                       Narrow8((Widen8(a.b, fm.bMax) + Widen8(b.b, tm.bMax)) >> 1, tm.bMax)};
                out = PackChannels(to, mix, to);
                // The fourth byte of a 32-bit pixel is left as it was.
                if (BytesPerPixel(to) == 4) out = (out & 0x00FFFFFFu) | (dp & 0xFF000000u);
            }
            d.Set(x + i, y + j, out);
        }
    }
    px.Written();
    return 1;
}

int DDBltMosaic(DDSURFACEDATA* dst, int x, int y, int w, int h, int n, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent) {
    if (n < 1 || w < 1 || h < 1) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    const PixelFormat from = s.Format(), to = px.Dst().Format();
    const FormatMasks m = MasksOf(from);
    const bool average = !lpDTCon && !Is8Bit(s);
    for (int by = 0; by < h; by += n) {
        for (int bx = 0; bx < w; bx += n) {
            const int bw = std::min(n, w - bx), bh = std::min(n, h - by);
            std::uint32_t value = 0;
            if (average) {
                // The average of the block's opaque pixels, in 8 bits.
                long sum[3] = {}, count = 0;
                for (int j = 0; j < bh; ++j) {
                    for (int i = 0; i < bw; ++i) {
                        std::uint32_t pixel;
                        if (!Take(px, sx + bx + i, sy + by + j, pixel) || IsTransparentPixel(s, pixel))
                            continue;
                        const cChannels c = ChannelsOf(from, pixel);
                        sum[0] += Widen8(c.r, m.rMax);
                        sum[1] += Widen8(c.g, m.gMax);
                        sum[2] += Widen8(c.b, m.bMax);
                        ++count;
                    }
                }
                if (count == 0) continue;
                const cChannels c = {Narrow8(static_cast<int>(sum[0] / count), m.rMax),
                                     Narrow8(static_cast<int>(sum[1] / count), m.gMax),
                                     Narrow8(static_cast<int>(sum[2] / count), m.bMax)};
                const std::uint32_t packed = PackChannels(from, c, from);
                if (transparent == 1 && packed == dwTransmit) continue;
                value = ConvertPixel(from, packed, to);
            } else {
                // The block's top-left pixel.
                std::uint32_t pixel;
                if (!Take(px, sx + bx, sy + by, pixel) || Skip(s, pixel, transparent)) continue;
                value = lpDTCon && BytesPerPixel(to) == 4 ? ConvertPixel(from, pixel, to) | 0xFF000000u
                                                          : ConvertPixel(from, pixel, to);
            }
            for (int j = 0; j < bh; ++j)
                for (int i = 0; i < bw; ++i) Put(px, x + bx + i, y + by + j, value);
        }
    }
    px.Written();
    return 1;
}

int DDBltBlur(DDSURFACEDATA* dst, int x, int y, int w, int h, int rx, int ry, DDSURFACEDATA* src, int sx,
              int sy, DWORD transparent) {
    if (rx < 1 || ry < 1) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    if (Is8Bit(s)) {
        ErrorLogPrintf("8ビットぼかしは不可能！");
        return 1;
    }
    const PixelFormat from = s.Format(), to = px.Dst().Format();
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            std::uint32_t centre;
            if (transparent == 1 && (!Take(px, sx + i, sy + j, centre) || IsTransparentPixel(s, centre)))
                continue;
            // The window from rx left and ry up to one short of rx right and ry down, within the rectangle.
            long sum[3] = {}, count = 0;
            for (int b = std::max(-ry, -j); b < ry && j + b < h; ++b) {
                for (int a = std::max(-rx, -i); a < rx && i + a < w; ++a) {
                    std::uint32_t pixel;
                    if (!Take(px, sx + i + a, sy + j + b, pixel) || IsTransparentPixel(s, pixel)) continue;
                    const cChannels c = ChannelsOf(from, pixel);
                    sum[0] += c.r;
                    sum[1] += c.g;
                    sum[2] += c.b;
                    ++count;
                }
            }
            if (count == 0) continue;
            const cChannels avg = {static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                                   static_cast<int>(sum[2] / count)};
            Put(px, x + i, y + j, PackChannels(to, avg, from));
        }
    }
    px.Written();
    return 1;
}
