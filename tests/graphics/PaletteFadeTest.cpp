// Palette fades and cycling, the screen fades' phase over frames on each face
// and depth, the true-colour picture fade and palettes read from pixels.
#include "EffectFixture.h"

#include "fixtures/ErrorLogCapture.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsGlobals.h"

#include <cmath>
#include <numbers>

namespace palette_fade_test {

PALETTEENTRY Entry(int i) {
    return {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 7), 0};
}

bool operator==(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue && a.peFlags == b.peFlags;
}

int LevelAt(double degrees, int scale) {
    return static_cast<int>(std::sin(degrees * std::numbers::pi / 180.0) * scale);
}

TEST(PaletteFade, MixesTheRangeTowardTheColourAndMarksIt) {
    PALETTEENTRY base[256], out[256];
    for (int i = 0; i < 256; ++i) base[i] = out[i] = Entry(i);
    const struct { int level; } cases[] = {{0}, {1}, {128}, {255}, {256}};
    for (const auto& c : cases) {
        DDFadePalette(out, 10, 20, c.level, 200, 100, 50, base);
        for (int i = 0; i < 256; ++i) {
            PALETTEENTRY want = Entry(i);
            if (i >= 10 && i <= 20)
                want = {static_cast<BYTE>((base[i].peRed * c.level + 200 * (256 - c.level)) >> 8),
                        static_cast<BYTE>((base[i].peGreen * c.level + 100 * (256 - c.level)) >> 8),
                        static_cast<BYTE>((base[i].peBlue * c.level + 50 * (256 - c.level)) >> 8), 1};
            EXPECT_TRUE(out[i] == want) << "level " << c.level << " entry " << i;
        }
    }
    // A range outside the palette changes nothing.
    DDFadePalette(out, 250, 300, 0, 0, 0, 0, base);
    EXPECT_TRUE(out[250] == Entry(250));
}

class PaletteCycle : public GraphicsTest {};

TEST_F(PaletteCycle, TurnsTheRangeEitherWay) {
    ASSERT_TRUE(StartDirectDraw(16));
    PALETTEENTRY base[256], out[256];
    for (int i = 0; i < 256; ++i) base[i] = Entry(i);
    const struct {
        int step, direction;
        int want[3]; // entries 10, 11, 12 as base indices
    } cases[] = {{1, 0, {12, 10, 11}}, {1, 1, {11, 12, 10}},  {2, 0, {11, 12, 10}}, {3, 0, {10, 11, 12}},
                 {4, 0, {12, 10, 11}}, {-1, 0, {11, 12, 10}}, {1, 2, {10, 11, 12}}};
    for (const auto& c : cases) {
        DDCyclePalette(out, 10, 12, c.step, c.direction, base);
        for (int i = 0; i < 256; ++i) {
            const int from = i >= 10 && i <= 12 ? c.want[i - 10] : i;
            EXPECT_TRUE(out[i] == Entry(from))
                << "step " << c.step << " direction " << c.direction << " entry " << i;
        }
    }
}

