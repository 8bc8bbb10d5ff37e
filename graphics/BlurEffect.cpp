// Blur: each pixel becomes the average of the opaque pixels in a window
// around it, read from the picture as it was before the blur.
#include "graphics/Effects.h"

#include "foundation/ErrorLog.h"
#include "graphics/EffectPixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The sums of a column or of a window: blue, green, red and the count of
// opaque pixels, side by side. The compiler's vector types keep them in one
// register where it can.
using Lanes = std::int32_t __attribute__((vector_size(16)));
// A column's sums in 16 bits, where its rows can't pass 65,535: one column
// in 8 bytes, two side by side in a register.
using Column16 = std::uint16_t __attribute__((vector_size(8)));
using Columns16 = std::uint16_t __attribute__((vector_size(16)));
using Pixels = std::uint32_t __attribute__((vector_size(16)));
using Bytes = std::uint8_t __attribute__((vector_size(16)));

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

inline Lanes Widen(const Column16& c) {
#ifdef __SSE2__
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(&c));
    return reinterpret_cast<Lanes>(_mm_unpacklo_epi16(v, _mm_setzero_si128()));
#else
    return __builtin_convertvector(c, Lanes);
#endif
}
inline const Lanes& Widen(const Lanes& c) {
    return c;
}

// Adds what one row brings to one column, or to two side by side (plus one
// row's lanes, less another's). Sums in 16 bits wrap, and a column's true sum
// fits them: the difference's wrapping cancels out.
inline void Accumulate(Column16& column, Column16 plus, Column16 minus) {
    column += plus - minus;
}
inline void Accumulate(Lanes& column, Column16 plus, Column16 minus) {
    column += Widen(plus) - Widen(minus);
}
inline void Accumulate2(Column16* columns, Columns16 plus, Columns16 minus) {
    Columns16 c;
    std::memcpy(&c, columns, sizeof c);
    c += plus - minus;
    std::memcpy(columns, &c, sizeof c);
}
inline void Accumulate2(Lanes* columns, Columns16 plus, Columns16 minus) {
    Accumulate(columns[0], __builtin_shufflevector(plus, plus, 0, 1, 2, 3),
               __builtin_shufflevector(minus, minus, 0, 1, 2, 3));
    Accumulate(columns[1], __builtin_shufflevector(plus, plus, 4, 5, 6, 7),
               __builtin_shufflevector(minus, minus, 4, 5, 6, 7));
}

// Takes pixels apart into their columns' lanes: an opaque pixel brings its
// channels and a count of 1, a transparent one nothing.
class cColumnSplit {
public:
    cColumnSplit(PixelFormat format, const cTransparentTest& clear)
        : mask_(clear.Mask()), value_(clear.Value()) {
        const FormatMasks m = MasksOf(format);
        shift_[0] = m.bShift, shift_[1] = m.gShift, shift_[2] = m.rShift;
        max_[0] = static_cast<std::uint16_t>(m.bMax), max_[1] = static_cast<std::uint16_t>(m.gMax),
        max_[2] = static_cast<std::uint16_t>(m.rMax);
        bytes_ = BytesPerPixel(format) == 4 && m.bShift == 0 && m.gShift == 8 && m.rShift == 16 &&
                 m.bMax == 255 && m.gMax == 255 && m.rMax == 255;
        // A 16-bit pixel can't match a value with bits above its own.
        if (value_ >> 16) {
            mask16_ = 0, value16_ = 1;
        } else {
            mask16_ = static_cast<std::uint16_t>(mask_), value16_ = static_cast<std::uint16_t>(value_);
        }
    }
    // Whether Four can take this format apart: 8-bit channels in the low three bytes.
    bool Bytewise() const { return bytes_; }

