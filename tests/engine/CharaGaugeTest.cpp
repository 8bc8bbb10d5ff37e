// The HP and SP bars drawn into a small surface, pixel for pixel.
#include "fixtures/EngineHarness.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"

#include <string>

namespace {

constexpr int kGaugeSheet = 49;

class CharaGauge : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        // The gauge sheet, rows from y 208, 2 pixels apart: empty, filled, low, loss, gain.
        ASSERT_TRUE(
            DDCreateSurface(&SystemSD[kGaugeSheet], 128, 218, 1, 0, 0, 0, 0)); // colour-keyed, as loaded
        DDFillRectColor(&SystemSD[kGaugeSheet], 0, 0, 128, 218, 0x010101);
        const std::uint32_t rows[5] = {kEmpty, kFilled, kLow, kLoss, kGain};
        for (int r = 0; r < 5; ++r) DDFillRectColor(&SystemSD[kGaugeSheet], 0, 208 + 2 * r, 128, 2, rows[r]);
        ASSERT_TRUE(DDCreateSurface(&target, 80, 32, 0, 0, 0, 0, 0));
        DDFillRectColor(&target, 0, 0, 80, 32, kBack);
        for (cGauge& g : SystemData.Gauges) g.nLowThreshold = 0;
        chara = &world.AddNpc(cEngineWorld::Def(100), 5, 5);
        chara->nScrLeft = 20;
        chara->nScrTop = 20;
        chara->nScrWidth = 32;
    }
    void TearDown() override {
        DDReleaseSurface(&SystemSD[kGaugeSheet]);
        DDReleaseSurface(&target);
        GraphicsTest::TearDown();
    }
    // The bar's row of pixels as letters: e empty, f filled, l low, g gain,
    // x loss, . background.
    std::string Row(int y) {
        std::string s;
        for (int x = 11; x < 61; ++x) {
            const std::uint32_t p = At(target, x, y) & 0xFFFFFF;
            s += p == kEmpty    ? 'e'
                 : p == kFilled ? 'f'
                 : p == kLow    ? 'l'
                 : p == kGain   ? 'g'
                 : p == kLoss   ? 'x'
                                : '.';
        }
        return s;
    }

    static constexpr std::uint32_t kEmpty = 0x202020, kFilled = 0x00C000, kLow = 0xC00000, kGain = 0x0000C0,
                                   kLoss = 0xC0C000, kBack = 0x555555;
    cEngineWorld world;
    DDSURFACEDATA target;
    cNpcChara* chara = nullptr;
};

TEST_F(CharaGauge, ALossShowsAfterTheFilledPart) {
    chara->hp = 50;
    chara->ChangeHp(-20, 0, 1); // 30 of 100: 15 pixels filled, 10 lost
    chara->DrawHpGauge(&target);
    EXPECT_EQ(Row(17), std::string(15, 'f') + std::string(10, 'x') + std::string(25, 'e'));
    EXPECT_EQ(Row(16), std::string(50, '.'));
}

TEST_F(CharaGauge, AGainShowsAtTheEndOfTheFilledPartAndFadesInItsLastSecond) {
    chara->hp = 50;
    chara->ChangeHp(20, 0, 1); // 70 of 100: 35 filled, the last 10 the gain
    chara->DrawHpGauge(&target);
    EXPECT_EQ(Row(17), std::string(25, 'f') + std::string(10, 'g') + std::string(15, 'e'));
    for (int i = 0; i < 58; ++i) chara->DrawHpGauge(&target);
    EXPECT_EQ(chara->HpGauge.nFrames, 61);
    EXPECT_GT(chara->HpGauge.dChange, 0);
    chara->DrawHpGauge(&target);
    chara->DrawHpGauge(&target);
    EXPECT_EQ(chara->HpGauge.dChange, 0);
}

TEST_F(CharaGauge, TheSpBarSitsFourPixelsHigherAndALowBarTakesItsWarningRow) {
    SystemData.Gauges[3].nLowThreshold = 50;
    chara->Def.msp = 100;
    chara->sp = 60;
    chara->ChangeSp(-20, 1);
    chara->DrawSpGauge(&target);
    EXPECT_EQ(Row(13), std::string(20, 'l') + std::string(10, 'x') + std::string(20, 'e'));
}

TEST_F(CharaGauge, NothingIsDrawnWithoutFramesLeftOrOnceDefeated) {
    chara->DrawHpGauge(&target);
    EXPECT_EQ(Row(17), std::string(50, '.'));
    chara->ChangeHp(-20, 0, 1);
    chara->bDying = 1;
    chara->DrawHpGauge(&target);
    EXPECT_EQ(Row(17), std::string(50, '.'));
}

} // namespace

namespace {

// The darkness of limited sight: its clear centre over the hero's centre,
// moved forward for the shapes in front of the hero.
class SightMask : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        ASSERT_TRUE(DDCreateSurface(&dark, 1280, 960, 1, 0, 0, 0, 0));
        DDFillRectColor(&dark, 0, 0, 1280, 960, kDark);
        DDFillRectColor(&dark, 640, 480, 1, 1, kCentre);
        ASSERT_TRUE(DDCreateSurface(&target, 640, 480, 0, 0, 0, 0, 0));
        world.AddHero(cEngineWorld::Def(), 5, 5);
        world.hero.nScrLeft = 100 - 16;
        world.hero.nScrTop = 200 - 16;
        world.hero.nScrWidth = world.hero.nScrHeight = 32;
    }
    void TearDown() override {
        DDReleaseSurface(&dark);
        DDReleaseSurface(&target);
        GraphicsTest::TearDown();
    }
    bool CentreAt(int x, int y) { return (At(target, x, y) & 0xFFFFFF) == kCentre; }

    static constexpr std::uint32_t kDark = 0x101010, kCentre = 0xFFFF00;
    cEngineWorld world;
    DDSURFACEDATA dark, target;
};

TEST_F(SightMask, TheClearCentreLiesOnTheHero) {
    world.hero.Def.SightShape = 1;
    world.hero.DrawSightMask(&target, &dark);
    EXPECT_TRUE(CentreAt(100, 200));
}

TEST_F(SightMask, InFrontShapesMoveItAheadOfTheHero) {
    world.hero.Def.SightShape = 2;
    world.hero.nSightPixels = 64;
    world.hero.nFacing = 1;
    world.hero.DrawSightMask(&target, &dark);
    EXPECT_TRUE(CentreAt(100 + 64 - 16, 200));
    DDFillRectColor(&target, 0, 0, 640, 480, 0);
    world.hero.nFacing = 0;
    world.hero.nScrLeft = 400 - 16;
    world.hero.DrawSightMask(&target, &dark);
    EXPECT_TRUE(CentreAt(400 - 64 + 16, 200));
}

TEST_F(SightMask, NothingWithoutLimitedSight) {
    DDFillRectColor(&target, 0, 0, 640, 480, 0);
    world.hero.DrawSightMask(&target, &dark);
    EXPECT_EQ(At(target, 100, 100) & 0xFFFFFF, 0u);
}

} // namespace
