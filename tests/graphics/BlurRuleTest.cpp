// The blur on pictures large enough for its wide row walks, their odd tails
// and its sums of tall windows, against the rule computed pixel by pixel:
// each pixel the truncated average of the opaque pixels of its window, read
// from the picture as it was before the blur.
#include "EffectFixture.h"

#include "graphics/Effects.h"
#include "graphics/GraphicsGlobals.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kW = 45, kH = 270; // neither a multiple of 4 nor 8

class BlurRule : public EffectFaces {
protected:
    void SetUp() override {
        EffectFaces::SetUp();
        ASSERT_TRUE(DDCreateSurface(&big, kW, kH, 1, 0, d3d ? DTMEMORYTYPE_SYSTEM : 0, 0, 0));
        ASSERT_TRUE(DDCreateSurface(&out, kW + 8, kH, 0, 0, 0, 0, 0));
        format = Pixels(big).Format();
        ASSERT_EQ(Pixels(out).Format(), format);
        // Bright and dark pixels, a transparent one now and then and in runs.
        std::uint32_t seed = 12345;
        const FormatMasks m = MasksOf(format);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                seed = seed * 1103515245u + 12345u;
                const std::uint32_t r = seed >> 8;
                std::uint32_t p = r % 4 == 0 ? 0xFFFFFFFFu : r;
                if (BytesPerPixel(format) == 2) p &= 0xFFFF;
                // In Direct3D an alpha of any strength is opaque.
                if (d3d) p |= m.aMax == 1 ? 0x8000u : 0x01000000u;
                const bool clear = r % 7 == 0 || (y % 50 < 3 && x % 10 < 6);
                Pixels(big).Set(x, y, clear ? Key() : p == Key() ? p ^ 1 : p);
            }
    }
    void TearDown() override {
        DDReleaseSurface(&big);
        DDReleaseSurface(&out);
        EffectFaces::TearDown();
    }
    static cSurface& Pixels(DDSURFACEDATA& sd) {
        return sd.lpDT ? sd.lpDT->lpSurface->Pixels() : sd.lpDDData->lpSurface->Pixels();
    }
    // The transparent colour as the picture stores it.
    std::uint32_t Key() const { return d3d ? 0 : dwTransmit; }
    bool IsKey(std::uint32_t p) const {
        if (!d3d) return p == dwTransmit;
        return BytesPerPixel(format) == 2 ? (p & 0xA000u) == 0 : (p >> 24) == 0;
    }

    // The blur of (sx, sy, w, h) of `pic` drawn at (x, y) of `target` by the rule.
    void Expect(const cSurface& pic, std::vector<std::uint32_t>& target, int tw, int th, int x, int y, int w,
                int h, int rx, int ry, int sx, int sy, DWORD transparent) const {
        const FormatMasks m = MasksOf(format);
        const int shift[3] = {m.rShift, m.gShift, m.bShift}, max[3] = {m.rMax, m.gMax, m.bMax};
        auto onPic = [&](int u, int v) { return u >= 0 && v >= 0 && u < pic.Width() && v < pic.Height(); };
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                if (x + i < 0 || y + j < 0 || x + i >= tw || y + j >= th) continue;
                if (transparent == 1 && (!onPic(sx + i, sy + j) || IsKey(pic.Get(sx + i, sy + j)))) continue;
                std::int64_t sum[3] = {}, count = 0;
                for (int b = std::max(j - ry, 0); b < std::min(j + ry, h); ++b)
                    for (int a = std::max(i - rx, 0); a < std::min(i + rx, w); ++a) {
                        if (!onPic(sx + a, sy + b)) continue;
                        const std::uint32_t p = pic.Get(sx + a, sy + b);
                        if (IsKey(p)) continue;
                        for (int n = 0; n < 3; ++n)
                            sum[n] += (p >> shift[n]) & static_cast<std::uint32_t>(max[n]);
                        ++count;
                    }
                if (count == 0) continue;
                std::uint32_t p = d3d ? static_cast<std::uint32_t>(m.aMax) << m.aShift : 0;
                for (int n = 0; n < 3; ++n) p |= static_cast<std::uint32_t>(sum[n] / count) << shift[n];
                target[static_cast<std::size_t>((y + j) * tw + x + i)] = p;
            }
    }
    static std::vector<std::uint32_t> Copy(const cSurface& s) {
        std::vector<std::uint32_t> v;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) v.push_back(s.Get(x, y));
        return v;
    }

    DDSURFACEDATA big, out;
    PixelFormat format = PixelFormat::Unknown;
};

TEST_P(BlurRule, EveryPixelIsTheAverageOfTheOpaquePixelsOfItsWindow) {
    struct Case {
        int x, y, w, h, rx, ry, sx, sy;
        DWORD transparent;
    };
    const Case cases[] = {
        {0, 0, kW, kH, 1, 1, 0, 0, 1},      // the smallest window over the whole picture
        {4, 0, kW, kH, 4, 4, 0, 0, 1},      // a square window
        {-5, -3, kW, 60, 3, 7, 2, 1, 1},    // off the target's top and left, read from within
        {10, 6, 40, 50, 5, 2, -3, -2, 0},   // reading past the picture's top and left, no key
        {1, 200, 44, 90, 2, 9, 7, 230, 1},  // past the picture's right and bottom, and the target's
        {0, 0, 30, 40, 100, 3, 8, 5, 1},    // a window wider than the rectangle
        {3, 0, 7, kH, 2, 200, 1, 0, 1},     // a window of 400 rows: sums of over 65,535
        {0, 0, 13, kH, 1, kH, 30, 0, 0},    // every row of a column
        {2, 1, 32, 256, 16, 128, 6, 4, 1},  // 8,192 pixels a window, counts up to that
        {0, 7, 35, 250, 30, 130, 3, 12, 1}, // over 8,192 pixels a window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "blur at " << c.x << "," << c.y << " of " << c.w << "x" << c.h << " radius " << c.rx
                     << "," << c.ry << " from " << c.sx << "," << c.sy);
        DDFillRectColor(&out, 0, 0, kW + 8, kH, d3d ? 0xFF000000u | kGrey : Stored(kGrey));
        std::vector<std::uint32_t> want = Copy(Pixels(out));
        Expect(Pixels(big), want, kW + 8, kH, c.x, c.y, c.w, c.h, c.rx, c.ry, c.sx, c.sy, c.transparent);
        EXPECT_EQ(DDBltBlur(&out, c.x, c.y, c.w, c.h, c.rx, c.ry, &big, c.sx, c.sy, c.transparent), 1);
        EXPECT_EQ(Copy(Pixels(out)), want);
    }
}

TEST_P(BlurRule, APictureBlurredIntoItselfReadsItAsItWas) {
    const cSurface before = Pixels(big);
    std::vector<std::uint32_t> want = Copy(before);
    Expect(before, want, kW, kH, 2, 3, 40, 100, 3, 5, 5, 1, 1);
    EXPECT_EQ(DDBltBlur(&big, 2, 3, 40, 100, 3, 5, &big, 5, 1, 1), 1);
    EXPECT_EQ(Copy(Pixels(big)), want);
}

INSTANTIATE_EFFECT_FACES(BlurRule);

} // namespace
