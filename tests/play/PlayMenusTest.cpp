#include "fixtures/PlayStage.h"
#include "gui/MenuCursor.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PlayMenus : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

// Plays a key script to its end.
void Keys(cStageRunner& run, const std::string& script, int frames) {
    ASSERT_TRUE(run.SetScript(script, nullptr));
    for (int i = 0; i < frames; ++i) run.Frame();
}

// The hero falls out of a map without floor and its defeat display ends.
bool FallUntil(cStageRunner& run, int state) {
    return run.RunUntil(state, 900);
}

} // namespace

TEST_F(PlayMenus, SpacePausesCancelResumesAndQuitGoesToTheTitleNotToAStageAgain) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    cPlayScene& play = run.Play();
    Keys(run, "SPACE\n", 1);
    ASSERT_EQ(play.nState, PLAY_PAUSE);
    Keys(run, "1:\n", 1);
    EXPECT_EQ(WorldPos.Current()->nRow, 1) << "the cursor starts on resume";
    ASSERT_EQ(play.PauseMenu.size(), 4u);
    EXPECT_EQ(cCmd::CountEnabled(play.PauseMenu), 3) << "free play offers no give-up";
    Keys(run, "X\n", 1);
    EXPECT_EQ(play.nState, PLAY_MAIN) << "cancel returns to the state it paused";

    Keys(run, "SPACE\n1:\nUP\n1:\nZ\n", 5);
    EXPECT_EQ(play.nState, PLAY_LEAVE);
    EXPECT_EQ(play.nNextScene, 0);
    ASSERT_TRUE(run.RunUntil(PLAY_NOT_ENTERED, 30));
    EXPECT_EQ(run.SwitchedTo(), 0) << "quit leaves even a free-play stage";
}

TEST_F(PlayMenus, ThePauseMenuOffersRetryAndGiveUpByGameKindSwitchesAndClears) {
    struct Case {
        int kind;
        int retrySwitch, giveUpSwitch, cleared;
        int retry, giveUp;
    } cases[] = {
        {0, 1, 1, 1, 1, 1}, {0, 1, 1, 0, 0, 0}, {0, 0, 1, 1, 0, 1}, {0, 1, 0, 1, 1, 0},
        {1, 1, 1, 1, 1, 0}, {1, 1, 1, 0, 0, 0}, {2, 0, 0, 0, 1, 0}, {3, 0, 0, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        cGameGlobalsGuard again;
        cStageRunner run;
        cStageRunner::UseStage(FloorStage());
        run.Host().gameKind = c.kind;
        run.Host().playMode = c.kind == 0 ? 0 : c.kind + 1;
        PlayData.nStageNumber = 2;
        PlayData.Challenges.resize(2);
        PlayData.ClearFlags[2] = c.cleared;
        PlayData.Challenges[1].nFirst = c.cleared;
        SystemData.bPauseMenuA = SystemData.bPauseMenuB = c.retrySwitch;
        SystemData.bPauseMenuC = c.giveUpSwitch;
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 100));
        Keys(run, "SPACE\n1:\n", 2);
        ASSERT_EQ(run.Play().PauseMenu.size(), 4u);
        EXPECT_EQ(run.Play().PauseMenu[0].bEnabled, 1);
        EXPECT_EQ(run.Play().PauseMenu[1].bEnabled, 1);
        EXPECT_EQ(run.Play().PauseMenu[2].bEnabled, c.retry);
        EXPECT_EQ(run.Play().PauseMenu[3].bEnabled, c.giveUp);
    }
}

TEST_F(PlayMenus, TheClearDisplayTakesConfirmOnceItsCaptionHasCome) {
    for (int caption = 0; caption <= 1; ++caption) {
        SCOPED_TRACE(caption ? "caption on" : "caption off");
        cGameGlobalsGuard again;
        cStage stage = FloorStage();
        stage.nWords34[0] = caption;
        cStageRunner run;
        cStageRunner::UseStage(stage);
        ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
        cPlayScene& play = run.Play();
        play.OnStageClear();
        ASSERT_EQ(play.nState, PLAY_CLEAR);
        // Confirm pressed anew every other frame.
        std::string presses;
        for (int i = 0; i < 60; ++i) presses += "1:\nZ\n";
        ASSERT_TRUE(run.SetScript(presses, nullptr));
        int frames = 0;
        while (play.nState == PLAY_CLEAR && frames < 120) {
            run.Frame();
            ++frames;
        }
        EXPECT_EQ(play.nState, PLAY_LEAVE);
        // The caption comes in 4 steps a frame up to 200; without it the
        // first press after the first frame counts.
        if (caption)
            EXPECT_GE(frames, 50);
        else
            EXPECT_EQ(frames, 2);
        EXPECT_EQ(play.nNextScene, kPlayScene) << "a free-play stage without a series plays again";
    }
}

