#include "platform/Direct3DRaster.h"

#include "platform/PixelRows.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace {

inline int Mul255(int a, int b) {
    return (a * b + 127) / 255;
}

struct Channels {
    int a, r, g, b;
};

inline Channels Split(std::uint32_t c) {
    return {ArgbA(c), ArgbR(c), ArgbG(c), ArgbB(c)};
}

inline int Op(DWORD op, int x, int y) {
    switch (op) {
    case D3DTOP_SELECTARG1:
        return x;
    case D3DTOP_SELECTARG2:
        return y;
    case D3DTOP_MODULATE:
        return Mul255(x, y);
    case D3DTOP_MODULATE2X: // the exact product scaled, then rounded once
        return std::min(255, (x * y * 2 + 127) / 255);
    case D3DTOP_MODULATE4X:
        return std::min(255, (x * y * 4 + 127) / 255);
    case D3DTOP_ADD:
        return std::min(255, x + y);
    case D3DTOP_ADDSIGNED:
        return std::clamp(x + y - 128, 0, 255);
    case D3DTOP_SUBTRACT:
        return std::max(0, x - y);
    default:
        return Mul255(x, y);
    }
}

inline std::uint32_t Arg(DWORD which, std::uint32_t tex, std::uint32_t diffuse, std::uint32_t factor) {
    switch (which & 0xF) {
    case D3DTA_TEXTURE:
        return tex;
    case D3DTA_TFACTOR:
        return factor;
    default:
        return diffuse; // diffuse, and "current" at stage 0
    }
}

// The weight of the blending operations: the alpha of diffuse, texture or factor.
inline int BlendWeight(DWORD op, std::uint32_t tex, std::uint32_t diffuse, std::uint32_t factor) {
    switch (op) {
    case D3DTOP_BLENDDIFFUSEALPHA:
        return ArgbA(diffuse);
    case D3DTOP_BLENDTEXTUREALPHA:
        return ArgbA(tex);
    case D3DTOP_BLENDFACTORALPHA:
        return ArgbA(factor);
    default:
        return -1;
    }
}

inline int OpWeighted(DWORD op, int weight, int x, int y) {
    return weight < 0 ? Op(op, x, y) : Mul255(x, weight) + Mul255(y, 255 - weight);
}

inline Channels Combine(const RasterState& s, std::uint32_t tex, std::uint32_t diffuse) {
    if (s.colorOp == D3DTOP_DISABLE) return Split(diffuse);
    Channels x = Split(Arg(s.colorArg1, tex, diffuse, s.textureFactor));
    Channels y = Split(Arg(s.colorArg2, tex, diffuse, s.textureFactor));
    const int cw = BlendWeight(s.colorOp, tex, diffuse, s.textureFactor);
    Channels out{0, OpWeighted(s.colorOp, cw, x.r, y.r), OpWeighted(s.colorOp, cw, x.g, y.g),
                 OpWeighted(s.colorOp, cw, x.b, y.b)};
    if (s.alphaOp == D3DTOP_DISABLE) {
        out.a = ArgbA(diffuse);
    } else {
        int ax = ArgbA(Arg(s.alphaArg1, tex, diffuse, s.textureFactor));
        int ay = ArgbA(Arg(s.alphaArg2, tex, diffuse, s.textureFactor));
        out.a = OpWeighted(s.alphaOp, BlendWeight(s.alphaOp, tex, diffuse, s.textureFactor), ax, ay);
    }
    return out;
}

// Blend factor for one channel; `c` is the channel's own value for the colour factors.
inline int Factor(DWORD f, const Channels& src, const Channels& dst, int srcC, int dstC) {
    switch (f) {
    case D3DBLEND_ZERO:
        return 0;
    case D3DBLEND_ONE:
        return 255;
    case D3DBLEND_SRCCOLOR:
        return srcC;
    case D3DBLEND_INVSRCCOLOR:
        return 255 - srcC;
    case D3DBLEND_SRCALPHA:
        return src.a;
    case D3DBLEND_INVSRCALPHA:
        return 255 - src.a;
    case D3DBLEND_DESTALPHA:
        return dst.a;
    case D3DBLEND_INVDESTALPHA:
        return 255 - dst.a;
    case D3DBLEND_DESTCOLOR:
        return dstC;
    case D3DBLEND_INVDESTCOLOR:
        return 255 - dstC;
    default:
        return 255;
    }
}

