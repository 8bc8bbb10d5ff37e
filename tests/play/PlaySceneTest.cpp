#include "fixtures/PlayStage.h"
#include "fixtures/ReadAll.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "platform/ImageBuilders.h"
#include "platform/Random.h"
#include "play/BlockGrid.h"
#include "play/Camera.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {

class PlayScene : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

// Runs frames until the play scene reaches `state` (at most `limit` frames): the frame count.
int RunUntil(cStageRunner& run, int state, int limit) {
    for (int n = 1; n <= limit; ++n) {
        run.Frame();
        if (run.Play().nState == state) return n;
    }
    return -1;
}

} // namespace

TEST_F(PlayScene, EntrySetsTheStageUpThenFadesInAndShowsTheReadyStateBeforePlay) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    cPlayScene& play = run.Play();
    ASSERT_EQ(play.nState, PLAY_FADE_IN);
    ASSERT_NE(play.Hero(), nullptr);
    const cHeroChara& hero = *play.Hero();
    // Map cell (3, 12) behind the 10-block margin.
    EXPECT_EQ(static_cast<int>(hero.dX) >> 5, 13);
    EXPECT_EQ(static_cast<int>(hero.dY) >> 5, 22);
    EXPECT_EQ(play.scene.StageVars.size(), 1001u);
    EXPECT_EQ(play.scene.ActivationGroups.size(), 60u);
    EXPECT_EQ(play.scene.nStageTime, 999) << "no time limit: the countdown shows 999";
    EXPECT_EQ(play.bTimeStop, 1);
    EXPECT_EQ(RunUntil(run, PLAY_MAIN, 20), 10) << "ten fade frames, then one ready frame";
}

TEST_F(PlayScene, TheSameKeyScriptTwiceGivesTheSameHashesFrameByFrame) {
    auto runOnce = [] {
        cStageRunner run;
        cStageRunner::UseStage(SmallStage(30, 15, 3, 2));
        run.SetScript("20: RIGHT\n10: RIGHT Z\n40: LEFT\n", nullptr);
        std::vector<std::uint64_t> hashes;
        for (int i = 0; i < 90; ++i) hashes.push_back(run.Frame());
        return hashes;
    };
    GameSrand(12345);
    const std::vector<std::uint64_t> first = runOnce();
    GameSrand(999); // whatever ran before, the set-up seeds the generator itself
    EXPECT_EQ(runOnce(), first);
}

TEST_F(PlayScene, AHeroWithNoFloorFallsOutOfTheMapIsDefeatedAndTheStageStartsAgain) {
    cStageRunner run;
    cStageRunner::UseStage(SmallStage(30, 15, 3, 2)); // no blocks at all
    ASSERT_GT(RunUntil(run, PLAY_MAIN, 20), 0);
    cPlayScene& play = run.Play();
    int frames = 0;
    while (!play.Hero()->bDying && frames < 600) {
        run.Frame();
        ++frames;
    }
    ASSERT_TRUE(play.Hero()->bDying) << "the fall out of the map defeats the hero";
    EXPECT_EQ(play.nState, PLAY_MAIN) << "the defeat display runs in the main state";
    EXPECT_GT(RunUntil(run, PLAY_GAME_OVER, 200), 0)
        << "no life left: the end of the defeat display ends the attempt";
    run.Frame();
    EXPECT_EQ(play.nState, PLAY_GAME_OVER) << "the game-over display waits for confirm";
    ASSERT_TRUE(run.SetScript("Z\n", nullptr));
    ASSERT_GT(RunUntil(run, PLAY_NOT_ENTERED, 30), 0);
    EXPECT_EQ(run.SwitchedTo(), kPlayScene) << "a free-play stage starts again";
    run.Frame();
    EXPECT_EQ(play.nState, PLAY_FADE_IN);
    EXPECT_FALSE(play.Hero()->bDying) << "entered again from itself: a new hero";
}

TEST_F(PlayScene, EverySetUpEmptiesTheCellsAndTheirConditionCaches) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    cPlayScene& play = run.Play();
    const std::int32_t floor = BlockGrid.CellOf(3 + kMapMargin, 14 + kMapMargin);
    const std::int32_t air = BlockGrid.CellOf(3 + kMapMargin, 5 + kMapMargin);
    ASSERT_NE(BlockGrid.At(floor), nullptr);
    EXPECT_EQ(BlockGrid.At(floor)->GraphicIndex, 1);
    BlockGrid.At(floor)->nCondCache = 1;
    BlockGrid.At(air)->nCondCache = 1;
    BlockGrid.At(air)->GraphicIndex = 7; // a block a change put there
    play.SetStage(1, 0);
    EXPECT_EQ(BlockGrid.At(floor)->nCondCache, 0);
    EXPECT_EQ(BlockGrid.At(air)->nCondCache, 0);
    EXPECT_EQ(BlockGrid.At(air)->GraphicIndex, 0);
    EXPECT_EQ(BlockGrid.At(floor)->GraphicIndex, 1);
}

