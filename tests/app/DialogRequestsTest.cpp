// The main window's dialog work as a headless run does it, with the dialogs
// answered by script: the start-up choice and Boot.dat, and the ranking name
// entry requested through its program message.
#include "app/DialogRequests.h"
#include "app/App.h"
#include "app/Game.h"
#include "fixtures/TempDir.h"
#include "gui/DialogTemplates.h"
#include "platform/Dialog.h"
#include "project/BootData.h"
#include "project/IniSetting.h"
#include "project/OptionData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
using S = DialogStep;
}

TEST(StartUpChoice, TheDialogStoresTheChoiceAndTheNextStartSkipsIt) {
    TempDir dir;
    std::filesystem::create_directory("user_data");
    ClearScriptedDialogs();
    PushScriptedDialog(IDD_BOOT, {{S::Click, IDC_DDRAW}, {S::Click, IDC_DONT_ASK}, {S::Click, IDC_OK}});
    IniSetting.Direct3D = 2;
    ASSERT_TRUE(ChooseDrawingMode());
    EXPECT_EQ(IniSetting.Direct3D, 0);
    ASSERT_TRUE(std::filesystem::exists("user_data/Boot.dat"));

    // The next start: a script that would cancel is never used, the stored mode stands.
    PushScriptedDialog(IDD_BOOT, {{S::Click, IDC_CANCEL}});
    IniSetting.Direct3D = 2;
    ASSERT_TRUE(ChooseDrawingMode());
    EXPECT_EQ(IniSetting.Direct3D, 0);
    ClearScriptedDialogs();
}

TEST(StartUpChoice, CancelEndsTheStartUpAndStoresNothing) {
    TempDir dir;
    std::filesystem::create_directory("user_data");
    ClearScriptedDialogs();
    PushScriptedDialog(IDD_BOOT, {{S::Click, IDC_CANCEL}});
    IniSetting.Direct3D = 2;
    EXPECT_FALSE(ChooseDrawingMode());
    EXPECT_FALSE(std::filesystem::exists("user_data/Boot.dat"));
}

TEST(NameEntryRequest, TheProgramMessageRunsTheDialogAndSaysItIsDone) {
    ClearScriptedDialogs();
    ASSERT_TRUE(RegisterWindowClass("NameEntryRequestTest", MainWndProc));
    HWND window = CreateWindowA("NameEntryRequestTest", "");
    ASSERT_NE(window, nullptr);
    struct Case {
        int playMode;
        std::string* target;
    } cases[] = {{0, &strEntryName}, {5, &OptionData.RankingName}};
    for (const Case& c : cases) {
        Game.nPlayMode = c.playMode;
        *c.target = "old";
        bNameEntryDone = 0;
        PushScriptedDialog(IDD_NAME_ENTRY, {{S::Type, IDC_NAME, "ABCD"}, {S::Click, IDC_OK}});
        SendMessageA(window, WM_NAME_ENTRY, 0, 0);
        EXPECT_EQ(bNameEntryDone.load(), 1);
        EXPECT_EQ(*c.target, "ABC") << c.playMode;
    }
    Game.nPlayMode = 0;
    DestroyWindow(window);
    UnregisterWindowClass("NameEntryRequestTest");
}
