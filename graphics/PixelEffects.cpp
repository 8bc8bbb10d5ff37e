// The effects computed pixel by pixel on the CPU: rotation, lens, pull toward
// a colour, half transparency, mosaic and blur. Every read is checked against
// the source surface and every write against the target; what lies outside is
// skipped. Results: 1 when done (also when there was nothing to do), 0 when a
// surface could not be had.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"
#include "graphics/EffectQuad.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <cmath>
#include <vector>

int DDBltRotate(DDSURFACEDATA* dst, int x, int y, int w, int h, int cx, int cy, double angle,
                DDSURFACEDATA* src, int sx, int sy, DWORD transparent) {
    if (w < 1 || h < 1 || !dst || !src) return 1;
    if (DeviceDraws(EffectRecord(dst), EffectRecord(src))) {
        RotateByDevice(EffectRecord(dst), x, y, w, h, cx, cy, angle, EffectRecord(src), sx, sy);
        return 1;
    }
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
    // Only the part of the box that lands on the target.
    const int dstW = px.Dst().Width(), dstH = px.Dst().Height();
    left = std::max(left - 2, cx - x);
    right = std::min(right + 2, cx - x + dstW - 1);
    top = std::max(top - 2, cy - y);
    bottom = std::min(bottom + 2, cy - y + dstH - 1);
    const PixelFormat from = px.Src().Format(), to = px.Dst().Format();
    for (int py = top; py <= bottom; ++py) {
        for (int qx = left; qx <= right; ++qx) {
            const int dx = qx - cx, dy = py - cy;
            const int u = ((dx * c + dy * s) >> 10) + cx;
            const int v = ((dy * c - dx * s) >> 10) + cy;
            if (u < 0 || u >= w || v < 0 || v >= h) continue;
            std::uint32_t pixel;
            if (!TakePixel(px, sx + u, sy + v, pixel) || SkipPixel(px.Src(), pixel, transparent)) continue;
            PutPixel(px, x + dx, y + dy, ConvertPixel(from, pixel, to));
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
    // Only the part of the square that lies on the target.
    const int dx0 = std::max(-r, -cx), dx1 = std::min(r, px.Dst().Width() - 1 - cx);
    const int dy0 = std::max(-r, -cy), dy1 = std::min(r, px.Dst().Height() - 1 - cy);
    const long long rr = static_cast<long long>(r) * r;
    for (int dy = dy0; dy <= dy1; ++dy) {
        for (int dx = dx0; dx <= dx1; ++dx) {
            if (static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy > rr) {
                if (clearing) PutPixel(px, cx + dx, cy + dy, 0);
                continue;
            }
            const double depth = std::sqrt(double(big) * big - double(dx) * dx - double(dy) * dy);
            int u = dx, v = dy;
            if (depth != 0) {
                u = static_cast<int>(dx * k / depth + 0.5);
                v = static_cast<int>(dy * k / depth + 0.5);
            }
            std::uint32_t pixel = 0;
            const bool got = TakePixel(px, sx + u, sy + v, pixel);
            if (!got || IsTransparentPixel(px.Src(), pixel)) {
                if (clearing) PutPixel(px, cx + dx, cy + dy, 0);
                if (!got || transparent == 1) continue;
            }
            PutPixel(px, cx + dx, cy + dy, ConvertPixel(from, pixel, to));
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
    const bool average = !lpDTCon && !IsPalettePixels(s);
    const int maxes[3] = {m.rMax, m.gMax, m.bMax};
    int widen[3][256] = {};
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v <= maxes[c] && v < 256; ++v) widen[c][v] = Widen8(v, maxes[c]);
    // Only the blocks that reach the target.
    cSurface& d = px.Dst();
    const int bx0 = x < 0 ? -x / n * n : 0, bx1 = std::min(w, d.Width() - x);
    const int by0 = y < 0 ? -y / n * n : 0, by1 = std::min(h, d.Height() - y);
    for (int by = by0; by < by1; by += n) {
        for (int bx = bx0; bx < bx1; bx += n) {
            const int bw = std::min(n, w - bx), bh = std::min(n, h - by);
            std::uint32_t value = 0;
            if (average) {
                // The average of the block's opaque pixels, in 8 bits.
                std::int64_t sum[3] = {}, count = 0;
                for (int j = 0; j < bh; ++j) {
                    for (int i = 0; i < bw; ++i) {
                        std::uint32_t pixel;
                        if (!TakePixel(px, sx + bx + i, sy + by + j, pixel) || IsTransparentPixel(s, pixel))
                            continue;
                        sum[0] += widen[0][(pixel >> m.rShift) & static_cast<std::uint32_t>(m.rMax)];
                        sum[1] += widen[1][(pixel >> m.gShift) & static_cast<std::uint32_t>(m.gMax)];
                        sum[2] += widen[2][(pixel >> m.bShift) & static_cast<std::uint32_t>(m.bMax)];
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
                if (!TakePixel(px, sx + bx, sy + by, pixel) || SkipPixel(s, pixel, transparent)) continue;
                value = lpDTCon && BytesPerPixel(to) == 4 ? ConvertPixel(from, pixel, to) | 0xFF000000u
                                                          : ConvertPixel(from, pixel, to);
            }
            d.FillRect(x + bx, y + by, bw, bh, value);
        }
    }
    px.Written();
    return 1;
}

int DDBltBlur(DDSURFACEDATA* dst, int x, int y, int w, int h, int rx, int ry, DDSURFACEDATA* src, int sx,
              int sy, DWORD transparent) {
    if (rx < 1 || ry < 1) return 1;
    // A window wider than the rectangle takes in all of it: a radius from a
    // stored strength must not overflow the bounds below.
    rx = std::min(rx, std::max(w, 1));
    ry = std::min(ry, std::max(h, 1));
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const cSurface& s = px.Src();
    if (IsPalettePixels(s)) {
        ErrorLogPrintf("8ビットぼかしは不可能！");
        return 1;
    }
    const PixelFormat from = s.Format(), to = px.Dst().Format();
    const FormatMasks m = MasksOf(from);
    // The output pixels that land on the target, and the part of the
    // rectangle their windows reach.
    const int i0 = std::max(0, -x), i1 = std::min(w, px.Dst().Width() - x);
    const int j0 = std::max(0, -y), j1 = std::min(h, px.Dst().Height() - y);
    if (i0 >= i1 || j0 >= j1) return 1;
    const int a0 = std::max(0, i0 - rx), a1 = std::min(w, i1 + rx - 1);
    const int b0 = std::max(0, j0 - ry), b1 = std::min(h, j1 + ry - 1);
    // Sums from the corner (a0, b0) of the opaque pixels' count and channels,
    // so every window is four look-ups whatever its size.
    const cTransparentTest clear(s);
    const int cols = a1 - a0 + 1;
    std::vector<std::int64_t> table(static_cast<std::size_t>(cols) * (b1 - b0 + 1) * 4, 0);
    auto cell = [&](int a, int b) {
        return &table[(static_cast<std::size_t>(b - b0) * cols + (a - a0)) * 4];
    };
    for (int b = b0; b < b1; ++b) {
        std::int64_t row[4] = {};
        const int v = sy + b;
        for (int a = a0; a < a1; ++a) {
            const int u = sx + a;
            if (v >= 0 && v < s.Height() && u >= 0 && u < s.Width()) {
                const std::uint32_t p = s.Get(u, v);
                if (!clear(p)) {
                    row[0] += 1;
                    row[1] += (p >> m.rShift) & static_cast<std::uint32_t>(m.rMax);
                    row[2] += (p >> m.gShift) & static_cast<std::uint32_t>(m.gMax);
                    row[3] += (p >> m.bShift) & static_cast<std::uint32_t>(m.bMax);
                }
            }
            const std::int64_t* above = cell(a + 1, b);
            std::int64_t* here = cell(a + 1, b + 1);
            for (int n = 0; n < 4; ++n) here[n] = above[n] + row[n];
        }
    }
    // Averages in the source's ranges, packed for the target.
    const cChannelMap pack(from, to, [](int, int c) { return c; });
    for (int j = j0; j < j1; ++j) {
        const int top = std::max(j - ry, 0), bottom = std::min(j + ry, h);
        for (int i = i0; i < i1; ++i) {
            std::uint32_t centre;
            if (transparent == 1 && (!TakePixel(px, sx + i, sy + j, centre) || clear(centre))) continue;
            // The window from rx left and ry up to one short of rx right and ry down, within the rectangle.
            const int left = std::max(i - rx, 0), right = std::min(i + rx, w);
            const std::int64_t *p11 = cell(right, bottom), *p01 = cell(left, bottom);
            const std::int64_t *p10 = cell(right, top), *p00 = cell(left, top);
            const std::int64_t count = p11[0] - p01[0] - p10[0] + p00[0];
            if (count == 0) continue;
            const auto r = static_cast<std::uint32_t>((p11[1] - p01[1] - p10[1] + p00[1]) / count);
            const auto g = static_cast<std::uint32_t>((p11[2] - p01[2] - p10[2] + p00[2]) / count);
            const auto b = static_cast<std::uint32_t>((p11[3] - p01[3] - p10[3] + p00[3]) / count);
            px.Dst().Set(x + i, y + j, pack((r << m.rShift) | (g << m.gShift) | (b << m.bShift)));
        }
    }
    px.Written();
    return 1;
}
