#include "play/Camera.h"
#include "engine/EngineScene.h"
#include "fixtures/PlayStage.h"

#include <gtest/gtest.h>

TEST(Camera, ClampKeepsThePositionInsideTheLimits) {
    struct Case {
        const char* what;
        double first, last, pos;
        double expected;
        int atLimit;
    };
    const Case cases[] = {
        {"below the lower limit", 320, 1600, 100, 320, 1},
        {"at the lower limit with room", 320, 1600, 320, 320, 0},
        {"past the far end", 320, 1600, 1500, 960, 1},
        {"a map narrower than the view", 320, 640, 400, 320, 1},
    };
    for (const Case& c : cases) {
        cScroll s;
        s.nViewSize = 640;
        s.dAreaFirst = c.first;
        s.dAreaLast = c.last;
        s.dPos = c.pos;
        EXPECT_EQ(ClampScroll(s), c.atLimit) << c.what;
        EXPECT_DOUBLE_EQ(s.dPos, c.expected) << c.what;
    }
}

TEST(Camera, LimitsComeFromTheStageSettingsOrTheMap) {
    cScroll s;
    s.nExtent = (50 + 20) * 32;
    SetScrollLimits(s, 5, 20, 1, 1);
    EXPECT_DOUBLE_EQ(s.dAreaFirst, 5 * 32 + 320);
    EXPECT_DOUBLE_EQ(s.dAreaLast, 320 + 21 * 32);
    SetScrollLimits(s, 5, 20, 0, 0);
    EXPECT_DOUBLE_EQ(s.dAreaFirst, 320);
    EXPECT_DOUBLE_EQ(s.dAreaLast, (50 + 10) * 32);
    SetScrollLimits(s, 20, 5, 1, 1);
    EXPECT_DOUBLE_EQ(s.dAreaLast, s.dAreaFirst) << "last before first: no room";
}

TEST(Camera, AutoScrollMovesSpeedTimesATenthPerSubStep) {
    cGameGlobalsGuard globals;
    Stage.SetLevel(2);
    cScroll s;
    s.nViewSize = 640;
    s.dAreaFirst = 320;
    s.dAreaLast = 4000;
    s.dPos = 320;
    SetAutoScroll(s, 1, 30);
    EXPECT_DOUBLE_EQ(s.dAutoSpeed, 30 * 0.1 / Stage.dSubSteps);
    StepScroll(s);
    EXPECT_DOUBLE_EQ(s.dPos, 320 + 30 * 0.1 / Stage.dSubSteps);
    SetAutoScroll(s, 0, 30);
    EXPECT_EQ(s.bAuto, 0);
    EXPECT_DOUBLE_EQ(s.dAutoSpeed, 0);
}

TEST(Camera, TheRowShiftIsTheBitLengthOfTheWidthPlus19) {
    EXPECT_EQ(BitLength(0), 0);
    EXPECT_EQ(BitLength(20 + 19), 6);
    EXPECT_EQ(BitLength(45 + 19), 7);
}
