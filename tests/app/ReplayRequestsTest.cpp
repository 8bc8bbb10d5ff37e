// The main window's replay requests with scripted dialogs: saving the
// attempt in progress or the previous one (over an existing file only after
// a yes), opening a replay to view, and a file that can't be written or read,
// which shows its message while the program goes on. Then the whole way: F1
// pressed during a demo stage saves the attempt, the title's replay mode
// opens it, and it plays back frame by frame as it was played.
#include "app/ReplayRequests.h"

#include "app/App.h"
#include "app/DialogRequests.h"
#include "app/ScreenDriver.h"
#include "app/TitleScene.h"
#include "demo/DemoProject.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/HeroStage.h"
#include "fixtures/ReadAll.h"
#include "fixtures/ReplayFrames.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "platform/FileDialog.h"
#include "play/ReplayKeys.h"
#include "play/StageRunner.h"
#include "project/Replay.h"
#include "project/Stage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

cReplay Frames(std::uint32_t seed, std::uint32_t frames) {
    cReplay r;
    r.m_dwSeed = seed;
    r.m_vDirWord = {2};
    r.m_vDirRun = {frames};
    r.m_vBtnWord = {1};
    r.m_vBtnRun = {frames};
    return r;
}

// A main window of its own for the requests, taken down afterwards with the
// messages its end leaves behind.
class MainWindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    cGameGlobalsGuard globals;
    HWND window = nullptr;
    HWND before = nullptr;
    std::uint64_t closes = 0;

    void SetUp() override {
        SetReportFile("Report_Game.txt");
        ClearScriptedFileDialogs();
        ClearScriptedMessageBoxAnswers();
        fs::create_directories("user_data/rpl4");
        ASSERT_TRUE(RegisterWindowClass("ReplayRequestsTest", MainWndProc));
        window = CreateWindowA("ReplayRequestsTest", "");
        ASSERT_NE(window, nullptr);
        before = hMainWnd.exchange(window);
        closes = MainWindowCloseRequests();
    }
    void TearDown() override {
        hMainWnd = before;
        DestroyWindow(window);
        UnregisterWindowClass("ReplayRequestsTest");
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        ClearScriptedFileDialogs();
        ClearScriptedMessageBoxAnswers();
    }
    // True when WM_CLOSE was asked for since the start of the test.
    bool Closing() {
        bool closing = MainWindowCloseRequests() != closes;
        MSG msg;
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE))
            if (msg.message == WM_CLOSE) closing = true;
        return closing;
    }
    int Send(UINT message, WPARAM wParam) {
        bDialogDone = 0;
        bDialogResult = 0;
        SendMessageA(window, message, wParam, 0);
        EXPECT_EQ(bDialogDone.load(), 1);
        return bDialogResult.load();
    }
    bool Reported(const std::string& text) const {
        return ReadAll("Report_Game.txt").find(text) != std::string::npos;
    }
};

using ReplaySave = MainWindowFixture;
using ReplayOpen = MainWindowFixture;

} // namespace

TEST_F(ReplaySave, TheChosenRecorderIsWrittenAndAnExistingFileOnlyAfterAYes) {
    Stage = HeroStage(40);
    ReplayStage = HeroStage(30);
    PlayData.strStageName = "stg4\\s.";
    Replay = Frames(11, 5);
    ReplayPlayData.nLives = 5;
    PrevReplay = Frames(22, 9);
    PrevReplayPlayData.nLives = 9;
    ASSERT_TRUE(WriteWholeFile("user_data/rpl4/old.rpl4_818", {1, 2, 3}));

    struct Case {
        const char* what;
        WPARAM which;
        std::string answer; // the file dialog's; empty cancels
        int overwrite;      // the answer asked for saving over, 0 when none is asked
        int result;
        std::uint32_t seed; // of the file afterwards; 0 for the old bytes
    } cases[] = {
        {"a new name: the attempt in progress", 0, "user_data\\rpl4\\new.rpl4_818", 0, 1, 11},
        {"the previous attempt", 1, "user_data\\rpl4\\prev.rpl4_818", 0, 1, 22},
        {"cancelled", 0, "", 0, 0, 0},
        {"an existing file, no", 0, "user_data\\rpl4\\old.rpl4_818", IDNO, 0, 0},
        {"an existing file, yes", 1, "user_data\\rpl4\\old.rpl4_818", IDYES, 1, 22},
    };
    for (const Case& c : cases) {
        PushScriptedFileDialog(c.answer);
        if (c.overwrite) PushScriptedMessageBoxAnswer(c.overwrite);
        EXPECT_EQ(Send(WM_SAVE_REPLAY, c.which), c.result) << c.what;
        if (c.answer.empty()) continue;
        cReplay back;
        cStage stage, start;
        cPlayData data;
        const std::int32_t read = back.LoadFile(c.answer, stage, start, data);
        EXPECT_EQ(read, c.seed ? 1 : 0) << c.what;
        if (c.seed) {
            EXPECT_EQ(back.m_dwSeed, c.seed) << c.what;
            EXPECT_EQ(data.nLives, c.seed == 11 ? 5 : 9) << c.what;
            EXPECT_EQ(stage.nMapWidth, 30) << c.what;
        }
    }
    EXPECT_FALSE(Closing());
}

TEST_F(ReplaySave, AFileThatCannotBeWrittenIsReportedAndPlayGoesOn) {
    Stage = HeroStage(40);
    ReplayStage = Stage;
    Replay = Frames(1, 1);
    PushScriptedFileDialog("user_data\\missing folder\\x.rpl4_818");
    EXPECT_EQ(Send(WM_SAVE_REPLAY, 0), 0);
    EXPECT_TRUE(Reported("x.rpl4_818"));
    EXPECT_FALSE(Closing());
}

