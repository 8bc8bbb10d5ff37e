// The pixel effects at 8 bits per pixel in DirectDraw: the blends go through
// the colour table, the copies move palette indices, blur is refused.
#include "GraphicsFixture.h"

#include "fixtures/ErrorLogCapture.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <limits>

namespace palette_effect_test {

constexpr int kSize = 8;
// The picture's indices; 0 is the transparent colour.
constexpr std::uint32_t kIndices[4][4] = {
    {10, 20, 30, 40}, {50, 0, 70, 80}, {90, 100, 110, 120}, {130, 140, 0, 160}};
constexpr std::uint32_t kBack = 5;

class PaletteEffects : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(8));
        std::vector<std::uint32_t> palette(256);
        for (int i = 0; i < 256; ++i)
            palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i * 0x010101);
        WriteFile("key.bmp", MakeBmp(1, 1, 8, {0}, palette));
        ASSERT_TRUE(DDSetTransmit("key.bmp"));
        std::vector<std::uint32_t> px;
        for (const auto& row : kIndices) px.insert(px.end(), std::begin(row), std::end(row));
        WriteFile("pic.bmp", MakeBmp(4, 4, 8, px, palette));
        ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 1, 8, 0, 0, 0, 0, 0, 0, 0), 0);
        ASSERT_TRUE(DDCreateSurface(&dst, kSize, kSize, 0, 0, 0, 0, 0));
        // The picture's own pixels as kept, then a mixing table the tests can follow.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) ASSERT_EQ(At(pic, x, y), kIndices[y][x]);
        saved.assign(std::begin(ColorTable), std::end(ColorTable));
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                ColorTable[i * 256 + j] = static_cast<BYTE>((i * 3 + j * 7 + 1) & 255);
        Reset();
    }
    void TearDown() override {
        std::copy(saved.begin(), saved.end(), std::begin(ColorTable));
        DDReleaseSurface(&pic);
        DDReleaseSurface(&dst);
        GraphicsTest::TearDown();
    }
    void Reset() {
        DDFillRectColor(&dst, 0, 0, kSize, kSize, kBack);
        for (auto& row : want) std::fill(std::begin(row), std::end(row), kBack);
    }
    void Expect(int x, int y, std::uint32_t v) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) want[y][x] = v;
    }
    void Check(const char* what) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                EXPECT_EQ(At(dst, x, y), want[y][x]) << what << " pixel " << x << "," << y;
    }
    static std::uint32_t Mix(std::uint32_t i, std::uint32_t j) { return ColorTable[i * 256 + j]; }

    DDSURFACEDATA pic, dst;
    std::uint32_t want[kSize][kSize];
    std::vector<BYTE> saved;
};

TEST_F(PaletteEffects, TintLooksUpTheTableOnceAStepAndClipsAtEveryEdge) {
    PALETTEENTRY palette[256] = {};
    const struct { int x, y, steps; } cases[] = {{2, 2, 1}, {2, 2, 3}, {-1, -2, 2}, {5, 6, 1}};
    for (const auto& c : cases) {
        Reset();
        EXPECT_EQ(DDBltTint(&dst, c.x, c.y, 4, 4, &pic, 0, 0, 1, palette, 9, c.steps), 1);
        for (int v = 0; v < 4; ++v)
            for (int u = 0; u < 4; ++u) {
                std::uint32_t p = kIndices[v][u];
                if (p == 0) continue;
                for (int k = 0; k < c.steps; ++k) p = Mix(p, 9);
                Expect(c.x + u, c.y + v, p);
            }
        Check("tint");
    }
    // A stored step count may be huge: it ends at once, where that many steps would.
    // The test table's mix toward 9 (3i + 64) turns the indices round: find its period.
    int period = 0;
    for (bool back = false; !back;) {
        ++period;
        back = true;
        for (std::uint32_t i = 0; i < 256 && back; ++i) {
            std::uint32_t p = i;
            for (int k = 0; k < period; ++k) p = Mix(p, 9);
            back = p == i;
        }
    }
    for (int steps : {1000, std::numeric_limits<int>::max()}) {
        Reset();
        EXPECT_EQ(DDBltTint(&dst, 2, 2, 4, 4, &pic, 0, 0, 1, palette, 9, steps), 1);
        for (int v = 0; v < 4; ++v)
            for (int u = 0; u < 4; ++u) {
                std::uint32_t p = kIndices[v][u];
                if (p == 0) continue;
                for (int k = 0; k < steps % period; ++k) p = Mix(p, 9);
                Expect(2 + u, 2 + v, p);
            }
        Check("many steps");
    }
}

