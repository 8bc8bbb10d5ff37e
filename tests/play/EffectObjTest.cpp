// Effect objects: where a hit spark goes, its size, and when an effect ends.
#include "play/EffectObj.h"
#include "engine/EngineScene.h"
#include "fixtures/PlayWorld.h"
#include "platform/Random.h"
#include "project/Database.h"
#include "records/AnimeFrame.h"
#include "records/EffectRecords.h"

#include <cmath>

namespace {

class EffectObjTest : public PlayTest {
protected:
    EffectObjTest() : savedDatabase(Database), savedTable(EffectFrameTable) {
        cEffect none;
        none.Frames.clear();
        cEffect spark;
        spark.nCellWidth = 16, spark.nCellHeight = 8;
        spark.bScaleByCount = 1;
        spark.Frames.clear();
        for (int i = 0; i < 2; ++i) {
            cEffectFrame f;
            f.nCell = i;
            f.nWait = 1;
            spark.Frames.push_back(f);
        }
        cEffect fixed = spark;
        fixed.bScaleByCount = 0;
        Database.Effect = {none, spark, fixed};
        BuildEffectTable(Database.Effect, EffectFrameTable);
        GameSrand(7);
    }
    ~EffectObjTest() override {
        Database = savedDatabase;
        EffectFrameTable = savedTable;
    }
    cDatabase savedDatabase;
    AnimeFrameTableType savedTable;
};

TEST_F(EffectObjTest, ASparkCentresOnTheOverlapOrBetweenRectanglesThatDoNotMeet) {
    struct Case {
        std::int32_t effect, multiplier;
        cRectD a, b;
        double cx, cy; // the spark's centre before its random offset
        std::int32_t w, h;
    };
    const Case cases[] = {
        {1, 1, {0, 0, 99, 99}, {50, 60, 149, 159}, 75, 80, 16, 8},
        {1, 3, {0, 0, 99, 99}, {50, 60, 149, 159}, 75, 80, 48, 24},
        {2, 3, {0, 0, 99, 99}, {50, 60, 149, 159}, 75, 80, 16, 8}, // no scaling: size and offset unscaled
        {1, 1, {100, 100, 131, 131}, {300, 400, 331, 431}, 216, 266, 16, 8},
        {7, 1, {10, 10, 41, 41}, {10, 10, 41, 41}, 26, 26, 32, 32}, // a bad number uses record 0
    };
    for (const Case& k : cases) {
        cEffectObj e;
        StartHitEffect(e, k.effect, k.a, k.b, k.multiplier);
        EXPECT_EQ(e.nWidth, k.w);
        EXPECT_EQ(e.nHeight, k.h);
        const double reach = 4.0 * (k.w == 16 ? 1 : k.multiplier);
        EXPECT_LE(std::abs(e.dX + e.nWidth / 2 - k.cx), reach + 1) << k.a.left << " x" << k.multiplier;
        EXPECT_LE(std::abs(e.dY + e.nHeight / 2 - k.cy), reach + 1) << k.a.top << " x" << k.multiplier;
    }
}

TEST_F(EffectObjTest, AnEffectRunsItsFramesAndOneWithoutFramesEndsAtOnce) {
    cEffectObj none;
    StartHitEffect(none, 0, {0, 0, 9, 9}, {0, 0, 9, 9}, 1);
    std::int32_t cell = 0;
    EXPECT_EQ(StepEffect(none, false, cell), 1);

    cEffectPlacement p;
    p.sEffect = 1;
    p.nWidth = 16, p.nHeight = 8;
    cEffectObj e;
    SetupEffectAt(e, p);
    EXPECT_EQ(e.bScaled, 0);
    int frames = 0;
    while (StepEffect(e, false, cell) == 0 && frames < 100) ++frames;
    EXPECT_GT(frames, 0);
    EXPECT_LT(frames, 100);

    // Held, it stands unless it animates while held.
    cEffectObj held;
    p.nWidth = 32;
    SetupEffectAt(held, p);
    EXPECT_EQ(held.bScaled, 1);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(StepEffect(held, true, cell), 0);
    held.bAnimateWhileHeld = 1;
    int more = 0;
    while (StepEffect(held, true, cell) == 0 && more < 100) ++more;
    EXPECT_LT(more, 100);
}

} // namespace
