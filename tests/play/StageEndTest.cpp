#include "play/StageEnd.h"
#include "fixtures/PlayStage.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "foundation/Thread.h"
#include "platform/Clock.h"
#include "platform/Thread.h"
#include "play/StageRunner.h"
#include "project/RankSet.h"
#include "project/WorldMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

class StageEnd : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

// A stage file with a hero on a floor at <name>.stg4_818.
void WriteFloorStageFile(const std::string& name) {
    const std::vector<std::uint8_t> bytes = FloorStage().SaveToBytes();
    std::ofstream(name + ".stg4_818", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST_F(StageEnd, ALifeIsPaidForEachAttemptUnlessLivesAreUnlimitedOrItIsATestPlay) {
    struct Case {
        std::int32_t lives;
        bool testPlay;
        int result;
        std::int32_t after;
    } cases[] = {
        {1, false, 1, 0},   {0, false, 0, 0}, {5, false, 1, 4},
        {-3, false, 0, -3}, {0, true, 1, 0},  {kUnlimitedLives, false, 1, kUnlimitedLives},
    };
    for (const Case& c : cases) {
        cPlayData data;
        data.nLives = c.lives;
        EXPECT_EQ(UseLife(data, c.testPlay), c.result) << c.lives << " test " << c.testPlay;
        EXPECT_EQ(data.nLives, c.after) << c.lives << " test " << c.testPlay;
    }
}

TEST_F(StageEnd, ExtraLivesCountTheStepsTheScorePassedAndAreBounded) {
    struct Case {
        std::int32_t before, after, step, lives;
    } cases[] = {
        {0, 2500, 1000, 2},
        {999, 1000, 1000, 1},
        {1000, 1999, 1000, 0},
        {0, 5000, 0, 0},
        {500, 400, 100, 0},
        {0, 5000, -100, 0},
        {0, INT32_MAX, 1, kMaxExtraLifeSteps}, // never a tally that holds the game for long
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtraLifeSteps(c.before, c.after, c.step), c.lives) << c.before << " -> " << c.after;
    EXPECT_EQ(AddExtraLife(0), 1);
    EXPECT_EQ(AddExtraLife(98), 99);
    EXPECT_EQ(AddExtraLife(99), 99);
    EXPECT_EQ(AddExtraLife(150), 150) << "a gain never lowers the lives";
}

TEST_F(StageEnd, AChallengeClearKeepsTheBestScoreAndOpensTheNextStage) {
    struct Case {
        std::int32_t stage, best, score, open;
        bool recorded;
        std::int32_t bestAfter, totalAfter, openAfter;
    } cases[] = {
        {1, 500, 300, 1, true, 500, 1000, 2}, // below the best: cleared, nothing else
        {1, 500, 800, 1, true, 800, 1300, 2}, // the total grows by the difference
        {3, 0, 10, 1, true, 10, 1010, 3},     // opened up to the project's count
        {2, 0, 10, 3, true, 10, 1010, 3},     // an open stage further on stays open
        {0, 0, 10, 1, false, 0, 1000, 1},     // stage 0 names no pair
        {4, 0, 10, 1, false, 0, 1000, 1},
    };
    for (const Case& c : cases) {
        cPlayData data;
        data.Challenges.resize(3);
        for (cEdIntPair& e : data.Challenges) e.nSecond = c.best;
        data.nTotalScore = 1000;
        data.nOpenChallenges = c.open;
        EXPECT_EQ(RecordChallengeClear(data, c.stage, c.score, 3), c.recorded) << "stage " << c.stage;
        const std::int64_t i = c.stage - 1;
        if (c.recorded) {
            EXPECT_EQ(data.Challenges[static_cast<std::size_t>(i)].nFirst, 1);
            EXPECT_EQ(data.Challenges[static_cast<std::size_t>(i)].nSecond, c.bestAfter);
        }
        EXPECT_EQ(data.nTotalScore, c.totalAfter) << "stage " << c.stage;
        EXPECT_EQ(data.nOpenChallenges, c.openAfter) << "stage " << c.stage;
    }
}

TEST_F(StageEnd, TheNextFileOfASeriesIsFoundByNumberOrByTheNameTheStageGave) {
    TempDir dir;
    std::filesystem::create_directories("stg");
    WriteFloorStageFile("stg/w01-2");
    WriteFloorStageFile("stg/bonus");
    EXPECT_EQ(FindNextStageFile("stg/w01.", "", 2), "stg/w01-2.stg4_818");
    EXPECT_EQ(FindNextStageFile("stg/w01.", "", 3), "");
    EXPECT_EQ(FindNextStageFile("stg/w01.", "stg/bonus.", 7), "stg/bonus.stg4_818");
}

TEST_F(StageEnd, TheClearTalliesTheStageIntoThePlayThroughWithAMessagePerExtraLife) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    PlayData.nStartLives = 4;
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    cPlayScene& play = run.Play();
    EXPECT_EQ(PlayData.nLives, 3) << "entering play paid the first life";
    SystemData.bExtraLife = 1;
    SystemData.nExtraLifeStep = 1000;
    PlayData.nScore = 900;
    PlayData.nStageScore = 1200;
    PlayData.nTimeTotal = 5;
    play.bTimeStop = 0;
    play.scene.nStageTime = 40;
    play.nElapsedTime = 1234;
    play.Hero()->hp = 7;
    play.Hero()->sp = 2;
    play.OnStageClear();
    EXPECT_EQ(play.nState, PLAY_CLEAR);
    EXPECT_EQ(PlayData.nScore, 2100);
    EXPECT_EQ(PlayData.nLives, 5) << "900 -> 2100 passes 1000 and 2000";
    EXPECT_EQ(PlayData.nTimeTotal, 45);
    EXPECT_EQ(PlayData.nPlayTimeTotal, 1234);
    EXPECT_EQ(PlayData.nHpTotal, 7);
    EXPECT_EQ(PlayData.nSpTotal, 2);
    EXPECT_TRUE(play.Messages.empty()) << "each extra-life message is released after its 30 frames";

    PlayData.nLives = kUnlimitedLives;
    PlayData.nStageScore = 5000;
    play.OnStageClear();
    EXPECT_EQ(PlayData.nLives, kUnlimitedLives) << "unlimited lives gain nothing";

    // Totals at the ends of their range (a saved play-through may hold any)
    // stay there instead of wrapping round.
    PlayData.nScore = INT32_MIN + 3;
    PlayData.nStageScore = -10;
    PlayData.nTimeTotal = INT32_MAX - 1;
    PlayData.nPlayTimeTotal = INT32_MAX;
    PlayData.nHpTotal = INT32_MAX - 2;
    PlayData.nSpTotal = INT32_MIN;
    play.Hero()->sp = -1;
    play.OnStageClear();
    EXPECT_EQ(PlayData.nScore, INT32_MIN);
    EXPECT_EQ(PlayData.nTimeTotal, INT32_MAX);
    EXPECT_EQ(PlayData.nPlayTimeTotal, INT32_MAX);
    EXPECT_EQ(PlayData.nHpTotal, INT32_MAX);
    EXPECT_EQ(PlayData.nSpTotal, INT32_MIN);
}

// A character's defeat that clears the stage runs the clear's bonus from
// inside the walk that found it; the frames the pause thread draws for an
// extra life meanwhile must leave that character where the walk holds it.
TEST_F(StageEnd, TheBonusFramesDrawnDuringAClearKeepTheCharacterWhoseDefeatClearedIt) {
    cStageRunner run;
    cStage stage = FloorStage();
    stage.Charas.push_back(Enemy(8, 13, 1, 0));
    cStageRunner::UseStage(stage);
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    cPlayScene& play = run.Play();
    ASSERT_EQ(play.scene.CharaList.size(), 1u);
    cNpcChara& defeated = play.scene.CharaList.front();
    defeated.bDying = 1; // its defeat display ends at its first drawing
    SystemData.bExtraLife = 1;
    SystemData.nExtraLifeStep = 100;
    PlayData.nScore = 0;
    PlayData.nStageScore = 100;
    const int presented = run.Host().presented;
    play.OnStageClear();
    ASSERT_GT(run.Host().presented, presented) << "the extra life's frames were drawn";
    ASSERT_EQ(play.scene.CharaList.size(), 1u);
    EXPECT_EQ(&play.scene.CharaList.front(), &defeated);
    play.RemoveChara(defeated); // what the walk does next
    play.DrawWorld(0, 1, 0, 1);
    EXPECT_TRUE(play.scene.CharaList.empty()) << "the game thread's own drawing lets it go";
}

// The program closes while an extra life's message holds the game and the
// player is elsewhere: the main window stops the pause thread first, and the
// game thread must follow the close instead of waiting for an activation.
TEST_F(StageEnd, AClosingProgramEndsTheClearsBonusAlsoWhileInactive) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    cPlayScene& play = run.Play();
    SystemData.bExtraLife = 1;
    SystemData.nExtraLifeStep = 100;
    PlayData.nScore = 0;
    PlayData.nStageScore = 300;
    const std::int32_t lives = PlayData.nLives;
    const std::uint64_t closes = MainWindowCloseRequests();
    run.Host().active = 0;
    std::unique_ptr<PlatformThread> game = PlatformThread::Start([&play] {
        play.OnStageClear();
        return DWORD{0};
    });
    ASSERT_TRUE(game);
    for (int i = 0; i < 5000 && !thPause.HasThread(); ++i) Sleep(1);
    thPause.Exit();
    const bool ended = game->WaitEnd(5000);
    run.Host().active = 1; // a game thread still waiting goes on: a failure does not hang
    game->WaitEnd(60000);
    EXPECT_TRUE(ended) << "the game thread waited for an activation";
    EXPECT_EQ(PlayData.nLives, lives + 1) << "the lives after the interrupted one are dropped";
    EXPECT_GT(MainWindowCloseRequests(), closes);
    EXPECT_EQ(play.nState, PLAY_CLEAR);
}