    Column16 operator()(std::uint32_t p) const {
        if ((p & mask_) == value_) return Column16{};
        return Column16{static_cast<std::uint16_t>((p >> shift_[0]) & max_[0]),
                        static_cast<std::uint16_t>((p >> shift_[1]) & max_[1]),
                        static_cast<std::uint16_t>((p >> shift_[2]) & max_[2]), 1};
    }
    // Four 32-bit pixels (Bytewise) as two pairs of columns: each pixel's
    // bytes widened, its top byte the count.
    [[gnu::always_inline]] void Four(const std::uint32_t* row, Columns16 out[2]) const {
        Pixels p;
        std::memcpy(&p, row, sizeof p);
        const Pixels opaque = reinterpret_cast<Pixels>((p & mask_) != value_);
        const Bytes q = reinterpret_cast<Bytes>(((p & 0x00FFFFFFu) | 0x01000000u) & opaque);
        const Bytes zero{};
        out[0] = reinterpret_cast<Columns16>(
            __builtin_shufflevector(q, zero, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23));
        out[1] = reinterpret_cast<Columns16>(
            __builtin_shufflevector(q, zero, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31));
    }
    // Eight 16-bit pixels as four pairs of columns.
    [[gnu::always_inline]] void Eight(const std::uint16_t* row, Columns16 out[4]) const {
        using Words = std::uint32_t __attribute__((vector_size(16)));
        Columns16 p;
        std::memcpy(&p, row, sizeof p);
        const Columns16 opaque = reinterpret_cast<Columns16>((p & mask16_) != value16_);
        const Columns16 b = (p >> shift_[0]) & max_[0] & opaque, g = (p >> shift_[1]) & max_[1] & opaque,
                        r = (p >> shift_[2]) & max_[2] & opaque, n = opaque & std::uint16_t{1};
        const Words bg[2] = {
            reinterpret_cast<Words>(__builtin_shufflevector(b, g, 0, 8, 1, 9, 2, 10, 3, 11)),
            reinterpret_cast<Words>(__builtin_shufflevector(b, g, 4, 12, 5, 13, 6, 14, 7, 15))};
        const Words rn[2] = {
            reinterpret_cast<Words>(__builtin_shufflevector(r, n, 0, 8, 1, 9, 2, 10, 3, 11)),
            reinterpret_cast<Words>(__builtin_shufflevector(r, n, 4, 12, 5, 13, 6, 14, 7, 15))};
        for (int k = 0; k < 2; ++k) {
            out[2 * k] = reinterpret_cast<Columns16>(__builtin_shufflevector(bg[k], rn[k], 0, 4, 1, 5));
            out[2 * k + 1] = reinterpret_cast<Columns16>(__builtin_shufflevector(bg[k], rn[k], 2, 6, 3, 7));
        }
    }

private:
    std::uint32_t mask_, value_;
    std::uint16_t mask16_ = 0, value16_ = 0;
    int shift_[3] = {};
    std::uint16_t max_[3] = {};
    bool bytes_ = false;
};

// The low bytes of four lanes, each at most 255, as one word.
inline std::uint32_t Bytes4(const Lanes& c) {
#ifdef __SSE2__
    const __m128i v = reinterpret_cast<__m128i>(c), halves = _mm_packs_epi32(v, v);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(halves, halves)));
#else
    return static_cast<std::uint32_t>(c[0]) | static_cast<std::uint32_t>(c[1]) << 8 |
           static_cast<std::uint32_t>(c[2]) << 16 | static_cast<std::uint32_t>(c[3]) << 24;
#endif
}

// Quotients in single precision, for windows of at most kFloatWindow pixels.
// A sum is below 2^24 and so exact as a float; its product with the rounded
// reciprocal is off the exact quotient (at most 255) by under 3.1e-5, and the
// nudge of 2^-14 (6.1e-5) then lifts a whole quotient to or past its whole
// number. A quotient that is not whole is at least 1 / 8192 (1.2e-4) short of
// the next whole number, more than that error, the nudge and the sum's
// half-step of rounding (7.6e-6) together. So each truncation is that of the
// exact quotient, as the rule has it.
constexpr long long kFloatWindow = 8192;
class cFloatQuotients {
public:
    // inverse[n] is 1 / n rounded to a float.
    explicit cFloatQuotients(const float* inverse) : inverse_(inverse) {}
    static std::vector<float> Inverses(long long most) {
        std::vector<float> inverse(static_cast<std::size_t>(most) + 1);
        for (std::size_t n = 1; n < inverse.size(); ++n) inverse[n] = 1.0f / static_cast<float>(n);
        return inverse;
    }
    Lanes operator()(const Lanes& sum) const {
        using Floats = float __attribute__((vector_size(16)));
        const Floats q =
            __builtin_convertvector(sum, Floats) * inverse_[static_cast<std::size_t>(sum[3])] + 0x1p-14f;
        return __builtin_convertvector(q, Lanes);
    }

private:
    const float* inverse_;
};

