// The main window's dialog work as a headless run does it, with the dialogs
// answered by script: the start-up choice and Boot.dat, and the ranking name
// entry requested through its program message.
#include "app/DialogRequests.h"
#include "app/App.h"
#include "app/Game.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "gui/DialogTemplates.h"
#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "project/BootData.h"
#include "project/IniSetting.h"
#include "project/OptionData.h"
#include "project/Stage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

TEST(StageFileRequest, AChosenStageStartsAndACancelOrAFailedLoadStartsNothingAndClosesNothing) {
    TempDir dir;
    cStage stage;
    stage.nMapWidth = 40;
    stage.Charas.resize(2); // the hero is the character placed under control 0
    stage.Charas[0].Control = 1;
    stage.Charas[1].Control = 0;
    stage.Charas[1].Column = 4;
    const std::vector<std::uint8_t> bytes = stage.SaveToBytes();
    std::filesystem::create_directories("data/stg4");
    std::ofstream("data/stg4/a.stg4_818", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ClearScriptedFileDialogs();
    ClearScriptedMessageBoxAnswers();
    // A WM_QUIT left by an earlier test's main window would end the load's message loop.
    MSG leftover;
    while (PeekMessageA(&leftover, nullptr, 0, 0, PM_REMOVE)) {
    }
    ASSERT_TRUE(RegisterWindowClass("StageFileRequestTest", MainWndProc));
    HWND window = CreateWindowA("StageFileRequestTest", "");
    const HWND before = hMainWnd.exchange(window);
    struct Case {
        const char* what;
        bool scripted;
        std::string answer;
        int result;
        bool starts, closes;
    } cases[] = {
        {"a chosen stage starts", true, "data\\stg4\\a.stg4_818", 1, true, false},
        {"a cancel starts nothing", false, "", 0, false, false},
        {"a file that fails to load is told as a failure; the program goes on", true,
         "data\\stg4\\none.stg4_818", 0, false, false},
    };
    for (const Case& c : cases) {
        if (c.scripted) PushScriptedFileDialog(c.answer);
        Game.nNextScene = SCENE_TITLE;
        bDialogDone = 0;
        bDialogResult = 7;
        SendMessageA(window, WM_OPEN_STAGE_FILE, 0, 0);
        EXPECT_EQ(bDialogDone.load(), 1) << c.what;
        EXPECT_EQ(bDialogResult.load(), c.result) << c.what;
        EXPECT_EQ(Game.nNextScene == SCENE_PLAY, c.starts) << c.what;
        if (c.starts) {
            EXPECT_EQ(IniSetting.FreeStage, c.answer) << c.what;
        }
        MSG msg;
        bool closes = false;
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_CLOSE) closes = true;
        }
        EXPECT_EQ(closes, c.closes) << c.what;
    }
    Game.nNextScene = 0;
    IniSetting.FreeStage.clear();
    DestroyWindow(window);
    hMainWnd = before;
    UnregisterWindowClass("StageFileRequestTest");
    // The main window's end posts WM_QUIT: it must not end the next test's message loop.
    while (PeekMessageA(&leftover, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(StartStageFromFile, FreePlayStartsFreshWithTheFreePlayLivesAndTheStageName) {
    TempDir dir;
    cGameGlobalsGuard globals;
    cStage stage;
    stage.Charas.resize(1);
    stage.Charas[0].Control = 0;
    const std::vector<std::uint8_t> bytes = stage.SaveToBytes();
    std::filesystem::create_directories("data/stg4");
    std::ofstream("data/stg4/b-1.stg4_818", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const std::string absolute = (std::filesystem::current_path() / "data/stg4/b-1.stg4_818").string();
    // A WM_QUIT left by an earlier test's main window would end the load's message loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    struct Case {
        const char* what;
        int testPlay;
        std::int32_t unlimited, start;
        std::int32_t startLives, lives;
    } cases[] = {
        {"three lives: two left in play", 0, 0, 3, 3, 2},
        {"unlimited free-play lives", 0, 1, 3, 999999, 999999},
        {"a test play", 1, 0, 3, 999999, 999999},
        {"a start of the smallest int does not overflow", 0, 0, INT32_MIN, INT32_MIN, INT32_MIN},
    };
    for (const Case& c : cases) {
        SystemData.UnlimitedLives[2] = c.unlimited;
        SystemData.StartLives[2] = c.start;
        bEditorStarted = c.testPlay;
        PlayData.ClearFlags[5] = 1;
        PlayData.nStageNumber = 9;
        ASSERT_TRUE(StartStageFromFile(absolute, 0)) << c.what;
        EXPECT_EQ(PlayData.nStartLives, c.startLives) << c.what;
        EXPECT_EQ(PlayData.nLives, c.lives) << c.what;
        EXPECT_EQ(PlayData.ClearFlags[5], 0) << c.what;
        EXPECT_EQ(PlayData.nStageNumber, 1) << c.what;
        EXPECT_EQ(PlayData.nAreaNumber, 1) << c.what;
        EXPECT_EQ(PlayData.strPlayerName, "aaa") << c.what;
        EXPECT_EQ(PlayData.strStageName, ".\\data\\stg4\\b.")
            << c.what << ": named relative to the game folder";
    }
    bEditorStarted = 0;
    IniSetting.FreeStage.clear();
    Game.nNextScene = 0;
}