TEST_F(PlayScene, ARetryResetsTheStageVariablesAndTheSeedOfTheAttempt) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    cPlayScene& play = run.Play();
    play.SetStage(1, 0);
    const std::uint32_t seeded = GameRandState();
    play.scene.StageVars[1000] = 5;
    GameRand();
    play.SetStage(1, 0);
    EXPECT_EQ(play.scene.StageVars[1000], 0);
    EXPECT_EQ(GameRandState(), seeded) << "no recording: the seed of the last set-up again";
}

TEST_F(PlayScene, AMapBlockOutsideTheMapIsReportedNotWrappedIntoAnotherRow) {
    cStage s = FloorStage();
    s.Blocks.push_back(SolidBlock(static_cast<std::int16_t>(40), 3)); // past the row pitch
    cStageRunner run;
    cStageRunner::UseStage(s);
    run.Frame();
    for (std::int16_t c = 0; c < 30; ++c) {
        const cBlock* b = BlockGrid.At(BlockGrid.CellOf(c + kMapMargin, 4 + kMapMargin));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->GraphicIndex, 0) << "column " << c;
    }
}

namespace {

// The play scene entered with the graphics running on a memory face, its
// pictures read from a fresh folder.
class PlaySceneOnAFace : public GraphicsTest {
protected:
    void SetUp() override {
        previousReport = ReportFileName();
        SetReportFile("Report_Game.txt");
        std::copy(std::begin(SystemBmp), std::end(SystemBmp), savedBmp);
        window.Open("test", 640, 480, false);
        ASSERT_TRUE(DDInit(0, &window, 640, 480, 32, 0, 1, 1, 60, 0, SystemSD, SystemBmp, kSystemBmpCount));
    }
    void TearDown() override {
        GraphicsTest::TearDown();
        std::copy(std::begin(savedBmp), std::end(savedBmp), SystemBmp);
        SetReportFile(previousReport);
    }
    // Every picture of the table as a small file, but `missing` (a name of
    // the table, or empty for none).
    static void WritePictures(std::string missing) {
        std::filesystem::create_directories("bmp");
        for (const BMPFILEDATA& b : SystemBmp) {
            std::string name = b.szFile;
            if (name.empty() || b.IsWorkSurface()) continue;
            std::replace(name.begin(), name.end(), '\\', '/');
            WriteFile(name, MakeBmp(64, 64, 24, std::vector<std::uint32_t>(64 * 64, 0x336699u)));
        }
        std::replace(missing.begin(), missing.end(), '\\', '/');
        if (!missing.empty()) std::filesystem::remove(missing);
    }
    static std::string Report() { return ReadAll("Report_Game.txt"); }

    cGameGlobalsGuard globals;
    std::string previousReport;
    BMPFILEDATA savedBmp[kSystemBmpCount];
};

} // namespace

TEST_F(PlaySceneOnAFace, APictureThatCannotBeLoadedIsReportedAndPlayGoesToTheTitle) {
    struct Case {
        const char* missing;
        bool plays;
    };
    for (const Case k : {Case{"", true}, Case{"bmp\\Shot.bmp", false}, Case{"bmp\\Block.bmp", false}}) {
        WritePictures(k.missing);
        const std::string before = Report();
        cStageRunner run;
        cStageRunner::UseStage(FloorStage());
        run.Frame();
        const std::string reported = Report().substr(before.size());
        const bool failed =
            reported.find(U8(u8"ステージの画像の読み込みに失敗しました")) != std::string::npos;
        EXPECT_EQ(failed, !k.plays) << k.missing << "\n" << reported;
        EXPECT_EQ(run.Play().bSetUp, k.plays ? 1 : 0) << k.missing;
        if (k.plays) {
            EXPECT_EQ(RunUntil(run, PLAY_MAIN, 20), 10) << "entered as without a face";
            EXPECT_EQ(run.SwitchedTo(), -1);
        } else {
            for (int i = 0; i < 60 && run.SwitchedTo() < 0; ++i) run.Frame();
            EXPECT_EQ(run.SwitchedTo(), 0) << k.missing << ": to the title, no stage played";
            EXPECT_EQ(run.Play().Hero(), nullptr) << k.missing;
        }
    }
}