// The screen fades on each face and depth, stepped frame by frame.
class ScreenFade : public GraphicsTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    void SetUp() override {
        d3d = std::get<0>(GetParam());
        bpp = std::get<1>(GetParam());
        ASSERT_TRUE(d3d ? StartDirect3D(bpp) : StartDirectDraw(bpp));
        for (int i = 0; i < 256; ++i) BasePalette[i] = Entry(i);
    }
    void TearDown() override {
        // A finished fade leaves its phase at the start for the next test.
        DDFadeOut(Palette, 0, 255, 0, 0, 0, 1, BasePalette, 1);
        DDFadeIn(Palette, 0, 255, 0, 0, 0, 1, BasePalette, 1);
        GraphicsTest::TearDown();
    }
    // The screen as a known picture: each pixel its own colour.
    void PaintScreen() {
        cSurface& s = Screen();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                s.Set(x, y, PackArgb(s.Format(), MakeArgb(255, x * 3, y * 5, (x + y) * 2)));
    }
    cSurface& Screen() const {
        return const_cast<cSurface&>(PixelsOf(d3d && lpDTCon->bVirBackBuffer ? VirBackBuffer : BackBuffer));
    }
    // What the frame at `level` shows for the painted pixel (x, y).
    std::uint32_t Expected(int x, int y, int level) const {
        const PixelFormat f = Screen().Format();
        const std::uint32_t argb = UnpackToArgb(f, PackArgb(f, MakeArgb(255, x * 3, y * 5, (x + y) * 2)));
        if (d3d) {
            // Only the two ends are exact whatever the blend's rounding: untouched and black.
            return PackArgb(f, level == 255 ? argb : 0xFF000000u);
        }
        const FormatMasks m = MasksOf(f);
        const std::uint32_t p = PackArgb(f, argb);
        const int colour[3] = {40, 80, 120};
        const int shift[3] = {m.rShift, m.gShift, m.bShift}, max[3] = {m.rMax, m.gMax, m.bMax};
        std::uint32_t out = bpp == 32 ? (p & 0xFF000000u) : 0;
        for (int n = 0; n < 3; ++n) {
            const int c = static_cast<int>((p >> shift[n]) & static_cast<std::uint32_t>(max[n]));
            const int mixed = (c * 255 / max[n] * level + colour[n] * (256 - level)) >> 8;
            out |= static_cast<std::uint32_t>(mixed * max[n] / 255) << shift[n];
        }
        return out;
    }
    bool d3d = false;
    int bpp = 8;
};

TEST_P(ScreenFade, FadeOutStepsAlongTheSineAndStartsAgain) {
    if (bpp != 8) PaintScreen();
    const int scale = d3d ? 255 : 256;
    // Phases 90, 60, 30, 0: the last frame reports the end, and the next fade starts at 90 again.
    const double phases[] = {90, 60, 30, 0, 90};
    const bool done[] = {false, false, false, true, false};
    for (int frame = 0; frame < 5; ++frame) {
        const int level = LevelAt(phases[frame], scale);
        EXPECT_EQ(DDFadeOut(Palette, 0, 255, 40, 80, 120, 30, BasePalette, 0), done[frame]) << frame;
        if (bpp == 8) {
            PALETTEENTRY want[256], shown[256];
            DDFadePalette(want, 0, 255, level, 40, 80, 120, BasePalette);
            lpDDPalette->GetEntries(0, 0, 256, shown);
            for (int i = 0; i < 256; ++i) {
                EXPECT_TRUE(Palette[i] == want[i]) << "frame " << frame << " entry " << i;
                EXPECT_EQ(shown[i].peRed, want[i].peRed) << "frame " << frame << " entry " << i;
            }
        } else if (!d3d) {
            // Every frame mixes the picture taken on the first one.
            for (int y : {0, 7, 40})
                for (int x : {0, 13, 50})
                    EXPECT_EQ(Screen().Get(x, y), Expected(x, y, level))
                        << "frame " << frame << " " << x << "," << y;
            PaintScreen();
        } else if (level == 255 || level == 0) {
            EXPECT_EQ(Screen().Get(13, 7), Expected(13, 7, level)) << "frame " << frame;
            PaintScreen();
        }
    }
}

TEST_P(ScreenFade, FadeInRisesAndFinishJumpsToTheEnd) {
    if (bpp != 8) PaintScreen();
    const int scale = d3d ? 255 : 256;
    EXPECT_FALSE(DDFadeIn(Palette, 0, 255, 40, 80, 120, 45, BasePalette, 0)); // phase 0: all colour
    if (bpp == 8) {
        EXPECT_TRUE(Palette[5] == (PALETTEENTRY{40, 80, 120, 1}));
    }
    if (!d3d && bpp != 8) {
        EXPECT_EQ(Screen().Get(13, 7), Expected(13, 7, 0));
    }
    if (bpp != 8) PaintScreen();
    EXPECT_FALSE(DDFadeIn(Palette, 0, 255, 40, 80, 120, 45, BasePalette, 0)); // phase 45
    if (bpp == 8) {
        PALETTEENTRY want[256];
        DDFadePalette(want, 0, 255, LevelAt(45, scale), 40, 80, 120, BasePalette);
        EXPECT_TRUE(Palette[5] == want[5]);
    }
    // Finishing draws the end level (the picture) and reports the end at once.
    if (bpp != 8) PaintScreen();
    EXPECT_TRUE(DDFadeIn(Palette, 0, 255, 40, 80, 120, 45, BasePalette, 1));
    if (bpp == 8) {
        PALETTEENTRY want = BasePalette[5];
        want.peFlags = 1;
        EXPECT_TRUE(Palette[5] == want);
    } else {
        EXPECT_EQ(Screen().Get(13, 7), Expected(13, 7, d3d ? 255 : 256));
    }
}

