// Every stage of the built demo played through by a key script in the
// headless runner, from its start to its goal.
#include "demo/DemoProject.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DemoRun {
    const char* stage;
    int hops;            // times the hero jumps on its way right
    const char* waitsOn; // a fault of stage play that keeps the run from its goal yet
};

// After the entry, RIGHT held all the way and Z held for a full jump, let go
// and pressed again: the hero hops over walls, pits and enemies, then walks
// on to the goal.
std::string HopRight(int hops) {
    std::string script = "30:\n";
    for (int i = 0; i < hops; ++i) script += "30: RIGHT Z\n15: RIGHT\n12:\n";
    return script + "600: RIGHT\n";
}

const DemoRun kRuns[] = {
    {"c01-1.stg4_818", 5, nullptr},
    {"w01-1.stg4_818", 5, nullptr},
    {"w02-1.stg4_818", 5, nullptr},
};

class DemoClear : public ::testing::TestWithParam<DemoRun> {
protected:
    cGameGlobalsGuard globals;
    cKeptProject kept;
    TempDir dir;
};

} // namespace

TEST_P(DemoClear, AScriptedRunReachesTheGoal) {
    const DemoRun& r = GetParam();
    if (r.waitsOn) GTEST_SKIP() << r.stage << ": " << r.waitsOn;
    std::string error;
    ASSERT_TRUE(OpenDemoProject(dir.path(), error)) << error;
    cStageRunner run;
    ASSERT_TRUE(cStageRunner::LoadStage(std::string("data\\stg4\\") + r.stage));
    // The keys start with play, after the stage's ready captions.
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 400));
    ASSERT_TRUE(run.SetScript(HopRight(r.hops), &error)) << error;
    int frames = 0;
    while (run.Play().nState != PLAY_CLEAR && frames < 1500) {
        run.Frame();
        ++frames;
        ASSERT_NE(run.Play().nState, PLAY_GAME_OVER) << r.stage << ": the hero fell at frame " << frames;
    }
    EXPECT_EQ(run.Play().nState, PLAY_CLEAR)
        << r.stage << ": hero at " << run.Play().Hero()->dX << ", " << run.Play().Hero()->dY;
}

INSTANTIATE_TEST_SUITE_P(EveryStage, DemoClear, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<DemoRun>& info) {
                             std::string name = info.param.stage;
                             return name.substr(0, name.find('-')) + "_" + std::to_string(info.index);
                         });
