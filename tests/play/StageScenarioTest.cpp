// Whole stages played by the headless runner with a key script: a hero with
// walk and jump flows on small maps built in code, checked at the frames
// where the rules decide something.
#include "fixtures/PlayStage.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class StageScenario : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

constexpr double kCell = 32.0;
constexpr int kMargin = 10; // blocks of margin the play scene keeps round the map

// A 30 x 15 map with a floor on row 14 (but for `gaps`) and a hero with
// walk and jump flows standing at column 3.
cStage WalkStage(std::vector<std::int16_t> gaps = {}) {
    cStage s = SmallStage(30, 15, 3, 13);
    GiveWalkAndJump(s.Charas[0]);
    for (std::int16_t c = 0; c < 30; ++c)
        if (std::find(gaps.begin(), gaps.end(), c) == gaps.end()) s.Blocks.push_back(SolidBlock(c, 14));
    return s;
}

// A solid, flying character at column 3, row 10 that nothing hurts, always
// active, with one flow of the one move: a lift or a press.
cEdChara SolidMover(const cEdCommand& move) {
    cEdChara c = Enemy(3, 10, 1, 0);
    c.Faction = 0;
    c.BlockChara = 1;
    c.Flying = 1;
    c.Invincible = 2;
    c.ActiveArea = 3;
    cEdFlow flow;
    flow.vCmd.push_back(move);
    c.Flows = {flow};
    return c;
}

// Plays the stage: frames until the play scene is in its main state, then
// the key script from there on (none: no keys).
void Enter(cStageRunner& run, const cStage& stage, const char* script = nullptr) {
    cStageRunner::UseStage(stage);
    for (int i = 0; i < 30 && run.Play().nState != PLAY_MAIN; ++i) run.Frame();
    ASSERT_EQ(run.Play().nState, PLAY_MAIN);
    if (script) {
        ASSERT_TRUE(run.SetScript(script, nullptr)) << script;
    }
}

cHeroChara& HeroOf(cStageRunner& run) {
    return *run.Play().Hero();
}

// The stage x of a map column's left edge.
double ColumnX(int column) {
    return (column + kMargin) * kCell;
}

// The top of the hero's highest point while the script runs for `frames`.
double PeakOfJump(const char* script, int frames) {
    cStageRunner run;
    Enter(run, WalkStage(), script);
    const double ground = HeroOf(run).dY;
    double top = ground;
    for (int i = 0; i < frames; ++i) {
        run.Frame();
        top = std::min(top, HeroOf(run).dY);
    }
    return ground - top;
}

} // namespace

TEST_F(StageScenario, TheHeroStandsOnTheFloorAndWalkingIntoAWallStopsItAtTheWall) {
    cStage s = WalkStage();
    for (std::int16_t r = 10; r < 14; ++r) s.Blocks.push_back(SolidBlock(9, r));
    cStageRunner run;
    Enter(run, s);
    for (int i = 0; i < 30; ++i) run.Frame();
    const double floorTop = (14 + kMargin) * kCell;
    EXPECT_DOUBLE_EQ(HeroOf(run).dBottom + 1, floorTop) << "the hero stands on the floor, not in it";

    run.SetScript("120: RIGHT\n", nullptr);
    const double start = HeroOf(run).dX;
    for (int i = 0; i < 20; ++i) run.Frame();
    EXPECT_GT(HeroOf(run).dX, start + 30) << "RIGHT walks";
    for (int i = 0; i < 100; ++i) run.Frame();
    EXPECT_LE(HeroOf(run).dRight, ColumnX(9)) << "the wall stops the hero";
    EXPECT_GE(HeroOf(run).dRight, ColumnX(9) - 2) << "right against it";
    EXPECT_DOUBLE_EQ(HeroOf(run).dBottom + 1, floorTop);
    EXPECT_FALSE(HeroOf(run).bDying);
}

TEST_F(StageScenario, WalkingIntoAPitFallsOutOfTheMapAndDefeatsTheHero) {
    cStageRunner run;
    Enter(run, WalkStage({8, 9, 10}), "100: RIGHT\n");
    int frames = 0;
    while (!HeroOf(run).bDying && frames < 300) {
        run.Frame();
        ++frames;
    }
    ASSERT_TRUE(HeroOf(run).bDying) << "the pit has no bottom";
    EXPECT_GE(HeroOf(run).dX, ColumnX(8) - 32) << "the hero fell where the pit is";
    EXPECT_LE(HeroOf(run).dX, ColumnX(11));
    int more = 0;
    while (run.Play().nState != PLAY_GAME_OVER && more < 300) {
        run.Frame();
        ++more;
    }
    EXPECT_EQ(run.Play().nState, PLAY_GAME_OVER) << "the defeat ends the attempt";
}

TEST_F(StageScenario, TheJumpIsHigherTheLongerTheButtonIsHeld) {
    const double tapped = PeakOfJump("2: Z\n", 90);
    const double held = PeakOfJump("60: Z\n", 90);
    EXPECT_GT(tapped, 0) << "a tap jumps";
    EXPECT_GT(held, tapped * 2) << "held, the jump goes on rising";
    EXPECT_GE(held, 4 * kCell - 1) << "the full jump is nine half-blocks high";
}

TEST_F(StageScenario, AHeroJumpsOntoAPlatformAndLandsOnIt) {
    cStage s = WalkStage();
    for (std::int16_t c = 7; c < 12; ++c) s.Blocks.push_back(SolidBlock(c, 11));
    cStageRunner run;
    Enter(run, s, "10: RIGHT\n30: RIGHT Z\n10: RIGHT\n40:\n");
    for (int i = 0; i < 100; ++i) run.Frame();
    EXPECT_NEAR(HeroOf(run).dBottom + 1, (11 + kMargin) * kCell, 1.0) << "on top of the platform";
}

