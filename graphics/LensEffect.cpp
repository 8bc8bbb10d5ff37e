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
#include <type_traits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Where the points of the two rows `across` from the centre read: for each
// distance along the row from `first` to `last`, the byte offset in the
// picture of the pixel read by the point that far right and that far left,
// on the row below the centre and on the row above; -1 off the picture.
struct cLensRows {
    int first = 0, last = -1;
    std::vector<std::int64_t> reads[2][2]; // [above][left]
    // Scratch: the rounded steps right, left, down and up of each point.
    std::vector<int> steps[4];
};

// A point `along` from the centre on a row `across` from it reads `along` times
// k over the depth of the sphere of radius big there, rounded by + 0.5; the
// centre of the sphere's rim reads itself.
void MeasureLens(int across, int first, int last, long long big, int k, const cSurface& pic, int sx, int sy,
                 cLensRows& rows) {
    rows.first = first, rows.last = last;
    const auto count = static_cast<std::size_t>(std::max(static_cast<long long>(last) - first + 1, 0ll));
    for (auto& side : rows.reads)
        for (auto& reads : side) reads.resize(count);
    // Rounded as a cast would, without one that overflows.
    auto rounded = [](double t) {
        return static_cast<int>(std::clamp(t + 0.5, double(std::numeric_limits<int>::min()),
                                           double(std::numeric_limits<int>::max())));
    };
    // A read's byte offset in the picture, or -1 off it: the column's and the
    // row's parts, each -1 off the picture, then one test of both.
    const std::uint64_t width = static_cast<std::uint64_t>(pic.Width()),
                        height = static_cast<std::uint64_t>(pic.Height());
    const std::int64_t pitch = pic.Pitch(), bytes = BytesPerPixel(pic.Format());
    auto column = [&](std::int64_t u) { return static_cast<std::uint64_t>(u) < width ? u * bytes : -1; };
    auto row = [&](std::int64_t v) { return static_cast<std::uint64_t>(v) < height ? v * pitch : -1; };
    auto place = [](std::int64_t c, std::int64_t r) { return (c | r) < 0 ? -1 : c + r; };
    const double big2 = double(big) * big, depthK = double(k), acrossK = double(across) * k;
    const double acrossSq = double(across) * across;
    for (auto& st : rows.steps) st.resize(count);
    int* right = rows.steps[0].data();
    int* left = rows.steps[1].data();
    int* down = rows.steps[2].data();
    int* up = rows.steps[3].data();
    // The steps first, in a loop without unpredictable branches so that the
    // square roots and quotients of successive points overlap.
    auto flat = [&](long long along) {
        const auto n = static_cast<std::size_t>(along - first);
        right[n] = static_cast<int>(along), left[n] = static_cast<int>(-along), down[n] = across,
        up[n] = -across;
    };
    // Counted wide: `last` may be the largest int.
    long long along = first;
#ifdef __SSE2__
    // Two points at a time: the vector square root and quotients round
    // correctly, exactly as the scalar ones below, and the rounding clamps
    // and truncates as the scalar one does (a NaN stays one through both).
    const __m128d bigV = _mm_set1_pd(big2), acrossSqV = _mm_set1_pd(acrossSq), kV = _mm_set1_pd(depthK),
                  acrossV = _mm_set1_pd(acrossK), zero = _mm_setzero_pd(), half = _mm_set1_pd(0.5),
                  lowest = _mm_set1_pd(double(std::numeric_limits<int>::min())),
                  highest = _mm_set1_pd(double(std::numeric_limits<int>::max()));
    auto rounded2 = [&](__m128d t, int* out) {
        const __m128d c = _mm_min_pd(highest, _mm_max_pd(lowest, _mm_add_pd(t, half)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_cvttpd_epi32(c));
    };
    for (; along + 1 <= last; along += 2) {
        const __m128d a = _mm_set_pd(double(along + 1), double(along));
        const __m128d depth = _mm_sqrt_pd(_mm_sub_pd(_mm_sub_pd(bigV, _mm_mul_pd(a, a)), acrossSqV));
        const __m128d u = _mm_div_pd(_mm_mul_pd(a, kV), depth), v = _mm_div_pd(acrossV, depth);
        rounded2(u, right + (along - first)), rounded2(_mm_sub_pd(zero, u), left + (along - first));
        rounded2(v, down + (along - first)), rounded2(_mm_sub_pd(zero, v), up + (along - first));
        const int flats = _mm_movemask_pd(_mm_cmpeq_pd(depth, zero));
        if (flats & 1) flat(along);
        if (flats & 2) flat(along + 1);
    }
#endif
    for (; along <= last; ++along) {
        const double depth = std::sqrt(big2 - double(along) * along - acrossSq);
        if (depth == 0) {
            flat(along);
            continue;
        }
        // -a / d is exactly -(a / d): each sign rounds its own quotient.
        const double u = double(along) * depthK / depth, v = acrossK / depth;
        const auto n = static_cast<std::size_t>(along - first);
        right[n] = rounded(u), left[n] = rounded(-u), down[n] = rounded(v), up[n] = rounded(-v);
    }
    for (along = first; along <= last; ++along) {
        const auto n = static_cast<std::size_t>(along - first);
        const std::int64_t r = column(std::int64_t{sx} + right[n]), l = column(std::int64_t{sx} + left[n]);
        const std::int64_t dn = row(std::int64_t{sy} + down[n]), upper = row(std::int64_t{sy} + up[n]);
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
    // The sphere's radius passes the int range for a large radius and strength.
    const long long big = static_cast<long long>(std::sqrt(double(r) * r + double(k) * k));
    if (big <= k) return 1;
    cEffectPixels px(dst, src);
    if (!px.Ok()) return 0;
    const bool clearing = lpDTCon && clear;
    const cSurface& pic = px.Src();
    cSurface& d = px.Dst();
    const PixelFormat from = pic.Format(), to = d.Format();
    const bool keyed = transparent == 1, same = from == to;
    const cTransparentTest isClear(pic);
    // Only the part of the square that lies on the target (worked out wide:
    // a centre far off the target is no overflow).
    const long long wideX0 = std::max(-static_cast<long long>(r), -static_cast<long long>(cx)),
                    wideX1 = std::min(static_cast<long long>(r), d.Width() - 1ll - cx),
                    wideY0 = std::max(-static_cast<long long>(r), -static_cast<long long>(cy)),
                    wideY1 = std::min(static_cast<long long>(r), d.Height() - 1ll - cy);
    if (wideX0 > wideX1 || wideY0 > wideY1) return 1;
    // Within [-r, r] now, and cx + dx, cy + dy on the target.
    const int dx0 = static_cast<int>(wideX0), dx1 = static_cast<int>(wideX1);
    const int dy0 = static_cast<int>(wideY0), dy1 = static_cast<int>(wideY1);
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
            // The whole lens, with what it does at each point fixed for the
            // loops: whether it keys, whether it clears and whether pixels
            // go across unconverted.
            auto drawLens = [&](auto keyedC, auto clearingC, auto sameC) {
                constexpr bool kKeyed = decltype(keyedC)::value, kClearing = decltype(clearingC)::value,
                               kSame = decltype(sameC)::value;
                // One point inside the circle reading at `read`.
                auto point = [&](D& out, std::int64_t read) {
                    if (read < 0) {
                        if constexpr (kClearing) out = 0;
                        return;
                    }
                    const std::uint32_t pixel = *reinterpret_cast<const S*>(picture + read);
                    if constexpr (kKeyed || kClearing) {
                        if (isClear(pixel)) {
                            if constexpr (kClearing) out = 0;
                            if constexpr (kKeyed) return;
                        }
                    }
                    if constexpr (kSame)
                        out = static_cast<D>(pixel);
                    else
                        out = static_cast<D>(ConvertPixel(from, pixel, to));
                };
                // Draws row dy: outside the circle only a clearing lens writes.
                auto drawRow = [&](int dy) {
                    // Indexed from the row's start: cx alone may lie far off it.
                    D* out = reinterpret_cast<D*>(d.Row(cy + dy));
                    const std::int64_t* right = rows.reads[dy < 0][0].data();
                    const std::int64_t* left = rows.reads[dy < 0][1].data();
                    // Counted wide: the ends may be the largest int.
                    using Wide = long long;
                    const Wide first = rows.first, last = rows.last, lo = dx0, hi = dx1;
                    if constexpr (kClearing)
                        for (Wide dx = lo; dx <= std::min(hi, -last - 1); ++dx) out[cx + dx] = 0;
                    for (Wide dx = std::max(lo, -last); dx <= std::min(hi, Wide{-1}); ++dx)
                        point(out[cx + dx], left[-dx - first]);
                    for (Wide dx = std::max(lo, Wide{0}); dx <= std::min(hi, last); ++dx)
                        point(out[cx + dx], right[dx - first]);
                    if constexpr (kClearing)
                        for (Wide dx = std::max(lo, last + 1); dx <= hi; ++dx) out[cx + dx] = 0;
                };
                if (&pic == &d) {
                    // Reading what earlier rows wrote: row after row, top down.
                    for (long long dy = dy0; dy <= dy1; ++dy) {
                        measure(static_cast<int>(std::abs(dy)));
                        drawRow(static_cast<int>(dy));
                    }
                    return;
                }
                // Rows as far above the centre as below share their reads.
                for (long long wide = acrossLo; wide <= acrossHi; ++wide) {
                    const int across = static_cast<int>(wide);
                    const bool above = across != 0 && -across >= dy0 && -across <= dy1;
                    const bool below = across >= dy0 && across <= dy1;
                    if (!above && !below) continue;
                    measure(across);
                    if (above) drawRow(-across);
                    if (below) drawRow(across);
                }
            };
            auto withSame = [&](auto keyedC, auto clearingC) {
                if constexpr (std::is_same_v<S, D>)
                    if (same) return drawLens(keyedC, clearingC, std::true_type{});
                drawLens(keyedC, clearingC, std::false_type{});
            };
            auto withClearing = [&](auto keyedC) {
                if (clearing)
                    withSame(keyedC, std::true_type{});
                else
                    withSame(keyedC, std::false_type{});
            };
            if (keyed)
                withClearing(std::true_type{});
            else
                withClearing(std::false_type{});
        });
    });
    px.Written();
    return 1;
}
