// A shot fired by the hero's flow in a whole stage played by the headless
// runner: it leaves the hero, flies, and a character in its way is hurt.
#include "fixtures/PlayStage.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

namespace {

TEST(ShotScenarioCase, AShotFromTheHerosFlowFliesAndHurtsTheCharacterItMeets) {
    cGameGlobalsGuard globals;
    // The hero lands on the floor, then fires once toward a character standing on it.
    cStage s = FloorStage();
    cEdCommand shot;
    shot.cKind = 11;
    shot.FixParams();
    shot.pShot = boost::make_shared<cEdShot>();
    shot.pShot->cFormation = 4; // one from the hero's centre
    shot.pShot->cCount = 1;
    shot.pShot->cDirCode = 0; // ahead
    shot.pShot->sSpeed = 60;
    shot.pShot->nPower = 3;
    shot.pShot->cFaction = 0;
    shot.pShot->byOpt15 = 1; // gone when it hits
    s.Charas[0].FixedFacing = 0;
    s.Charas[0].Facing = 1;
    s.Charas[0].Flows = {KeyFlow(kButton1Entry, false, {shot})};
    s.Charas.push_back(Enemy(9, 13, 10, 0));
    cStageRunner::UseStage(s);
    cStageRunner run;
    for (int i = 0; i < 30 && run.Play().nState != PLAY_MAIN; ++i) run.Frame();
    ASSERT_EQ(run.Play().nState, PLAY_MAIN);
    ASSERT_TRUE(run.SetScript("40:\n2: Z\n80:\n", nullptr));
    bool flew = false;
    double lastX = -1;
    bool advanced = true;
    for (int i = 0; i < 122; ++i) {
        run.Frame();
        const cList<cShotObj>& shots = run.Play().scene.LiveShots;
        if (!shots.empty()) {
            if (flew && shots.front().dX <= lastX) advanced = false;
            flew = true;
            lastX = shots.front().dX;
        }
    }
    EXPECT_TRUE(flew);
    EXPECT_TRUE(advanced);
    ASSERT_FALSE(run.Play().scene.CharaList.empty());
    EXPECT_LT(run.Play().scene.CharaList.front().hp, 10);
    EXPECT_TRUE(run.Play().scene.LiveShots.empty());
}

} // namespace
