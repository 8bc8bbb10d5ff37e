// The effects computed pixel by pixel, on both faces and both true-colour
// depths: each target is compared with what the effect's rule gives for the
// source's stored pixels.
#include "EffectFixture.h"

#include "graphics/Effects.h"
#include "graphics/GraphicsGlobals.h"

#include <cmath>
#include <limits>

namespace {

class PixelEffects : public EffectFaces {
protected:
    void SetUp() override {
        EffectFaces::SetUp();
        if (d3d) {
            // The CPU's rules work on the system-memory copy of a texture; a
            // texture in the device's memory is drawn by the device (below).
            DDReleaseSurface(&pic);
            ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 1, bpp, 0, DTMEMORYTYPE_SYSTEM, 0, 0, 0, 0, 0),
                      0);
        }
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) want[y][x] = At(dst, x, y);
    }
    std::uint32_t Source(int x, int y) const { return At(pic, x, y); }
    // Channel n (0 red, 1 green, 2 blue) of a stored pixel, and the channel's maximum.
    int Channel(std::uint32_t p, int n) const {
        const FormatMasks m = MasksOf(Format());
        const int shift[3] = {m.rShift, m.gShift, m.bShift};
        return static_cast<int>((p >> shift[n]) & static_cast<std::uint32_t>(Max(n)));
    }
    int Max(int n) const {
        const FormatMasks m = MasksOf(Format());
        return n == 0 ? m.rMax : n == 1 ? m.gMax : m.bMax;
    }
    std::uint32_t Pack(const int c[3]) const {
        const FormatMasks m = MasksOf(Format());
        std::uint32_t p = (static_cast<std::uint32_t>(c[0]) << m.rShift) |
                          (static_cast<std::uint32_t>(c[1]) << m.gShift) |
                          (static_cast<std::uint32_t>(c[2]) << m.bShift);
        if (d3d) p |= static_cast<std::uint32_t>(m.aMax) << m.aShift;
        return p;
    }
    void Check() {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) EXPECT_EQ(At(dst, x, y), want[y][x]) << "pixel " << x << "," << y;
    }
    void Expect(int x, int y, std::uint32_t p) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) want[y][x] = p;
    }

    // A blur of strength 1 drawn at (x0, y0): each opaque source pixel becomes
    // the average of itself and its opaque left, upper and upper-left neighbours.
    void ExpectBlur(int x0, int y0) {
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) {
                if (Clear(i, j)) continue;
                int sum[3] = {}, count = 0;
                for (int b = -1; b <= 0; ++b)
                    for (int a = -1; a <= 0; ++a) {
                        const int u = i + a, v = j + b;
                        if (u < 0 || v < 0 || Clear(u, v)) continue;
                        for (int n = 0; n < 3; ++n) sum[n] += Channel(Source(u, v), n);
                        ++count;
                    }
                int c[3];
                for (int n = 0; n < 3; ++n) c[n] = sum[n] / count;
                Expect(x0 + i, y0 + j, Pack(c));
            }
    }

    std::uint32_t want[kSize][kSize];
};

TEST_P(PixelEffects, RotationByNothingPutsThePivotOnThePoint) {
    EXPECT_EQ(DDBltRotate(&dst, 5, 5, 4, 4, 2, 2, 0, &pic, 0, 0, 1), 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u)
            if (!Clear(u, v)) Expect(3 + u, 3 + v, Source(u, v));
    Check();
}

TEST_P(PixelEffects, RotationByAQuarterTurn) {
    DDBltRotate(&dst, 6, 6, 4, 4, 2, 2, 90, &pic, 0, 0, 1);
    // sin 1024, cos 0: the target point (dx, dy) from the pivot shows source (2 + dy, 2 - dx).
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int u = 2 + dy, v = 2 - dx;
            if (u >= 0 && u < 4 && v >= 0 && v < 4 && !Clear(u, v)) Expect(6 + dx, 6 + dy, Source(u, v));
        }
    Check();
}

