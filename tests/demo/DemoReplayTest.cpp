// Every demo stage played by a key script with recording on, the attempt
// saved as a replay file, read back and played in replay viewing: the
// play-state hash of each frame is the one the recorded attempt had (but in
// the ready state, whose captions differ).
#include "demo/DemoProject.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/ReplayFrames.h"
#include "fixtures/TempDir.h"

#include "project/Replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Hops to the right with pauses and a turn back, so that both streams change
// often and at different frames.
constexpr const char* kAttempt = "30:\n"
                                 "30: RIGHT Z\n15: RIGHT\n12:\n"
                                 "8: LEFT\n4: LEFT X\n"
                                 "30: RIGHT Z\n15: RIGHT\n12:\n"
                                 "20: RIGHT X\n"
                                 "30: RIGHT Z\n15: RIGHT\n12:\n"
                                 "30: RIGHT Z\n15: RIGHT\n12:\n"
                                 "30: RIGHT Z\n15: RIGHT\n12:\n"
                                 "600: RIGHT\n";

constexpr int kMaxFrames = 1500;

class DemoReplay : public ::testing::TestWithParam<const char*> {
protected:
    cGameGlobalsGuard globals;
    cKeptProject kept;
    TempDir dir;
};

using DemoReplayRestart = DemoReplay;

} // namespace

TEST_P(DemoReplay, ASavedAttemptPlaysBackFrameByFrame) {
    const std::string stage = std::string("data\\stg4\\") + GetParam();
    std::string error;
    ASSERT_TRUE(OpenDemoProject(dir.path(), error)) << error;

    std::vector<std::uint64_t> recorded;
    int endState = PLAY_NOT_ENTERED;
    {
        cStageRunner run;
        SystemData.bReplay = 1;
        ASSERT_TRUE(cStageRunner::LoadStage(stage));
        int frames = 0;
        bool keys = false; // the keys start with play, after the ready captions
        while (run.Play().nState != PLAY_CLEAR && run.Play().nState != PLAY_GAME_OVER &&
               frames++ < kMaxFrames) {
            if (!keys && run.Play().nState == PLAY_MAIN) {
                ASSERT_TRUE(run.SetScript(kAttempt, &error)) << error;
                keys = true;
            }
            if (std::optional<std::uint64_t> hash = PlayFrame(run)) recorded.push_back(*hash);
        }
        endState = run.Play().nState;
        ASSERT_FALSE(Replay.IsEmpty());
        ASSERT_EQ(Replay.SaveFile("attempt.rpl4_818", Stage, ReplayStage, ReplayPlayData), 1);
    }

    // Nothing of the attempt is left in memory: the file alone brings it back.
    const std::uint32_t seed = Replay.m_dwSeed;
    Replay.Reset();
    Stage.Init();
    ReplayStage.Init();
    PlayData.Init();
    PlayData.nLives = 77;
    ASSERT_EQ(Replay.LoadFile("attempt.rpl4_818", Stage, ReplayStage, PlayData), 1);
    EXPECT_EQ(Replay.m_dwSeed, seed);
    EXPECT_NE(PlayData.nLives, 77);
    ReplayPlayData = PlayData;

    cStageRunner view;
    view.Host().playMode = 4;
    SystemData.bReplay = 1; // viewing never records, whatever the switch says
    // The keyboard says something else all along: the recording stands.
    ASSERT_TRUE(view.SetScript("2000: LEFT X", &error)) << error;
    const cReplay kept = Replay;
    for (std::size_t i = 0; i < recorded.size(); ++i)
        ASSERT_EQ(NextPlayFrame(view), recorded[i])
            << GetParam() << ": frame " << i << " of " << recorded.size();
    EXPECT_EQ(view.Play().nState, endState);
    EXPECT_EQ(Replay.m_vDirWord, kept.m_vDirWord);
    EXPECT_EQ(Replay.m_vBtnRun, kept.m_vBtnRun);
}

INSTANTIATE_TEST_SUITE_P(EveryStage, DemoReplay,
                         ::testing::Values("c01-1.stg4_818", "w01-1.stg4_818", "w02-1.stg4_818"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('-'));
                         });

TEST_F(DemoReplayRestart, AtItsEndAReplayPlaysAgainFromTheReadyState) {
    std::string error;
    ASSERT_TRUE(OpenDemoProject(dir.path(), error)) << error;

    // An attempt cut short: 200 frames, the stage not cleared.
    std::vector<std::uint64_t> recorded;
    int readyFrame = -1; // the first frame after the ready state
    {
        cStageRunner run;
        SystemData.bReplay = 1;
        ASSERT_TRUE(cStageRunner::LoadStage("data\\stg4\\w01-1.stg4_818"));
        ASSERT_TRUE(run.SetScript(kAttempt, &error)) << error;
        while (recorded.size() < 200) {
            const bool ready = run.Play().nState == PLAY_READY;
            if (std::optional<std::uint64_t> hash = PlayFrame(run)) recorded.push_back(*hash);
            if (readyFrame < 0 && ready) readyFrame = static_cast<int>(recorded.size());
        }
        ASSERT_EQ(run.Play().nState, PLAY_MAIN);
    }
    ASSERT_GT(readyFrame, 0);

    cStageRunner view;
    view.Host().playMode = 4;
    PlayData = ReplayPlayData; // as a replay file would give it
    for (std::size_t i = 0; i < recorded.size(); ++i)
        ASSERT_EQ(NextPlayFrame(view), recorded[i]) << "frame " << i;
    // The recording is over: the stage is set up again and the replay rewound.
    view.Frame();
    EXPECT_EQ(view.Play().nState, PLAY_READY);
    EXPECT_EQ(Replay.m_nDirPos, 0u);
    EXPECT_EQ(Replay.m_nBtnPos, 0u);
    // From the ready state on, the second showing is the first one again.
    for (std::size_t i = static_cast<std::size_t>(readyFrame); i < recorded.size(); ++i)
        ASSERT_EQ(NextPlayFrame(view), recorded[i]) << "second showing, frame " << i;
}
