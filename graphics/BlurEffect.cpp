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

// How many opaque pixels, and their red, green and blue, side by side; the
// compiler's vector types keep the four sums in one register where it can.
using Lanes = std::int32_t __attribute__((vector_size(16)));
using Pixels = std::uint32_t __attribute__((vector_size(16)));
using Halves = std::uint16_t __attribute__((vector_size(8)));

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

// Four pixels of a row at their own width, widened.
inline Pixels LoadFour(const std::uint32_t* p) {
    Pixels v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline Pixels LoadFour(const std::uint16_t* p) {
    Halves v;
    std::memcpy(&v, p, sizeof v);
    return __builtin_convertvector(v, Pixels);
}

// Takes pixels apart into lanes: opaque ones count 1 and add their channels.
class cLaneSplit {
public:
    cLaneSplit(PixelFormat format, const cTransparentTest& clear)
        : mask_(clear.Mask()), value_(clear.Value()) {
        const FormatMasks m = MasksOf(format);
        shift_[0] = m.rShift, shift_[1] = m.gShift, shift_[2] = m.bShift;
        max_[0] = static_cast<std::uint32_t>(m.rMax), max_[1] = static_cast<std::uint32_t>(m.gMax),
        max_[2] = static_cast<std::uint32_t>(m.bMax);
    }
    // One pixel's lanes.
    Lanes operator()(std::uint32_t p) const {
        if ((p & mask_) == value_) return Lanes{};
        return Lanes{1, static_cast<std::int32_t>((p >> shift_[0]) & max_[0]),
                     static_cast<std::int32_t>((p >> shift_[1]) & max_[1]),
                     static_cast<std::int32_t>((p >> shift_[2]) & max_[2])};
    }
    // Four pixels' counts, reds, greens and blues, each four wide.
    void operator()(Pixels p, Lanes out[4]) const {
        const Lanes opaque = (p & mask_) != value_;
        out[0] = -opaque;
        for (int c = 0; c < 3; ++c) out[c + 1] = reinterpret_cast<Lanes>((p >> shift_[c]) & max_[c]) & opaque;
    }

private:
    std::uint32_t mask_, value_;
    int shift_[3] = {};
    std::uint32_t max_[3] = {};
};

// Four counts, reds, greens and blues as four pixels' lanes.
inline void Transpose(const Lanes in[4], Lanes out[4]) {
    const Lanes a = __builtin_shufflevector(in[0], in[1], 0, 4, 1, 5);
    const Lanes b = __builtin_shufflevector(in[2], in[3], 0, 4, 1, 5);
    const Lanes c = __builtin_shufflevector(in[0], in[1], 2, 6, 3, 7);
    const Lanes e = __builtin_shufflevector(in[2], in[3], 2, 6, 3, 7);
    out[0] = __builtin_shufflevector(a, b, 0, 1, 4, 5);
    out[1] = __builtin_shufflevector(a, b, 2, 3, 6, 7);
    out[2] = __builtin_shufflevector(c, e, 0, 1, 4, 5);
    out[3] = __builtin_shufflevector(c, e, 2, 3, 6, 7);
}

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
    const cLaneSplit split(from, clear);
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
        // Row b of the rectangle on the picture; null off it.
        auto pictureRow = [&](int b) {
            const int v = sy + b;
            return v < 0 || v >= picture.Height() ? nullptr : reinterpret_cast<const S*>(picture.Row(v));
        };
        // Adds one row (or none) to the columns and takes one (or none) away.
        auto update = [&](const S* plus, const S* minus) {
            if (!plus && !minus) return;
            int a = ua;
            if constexpr (sizeof(S) > 1) {
                for (; a + 4 <= ub; a += 4) {
                    Lanes in[4] = {}, out[4];
                    if (plus) split(LoadFour(plus + (sx + a)), in);
                    if (minus) {
                        Lanes less[4];
                        split(LoadFour(minus + (sx + a)), less);
                        for (int c = 0; c < 4; ++c) in[c] -= less[c];
                    }
                    Transpose(in, out);
                    for (int c = 0; c < 4; ++c) columns[static_cast<std::size_t>(a + c - a0)] += out[c];
                }
            }
            for (; a < ub; ++a) {
                Lanes& sums = columns[static_cast<std::size_t>(a - a0)];
                if (plus) sums += split(plus[sx + a]);
                if (minus) sums -= split(minus[sx + a]);
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
                    while (bottom < newBottom || top < newTop)
                        update(bottom < newBottom ? pictureRow(bottom++) : nullptr,
                               top < newTop ? pictureRow(top++) : nullptr);
                    const int v = sy + j;
                    if (transparent == 1 && (v < 0 || v >= s.Height())) continue; // no centre on the source
                    const S* centres = transparent == 1 ? reinterpret_cast<const S*>(picture.Row(v)) : nullptr;
                    D* out = reinterpret_cast<D*>(d.Row(y + j));
                    // The window's columns, [left, right), and their sums;
                    // past the edges a step adds or takes away no column.
                    int left = std::max(i0 - rx, 0), right = std::min(i0 + rx, w);
                    Sum sum{};
                    for (int a = left; a < right; ++a) sum += columns[static_cast<std::size_t>(a - a0)];
                    // The last count's reciprocal: counts repeat along a row.
                    std::int64_t lastN = 0;
                    double inverse = 0;
                    for (int i = i0; i < i1; ++i) {
                        if (i > i0) {
                            if (i + rx <= w) sum += columns[static_cast<std::size_t>(i + rx - 1 - a0)];
                            if (i - rx >= 1) sum -= columns[static_cast<std::size_t>(i - rx - 1 - a0)];
                        }
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
