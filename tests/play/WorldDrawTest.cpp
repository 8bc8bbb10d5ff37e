#include "fixtures/PlayWorld.h"

#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "play/BlockGrid.h"
#include "play/WorldDraw.h"
#include "records/EdBackground.h"

#include <string>

namespace {

struct Frame {
    std::int32_t intensity;
    bool active;
};

std::vector<Frame> RunColor(cScreenColor& c, bool direct3D, int frames) {
    std::vector<Frame> out;
    for (int i = 0; i < frames; ++i) {
        std::int32_t intensity = -1;
        const std::uint8_t* rgb = nullptr;
        if (!StepScreenColor(c, true, direct3D, intensity, rgb)) break;
        out.push_back({intensity, c.bActive != 0});
    }
    return out;
}

TEST(ScreenColor, FullStrengthReachesTheColourOnTheFrameTheCounterMeetsTheTime) {
    cScreenColor c;
    SetScreenColor(c, {255, 0, 0, 100, 0, 1, 0, 0}, true); // 6 frames
    const auto frames = RunColor(c, true, 10);
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames[0].intensity, 255);
    EXPECT_EQ(frames[3].intensity, 127); // 255 - 3/6 * 255
    EXPECT_EQ(frames[6].intensity, 0);
    EXPECT_EQ(frames[9].intensity, 0); // stays on the screen under Direct3D
    EXPECT_TRUE(frames[9].active);
}

TEST(ScreenColor, EndsAtItsTimeWithStrengthZeroOrInPaletteMode) {
    for (bool direct3D : {true, false}) {
        cScreenColor c;
        SetScreenColor(c, {0, 0, 255, direct3D ? 0 : 50, 0, 1, 0, 0}, direct3D);
        const auto frames = RunColor(c, direct3D, 20);
        EXPECT_EQ(frames.size(), 7u) << direct3D;
        EXPECT_FALSE(c.bActive);
    }
}

TEST(ScreenColor, StrengthAboveAHundredIsClamped) {
    cScreenColor c;
    SetScreenColor(c, {0, 0, 0, 250, 0, 0, 0, 0}, true);
    std::int32_t intensity = -1;
    const std::uint8_t* rgb = nullptr;
    ASSERT_TRUE(StepScreenColor(c, true, true, intensity, rgb));
    EXPECT_EQ(intensity, 0);
}

TEST(ScreenColor, ARepeatWithTimeZeroDrawsOneUncolouredFramePerRepeat) {
    cScreenColor c;
    SetScreenColor(c, {0, 255, 0, 100, 0, 0, 1, 3}, true);
    const auto frames = RunColor(c, true, 10);
    ASSERT_EQ(frames.size(), 3u);
    for (const Frame& f : frames) EXPECT_EQ(f.intensity, 255);
    EXPECT_FALSE(c.bActive);
}

TEST(ScreenColor, AFadeNeedsAChangeToFadeFrom) {
    cScreenColor c;
    SetScreenColor(c, {0, 0, 0, 100, 1, 1, 0, 0}, true);
    EXPECT_FALSE(c.bActive);
    SetScreenColor(c, {0, 0, 0, 100, 1, 1, 0, 0}, false);
    EXPECT_FALSE(c.bActive);

    SetScreenColor(c, {10, 20, 30, 100, 0, 0, 0, 0}, true);
    RunColor(c, true, 1);
    SetScreenColor(c, {0, 0, 0, 0, 1, 1, 0, 0}, true); // fades the earlier tint out over 6 frames
    const auto frames = RunColor(c, true, 10);
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames.front().intensity, 0);
    EXPECT_EQ(frames.back().intensity, 212); // 5/6 of the way back
    EXPECT_FALSE(c.bActive);
}

