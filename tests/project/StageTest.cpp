#include "project/Stage.h"

#include "StageFixture.h"
#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

TEST(Stage, SetLevelTable) {
    struct Case {
        std::int32_t level, subSteps;
        double speedCap;
    };
    for (Case c : {Case{15, 5, 60}, Case{20, 20, 120}, Case{10, 10, 60}, Case{11, 1, 60}, Case{19, 9, 60},
                   Case{1, 1, 6}, Case{150, 150, 900}}) {
        cStage s;
        s.dAccel = 0.5;
        s.SetLevel(c.level);
        EXPECT_EQ(s.nLevel, c.level);
        EXPECT_EQ(s.nSubSteps, c.subSteps) << c.level;
        EXPECT_DOUBLE_EQ(s.dSubSteps, c.subSteps);
        EXPECT_DOUBLE_EQ(s.dSubSteps2, double(c.subSteps) * c.subSteps);
        EXPECT_DOUBLE_EQ(s.dSpeedCap, c.speedCap) << c.level;
        EXPECT_DOUBLE_EQ(s.dSpeedStep, c.speedCap / c.subSteps);
        EXPECT_EQ(s.nSpeedCapInt, 6 * c.subSteps);
        EXPECT_EQ(s.nJumpSteps, 8 * c.subSteps);
        EXPECT_DOUBLE_EQ(s.dAccelStep, 0.5 / (double(c.subSteps) * c.subSteps));
    }
}

TEST(Stage, LevelZeroOrBelowGivesFiniteSpeeds) {
    for (std::int32_t level :
         {0, -1, -10, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        cStage s;
        s.SetLevel(level);
        EXPECT_EQ(s.nLevel, level);
        EXPECT_GE(s.nSubSteps, 1) << level;
        for (double d : {s.dSubSteps, s.dSubSteps2, s.dSpeedCap, s.dSpeedStep, s.dAccelStep}) {
            EXPECT_TRUE(std::isfinite(d)) << level;
            EXPECT_GT(d, 0) << level;
        }
        EXPECT_GT(s.nJumpSteps, 0);
    }
}

TEST(Stage, NormalizeSetsTheLevelOfTheStageItself) {
    const std::int32_t playing = Stage.nSubSteps;
    cStage s;
    s.nLevel = 15;
    s.Normalize();
    EXPECT_EQ(s.nSubSteps, 5);
    EXPECT_DOUBLE_EQ(s.dSpeedCap, 60);
    EXPECT_EQ(Stage.nSubSteps, playing);
}

TEST(Stage, DefaultsOfANewStage) {
    cStage s;
    EXPECT_EQ(s.nFps, 60);
    EXPECT_EQ(s.nTimeLimit, 200);
    EXPECT_DOUBLE_EQ(s.dAccel, 0.4);
    EXPECT_EQ(s.nSubSteps, 10);
    EXPECT_DOUBLE_EQ(s.dAccelStep, 0.004);
    EXPECT_EQ(s.Switches, cVector<std::int32_t>({1, 1, 1, 1, 1}));
    EXPECT_EQ(s.PaletteCharas.size(), 1u);
    EXPECT_TRUE(s.Charas.empty());
    EXPECT_EQ(s.Backgrounds.size(), 1u);
    EXPECT_EQ(s.nWords74[10], 1);
}

TEST(Stage, ScrollLimitsFollowTheMapSize) {
    cStage s;
    s.nMapWidth = 12;
    s.nMapHeight = 40;
    s.nScrollMinX = 5;
    s.nScrollMaxX = 30;
    s.nScrollMinY = 30;
    s.nScrollMaxY = 30;
    s.Normalize();
    EXPECT_EQ(s.nScrollMinX, -8); // a map narrower than the screen
    EXPECT_EQ(s.nScrollMaxX, 11);
    EXPECT_EQ(s.nScrollMinY, 25);
    EXPECT_EQ(s.nScrollMaxY, 30);
    s.nMapWidth = std::numeric_limits<std::int32_t>::min();
    s.Normalize();
    EXPECT_EQ(s.nScrollMinX, std::numeric_limits<std::int32_t>::min());
}

// A stage whose version-dependent fields all differ from every default.
cStage MarkedStage() {
    cStage s;
    s.nMapWidth = 40;
    s.nMapHeight = 30;
    s.nHeroSizeP[0] = 20;
    s.nHeroSizeP[1] = 22;
    s.nHeroSizeP2[0] = 7;
    s.nHeroSizeP2[1] = 7;
    s.nCharaSizeQ[0] = 9;
    s.nCharaSizeQ[1] = 11;
    s.nCharaSizeQ2[0] = 7;
    s.nCharaSizeQ2[1] = 7;
    s.bHeroSizeFlags[0] = s.bCharaSizeFlags[0] = 7;
    s.bBgmLoop = 7;
    s.bBgmKeep = 7;
    s.nWordB = 7;
    s.nWordA = 7;
    s.bObjectLayers = 7;
    for (auto* w : {s.nHeroHitSize, s.nCharaHitSize}) std::fill(w, w + 4, 7);
    for (auto* w : {s.bHeroHitBottom, s.bCharaHitBottom}) std::fill(w, w + 2, 7);
    s.bAttackRestrict = s.nFallAllowance = 7;
    s.Switches = {1, 1, 1, 1, 1};
    return s;
}

TEST(Stage, Version154TakesTheLaterFieldsFromItsOlderValues) {
    cStage src = MarkedStage();
    cStage s = MarkedStage();
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src, AtVersion(154))));
    EXPECT_EQ(s.nHeroSizeP2[0], 20); // P' copies P
    EXPECT_EQ(s.nHeroSizeP2[1], 22);
    EXPECT_EQ(s.nCharaSizeQ2[0], 9); // Q' copies Q
    EXPECT_EQ(s.nCharaSizeQ2[1], 11);
    EXPECT_EQ(s.bHeroSizeFlags[0], 0);
    EXPECT_EQ(s.bCharaSizeFlags[0], 0);
    EXPECT_EQ(s.bBgmLoop, 1);
    EXPECT_EQ(s.bBgmKeep, 0);
    EXPECT_EQ(s.nWordB, 1);
    EXPECT_EQ(s.nWordA, 0);
    EXPECT_EQ(s.bObjectLayers, 0);
    EXPECT_EQ(s.Switches, cVector<std::int32_t>({1, 1, 1, 0, 0}));
    EXPECT_EQ(s.nCharaHitSize[1], 30);
    EXPECT_EQ(s.Texts.size(), 1000u);
}

