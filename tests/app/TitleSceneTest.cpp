// The title screen run headless with keys: its menu rows from the project's
// game-mode menu, the fresh play data of a new story, the story slot list,
// the challenge start without a save, the options and back, and a decide
// press that acts once.
#include "app/TitleScene.h"
#include "app/ScreenDriver.h"
#include "fixtures/TempDir.h"
#include "project/SaveSlots.h"
#include "project/SystemData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

cTitleScene* Title(ScreenDriver& d) {
    return d.Scene<cTitleScene>(SCENE_TITLE);
}

std::vector<int> Rows(cTitleScene* t) {
    std::vector<int> rows;
    for (int r = 0; r < t->RowCount(); ++r) rows.push_back(t->RowMode(r));
    return rows;
}

} // namespace

TEST(TitleScene, TheMenuShowsTheEnabledModesInOrderAndNoMoreThanItsSevenRows) {
    struct Case {
        const char* what;
        std::vector<int> enabled; // per stored item
        std::vector<int> rows;
    } cases[] = {
        {"every mode", {1, 1, 1, 1, 1, 1, 1}, {0, 1, 2, 3, 4, 5, 6}},
        {"new story, challenge and options", {1, 0, 1, 0, 0, 1, 0}, {0, 2, 5}},
        {"none enabled shows one row for a new story", {0, 0, 0, 0, 0, 0, 0}, {0}},
        {"a stored menu of twelve items keeps the first seven rows",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        ScreenDriver d;
        SystemData.TitleMenu.clear();
        for (int e : c.enabled) SystemData.TitleMenu.push_back(cCmd(e, "x"));
        d.Frames(1);
        ASSERT_NE(Title(d), nullptr) << c.what;
        EXPECT_EQ(Rows(Title(d)), c.rows) << c.what;
    }
}

TEST(TitleScene, ChoosingARowStartsItsModeAndChallengeIsTheSecondOfThreeRows) {
    TempDir dir;
    ScreenDriver d;
    for (std::size_t i = 0; i < SystemData.TitleMenu.size(); ++i)
        SystemData.TitleMenu[i].bEnabled = (i == 0 || i == 2 || i == 5);
    SystemData.nChallengeStages = 12;
    SystemData.RankingFlags[1].bSwitch = 1;
    PlayData.nLives = 77; // left over from an earlier play-through
    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    d.Tap({VK_DOWN});
    d.Tap({'Z'});
    EXPECT_EQ(Game.nPlayMode, 2);
    EXPECT_EQ(Game.nPlayStartA, 1) << "the challenge's game kind";
    EXPECT_EQ(Game.nPlayStartB, 1) << "the challenge's ranking switch";
    EXPECT_EQ(Game.nNextScene, SCENE_CHALLENGE);
    EXPECT_EQ(PlayData.Challenges.size(), 12u) << "no Challenge.dat: a pair for every stage";
    EXPECT_EQ(PlayData.nOpenChallenges, 1);
    EXPECT_EQ(PlayData.strPlayerName, "aaa");
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_CHALLENGE) << "the fade-out hands over";
    EXPECT_EQ(Game.nPrevScene, SCENE_TITLE);
}

TEST(TitleScene, ANewStoryStartsFreshAtTheMapStartWithTheStoryLives) {
    struct Case {
        const char* what;
        std::int32_t unlimited, start;
        std::int32_t startLives, lives;
    } cases[] = {
        {"five lives: one in play", 0, 5, 5, 4},
        {"unlimited lives", 1, 5, 999999, 999999},
    };
    for (const Case& c : cases) {
        ScreenDriver d;
        SystemData.UnlimitedLives[0] = c.unlimited;
        SystemData.StartLives[0] = c.start;
        WorldMap.nStartX = 3;
        WorldMap.nStartY = 4;
        PlayData.ClearFlags[7] = 1;
        PlayData.CommonVars[3] = 9;
        PlayData.strPlayerName = "old";
        ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
        d.Tap({'Z'});
        EXPECT_EQ(Game.nNextScene, SCENE_WORLD_MAP) << c.what;
        EXPECT_EQ(Game.nPlayStartA, 0) << c.what;
        EXPECT_EQ(PlayData.nMapX, 3) << c.what;
        EXPECT_EQ(PlayData.nMapY, 4) << c.what;
        EXPECT_EQ(PlayData.nStartLives, c.startLives) << c.what;
        EXPECT_EQ(PlayData.nLives, c.lives) << c.what;
        EXPECT_EQ(PlayData.ClearFlags.size(), 1000u) << c.what;
        EXPECT_EQ(PlayData.ClearFlags[0], 1) << c.what;
        EXPECT_EQ(PlayData.ClearFlags[7], 0) << c.what;
        EXPECT_EQ(PlayData.CommonVars.size(), 1001u) << c.what;
        EXPECT_EQ(PlayData.CommonVars[3], 0) << c.what;
        EXPECT_EQ(PlayData.nStorySlot, -1) << c.what;
        EXPECT_EQ(PlayData.strPlayerName, "aaa") << c.what;
    }
}