TEST(Backgrounds, OffsetsFollowTheScrollAndNeverDivideByAnEmptyPicture) {
    cEdBackground bg;
    bg.SpeedX = 0.5;
    EXPECT_EQ(BackgroundOffset(bg, false, 300, 0, 100), 50); // 150 wrapped into 100
    EXPECT_EQ(BackgroundOffset(bg, false, 300, 2, 100), 18); // (300 - 64) * 0.5
    EXPECT_EQ(BackgroundOffset(bg, false, -100, 0, 64), 15); // -49 made non-negative
    EXPECT_EQ(BackgroundOffset(bg, false, 300, 0, 0), 0);
    bg.AutoScrollY = 1;
    bg.AutoOffsetY = 7.5;
    EXPECT_EQ(BackgroundOffset(bg, true, 40, 1, 16), 15); // 47 - 32

    cVector<cEdBackground> list(1, bg);
    list[0].AutoScrollX = 1;
    list[0].SpeedX = 3;
    StepBackgrounds(list, false); // no picture loaded: stays at 0
    EXPECT_EQ(list[0].AutoOffsetX, 0);
}

class WorldDrawSurface : public GraphicsTest, public cPlayWorld {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        ASSERT_TRUE(DDCreateSurface(&target, 96, 64, 0, 0, 0, 0, 0));
        // A block sheet whose cells are plain colours: cell n is (n+1) * 0x10 grey.
        for (int sheet : {2, 3}) {
            ASSERT_TRUE(DDCreateSurface(&SystemSD[sheet], 64, 480, 1, 0, 0, 0, 0));
            for (int n = 0; n < 15; ++n)
                DDFillRectColor(&SystemSD[sheet], 0, n * 32, 32, 32, 0xFF000000u | (0x101010u * (n + 1)));
        }
    }
    void TearDown() override {
        DDReleaseSurface(&target);
        DDReleaseSurface(&SystemSD[2]);
        DDReleaseSurface(&SystemSD[3]);
        GraphicsTest::TearDown();
    }
    DDSURFACEDATA target;
};

TEST_F(WorldDrawSurface, EachMapLayerDrawsOnlyItsOwnCellsWhereTheViewShowsThem) {
    cBlock& under = SetBlock(1, 1);
    under.GraphicIndex = 2;
    under.Layer = 0;
    cBlock& over = SetBlock(2, 1);
    over.GraphicIndex = 4;
    over.Layer = 1;
    cBlock& hidden = SetBlock(1, 0);
    hidden.GraphicIndex = 3;
    hidden.Hidden = 1;
    scene().ScrollX.dPos = 8;
    DDFillSurfaceColor(&target, 0xFF000000u);
    DrawMapLayer(&target, 0);
    EXPECT_EQ(At(target, 32 - 8 + 1, 33) & 0xFFFFFF, 0x303030u);
    EXPECT_EQ(At(target, 64 - 8 + 1, 33) & 0xFFFFFF, 0u); // layer 1 not yet
    EXPECT_EQ(At(target, 32 - 8 + 1, 1) & 0xFFFFFF, 0u);  // hidden
    DrawMapLayer(&target, 1);
    EXPECT_EQ(At(target, 64 - 8 + 1, 33) & 0xFFFFFF, 0x505050u);
}

