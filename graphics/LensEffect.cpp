// The lens: the points of a circle read the picture as if seen through the
// top of a sphere, farther out the nearer the rim.
#include "graphics/Effects.h"

#include "graphics/EffectPixels.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// Where the points of the two rows `across` from the centre read: for each
// distance along the row from `first` to `last`, the byte offset in the
// picture of the pixel read by the point that far right and that far left,
// on the row below the centre and on the row above; -1 off the picture.
struct cLensRows {
    int first = 0, last = -1;
    std::vector<std::int64_t> reads[2][2]; // [above][left]
};

// A point `along` from the centre on a row `across` from it reads `along` times
// k over the depth of the sphere of radius big there, rounded by + 0.5; the
// centre of the sphere's rim reads itself.
void MeasureLens(int across, int first, int last, int big, int k, const cSurface& pic, int sx, int sy,
                 cLensRows& rows) {
    rows.first = first, rows.last = last;
    const auto count = static_cast<std::size_t>(std::max(last - first + 1, 0));
    for (auto& side : rows.reads)
        for (auto& reads : side) reads.resize(count);
    // Rounded as a cast would, without one that overflows.
    auto rounded = [](double t) {
        return static_cast<int>(std::clamp(t + 0.5, double(std::numeric_limits<int>::min()),
                                           double(std::numeric_limits<int>::max())));
    };
    const std::int64_t width = pic.Width(), height = pic.Height(), pitch = pic.Pitch();
    const std::int64_t bytes = BytesPerPixel(pic.Format());
    auto place = [&](std::int64_t u, std::int64_t v) {
        return u >= 0 && v >= 0 && u < width && v < height ? v * pitch + u * bytes : -1;
    };
    const double big2 = double(big) * big, depthK = double(k), acrossK = double(across) * k;
    for (int along = first; along <= last; ++along) {
        const auto n = static_cast<std::size_t>(along - first);
        const double depth = std::sqrt(big2 - double(along) * along - double(across) * across);
        int right = along, left = -along, down = across, up = -across;
        if (depth != 0) {
            // -a / d is exactly -(a / d): each sign rounds its own quotient.
            const double u = double(along) * depthK / depth, v = acrossK / depth;
            right = rounded(u), left = rounded(-u), down = rounded(v), up = rounded(-v);
        }
        const std::int64_t r = std::int64_t{sx} + right, l = std::int64_t{sx} + left;
        const std::int64_t dn = std::int64_t{sy} + down, upper = std::int64_t{sy} + up;
        rows.reads[0][0][n] = place(r, dn);
        rows.reads[0][1][n] = place(l, dn);
        rows.reads[1][0][n] = place(r, upper);
        rows.reads[1][1][n] = place(l, upper);
    }
}

} // namespace

int DDBltRadial(DDSURFACEDATA* dst, int cx, int cy, int r, int k, DDSURFACEDATA* src, int sx, int sy,
                DWORD transparent, int clear) {
    if (r < 0 || k < 0) return 1;
    const int big = static_cast<int>(std::sqrt(double(r) * r + double(k) * k));
    if (big <= k) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const bool clearing = lpDTCon && clear;
    const cSurface& pic = px.Src();
    cSurface& d = px.Dst();
    const PixelFormat from = pic.Format(), to = d.Format();
    const bool keyed = transparent == 1, same = from == to;
    const cTransparentTest isClear(pic);
    // Only the part of the square that lies on the target.
    const int dx0 = std::max(-r, -cx), dx1 = std::min(r, d.Width() - 1 - cx);
    const int dy0 = std::max(-r, -cy), dy1 = std::min(r, d.Height() - 1 - cy);
    if (dx0 > dx1 || dy0 > dy1) return 1;
    // The distances from the centre of the columns and rows on the target.
    auto nearest = [](int lo, int hi) { return lo > 0 ? lo : hi < 0 ? -hi : 0; };
    const int alongLo = nearest(dx0, dx1), alongHi = std::max(-dx0, dx1);
    const int acrossLo = nearest(dy0, dy1), acrossHi = std::max(-dy0, dy1);
    const long long rr = static_cast<long long>(r) * r;
    WithPixelType(from, [&](auto sourceType) {
        using S = decltype(sourceType);
        WithPixelType(to, [&](auto targetType) {
            using D = decltype(targetType);
            cLensRows rows;
            // The rows `across` from the centre: of their points, those
            // inside the circle, dx * dx <= r * r - across * across.
            auto measure = [&](int across) {
                const long long room = rr - static_cast<long long>(across) * across;
                long long span = static_cast<long long>(std::sqrt(double(room)));
                while (span * span > room) --span;
                while ((span + 1) * (span + 1) <= room) ++span;
                MeasureLens(across, alongLo, static_cast<int>(std::min<long long>(span, alongHi)), big, k,
                            pic, sx, sy, rows);
            };
            const std::uint8_t* picture = pic.Row(0);
            // One point inside the circle reading at `read`.
            auto point = [&](D& out, std::int64_t read) {
                if (read < 0) {
                    if (clearing) out = 0;
                    return;
                }
                const std::uint32_t pixel = *reinterpret_cast<const S*>(picture + read);
                if (isClear(pixel)) {
                    if (clearing) out = 0;
                    if (keyed) return;
                }
                out = static_cast<D>(same ? pixel : ConvertPixel(from, pixel, to));
            };
            // Draws row dy: outside the circle only a clearing lens writes.
            auto drawRow = [&](int dy) {
                D* out = reinterpret_cast<D*>(d.Row(cy + dy)) + cx;
                const std::int64_t* right = rows.reads[dy < 0][0].data();
                const std::int64_t* left = rows.reads[dy < 0][1].data();
                const int first = rows.first, last = rows.last;
                if (clearing)
                    for (int dx = dx0; dx <= std::min(dx1, -last - 1); ++dx) out[dx] = 0;
                for (int dx = std::max(dx0, -last); dx <= std::min(dx1, -1); ++dx)
                    point(out[dx], left[-dx - first]);
                for (int dx = std::max(dx0, 0); dx <= std::min(dx1, last); ++dx)
                    point(out[dx], right[dx - first]);
                if (clearing)
                    for (int dx = std::max(dx0, last + 1); dx <= dx1; ++dx) out[dx] = 0;
            };
            if (&pic == &d) {
                // Reading what earlier rows wrote: row after row, top down.
                for (int dy = dy0; dy <= dy1; ++dy) {
                    measure(std::abs(dy));
                    drawRow(dy);
                }
                return;
            }
            // Rows as far above the centre as below share their reads.
            for (int across = acrossLo; across <= acrossHi; ++across) {
                const bool above = across != 0 && -across >= dy0 && -across <= dy1;
                const bool below = across >= dy0 && across <= dy1;
                if (!above && !below) continue;
                measure(across);
                if (above) drawRow(-across);
                if (below) drawRow(across);
            }
        });
    });
    px.Written();
    return 1;
}