TEST(Stage, Version199TakesTheVersion200Words) {
    cStage src = MarkedStage();
    src.Switches = {1, 1, 1, 1, 1};
    cStage s;
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src, AtVersion(199))));
    const std::int32_t hero[] = {16, 24, 16, 16}, chara[] = {16, 30, 16, 30};
    EXPECT_TRUE(std::equal(hero, hero + 4, s.nHeroHitSize));
    EXPECT_TRUE(std::equal(chara, chara + 4, s.nCharaHitSize));
    EXPECT_EQ(s.bHeroHitBottom[0], 1);
    EXPECT_EQ(s.bHeroHitBottom[1], 0);
    EXPECT_EQ(s.bCharaHitBottom[0], 1);
    EXPECT_EQ(s.bCharaHitBottom[1], 1);
    EXPECT_EQ(s.bAttackRestrict, 0);
    EXPECT_EQ(s.nFallAllowance, 5);
    // Stored in 199 already: kept as written.
    EXPECT_EQ(s.bBgmKeep, 7);
    EXPECT_EQ(s.nWordA, 7);
    EXPECT_EQ(s.nHeroSizeP2[0], 7);
    EXPECT_EQ(s.Switches, cVector<std::int32_t>({1, 1, 1, 1, 1}));
    EXPECT_EQ(s.bObjectLayers, 0); // from 225
}

TEST(Stage, EmptyPaletteTablesLoadAsTwoEntries) {
    cStage src;
    cStage s;
    StageFileOptions o;
    o.tables = false;
    ASSERT_TRUE(s.LoadFromBytes(StageFile(src, o)));
    EXPECT_EQ(s.PaletteBlocks.size(), 2u);
    EXPECT_EQ(s.PaletteCharas.size(), 2u);
    EXPECT_EQ(s.PaletteItems.size(), 2u);
    EXPECT_TRUE(s.Blocks.empty());
}

TEST(Stage, EndMarkerIsReadFrom173OnButNotCompared) {
    cStage src;
    src.nMapWidth = 33;
    for (std::uint32_t version : {173u, 174u, 818u}) {
        cStage s;
        StageFileOptions o = AtVersion(version);
        o.marker = 42u;
        EXPECT_TRUE(s.LoadFromBytes(StageFile(src, o))) << version;
        EXPECT_EQ(s.nMapWidth, 33);
        // Without its last word the file is short.
        std::vector<std::uint8_t> cut = StageFile(src, AtVersion(version));
        cut.resize(cut.size() - 4);
        cStage t;
        EXPECT_FALSE(t.LoadFromBytes(cut)) << version;
    }
    cStage s;
    EXPECT_TRUE(s.LoadFromBytes(StageFile(src, AtVersion(172))));
    EXPECT_EQ(s.nMapWidth, 33);
}