TEST_F(PaletteEffects, HalfTransparencyMixesWithTheTargetThroughTheTable) {
    // The left half of the target is index 0: the picture lands there unmixed.
    DDFillRectColor(&dst, 0, 0, 3, kSize, 0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < 3; ++x) want[y][x] = 0;
    EXPECT_EQ(DDBltHalfAlpha(&dst, 1, 1, 4, 4, &pic, 0, 0, 1), 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) {
            const std::uint32_t s = kIndices[v][u], d = want[1 + v][1 + u];
            if (s != 0) Expect(1 + u, 1 + v, d == 0 ? s : Mix(d, s));
        }
    Check("half");
    // Not skipping the transparent colour mixes it too.
    Reset();
    DDBltAlpha(&dst, 0, 0, 4, 4, &pic, 0, 0, 0, ColorTable, 128);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) Expect(u, v, Mix(kBack, kIndices[v][u]));
    Check("unkeyed");
}

TEST_F(PaletteEffects, CopiesMoveIndicesAndBlurIsRefused) {
    // Mosaic: each 2 x 2 block its top-left index, a transparent one skipped.
    EXPECT_EQ(DDBltMosaic(&dst, 1, 1, 4, 4, 2, &pic, 0, 0, 1), 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u) Expect(1 + u, 1 + v, kIndices[v / 2 * 2][u / 2 * 2]);
    Check("mosaic");
    // Rotation by nothing: the pivot (1, 1) lands on (6, 6), the picture cut at the right and bottom.
    Reset();
    EXPECT_EQ(DDBltRotate(&dst, 6, 6, 4, 4, 1, 1, 0, &pic, 0, 0, 1), 1);
    for (int v = 0; v < 4; ++v)
        for (int u = 0; u < 4; ++u)
            if (kIndices[v][u] != 0) Expect(5 + u, 5 + v, kIndices[v][u]);
    Check("rotation");
    Reset();
    cErrorLogCapture log;
    EXPECT_EQ(DDBltBlur(&dst, 0, 0, 4, 4, 1, 1, &pic, 0, 0, 1), 1);
    EXPECT_NE(log.Text().find(U8(u8"8ビットぼかしは不可能！")), std::string::npos);
    Check("blur");
}

TEST_F(PaletteEffects, ColourTableLoadsWholeFilesOnly) {
    std::vector<std::uint8_t> bytes(65536);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 >> 3);
    WriteFile("hbt.dat", bytes);
    WriteFile("short.dat", std::vector<std::uint8_t>(100, 7));
    std::vector<BYTE> table(65536, 1);
    EXPECT_FALSE(DDLoadColorTable(table.data(), "missing.dat"));
    EXPECT_FALSE(DDLoadColorTable(table.data(), "short.dat"));
    EXPECT_EQ(table, std::vector<BYTE>(65536, 1)); // a short file changes nothing
    EXPECT_TRUE(DDLoadColorTable(table.data(), "hbt.dat"));
    EXPECT_TRUE(std::equal(table.begin(), table.end(), bytes.begin()));
}

TEST_F(PaletteEffects, TrueColourBlendsAreNotAskedOfPalettePictures) {
    // The colour multiply is the device's alone.
    cErrorLogCapture log;
    DDChangeColorInPlace(&dst, 0, 0, 4, 4, 0, 255, 0, 0);
    EXPECT_NE(log.Text().find(U8(u8"DDrawでは DDChangeColor(")), std::string::npos);
    Check("multiply");
}

} // namespace palette_effect_test
