// The main frame's rules run through the real play scene: the squeeze grace a
// block change gives, and the bounds on what a stage file may ask of play.
#include "fixtures/PlayStage.h"
#include "fixtures/ReportCapture.h"
#include "play/BlockGrid.h"
#include "play/Camera.h"
#include "play/StageLimits.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

class MainFrame : public ::testing::Test {
protected:
    // The report file of the test, read back by Report().
    std::string Report() const { return report.Text(); }

    // Runs frames until play is in its main state.
    static void UntilMain(cStageRunner& run) {
        for (int i = 0; i < 30 && run.Play().nState != PLAY_MAIN; ++i) run.Frame();
        ASSERT_EQ(run.Play().nState, PLAY_MAIN);
    }

    cGameGlobalsGuard globals;
    cReportCapture report;
};

// Solid blocks put straight into the cell of the object's middle and the
// cells beside it, as block changes do: pushed out of one side it meets the
// other, so it is enclosed.
void BuryIn(const cStageObj& o) {
    const std::int32_t cell = BlockGrid.CellAt((o.dX + o.dRight) / 2, (o.dY + o.dBottom) / 2);
    for (std::int32_t i = cell - 1; i <= cell + 1; ++i) {
        cBlock* b = BlockGrid.At(i);
        ASSERT_NE(b, nullptr);
        b->GraphicIndex = 1;
        b->Solid = 1;
    }
}

TEST_F(MainFrame, ABlockChangeOverACharacterKillsOnlyWithoutItsGrace) {
    // With the grace the hero or character lives through the enclosure and is
    // pushed out on top of the new blocks; the grace runs out frame by frame.
    struct Case {
        std::int32_t grace;
        bool survives;
    };
    cStage s = FloorStage();
    s.Charas.push_back(Enemy(10, 13, 10, 0));
    for (const Case k : {Case{0, false}, Case{1, false}, Case{2, true}, Case{5, true}}) {
        for (const bool buryHero : {true, false}) {
            cStageRunner run;
            cStageRunner::UseStage(s);
            UntilMain(run);
            for (int i = 0; i < 20; ++i) run.Frame(); // both standing on the floor
            ASSERT_EQ(run.Play().scene.CharaList.size(), 1u);
            // A defeated character leaves the list at the end of its sub-step,
            // so it is looked up again after every frame.
            const auto chara = [&]() -> cChara* {
                if (buryHero) return run.Play().Hero();
                auto& list = run.Play().scene.CharaList;
                return list.empty() ? nullptr : &list.front();
            };
            ASSERT_NE(chara(), nullptr);
            ASSERT_FALSE(chara()->bDying);
            const double top = chara()->dY;
            BuryIn(*chara());
            chara()->nSqueezeGrace = k.grace;
            run.Frame();
            const auto what = [&] {
                return (buryHero ? "hero, grace " : "character, grace ") + std::to_string(k.grace);
            };
            EXPECT_EQ(chara() != nullptr && !chara()->bDying, k.survives) << what();
            if (!k.survives) continue;
            cChara& c = *chara();
            for (int i = 0; i < 10; ++i) run.Frame();
            EXPECT_EQ(c.nSqueezeGrace, 0) << what();
            EXPECT_FALSE(c.bDying) << what();
            EXPECT_LE(c.dBottom, top) << what() << ": on top of the new block";
        }
    }
}

TEST_F(MainFrame, ACharacterWhoseLifeRunsOutTakesNoFurtherPartAndLeavesAtTheSubStepsEnd) {
    // An enemy standing on the hero: harmless until the test gives it power.
    cStage s = FloorStage();
    s.Charas.push_back(Enemy(3, 12, 10, 0));
    for (const std::int32_t life : {0, kUnlimitedLife}) {
        cStageRunner run;
        cStageRunner::UseStage(s);
        UntilMain(run);
        for (int i = 0; i < 20; ++i) run.Frame();
        cHeroChara& hero = *run.Play().Hero();
        ASSERT_EQ(run.Play().scene.CharaList.size(), 1u);
        cNpcChara& c = run.Play().scene.CharaList.front();
        ASSERT_EQ(hero.hp, 10);
        c.Def.power = 3;
        c.nLifeTimer = life;
        run.Frame();
        if (life == 0) {
            EXPECT_TRUE(run.Play().scene.CharaList.empty());
            EXPECT_TRUE(run.Play().scene.FactionCharas.At(1).empty());
            EXPECT_EQ(hero.hp, 10) << "gone from its first sub-step on";
        } else {
            EXPECT_EQ(run.Play().scene.CharaList.size(), 1u);
            EXPECT_LT(hero.hp, 10) << "the same contact hurts while it lives";
        }
    }
}