TEST(Stage, DamagedFileLeavesTheStageAsItWas) {
    cStage src;
    src.nMapWidth = 50;
    std::vector<std::uint8_t> good = StageFile(src);
    cStage s;
    s.nMapWidth = 3;
    for (std::size_t cut : {good.size() / 2, std::size_t(12), good.size() - 1}) {
        std::vector<std::uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(s.LoadFromBytes(bytes));
        EXPECT_EQ(s.nMapWidth, 3);
        EXPECT_EQ(s.PaletteCharas.size(), 1u);
    }
}

} // namespace

namespace {

TEST(Stage, NegativeMapSizeIsDamage) {
    for (auto [w, h] : {std::pair{-1, 10}, {10, -1}}) {
        cStage src;
        src.nMapWidth = w;
        src.nMapHeight = h;
        cStage s;
        s.nMapWidth = 3;
        EXPECT_FALSE(s.LoadFromBytes(StageFile(src)));
        EXPECT_EQ(s.nMapWidth, 3);
    }
}

// Every stored word of the stage is a field of its own (a double is one field of
// eight bytes): a current file counts 98 fields, and a version-154 file, laid out
// word by word, counts 71 and loads into the right members.
TEST(Stage, GroupedWordsAreOneFieldEach) {
    cStage cur;
    const std::vector<std::uint8_t> saved = cur.SaveToBytes();
    std::uint32_t fieldCount = 0;
    std::memcpy(&fieldCount, saved.data() + 4, 4);
    EXPECT_EQ(fieldCount, 98u);

    ByteBuilder b;
    b.u32(154).u32(71);
    b.i32(40).i32(2).i32(3).i32(30);             // width, 2 words, height
    for (int i = 0; i < 8; ++i) b.i32(0);        // scroll flags and range
    b.i32(60).i32(0).i32(200).i32(20);           // fps, time limit, word
    for (int i = 0; i < 4; ++i) b.i32(0);        // automatic scroll
    b.f64(0.4).i32(10).i32(0).i32(0);            // accel, level, word, music
    b.i32(1).i32(0).i32(0);                      // 3 words
    b.i32(0);                                    // word
    b.i32(1).i32(1);                             // 2 words
    b.i32(21).i32(23);                           // P
    b.i32(12).i32(8).i32(16).i32(16);            // 4 words
    b.i32(0).i32(0).i32(0);                      // 3 words
    b.i32(0).i32(0).i32(0);                      // 3 words
    b.i32(13).i32(25);                           // Q
    b.i32(30).i32(30);                           // 2 words
    for (int i = 0; i < 11; ++i) b.i32(100 + i); // 11 words
    b.i32(5).i32(6);                             // view words
    b.i32(10).f64(10).f64(100).f64(60).f64(0.004).f64(6).i32(80);
    b.i32(1);                          // character option
    b.i32(31).i32(32).i32(33).i32(34); // frame counts
    b.u32(1).str("");                  // strText
    b.u32(0);                          // switches
    for (int g = 0; g < 5; ++g) {
        b.u32(8);
        for (int i = 0; i < 8; ++i) b.i32(g * 10 + i);
        b.u32(0);
    }
    for (int i = 0; i < 6; ++i) b.u32(0); // palette and placement tables
    b.u32(0).u32(0);                      // backgrounds, texts; no end marker before 173

    cStage s;
    ASSERT_TRUE(s.LoadFromBytes(b.get()));
    EXPECT_EQ(s.nMapWidth, 40);
    EXPECT_EQ(s.nWords2[1], 3);
    EXPECT_EQ(s.nMapHeight, 30);
    EXPECT_EQ(s.nHeroSizeP[0], 21);
    EXPECT_EQ(s.nHeroSizeP2[1], 23); // the copy of P
    EXPECT_EQ(s.nCharaSizeQ[1], 25);
    EXPECT_EQ(s.nWords74[10], 110);
    EXPECT_EQ(s.nViewWords[1], 6);
    EXPECT_EQ(s.nFrameCounts[3], 34);
    EXPECT_EQ(s.Params5.nValue[7], 47);
}

} // namespace