// Quotients in double precision for larger windows. A sum is at most 255
// times the count: its quotient times the rounded reciprocal is off by under
// 1e-13, and a quotient that is not whole is at least 1 / count from the next
// whole number, over 1e-8 as no surface holds more than kMaxSurfacePixels. So
// the nudge makes the truncation that of the exact quotient. The reciprocal is
// kept while the count repeats, as it does along a row.
class cDoubleQuotients {
public:
    template <class Sum> Lanes operator()(const Sum& sum) {
        const std::int64_t n = sum[3];
        if (n != lastN_) lastN_ = n, inverse_ = 1.0 / static_cast<double>(n);
        auto quotient = [this](std::int64_t total) {
            return static_cast<std::int32_t>(static_cast<double>(total) * inverse_ + 1e-10);
        };
        return Lanes{quotient(sum[0]), quotient(sum[1]), quotient(sum[2]), 0};
    }

private:
    std::int64_t lastN_ = 0;
    double inverse_ = 0;
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
    // The output pixels that land on the target, worked out wide: a
    // rectangle far off the target is no overflow.
    const long long wideI0 = std::max(0ll, -static_cast<long long>(x)),
                    wideI1 = std::min<long long>(w, static_cast<long long>(d.Width()) - x),
                    wideJ0 = std::max(0ll, -static_cast<long long>(y)),
                    wideJ1 = std::min<long long>(h, static_cast<long long>(d.Height()) - y);
    if (wideI0 >= wideI1 || wideJ0 >= wideJ1) return 1;
    const int i0 = static_cast<int>(wideI0), i1 = static_cast<int>(wideI1);
    const int j0 = static_cast<int>(wideJ0), j1 = static_cast<int>(wideJ1);
    // The columns and rows of the rectangle that lie on the source and that
    // their windows reach; the others add nothing to any sum.
    // A stretch that is not empty lies within [0, w) or [0, h): only then is
    // it narrowed to int.
    auto reach = [](long long lo, long long hi, long long from, long long to) {
        const long long first = std::max(lo, from), last = std::min(hi, to);
        return first < last ? std::pair<int, int>{static_cast<int>(first), static_cast<int>(last)}
                            : std::pair<int, int>{0, 0};
    };
    // Plain variables, not structured bindings: the lambdas below capture
    // them, which clang before 16 refuses for bindings.
    const auto cols =
        reach(std::max(0ll, -static_cast<long long>(sx)),
              std::min<long long>(w, static_cast<long long>(s.Width()) - sx), i0 - rx, i1 + (rx - 1ll));
    const auto rows =
        reach(std::max(0ll, -static_cast<long long>(sy)),
              std::min<long long>(h, static_cast<long long>(s.Height()) - sy), j0 - ry, j1 + (ry - 1ll));
    const int clo = cols.first, chi = cols.second, rlo = rows.first, rhi = rows.second;
    if (clo >= chi || rlo >= rhi) return 1; // every window is empty
    const PixelFormat from = s.Format(), to = d.Format();
    const cTransparentTest clear(s);
    const cColumnSplit split(from, clear);
    // Averages in the source's ranges, packed for the target.
    const cChannelMap pack(from, to, [](int, int c) { return c; });
    // The windows read the picture as it was before the blur: a target that
    // is its own source is summed from a copy.
    cSurface copy;
    if (&s == &d) copy = s;
    const cSurface& picture = &s == &d ? copy : s;
    // Sums of a column: of at most 2 ry pixels of at most 255; of a window,
    // of at most 2 rx columns.
    const long long tallest = std::min(2ll * ry, static_cast<long long>(rhi - rlo));
    const long long widest = std::min(2ll * rx, static_cast<long long>(chi - clo));
    const bool short16 = 255 * tallest <= 0xFFFF, narrow = 255 * tallest * widest < (1ll << 31);
    WithPixelType(from, [&](auto sourceType) {
        using S = decltype(sourceType);
        WithPixelType(to, [&](auto targetType) {
            using D = decltype(targetType);
            // A pixel from its averages, through the channel map.
            auto mapped = [&pack](const Lanes& c) {
                return static_cast<D>(pack(static_cast<std::uint32_t>(c[2]), static_cast<std::uint32_t>(c[1]),
                                           static_cast<std::uint32_t>(c[0])));
            };
            auto blurRows = [&](auto columnType, auto sumType, auto divide, auto pixelOf) {
                using Column = decltype(columnType);
                using Sum = decltype(sumType);
                // Column a's sums at a - clo.
                std::vector<Column> columns(static_cast<std::size_t>(chi - clo), Column{});
                // Row b of the rectangle on the picture.
                auto pictureRow = [&](int b) { return reinterpret_cast<const S*>(picture.Row(sy + b)); };
                // Adds one row (or none) to the columns and takes one (or none) away.
                auto update = [&](const S* plus, const S* minus) {
                    int a = clo;
                    if constexpr (sizeof(S) == 4) {
                        if (split.Bytewise())
                            for (; a + 4 <= chi; a += 4) {
                                Columns16 more[2] = {}, less[2] = {};
                                if (plus) split.Four(plus + (sx + a), more);
                                if (minus) split.Four(minus + (sx + a), less);
                                Column* at = &columns[static_cast<std::size_t>(a - clo)];
                                Accumulate2(at, more[0], less[0]);
                                Accumulate2(at + 2, more[1], less[1]);
                            }
                    } else if constexpr (sizeof(S) == 2) {
                        for (; a + 8 <= chi; a += 8) {
                            Columns16 more[4] = {}, less[4] = {};
                            if (plus) split.Eight(plus + (sx + a), more);
                            if (minus) split.Eight(minus + (sx + a), less);
                            Column* at = &columns[static_cast<std::size_t>(a - clo)];
                            for (int k = 0; k < 4; ++k) Accumulate2(at + 2 * k, more[k], less[k]);
                        }
                    }
                    for (; a < chi; ++a)
                        Accumulate(columns[static_cast<std::size_t>(a - clo)],
                                   plus ? split(plus[sx + a]) : Column16{},
                                   minus ? split(minus[sx + a]) : Column16{});
                };
                std::vector<Sum> sums(static_cast<std::size_t>(i1 - i0));
                // Centres on the source, for transparent = 1.
                const int ci0 = static_cast<int>(std::clamp(-static_cast<long long>(sx), wideI0, wideI1)),
                          ci1 = static_cast<int>(std::clamp(static_cast<long long>(picture.Width()) - sx,
                                                            static_cast<long long>(ci0), wideI1));
                // The window's rows so far: [top, bottom).
                int top = std::clamp(j0 - ry, rlo, rhi), bottom = top;
                for (int j = j0; j < j1; ++j) {
                    // From ry up to one short of ry down, of the rows that add anything.
                    const int newTop = std::clamp(j - ry, rlo, rhi),
                              newBottom = static_cast<int>(
                                  std::clamp<long long>(j + static_cast<long long>(ry), rlo, rhi));
                    for (; bottom < newBottom && top < newTop; ++bottom, ++top)
                        update(pictureRow(bottom), pictureRow(top));
                    for (; bottom < newBottom; ++bottom) update(pictureRow(bottom), nullptr);
                    for (; top < newTop; ++top) update(nullptr, pictureRow(top));
                    const long long v = static_cast<long long>(sy) + j;
                    if (transparent == 1 && (v < 0 || v >= picture.Height()))
                        continue; // no centre on the source
                    const S* centres = transparent == 1
                                           ? reinterpret_cast<const S*>(picture.Row(static_cast<int>(v)))
                                           : nullptr;
                    D* out = reinterpret_cast<D*>(d.Row(y + j));
                    // The window's sums of pixel i0, then step by step of
                    // each pixel after it: column i + rx - 1 comes in and
                    // column i - rx - 1 goes out, where they lie in [clo, chi).
                    Sum sum{};
                    for (int a = std::max(i0 - rx, clo);
                         a < std::min<long long>(i0 + static_cast<long long>(rx), chi); ++a)
                        sum += Widen(columns[static_cast<std::size_t>(a - clo)]);
                    sums[0] = sum;
                    // (Pointers and counts of their own: the stores could
                    // otherwise be taken to change the captured bounds.)
                    auto steps = [&](auto enters, auto leaves, int from, int to) {
                        const Column* in = nullptr;
                        const Column* gone = nullptr;
                        if constexpr (decltype(enters)::value)
                            in = columns.data() + (static_cast<std::ptrdiff_t>(from) + rx - 1 - clo);
                        if constexpr (decltype(leaves)::value)
                            gone = columns.data() + (static_cast<std::ptrdiff_t>(from) - rx - 1 - clo);
                        Sum* at = sums.data() + (from - i0);
                        Sum here = sum;
                        for (int n = to - from; n > 0; --n) {
                            if constexpr (decltype(enters)::value) here += Widen(*in++);
                            if constexpr (decltype(leaves)::value) here -= Widen(*gone++);
                            *at++ = here;
                        }
                        sum = here;
                    };
                    for (int from = i0 + 1; from < i1;) {
                        // The stretch from `from` on where the same columns lie in [clo, chi).
                        const long long f = from;
                        const bool enters = f + rx - 1 >= clo && f + rx - 1 < chi;
                        const bool leaves = f - rx - 1 >= clo && f - rx - 1 < chi;
                        long long to = i1;
                        for (long long edge :
                             {static_cast<long long>(clo) - rx + 1, static_cast<long long>(chi) - rx + 1,
                              static_cast<long long>(clo) + rx + 1, static_cast<long long>(chi) + rx + 1})
                            if (edge > f) to = std::min(to, edge);
                        const int end = static_cast<int>(to);
                        using Yes = std::true_type;
                        using No = std::false_type;
                        if (enters && leaves)
                            steps(Yes{}, Yes{}, from, end);
                        else if (enters)
                            steps(Yes{}, No{}, from, end);
                        else if (leaves)
                            steps(No{}, Yes{}, from, end);
                        else
                            steps(No{}, No{}, from, end);
                        from = end;
                    }
                    // The averages of the pixels with opaque pixels in their
                    // windows (and, for transparent = 1, opaque centres).
                    auto finish = [&](auto keyed, int from, int to) {
                        const Sum* here = sums.data() + (from - i0);
                        const S* centre = centres ? centres + (sx + from) : nullptr;
                        D* target = out + (x + from);
                        auto quotients = divide;
                        for (int n = 0; n < to - from; ++n) {
                            if (here[n][3] == 0) continue;
                            if constexpr (decltype(keyed)::value)
                                if (clear(centre[n])) continue;
                            target[n] = static_cast<D>(pixelOf(quotients(here[n])));
                        }
                    };
                    if (centres)
                        finish(std::true_type{}, ci0, ci1);
                    else
                        finish(std::false_type{}, i0, i1);
                }
            };
            auto blurAll = [&](auto pixelOf) {
                const long long window = tallest * widest;
                if (narrow && window <= kFloatWindow) {
                    const std::vector<float> inverse = cFloatQuotients::Inverses(window);
                    const cFloatQuotients divide(inverse.data());
                    if (short16)
                        blurRows(Column16{}, Lanes{}, divide, pixelOf);
                    else
                        blurRows(Lanes{}, Lanes{}, divide, pixelOf);
                } else if (narrow) {
                    blurRows(Lanes{}, Lanes{}, cDoubleQuotients{}, pixelOf);
                } else {
                    blurRows(Lanes{}, cWideLanes{}, cDoubleQuotients{}, pixelOf);
                }
            };
            if constexpr (sizeof(S) == 4 && sizeof(D) == 4) {
                // 8-bit channels in the low three bytes of both go straight across.
                if (split.Bytewise() && cColumnSplit(to, cTransparentTest(d)).Bytewise()) {
                    const std::uint32_t alpha = pack(0, 0, 0);
                    blurAll([alpha](const Lanes& c) { return (Bytes4(c) & 0x00FFFFFFu) | alpha; });
                    return;
                }
            }
            blurAll(mapped);
        });
    });
    px.Written();
    return 1;
}