TEST_F(MainFrame, AMapTooLargeToHoldIsReportedAndPlayGoesToTheTitle) {
    struct Case {
        std::int32_t cols, rows;
    };
    for (const Case k : {Case{kMaxMapBlocks + 1, 15}, Case{30, 2147483647}, Case{20000, 100}, Case{-5, 15}}) {
        cStageRunner run;
        cStageRunner::UseStage(SmallStage(k.cols, k.rows, 3, 2));
        int frames = 0;
        while (run.SwitchedTo() < 0 && frames < 60) {
            run.Frame();
            ++frames;
        }
        EXPECT_EQ(run.SwitchedTo(), 0) << k.cols << " x " << k.rows << ": to the title, not into itself";
        EXPECT_EQ(run.Play().bSetUp, 0);
        EXPECT_LE(BlockGrid.Cells.size(), static_cast<std::size_t>(kMaxGridCells));
    }
    EXPECT_NE(Report().find("larger than play can hold"), std::string::npos) << Report();
}

TEST_F(MainFrame, TheMapBoundCountsTheMarginsAndTheRowPitch) {
    struct Case {
        std::int32_t cols, rows;
        bool fits;
    };
    for (const Case k : {Case{0, 0, true}, Case{kMaxMapBlocks, 12, true}, Case{kMaxMapBlocks, 13, false},
                         Case{kMaxMapBlocks + 1, 0, false}, Case{1000, 2028, true}, Case{1000, 2029, false},
                         Case{-1, 5, false}, Case{5, -1, false}}) {
        cStage s;
        s.Init();
        s.nMapWidth = k.cols;
        s.nMapHeight = k.rows;
        EXPECT_EQ(MapFitsPlay(s), k.fits) << k.cols << " x " << k.rows;
    }
    cStageRunner run;
    cStageRunner::UseStage(SmallStage(4000, 20, 3, 2));
    run.Frame();
    EXPECT_EQ(run.Play().bSetUp, 1);
}

TEST_F(MainFrame, ALevelBeyondTheHighestRunsTheHighestSubStepCount) {
    cStage s = FloorStage();
    s.nLevel = 2000000000;
    cStageRunner run;
    cStageRunner::UseStage(s);
    UntilMain(run);
    EXPECT_EQ(Stage.nSubSteps, kMaxSubSteps);
    const std::int32_t before = run.Play().nSubStepTotal;
    run.Frame();
    EXPECT_EQ(run.Play().nSubStepTotal - before, kMaxSubSteps);
    EXPECT_NE(Report().find("asks for 2000000000 sub-steps"), std::string::npos) << Report();
}

// A faction number past the groups, from a stage file, puts the character in
// the last group: every placed character has a group list to join.
TEST_F(MainFrame, ACharacterWhoseFactionIsPastTheGroupsPlaysInTheLastGroup) {
    cStage s = FloorStage();
    s.Charas.front().Faction = 200; // the hero
    s.Charas.push_back(Enemy(8, 13, 10, 0));
    s.Charas.back().Faction = 8;
    s.Charas.push_back(Enemy(12, 13, 10, 0)); // group 1
    cStageRunner run;
    cStageRunner::UseStage(s);
    UntilMain(run);
    for (int i = 0; i < 30; ++i) run.Frame();
    EXPECT_EQ(run.Play().nState, PLAY_MAIN);
    cPlayScene& play = run.Play();
    ASSERT_EQ(play.scene.CharaList.size(), 2u);
    EXPECT_EQ(play.Hero()->nGroup, 7);
    EXPECT_EQ(play.scene.CharaList.front().nGroup, 7);
    EXPECT_EQ(play.scene.FactionCharas.At(7).size(), 2u);
    EXPECT_EQ(play.scene.FactionCharas.At(1).size(), 1u);
    EXPECT_EQ(report.Count("out of range"), 0u) << Report();
}

TEST_F(MainFrame, ACharacterWhoseZIsOutsideTheLayersDrawsInTheNearestLayer) {
    struct Case {
        int z;
        std::size_t layer;
    };
    const Case cases[] = {{0, 0}, {5, 5}, {7, 7}, {8, 7}, {255, 7}};
    cStage s = FloorStage();
    s.bObjectLayers = 1;
    for (std::int16_t c = 0; c < static_cast<std::int16_t>(std::size(cases)); ++c)
        s.Charas.push_back(Enemy(static_cast<std::int16_t>(6 + 3 * c), 13, 10, 0));
    cStageRunner run;
    cStageRunner::UseStage(s);
    UntilMain(run);
    cList<cNpcChara>& charas = run.Play().scene.CharaList;
    ASSERT_EQ(charas.size(), std::size(cases));
    std::size_t i = 0;
    for (cNpcChara& c : charas) c.Def.z = static_cast<std::uint8_t>(cases[i++].z);
    run.Frame();
    i = 0;
    for (cNpcChara& c : charas) {
        const Case& k = cases[i++];
        for (std::size_t layer = 0; layer < 8; ++layer) {
            const std::vector<cNpcChara*>& drawn = run.Play().LayerCharas[layer];
            const bool in = std::find(drawn.begin(), drawn.end(), &c) != drawn.end();
            EXPECT_EQ(in, layer == k.layer) << "z " << k.z << ", layer " << layer;
        }
    }
}

} // namespace
