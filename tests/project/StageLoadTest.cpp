#include "project/StageLoad.h"

#include "StageFixture.h"
#include "fixtures/ErrorLogCapture.h"
#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "foundation/Thread.h"
#include "platform/Messages.h"
#include "project/Stage.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path parent = std::filesystem::path(name).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::ofstream f(name, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A stage of the given width, with a placed hero unless told otherwise.
cStage PlayableStage(std::int32_t width, bool hero = true) {
    cStage s;
    s.nMapWidth = width;
    s.Charas.resize(2);
    s.Charas[0].Control = 1;
    s.Charas[1].Control = hero ? 0 : 1;
    s.Charas[1].Column = 4;
    s.Backgrounds.resize(2);
    s.Switches = {1, 0, 1, 0, 1};
    return s;
}

// Each test runs in its own folder with a report file; the playing stage is
// marked so that any change to it shows.
class StageLoading : public ::testing::Test {
protected:
    TempDir dir;
    cErrorLogCapture log;
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SetReportFile("Report_Game.txt");
        ClearScriptedMessageBoxAnswers();
        Stage.Init();
        Stage.nMapWidth = 5;
        Stage.strPath = "before";
        closes = MainWindowCloseRequests();
    }
    void TearDown() override {
        Stage.Init();
        Stage.strPath.clear();
    }
    bool StageUnchanged() const { return Stage.nMapWidth == 5 && Stage.strPath == "before"; }
    bool Reported(const char8_t* text) const {
        return ReadAll("Report_Game.txt").find(U8(text)) != std::string::npos;
    }
    std::uint64_t NewCloses() const { return MainWindowCloseRequests() - closes; }

    std::uint64_t closes = 0;
};

TEST_F(StageLoading, GoodLoadReplacesThePlayingStageAndFillsTheStartStage) {
    cStage src = PlayableStage(40);
    WriteFile("data/stg4/a.stg4_818", src.SaveToBytes());
    cStage start;
    ASSERT_EQ(LoadStageForPlay("data\\stg4\\a.stg4_818", 0, &start), 1);
    EXPECT_EQ(Stage.nMapWidth, 40);
    EXPECT_EQ(Stage.strPath, "data\\stg4\\a.stg4_818");
    EXPECT_EQ(Stage.bLoaded, 1);
    EXPECT_EQ(Stage.bFoundFile, 0);
    EXPECT_EQ(Stage.Charas.size(), 2u);
    EXPECT_EQ(start.nMapWidth, 40);
    EXPECT_EQ(start.Backgrounds.size(), 2u);
    EXPECT_EQ(start.Switches, src.Switches);
    EXPECT_TRUE(start.Charas.empty());
    EXPECT_TRUE(start.PaletteCharas.empty());
    EXPECT_FALSE(thLoad.HasThread());
    // Without a start stage the load still succeeds.
    EXPECT_EQ(LoadStageForPlay("data\\stg4\\a.stg4_818", 0, nullptr), 1);
    EXPECT_EQ(NewCloses(), 0u);
}

TEST_F(StageLoading, SearchTakesTheNewestVersionedFile) {
    WriteFile("data/stg4/b.stg4_003", PlayableStage(30).SaveToBytes());
    WriteFile("data/stg4/b.stg4_010", PlayableStage(31).SaveToBytes());
    ASSERT_EQ(LoadStageForPlay("data\\stg4\\b.stg4_818", 1, nullptr), 1);
    EXPECT_EQ(Stage.nMapWidth, 31);
    EXPECT_EQ(Stage.strPath, "data\\stg4\\b.stg4_010");
    EXPECT_EQ(Stage.bFoundFile, 1);
}