TEST(TitleScene, TheSlotListRefusesAnEmptySlotGoesBackOnCancelAndLoadsASavedOne) {
    TempDir dir;
    std::filesystem::create_directories("user_data/story");
    ScreenDriver d;
    cPlayData saved;
    saved.Init();
    saved.nMapX = 6;
    saved.nMapY = 2;
    saved.nTotalScore = 1234;
    ASSERT_TRUE(SaveStorySlot(saved, 1));

    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    d.Tap({VK_DOWN});
    d.Tap({'Z'});
    ASSERT_EQ(Title(d)->State(), cTitleScene::STATE_LOAD_SLOT);
    d.Frames(1);
    EXPECT_EQ(WorldPos.Depth(), 2u) << "the list has a cursor level of its own";
    d.Tap({'Z'}); // slot 1 (row 0) holds nothing
    EXPECT_EQ(Title(d)->State(), cTitleScene::STATE_LOAD_SLOT) << "an empty slot is refused";
    d.Tap({'X'});
    EXPECT_EQ(Title(d)->State(), cTitleScene::STATE_MENU);
    EXPECT_EQ(WorldPos.Depth(), 1u);
    EXPECT_EQ(WorldPos.Current()->nRow, 1) << "back on the continue row";

    d.Tap({'Z'});
    d.Frames(1);
    d.Tap({VK_DOWN});
    d.Tap({'Z'}); // slot 2 (row 1)
    EXPECT_EQ(Game.nNextScene, SCENE_WORLD_MAP);
    EXPECT_EQ(PlayData.nMapX, 6);
    EXPECT_EQ(PlayData.nMapY, 2);
    EXPECT_EQ(PlayData.nTotalScore, 1234);
}

TEST(TitleScene, ComingBackFromTheOptionsPutsTheCursorOnTheOptionsRow) {
    TempDir dir;
    ScreenDriver d;
    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    d.Tap(VK_DOWN, 5);
    d.Tap({'Z'});
    EXPECT_EQ(Game.nNextScene, SCENE_OPTION);
    ASSERT_TRUE(d.RunUntil(SCENE_OPTION, 1));
    d.Tap({'X'});
    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    EXPECT_EQ(WorldPos.Current()->nRow, 5);
}

TEST(TitleScene, DecideAndCancelTogetherActOnceAndAHeldDecideDoesNotChooseAgain) {
    TempDir dir;
    ScreenDriver d;
    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    d.Tap({VK_DOWN});
    d.Hold({'Z', 'X'}, 1); // continue: the slot list opens
    ASSERT_EQ(Title(d)->State(), cTitleScene::STATE_LOAD_SLOT);
    d.Hold({'Z', 'X'}, 5); // still held: neither decides nor cancels in the list
    EXPECT_EQ(Title(d)->State(), cTitleScene::STATE_LOAD_SLOT);
    EXPECT_EQ(Game.nNextScene, SCENE_TITLE);
}

TEST(TitleScene, FreePlayWithoutAWindowToAskStaysOnTheMenu) {
    ScreenDriver d;
    ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
    d.Tap(VK_DOWN, 3);
    d.Tap({'Z'});
    EXPECT_EQ(Game.nPlayMode, 3);
    EXPECT_EQ(Title(d)->State(), cTitleScene::STATE_MENU);
    EXPECT_EQ(Game.nNextScene, SCENE_TITLE);
}
