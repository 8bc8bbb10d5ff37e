// What a stage's set-up keeps of the play-through and gives back: the score
// and common variables a lost life returns to, and the hero status a stage
// carries over from the last clear.
#include "fixtures/PlayStage.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class StageStart : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

constexpr std::size_t kVar = 5;

// A stage without a floor: the hero falls out and loses a life.
cStage FallStage() {
    return SmallStage(30, 15, 3, 2);
}

// The runner enters play as the next stage of a series does (from the play
// scene itself), so the play-through's score and variables go on into it.
void EnterWithScore(cStageRunner& run, std::int32_t score, std::int32_t var) {
    PlayData.nScore = score;
    PlayData.CommonVars[kVar] = var;
    PlayData.nLives = 5;
    run.Host().previous = kPlayScene;
}

// The carried-status switches: the project carries `items`, a lost life
// clears `cleared`.
void CarryItems(std::initializer_list<int> items, std::initializer_list<int> cleared) {
    SystemData.CarryFlags.assign(kPlayCarryItems, 0);
    SystemData.ClearCarryFlags.assign(kPlayCarryItems, 0);
    for (int i : items) SystemData.CarryFlags[static_cast<std::size_t>(i)] = 1;
    for (int i : cleared) SystemData.ClearCarryFlags[static_cast<std::size_t>(i)] = 1;
}

} // namespace

TEST_F(StageStart, ALostLifeRestartsWithTheScoreAndVariablesOfTheStageStart) {
    // The free-play restore switch decides the variables; the score comes
    // back either way, the paid life does not.
    for (const int restoreVars : {1, 0}) {
        SCOPED_TRACE("restore switch " + std::to_string(restoreVars));
        cGameGlobalsGuard again;
        cStageRunner run;
        cStageRunner::UseStage(FallStage());
        SystemData.bRestoreC = restoreVars;
        EnterWithScore(run, 1500, 7);
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
        EXPECT_EQ(PlayData.nScore, 1500);

        // What the lost attempt earned.
        PlayData.nScore = 2600;
        PlayData.nStageScore = 300;
        PlayData.CommonVars[kVar] = 99;
        ASSERT_TRUE(run.RunUntil(PLAY_READY, 900)) << "the hero falls and the stage starts again";
        EXPECT_EQ(PlayData.nScore, 1500);
        EXPECT_EQ(PlayData.nStageScore, 0);
        EXPECT_EQ(PlayData.CommonVars[kVar], restoreVars ? 7 : 99);
        EXPECT_EQ(PlayData.nLives, 4);

        // The retry's own start is kept as well: a second loss returns to it.
        PlayData.CommonVars[kVar] = 50;
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
        PlayData.nScore = 4000;
        ASSERT_TRUE(run.RunUntil(PLAY_READY, 900));
        EXPECT_EQ(PlayData.nScore, 1500);
        EXPECT_EQ(PlayData.CommonVars[kVar], restoreVars ? 7 : 50);
        EXPECT_EQ(PlayData.nLives, 3);
    }
}

TEST_F(StageStart, ATestPlayCountsEachStartFromNoResults) {
    for (const int testPlay : {0, 1}) {
        SCOPED_TRACE("test play " + std::to_string(testPlay));
        cGameGlobalsGuard again;
        cStageRunner run;
        cStageRunner::UseStage(FloorStage());
        run.Host().testPlay = testPlay;
        EnterWithScore(run, 1500, 7);
        PlayData.nTimeTotal = 20;
        PlayData.nHpTotal = 3;
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
        EXPECT_EQ(PlayData.nScore, testPlay ? 0 : 1500);
        EXPECT_EQ(PlayData.nTimeTotal, testPlay ? 0 : 20);
        EXPECT_EQ(PlayData.nHpTotal, testPlay ? 0 : 3);
        EXPECT_EQ(PlayData.CommonVars[kVar], 7) << "the variables are the play-through's";
        EXPECT_EQ(PlayData.nKeptScore, PlayData.nScore);
    }
}

TEST_F(StageStart, TheHeroTakesTheCarriedStatusBackUntilALostLifeClearsIt) {
    // Carried: max HP (definition), HP, SP and the countdown; a lost life
    // clears the max HP and the HP, the SP and countdown stay carried.
    struct Case {
        int stageCarries;
        std::int32_t mhp, hp, sp, time;                     // on the first start
        std::int32_t mhpAfter, hpAfter, spAfter, timeAfter; // after a lost life
    } cases[] = {
        {1, 20, 4, 3, 77, 10, 10, 3, 77},
        {0, 10, 10, 6, 150, 10, 10, 6, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("stage carries " + std::to_string(c.stageCarries));
        cGameGlobalsGuard again;
        cStageRunner run;
        cStage stage = FallStage();
        stage.nWords27[1] = static_cast<std::int32_t>(c.stageCarries);
        stage.Charas[0].msp = 6;
        stage.bTimeLimit = 1;
        stage.nTimeLimit = 150;
        cStageRunner::UseStage(stage);
        CarryItems({11, 12, 13, 22}, {11, 13});
        PlayData.nStartLives = 5;
        PlayData.bCarryStored = 1;
        PlayData.CarryFlags.assign(kPlayCarryItems, 1);
        cHeroCarryRecord& rec = PlayData.Carries.At(0);
        rec.Def = stage.Charas[0];
        rec.Def.mhp = 20;
        rec.Carry.nHp = 4;
        rec.Carry.nSp = 3;
        rec.Carry.nCountdown = 77;

        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
        cHeroChara* hero = run.Play().Hero();
        ASSERT_NE(hero, nullptr);
        EXPECT_EQ(hero->Def.mhp, c.mhp);
        EXPECT_EQ(hero->hp, c.hp);
        EXPECT_EQ(hero->sp, c.sp);
        EXPECT_EQ(run.Play().scene.nStageTime, c.time);

        ASSERT_TRUE(run.RunUntil(PLAY_READY, 900));
        hero = run.Play().Hero();
        ASSERT_NE(hero, nullptr);
        EXPECT_EQ(hero->Def.mhp, c.mhpAfter) << "a cleared definition item is the stage's own again";
        EXPECT_EQ(hero->hp, c.hpAfter);
        EXPECT_EQ(hero->sp, c.spAfter);
        EXPECT_EQ(run.Play().scene.nStageTime, c.timeAfter);
        EXPECT_EQ(Stage.Charas[0].mhp, 10) << "the stage's placement stays as loaded";
    }
}