TEST_F(StageEnd, RankPlacesAreTakenOnlyAfterTheLastStageOfASeries) {
    TempDir dir;
    WriteFloorStageFile("s-2");
    cStageRunner run;
    run.Host().rankings = 1;
    cStageRunner::UseStage(FloorStage());
    SystemData.RankingFlags.At(2).bSwitch = 1;
    SystemData.RankingFlags.At(2).Flags.assign(5, 1);
    SystemData.RankingFlags.At(2).Flags[3] = 0; // the project ranks no HP
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    cPlayScene& play = run.Play();
    RankSet.Reset();
    RankSet.Tables[0].AddEntry("top", 1000000);
    PlayData.strStageName = "s.";
    PlayData.nStageScore = 50;

    PlayData.bNextStage = 1;
    play.scene.nNextStage = 2; // s-2 exists: this is not the last stage
    play.OnStageClear();
    EXPECT_EQ(play.bNewRank, 0);
    for (int p : play.nRankPlaces) EXPECT_EQ(p, -1);

    play.scene.nNextStage = 3; // no s-3: the last one
    play.OnStageClear();
    EXPECT_EQ(play.bNewRank, 1);
    EXPECT_EQ(play.nRankPlaces[0], 1) << "behind the entry already there";
    EXPECT_EQ(play.nRankPlaces[1], 0);
    EXPECT_EQ(play.nRankPlaces[3], -1) << "a value the project does not rank";
    EXPECT_EQ(play.nRankValues[0], 100) << "both clears' stage scores";
}

