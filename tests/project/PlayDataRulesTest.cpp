// The play data's rules: stage names and results, the stage-start copy, new
// rounds, the ranking table shown and the hero carry-over.
#include "project/PlayData.h"

#include "fixtures/GameGlobals.h"
#include "project/WorldMap.h"

#include <gtest/gtest.h>

namespace {

TEST(StageNames, SeriesAndSuffix) {
    struct {
        const char* path;
        const char* name;
        bool first;
    } cases[] = {
        {"stage-1.stg4_818", "stage.", true},
        {"data\\stg4\\abc.stg4_818", "data\\stg4\\abc.", false},
        {"a-1-1.stg4_818", "a-1.", true},
        {"a-12.stg4_818", "a.", true},
        {"a-2.stg4_818", "a-2.", false},
        {"noext", "noext.", false},
        // Only the file name makes a series: folders with "-1" or "." in their names do not.
        {"data\\world-1\\boss.stg4_818", "data\\world-1\\boss.", false},
        {"data\\world-1\\boss-1.stg4_818", "data\\world-1\\boss.", true},
        {"my.games\\stage", "my.games\\stage.", false},
    };
    for (const auto& c : cases) {
        bool first = !c.first;
        EXPECT_EQ(SeriesStageName(c.path, &first), c.name) << c.path;
        EXPECT_EQ(first, c.first) << c.path;
    }

    struct {
        const char* text;
        std::int32_t flag, number, value;
        const char* out;
    } suffixes[] = {
        {"a.", 0, 5, 6, "a."},
        {"a.", 1, 5, 6, "a_c005_6."},
        {"a", 1, 12, -3, "a_c012_-3"},
        {"", 2, 999, 0, "_c999_0"},
    };
    for (const auto& s : suffixes) {
        std::string text = s.text;
        AppendStageSuffix(text, s.flag, s.number, s.value);
        EXPECT_EQ(text, s.out) << s.text << " " << s.flag;
    }
}

class PlayRules : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
    cWorldMap map = WorldMap;
    cPlayData p;
    void TearDown() override { WorldMap = map; }
};

TEST_F(PlayRules, MakeStageNameSetsTheNamesNumbersAndSeriesFlag) {
    p.MakeStageName("data\\stg4\\cave-1.stg4_818", 1, 7, 2);
    EXPECT_EQ(p.strStageName, "data\\stg4\\cave.");
    EXPECT_EQ(p.strKeyName, "data\\stg4\\cave_c007_2.");
    EXPECT_EQ(p.bNextStage, 1);
    EXPECT_EQ(p.nStageVarNumber, 7);
    p.MakeStageName("data\\stg4\\hill.stg4_818", 0, 0, 0);
    EXPECT_EQ(p.strStageName, "data\\stg4\\hill.");
    EXPECT_EQ(p.strKeyName, "data\\stg4\\hill.");
    EXPECT_EQ(p.bNextStage, 0);
}

TEST_F(PlayRules, AResultKeepsTheBestScoreAndTheTotalGrowsByTheGainOnly) {
    p.RecordStageResult("a.", "a.", 0, 0, 0, 300);
    EXPECT_EQ(p.nTotalScore, 300);
    p.RecordStageResult("a.", "a.", 0, 0, 0, 300);
    p.RecordStageResult("a.", "a.", 0, 0, 0, 100);
    EXPECT_EQ(p.nTotalScore, 300);
    EXPECT_EQ(p.FindStageValue("a."), 300);
    p.RecordStageResult("a.", "a.", 0, 0, 0, 450);
    EXPECT_EQ(p.nTotalScore, 450);
    EXPECT_EQ(p.FindStageValue("a."), 450);
    // The same file under another stage-variable setting is a result of its own.
    p.RecordStageResult("a.", "a_c001_1.", 1, 1, 1, 50);
    EXPECT_EQ(p.Results.size(), 2u);
    EXPECT_EQ(p.nTotalScore, 500);
    EXPECT_EQ(p.FindStageValue("b."), 0);
}

