// The real player on a real (virtual) X display: the first-start question is
// a GTK box whose Japanese title and text reach the display intact and whose
// answer the start-up follows; a display that goes away closes the player in
// order. A screenshot of the box is left in <build>/screenshots/.
#include "app/GameFolder.h"
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "fixtures/XWindows.h"
#include "fixtures/Xvfb.h"
#include "platform/Cp932.h"
#include "platform/InstanceLock.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class PlayerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first: " << PlayerPath();
        ASSERT_TRUE(x.Start()) << "no Xvfb could be started (tools/setup.sh installs it)";
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        game = MakeFolder(dir.path(), "game");
    }
    void Prepare(PlayerRun& run) { run.OnDisplay(x.Display()); }
    TempDir dir;
    XvfbServer x;
    fs::path runtime;
    fs::path game;
};

TEST_F(PlayerWindowTest, TheFirstStartQuestionIsAGtkBoxAndItsAnswerIsFollowed) {
    const std::string title = Cp932ToUtf8("デフォルトデータ作成の確認");
    struct Case {
        const char* key;
        int status;
        bool dataMade;
    } cases[] = {
        {"Return", 0, true},  // the default button, Yes
        {"Escape", 1, false}, // closing a Yes/No box answers No
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        fs::remove_all(game);
        game = MakeFolder(dir.path(), "game");
        ASSERT_TRUE(WriteGameFolder(game, "default"));
        PlayerRun run;
        Prepare(run);
        run.Start(game, runtime, 5);
        std::string box = FindWindowTitled(x, title, 60);
        ASSERT_FALSE(box.empty()) << "no box titled " << title << "\n" << run.Stderr();
        if (c.dataMade) {
            EXPECT_TRUE(Screenshot(x, "first-start-box.png"));
        }
        int status = -1;
        x.Run("xdotool windowfocus --sync " + box + " key " + c.key, &status);
        EXPECT_EQ(status, 0);
        if (c.dataMade) {
            EXPECT_TRUE(FocusPlayerWindow(x, box, 30)) << "the box went and the game window is there";
        } else {
            // The start-up ends with its error box, answered in turn.
            std::string error = FindWindowTitled(x, Cp932ToUtf8("エラー"), 60);
            ASSERT_FALSE(error.empty()) << run.Stderr();
            x.Run("xdotool windowfocus --sync " + error + " key Return", &status);
            EXPECT_EQ(status, 0);
        }
        ASSERT_TRUE(run.Wait(60)) << "the player did not end";
        EXPECT_TRUE(run.EndedNormallyWith(c.status)) << run.status << "\n" << run.Stderr();
        EXPECT_EQ(fs::exists(game / "data" / "System.dat"), c.dataMade);
        for (const auto& e : fs::directory_iterator(game))
            EXPECT_NE(e.path().filename().string().rfind("data.copy-", 0), 0u) << "a part-made copy was left";
    }
}

TEST_F(PlayerWindowTest, LosingTheDisplayClosesThePlayerInOrder) {
    ASSERT_TRUE(WriteGameFolder(game));
    PlayerRun run;
    Prepare(run);
    run.Start(game, runtime, 1000000); // runs until something ends it
    // The display mode is reported once the window and its graphics are up.
    for (int i = 0; i < 600 && ReadAll(game / "Report_Game.txt").find("Mode : Window") == std::string::npos;
         ++i)
        ::usleep(100000);
    ASSERT_NE(ReadAll(game / "Report_Game.txt").find("Mode : Window"), std::string::npos) << run.Stderr();
    x.Stop();
    ASSERT_TRUE(run.Wait(60)) << "the player hangs after losing its display";
    EXPECT_TRUE(run.EndedNormallyWith(1)) << run.status;
    std::string err = run.Stderr();
    EXPECT_NE(err.find("lost the connection to the display"), std::string::npos) << err;
    EXPECT_NE(err.find("closed in order after losing the display"), std::string::npos) << err;
    std::string report = ReadAll(game / "Report_Game.txt");
    EXPECT_NE(report.find("Scripted close done: threads ended"), std::string::npos) << report;
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    cInstanceLock lock(Cp932ToUtf8("ゲーム"));
    EXPECT_TRUE(lock.TryAcquire()) << "the lock was released";
}

} // namespace