inline int BlendOne(const RasterState& s, const Channels& src, const Channels& dst, int sc, int dc) {
    return std::min(255, Mul255(sc, Factor(s.srcBlend, src, dst, sc, dc)) +
                             Mul255(dc, Factor(s.destBlend, src, dst, sc, dc)));
}

// Texel index for a texture coordinate (in texels) with sub-texel snapping.
inline int TexelIndex(double t, int size, DWORD address) {
    double snapped = std::floor(t * 256.0 + 0.5) / 256.0;
    long long i = static_cast<long long>(std::floor(snapped));
    if (address == D3DTADDRESS_CLAMP) return static_cast<int>(std::clamp<long long>(i, 0, size - 1));
    long long m = i % size;
    return static_cast<int>(m < 0 ? m + size : m);
}

inline std::uint32_t LerpColor(std::uint32_t a, std::uint32_t b, double f) {
    if (a == b) return a;
    auto mix = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
    return MakeArgb(mix(ArgbA(a), ArgbA(b)), mix(ArgbR(a), ArgbR(b)), mix(ArgbG(a), ArgbG(b)),
                    mix(ArgbB(a), ArgbB(b)));
}

// Whether a texture stage operation reads the texture.
bool ReadsTexture(DWORD op, DWORD arg1, DWORD arg2) {
    const bool one = (arg1 & 0xF) == D3DTA_TEXTURE, two = (arg2 & 0xF) == D3DTA_TEXTURE;
    switch (op) {
    case D3DTOP_DISABLE:
        return false;
    case D3DTOP_SELECTARG1:
        return one;
    case D3DTOP_SELECTARG2:
        return two;
    case D3DTOP_BLENDTEXTUREALPHA:
        return true;
    default:
        return one || two;
    }
}

// What Shade writes for the colour `src` whatever the target holds, where the
// blend doesn't read the target: no blending, or factors that take none of
// the target's colour and don't depend on it. Nothing otherwise.
std::optional<std::uint32_t> TargetFreeColour(const RasterState& s, const Channels& src) {
    if (!s.blend) return MakeArgb(src.a, src.r, src.g, src.b);
    auto readsTarget = [](DWORD f) {
        return f == D3DBLEND_DESTALPHA || f == D3DBLEND_INVDESTALPHA || f == D3DBLEND_DESTCOLOR ||
               f == D3DBLEND_INVDESTCOLOR;
    };
    if (readsTarget(s.srcBlend) || readsTarget(s.destBlend)) return std::nullopt;
    const Channels none{0, 0, 0, 0};
    for (int c : {src.a, src.r, src.g, src.b})
        if (Factor(s.destBlend, src, none, c, 0) != 0) return std::nullopt;
    return MakeArgb(BlendOne(s, src, none, src.a, 0), BlendOne(s, src, none, src.r, 0),
                    BlendOne(s, src, none, src.g, 0), BlendOne(s, src, none, src.b, 0));
}

// Combines, blends and writes one covered pixel.
void Shade(cSurface& target, int px, int py, std::uint32_t tex, std::uint32_t diffuse,
           const RasterState& state) {
    const PixelFormat dstFmt = target.Format();
    Channels src = Combine(state, tex, diffuse);
    std::uint32_t out;
    if (!state.blend) {
        out = MakeArgb(src.a, src.r, src.g, src.b);
    } else if (state.srcBlend == D3DBLEND_SRCALPHA && state.destBlend == D3DBLEND_INVSRCALPHA && src.a == 0) {
        return; // fully transparent: the target stays as it is
    } else {
        Channels dst = Split(UnpackToArgb(dstFmt, target.Get(px, py)));
        out = MakeArgb(BlendOne(state, src, dst, src.a, dst.a), BlendOne(state, src, dst, src.r, dst.r),
                       BlendOne(state, src, dst, src.g, dst.g), BlendOne(state, src, dst, src.b, dst.b));
    }
    target.Set(px, py, PackArgb(dstFmt, out));
}

double Edge(const RasterVertex& a, const RasterVertex& b, double px, double py) {
    return (static_cast<double>(b.x) - a.x) * (py - a.y) - (static_cast<double>(b.y) - a.y) * (px - a.x);
}

// A pixel centre on an edge belongs to the triangle on one side only, so two
// triangles sharing an edge never both draw it.
bool Owns(const RasterVertex& a, const RasterVertex& b, double w) {
    if (w != 0) return w > 0;
    double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    return dy > 0 || (dy == 0 && dx < 0);
}