TEST_F(PlayRules, TheClearedSumCountsOnlyStagesTheWorldMapNames) {
    WorldMap.Events.resize(1);
    WorldMap.Events[0].Entries.resize(1);
    WorldMap.Events[0].Entries[0].nKind = 0;
    WorldMap.Events[0].Entries[0].strFile = "data\\stg4\\a-1.stg4_818";
    p.RecordStageResult("data\\stg4\\a.", "data\\stg4\\a.", 0, 0, 0, 300);
    p.RecordStageResult("data\\stg4\\gone.", "data\\stg4\\gone.", 0, 0, 0, 70);
    EXPECT_EQ(p.nTotalScore, 370);
    p.SumClearedValues();
    EXPECT_EQ(p.nTotalScore, 300);
}

TEST_F(PlayRules, RetriesAndReplayRestartsBringBackTheStageStart) {
    SystemData.bRestoreA = 1; // story
    SystemData.bRestoreB = 0; // challenge
    SystemData.bRestoreC = 1; // free play
    SystemData.bRestoreD = 0; // test play
    struct {
        std::int32_t force, kind;
        bool testPlay;
        bool vars, lives;
    } cases[] = {
        {1, GAME_CHALLENGE, false, true, true},   {0, GAME_STORY, false, true, false},
        {0, GAME_CHALLENGE, false, false, false}, {0, GAME_FREE, false, true, false},
        {0, GAME_STORY, true, false, false},      {0, 7, false, true, false},
    };
    for (const auto& c : cases) {
        p.Init();
        p.CommonVars[4] = 10;
        p.nLives = 3;
        p.nScore = 200;
        p.SaveStageStart();
        p.CommonVars[4] = 11;
        p.nLives = 2;
        p.nScore = 900;
        p.RestoreStageStart(c.force, c.kind, c.testPlay);
        EXPECT_EQ(p.nScore, 200) << c.force << c.kind << c.testPlay;
        EXPECT_EQ(p.CommonVars[4], c.vars ? 10 : 11) << c.force << c.kind << c.testPlay;
        EXPECT_EQ(p.nLives, c.lives ? 3 : 2) << c.force << c.kind << c.testPlay;
    }
    // Before any stage start there is nothing to bring back: the variables stay whole.
    p.Init();
    p.StartCommonVars.clear();
    p.RestoreStageStart(1, GAME_STORY, false);
    EXPECT_EQ(p.CommonVars.size(), 1001u);
}

TEST_F(PlayRules, ANewRoundClearsTheStagesAndGoesBackToTheStart) {
    WorldMap.nStartX = 4;
    WorldMap.nStartY = 6;
    p.ClearFlags[9] = 1;
    p.ClearFlags[0] = 0;
    p.nMapX = 1;
    p.StartNewRound();
    EXPECT_EQ(p.nRound, 1);
    EXPECT_EQ(p.ClearFlags[9], 0);
    EXPECT_EQ(p.ClearFlags[0], 1);
    EXPECT_EQ(p.nMapX, 4);
    EXPECT_EQ(p.nMapY, 6);
}

TEST_F(PlayRules, TheRankingTableStepsAmongTheTablesThatAreOn) {
    SystemData.RankingFlags.At(1).Flags = {1, 0, 1, 0, 1};
    SystemData.RankingFlags.At(2).Flags = {0, 0, 0, 0, 0};
    struct {
        std::int32_t kind, from, step, to;
    } cases[] = {
        {1, 0, 1, 2},  {1, 2, 1, 4}, {1, 4, 1, 0},          {1, 0, -1, 4},
        {1, 4, -2, 0}, {1, 0, 0, 0}, {1, 1, 0, 2},          {1, 3, -1, 2},
        {1, 1, 1, 2},  {1, 0, 3, 0}, {1, 0, 2000000000, 4}, {1, 7, 0, 2}, // a stored table outside 0-4
        {2, 3, 1, 3},  {2, 3, 0, 3},                                      // no table on: nothing changes
    };
    for (const auto& c : cases) {
        p.nRankingTable = c.from;
        p.StepRankingTable(c.kind, c.step);
        EXPECT_EQ(p.nRankingTable, c.to) << c.kind << " " << c.from << " " << c.step;
    }
}

