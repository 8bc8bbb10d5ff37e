// The real player on the demo game, driven by key scripts as a player would
// play it: a new story walked on the world map and saved to slot 1, back to
// the title, continued from slot 1 and saved again from where it was; the
// same with the first stage played and cleared on the way; a challenge stage
// cleared and its result entered into the rankings; and every option
// changed, stored, and kept by the next start.
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "project/OptionData.h"
#include "project/PlayData.h"
#include "project/RankSet.h"

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
    // The keys held together for `frames` frames.
    cScript& Hold(const char* keys, int frames) {
        text_ << frames << ": " << keys << "\n";
        frames_ += frames;
        return *this;
    }
    // In a stage: RIGHT held all the way and Z held for full jumps, over
    // walls, pits and enemies to the goal, where the clear display waits.
    cScript& HopToGoal() {
        Wait(30);
        for (int i = 0; i < 5; ++i) Hold("RIGHT Z", 30).Hold("RIGHT", 15).Wait(12);
        return Hold("RIGHT", 600);
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

TEST_F(ScreenFlowRun, AClearedStoryStageIsSavedAndTheStoryContinuesWhereItWas) {
    cScript script;
    script.Wait()
        .Keys("Z") // the title: a new story
        .Wait()
        .Keys("RIGHT", 4) // to the first stage, whose start menu opens
        .Wait(30)
        .Keys("UP") // "play the stage"
        .Keys("Z")
        .Wait(280) // the fade-in and the ready captions
        .HopToGoal()
        .Keys("Z") // the clear display: back to the map
        .Wait(60)
        .Keys("X") // the save screen: slot 1
        .Wait()
        .Keys("Z")
        .Keys("Z")
        .Keys("UP")
        .Keys("Z")
        .Keys("X")
        .Keys("DOWN", 3) // to the title
        .Keys("Z")
        .Keys("UP")
        .Keys("Z")
        .Wait()
        .Keys("DOWN") // continue from slot 1
        .Keys("Z")
        .Keys("Z")
        .Wait()
        .Keys("X") // and save what was found to slot 2
        .Wait()
        .Keys("Z")
        .Keys("DOWN")
        .Keys("Z")
        .Keys("UP")
        .Keys("Z")
        .Wait(10);
    Play(script, "cleared.txt");
    cPlayData first, second;
    ASSERT_TRUE(first.LoadFromFile((game / "user_data/story/Story01.dat").string()));
    ASSERT_TRUE(second.LoadFromFile((game / "user_data/story/Story02.dat").string()));
    EXPECT_EQ(first.nMapX, 9) << "on the first stage's cell";
    EXPECT_EQ(first.nMapY, 7);
    ASSERT_TRUE(first.ClearFlags.InRange(1));
    EXPECT_EQ(first.ClearFlags[1], 1) << "the first stage is cleared";
    EXPECT_EQ(first.Results.size(), 1u) << "its result is kept";
    EXPECT_EQ(second.nMapX, first.nMapX) << "continued where it was saved";
    EXPECT_EQ(second.nMapY, first.nMapY);
    ASSERT_TRUE(second.ClearFlags.InRange(1));
    EXPECT_EQ(second.ClearFlags[1], 1);
}

TEST_F(ScreenFlowRun, AChallengeStageClearedEntersItsResultIntoTheRankings) {
    cScript script;
    script.Wait()
        .Keys("DOWN", 2) // the title: challenge
        .Keys("Z")
        .Wait()
        .Keys("Z") // stage 1
        .Wait(280) // the fade-in and the ready captions
        .HopToGoal()
        .Keys("F3") // the clear display: the name entry (answered headless with its default), then the pages
        .Wait(10)
        .Keys("Z") // the pages closed
        .Wait(10)
        .Keys("Z") // back to the challenge list
        .Wait(60);
    Play(script, "challenge.txt");
    fs::path file;
    for (const auto& e : fs::directory_iterator(game / "user_data/challenge"))
        if (e.path().extension() == ".rkg") file = e.path();
    ASSERT_FALSE(file.empty()) << "no ranking file was written";
    cRankSet set;
    ASSERT_TRUE(set.LoadFromFile(file.string()));
    ASSERT_EQ(set.Tables.size(), 5u);
    for (const cRankTable& t : set.Tables) {
        ASSERT_FALSE(t.Entries.empty());
        EXPECT_EQ(t.Entries[0].bUsed, 1);
        EXPECT_EQ(t.Entries[0].strName, "aaa") << "the name the entry offered";
    }
    cPlayData challenge;
    ASSERT_TRUE(challenge.LoadFromFile((game / "user_data/challenge/Challenge.dat").string()));
    ASSERT_FALSE(challenge.Challenges.empty());
    EXPECT_EQ(challenge.Challenges[0].nFirst, 1) << "stage 1 is cleared";
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
