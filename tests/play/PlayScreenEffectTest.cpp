// The play scene's screen effect: started by the scene's request, run by
// every world drawing, advanced only by the running game's drawings.
#include "fixtures/PlayStage.h"
#include "play/StageRunner.h"
#include "records/EffectPlayback.h"

#include <gtest/gtest.h>

namespace {

class PlayScreenEffect : public ::testing::Test {
protected:
    void SetUp() override {
        records.assign(2, cScrEffect());
        records[1].nKind = 4; // split, 0 to 6 pixels over 6 frames
        records[1].nParam[0] = 1;
        records[1].nParam[1] = 0;
        records[1].nParam[2] = 6;
        records[1].nParam[3] = 3;
        BuildScrEffectTables(records, cVector<cScrEffect>(), ScrEffectTableR, ScrEffectTableL);
        cStageRunner::UseStage(FloorStage());
        for (int i = 0; i < 20 && run.Play().nState != PLAY_MAIN; ++i) run.Frame();
        ASSERT_EQ(run.Play().nState, PLAY_MAIN);
    }
    void TearDown() override {
        ScrEffectTableR.clear();
        ScrEffectTableL.clear();
    }
    cGameGlobalsGuard globals;
    cVector<cScrEffect> records;
    cStageRunner run;
};

} // namespace

TEST_F(PlayScreenEffect, RunsOverTheGameFramesAndNotOverHeldDrawings) {
    cPlayScene& play = run.Play();
    play.StartScreenEffect(1, EFFECT_NORMAL, 0);
    ASSERT_TRUE(play.ScreenEffect.Running());
    for (int i = 0; i < 30; ++i) play.DrawWorld(0, 1, 0, 1); // as the menus and the workers draw
    EXPECT_TRUE(play.ScreenEffect.Running());
    EXPECT_EQ(play.ScreenEffect.State.Data.dValue, 0.0);
    int frames = 0;
    while (play.ScreenEffect.Running() && frames < 20) {
        run.Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(play.ScreenEffect.nNumber, 0);
}

TEST_F(PlayScreenEffect, ANewStageSetUpStopsTheEffect) {
    cPlayScene& play = run.Play();
    play.StartScreenEffect(1, EFFECT_NORMAL, 1);
    play.SetStage(1, 0);
    EXPECT_FALSE(play.ScreenEffect.Running());
}