TEST_F(PlayMenus, ALostLifeInStoryPlayOffersTheContinueMenu) {
    for (int row = 0; row <= 1; ++row) {
        SCOPED_TRACE(row ? "back to the map" : "retry");
        cGameGlobalsGuard again;
        cStageRunner run;
        cStageRunner::UseStage(SmallStage(30, 15, 3, 2)); // no floor: the hero falls
        run.Host().playMode = 0;
        run.Host().gameKind = 0;
        SystemData.bContinue = 1;
        PlayData.nStartLives = 3;
        ASSERT_TRUE(FallUntil(run, PLAY_CONTINUE));
        EXPECT_EQ(PlayData.nLives, 1) << "one life paid on entry, one for the retry";
        cPlayScene& play = run.Play();
        Keys(run, row ? "1:\nDOWN\n1:\nZ\n" : "1:\nZ\n", row ? 4 : 2);
        if (row) {
            EXPECT_EQ(play.nState, PLAY_LEAVE);
            EXPECT_EQ(play.nNextScene, 1);
            EXPECT_EQ(PlayData.bBackToSafe, 1);
        } else {
            EXPECT_EQ(play.nState, PLAY_READY);
            EXPECT_FALSE(play.Hero()->bDying) << "the stage was set up again";
        }
    }
}

TEST_F(PlayMenus, WithoutTheContinueSwitchALostLifeRetriesAndTheLastOneEndsTheGame) {
    cStageRunner run;
    cStageRunner::UseStage(SmallStage(30, 15, 3, 2));
    run.Host().playMode = 0;
    run.Host().gameKind = 0;
    PlayData.nStartLives = 2;
    SystemData.bContinue = 0;
    ASSERT_TRUE(FallUntil(run, PLAY_MAIN));
    cPlayScene& play = run.Play();
    ASSERT_TRUE(run.RunUntil(PLAY_READY, 900)) << "the retry shows the ready state again";
    EXPECT_EQ(PlayData.nLives, 0);
    ASSERT_TRUE(FallUntil(run, PLAY_GAME_OVER));
    Keys(run, "1:\nSPACE\n", 2);
    EXPECT_EQ(play.nState, PLAY_PAUSE) << "the game-over display can be paused";
    Keys(run, "X\n", 1);
    EXPECT_EQ(play.nState, PLAY_GAME_OVER) << "and goes back to it";
    Keys(run, "1:\nZ\n", 2);
    EXPECT_EQ(play.nState, PLAY_LEAVE);
    ASSERT_TRUE(run.RunUntil(PLAY_NOT_ENTERED, 30));
    EXPECT_EQ(run.SwitchedTo(), 0) << "a story game over goes to the title";
}

TEST_F(PlayMenus, ACountdownRunsOutThroughItsWarningTimeAndTheLastLifeEndsTheGame) {
    cStage stage = FloorStage();
    stage.bTimeLimit = 1;
    stage.nTimeLimit = 3;
    stage.nTimeWarning = 20; // the whole countdown sounds its warning
    cStageRunner run;
    cStageRunner::UseStage(stage);
    run.Host().playMode = 0;
    run.Host().gameKind = 0;
    PlayData.nStartLives = 1;
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 30));
    for (int i = 0; i < 3 * 60 + 1; ++i) run.Frame();
    EXPECT_EQ(run.Play().scene.nStageTime, 0);
    EXPECT_TRUE(run.Play().Hero()->bDying) << "time up defeats the hero";
    EXPECT_TRUE(run.RunUntil(PLAY_GAME_OVER, 600)) << "its only life was paid on entry";
}
