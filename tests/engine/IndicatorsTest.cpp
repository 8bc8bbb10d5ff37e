// The indicators of distance conditions: when they show, where their lines
// and circles stand for each mode and facing, and how their colour cycles.
#include "engine/Indicators.h"

#include "engine/CondFields.h"
#include "engine/GraphicSource.h"
#include "fixtures/EngineHarness.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "records/RecordContext.h"

namespace {

constexpr DWORD kIndicatorBackground = 0x404040;

class Indicators : public GraphicsTest, public cEngineWorld {
protected:
    void SetUp() override { Start(32); }
    void Start(int bpp) {
        ASSERT_TRUE(StartDirectDraw(bpp));
        // Palette entry 0 is the transparent colour that clears the work square.
        for (int i = 0; i < 256; ++i)
            Palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i ^ 0x55), 0x33, 0};
        Palette[0] = {0xFF, 0x00, 0xFF, 0};
        lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
        WriteFile("key.bmp", MakeBmp(1, 1, 8, {0}, {0xFF00FF}));
        ASSERT_TRUE(DDSetTransmit("key.bmp"));
        ASSERT_TRUE(DDCreateSurface(&target, 640, 480, 0, 0, 0, 0, 0));
        for (int entry : {int{SD_WORK}, int{SD_WORK_SHARED}})
            ASSERT_TRUE(DDCreateSurface(&SystemSD[entry], 640, 480, 1, 0, 0, 0, 0));
        Clear();
        chara = &AddNpc(Def(), 6, 5);
        chara->nWord12 = 1; // takes part in contacts
        chara->UpdateScreenRect();
        scene().FactionCharas.assign(2, cList<cChara*>());
        scene().FactionCharas[1].push_back(chara);
        IndicatorFlashCounter = 0;
    }
    void TearDown() override {
        for (DDSURFACEDATA& sd : SystemSD) DDReleaseSurface(&sd);
        DDReleaseSurface(&target);
        SetRecordContext(nullptr);
        GraphicsTest::TearDown();
    }
    void Clear() { DDFillRectColor(&target, 0, 0, 640, 480, Background()); }
    DWORD Background() const { return DDScreenBpp() == 8 ? 1 : kIndicatorBackground; }
    // A distance condition shown always, in colour `colour`, of reach R = hbl * 16 + dots.
    static cCond Range(int mode, int hbl, int dots = 0, int colour = 1) {
        cCond c;
        c.cKind = COND_DISTANCE;
        c.cSel1 = 1;
        c.cArg = static_cast<std::int8_t>(colour);
        c.nValue1 = hbl;
        c.sValue2 = static_cast<std::int16_t>(dots);
        c.bFlag3 = static_cast<std::uint8_t>(mode);
        return c;
    }
    int Painted() const {
        int n = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) n += At(target, x, y) != Background();
        return n;
    }
    bool Column(int x, DWORD colour) const {
        for (int y = 0; y < 480; ++y)
            if (At(target, x, y) != colour) return false;
        return true;
    }
    bool Row(int y, DWORD colour) const {
        for (int x = 0; x < 640; ++x)
            if (At(target, x, y) != colour) return false;
        return true;
    }
    cNpcChara* chara = nullptr;
    DDSURFACEDATA target;
};

TEST_F(Indicators, ShownAlwaysNeverOrInTestPlayOnly) {
    chara->Def.Conds = {Range(0, 2)};
    chara->Def.Conds[0].cSel1 = 0;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    chara->Def.Conds[0].cSel1 = 2;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    cDefaultRecordContext editor;
    editor.editorStarted = true;
    SetRecordContext(&editor);
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 2 * 480);
}

// Mode, facing, and the interval's ends from the screen rectangle (left, width) and R.
struct LineCase {
    const char* name;
    int mode;
    int facing;
    int (*low)(int pos, int size, int r);
    int (*high)(int pos, int size, int r);
};

std::ostream& operator<<(std::ostream& o, const LineCase& c) {
    return o << c.name;
}