TEST_P(PixelEffects, LensReadsFromTheCentreOutward) {
    // r 3, k 4: R 5; each point (dx, dy) reads (dx, dy) * k / sqrt(R^2 - dx^2 - dy^2), rounded by + 0.5.
    DDBltRadial(&dst, 6, 6, 3, 4, &pic, 2, 2, 1, 0);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            if (dx * dx + dy * dy > 9) continue;
            const double depth = std::sqrt(25.0 - dx * dx - dy * dy);
            const int u = 2 + static_cast<int>(dx * 4 / depth + 0.5),
                      v = 2 + static_cast<int>(dy * 4 / depth + 0.5);
            if (u >= 0 && u < 4 && v >= 0 && v < 4 && !Clear(u, v)) Expect(6 + dx, 6 + dy, Source(u, v));
        }
    Check();
    // Radius 0, or a strength the radius adds nothing to, draws nothing.
    DDBltRadial(&dst, 6, 6, 0, 4, &pic, 2, 2, 1, 0);
    DDBltRadial(&dst, 6, 6, 2, 4, &pic, 2, 2, 1, 0);
    Check();
}

TEST_P(PixelEffects, AStrengthFarBeyondTheRadiusShowsThePictureAsItIs) {
    // The sphere's radius, sqrt(r^2 + k^2), is past the int range; the depth
    // under each point is then as good as k, and each point reads itself or
    // its neighbour toward the centre (the rounding by + 0.5).
    constexpr int k = std::numeric_limits<int>::max();
    EXPECT_EQ(DDBltRadial(&dst, 6, 6, 100000, k, &pic, 2, 2, 1, 0), 1);
    const double big = std::floor(std::sqrt(1e10 + double(k) * k));
    for (int dy = -6; dy < kSize - 6; ++dy)
        for (int dx = -6; dx < kSize - 6; ++dx) {
            const double depth = std::sqrt(big * big - dx * dx - dy * dy);
            const int u = 2 + static_cast<int>(dx * double(k) / depth + 0.5),
                      v = 2 + static_cast<int>(dy * double(k) / depth + 0.5);
            if (u >= 0 && u < 4 && v >= 0 && v < 4 && !Clear(u, v)) Expect(6 + dx, 6 + dy, Source(u, v));
        }
    Check();
}

TEST_P(PixelEffects, PlacesAtTheEndsOfTheIntRangeDrawOnlyWhatLandsOnTheTarget) {
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    struct Case {
        const char* what;
        bool lens;
        int x, y, w, h, r, sx, sy;
    };
    const Case cases[] = {
        {"a blur from far up and left, as wide as can be", false, lo, lo, hi, hi, 1, 0, 0},
        {"a blur far down and right", false, hi, hi, 4, 4, 1, 0, 0},
        {"a blur reading from far down and right", false, 1, 1, 4, 4, 1, hi, hi},
        {"a blur reading from far up and left", false, 1, 1, 4, 4, 1, lo, lo},
        {"a lens centred far up and left", true, lo, lo, 0, 0, hi, 2, 2},
        {"a lens centred far down and right, reaching the target", true, hi, hi, 0, 0, hi, 2, 2},
        {"a lens reading from far down and right", true, 6, 6, 0, 0, 3, hi, hi},
        {"a lens reading from far up and left", true, 6, 6, 0, 0, 3, lo, lo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.lens ? DDBltRadial(&dst, c.x, c.y, c.r, 4, &pic, c.sx, c.sy, 1, 0)
                         : DDBltBlur(&dst, c.x, c.y, c.w, c.h, c.r, c.r, &pic, c.sx, c.sy, 1),
                  1);
        Check(); // every read falls off the picture: nothing is drawn
    }
}

TEST_P(PixelEffects, TintHalvesTowardThePaletteColour) {
    PALETTEENTRY palette[256] = {};
    palette[9] = {0x00, 0x80, 0xFF, 0};
    const int target[3] = {0x00, 0x80, 0xFF};
    EXPECT_EQ(DDBltTint(&dst, 1, 1, 4, 4, &pic, 0, 0, 1, palette, 9, 0), 1); // no steps: nothing
    Check();
    DDBltTint(&dst, 1, 1, 4, 4, &pic, 0, 0, 1, palette, 9, 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) {
            if (Clear(u, v)) continue;
            int c[3];
            for (int n = 0; n < 3; ++n) {
                const int s = Channel(Source(u, v), n), max = Max(n);
                // DirectDraw halves in 8 bits, Direct3D in the texture's own ranges.
                c[n] =
                    d3d ? (s + target[n] * max / 255) >> 1 : ((s * 255 / max + target[n]) >> 1) * max / 255;
            }
            Expect(1 + u, 1 + v, Pack(c));
        }
    Check();
}

