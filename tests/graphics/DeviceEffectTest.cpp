// The effects the Direct3D device draws as one quad, from a texture in its
// memory into a render target: each pixel against the effect's rule, within
// one level of the target's channels for the device's rounding.
#include "EffectFixture.h"

#include "graphics/Effects.h"
#include "graphics/GraphicsGlobals.h"

#include <cstdlib>

namespace device_effect_test {

class DeviceEffects : public EffectFaces {
protected:
    // Channel n of a stored pixel in 8 bits.
    int Channel8(std::uint32_t p, int n) const {
        const FormatMasks m = MasksOf(Format());
        const int shift[3] = {m.rShift, m.gShift, m.bShift}, max[3] = {m.rMax, m.gMax, m.bMax};
        return static_cast<int>((p >> shift[n]) & static_cast<std::uint32_t>(max[n])) * 255 / max[n];
    }
    // The pixel at (x, y) has the 8-bit channels `want`, within one level of its format.
    void Near(int x, int y, const double (&want)[3], const char* what) {
        const FormatMasks m = MasksOf(Format());
        const int step = bpp == 16 ? 255 / m.rMax + 1 : 1;
        const std::uint32_t p = At(dst, x, y);
        for (int n = 0; n < 3; ++n)
            EXPECT_LE(std::abs(Channel8(p, n) - want[n]), step + 0.5)
                << what << " pixel " << x << "," << y << " channel " << n;
    }
};

TEST_P(DeviceEffects, HalfTransparencyBlendsThePictureOverTheTarget) {
    EXPECT_EQ(DDBltHalfAlpha(&dst, 2, 3, 4, 4, &pic, 0, 0, 1), 1);
    const std::uint32_t grey = At(dst, 0, 0);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) {
            if (Clear(u, v)) {
                EXPECT_EQ(At(dst, 2 + u, 3 + v), grey) << "clear pixel stays";
                continue;
            }
            double want[3];
            for (int n = 0; n < 3; ++n)
                want[n] = Channel8(At(pic, u, v), n) * 127 / 255.0 + Channel8(grey, n) * 128 / 255.0;
            Near(2 + u, 3 + v, want, "half");
        }
    EXPECT_EQ(At(dst, 1, 3), grey);
    EXPECT_EQ(At(dst, 6, 3), grey);
}

TEST_P(DeviceEffects, TintKeepsLessOfThePictureWithEachStep) {
    PALETTEENTRY palette[256] = {};
    palette[4] = {0x00, 0x80, 0xFF, 0};
    const int target[3] = {0x00, 0x80, 0xFF};
    const struct { int steps, keep; } cases[] = {{1, 128}, {3, 48}, {6, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(DDBltTint(&dst, 4, 4, 4, 4, &pic, 0, 0, 1, palette, 4, c.steps), 1);
        for (int v = 0; v < 4; ++v)
            for (int u = 0; u < 4; ++u) {
                if (Clear(u, v)) continue;
                double want[3];
                for (int n = 0; n < 3; ++n)
                    want[n] = (Channel8(At(pic, u, v), n) * c.keep + target[n] * (255 - c.keep)) / 255.0;
                Near(4 + u, 4 + v, want, "tint");
            }
    }
}

TEST_P(DeviceEffects, RotationTurnsAboutTheCentre) {
    // Half a turn about the picture's centre, which lands on (6, 6).
    EXPECT_EQ(DDBltRotate(&dst, 6, 6, 4, 4, 2, 2, 180, &pic, 0, 0, 1), 1);
    const std::uint32_t grey = At(dst, 0, 0);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const int u = 3 - i, v = 3 - j;
            EXPECT_EQ(At(dst, 4 + i, 4 + j), Clear(u, v) ? grey : At(pic, u, v)) << i << "," << j;
        }
    EXPECT_EQ(At(dst, 3, 4), grey);
    EXPECT_EQ(At(dst, 8, 7), grey);
}

TEST_P(DeviceEffects, ColourMultiplyCoversTheWholeTarget) {
    DDChangeColorInPlace(&dst, 3, 3, 1, 1, 0, 255, 128, 0);
    const double want[3] = {0x40, 0x40 * 128 / 255.0, 0};
    for (int y : {0, 5, kSize - 1})
        for (int x : {0, 7, kSize - 1}) Near(x, y, want, "multiply");
}

INSTANTIATE_TEST_SUITE_P(Direct3D, DeviceEffects,
                         ::testing::Values(std::make_tuple(true, 16), std::make_tuple(true, 32)),
                         EffectFaces::Name);

} // namespace device_effect_test