const LineCase kLines[] = {
    {"across", 0, 1, [](int p, int, int r) { return p - r; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
    {"in front, facing right", 1, 1, [](int p, int s, int) { return p + s / 2; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
    {"in front, facing left", 1, 0, [](int p, int, int r) { return p - r; },
     [](int p, int s, int) { return p + s / 2; }},
    {"behind, facing right", 2, 1, [](int p, int, int r) { return p - r; },
     [](int p, int s, int) { return p + s / 2; }},
    {"behind, facing left", 2, 0, [](int p, int s, int) { return p + s / 2; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
    {"up and down", 3, 0, [](int p, int, int r) { return p - r; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
    {"vertically in front, facing right", 4, 1, [](int p, int s, int) { return p + s / 2; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
    {"vertically in front, facing left", 4, 0, [](int p, int, int r) { return p - r; },
     [](int p, int s, int) { return p + s / 2; }},
    {"vertically behind, facing right", 5, 1, [](int p, int, int r) { return p - r; },
     [](int p, int s, int) { return p + s / 2; }},
    {"vertically behind, facing left", 5, 0, [](int p, int s, int) { return p + s / 2; },
     [](int p, int s, int r) { return p + s / 2 * 2 + r; }},
};

class IndicatorLines : public Indicators, public ::testing::WithParamInterface<LineCase> {};

TEST_P(IndicatorLines, TwoLinesAtTheEndsOfTheReach) {
    const LineCase& c = GetParam();
    chara->nFacing = c.facing;
    chara->Def.Conds = {Range(c.mode, 2, 16, 3)}; // R = 48
    DrawCharaIndicators(&target);
    const DWORD colour = PalNumToRGB(208 + 4 * 3);
    const bool across = c.mode <= 2;
    const int pos = across ? chara->nScrLeft : chara->nScrTop;
    const int size = across ? chara->nScrWidth : chara->nScrHeight;
    const int low = c.low(pos, size, 48), high = c.high(pos, size, 48);
    EXPECT_TRUE(across ? Column(low, colour) : Row(low, colour)) << low;
    EXPECT_TRUE(across ? Column(high, colour) : Row(high, colour)) << high;
    EXPECT_EQ(Painted(), 2 * (across ? 480 : 640));
}

INSTANTIATE_TEST_SUITE_P(Modes, IndicatorLines, ::testing::ValuesIn(kLines));

TEST_F(Indicators, ACircleUpTo64IsDrawnDirectlyAndALargerOneThroughTheWorkSquare) {
    const int cx = chara->nScrLeft + chara->nScrWidth / 2, cy = chara->nScrTop + chara->nScrHeight / 2;
    const DWORD colour = PalNumToRGB(208);
    DDSURFACEDATA& work = SystemSD[SD_WORK_SHARED];
    DDFillRectColor(&work, 0, 0, 640, 480, kIndicatorBackground);
    chara->Def.Conds = {Range(6, 4, 0, 0)}; // R = 64
    DrawCharaIndicators(&target);
    EXPECT_EQ(At(target, cx + 64, cy), colour);
    EXPECT_EQ(At(target, cx, cy - 64), colour);
    EXPECT_EQ(At(work, 128, 64), kIndicatorBackground);

    Clear();
    chara->Def.Conds = {Range(6, 4, 1, 0)}; // R = 65
    DrawCharaIndicators(&target);
    EXPECT_EQ(At(work, 128, 64), colour); // the circle of 64 in the 129 x 129 square
    EXPECT_EQ(At(work, 129, 64), kIndicatorBackground);
    EXPECT_GT(Painted(), 0);
    EXPECT_EQ(At(target, cx + 70, cy), kIndicatorBackground);
}

TEST_F(Indicators, TheRainbowColourCyclesEveryEightCalls) {
    chara->Def.Conds = {Range(0, 1, 0, 7)};
    for (int call = 1; call <= 40; ++call) {
        Clear();
        DrawCharaIndicators(&target);
        const int shade = call % 32 / 8;
        EXPECT_TRUE(Column(chara->nScrLeft - 16, PalNumToRGB(236 + shade))) << call;
    }
}

TEST_F(Indicators, InPaletteModeWithTheDrawingSwitchTheColourStandsStill) {
    TearDown();
    Start(8);
    SystemData.bDrawingSwitch = 1;
    chara->Def.Conds = {Range(0, 1, 0, 7)};
    for (int call = 0; call < 12; ++call) {
        DrawCharaIndicators(&target);
        EXPECT_EQ(At(target, chara->nScrLeft - 16, 0), 236u);
    }
    EXPECT_EQ(IndicatorFlashCounter, 0);
}

TEST_F(Indicators, NotForTheDyingTheOffScreenTheInactiveOrTheHidden) {
    chara->Def.Conds = {Range(0, 1)};
    chara->bDying = 1;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    chara->bDying = 0;

    scene().ScrollX.dPos = 3000;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    scene().ScrollX.dPos = 0;

    chara->nWord12 = 0;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    chara->Def.Conds[0].cSel4 = 1; // shown also while inactive
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 2 * 480);

    Clear();
    chara->DrawState.bHidden = 1;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
    chara->Def.Conds[0].cSel5 = 1; // shown also while hidden
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 2 * 480);
}

TEST_F(Indicators, FlowsShowTheirStartConditionsUntilTheyHeldForGood) {
    cEdFlow flow;
    flow.vStartCond = {Range(3, 1)};
    chara->BuildFlows({flow}, 1, -1);
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 2 * 640);

    Clear();
    chara->Flows[0].Def.bOnce = 1;
    chara->nCondCache = 1;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);

    chara->Def.Conds = {Range(0, 1)};
    chara->Def.CondOnce = 1;
    DrawCharaIndicators(&target);
    EXPECT_EQ(Painted(), 0);
}

TEST_F(Indicators, AnyReachIsBroughtWithinTheView) {
    // Reaches far past the view (which a circle drawn point by point would take
    // minutes over) and below zero: nothing of them lies on the view but the
    // centre of a circle of radius 0.
    chara->Def.Conds = {Range(6, 2000000000, 0, 1), Range(6, -5, 0, 1), Range(0, 2000000000, 0, 2),
                        Range(3, -2000000000, 0, 2)};
    DrawCharaIndicators(&target);
    EXPECT_LE(Painted(), 1 + 2 * 640);
    for (int x = 0; x < 640; ++x) EXPECT_EQ(At(target, x, 0), Background()) << x;
}

} // namespace
