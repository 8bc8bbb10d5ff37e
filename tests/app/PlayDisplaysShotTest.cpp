// The play menus and end displays of the real player on a real (virtual) X
// display, reached by key scripts on the demo game: the pause menu over the
// first stage, the clear display after the hero reached the goal, and the
// game-over display after the last life ran out with the time. Each display
// waits for the player, so the run stands still on it: its screenshot is
// taken once two looks a moment apart agree, and left in
// <build>/screenshots/.
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "fixtures/XWindows.h"
#include "fixtures/Xvfb.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifdef BRINDLE_DEMO_DIR

namespace {

namespace fs = std::filesystem;

// The title's new story, the world map walked to the first stage and its
// start menu answered: the stage fades in and shows its ready captions (two
// of 79 frames) before play starts.
std::string ToFirstStage() {
    std::string s = "40:\nZ\n60:\n";
    for (int i = 0; i < 4; ++i) s += "RIGHT\n3:\n";
    return s + "30:\nUP\n3:\nZ\n300:\n";
}

// RIGHT held all the way and Z held for full jumps: over the walker to the goal.
std::string HopToGoal() {
    std::string s = "30:\n";
    for (int i = 0; i < 5; ++i) s += "30: RIGHT Z\n15: RIGHT\n12:\n";
    return s + "600: RIGHT\n";
}

class PlayDisplaysShot : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first";
        ASSERT_TRUE(x.Start()) << "no Xvfb could be started (tools/setup.sh installs it)";
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        game = dir.path() / "demo";
        fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
        // The project's data as a first start makes it, so that no question is asked.
        fs::copy(game / "default", game / "data", fs::copy_options::recursive);
        // No frame counter in the corner: a display that waits stands still.
        std::string ini = ReadAll(game / "System.ini");
        const std::size_t fps = ini.find("ShowFps=1");
        ASSERT_NE(fps, std::string::npos);
        ini[fps + 8] = '0';
        std::ofstream(game / "System.ini", std::ios::binary) << ini;
        shots = PlayerPath().parent_path() / "screenshots";
        fs::create_directories(shots);
    }

    // Starts the player on the display with the script.
    void Start(PlayerRun& run, const std::string& script, const char* name) {
        const fs::path path = dir.path() / name;
        std::ofstream(path) << script;
        run.keyScript = path.string();
        run.env = {{"WAYLAND_DISPLAY", std::nullopt}, {"NO_AT_BRIDGE", "1"}};
        const char* asan = std::getenv("ASAN_OPTIONS");
        run.env["ASAN_OPTIONS"] = std::string(asan ? asan : "") + ":detect_leaks=0";
        run.Start(game, runtime, 0, "dummy", x.Display());
        // With no window manager nobody gives the window the focus, and a
        // player without it holds its game.
        for (int i = 0; i < 300; ++i) {
            int status = -1;
            x.Run("xdotool search --onlyvisible --class brindle4 windowfocus 2>/dev/null", &status);
            if (status == 0) return;
            ::usleep(100000);
        }
        ADD_FAILURE() << "the player's window did not appear\n" << run.Stderr();
    }

    // The screen's pixels.
    std::string Look() {
        const fs::path raw = dir.path() / "look.rgb";
        int status = -1;
        x.Run("import -window root -depth 8 rgb:" + raw.string(), &status);
        return status == 0 ? ReadAll(raw) : std::string();
    }

    // Waits until the run stands still (two looks a second apart agree) on
    // a picture other than the last shot's, not before the script can have
    // come to its end; then the screenshot. False when it never does. A
    // player slower than real time may still stand on the last shot's
    // display (a menu held for a while) when the script's time is up.
    bool ShotWhenStill(const std::string& script, const char* png) {
        int frames = 0;
        std::istringstream lines(script);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t colon = line.find(':');
            frames += colon == std::string::npos ? 1 : std::stoi(line.substr(0, colon));
        }
        ::usleep(static_cast<useconds_t>(frames) * 1000000 / 60);
        std::string before = Look();
        for (int i = 0; i < 90; ++i) {
            ::usleep(1000000);
            std::string now = Look();
            if (!now.empty() && now == before && now != lastStill) {
                lastStill = now;
                int status = -1;
                x.Run("import -window root " + (shots / png).string(), &status);
                return status == 0;
            }
            before = std::move(now);
        }
        return false;
    }

    // Ends the run as a lost display ends it.
    void End(PlayerRun& run) {
        x.Stop();
        EXPECT_TRUE(run.Wait(60)) << "the player did not end";
    }

    TempDir dir;
    XvfbServer x;
    fs::path runtime, game, shots;
    std::string lastStill; // the picture of the last shot
};

} // namespace

TEST_F(PlayDisplaysShot, ThePauseMenuAndTheClearDisplayStandOverTheFirstStage) {
    const std::string toPause = ToFirstStage() + "SPACE\n";
    // The pause menu, cancelled; then to the goal and the clear display.
    const std::string toClear = toPause + "600:\nX\n5:\n" + HopToGoal();
    PlayerRun run;
    Start(run, toClear, "clear.txt");
    EXPECT_TRUE(ShotWhenStill(toPause, "pause-menu.png")) << "the pause menu does not stand still";
    EXPECT_TRUE(ShotWhenStill("600:\nX\n5:\n" + HopToGoal(), "stage-clear.png"))
        << "the clear display does not stand still";
    End(run);
    EXPECT_NE(ReadAll(shots / "pause-menu.png"), ReadAll(shots / "stage-clear.png"));
}

TEST_F(PlayDisplaysShot, TheGameOverDisplayEndsALastLifeThatRanOutOfTime) {
    // A story of one life, whose first stage gives two seconds.
    cSystemData system;
    ASSERT_TRUE(system.LoadFromFile((game / "data/System.dat").string()));
    system.UnlimitedLives.At(0) = 0;
    system.StartLives.At(0) = 1;
    ASSERT_TRUE(system.SaveToFile((game / "data/System.dat").string()));
    const std::string stagePath = (game / "data/stg4/w01-1.stg4_818").string();
    cStage stage;
    ASSERT_TRUE(stage.LoadFromFile(stagePath));
    stage.bTimeLimit = 1;
    stage.nTimeLimit = 2;
    ASSERT_TRUE(stage.SaveToFile(stagePath));

    const std::string script = ToFirstStage() + "300:\n";
    PlayerRun run;
    Start(run, script, "gameover.txt");
    EXPECT_TRUE(ShotWhenStill(script, "game-over.png")) << "the game-over display does not stand still";
    End(run);
}

#endif