// Any triangle: coverage by edge functions at pixel centres, texture
// coordinates and colour interpolated across it.
void RasterTriangle(cSurface& target, const cSurface* texture, RasterVertex a, RasterVertex b, RasterVertex c,
                    const RasterState& state) {
    double area = Edge(a, b, c.x, c.y);
    if (area == 0) return;
    if (area < 0) {
        std::swap(b, c);
        area = -area;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int x1 = std::min(target.Width() - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int y1 = std::min(target.Height() - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    const int texW = texture ? texture->Width() : 1, texH = texture ? texture->Height() : 1;
    for (int py = y0; py <= y1; ++py) {
        for (int px = x0; px <= x1; ++px) {
            double wa = Edge(b, c, px, py), wb = Edge(c, a, px, py), wc = Edge(a, b, px, py);
            if (!Owns(b, c, wa) || !Owns(c, a, wb) || !Owns(a, b, wc)) continue;
            wa /= area;
            wb /= area;
            wc /= area;
            std::uint32_t tex = 0xFF000000u;
            if (texture) {
                double u = wa * a.u + wb * b.u + wc * c.u, v = wa * a.v + wb * b.v + wc * c.v;
                tex =
                    UnpackToArgb(texture->Format(), texture->Get(TexelIndex(u * texW, texW, state.addressU),
                                                                 TexelIndex(v * texH, texH, state.addressV)));
            }
            std::uint32_t diffuse = a.diffuse;
            if (a.diffuse != b.diffuse || a.diffuse != c.diffuse) {
                auto mix = [&](int (*ch)(std::uint32_t)) {
                    return static_cast<int>(
                        std::lround(wa * ch(a.diffuse) + wb * ch(b.diffuse) + wc * ch(c.diffuse)));
                };
                diffuse = MakeArgb(mix(ArgbA), mix(ArgbR), mix(ArgbG), mix(ArgbB));
            }
            Shade(target, px, py, tex, diffuse, state);
        }
    }
}

// A 16-bit pixel into another 16-bit format, as PackArgb(to, UnpackToArgb(from, v))
// would give it, by a table per channel.
struct Convert16 {
    std::uint16_t r[64] = {}, g[64] = {}, b[64] = {};
    FormatMasks from;
    bool alphaFrom = false, alphaTo = false;
    bool to565 = false; // the same as pixelrows::To565, which converts several pixels at a time

    std::uint16_t Apply(std::uint32_t v) const {
        std::uint32_t out = r[(v >> from.rShift) & static_cast<std::uint32_t>(from.rMax)] |
                            g[(v >> from.gShift) & static_cast<std::uint32_t>(from.gMax)] |
                            b[(v >> from.bShift) & static_cast<std::uint32_t>(from.bMax)];
        if (alphaTo && (!alphaFrom || (v & 0x8000u))) out |= 0x8000u;
        return static_cast<std::uint16_t>(out);
    }
};

Convert16 MakeConvert16(PixelFormat from, PixelFormat to) {
    Convert16 c;
    c.from = MasksOf(from);
    const FormatMasks t = MasksOf(to);
    auto fill = [](std::uint16_t* table, int fromMax, int toMax, int toShift) {
        for (int v = 0; v <= fromMax; ++v)
            table[v] = static_cast<std::uint16_t>(NarrowChannel(WidenChannel(v, fromMax), toMax) << toShift);
    };
    fill(c.r, c.from.rMax, t.rMax, t.rShift);
    fill(c.g, c.from.gMax, t.gMax, t.gShift);
    fill(c.b, c.from.bMax, t.bMax, t.bShift);
    c.alphaFrom = HasAlpha(from);
    c.alphaTo = HasAlpha(to);
    c.to565 = to == PixelFormat::R5G6B5 && from != PixelFormat::R5G6B5;
    for (std::uint32_t v = 0; v < 0x8000u && c.to565; ++v)
        c.to565 = c.Apply(v) == pixelrows::To565(static_cast<std::uint16_t>(v));
    return c;
}

// The tables of every pair of 16-bit formats, made once.
const Convert16& Converter16(PixelFormat from, PixelFormat to) {
    static constexpr PixelFormat kFormats[3] = {PixelFormat::R5G6B5, PixelFormat::X1R5G5B5,
                                                PixelFormat::A1R5G5B5};
    static const auto tables = [] {
        std::array<Convert16, 9> t{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) t[i * 3 + j] = MakeConvert16(kFormats[i], kFormats[j]);
        return t;
    }();
    auto index = [](PixelFormat f) {
        for (int i = 0; i < 3; ++i)
            if (kFormats[i] == f) return i;
        return 0;
    };
    return tables[index(from) * 3 + index(to)];
}

// A texel blended over the target's pixel by the blend states.
std::uint32_t BlendTexel(const RasterState& state, PixelFormat texFmt, std::uint32_t v, PixelFormat dstFmt,
                         std::uint32_t old) {
    Channels src = Split(UnpackToArgb(texFmt, v));
    Channels dst = Split(UnpackToArgb(dstFmt, old));
    return PackArgb(
        dstFmt, MakeArgb(BlendOne(state, src, dst, src.a, dst.a), BlendOne(state, src, dst, src.r, dst.r),
                         BlendOne(state, src, dst, src.g, dst.g), BlendOne(state, src, dst, src.b, dst.b)));
}

// What the texture drawn as it is does with one texel: opaque texels (and
// every texel without blending) are stored in the target's format,
// transparent ones skipped, half-transparent ones blended.
struct DirectRule {
    enum Action { kSkip, kWrite, kBlend };
    PixelFormat texFmt, dstFmt;
    const RasterState* state;
    bool alpha;               // the texture has an alpha channel
    bool wide;                // 32-bit texels
    bool opaqueTarget;        // X8R8G8B8 target: stored with alpha 255
    const Convert16* convert; // 16-bit formats that differ, else null

    Action Pixel(std::uint32_t v, std::uint32_t* out) const {
        const bool opaque = !alpha || (wide ? (v >> 24) == 255 : (v & 0x8000u) != 0);
        const bool clear = alpha && (wide ? (v >> 24) == 0 : (v & 0x8000u) == 0);
        if (state->blend && clear) return kSkip;
        if (!opaque && state->blend) return kBlend;
        *out = convert ? convert->Apply(v) : opaqueTarget ? v | 0xFF000000u : v;
        return kWrite;
    }
};

// One row of the direct path on typed pointers, with the usual cases unrolled
// from the rule.
template <class T> void DirectRow(T* to, const T* from, int n, const DirectRule& rule) {
    const bool blend = rule.state->blend;
    if constexpr (sizeof(T) == 2) {
        const bool to565 = rule.convert && rule.convert->to565;
        if (blend && rule.alpha && (!rule.convert || to565)) { // one alpha bit: drawn or not
            if (to565)
                pixelrows::AlphaBitRow<true>(to, from, n);
            else
                pixelrows::AlphaBitRow<false>(to, from, n);
            return;
        }
        if ((!blend || !rule.alpha) && to565) {
            pixelrows::To565Row(to, from, n);
            return;
        }
    } else {
        if (blend && rule.alpha) { // alpha 255 drawn, 0 skipped, else blended
            pixelrows::AlphaRow32(to, from, n, rule.opaqueTarget ? 0xFF000000u : 0u,
                                  [&rule](std::uint32_t v, std::uint32_t old) {
                                      return BlendTexel(*rule.state, rule.texFmt, v, rule.dstFmt, old);
                                  });
            return;
        }
    }
    if (!blend && !rule.convert && !rule.opaqueTarget) {
        std::memcpy(to, from, static_cast<std::size_t>(n) * sizeof(T));
        return;
    }
    for (int i = 0; i < n; ++i) {
        std::uint32_t out = 0;
        switch (rule.Pixel(from[i], &out)) {
        case DirectRule::kSkip:
            break;
        case DirectRule::kWrite:
            to[i] = static_cast<T>(out);
            break;
        case DirectRule::kBlend:
            to[i] = static_cast<T>(BlendTexel(*rule.state, rule.texFmt, from[i], rule.dstFmt, to[i]));
            break;
        }
    }
}

// True when covered pixels first..last-1 take texels t0, t0 + 1, ... exactly
// as TexelIndex picks them: the texture drawn unscaled and unwrapped. The
// coordinate is affine in the pixel, so checking the two ends is enough: with
// the first centre within a quarter texel of its texel's middle and a drift
// from one texel per pixel under 0.2 texel over the whole span, every centre
// stays well inside its own texel, clear of the 1/256 snapping too.
template <class F> bool UnitSteps(F texel, int first, int last, int size, int* t0) {
    const double a = texel(first), b = texel(last - 1);
    const double base = std::floor(a), frac = a - base;
    if (frac < 0.25 || frac > 0.75 || std::abs((b - a) - (last - 1 - first)) >= 0.2) return false;
    if (base < 0 || base + (last - first) > size) return false;
    *t0 = static_cast<int>(base);
    return true;
}

} // namespace

HRESULT RasterQuad(cSurface& target, const cSurface* texture, const RasterVertex (&v)[4],
                   const RasterState& state) {
    float xMin = std::min({v[0].x, v[1].x, v[2].x, v[3].x}),
          xMax = std::max({v[0].x, v[1].x, v[2].x, v[3].x});
    float yMin = std::min({v[0].y, v[1].y, v[2].y, v[3].y}),
          yMax = std::max({v[0].y, v[1].y, v[2].y, v[3].y});
    // Corner lookup: which vertex sits at each corner of the rectangle.
    const RasterVertex* tl = nullptr;
    const RasterVertex* tr = nullptr;
    const RasterVertex* bl = nullptr;
    const RasterVertex* br = nullptr;
    for (const RasterVertex& p : v) {
        bool left = p.x == xMin, right = p.x == xMax, top = p.y == yMin, bottom = p.y == yMax;
        if (!(left || right) || !(top || bottom)) break;
        if (left && top && !tl)
            tl = &p;
        else if (right && top && !tr)
            tr = &p;
        else if (left && bottom && !bl)
            bl = &p;
        else if (right && bottom && !br)
            br = &p;
    }
    // Anything but an axis-aligned rectangle with axis-aligned texture
    // coordinates (a rotated picture, say) is drawn as its two triangles.
    if (!tl || !tr || !bl || !br || tl->u != bl->u || tr->u != br->u || tl->v != tr->v || bl->v != br->v) {
        RasterTriangle(target, texture, v[0], v[1], v[2], state);
        RasterTriangle(target, texture, v[1], v[3], v[2], state);
        return D3D_OK;
    }
    if (!(xMax > xMin) || !(yMax > yMin)) return D3D_OK; // nothing covered
    // Covered pixel centres: xMin <= px < xMax (top-left rule).
    int x0 = std::max(0, static_cast<int>(std::ceil(xMin)));
    int x1 = std::min(target.Width(), static_cast<int>(std::ceil(xMax)));
    int y0 = std::max(0, static_cast<int>(std::ceil(yMin)));
    int y1 = std::min(target.Height(), static_cast<int>(std::ceil(yMax)));
    if (x0 >= x1 || y0 >= y1) return D3D_OK;
    const bool flatDiffuse =
        tl->diffuse == tr->diffuse && tl->diffuse == bl->diffuse && tl->diffuse == br->diffuse;
    const PixelFormat dstFmt = target.Format();

    // One colour that reads neither the texture nor the target (a clear, a
    // solid fill): every covered pixel gets what Shade would give it, filled
    // row by row.
    if (flatDiffuse && !(texture && (ReadsTexture(state.colorOp, state.colorArg1, state.colorArg2) ||
                                     (state.colorOp != D3DTOP_DISABLE &&
                                      ReadsTexture(state.alphaOp, state.alphaArg1, state.alphaArg2))))) {
        const Channels src = Combine(state, 0xFF000000u, tl->diffuse);
        if (state.blend && state.srcBlend == D3DBLEND_SRCALPHA && state.destBlend == D3DBLEND_INVSRCALPHA &&
            src.a == 0)
            return D3D_OK; // fully transparent: nothing changes
        if (const std::optional<std::uint32_t> out = TargetFreeColour(state, src)) {
            target.FillRect(x0, y0, x1 - x0, y1 - y0, PackArgb(dstFmt, *out));
            return D3D_OK;
        }
    }

    const int texW = texture ? texture->Width() : 1, texH = texture ? texture->Height() : 1;
    const PixelFormat texFmt = texture ? texture->Format() : PixelFormat::Unknown;
    const double spanX = static_cast<double>(xMax) - xMin, spanY = static_cast<double>(yMax) - yMin;
    // Texture coordinate, in texels, at the centre of pixel column px and of pixel row py.
    auto texelU = [&](int px) {
        return (tl->u + (static_cast<double>(tr->u) - tl->u) * ((px - static_cast<double>(xMin)) / spanX)) *
               texW;
    };
    auto texelV = [&](int py) {
        return (tl->v + (static_cast<double>(bl->v) - tl->v) * ((py - static_cast<double>(yMin)) / spanY)) *
               texH;
    };
    // The common case: the texture drawn as it is (white vertices, the stage
    // passing the texture through) with ordinary alpha blending or none. Opaque
    // texels are then copied as they are stored, transparent ones skipped.
    auto passesTexture = [&](DWORD op, DWORD arg1, DWORD arg2, bool alpha) {
        const int white = alpha ? ArgbA(tl->diffuse) : (tl->diffuse & 0xFFFFFF) == 0xFFFFFF ? 255 : 0;
        if ((arg1 & 0xF) != D3DTA_TEXTURE) return false;
        if (op == D3DTOP_SELECTARG1) return true;
        return op == D3DTOP_MODULATE && (arg2 & 0xF) != D3DTA_TEXTURE && (arg2 & 0xF) != D3DTA_TFACTOR &&
               white == 255;
    };
    const bool sameStorage =
        texFmt == dstFmt || (texFmt == PixelFormat::A8R8G8B8 && dstFmt == PixelFormat::X8R8G8B8);
    const bool both16 = BytesPerPixel(texFmt) == 2 && BytesPerPixel(dstFmt) == 2;
    const bool ordinaryBlend =
        !state.blend || (state.srcBlend == D3DBLEND_SRCALPHA && state.destBlend == D3DBLEND_INVSRCALPHA);
    const bool direct = texture && flatDiffuse && (sameStorage || both16) && ordinaryBlend &&
                        passesTexture(state.colorOp, state.colorArg1, state.colorArg2, false) &&
                        passesTexture(state.alphaOp, state.alphaArg1, state.alphaArg2, true);
    const DirectRule rule{texFmt,
                          dstFmt,
                          &state,
                          HasAlpha(texFmt),
                          BytesPerPixel(texFmt) == 4,
                          dstFmt == PixelFormat::X8R8G8B8,
                          sameStorage ? nullptr : &Converter16(texFmt, dstFmt)};
    int u0 = 0, v0 = 0;
    if (direct && UnitSteps(texelU, x0, x1, texW, &u0) && UnitSteps(texelV, y0, y1, texH, &v0)) {
        // Drawn unscaled: texel rows straight into pixel rows.
        for (int j = 0; j < y1 - y0; ++j) {
            if (rule.wide)
                DirectRow(reinterpret_cast<std::uint32_t*>(target.Row(y0 + j)) + x0,
                          reinterpret_cast<const std::uint32_t*>(texture->Row(v0 + j)) + u0, x1 - x0, rule);
            else
                DirectRow(reinterpret_cast<std::uint16_t*>(target.Row(y0 + j)) + x0,
                          reinterpret_cast<const std::uint16_t*>(texture->Row(v0 + j)) + u0, x1 - x0, rule);
        }
        return D3D_OK;
    }

    // Texel column of every covered pixel column.
    thread_local std::vector<int> texX;
    texX.resize(static_cast<std::size_t>(x1 - x0));
    for (int px = x0; px < x1; ++px) texX[px - x0] = TexelIndex(texelU(px), texW, state.addressU);
    if (direct) {
        for (int py = y0; py < y1; ++py) {
            const int ty = TexelIndex(texelV(py), texH, state.addressV);
            for (int px = x0; px < x1; ++px) {
                std::uint32_t out = 0;
                const std::uint32_t v = texture->Get(texX[px - x0], ty);
                switch (rule.Pixel(v, &out)) {
                case DirectRule::kSkip:
                    break;
                case DirectRule::kWrite:
                    target.Set(px, py, out);
                    break;
                case DirectRule::kBlend:
                    target.Set(px, py, BlendTexel(state, texFmt, v, dstFmt, target.Get(px, py)));
                    break;
                }
            }
        }
        return D3D_OK;
    }

    for (int py = y0; py < y1; ++py) {
        const double fy = (py - static_cast<double>(yMin)) / spanY;
        const int ty = TexelIndex(texelV(py), texH, state.addressV);
        for (int px = x0; px < x1; ++px) {
            std::uint32_t tex = texture ? UnpackToArgb(texFmt, texture->Get(texX[px - x0], ty)) : 0xFF000000u;
            std::uint32_t diffuse = tl->diffuse;
            if (!flatDiffuse) {
                const double fx = (px - static_cast<double>(xMin)) / spanX;
                diffuse = LerpColor(LerpColor(tl->diffuse, tr->diffuse, fx),
                                    LerpColor(bl->diffuse, br->diffuse, fx), fy);
            }
            Shade(target, px, py, tex, diffuse, state);
        }
    }
    return D3D_OK;
}
