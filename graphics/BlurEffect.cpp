// Blur: each pixel becomes the average of the opaque pixels in a window
// around it, read from the picture as it was before the blur.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// How many opaque pixels, and their red, green and blue, side by side.
using Lanes = std::int32_t __attribute__((vector_size(16)));

// The same four sums in 64 bits, for windows whose sums could pass 32.
struct cWideLanes {
    std::int64_t v[4] = {};
    cWideLanes& operator+=(const Lanes& l) {
        for (int n = 0; n < 4; ++n) v[n] += l[n];
        return *this;
    }
    cWideLanes& operator-=(const Lanes& l) {
        for (int n = 0; n < 4; ++n) v[n] -= l[n];
        return *this;
    }
    std::int64_t operator[](int n) const { return v[n]; }
};

// A pixel's lanes as the sum of one look-up per byte: each channel is a run
// of bits, so its value is what the bits of each byte add to it. The count
// of 1 comes with the lowest byte.
class cLaneTables {
public:
    cLaneTables(PixelFormat format) {
        const FormatMasks m = MasksOf(format);
        bytes_ = BytesPerPixel(format) == 2 ? 2 : 3; // no channel bits above the third byte
        for (int k = 0; k < bytes_; ++k)
            for (std::uint32_t v = 0; v < 256; ++v) {
                const std::uint32_t p = v << (8 * k);
                table_[k][v] =
                    Lanes{k == 0 ? 1 : 0, static_cast<std::int32_t>((p >> m.rShift) & std::uint32_t(m.rMax)),
                          static_cast<std::int32_t>((p >> m.gShift) & std::uint32_t(m.gMax)),
                          static_cast<std::int32_t>((p >> m.bShift) & std::uint32_t(m.bMax))};
            }
    }
    Lanes operator()(std::uint32_t p) const {
        Lanes l = table_[0][p & 0xFFu] + table_[1][(p >> 8) & 0xFFu];
        if (bytes_ == 3) l += table_[2][(p >> 16) & 0xFFu];
        return l;
    }

private:
    int bytes_ = 2;
    Lanes table_[3][256] = {};
};

} // namespace

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
    cSurface& d = px.Dst();
    // The output pixels that land on the target, and the columns of the
    // rectangle their windows reach.
    const int i0 = std::max(0, -x), i1 = std::min(w, d.Width() - x);
    const int j0 = std::max(0, -y), j1 = std::min(h, d.Height() - y);
    if (i0 >= i1 || j0 >= j1) return 1;
    const int a0 = std::max(0, i0 - rx), a1 = std::min(w, i1 + rx - 1);
    // Of those, the columns on the source.
    const int ua = std::max(a0, -sx), ub = std::min(a1, s.Width() - sx);
    const PixelFormat from = s.Format(), to = d.Format();
    const cTransparentTest clear(s);
    const cLaneTables lanes(from);
    // Averages in the source's ranges, packed for the target.
    const cChannelMap pack(from, to, [](int, int c) { return c; });
    // The windows read the picture as it was before the blur: a target that
    // is its own source is summed from a copy.
    cSurface copy;
    if (&s == &d) copy = s;
    const cSurface& picture = &s == &d ? copy : s;
    // For each column, the lanes of the window's rows. The window slides down
    // one row at a time.
    std::vector<Lanes> columns(static_cast<std::size_t>(a1 - a0), Lanes{});
    // Sums of a window: of at most 2 rx by 2 ry pixels of at most 255.
    const bool narrow = 255ll * std::min(2ll * rx, static_cast<long long>(w)) *
                            std::min(2ll * ry, static_cast<long long>(h)) <
                        (1ll << 31);
    WithPixelType(from, [&](auto sourceType) {
        using S = decltype(sourceType);
        // Adds (or takes away) row b of the rectangle.
        auto addRow = [&](int b, bool add) {
            const int v = sy + b;
            if (v < 0 || v >= picture.Height()) return;
            const S* row = reinterpret_cast<const S*>(picture.Row(v));
            Lanes* sums = columns.data() + (ua - a0);
            const std::uint32_t mask = clear.Mask(), value = clear.Value();
            for (int a = ua; a < ub; ++a, ++sums) {
                const std::uint32_t p = row[sx + a];
                const Lanes l = lanes(p) & (Lanes{} - ((p & mask) != value));
                if (add)
                    *sums += l;
                else
                    *sums -= l;
            }
        };
        WithPixelType(to, [&](auto targetType) {
            using D = decltype(targetType);
            auto blurRows = [&](auto sumType) {
                using Sum = decltype(sumType);
                // The window's rows so far: [top, bottom).
                int top = std::max(j0 - ry, 0), bottom = top;
                for (int j = j0; j < j1; ++j) {
                    // From ry up to one short of ry down, within the rectangle.
                    const int newTop = std::max(j - ry, 0), newBottom = std::min(j + ry, h);
                    for (; bottom < newBottom; ++bottom) addRow(bottom, true);
                    for (; top < newTop; ++top) addRow(top, false);
                    const int v = sy + j;
                    if (transparent == 1 && (v < 0 || v >= s.Height())) continue; // no centre on the source
                    const S* centres = transparent == 1 ? reinterpret_cast<const S*>(s.Row(v)) : nullptr;
                    D* out = reinterpret_cast<D*>(d.Row(y + j));
                    // The columns so far, [left, right), and their sums.
                    int left = std::max(i0 - rx, 0), right = left;
                    Sum sum{};
                    // The last count's reciprocal: counts repeat along a row.
                    std::int64_t lastN = 0;
                    double inverse = 0;
                    for (int i = i0; i < i1; ++i) {
                        const int newLeft = std::max(i - rx, 0), newRight = std::min(i + rx, w);
                        for (; right < newRight; ++right)
                            sum += columns[static_cast<std::size_t>(right - a0)];
                        for (; left < newLeft; ++left) sum -= columns[static_cast<std::size_t>(left - a0)];
                        if (centres && (sx + i < 0 || sx + i >= s.Width() || clear(centres[sx + i])))
                            continue;
                        const std::int64_t n = sum[0];
                        if (n == 0) continue;
                        if (n != lastN) lastN = n, inverse = 1.0 / static_cast<double>(n);
                        // A sum is at most 255 times the count: its quotient
                        // times the rounded reciprocal is off by under 1e-13,
                        // and a quotient that is not whole is at least 1 / count
                        // from the next whole number, over 1e-8 as no surface
                        // holds more than kMaxSurfacePixels. So the nudge makes
                        // the truncation that of the exact quotient.
                        auto quotient = [inverse](std::int64_t total) {
                            return static_cast<std::uint32_t>(static_cast<double>(total) * inverse + 1e-10);
                        };
                        out[x + i] =
                            static_cast<D>(pack(quotient(sum[1]), quotient(sum[2]), quotient(sum[3])));
                    }
                }
            };
            if (narrow)
                blurRows(Lanes{});
            else
                blurRows(cWideLanes{});
        });
    });
    px.Written();
    return 1;
}
