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
    const char* script;
};

// Walks right, jumping where the map asks for it.
const DemoRun kRuns[] = {
    {"c01-1.stg4_818", "30:\n1000: RIGHT\n"},
    {"w01-1.stg4_818", "30:\n1000: RIGHT\n"},
    {"w02-1.stg4_818", "30:\n1000: RIGHT\n"},
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
    ASSERT_TRUE(fs::is_directory(DemoDir() / "default")) << "the build makes the demo in " << DemoDir();
    TempDir dir;
    fs::copy(DemoDir() / "default", dir.path() / "data", fs::copy_options::recursive);
    std::string error;
    ASSERT_TRUE(cStageRunner::LoadProject(&error)) << error;
    cStageRunner run;
    ASSERT_TRUE(cStageRunner::LoadStage(std::string("data\\stg4\\") + r.stage));
    ASSERT_TRUE(run.SetScript(r.script, &error)) << error;
    int frames = 0;
    while (run.Play().nState != PLAY_CLEAR && frames < 1500) {
        run.Frame();
        ++frames;
        ASSERT_NE(run.Play().nState, PLAY_GAME_OVER) << r.stage << ": the hero fell at frame " << frames;
    }
    EXPECT_EQ(run.Play().nState, PLAY_CLEAR) << r.stage << ": hero at " << run.Play().Hero()->dX << ", "
                                             << run.Play().Hero()->dY;
}

INSTANTIATE_TEST_SUITE_P(EveryStage, DemoClear, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<DemoRun>& info) {
                             std::string name = info.param.stage;
                             return name.substr(0, name.find('-')) + "_" + std::to_string(info.index);
                         });
