// The flashing special colours: the ramps' back and forth, the nine colours
// of the table over frames with the rainbow's turn, the 8-bit palette's
// flashing entries turning every sixth frame, and the tint an invincible
// character takes from the table.
#include "engine/FlashColors.h"
#include "engine/GraphicSource.h"
#include "fixtures/EngineHarness.h"
#include "fixtures/GameGlobals.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/SurfaceFormat.h"
#include "project/SystemData.h"

#include <gtest/gtest.h>

namespace {

TEST(StepPingPong, GoesUpAndDownInsideTheByteAndReportsTheTurnAtTheBottom) {
    const struct {
        int value, down, step;
        int wantValue, wantDown;
        bool turned;
    } cases[] = {
        {0, 0, 16, 16, 0, false},    {240, 0, 16, 255, 1, false}, // 256 is kept at 255 and turns
        {239, 0, 16, 255, 1, false}, {255, 1, 16, 239, 1, false}, {15, 1, 16, 0, 0, true},
        {16, 1, 16, 0, 0, true},     {17, 1, 16, 1, 1, false},    {0, 0, 300, 255, 1, false},
        {100, 0, 0, 100, 0, false}, // no step: it stays
        {0, 0, -5, 0, 0, false},    // a step below 0 never leaves the byte
    };
    for (const auto& c : cases) {
        cPingPong ramp{c.value, c.down};
        EXPECT_EQ(StepPingPong(ramp, c.step), c.turned) << c.value << " " << c.down << " " << c.step;
        EXPECT_EQ(ramp.nValue, c.wantValue) << c.value << " " << c.down << " " << c.step;
        EXPECT_EQ(ramp.bDown, c.wantDown) << c.value << " " << c.down << " " << c.step;
    }
}

class FlashColors : public GraphicsTest {
protected:
    void SetUp() override { ResetFlashColors(); }
    void TearDown() override {
        ResetFlashColors();
        GraphicsTest::TearDown();
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) AnimateFlashColors();
    }
    cGameGlobalsGuard globals;
};

TEST_F(FlashColors, Direct3DRampsGiveTheNineColoursAndTheRainbowTurnsAtEachBottom) {
    ASSERT_TRUE(StartDirect3D(32));
    SystemData.nFlashPeriod = 16;
    // Up by 16 for 15 frames (240), 255 on the 16th, down to 0 on the 32nd.
    const struct {
        int frames, v, rainbow;
    } cases[] = {{1, 16, 0},  {15, 240, 0}, {16, 255, 0}, {17, 239, 0}, {31, 15, 0}, {32, 0, 1},
                 {33, 16, 1}, {64, 0, 2},   {96, 0, 3},   {128, 0, 0},  {129, 16, 0}};
    int done = 0;
    for (const auto& c : cases) {
        Frames(c.frames - done);
        done = c.frames;
        const int v = c.v;
        const DWORD rainbow[4] = {MakeArgb(255, v, 0, 0), MakeArgb(255, 0, v, 0), MakeArgb(255, 0, 0, v),
                                  MakeArgb(255, v, v, 0)};
        const cFlashColor want[10] = {{0, 0},
                                      {MakeArgb(255, v, v, v), 7},
                                      {MakeArgb(255, v, v, v), 10},
                                      {MakeArgb(255, v, 0, 0), 7},
                                      {MakeArgb(255, 0, v, 0), 7},
                                      {MakeArgb(255, 0, 0, v), 7},
                                      {MakeArgb(255, v, v, 0), 7},
                                      {MakeArgb(255, v, 0, v / 4), 7},
                                      {MakeArgb(255, v / 4, 0, v), 7},
                                      {rainbow[c.rainbow], 7}};
        EXPECT_EQ(FlashState.nRainbow, c.rainbow) << "after " << c.frames;
        for (int e = 0; e <= kFlashColors; ++e) {
            EXPECT_EQ(FlashColorTable[e].dwColor, want[e].dwColor) << "entry " << e << " after " << c.frames;
            EXPECT_EQ(FlashColorTable[e].dwMode, want[e].dwMode) << "entry " << e << " after " << c.frames;
        }
    }
    EXPECT_EQ(FlashState.nPaletteFrames, 0) << "Direct3D has no palette to turn";
}