TEST_F(StageScenario, AHeroStandingOnAMovingSolidCharacterRidesAlongWithIt) {
    cStage s = WalkStage();
    s.Charas.push_back(SolidMover(StraightMove(3, 10, 100)));
    s.Charas[0].Row = 9; // the hero starts right above the lift
    cStageRunner run;
    Enter(run, s);
    for (int i = 0; i < 20; ++i) run.Frame();
    ASSERT_FALSE(run.Play().scene.CharaList.empty());
    const cNpcChara& carrier = run.Play().scene.CharaList.front();
    const double x0 = HeroOf(run).dX, lx0 = carrier.dX;
    EXPECT_DOUBLE_EQ(HeroOf(run).dBottom + 1, carrier.dY) << "the hero landed on the lift";
    for (int i = 0; i < 60; ++i) run.Frame();
    EXPECT_NEAR(carrier.dX - lx0, 60.0, 2.0) << "the lift moves a pixel a frame";
    EXPECT_NEAR(HeroOf(run).dX - x0, carrier.dX - lx0, 2.0) << "the hero rides along";
    EXPECT_DOUBLE_EQ(HeroOf(run).dBottom + 1, carrier.dY);
}

TEST_F(StageScenario, ASolidCharacterComingDownOnTheHeroSqueezesItAgainstTheFloor) {
    cStage s = WalkStage();
    s.Charas.push_back(SolidMover(StraightMove(7, 20, 100)));
    cStageRunner run;
    Enter(run, s);
    int frames = 0;
    while (!HeroOf(run).bDying && frames < 200) {
        run.Frame();
        ++frames;
    }
    EXPECT_TRUE(HeroOf(run).bDying) << "squeezed between the press and the floor";
}

TEST_F(StageScenario, RunningIntoAnEnemyHurtsBothKnocksTheHeroBackAndGivesInvincibility) {
    cStage s = WalkStage();
    s.Charas[0].power = 1;
    cEdChara enemy = Enemy(8, 13, 3, 2);
    enemy.imp = 5;
    enemy.ActiveArea = 3;
    s.Charas.push_back(enemy);
    cStageRunner run;
    Enter(run, s, "200: RIGHT\n");
    const int full = HeroOf(run).hp;
    int frames = 0;
    while (HeroOf(run).hp == full && frames < 200) {
        run.Frame();
        ++frames;
    }
    ASSERT_EQ(HeroOf(run).hp, full - 2) << "the enemy's power";
    ASSERT_FALSE(run.Play().scene.CharaList.empty());
    EXPECT_EQ(run.Play().scene.CharaList.front().hp, 2) << "the hero's power";
    EXPECT_TRUE(HeroOf(run).IsInvincible() ||
                HeroOf(run).IsInvincibleTo(run.Play().scene.CharaList.front().nId));
    EXPECT_TRUE(HeroOf(run).bKnockedBack || HeroOf(run).dKnockVX < 0) << "thrown back, away from the enemy";
    // Still walking into it: no second hit while the invincibility lasts.
    for (int i = 0; i < 10; ++i) run.Frame();
    EXPECT_EQ(HeroOf(run).hp, full - 2);
}

TEST_F(StageScenario, AnEnemyRunIntoOftenEnoughIsDefeated) {
    cStage s = WalkStage();
    s.Charas[0].power = 3;
    cEdChara enemy = Enemy(8, 13, 3, 1);
    enemy.ActiveArea = 3;
    s.Charas.push_back(enemy);
    cStageRunner run;
    Enter(run, s, "100: RIGHT\n");
    for (int i = 0; i < 100; ++i) run.Frame();
    const cList<cNpcChara>& left = run.Play().scene.CharaList;
    EXPECT_TRUE(left.empty() || left.front().bDying || left.front().hp <= 0) << "three points take its three";
    EXPECT_EQ(HeroOf(run).hp, HeroOf(run).Def.mhp - 1);
    EXPECT_FALSE(HeroOf(run).bDying);
}

TEST_F(StageScenario, TouchingTheGoalClearsTheStage) {
    cStage s = WalkStage();
    s.Items.push_back(GoalItem(12, 13));
    cStageRunner run;
    Enter(run, s, "200: RIGHT\n");
    int frames = 0;
    while (run.Play().nState == PLAY_MAIN && frames < 200) {
        run.Frame();
        ++frames;
    }
    EXPECT_EQ(run.Play().nState, PLAY_CLEAR);
    EXPECT_GE(HeroOf(run).dRight, ColumnX(12)) << "cleared when the hero reached the goal";
}

TEST_F(StageScenario, TheSameScriptOfWalksAndJumpsGivesTheSameHashesTwice) {
    auto hashes = [] {
        cStage s = WalkStage({15, 16});
        s.Charas.push_back(Enemy(20, 13, 3, 1));
        cStageRunner run;
        cStageRunner::UseStage(s);
        run.SetScript("30:\n20: RIGHT\n15: RIGHT Z\n30: RIGHT\n10: LEFT Z\n40: RIGHT\n", nullptr);
        std::vector<std::uint64_t> out;
        for (int i = 0; i < 160; ++i) out.push_back(run.Frame());
        return out;
    };
    const std::vector<std::uint64_t> first = hashes();
    EXPECT_EQ(hashes(), first);
    EXPECT_NE(first[60], first[100]) << "the hash follows the play";
}