TEST_P(PixelEffects, HalfTransparencyAveragesWithTheTarget) {
    DDBltHalfAlpha(&dst, 2, 3, 4, 4, &pic, 0, 0, 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) {
            if (Clear(u, v)) continue;
            int c[3];
            for (int n = 0; n < 3; ++n) {
                const int s = Channel(Source(u, v), n), d = Channel(want[3 + v][2 + u], n), max = Max(n);
                c[n] = d3d && bpp == 16 ? (s + d) >> 1 : ((s * 255 / max + d * 255 / max) >> 1) * max / 255;
            }
            std::uint32_t p = Pack(c);
            if (bpp == 32) p = (p & 0xFFFFFFu) | (want[3 + v][2 + u] & 0xFF000000u);
            Expect(2 + u, 3 + v, p);
        }
    Check();
}

TEST_P(PixelEffects, HalfTransparencyOverTheKeyColourCopiesInDirectDraw) {
    if (d3d) GTEST_SKIP() << "Direct3D has no key colour in its targets";
    DDFillRectColor(&dst, 0, 0, kSize, kSize, dwTransmit);
    DDBltHalfAlpha(&dst, 0, 0, 4, 4, &pic, 0, 0, 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) EXPECT_EQ(At(dst, u, v), Clear(u, v) ? dwTransmit : Source(u, v));
}

TEST_P(PixelEffects, MosaicLargerThanTheRectangleFillsItWithOneColour) {
    DDBltMosaic(&dst, 1, 1, 4, 4, 8, &pic, 0, 0, 1);
    std::uint32_t colour = Source(0, 0);
    if (!d3d) {
        // DirectDraw: the average of the opaque pixels in 8 bits.
        int sum[3] = {}, count = 0;
        for (int v = 0; v < 4; ++v)
            for (int u = 0; u < 4; ++u) {
                if (Clear(u, v)) continue;
                for (int n = 0; n < 3; ++n) sum[n] += Channel(Source(u, v), n) * 255 / Max(n);
                ++count;
            }
        int c[3];
        for (int n = 0; n < 3; ++n) c[n] = sum[n] / count * Max(n) / 255;
        colour = Pack(c);
    }
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) Expect(1 + u, 1 + v, colour);
    Check();
}

TEST_P(PixelEffects, MosaicInBlocksOfTwo) {
    if (!d3d) GTEST_SKIP() << "the averaging face is covered above";
    DDBltMosaic(&dst, 1, 1, 4, 4, 2, &pic, 0, 0, 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) Expect(1 + u, 1 + v, Source(u / 2 * 2, v / 2 * 2));
    Check();
}

TEST_P(PixelEffects, BlurOfOneAveragesThePixelWithItsUpperLeftNeighbours) {
    DDBltBlur(&dst, 1, 1, 4, 4, 1, 1, &pic, 0, 0, 1);
    ExpectBlur(1, 1);
    Check();
    DDBltBlur(&dst, 1, 1, 4, 4, 0, 1, &pic, 0, 0, 1); // a strength of 0: nothing
    Check();
}

TEST_P(PixelEffects, BlurWiderThanThePictureAveragesAllOfItWhateverTheRadius) {
    const DWORD grey = d3d ? 0xFF000000u | kGrey : Stored(kGrey);
    DDFillRectColor(&dst, 0, 0, kSize, kSize, grey);
    DDBltBlur(&dst, 1, 1, 4, 4, 4, 4, &pic, 0, 0, 1);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) want[y][x] = At(dst, x, y);
    // A radius from a stored strength may be anything: past the rectangle it changes nothing.
    for (int r : {5, 1000, std::numeric_limits<int>::max()}) {
        DDFillRectColor(&dst, 0, 0, kSize, kSize, grey);
        DDBltBlur(&dst, 1, 1, 4, 4, r, r, &pic, 0, 0, 1);
        Check();
    }
}

TEST_P(PixelEffects, EffectsClipToBothSurfaces) {
    // Partly off the target: only what lies on it is drawn.
    DDBltBlur(&dst, 10, 10, 4, 4, 1, 1, &pic, 0, 0, 1);
    ExpectBlur(10, 10);
    // The pivot at the target's corner, and reading past the source's right and bottom edges.
    DDBltRotate(&dst, 0, 0, 4, 4, 2, 2, 0, &pic, 0, 0, 1);
    DDBltRotate(&dst, 6, 0, 4, 4, 0, 0, 0, &pic, 2, 2, 0);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) {
            if (!Clear(u, v)) Expect(u - 2, v - 2, Source(u, v));
            if (u < 2 && v < 2) Expect(6 + u, v, Source(2 + u, 2 + v));
        }
    Check();
}

INSTANTIATE_EFFECT_FACES(PixelEffects);

} // namespace
