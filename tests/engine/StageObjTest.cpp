#include "fixtures/EngineHarness.h"

#include "engine/Motion.h"
#include "engine/Search.h"

#include <cmath>

namespace {

using StageObj = EngineTest;

cStageObj Box(double x, double y, std::int32_t w, std::int32_t h) {
    cStageObj o;
    o.Setup(1, 1, 0, 0, 0, nullptr, 0, 0, 0, w, h, w, h, 0, 0, 0, 0);
    o.dX = x;
    o.dY = y;
    o.RecomputeX();
    o.RecomputeY();
    return o;
}

TEST_F(StageObj, ScaleOneToTwoDoublesSizesAndMovesLeftByHalfTheBaseWidth) {
    cStageObj o = Box(100, 100, 16, 24);
    o.nOffsetX = o.nBaseOffsetX = 8;
    EXPECT_EQ(o.SetUnitScale(1, 1), 0);
    EXPECT_EQ(o.nWidth, 16);
    EXPECT_EQ(o.dX, 100);
    o.SetUnitScale(2, 1);
    EXPECT_EQ(o.nWidth, 32);
    EXPECT_EQ(o.nHeight, 48);
    EXPECT_EQ(o.nOffsetX, 16);
    EXPECT_EQ(o.dX, 92);
    EXPECT_EQ(o.dRight, 92 + 31);
}

struct ScreenCase {
    const char* name;
    double x;
    bool on;
};

class OnScreen : public EngineTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(OnScreen, EdgesAgainstTheView) {
    scene().ScrollX.dPos = 100;
    const cStageObj o = Box(GetParam().x, 10, 16, 16);
    EXPECT_EQ(o.IsOnScreen(), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Cases, OnScreen,
                         ::testing::Values(ScreenCase{"RightEdgeAtTheViewsLeft", 100 - 15, true},
                                           ScreenCase{"RightEdgeJustLeftOfIt", 100 - 15.5, false},
                                           ScreenCase{"LeftEdgeAtTheViewsEnd", 740, false},
                                           ScreenCase{"LeftEdgeJustInside", 739.5, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StageObj, ClampModeTwoKeepsInsideTheStageAndSaysWhichAreaIsLeft) {
    cStageObj o = Box(-3, 100, 16, 16);
    EXPECT_EQ(o.ClampX(2), 3);
    EXPECT_EQ(o.dX, 0);
    EXPECT_EQ(o.nBlockLeft, 0);
    o.dX = 20 * 32 - 10;
    EXPECT_EQ(o.ClampX(2), 3);
    EXPECT_EQ(o.dX, 20 * 32 - 16);
    scene().ScrollX.dAreaFirst = 64; // the view may not show the first two columns
    o.dX = 40;
    EXPECT_EQ(o.ClampX(2), 1);
    o.dX = -30 + 0.5; // inside the stage? no: x < 0
    EXPECT_EQ(o.ClampX(2), 3);
    o.dY = 15 * 32; // the bottom edge past the stage
    EXPECT_EQ(o.ClampY(2), 6);
    EXPECT_EQ(o.dY, 15 * 32 - 16);
}

TEST_F(StageObj, ClampModeZeroAndOneKeepInsideTheirAreas) {
    scene().ScrollX.dAreaFirst = 64;
    scene().ScrollX.dAreaLast = 320;
    cStageObj o = Box(10, 100, 16, 16);
    EXPECT_EQ(o.ClampX(0), 0);
    EXPECT_EQ(o.dX, 64);
    o.dX = 310;
    o.ClampX(0);
    EXPECT_EQ(o.dX, 304);
    o.dX = 10; // inside the outer area, outside the view's
    EXPECT_EQ(o.ClampX(1), 1);
    EXPECT_EQ(o.dX, 10);
}

TEST_F(StageObj, MoveStepLimitsTheSpeedToTheStagesStep) {
    cStageObj o = Box(100, 100, 16, 16);
    o.dVX = 1000;
    EXPECT_EQ(o.MoveStepX(2), 0);
    EXPECT_DOUBLE_EQ(o.dX, 100 + Stage.dSpeedStep);
}

TEST_F(StageObj, AWavePhaseReachingAFullTurnWrapsToZero) {
    const double r = Stage.dSubSteps;
    double phase = r * 360 - 1;
    WaveOffsetCos(10, 90, phase, 1, 0);
    EXPECT_EQ(phase, 0);
    phase = 0;
    const double v = WaveOffsetSin(2, 180, phase, 5, 0);
    EXPECT_EQ(v, 0); // sin 0
    EXPECT_EQ(phase, 5);
}

TEST_F(StageObj, ExtentIntervals) {
    double lo = 0, hi = 0;
    ExtentInterval(100, 17, 0, 0, false, lo, hi);
    EXPECT_EQ(lo, 108);
    EXPECT_EQ(hi, 108);
    ExtentInterval(100, 17, 0, 0, true, lo, hi);
    EXPECT_EQ(lo, 100);
    EXPECT_EQ(hi, 116);
    ExtentInterval(100, 16, 10, 20, true, lo, hi);
    EXPECT_EQ(lo, 90);
    EXPECT_EQ(hi, 136);
}

TEST_F(StageObj, VelocityTowardAGoal) {
    double vx = 0, vy = 0;
    std::int32_t facing = -1;
    VelocityToward(0, 0, 30, 40, 5, false, false, vx, vy, facing);
    EXPECT_DOUBLE_EQ(vx, 3);
    EXPECT_DOUBLE_EQ(vy, 4);
    EXPECT_EQ(facing, 2);
    VelocityToward(10, 10, 10, 10, 5, false, false, vx, vy, facing); // at the goal: no division
    EXPECT_EQ(vx, 0);
    EXPECT_EQ(facing, 0);
    VelocityToward(0, 0, 30, 40, -2, false, false, vx, vy, facing); // away, diagonally
    EXPECT_DOUBLE_EQ(vx, -2 * kInvSqrt2);
    EXPECT_DOUBLE_EQ(vy, -2 * kInvSqrt2);
    EXPECT_EQ(facing, 1);
}

TEST_F(StageObj, FollowingTheScrollTheMotionStillHeadsForTheGoal) {
    scene().ScrollX.dAutoSpeed = 1;
    double vx = 0, vy = 0;
    std::int32_t facing = 0;
    VelocityToward(0, 0, 0, 100, 2, false, true, vx, vy, facing);
    // Own speed 2; carried by 1 to the right, it aims left so the sum goes straight down.
    EXPECT_NEAR(vx + 1, 0, 1e-12);
    EXPECT_NEAR(std::hypot(vx, vy), 2, 1e-12);
    EXPECT_GT(vy, 0);
}

TEST_F(StageObj, NearestCharaPrefersTheOnesOnScreenAndTheFirstOfEquals) {
    cNpcChara& a = AddNpc(Def(), 4, 5);
    cNpcChara& b = AddNpc(Def(), 8, 5);
    cNpcChara& c = AddNpc(Def(), 12, 5);
    for (cNpcChara* x : {&a, &b, &c}) x->UpdateScreenRect();
    cList<cChara*> list{&a, &b, &c};
    const double x = (b.nScrLeft + b.nScrWidth / 2 + a.nScrLeft + a.nScrWidth / 2) / 2.0; // between a and b
    cCharaFilter none;
    EXPECT_EQ(FindNearestCharaAt(x, b.nScrTop, list, NEAREST_ALL, none), &a);
    a.bOnScreen = 0;
    b.bOnScreen = 1;
    EXPECT_EQ(FindNearestCharaAt(x, b.nScrTop, list, NEAREST_ON_SCREEN_FIRST, none), &b);
    b.bOnScreen = 0;
    EXPECT_EQ(FindNearestCharaAt(x, b.nScrTop, list, NEAREST_ON_SCREEN_FIRST, none), &a);
    EXPECT_EQ(FindNearestCharaAt(x, b.nScrTop, list, NEAREST_ON_SCREEN_ONLY, none), nullptr);
    cCharaFilter notA;
    notA.bNotId = true;
    notA.nNotId = a.nId;
    EXPECT_EQ(FindNearestCharaAt(x, b.nScrTop, list, NEAREST_ALL, notA), &b);
    cCharaFilter var;
    var.bVar = true;
    var.nVarIndex = 500; // past the variables: fails, never a fault
    EXPECT_EQ(FindFirstChara(list, var), nullptr);
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests);
}

TEST_F(StageObj, FindCharaByIdLooksAtTheHeroesFirst) {
    cNpcChara& a = AddNpc(Def(), 4, 5);
    AddHero(Def(), 2, 5);
    a.nId = hero.nId;
    EXPECT_EQ(FindCharaById(hero.nId), &hero);
    EXPECT_EQ(FindCharaById(9999), nullptr);
}

TEST_F(StageObj, OutOfAreaBySideAndAtTheStageBorder) {
    cStageObj o = Box(300, 100, 16, 16);
    cOutArea area;
    area.bSide[1] = 1;
    area.nMargin[1] = 1;
    EXPECT_FALSE(o.IsOutOfArea(area));
    o.dX = 640 + 32;
    o.RecomputeX();
    EXPECT_TRUE(o.IsOutOfArea(area));
    o.bAreaExempt = 1;
    EXPECT_FALSE(o.IsOutOfArea(area));
    o.bAreaExempt = 0;
    o.dX = 0;
    o.RecomputeX();
    EXPECT_TRUE(o.IsOutOfArea(cOutArea{}));
}

} // namespace

namespace {

TEST_F(StageObj, BlockCornersAreTestedAgainstTheGrid) {
    cStageObj o = Box(3 * 32 + 4, 5 * 32 + 4, 16, 16); // inside cell (3, 5)
    EXPECT_FALSE(o.HitsBlockAtCorners());
    harness.SetSolid(3, 5, true);
    EXPECT_TRUE(o.HitsBlockAtCorners());
    harness.SetSolid(3, 5, false);
    o.dX = 3 * 32 + 20; // now reaching into column 4
    o.RecomputeX();
    harness.SetSolid(4, 5, true);
    EXPECT_TRUE(o.HitsBlockAtCorners2(0));
}

} // namespace

namespace {

TEST_F(StageObj, FindLastCharaByIdScansFromTheEnd) {
    cNpcChara& a = AddNpc(Def(), 4, 5);
    cNpcChara& b = AddNpc(Def(), 6, 5);
    cNpcChara& c = AddNpc(Def(), 8, 5);
    b.nGroup = 3;
    cVector<std::pair<cChara*, std::int32_t>> entries = {{&a, 7}, {&b, 7}, {&c, 8}};
    cCharaFilter none;
    EXPECT_EQ(FindLastCharaById(entries, 7, -1, none), &b);
    EXPECT_EQ(FindLastCharaById(entries, 7, 0, none), &a);
    b.bVanish = 1;
    EXPECT_EQ(FindLastCharaById(entries, 7, -1, none), &a);
    EXPECT_EQ(FindLastCharaById(entries, 9, -1, none), nullptr);
}

} // namespace