TEST_P(ScreenFade, AStepThatCannotMoveEndsTheFade) {
    // A step of 0 (or less) would otherwise never reach the end.
    EXPECT_TRUE(DDFadeOut(Palette, 0, 255, 0, 0, 0, 0, BasePalette, 0));
    EXPECT_TRUE(DDFadeIn(Palette, 0, 255, 0, 0, 0, -5, BasePalette, 0));
}

INSTANTIATE_TEST_SUITE_P(Faces, ScreenFade,
                         ::testing::Values(std::make_tuple(false, 8), std::make_tuple(false, 16),
                                           std::make_tuple(false, 32), std::make_tuple(true, 16),
                                           std::make_tuple(true, 32)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Direct3D" : "DirectDraw") +
                                    std::to_string(std::get<1>(info.param));
                         });

// The picture fade and the palette read from pixels on the effect faces.
class TrueColourPalette : public EffectFaces {};

TEST_P(TrueColourPalette, PictureFadeMixesEachPixelOfTheSource) {
    DDSURFACEDATA copy;
    ASSERT_TRUE(DDCreateSurface(&copy, kSize, kSize, 0, 0, 0, 0, 0));
    if (d3d) {
        cErrorLogCapture log;
        EXPECT_EQ(DDFade_UnPal(&dst, 128, 0, 0, 0, &pic), 1);
        EXPECT_NE(log.Text().find(U8(u8"D3DではDDFade_UnPalは未対応")), std::string::npos);
        EXPECT_EQ(At(dst, 0, 0), Stored(kGrey));
        DDReleaseSurface(&copy);
        return;
    }
    const FormatMasks m = MasksOf(Format());
    const int shift[3] = {m.rShift, m.gShift, m.bShift}, max[3] = {m.rMax, m.gMax, m.bMax};
    const int colour[3] = {255, 0, 90};
    for (int level : {0, 77, 256}) {
        // The 4 x 4 picture is the source: the target's pixels beyond it are left.
        DDFillRectColor(&dst, 0, 0, kSize, kSize, Stored(kGrey));
        EXPECT_EQ(DDFade_UnPal(&dst, level, 255, 0, 90, &pic), 1);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                std::uint32_t want = Stored(kGrey);
                if (x < 4 && y < 4) {
                    const std::uint32_t p = At(pic, x, y);
                    want = bpp == 32 ? (p & 0xFF000000u) : 0;
                    for (int n = 0; n < 3; ++n) {
                        const int c = static_cast<int>((p >> shift[n]) & static_cast<std::uint32_t>(max[n]));
                        const int mixed = (c * 255 / max[n] * level + colour[n] * (256 - level)) >> 8;
                        want |= static_cast<std::uint32_t>(mixed * max[n] / 255) << shift[n];
                    }
                }
                EXPECT_EQ(At(dst, x, y), want) << "level " << level << " pixel " << x << "," << y;
            }
    }
    DDReleaseSurface(&copy);
}