TEST_F(FlashColors, EightBitPaletteTurnsEachGroupOfFourEverySixthFrameWhileTheSwitchIsOn) {
    ASSERT_TRUE(StartDirectDraw(8));
    ASSERT_NE(lpDDPalette, nullptr);
    for (int i = 0; i < 256; ++i) Palette[i] = {static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    lpDDPalette->SetEntries(0, 0, 256, Palette);
    const auto red = [](int i) { return static_cast<int>(Palette[i].peRed); };
    const auto shown = [](int i) {
        PALETTEENTRY e{};
        lpDDPalette->GetEntries(0, static_cast<DWORD>(i), 1, &e);
        return static_cast<int>(e.peRed);
    };

    SystemData.bDrawingSwitch = 0;
    Frames(12);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(red(i), i) << "switch off: entry " << i;

    SystemData.bDrawingSwitch = 1;
    Frames(5);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(red(i), i) << "five frames: entry " << i;
    Frames(1);
    // Each group (a, b, c, d) becomes (d, a, b, c); nothing outside 208-239 moves.
    for (int i = 0; i < 256; ++i) {
        const int want = i < 208 || i > 239 ? i : (i % 4 == 0 ? i + 3 : i - 1);
        EXPECT_EQ(red(i), want) << "entry " << i;
        EXPECT_EQ(shown(i), want) << "shown entry " << i;
        EXPECT_EQ(Palette[i].peBlue, 255 - want) << "entry " << i << " moves whole";
    }
    Frames(6);
    for (int g = 208; g < 240; g += 4) {
        EXPECT_EQ(red(g), g + 2);
        EXPECT_EQ(red(g + 1), g + 3);
        EXPECT_EQ(red(g + 2), g);
        EXPECT_EQ(red(g + 3), g + 1);
    }
    EXPECT_EQ(FlashColorTable[1].dwColor, 0u) << "no ramps on the palette face";
}

TEST_F(FlashColors, DirectDrawAboveEightBitsHasNothingToFlash) {
    ASSERT_TRUE(StartDirectDraw(32));
    SystemData.bDrawingSwitch = 1;
    for (int i = 0; i < 256; ++i) Palette[i] = {static_cast<BYTE>(i), 0, 0, 0};
    Frames(12);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(Palette[i].peRed, i);
    EXPECT_EQ(FlashColorTable[1].dwColor, 0u);
}

class FlashTint : public FlashColors, public cEngineWorld {};

TEST_F(FlashTint, AnInvincibleCharacterTakesItsEntryOfTheTableInDirect3D) {
    ASSERT_TRUE(StartDirect3D(32));
    SystemData.nFlashPeriod = 16;
    Frames(3);
    cEdChara def = Def();
    def.Invincible = 1;
    def.TintSelect = 3;
    cNpcChara& chara = AddNpc(def, 2, 2);
    const struct {
        int charaDrawSwitch, invincible, select;
        bool tinted;
    } cases[] = {{1, 1, 3, true}, {0, 1, 3, false}, {1, 0, 3, false}, {1, 1, 0, false}, {1, 1, 10, false}};
    for (const auto& c : cases) {
        SystemData.bCharaDrawSwitch = c.charaDrawSwitch;
        chara.Def.Invincible = static_cast<std::uint8_t>(c.invincible);
        chara.Def.TintSelect = static_cast<std::uint8_t>(c.select);
        GraphicDesc desc;
        std::int32_t cell = 0;
        chara.GetDrawCell(desc, cell);
        EXPECT_EQ(desc.Tint, c.tinted) << c.charaDrawSwitch << c.invincible << c.select;
        if (c.tinted) {
            EXPECT_EQ(desc.TintColour, MakeArgb(255, 48, 0, 0));
            EXPECT_EQ(desc.TintOp, 7u);
        }
    }
}

TEST_F(FlashTint, DirectDrawDrawsNoTint) {
    ASSERT_TRUE(StartDirectDraw(32));
    SystemData.bCharaDrawSwitch = 1;
    FlashColorTable[3] = {MakeArgb(255, 48, 0, 0), 7};
    cEdChara def = Def();
    def.Invincible = 1;
    def.TintSelect = 3;
    GraphicDesc desc;
    std::int32_t cell = 0;
    AddNpc(def, 2, 2).GetDrawCell(desc, cell);
    EXPECT_FALSE(desc.Tint);
}

} // namespace
