// The world map run headless with keys on a small map: walking, what blocks
// the marker, the stage-start menu that opens by itself on a stage to be
// played, a cleared stage that may not be replayed, the way back to the safe
// cell, auto-save after stage play, a stage that cannot be read, and the way
// to the save screen.
#include "app/WorldMapScene.h"
#include "app/ScreenDriver.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "project/SaveSlots.h"
#include "project/Stage.h"
#include "project/WorldMapRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A stage file with a hero at data/stg4/<name>.stg4_818.
void WriteStage(const std::string& name) {
    cStage stage;
    stage.Charas.resize(1);
    stage.Charas[0].Control = 0;
    const std::vector<std::uint8_t> bytes = stage.SaveToBytes();
    std::filesystem::create_directories("data/stg4");
    std::ofstream("data/stg4/" + name + ".stg4_818", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

cWorldEntry StageEntry(const char* file, std::int32_t clearFlag, std::int32_t freePass, std::int32_t replay) {
    cWorldEntry e;
    e.nKind = kEntryStage;
    e.nParams[1] = clearFlag;
    e.nParams[2] = freePass;
    e.nParams[3] = replay;
    e.strCaption = "stage";
    e.strFile = file;
    return e;
}

void AddEvent(std::int32_t x, std::int32_t y, const cWorldEntry& entry) {
    cWorldEvent event;
    event.nX = x;
    event.nY = y;
    event.Entries.assign(1, entry);
    WorldMap.Events.push_back(event);
}

// A 12 x 6 map of open chips with the marker at (2, 2); chip 1 is blocked.
void SmallMap() {
    WorldMap.SetDefaults();
    WorldMap.SetSize(12, 6);
    WorldMap.Chips.clear();
    for (int i = 0; i < 2; ++i) {
        cWorldChip chip;
        chip.bBlocked = i;
        WorldMap.Chips.push_back(chip);
    }
    WorldMap.nStartX = 2;
    WorldMap.nStartY = 2;
    PlayData.Init();
    PlayData.nMapX = 2;
    PlayData.nMapY = 2;
}

cWorldMapScene* Map(ScreenDriver& d) {
    return d.Scene<cWorldMapScene>(SCENE_WORLD_MAP);
}

void EnterMap(ScreenDriver& d, int previous = SCENE_TITLE) {
    Game.nCurrentScene = SCENE_WORLD_MAP;
    Game.nPrevScene = previous;
    Game.nPlayStartA = 0;
    d.Frames(1);
}

std::pair<int, int> Cell(ScreenDriver& d) {
    return {Map(d)->Marker().nColumn, Map(d)->Marker().nRow};
}

} // namespace

TEST(WorldMapScene, TheMarkerWalksOneCellAFrameAndStopsAtWallsBlockedChipsAndTheEdge) {
    TempDir dir;
    ScreenDriver d;
    SmallMap();
    WorldMap.Cells.At(WorldMap.CellIndex(2, 1)) = 1; // a blocked chip above
    cWorldEntry wall;
    wall.nKind = kEntryWall;
    AddEvent(3, 2, wall); // a wall to the right
    cWorldEntry inactive;
    inactive.nKind = kEntryWall;
    inactive.nParams[4] = 50; // counts only once stage flag 50 is set
    AddEvent(1, 2, inactive);
    EnterMap(d);
    ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
    EXPECT_EQ(Map(d)->ScrollX(), 2 - 9);
    EXPECT_EQ(Map(d)->ScrollY(), 2 - 7);

    d.Tap({VK_RIGHT});
    EXPECT_EQ(Cell(d), std::make_pair(2, 2)) << "a wall event blocks";
    EXPECT_EQ(Map(d)->Facing(), 3);
    d.Tap({VK_UP});
    EXPECT_EQ(Cell(d), std::make_pair(2, 2)) << "a blocked chip blocks";
    d.Tap({VK_LEFT});
    EXPECT_EQ(Cell(d), std::make_pair(1, 2)) << "an event without an active entry is passed over";
    d.Tap({VK_LEFT, VK_DOWN});
    EXPECT_EQ(Cell(d), std::make_pair(0, 2)) << "two directions: only the first of left, right, up, down";
    d.Tap({VK_LEFT});
    EXPECT_EQ(Cell(d), std::make_pair(0, 2)) << "the edge holds";
    EXPECT_EQ(Map(d)->ScrollX(), -9);
    EXPECT_EQ(PlayData.nMapFacing, 2);
}

TEST(WorldMapScene, AStageToBePlayedOpensItsMenuByItselfAndRowZeroStartsIt) {
    TempDir dir;
    WriteStage("s");
    ScreenDriver d;
    SmallMap();
    SystemData.bWorldMapSwitchA = 0; // lives not kept: the story's start lives
    SystemData.StartLives[0] = 4;
    AddEvent(4, 2, StageEntry("data\\stg4\\s.stg4", 7, 0, 0));
    EnterMap(d);
    ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
    d.Tap({VK_RIGHT});
    EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_MAP);
    d.Tap({VK_RIGHT});
    EXPECT_EQ(Cell(d), std::make_pair(4, 2));
    EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_STAGE_MENU) << "no key needed";
    EXPECT_EQ(PlayData.nMapX, 4);

    d.Frames(1);
    EXPECT_EQ(WorldPos.Current()->nRow, 1) << "the menu opens on its second row";
    d.Tap({VK_UP});
    d.Tap({'Z'});
    EXPECT_EQ(Game.nNextScene, SCENE_PLAY);
    EXPECT_EQ(PlayData.nStageNumber, 7) << "the entry's clear flag";
    EXPECT_EQ(PlayData.nAreaNumber, 1);
    EXPECT_EQ(PlayData.nStartLives, 4);
    EXPECT_EQ(PlayData.strStageName, "data\\stg4\\s.");
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_PLAY);
    EXPECT_EQ(Game.nPrevScene, SCENE_WORLD_MAP);
}