TEST_P(TrueColourPalette, PaletteFromTheBlockOfPixelsBelowTheTopRows) {
    // A 16 x 24 picture: rows 8 to 23 hold the 256 colours, entry 3 the transparent one.
    std::vector<std::uint32_t> px(16 * 24, 0x102030);
    auto colourOf = [](int i) {
        return static_cast<std::uint32_t>((i << 16) | ((255 - i) << 8) | ((i * 3) & 255));
    };
    for (int i = 0; i < 256; ++i) px[static_cast<std::size_t>((8 + i / 16) * 16 + i % 16)] = colourOf(i);
    px[8 * 16 + 3] = kKey;
    WriteFile("palette.bmp", MakeBmp(16, 24, 24, px));
    const int memType = d3d ? DTMEMORYTYPE_SYSTEM : 0;
    // Loaded as the palette file is (no key), and keyed.
    for (int key : {0, 1}) {
        PALETTEENTRY palette[256];
        for (auto& e : palette) e = {1, 2, 3, 4};
        DDSURFACEDATA kept;
        ASSERT_EQ(DDCreateSurfaceFromFile(&kept, "palette.bmp", key, bpp, 1, memType, 0, 0, 0, 0, 0), 0);
        if (key == 0)
            ASSERT_TRUE(DDLoadPaletteFromFile(palette, "palette.bmp"));
        else
            ASSERT_TRUE(DDSetPalette_UnPal(palette, &kept));
        const FormatMasks m = MasksOf(Format());
        for (int i = 0; i < 256; ++i) {
            const std::uint32_t p = At(kept, i % 16, 8 + i / 16);
            const int c[3] = {static_cast<int>((p >> m.rShift) & static_cast<std::uint32_t>(m.rMax)),
                              static_cast<int>((p >> m.gShift) & static_cast<std::uint32_t>(m.gMax)),
                              static_cast<int>((p >> m.bShift) & static_cast<std::uint32_t>(m.bMax))};
            PALETTEENTRY want{static_cast<BYTE>(c[0]), static_cast<BYTE>(c[1]), static_cast<BYTE>(c[2]), 4};
            if (bpp == 32) want.peFlags = static_cast<BYTE>(p >> 24);
            if (d3d && bpp == 16)
                want = {static_cast<BYTE>(c[0] * 255 / m.rMax), static_cast<BYTE>(c[1] * 255 / m.gMax),
                        static_cast<BYTE>(c[2] * 255 / m.bMax), 4};
            // Direct3D leaves the entries of transparent pixels as they were.
            const bool clear = bpp == 16 ? (p & 0xA000u) == 0 : (p >> 24) == 0;
            if (d3d && clear) want = {1, 2, 3, 4};
            EXPECT_TRUE(palette[i] == want) << "key " << key << " entry " << i;
        }
        if (d3d && key == 1) {
            EXPECT_TRUE(palette[3] == (PALETTEENTRY{1, 2, 3, 4}));
        }
        DDReleaseSurface(&kept);
    }
}

TEST_P(TrueColourPalette, APaletteFileThatCannotBeReadIsRefusedAndChangesNothing) {
    WriteFile("broken.bmp", std::vector<std::uint8_t>(40, 0x42));
    for (const char* name : {"missing.bmp", "broken.bmp"}) {
        PALETTEENTRY palette[256];
        for (auto& e : palette) e = {1, 2, 3, 4};
        EXPECT_FALSE(DDLoadPaletteFromFile(palette, name)) << name;
        for (int i = 0; i < 256; ++i)
            EXPECT_TRUE(palette[i] == (PALETTEENTRY{1, 2, 3, 4})) << name << " " << i;
    }
}

INSTANTIATE_EFFECT_FACES(TrueColourPalette);

TEST_F(PaletteCycle, PictureFadeRefusesDepthsItCannotMix) {
    ASSERT_TRUE(StartDirectDraw(8));
    DDSURFACEDATA a, b;
    ASSERT_TRUE(DDCreateSurface(&a, 4, 4, 0, 0, 0, 0, 0));
    ASSERT_TRUE(DDCreateSurface(&b, 4, 4, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&a, 7);
    DDFillSurfaceColor(&b, 9);
    cErrorLogCapture log;
    EXPECT_EQ(DDFade_UnPal(&a, 0, 255, 255, 255, &b), 1);
    EXPECT_EQ(At(a, 1, 1), 7u);
    EXPECT_NE(log.Text().find("DDFade_UnPal"), std::string::npos);
    DDReleaseSurface(&a);
    DDReleaseSurface(&b);
}

} // namespace palette_fade_test
