// The options page run headless with keys: every option changed (the ranking
// name through its dialog, answered by script), stored in Option.dat on
// leaving and found again by the next start; values wrap at their ranges and a
// cancelled edit puts the value back.
#include "app/OptionScene.h"
#include "app/App.h"
#include "app/DialogRequests.h"
#include "app/ScreenDriver.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "gui/DialogTemplates.h"
#include "platform/Dialog.h"
#include "project/DataPath.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using S = DialogStep;

// A main window that answers the name-entry request, for the life of the object.
class cNameEntryWindow {
public:
    cNameEntryWindow() {
        RegisterWindowClass("OptionSceneTest", MainWndProc);
        window_ = CreateWindowA("OptionSceneTest", "");
        before_ = hMainWnd.exchange(window_);
    }
    ~cNameEntryWindow() {
        hMainWnd = before_;
        DestroyWindow(window_);
        UnregisterWindowClass("OptionSceneTest");
    }

private:
    HWND window_ = nullptr;
    HWND before_ = nullptr;
};

// Opens the options from the title's options row.
void OpenOptions(ScreenDriver& d) {
    Game.nPlayMode = 5;
    Game.nCurrentScene = SCENE_OPTION;
    ASSERT_TRUE(d.RunUntil(SCENE_OPTION, cOptionScene::STATE_OPTIONS));
}

// Moves to `row`, edits it with `steps` presses (up when positive) and keeps it.
void Edit(ScreenDriver& d, int row, int steps, int key = 'Z') {
    d.Tap(VK_DOWN, row);
    d.Tap({'Z'});
    d.Tap(steps > 0 ? VK_UP : VK_DOWN, steps > 0 ? steps : -steps);
    d.Tap({key});
    d.Tap(VK_UP, row);
}

} // namespace

TEST(OptionScene, EveryOptionChangedIsStoredOnLeavingAndKeptAtTheNextStart) {
    TempDir dir;
    std::filesystem::create_directories("user_data");
    cNameEntryWindow window;
    ClearScriptedDialogs();
    ScreenDriver d;
    OptionData = cOptionData();
    OpenOptions(d);
    const cOptionScene* scene = d.Scene<cOptionScene>(SCENE_OPTION);
    ASSERT_EQ(scene->RowCount(), 6);
    EXPECT_EQ(OptionValueText(OPTION_MUSIC), "ON");

    Edit(d, 0, -1); // music off
    Edit(d, 1, 2);  // volume 7 -> 9
    Edit(d, 2, -1); // ranking mode 0 -> 3, wrapping
    Edit(d, 5, -2); // palette 0 -> 22, wrapping
    PushScriptedDialog(IDD_NAME_ENTRY, {{S::Type, IDC_NAME, "QRS"}, {S::Click, IDC_OK}});
    d.Tap(VK_DOWN, 3);
    d.Tap({'Z'});
    EXPECT_EQ(OptionValueText(OPTION_RANKING_NAME), "QRS") << "shown as soon as the dialog closes";
    d.Tap({VK_DOWN});
    d.Tap({'Z'}); // back
    d.Frames(4);
    EXPECT_EQ(Game.nCurrentScene, SCENE_TITLE);
    EXPECT_EQ(Game.nPrevScene, SCENE_OPTION);

    cOptionData stored;
    ASSERT_TRUE(stored.LoadFromFile(DataPath.At(DP_OPTION)));
    EXPECT_EQ(stored.bMusic, 0);
    EXPECT_EQ(stored.nVolume, 9);
    EXPECT_EQ(stored.nRankingMode, 3);
    EXPECT_EQ(stored.nPalette, 22);
    EXPECT_EQ(stored.RankingName, "QRS");
}

TEST(OptionScene, ValuesWrapAtTheirRangesAndACancelledEditPutsTheValueBack) {
    TempDir dir;
    ScreenDriver d;
    OptionData = cOptionData();
    OptionData.nPalette = 23;
    OptionData.nVolume = 10;
    OpenOptions(d);
    struct Case {
        const char* what;
        int row, steps;
        std::int32_t* value;
        std::int32_t expected;
    } cases[] = {
        {"palette 23 up is 0", 5, 1, &OptionData.nPalette, 0},
        {"volume 10 up is 0", 1, 1, &OptionData.nVolume, 0},
        {"ranking mode 0 down is 3", 2, -1, &OptionData.nRankingMode, 3},
        {"music on up is off", 0, 1, &OptionData.bMusic, 0},
    };
    for (const Case& c : cases) {
        Edit(d, c.row, c.steps);
        EXPECT_EQ(*c.value, c.expected) << c.what;
    }
    const std::int32_t volume = OptionData.nVolume;
    Edit(d, 1, 3, 'X');
    EXPECT_EQ(OptionData.nVolume, volume) << "cancel puts the value back";
    EXPECT_EQ(d.Scene<cOptionScene>(SCENE_OPTION)->SubStep(), 1) << "back to choosing an item";
}
