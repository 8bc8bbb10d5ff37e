#include "play/StageResources.h"
#include "graphics/GraphicsFixture.h"
#include "project/Database.h"

namespace {

class StageResourcesTest : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        Palette[16] = PALETTEENTRY{200, 100, 50, 0}; // the darkness
    }
    void TearDown() override {
        DDReleaseSurface(&dark);
        DDReleaseSurface(&circle);
        GraphicsTest::TearDown();
    }
    DDSURFACEDATA dark, circle;
};

TEST_F(StageResourcesTest, TheSightDarknessIsSizedByABoundedRadius) {
    struct Case {
        std::int32_t radius, shape, width, height;
    } cases[] = {{0, 1, 1280, 960}, {40, 3, 1360, 1040}, {-5, 1, 1280, 960}, {1 << 30, 1, 2560, 2240}};
    for (const Case& k : cases) {
        ASSERT_TRUE(CreateSightMask(dark, circle, k.radius, k.shape)) << k.radius;
        EXPECT_EQ(dark.nWidth, k.width) << k.radius;
        EXPECT_EQ(dark.nHeight, k.height) << k.radius;
    }
}

TEST_F(StageResourcesTest, ASquareSightCutsAHoleAndRadiusZeroLeavesAllDark) {
    ASSERT_TRUE(CreateSightMask(dark, circle, 0, 3));
    EXPECT_EQ(At(dark, 640, 480), At(dark, 0, 0));
    ASSERT_TRUE(CreateSightMask(dark, circle, 20, 3));
    const int cx = 640 + 20, cy = 480 + 20;
    EXPECT_NE(At(dark, cx, cy), At(dark, 0, 0));
    EXPECT_EQ(At(dark, cx - 21, cy), At(dark, 0, 0));
}

TEST_F(StageResourcesTest, DatabasesWithOnlyTheirNoneRecordLoadNothing) {
    const cDatabase saved = Database;
    Database.Bmp_CharaExc.assign(1, cBmp_CharaExc());
    Database.SwordType.assign(1, cSwordType());
    Database.Effect.assign(1, cEffect());
    LoadCharaExcBitmaps();
    LoadSwordPictures();
    LoadEffectPictures();
    EXPECT_TRUE(SwordSD.empty());
    EXPECT_TRUE(SwordBmp.empty());
    EXPECT_TRUE(EffectSD.empty());
    EXPECT_TRUE(CharaExcBmp.empty());
    Database = saved;
}

TEST_F(StageResourcesTest, AMissingPictureIsReportedAndTheOthersGoOn) {
    const cDatabase saved = Database;
    Database.Effect.assign(3, cEffect());
    Database.Effect[1].strFile = "missing.bmp";
    Database.Effect[2].strFile = "missing2.bmp";
    LoadEffectPictures();
    ASSERT_EQ(EffectSD.size(), 4u);
    ASSERT_EQ(EffectBmp.size(), 4u);
    EXPECT_EQ(EffectSD[1].lpAlias, &EffectSD[0]);
    EXPECT_EQ(EffectSD[3].lpAlias, &EffectSD[2]);
    EXPECT_EQ(EffectBmp[0].bOptional, 1);
    DDReleaseSurfaceVec(EffectSD);
    EffectSD.clear();
    EffectBmp.clear();
    Database = saved;
}

} // namespace