TEST(WorldMapScene, DecliningAStageThatMayNotBeLeftSendsTheMarkerBack) {
    TempDir dir;
    WriteStage("s");
    ScreenDriver d;
    SmallMap();
    AddEvent(3, 2, StageEntry("data\\stg4\\s.stg4", 7, 0, 0));
    EnterMap(d);
    ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
    d.Tap({VK_RIGHT});
    ASSERT_EQ(Map(d)->State(), cWorldMapScene::STATE_STAGE_MENU);
    d.Frames(1);
    d.Tap({'X'});
    EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_MAP);
    EXPECT_EQ(Cell(d), std::make_pair(2, 2));
    EXPECT_EQ(WorldPos.Depth(), 1u);
}

TEST(WorldMapScene, ACleardStageThatMayNotBeReplayedIgnoresDecideAndAReplayableOneOpens) {
    TempDir dir;
    WriteStage("s");
    for (int replayable : {0, 1}) {
        ScreenDriver d;
        SmallMap();
        PlayData.ClearFlags[7] = 1;
        AddEvent(2, 2, StageEntry("data\\stg4\\s.stg4", 7, 0, replayable));
        EnterMap(d);
        ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
        EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_MAP) << "a cleared stage does not open by itself";
        d.Tap({'Z'});
        EXPECT_EQ(Map(d)->State(), replayable ? cWorldMapScene::STATE_STAGE_MENU : cWorldMapScene::STATE_MAP)
            << replayable;
    }
}

TEST(WorldMapScene, BackFromAFailedStageTheMarkerStandsOnTheCellItWasEnteredFrom) {
    TempDir dir;
    WriteStage("s");
    ScreenDriver d;
    SmallMap();
    AddEvent(4, 2, StageEntry("data\\stg4\\s.stg4", 7, 0, 0));
    PlayData.nMapX = 4;
    PlayData.nSafeX = 3;
    PlayData.nSafeY = 2;
    PlayData.bBackToSafe = 1;
    EnterMap(d, SCENE_PLAY);
    ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
    EXPECT_EQ(Cell(d), std::make_pair(3, 2));
    EXPECT_EQ(PlayData.bBackToSafe, 0);
    EXPECT_EQ(Game.nNextScene, SCENE_TITLE) << "no stage started by itself";
}

TEST(WorldMapScene, StandingOnAStageToBePlayedStartsItAfterTheFadeUnlessItCannotBeRead) {
    TempDir dir;
    WriteStage("s");
    for (const char* file : {"data\\stg4\\s.stg4", "data\\stg4\\missing.stg4"}) {
        const bool readable = std::string(file).find("missing") == std::string::npos;
        ScreenDriver d;
        SmallMap();
        AddEvent(2, 2, StageEntry(file, 7, 0, 0));
        const std::uint64_t closes = MainWindowCloseRequests();
        EnterMap(d, SCENE_PLAY);
        d.Frames(3);
        if (readable) {
            EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_LEAVE) << file;
            EXPECT_EQ(Game.nNextScene, SCENE_PLAY) << file;
            EXPECT_EQ(PlayData.nSafeX, 2) << file;
        } else {
            // The message, and the map idle instead of the program closing.
            EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_MAP) << file;
            EXPECT_EQ(MainWindowCloseRequests(), closes) << file;
            d.Frames(5);
            EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_MAP) << "the menu does not reopen by itself";
            d.Tap({VK_RIGHT});
            d.Tap({VK_LEFT});
            EXPECT_EQ(Map(d)->State(), cWorldMapScene::STATE_STAGE_MENU) << "stepping on it again asks again";
        }
    }
}

TEST(WorldMapScene, WithAutoSaveOnComingBackFromPlaySavesTheSlotInUse) {
    TempDir dir;
    std::filesystem::create_directories("user_data/story");
    ScreenDriver d;
    SmallMap();
    PlayData.bAutoSave = 1;
    PlayData.nStorySlot = 2;
    PlayData.nTotalScore = 55;
    EnterMap(d, SCENE_TITLE);
    cPlayData probe;
    EXPECT_FALSE(LoadStorySlot(probe, 2)) << "not from the title";
    Game.DeleteScenes();
    EnterMap(d, SCENE_PLAY);
    cPlayData saved;
    ASSERT_TRUE(LoadStorySlot(saved, 2));
    EXPECT_EQ(saved.nMapX, 2);
}

TEST(WorldMapScene, CancelLeavesForTheSaveScreenWithThePositionKept) {
    TempDir dir;
    ScreenDriver d;
    SmallMap();
    EnterMap(d);
    ASSERT_TRUE(d.RunUntil(SCENE_WORLD_MAP, cWorldMapScene::STATE_MAP));
    d.Tap({VK_DOWN});
    d.Tap({'X'});
    EXPECT_EQ(Game.nNextScene, SCENE_SAVE);
    EXPECT_EQ(PlayData.nMapY, 3);
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_SAVE);
}