// Hero carry-over with items 0 (graphic), 4 (chara effect), 11 (HP), 13 (max HP),
// 21 (flows), 22 (countdown) and 23 (lives) switched on; a lost life clears 13.
class HeroCarry : public PlayRules {
protected:
    void SetUp() override {
        SystemData.CarryFlags.assign(25, 0);
        for (int i : {0, 4, 11, 13, 21, 22, 23}) SystemData.CarryFlags[static_cast<std::size_t>(i)] = 1;
        SystemData.ClearCarryFlags.assign(25, 0);
        SystemData.ClearCarryFlags[13] = 1;
        hero.GraphicIndex = 0;
        hero.GraphicKind = 4;
        hero.CellBase = 9;
        hero.mhp = 55;
        hero.msp = 66;
        hero.Flows.resize(3);
    }
    void Store() { p.StoreHeroStatus(0, hero, 40, 20, 7, 1, 2, 1234, 6, 3); }
    cEdChara hero;
};

TEST_F(HeroCarry, StoreAndRestoreTheItemsThatAreOn) {
    Store();
    EXPECT_EQ(p.bCarryStored, 1);
    EXPECT_EQ(p.CarryFlags[13], 1);
    EXPECT_EQ(p.CarryFlags[14], 0);

    cEdChara next;
    next.msp = 1;
    Stage.nTimeLimit = 200;
    Stage.nBgm = 9;
    p.nLives = 1;
    p.RestoreHeroStatus(0, next);
    EXPECT_EQ(next.GraphicIndex, 1) << "a stored graphic 0 comes back as 1";
    EXPECT_EQ(next.GraphicKind, 4);
    EXPECT_EQ(next.CellBase, 9);
    EXPECT_EQ(next.CharaEffectA, 7);
    EXPECT_EQ(next.CharaEffectAParam, 1);
    EXPECT_EQ(next.CharaEffectAOption, 2);
    EXPECT_EQ(next.mhp, 55);
    EXPECT_EQ(next.msp, 1) << "item 14 is off";
    EXPECT_EQ(next.Flows.size(), 3u);
    EXPECT_EQ(Stage.nTimeLimit, 1234);
    EXPECT_EQ(Stage.nBgm, 9) << "item 24 is off";
    EXPECT_EQ(p.nLives, 6);

    std::int32_t hp = 100, sp = 100;
    p.GetCarriedValues(0, hp, sp);
    EXPECT_EQ(hp, 40);
    EXPECT_EQ(sp, 100) << "item 12 is off";
}

TEST_F(HeroCarry, NothingComesBackBeforeAStoreOrForItemsALostLifeCleared) {
    cEdChara next;
    next.mhp = 3;
    std::int32_t hp = 100, sp = 100;
    p.RestoreHeroStatus(0, next);
    p.GetCarriedValues(0, hp, sp);
    EXPECT_EQ(next.mhp, 3);
    EXPECT_EQ(hp, 100);

    Store();
    p.ClearCarryFlags(0);
    EXPECT_EQ(p.CarryFlags[13], 0);
    EXPECT_EQ(p.CarryFlags[11], 1);
    EXPECT_EQ(p.bCarryStored, 1);
    p.RestoreHeroStatus(0, next);
    EXPECT_EQ(next.mhp, 3);
    EXPECT_EQ(next.CellBase, 9);
}

TEST_F(HeroCarry, EveryHeroHasARecordOfItsOwn) {
    Store();
    hero.mhp = 88;
    p.StoreHeroStatus(1, hero, 10, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(p.Carries.size(), 2u);
    cEdChara first, second;
    p.RestoreHeroStatus(0, first);
    p.RestoreHeroStatus(1, second);
    EXPECT_EQ(first.mhp, 55);
    EXPECT_EQ(second.mhp, 88);
    // A hero that was never stored gets nothing.
    cEdChara third;
    third.mhp = 5;
    p.RestoreHeroStatus(2, third);
    EXPECT_EQ(third.mhp, 5);
}

} // namespace
