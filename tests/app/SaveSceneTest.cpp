// The story save screen run headless with keys: saving to a chosen slot after
// the confirmation, auto-save that needs a slot in use and saves at once, the
// confirmation before going to the title, and the way back to the map.
#include "app/SaveScene.h"
#include "app/ScreenDriver.h"
#include "fixtures/TempDir.h"
#include "project/SaveSlots.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

cSaveScene* Save(ScreenDriver& d) {
    return d.Scene<cSaveScene>(SCENE_SAVE);
}

void OpenSaveScreen(ScreenDriver& d) {
    std::filesystem::create_directories("user_data/story");
    Game.nCurrentScene = SCENE_SAVE;
    Game.nPrevScene = SCENE_WORLD_MAP;
    ASSERT_TRUE(d.RunUntil(SCENE_SAVE, cSaveScene::STATE_MENU));
}

bool SlotSaved(int slot) {
    cPlayData probe;
    return LoadStorySlot(probe, slot);
}

} // namespace

TEST(SaveScene, SavingToSlotThreeAfterTheConfirmationMakesItTheSlotInUse) {
    TempDir dir;
    ScreenDriver d;
    OpenSaveScreen(d);
    PlayData.nMapX = 8;
    d.Tap({'Z'}); // save
    ASSERT_EQ(Save(d)->State(), cSaveScene::STATE_SAVE);
    d.Frames(1);
    EXPECT_EQ(WorldPos.Current()->nRow, 0) << "no slot in use: the list opens on the first";
    d.Tap(VK_DOWN, 2);
    d.Tap({'Z'});
    EXPECT_EQ(WorldPos.Current()->nRow, 1) << "the confirmation starts on its second row";
    d.Tap({'Z'});
    EXPECT_FALSE(SlotSaved(2)) << "the second row saves nothing";
    d.Tap({'Z'});
    d.Tap({VK_UP});
    d.Tap({'Z'});
    EXPECT_EQ(PlayData.nStorySlot, 2);
    cPlayData saved;
    ASSERT_TRUE(LoadStorySlot(saved, 2));
    EXPECT_EQ(saved.nMapX, 8);
    EXPECT_EQ(Save(d)->SubStep(), 1) << "back on the list, which shows the new date";
    ScanStorySlots();
    EXPECT_EQ(SlotList[2].bSaved, 1);

    d.Tap({'X'});
    EXPECT_EQ(Save(d)->State(), cSaveScene::STATE_MENU);
    d.Tap({'Z'});
    d.Frames(1);
    EXPECT_EQ(WorldPos.Current()->nRow, 2) << "the list now opens on the slot in use";
}

TEST(SaveScene, AutoSaveNeedsASlotInUseAndSavesAtOnceWhenSwitchedOn) {
    TempDir dir;
    ScreenDriver d;
    OpenSaveScreen(d);
    d.Tap({VK_DOWN});
    d.Tap({'Z'}); // auto-save, never saved: the message
    ASSERT_EQ(Save(d)->State(), cSaveScene::STATE_AUTO_SAVE);
    EXPECT_EQ(Save(d)->SubStep(), 2);
    d.Tap({'Z'});
    EXPECT_EQ(Save(d)->State(), cSaveScene::STATE_MENU);
    EXPECT_EQ(PlayData.bAutoSave, 0) << "nothing changes";

    PlayData.nStorySlot = 4;
    d.Tap({'Z'});
    EXPECT_EQ(Save(d)->SubStep(), 1);
    d.Frames(1);
    EXPECT_EQ(WorldPos.Current()->nRow, 1) << "off: the cursor on the off row";
    d.Tap({VK_UP});
    d.Tap({'Z'});
    EXPECT_EQ(PlayData.bAutoSave, 1);
    EXPECT_TRUE(SlotSaved(4)) << "switching on saves at once";
    EXPECT_EQ(Save(d)->State(), cSaveScene::STATE_MENU);
}

TEST(SaveScene, TheTitleIsReachedOnlyThroughTheFirstRowOfItsConfirmation) {
    TempDir dir;
    ScreenDriver d;
    OpenSaveScreen(d);
    d.Tap(VK_DOWN, 3);
    d.Tap({'Z'});
    ASSERT_EQ(Save(d)->State(), cSaveScene::STATE_TITLE);
    d.Frames(1);
    EXPECT_EQ(WorldPos.Current()->nRow, 1);
    d.Tap({'Z'});
    EXPECT_EQ(Save(d)->State(), cSaveScene::STATE_MENU) << "the second row goes back to the menu";
    d.Tap({'Z'});
    d.Tap({VK_UP});
    d.Tap({'Z'});
    EXPECT_EQ(Game.nNextScene, SCENE_TITLE);
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_TITLE);
    EXPECT_EQ(Game.nPrevScene, SCENE_SAVE);
}

TEST(SaveScene, CancelGoesBackToTheMap) {
    TempDir dir;
    ScreenDriver d;
    OpenSaveScreen(d);
    d.Tap({'X'});
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_WORLD_MAP);
    EXPECT_EQ(Game.nPrevScene, SCENE_SAVE);
}
