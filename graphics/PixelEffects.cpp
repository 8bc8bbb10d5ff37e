// Rotation and mosaic, computed pixel by pixel on the CPU (the lens and the
// blur have files of their own). Every read is checked against
// the source surface and every write against the target; what lies outside is
// skipped. Results: 1 when done (also when there was nothing to do), 0 when a
// surface could not be had.
#include "graphics/Effects.h"

#include "graphics/EffectPixels.h"
#include "graphics/EffectQuad.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <cmath>

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
    const cSurface& pic = px.Src();
    cSurface& d = px.Dst();
    const PixelFormat from = pic.Format(), to = d.Format();
    // The rotated coordinates that can be read: on the rectangle and on the source.
    const int u0 = std::max(0, -sx), u1 = std::min(w, pic.Width() - sx);
    const int v0 = std::max(0, -sy), v1 = std::min(h, pic.Height() - sy);
    const bool keyed = transparent == 1, same = from == to;
    const cTransparentTest clear(pic);
    WithPixelType(from, [&](auto sourceType) {
        using S = decltype(sourceType);
        WithPixelType(to, [&](auto targetType) {
            using D = decltype(targetType);
            for (int py = top; py <= bottom; ++py) {
                const int dy = py - cy;
                // u and v before the shift, stepped by one column at a time.
                int un = (left - cx) * c + dy * s;
                int vn = dy * c - (left - cx) * s;
                D* row = reinterpret_cast<D*>(d.Row(y + dy));
                const int shift = x - cx;
                for (int qx = left; qx <= right; ++qx, un += c, vn -= s) {
                    const int u = (un >> 10) + cx, v = (vn >> 10) + cy;
                    if (u < u0 || u >= u1 || v < v0 || v >= v1) continue;
                    const std::uint32_t pixel = reinterpret_cast<const S*>(pic.Row(sy + v))[sx + u];
                    if (keyed && clear(pixel)) continue;
                    row[shift + qx] = static_cast<D>(same ? pixel : ConvertPixel(from, pixel, to));
                }
            }
        });
    });
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
    const cTransparentTest clear(s);
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
                const int u = sx + bx, v = sy + by;
                const int i0 = std::max(0, -u), i1 = std::min(bw, s.Width() - u);
                const int j0 = std::max(0, -v), j1 = std::min(bh, s.Height() - v);
                WithPixelType(from, [&](auto sourceType) {
                    using S = decltype(sourceType);
                    for (int j = j0; j < j1; ++j) {
                        const S* row = reinterpret_cast<const S*>(s.Row(v + j));
                        for (int i = i0; i < i1; ++i) {
                            const std::uint32_t pixel = row[u + i];
                            if (clear(pixel)) continue;
                            sum[0] += widen[0][(pixel >> m.rShift) & static_cast<std::uint32_t>(m.rMax)];
                            sum[1] += widen[1][(pixel >> m.gShift) & static_cast<std::uint32_t>(m.gMax)];
                            sum[2] += widen[2][(pixel >> m.bShift) & static_cast<std::uint32_t>(m.bMax)];
                            ++count;
                        }
                    }
                });
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