TEST_F(ReplayOpen, AChosenReplayIsLoadedAndOneThatCannotBeReadChangesNothing) {
    cStage playing = HeroStage(40);
    cStage start = HeroStage(30);
    cPlayData data;
    data.nLives = 4;
    data.strStageName = "stg4\\s.";
    cReplay r = Frames(77, 8);
    ASSERT_EQ(r.SaveFile("user_data/rpl4/good.rpl4_818", playing, start, data), 1);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile("user_data/rpl4/good.rpl4_818", bytes));
    std::vector<std::uint8_t> newer = bytes;
    newer[0] = 0x33; // 819
    ASSERT_TRUE(WriteWholeFile("user_data/rpl4/newer.rpl4_818", newer));
    bytes.resize(bytes.size() - 10);
    ASSERT_TRUE(WriteWholeFile("user_data/rpl4/cut.rpl4_818", bytes));

    struct Case {
        const char* what;
        std::string answer;
        int result;
    } cases[] = {
        {"cancelled", "", 0},
        {"cut short: its message, nothing changed", "user_data\\rpl4\\cut.rpl4_818", 0},
        {"newer than the program: its message, nothing changed", "user_data\\rpl4\\newer.rpl4_818", 0},
        {"missing", "user_data\\rpl4\\none.rpl4_818", 0},
        {"a good replay", "user_data\\rpl4\\good.rpl4_818", 1},
    };
    for (const Case& c : cases) {
        Replay = Frames(5, 1);
        Replay.m_nDirPos = 1;
        Stage = HeroStage(12);
        PlayData.Init();
        PlayData.nLives = 1;
        PushScriptedFileDialog(c.answer);
        EXPECT_EQ(Send(WM_OPEN_REPLAY_FILE, 0), c.result) << c.what;
        if (c.result) {
            EXPECT_EQ(Replay.m_dwSeed, 77u) << c.what;
            EXPECT_EQ(Replay.m_nDirPos, 0u) << c.what << ": ready to play from its start";
            EXPECT_EQ(Stage.nMapWidth, 30) << c.what;
            EXPECT_EQ(ReplayStage.nMapWidth, 30) << c.what;
            EXPECT_EQ(PlayData.nLives, 4) << c.what;
            EXPECT_EQ(ReplayPlayData.nLives, 4) << c.what;
        } else {
            EXPECT_EQ(Replay.m_dwSeed, 5u) << c.what;
            EXPECT_EQ(Stage.nMapWidth, 12) << c.what;
            EXPECT_EQ(PlayData.nLives, 1) << c.what;
        }
    }
    EXPECT_TRUE(Reported("cut.rpl4_818"));
    EXPECT_FALSE(Reported(U8(u8"cut.rpl4_818 の読み込みに失敗しました！\nソフト")));
    EXPECT_TRUE(
        Reported(U8(u8"newer.rpl4_818 "
                    u8"の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。")));
    EXPECT_FALSE(Closing());
}

TEST_F(ReplayOpen, F1DuringPlaySavesAndTheTitlesReplayModePlaysItBack) {
    const cKeptProject kept; // also when an assertion ends the test early
    std::string error;
    ASSERT_TRUE(OpenDemoProject(dir.path(), error)) << error;

    // F1 at frame 187, held for a while: one save of the attempt so far.
    constexpr int kF1Frame = 187;
    const std::string path = "user_data\\rpl4\\played.rpl4_818";
    std::vector<std::uint64_t> recorded; // but the ready frames, whose captions the viewing shows its own
    int played = 0;                      // frames of them before F1
    {
        cStageRunner run;
        SystemData.bReplay = 1;
        ASSERT_TRUE(cStageRunner::LoadStage("data\\stg4\\w01-1.stg4_818"));
        ASSERT_TRUE(run.SetScript("30:\n30: RIGHT Z\n15: RIGHT\n12:\n100: RIGHT\n20: F1\n50: RIGHT", &error))
            << error;
        PushScriptedFileDialog(path);
        for (int i = 0; i < 257; ++i) {
            if (std::optional<std::uint64_t> hash = PlayFrame(run)) recorded.push_back(*hash);
            if (i + 1 == kF1Frame) played = static_cast<int>(recorded.size());
        }
    }
    ASSERT_TRUE(fs::exists("user_data/rpl4/played.rpl4_818"));
    const cSystemData demoSystem = SystemData;
    Replay.Reset();
    Stage.Init();
    ReplayStage.Init();

    {
        ScreenDriver d;
        ASSERT_TRUE(d.RunUntil(SCENE_TITLE, cTitleScene::STATE_MENU));
        auto* title = d.Scene<cTitleScene>(SCENE_TITLE);
        int row = 0;
        while (row < title->RowCount() && title->RowMode(row) != MODE_REPLAY) ++row;
        ASSERT_LT(row, title->RowCount());
        PushScriptedFileDialog(path);
        d.Tap(VK_DOWN, row);
        d.Tap({'Z'});
        EXPECT_EQ(Game.nPlayMode, 4);
        EXPECT_EQ(Game.nNextScene, SCENE_PLAY);

        SystemData = demoSystem;
        cStageRunner view;
        view.Host().playMode = 4;
        for (int i = 0; i < played; ++i)
            ASSERT_EQ(NextPlayFrame(view), recorded[static_cast<std::size_t>(i)]) << i;
        // The saved attempt ends where F1 was pressed: it plays again.
        view.Frame();
        EXPECT_EQ(view.Play().nState, PLAY_READY);
    }
    EXPECT_FALSE(Closing());
}
