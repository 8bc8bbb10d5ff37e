// The darkness of the hero's limited sight over a played stage: the world
// shows through its opening and nowhere else, a new radius builds it again, a
// hero that sees everything draws none, and the darkness is built again after
// a device reset and let go when the scene leaves.
#include "engine/EngineScene.h"
#include "fixtures/PlayStage.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "play/StageRunner.h"

#include <string>

namespace {

constexpr std::uint32_t kDark = 0xC86432;  // palette colour 16
constexpr std::uint32_t kBlock = 0x30A0A0; // every block of the block sheets
constexpr int kSheets[] = {2, 3};

class PlaySight : public GraphicsTest {
protected:
    void TearDown() override {
        run.Play().ReleaseSightMask();
        for (int sheet : kSheets) DDReleaseSurface(&SystemSD[sheet]);
        GraphicsTest::TearDown();
    }

    // Plays the floor stage headless up to its main frame with a hero of
    // this sight, then starts a display and sets the stage up again on it.
    void Play(std::uint8_t shape, std::uint8_t sight) {
        UseHeroSight(shape, sight);
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 40));
        ASSERT_TRUE(StartDirectDraw(32));
        Palette[0] = {0xFF, 0x00, 0xFF, 0}; // the transparent colour
        Palette[16] = {0xC8, 0x64, 0x32, 0};
        DDSetTransmit(0xFF, 0x00, 0xFF);
        for (int sheet : kSheets) {
            ASSERT_TRUE(DDCreateSurface(&SystemSD[sheet], 64, 480, 1, 0, 0, 0, 0));
            DDFillSurfaceColor(&SystemSD[sheet], 0xFF000000u | kBlock);
        }
        SetUpAgain();
    }
    static void UseHeroSight(std::uint8_t shape, std::uint8_t sight) {
        cStage stage = FloorStage();
        stage.Charas[0].SightShape = shape;
        stage.Charas[0].sight = sight;
        cStageRunner::UseStage(stage);
    }
    void SetUpAgain() {
        run.Play().SetStage(1, 0);
        ASSERT_EQ(run.Play().bSetUp, 1);
        Draw();
    }
    void Draw() { run.Play().DrawWorld(0, 1, 0, 0); }
    cHeroChara& Hero() { return *run.Play().Hero(); }
    // The screen's pixel at an offset from the hero's centre.
    std::uint32_t FromHero(int dx, int dy) {
        const cHeroChara& h = Hero();
        return At(BackBuffer, h.nScrLeft + h.nScrWidth / 2 + dx, h.nScrTop + h.nScrHeight / 2 + dy) &
               0xFFFFFF;
    }
    // The hero's sight changed as a status command changes it.
    void SetSight(std::uint8_t sight) {
        Hero().Def.sight = sight;
        Hero().nSightPixels = sight * 16;
        EngineScene().CreateSightMask();
    }

    cGameGlobalsGuard globals;
    cStageRunner run;
};

// Offsets from the hero's centre on a floor stage as it is set up: the floor
// row starts 48 pixels below the hero's centre.
struct Spot {
    const char* what;
    int dx, dy;
    bool seenInCircle, seenInSquare; // for a radius of 96 pixels
};
const Spot kSpots[] = {
    {"the hero's centre", 0, 0, true, true},
    {"the floor under the hero", 0, 56, true, true},
    {"the floor far ahead", 200, 56, false, false},
    {"the air diagonally out of the circle", 80, -80, false, true},
    {"the air high above", 0, -150, false, false},
};

TEST_F(PlaySight, TheWorldShowsThroughTheOpeningAndDarknessCoversTheRest) {
    Play(1, 6);
    ASSERT_FALSE(HasFatalFailure());
    for (std::uint8_t shape : {1, 3}) {
        UseHeroSight(shape, 6);
        SetUpAgain();
        for (const Spot& s : kSpots) {
            const bool seen = shape == 1 ? s.seenInCircle : s.seenInSquare;
            const std::uint32_t px = FromHero(s.dx, s.dy);
            if (seen)
                EXPECT_NE(px, kDark) << s.what << ", shape " << int(shape);
            else
                EXPECT_EQ(px, kDark) << s.what << ", shape " << int(shape);
        }
        EXPECT_EQ(FromHero(0, 56), kBlock) << "shape " << int(shape);
    }
}

TEST_F(PlaySight, ANewRadiusBuildsTheDarknessAgain) {
    Play(1, 6);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(FromHero(0, -120), kDark);
    SetSight(10); // 160 pixels
    EXPECT_EQ(run.Play().SightDark.nWidth, 1280 + 320);
    Draw();
    EXPECT_NE(FromHero(0, -120), kDark);
    SetSight(2); // 32 pixels
    Draw();
    EXPECT_EQ(FromHero(0, 56), kDark);
    EXPECT_NE(FromHero(0, 0), kDark);
}

TEST_F(PlaySight, AHeroThatSeesEverythingDrawsNoDarkness) {
    Play(0, 6);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(run.Play().SightDark.lpDDData, nullptr);
    SetSight(3); // asked to rebuild: still nothing to draw, nothing is kept
    EXPECT_EQ(run.Play().SightDark.lpDDData, nullptr);
    Draw();
    for (int y = 0; y < 480; y += 4)
        for (int x = 0; x < 640; x += 4) ASSERT_NE(At(BackBuffer, x, y) & 0xFFFFFF, kDark) << x << "," << y;
    EXPECT_EQ(FromHero(0, 56), kBlock);
}

TEST_F(PlaySight, ADarknessLostInADeviceResetIsBuiltAgainAndGoesWithTheScene) {
    Play(1, 6);
    ASSERT_FALSE(HasFatalFailure());
    // A reset leaves an empty surface of the same size, marked lost.
    DDFillSurfaceColor(&run.Play().SightDark, 0xFF000000u);
    run.Play().SightDark.bLost = 1;
    Draw();
    EXPECT_EQ(run.Play().SightDark.bLost, 0);
    EXPECT_EQ(FromHero(200, 56), kDark);
    EXPECT_EQ(FromHero(0, 56), kBlock);

    cPlayScene& play = run.Play();
    play.nState = PLAY_LEAVE;
    play.nSubState = 0;
    // The fade-out runs its frames first; the scene's surfaces go when it ends.
    for (int frame = 0; frame < 100 && play.nState == PLAY_LEAVE && play.SightDark.lpDDData; ++frame)
        play.StateLeave();
    EXPECT_EQ(play.SightDark.lpDDData, nullptr);
}

} // namespace
