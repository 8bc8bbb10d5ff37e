// The real player started headless on a small game folder: it starts, runs
// frames, closes in order and leaves its report; a second copy asks the first
// to close in order; a folder without a project ends the start-up cleanly.
#include "app/PlayerRun.h"
#include "app/GameFolder.h"
#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "fixtures/Xvfb.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "project/WindowData.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PlayerRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first: " << PlayerPath();
        runtime = MakeFolder(dir.path(), "runtime", 0700);
    }
    TempDir dir;
    fs::path runtime;
};

TEST_F(PlayerRunTest, HeadlessRunStartsRunsFramesAndClosesInOrder) {
    fs::path game = MakeFolder(dir.path(), "game");
    ASSERT_TRUE(WriteGameFolder(game));
    PlayerRun run;
    run.Start(game, runtime, 90);
    ASSERT_TRUE(run.Wait(60)) << "the player did not close";
    EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status;
    EXPECT_GE(run.Seconds(), 1.4) << "90 frames at 60 a second take a second and a half";

    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_EQ(report.rfind("App : ver 818\n", 0), 0u) << report;
    for (const char* line : {"\nOS : ", "\nVSync : 0\n", "\nMode : Window\n",
                             "\nScripted close after 90 frames\n", "\nScripted close done: threads ended, "})
        EXPECT_NE(report.find(line), std::string::npos) << line << "\n" << report;
    std::size_t at = report.find("threads ended, ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_GE(std::stoi(report.substr(at + 15)), 90) << "every frame was presented";
    EXPECT_FALSE(fs::exists(game / "EC_Game.txt")) << "the error log stays off";
    for (const char* folder : {"user_data/rpl4", "data/plt4", "bmp/hbt", "bgm"})
        EXPECT_TRUE(fs::is_directory(game / folder)) << folder;
    EXPECT_FALSE(fs::exists(runtime / (Cp932ToUtf8("ゲーム") + ".sock"))) << "the lock's socket is removed";
}

TEST_F(PlayerRunTest, TheWindowRecordIsWrittenOnCloseAndADamagedOneIsClampedAtStart) {
    fs::path game = MakeFolder(dir.path(), "game");
    ASSERT_TRUE(WriteGameFolder(game));
    {
        PlayerRun run;
        run.Start(game, runtime, 5);
        ASSERT_TRUE(run.Wait(60));
        EXPECT_TRUE(run.EndedNormallyWith(0));
    }
    const fs::path record = game / "user_data" / "Window.dat";
    ASSERT_TRUE(fs::exists(record)) << "closing a window writes its record";
    EXPECT_EQ(fs::file_size(record), 32u);

    // Off every screen, with a size no window has.
    cWindowData damaged;
    damaged.nX = -50000;
    damaged.nY = 90000;
    damaged.nClientWidth = 0;
    damaged.nClientHeight = -1;
    ASSERT_TRUE(damaged.SaveToFile(record.string()));
    {
        PlayerRun run;
        run.Start(game, runtime, 5);
        ASSERT_TRUE(run.Wait(60));
        EXPECT_TRUE(run.EndedNormallyWith(0));
    }
    cWindowData stored;
    ASSERT_TRUE(stored.LoadFromFile(record.string()));
    EXPECT_GE(stored.nX, 0);
    EXPECT_GE(stored.nY, 0);
    EXPECT_LT(stored.nY, 90000) << "the window was put back on the screen";
    EXPECT_EQ(stored.nClientWidth, 640);
    EXPECT_EQ(stored.nClientHeight, 480);

    // A record on the screen is read at start, the window stands there, and
    // closing writes the same place back: no drift from one start to the next.
    cWindowData placed;
    placed.nX = 37;
    placed.nY = 23;
    placed.nClientWidth = 640;
    placed.nClientHeight = 480;
    ASSERT_TRUE(placed.SaveToFile(record.string()));
    for (int start = 0; start < 2; ++start) {
        PlayerRun run;
        run.Start(game, runtime, 5);
        ASSERT_TRUE(run.Wait(60));
        EXPECT_TRUE(run.EndedNormallyWith(0));
        ASSERT_TRUE(stored.LoadFromFile(record.string()));
        EXPECT_EQ(stored.nX, 37) << "start " << start;
        EXPECT_EQ(stored.nY, 23) << "start " << start;
    }
}

TEST_F(PlayerRunTest, WithoutAnAudioDeviceThePlayerRunsSilentAndSaysSo) {
    fs::path game = MakeFolder(dir.path(), "game");
    ASSERT_TRUE(WriteGameFolder(game));
    PlayerRun run;
    run.Start(game, runtime, 10, "no-such-driver");
    ASSERT_TRUE(run.Wait(60)) << "the player did not close";
    EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status;
    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find("Sound : no audio device, sound off"), std::string::npos) << report;
    EXPECT_NE(report.find("Scripted close done: threads ended"), std::string::npos) << report;
}