TEST_F(StageEnd, TheSceneAfterAClearFollowsThePlayModeAndTheSeries) {
    struct Case {
        const char* what;
        int playMode;
        int nextFlag, nextNumber;
        int testPlay;
        std::int32_t endMode;
        int scene;
        std::int32_t area;
    } cases[] = {
        {"story, next file", 0, 1, 2, 0, 0, 4, 2},
        {"story, no next file, back to the map", 0, 1, 3, 0, 0, 1, 1},
        {"story, end mode 2", 1, 0, 0, 0, 2, 0, 1},
        {"story, end mode 1", 0, 0, 0, 0, 1, 1, 1},
        {"challenge, next file", 2, 1, 2, 0, 0, 4, 2},
        {"challenge, last", 2, 0, 0, 0, 0, 3, 1},
        {"free play, no series", 3, 0, 2, 0, 0, 4, 1},
        {"free play, series ended", 3, 1, 3, 0, 0, 0, 1},
        {"free play, test play", 3, 1, 2, 1, 0, 4, 1},
        {"replay", 4, 1, 2, 0, 0, 4, 1},
    };
    TempDir dir;
    WriteFloorStageFile("s-2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cGameGlobalsGuard again;
        cStageRunner run;
        cStageRunner::UseStage(FloorStage());
        run.Host().playMode = c.playMode;
        run.Host().gameKind = c.playMode <= 1 ? 0 : c.playMode - 1;
        run.Host().testPlay = c.testPlay;
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 100));
        cPlayScene& play = run.Play();
        WorldMap.SetDefaults();
        WorldMap.SetSize(4, 4);
        cWorldEvent event;
        event.nX = 1;
        event.nY = 1;
        event.Entries.resize(1);
        event.Entries[0].nParam209 = c.endMode;
        WorldMap.Events.assign(1, event);
        WorldMap.nStartX = 3;
        WorldMap.nStartY = 0;
        PlayData.nMapX = 1;
        PlayData.nMapY = 1;
        PlayData.nMapEntry = 0;
        PlayData.strStageName = "s.";
        PlayData.strKeyName = "s.";
        PlayData.bNextStage = c.nextFlag;
        PlayData.nStageNumber = 1;
        PlayData.nAreaNumber = 1;
        PlayData.nScore = 70;
        PlayData.Challenges.resize(2);
        PlayData.bRestart = 1;
        play.scene.nNextStage = c.nextNumber;
        EXPECT_EQ(play.NextSceneAfterClear(), c.scene);
        EXPECT_EQ(PlayData.nAreaNumber, c.area);
        if (c.playMode <= 1 && c.scene != 4) {
            if (c.endMode == 1) {
                EXPECT_EQ(PlayData.ClearFlags[0], 1);
                EXPECT_EQ(PlayData.ClearFlags[1], 0) << "a new round clears every flag but 0";
                EXPECT_EQ(PlayData.nMapX, 3);
                EXPECT_EQ(PlayData.nRound, 1);
            } else {
                EXPECT_EQ(PlayData.ClearFlags[1], 1);
            }
            ASSERT_EQ(PlayData.Results.size(), 1u);
            EXPECT_EQ(PlayData.Results[0].nValue, 70);
        }
        if (c.playMode == 2 && c.scene == 3) {
            EXPECT_EQ(PlayData.Challenges[0].nFirst, 1);
            EXPECT_EQ(PlayData.Challenges[0].nSecond, 70);
        }
        if (c.playMode == 3 && !c.nextFlag) {
            EXPECT_EQ(PlayData.bRestart, 0);
        }
    }
}
