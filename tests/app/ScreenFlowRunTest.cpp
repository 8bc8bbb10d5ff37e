// The real player on the demo game, driven by key scripts as a player would
// play it: a new story walked on the world map and saved to slot 1, back to
// the title, continued from slot 1 and saved again from where it was; and
// every option changed, stored, and kept by the next start.
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "project/OptionData.h"
#include "project/PlayData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifdef BRINDLE_DEMO_DIR

namespace {

namespace fs = std::filesystem;

// A key script: each key is pressed for a frame and let go for `gap` frames;
// "wait" idles through a scene's fades.
class cScript {
public:
    cScript& Keys(const char* key, int times = 1, int gap = 3) {
        for (int i = 0; i < times; ++i) text_ << key << "\n" << gap << ":\n";
        frames_ += times * (1 + gap);
        return *this;
    }
    cScript& Wait(int frames = 40) {
        text_ << frames << ":\n";
        frames_ += frames;
        return *this;
    }
    int Frames() const { return frames_; }
    void Write(const fs::path& path) const { std::ofstream(path) << text_.str(); }

private:
    std::ostringstream text_;
    int frames_ = 0;
};

class ScreenFlowRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(PlayerPath())) << "build the player first";
        runtime = MakeFolder(dir.path(), "runtime", 0700);
        game = dir.path() / "demo";
        fs::copy(BRINDLE_DEMO_DIR, game, fs::copy_options::recursive);
    }
    // Runs the player through the script and a little after it.
    void Play(const cScript& script, const char* name) {
        const fs::path path = dir.path() / name;
        script.Write(path);
        PlayerRun run;
        run.keyScript = path.string();
        run.Start(game, runtime, script.Frames() + 20);
        ASSERT_TRUE(run.Wait(120)) << name << ": the player did not close";
        EXPECT_TRUE(run.EndedNormallyWith(0)) << name;
    }
    TempDir dir;
    fs::path runtime, game;
};

} // namespace

TEST_F(ScreenFlowRun, ANewStorySavedToSlotOneIsContinuedWhereItWas) {
    cScript script;
    script.Wait()
        .Keys("Z") // the title: a new story
        .Wait()
        .Keys("RIGHT", 2) // two cells toward the first stage
        .Keys("X")        // to the save screen
        .Wait()
        .Keys("Z") // save: the slot list
        .Keys("Z") // slot 1: the confirmation, on its second row
        .Keys("UP")
        .Keys("Z")       // saved
        .Keys("X")       // back to the menu
        .Keys("DOWN", 3) // "to the title"
        .Keys("Z")
        .Keys("UP")
        .Keys("Z")
        .Wait()
        .Keys("DOWN") // the title: continue
        .Keys("Z")
        .Keys("Z") // slot 1
        .Wait()
        .Keys("X") // the map as it was, and the save screen again
        .Wait()
        .Keys("Z")
        .Keys("DOWN") // slot 2
        .Keys("Z")
        .Keys("UP")
        .Keys("Z")
        .Wait(10);
    Play(script, "story.txt");
    cPlayData first, second;
    ASSERT_TRUE(first.LoadFromFile((game / "user_data/story/Story01.dat").string()));
    ASSERT_TRUE(second.LoadFromFile((game / "user_data/story/Story02.dat").string()));
    EXPECT_EQ(first.nMapX, 7) << "two cells right of the start (5, 7)";
    EXPECT_EQ(first.nMapY, 7);
    EXPECT_EQ(first.nStorySlot, 0);
    EXPECT_EQ(second.nMapX, first.nMapX) << "continued where it was saved";
    EXPECT_EQ(second.nMapY, first.nMapY);
    EXPECT_EQ(second.nStorySlot, 1);
}

TEST_F(ScreenFlowRun, EveryOptionChangedIsKeptByTheNextStart) {
    cScript change;
    change.Wait()
        .Keys("DOWN", 5) // the title: options
        .Keys("Z")
        .Wait()
        .Keys("Z") // music: off
        .Keys("DOWN")
        .Keys("Z")
        .Keys("DOWN") // volume: 7 to 9
        .Keys("Z")
        .Keys("UP", 2)
        .Keys("Z")
        .Keys("DOWN") // ranking registration: 0 to 3
        .Keys("Z")
        .Keys("DOWN")
        .Keys("Z")
        .Keys("DOWN", 3) // palette: 0 to 23
        .Keys("Z")
        .Keys("DOWN")
        .Keys("Z")
        .Keys("UP") // back
        .Keys("Z")
        .Wait();
    Play(change, "change.txt");
    const std::string stored = (game / "user_data/Option.dat").string();
    cOptionData options;
    ASSERT_TRUE(options.LoadFromFile(stored));
    EXPECT_EQ(options.bMusic, 0);
    EXPECT_EQ(options.nVolume, 9);
    EXPECT_EQ(options.nRankingMode, 3);
    EXPECT_EQ(options.nPalette, 23);

    // The next start reads them; leaving the options again stores what it read.
    cScript look;
    look.Wait().Keys("DOWN", 5).Keys("Z").Wait().Keys("X").Wait();
    Play(look, "look.txt");
    cOptionData kept;
    ASSERT_TRUE(kept.LoadFromFile(stored));
    EXPECT_EQ(kept.bMusic, 0);
    EXPECT_EQ(kept.nVolume, 9);
    EXPECT_EQ(kept.nRankingMode, 3);
    EXPECT_EQ(kept.nPalette, 23);
}

#endif