#ifdef BRINDLE_DEMO_DIR
TEST_F(PlayerRunTest, OnADisplayWithoutAnAudioDriverTheDemoStartsSilentAndCloses) {
    fs::path game = dir.path() / "demo";
    fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
    // On a display the first-start question would wait for a user: data\ is there already.
    fs::copy(game / "default", game / "data", fs::copy_options::recursive);
    XvfbServer display;
    ASSERT_TRUE(display.Start()) << "Xvfb (package xvfb) starts";
    PlayerRun run;
    // The title screen asks for its music: it is read and played with nowhere to go.
    run.Start(game, runtime, 60, "no-such-driver", display.Display());
    ASSERT_TRUE(run.Wait(120)) << "the player hung";
    EXPECT_TRUE(run.EndedNormallyWith(0)) << run.status;
    const std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find("Sound : no audio device, sound off"), std::string::npos) << report;
    EXPECT_NE(report.find("Scripted close done: threads ended"), std::string::npos) << report;
}
#endif

TEST_F(PlayerRunTest, TheDataFolderIsMadeFromDefault) {
    fs::path game = MakeFolder(dir.path(), "game");
    ASSERT_TRUE(WriteGameFolder(game, "default"));
    PlayerRun run;
    run.Start(game, runtime, 5);
    ASSERT_TRUE(run.Wait(60));
    EXPECT_TRUE(run.EndedNormallyWith(0));
    EXPECT_TRUE(fs::exists(game / "data" / "System.dat"));
}

#ifdef BRINDLE_DEMO_DIR
TEST_F(PlayerRunTest, TheDemoGameStartsAndClosesInOrder) {
    fs::path game = dir.path() / "demo";
    fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
    PlayerRun run;
    run.Start(game, runtime, 30);
    ASSERT_TRUE(run.Wait(60));
    EXPECT_TRUE(run.EndedNormallyWith(0));
    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find("Scripted close done: threads ended"), std::string::npos) << report;
    EXPECT_EQ(report.find("Sound : "), std::string::npos) << "the dummy audio device opens";
}
#endif

TEST_F(PlayerRunTest, AFolderWithoutAProjectEndsTheStartUpWithItsMessage) {
    fs::path game = MakeFolder(dir.path(), "empty");
    PlayerRun run;
    run.Start(game, runtime, 5);
    ASSERT_TRUE(run.Wait(30));
    EXPECT_TRUE(run.EndedNormallyWith(1)) << "a failed start is not a success: " << run.status;
    EXPECT_NE(run.Stderr().find("brindle4: the start-up failed"), std::string::npos) << run.Stderr();
    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find(Cp932ToUtf8("「data」フォルダの作成に失敗…")), std::string::npos) << report;
    EXPECT_EQ(report.find("Scripted close"), std::string::npos) << "no frame ever ran";
}

TEST_F(PlayerRunTest, ASecondCopyAsksTheFirstToCloseInOrderAndThenRuns) {
    fs::path first = MakeFolder(dir.path(), "first");
    fs::path second = MakeFolder(dir.path(), "second");
    ASSERT_TRUE(WriteGameFolder(first));
    ASSERT_TRUE(WriteGameFolder(second));
    PlayerRun a;
    a.Start(first, runtime, 0); // runs until it is asked to close
    fs::path socket = runtime / (Cp932ToUtf8("ゲーム") + ".sock");
    for (int i = 0; i < 1000 && !fs::exists(socket); ++i) ::usleep(10000);
    ASSERT_TRUE(fs::exists(socket)) << "the first copy listens";

    PlayerRun b;
    b.Start(second, runtime, 30);
    ASSERT_TRUE(a.Wait(30)) << "the first copy closed when asked";
    EXPECT_TRUE(a.EndedNormallyWith(0)) << "it closed in order, not by a signal: " << a.status;
    ASSERT_TRUE(b.Wait(60));
    EXPECT_TRUE(b.EndedNormallyWith(0));
    std::string report = ReadAll(second / "Report_Game.txt");
    EXPECT_NE(report.find(Cp932ToUtf8("[二重起動]")), std::string::npos)
        << "the box was answered Yes unattended";
    EXPECT_NE(report.find("Scripted close done: threads ended"), std::string::npos) << report;
}

} // namespace