TEST_F(WorldDrawSurface, WithEveryStatusItemOffNothingOfTheBarIsDrawn) {
    SystemData.Gauges.assign(5, cGauge());
    ASSERT_TRUE(DDCreateSurface(&SystemSD[46], 640, 20, 1, 0, 0, 0, 0));
    DDFillSurfaceColor(&SystemSD[46], 0xFF123456u);
    DDSURFACEDATA screen;
    ASSERT_TRUE(DDCreateSurface(&screen, 640, 480, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&screen, 0xFF000000u);
    DrawStatusBar(&screen);
    EXPECT_EQ(At(screen, 5, 5) & 0xFFFFFF, 0u);
    SystemData.Gauges[4].bEnabled = 1;
    SystemData.Gauges[4].bIcon = 1;
    DrawStatusBar(&screen);
    EXPECT_EQ(At(screen, 5, 5) & 0xFFFFFF, 0x123456u);
    DDReleaseSurface(&screen);
    DDReleaseSurface(&SystemSD[46]);
}

TEST_F(WorldDrawSurface, TheHpGaugeFillStaysInsideItsFrameWhateverTheRatio) {
    // Only the HP gauge, as an icon: 16 + 50 pixels wide, so its frame starts
    // at (638 - 66) / 2 + 16 = 302. The accessory sheet's gauge rows: the
    // frame in one colour, the fill and the low fill in others.
    SystemData.Gauges.assign(5, cGauge());
    SystemData.Gauges[2].bEnabled = 1;
    SystemData.Gauges[2].bIcon = 1;
    constexpr std::uint32_t kFrame = 0x203040u, kFill = 0x40C040u, kLow = 0xC04040u;
    ASSERT_TRUE(DDCreateSurface(&SystemSD[46], 640, 20, 1, 0, 0, 0, 0));
    DDFillSurfaceColor(&SystemSD[46], 0xFF101010u);
    ASSERT_TRUE(DDCreateSurface(&SystemSD[49], 128, 176, 1, 0, 0, 0, 0));
    DDFillSurfaceColor(&SystemSD[49], 0xFF808080u);
    DDFillRectColor(&SystemSD[49], 0, 128, 64, 16, 0xFF000000u | kFrame);
    DDFillRectColor(&SystemSD[49], 0, 144, 64, 16, 0xFF000000u | kFill);
    DDFillRectColor(&SystemSD[49], 0, 160, 64, 16, 0xFF000000u | kLow);
    cHeroChara& hero = AddHero(Def(10), 2, 2);
    DDSURFACEDATA screen;
    ASSERT_TRUE(DDCreateSurface(&screen, 640, 480, 0, 0, 0, 0, 0));
    struct Case {
        std::int32_t hp, mhp;
        int filled; // pixels of the 50 that show the fill
    };
    const Case cases[] = {{10, 10, 50}, {5, 10, 25}, {15, 10, 50}, {2147483647, 1, 50},
                          {-5, 10, 0},  {0, 10, 0},  {5, 0, 0},    {-2147483647, 3, 0}};
    for (const Case& k : cases) {
        hero.hp = k.hp;
        hero.Def.mhp = k.mhp;
        DDFillSurfaceColor(&screen, 0xFF000000u);
        DrawStatusBar(&screen);
        const std::string at = std::to_string(k.hp) + "/" + std::to_string(k.mhp);
        for (int x = 0; x < 50; ++x) {
            const std::uint32_t c = At(screen, 302 + x, 8) & 0xFFFFFF;
            if (x < k.filled)
                EXPECT_TRUE(c == kFill || c == kLow) << at << " at " << x;
            else
                EXPECT_EQ(c, kFrame) << at << " at " << x;
        }
        EXPECT_EQ(At(screen, 352, 8) & 0xFFFFFF, 0x101010u) << at << ": the bar past the frame";
    }
    DDReleaseSurface(&screen);
    DDReleaseSurface(&SystemSD[49]);
    DDReleaseSurface(&SystemSD[46]);
}

} // namespace

namespace {

TEST(Pictures, PicturesWhoseTimeIsUpLeaveAfterTheWalkWithTheirSurfaces) {
    cList<cPictureState> pictures;
    cList<DDSURFACEDATA> surfaces;
    cList<BMPFILEDATA> records;
    // Timed pictures: a timer of 0 ends on its next draw; 5 goes on.
    const std::int32_t timers[] = {0, 5, 0, 5};
    const std::int32_t layers[] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        cPictureState& p = pictures.emplace_back();
        p.wPictureId = static_cast<std::uint16_t>(i);
        p.nTimeMode = PICTURE_TIMED;
        p.nTimer = timers[i];
        p.nLayer = layers[i];
        p.nPlace = -1; // placed nowhere: only its time runs
        surfaces.emplace_back().nWidth = 10 + i;
        BMPFILEDATA& b = records.emplace_back();
        b.nWorkWidth = 10 + i;
    }
    DrawPictures(nullptr, 0, 0, pictures, surfaces, records);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures.front().wPictureId, 1);
    EXPECT_EQ(pictures.back().wPictureId, 3); // another layer: untouched
    ASSERT_EQ(surfaces.size(), 2u);
    EXPECT_EQ(records.front().nWorkWidth, 11);
    EXPECT_EQ(records.back().nWorkWidth, 13);
}

} // namespace