TEST_F(StageLoading, SearchWithoutAFileFailsSilently) {
    EXPECT_EQ(LoadStageForPlay("data\\stg4\\none.stg4_818", 1, nullptr), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_FALSE(Reported(u8"ステージファイル"));
}

TEST_F(StageLoading, MissingFileFailsWithTheReadMessage) {
    EXPECT_EQ(LoadStageForPlay("data\\stg4\\none.stg4_818", 0, nullptr), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_TRUE(Reported(u8"ステージファイル data\\stg4\\none.stg4_818 の読み込みに失敗しました！"));
    EXPECT_EQ(NewCloses(), 0u);
}

TEST_F(StageLoading, DamagedFileLeavesThePlayingStage) {
    // The end marker is there, the middle is not.
    std::vector<std::uint8_t> bytes = PlayableStage(40).SaveToBytes();
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 100);
    cut.insert(cut.end(), bytes.end() - 4, bytes.end());
    WriteFile("c.stg4_818", cut);
    EXPECT_EQ(LoadStageForPlay("c.stg4_818", 0, nullptr), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_TRUE(Reported(u8"ステージファイル c.stg4_818 の読み込みに失敗しました！"));
    EXPECT_EQ(NewCloses(), 0u);
}

TEST_F(StageLoading, EndMarkerIsComparedFromVersion174) {
    cStage src = PlayableStage(40);
    StageFileOptions o = AtVersion(174);
    o.marker = 7u;
    WriteFile("d.stg4_174", StageFile(src, o));
    EXPECT_EQ(CheckStageEndMarker("d.stg4_174"), 0);
    EXPECT_EQ(NewCloses(), 1u);
    EXPECT_EQ(LoadStageForPlay("d.stg4_174", 0, nullptr), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_TRUE(Reported(u8"ステージファイル d.stg4_174 が破損しています！"));

    o.version = 173;
    WriteFile("d.stg4_173", StageFile(src, o));
    EXPECT_EQ(CheckStageEndMarker("d.stg4_173"), 1);
    EXPECT_EQ(LoadStageForPlay("d.stg4_173", 0, nullptr), 1);
    EXPECT_EQ(Stage.nMapWidth, 40);
    // A file too short to hold a marker is damaged; one that can't be read is left to the load.
    WriteFile("e.stg4_818", {0x32, 0x03, 0, 0, 1});
    EXPECT_EQ(CheckStageEndMarker("e.stg4_818"), 0);
    EXPECT_EQ(CheckStageEndMarker("nothing.stg4_818"), 1);
}

TEST_F(StageLoading, StageWithoutAHeroIsRefused) {
    WriteFile("f.stg4_818", PlayableStage(40, false).SaveToBytes());
    cStage start;
    start.nMapWidth = 9;
    EXPECT_EQ(LoadStageForPlay("f.stg4_818", 0, &start), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_EQ(start.nMapWidth, 9);
    EXPECT_TRUE(Reported(u8"主人公が配置されていないのでプレイできません！"));
    EXPECT_EQ(NewCloses(), 1u);
}

TEST_F(StageLoading, QuitDuringTheLoadEndsTheLoaderAndKeepsTheQuit) {
    WriteFile("g.stg4_818", PlayableStage(40).SaveToBytes());
    PostQuitMessage(3);
    EXPECT_EQ(LoadStageForPlay("g.stg4_818", 0, nullptr), 0);
    EXPECT_TRUE(StageUnchanged());
    EXPECT_FALSE(thLoad.HasThread());
    EXPECT_NE(log.Text().find("msg.message == WM_QUIT"), std::string::npos);
    // The quit is still there for the caller's own loop.
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace

namespace {

TEST_F(StageLoading, FileLoadErrorNotesANewerFile) {
    WriteFile("new.dat", {0xFF, 0xFF, 0, 0});
    cStage s;
    EXPECT_FALSE(s.LoadFromFile("new.dat"));
    ShowFileLoadError("new.dat");
    EXPECT_TRUE(Reported(
        u8"new.dat の読み込みに失敗しました！\nソフトより上位のバージョンのファイルは使用できません。"));
    WriteFile("none.dat", {0x32, 0x03, 0, 0, 1}); // a good version, then damage
    EXPECT_FALSE(s.LoadFromFile("none.dat"));
    ShowFileLoadError("none.dat");
    std::string report = ReadAll("Report_Game.txt");
    EXPECT_NE(report.find(U8(u8"none.dat の読み込みに失敗しました！")), std::string::npos);
    EXPECT_EQ(report.find(U8(u8"none.dat の読み込みに失敗しました！\nソフト")), std::string::npos);
}

} // namespace

namespace {

TEST_F(StageLoading, ReplayFileGivesTheStageItHolds) {
    EXPECT_TRUE(IsReplayPath("user_data\\rpl4\\a__2026__12_10__14_50.rpl4_818"));
    EXPECT_TRUE(IsReplayPath("A.RPL4_818"));
    EXPECT_FALSE(IsReplayPath("a.stg4_818"));
    EXPECT_FALSE(IsReplayPath("rpl4"));
    cStage playing = PlayableStage(44);
    cStage start = PlayableStage(45);
    RecordFilePtr f = OpenRecordMemoryWrite();
    playing.SaveForReplay(*f, start);
    f->WriteU32(1); // the recorder and the play data follow
    f->WriteU32(0x12345678);
    WriteFile("r.rpl4_818", f->Bytes());
    ASSERT_EQ(LoadStageForPlay("r.rpl4_818", 0, nullptr), 1);
    EXPECT_EQ(Stage.nMapWidth, 45);
    EXPECT_EQ(NewCloses(), 0u);
}

} // namespace

namespace {

int g_handled = 0;

LRESULT CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 7) ++g_handled;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(StageLoading, CallerKeepsHandlingItsMessagesDuringTheLoad) {
    ASSERT_TRUE(RegisterWindowClass("StageLoadingTestWindow", CountingProc));
    HWND wnd = CreateWindowA("StageLoadingTestWindow", "test");
    ASSERT_NE(wnd, nullptr);
    WriteFile("h.stg4_818", PlayableStage(40).SaveToBytes());
    g_handled = 0;
    PostMessageA(wnd, WM_USER + 7, 0, 0);
    EXPECT_EQ(LoadStageForPlay("h.stg4_818", 0, nullptr), 1);
    EXPECT_EQ(g_handled, 1);
    DestroyWindow(wnd);
    UnregisterWindowClass("StageLoadingTestWindow");
}

} // namespace
