#include "fixtures/EngineHarness.h"

#include "engine/FlowSettings.h"
#include "platform/Random.h"
#include "project/Database.h"

#include <sstream>

namespace {

using FlowRun = EngineTest;

// The index of the command each running flow is on (its last begun one), or
// '-' for a flow that is not running, per sub-step.
std::string Trace(const cChara& c) {
    std::string s;
    for (std::size_t i = 0; i < c.Flows.size(); ++i) {
        const cFlow& f = c.Flows[i];
        s += f.bRunning ? static_cast<char>('0' + f.nLastActive) : '-';
    }
    return s;
}

cEdCommand Wait(std::int16_t tenths, bool parallel = false) {
    cEdCommand c;
    c.cKind = 1;
    c.sWait = tenths;
    c.bParallel = parallel ? 1 : 0;
    return c;
}

// A straight move of `tenths` with a move part of its own.
cEdCommand Move(std::int16_t tenths) {
    cEdCommand c = Wait(tenths);
    c.cKind = 2;
    ResetShared(c.pMove);
    return c;
}

// A character of one flow of the given commands (timing 22: started only by hand).
cNpcChara Built(std::initializer_list<cEdCommand> commands, std::int16_t summonIndex = 0) {
    cEdChara d = EngineTest::Def();
    cEdFlow f;
    f.cTrigger = 22;
    f.vCmd = commands;
    d.Flows = {f};
    cNpcChara ch;
    ch.Setup(d, 1, nullptr, summonIndex);
    return ch;
}

TEST_F(FlowRun, TraceOfTheRunningCommandsSubStepBySubStep) {
    Stage.SetLevel(1); // one sub-step per frame: a wait of 1 tenth lasts 6 sub-steps
    cEdChara d = Def();
    cEdFlow always; // timing 0: A (1 tenth), then B (no wait, 2 tenths) beside C (0)
    always.vCmd = {Wait(1), Wait(2, true), Wait(0)};
    cEdFlow hit = FlowOf(TIMING_DAMAGED, {0, 0}); // two commands of wait 0
    d.Flows = {always, hit};
    cNpcChara& c = AddNpc(d, 5, 5);
    std::vector<std::string> trace;
    for (int i = 0; i < 14; ++i) {
        if (i == 2) c.TriggerFlows(TIMING_DAMAGED);
        Frame();
        trace.push_back(Trace(c));
    }
    // A runs 6 sub-steps. Then B and C begin in one sub-step; C, the last
    // command, finishes at once and so ends the flow with B cut short; timing
    // 0 starts it again on the next sub-step. The damage flow's two commands
    // of wait 0 take a sub-step each.
    const std::vector<std::string> expected = {"0-", "0-", "01", "0-", "0-", "1-", "--",
                                               "0-", "0-", "0-", "0-", "0-", "1-", "--"};
    EXPECT_EQ(trace, expected);
}

TEST_F(FlowRun, AllNoWaitCommandsBeginInTheFirstSubStep) {
    cEdChara d = Def();
    cEdFlow f;
    f.cTrigger = 22; // only by the flow operation
    f.vCmd = {Wait(3, true), Wait(3, true), Wait(3, true)};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.Flows[0].Start(c);
    c.RunFlows(0);
    EXPECT_EQ(c.Flows[0].nLastActive, 3);
    for (const cFlowCommand& e : c.Flows[0].Commands) EXPECT_EQ(e.nCount, e.nWait - 1);
}

TEST_F(FlowRun, AStoppedFlowStartsAgainFromItsFirstCommand) {
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {0, 5, 5})};
    cNpcChara& c = AddNpc(d, 5, 5);
    cFlow& f = c.Flows[0];
    f.Start(c);
    for (int i = 0; i < 3; ++i) c.RunFlows(0);
    EXPECT_EQ(f.nLastActive, 1);
    f.Stop(c);
    f.Start(c);
    EXPECT_EQ(f.nLastActive, 0);
    for (const cFlowCommand& e : f.Commands) EXPECT_EQ(e.bDone, 0);
}

TEST_F(FlowRun, UnitsAreConvertedOnceWhenTheFlowIsBuilt) {
    Stage.SetLevel(2);
    cEdCommand c = Move(3);
    c.sWaitAdd = 2;
    c.pMove->sAmount = 20;
    c.pMove->sAmountAdd = 5;
    c.pMove->bInertia = 1;
    c.pMove->sAltAmount = 40;
    c.pMove->cMode2 = 3;
    const cNpcChara ch = Built({c}, 2); // summon index 2
    const cFlowCommand& e = ch.Flows[0].Commands[0];
    EXPECT_EQ(e.nWait, (3 + 2 * 2) * 6 * 2);
    EXPECT_DOUBLE_EQ(e.dSpeed, (20 + 5 * 2) * 0.1 / 2);
    EXPECT_DOUBLE_EQ(e.dMaxSpeed, 40 * 0.1 / 2);
    EXPECT_EQ(e.cDir, 3);
}

struct MoveWorkCase {
    const char* name;
    std::int8_t spec;
    std::int16_t wait, speed, dist;
    std::uint8_t dots;
    std::int32_t nWait;
    double dSpeed;
};

class MoveWork : public EngineTest, public ::testing::WithParamInterface<MoveWorkCase> {};

// A time or speed of 0 never divides: the move takes one sub-step.
TEST_P(MoveWork, TwoOfTimeSpeedAndDistanceGiveTheThird) {
    const MoveWorkCase& m = GetParam();
    Stage.SetLevel(1);
    cEdCommand c = Move(m.wait);
    c.pMove->cSpec = m.spec;
    c.pMove->sAmount = m.speed;
    c.pMove->sDist = m.dist;
    c.pMove->bDotUnit = m.dots;
    const cNpcChara ch = Built({c});
    const cFlowCommand& e = ch.Flows[0].Commands[0];
    EXPECT_EQ(e.nWait, m.nWait);
    EXPECT_DOUBLE_EQ(e.dSpeed, m.dSpeed);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveWork,
                         ::testing::Values(MoveWorkCase{"TimeAndSpeed", 0, 2, 10, 5, 0, 12, 1.0},
                                           MoveWorkCase{"TimeAndDistance", 1, 2, 10, 6, 0, 12, 96.0 / 12},
                                           MoveWorkCase{"TimeZeroAndDistance", 1, 0, 10, 6, 1, 1, 6.0},
                                           MoveWorkCase{"SpeedAndDistance", 2, 9, 10, 6, 0, 96, 1.0},
                                           MoveWorkCase{"SpeedZeroAndDistance", 2, 9, 0, 6, 0, 1, 0.0},
                                           MoveWorkCase{"NegativeSpeedGivesPositiveTime", 2, 9, -10, 6, 0, 96,
                                                        -1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlowRun, NegativeMoveTimeIsKeptWhenTheSystemAllowsIt) {
    SystemData.bNegativeMoveTime = 1;
    Stage.SetLevel(1);
    cEdCommand c = Move(0);
    c.pMove->cSpec = 2;
    c.pMove->sAmount = -10;
    c.pMove->sDist = 6;
    EXPECT_EQ(Built({c}).Flows[0].Commands[0].nWait, -96);
}

TEST_F(FlowRun, FlowsStartByTheirTiming) {
    cEdChara d = Def();
    d.Flows = {FlowOf(TIMING_DAMAGED, {5}), FlowOf(TIMING_IMPACTED, {5}), FlowOf(TIMING_DAMAGED, {5})};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.TriggerFlows(TIMING_DAMAGED);
    EXPECT_EQ(Trace(c), "0-0");
    c.TriggerFlows(TIMING_IMPACTED);
    EXPECT_EQ(Trace(c), "000");
}

TEST_F(FlowRun, FlowsStartOnlyWhileTheirConditionsHold) {
    cEdChara d = Def();
    cEdFlow f = FlowOf(TIMING_DAMAGED, {1});
    cCond cond;
    cond.cKind = 1;   // common variable
    cond.sValue = 7;  // number 7
    cond.cSel2 = 2;   // at least
    cond.nValue1 = 3; // 3
    f.vStartCond = {cond};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    PlayData.CommonVars[7] = 2;
    c.TriggerFlows(TIMING_DAMAGED);
    EXPECT_EQ(Trace(c), "-");
    PlayData.CommonVars[7] = 3;
    c.TriggerFlows(TIMING_DAMAGED);
    EXPECT_EQ(Trace(c), "-"); // a flow is tested once a frame
    c.ResetFlowMarks();
    c.TriggerFlows(TIMING_DAMAGED);
    EXPECT_EQ(Trace(c), "0");
}

TEST_F(FlowRun, AFlowIdRestrictsTheTrigger) {
    cEdChara d = Def();
    cEdFlow a = FlowOf(TIMING_GAVE_DAMAGE, {1}), b = FlowOf(TIMING_GAVE_DAMAGE, {1});
    a.bySet1 = 4;
    b.bySet1 = 5;
    d.Flows = {a, b};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.TriggerFlowsFrom(TIMING_GAVE_DAMAGE, nullptr, 5);
    EXPECT_EQ(Trace(c), "-0");
}

TEST_F(FlowRun, TheOtherObjectStandsInTheTargetSlotOnlyWhileTheTestsHold) {
    cEdChara d = Def();
    cEdFlow f = FlowOf(TIMING_DAMAGED, {1});
    f.bySet3 = 1; // the other object goes into a target slot
    f.bySet4 = 2; // target 3
    cCond cond;
    cond.cKind = 2; // stage variable 1 == 1
    cond.sValue = 1;
    cond.nValue1 = 1;
    f.vStartCond = {cond};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    cNpcChara& attacker = AddNpc(Def(), 7, 5);
    c.TriggerFlowsFrom(TIMING_DAMAGED, &attacker, 0);
    EXPECT_EQ(c.TargetAt(2), nullptr);
    EXPECT_TRUE(attacker.BackLinks.empty());
    scene().StageVars[1] = 1;
    c.ResetFlowMarks();
    c.TriggerFlowsFrom(TIMING_DAMAGED, &attacker, 0);
    EXPECT_EQ(c.TargetAt(2), &attacker);
    EXPECT_EQ(Trace(c), "0");
}

TEST_F(FlowRun, AFlowStartsOnceAFrameUnlessRepeatedStartsAreAllowed) {
    cEdChara d = Def();
    d.Flows = {FlowOf(TIMING_DAMAGED, {0})};
    for (int repeated : {0, 1}) {
        SystemData.bFlowStartA = repeated;
        scene().CharaList.clear();
        cNpcChara& c = AddNpc(d, 5, 5);
        c.TriggerFlows(TIMING_DAMAGED);
        c.RunFlows(0); // wait 0: done at once
        c.Flows[0].bJustStarted = 0;
        c.TriggerFlows(TIMING_DAMAGED);
        EXPECT_EQ(Trace(c), repeated ? "0" : "-") << repeated;
        c.ResetFlowMarks();
        c.TriggerFlows(TIMING_DAMAGED);
        EXPECT_EQ(Trace(c), "0") << repeated;
    }
}

TEST_F(FlowRun, BeforeTheStageOnlyNoWaitCommandsOfLaterKindsRunAndTheFlowStops) {
    cEdChara d = Def();
    cEdFlow f;
    f.cTrigger = TIMING_BEFORE_STAGE;
    cEdCommand code = Wait(0, true);
    code.cKind = 35; // a sound: not built yet, reports itself
    f.vCmd = {Wait(5, true), code, Wait(0)};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.TriggerFlows(TIMING_BEFORE_STAGE);
    const cFlow& flow = c.Flows[0];
    EXPECT_EQ(flow.bRunning, 0);
    EXPECT_EQ(flow.Commands[0].nCount, 0); // the wait was not run
}

TEST_F(FlowRun, AnArrangementAppliesToTheNextCommandOfItsKindOnly) {
    Stage.SetLevel(1);
    cEdChara d = Def();
    cEdFlow f;
    cEdCommand move = Move(1);
    move.pMove->sAngle = 10;
    f.vCmd = {move, move};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.Vars[3] = 25;
    cFlow& flow = c.Flows[0];
    flow.Start(c);
    flow.Pending.push_back({2, 4, 1, 2, 3}); // straight move, angle += character variable 3
    c.RunFlows(0);
    EXPECT_EQ(flow.Def.vCmd[0].pMove->sAngle, 35);
    EXPECT_TRUE(flow.Pending.empty());
    for (int i = 0; i < 6; ++i) c.RunFlows(0);
    EXPECT_EQ(flow.nLastActive, 1);
    EXPECT_EQ(flow.Def.vCmd[1].pMove->sAngle, 10);
    EXPECT_EQ(d.Flows[0].vCmd[0].pMove->sAngle, 10); // the definition stays as loaded
}

TEST_F(FlowRun, RemovingTheRunningFlowWaitsForTheEndOfTheRun) {
    // A handler that removes its own flow while the flow is walked.
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {5, 5}), FlowOf(22, {5})};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.Flows[0].Start(c);
    c.Flows[1].Start(c);
    ++c.nFlowWalk; // as while RunFlows walks them
    c.RemoveFlow(0);
    --c.nFlowWalk;
    ASSERT_EQ(c.Flows.size(), 2u);
    EXPECT_EQ(c.Flows[0].bDeleteMark, 1);
    EXPECT_EQ(c.Flows[0].bRunning, 0);
    c.RunFlows(0);
    ASSERT_EQ(c.Flows.size(), 1u);
    EXPECT_EQ(c.Flows[0].nIndex, 0);
    EXPECT_EQ(c.Flows[0].Commands.size(), 1u);
}

TEST_F(FlowRun, TwoAdjacentMarkedFlowsAreBothRemoved) {
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {1}), FlowOf(22, {2}), FlowOf(22, {3}), FlowOf(22, {4})};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.Flows[1].bDeleteMark = 1;
    c.Flows[2].bDeleteMark = 1;
    c.bFlowsChanged = 1;
    c.RunFlows(0);
    ASSERT_EQ(c.Flows.size(), 2u);
    EXPECT_EQ(c.Flows[0].Def.vCmd[0].sWait, 1);
    EXPECT_EQ(c.Flows[1].Def.vCmd[0].sWait, 4);
}

TEST_F(FlowRun, RemovingFlowsByIdReturnsTheFirstRemoved) {
    cEdChara d = Def();
    cEdFlow a = FlowOf(22, {1}), b = FlowOf(22, {2});
    a.bySet1 = 3;
    b.bySet1 = 3;
    cEdFlow none = FlowOf(22, {3});
    d.Flows = {none, a, none, b};
    cNpcChara& c = AddNpc(d, 5, 5);
    EXPECT_EQ(c.RemoveFlows(9), -1);
    EXPECT_EQ(c.RemoveFlows(3), 1);
    ASSERT_EQ(c.Flows.size(), 2u);
    EXPECT_EQ(c.Flows[1].nIndex, 1);
    EXPECT_EQ(c.RemoveFlows(0), 0);
    EXPECT_TRUE(c.Flows.empty());
}

TEST_F(FlowRun, WithTheDyingFlagOnlyDefeatFlowsRunToTheEnd) {
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {5}), FlowOf(TIMING_DEFEATED, {5}), FlowOf(TIMING_DEFEATED, {5})};
    cNpcChara& c = AddNpc(d, 5, 5);
    for (std::size_t i = 0; i < 3; ++i) c.Flows[i].Start(c);
    c.hp = 0;
    EXPECT_EQ(c.RunFlows(1), 1);
    EXPECT_EQ(c.Flows[0].Commands[0].nCount, 0);
    EXPECT_GT(c.Flows[1].Commands[0].nCount, 0);
    EXPECT_GT(c.Flows[2].Commands[0].nCount, 0);
}

TEST_F(FlowRun, AMessageFollowedByAnotherKeepsTheContinuation) {
    cEdChara d = Def();
    cEdFlow f;
    cEdCommand m = Wait(0);
    m.cKind = 19;
    m.vParam.assign(18, 0);
    f.cTrigger = 22;
    f.vCmd = {m, m, Wait(0)};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    cFlow& flow = c.Flows[0];
    flow.Start(c);
    c.RunFlows(0);
    EXPECT_EQ(flow.bMessageContinues, 1);
    c.RunFlows(0);
    EXPECT_EQ(flow.bMessageContinues, 1);
    c.RunFlows(0);
    EXPECT_EQ(flow.bMessageContinues, 0);
}

TEST_F(FlowRun, TwoRunsOfTheSameScenarioHashAlikeSubStepBySubStep) {
    auto run = [this] {
        scene().CharaList.clear();
        hasHero = false;
        nextId = 1;
        GameSrand(5);
        cEdChara d = Def();
        d.Flows = {FlowOf(0, {1, 2}), FlowOf(TIMING_BLOCK_BELOW, {1})};
        AddHero(Def(), 3, 10);
        for (int i = 0; i < 4; ++i) AddNpc(d, 4 + i * 3, 3 + i);
        std::vector<std::uint64_t> hashes;
        for (int f = 0; f < 60; ++f) {
            for (std::int32_t s = 0; s < Stage.nSubSteps; ++s) {
                scene().nSubStep = s;
                SubStep();
                hashes.push_back(StateHash());
            }
            GameRand();
        }
        return hashes;
    };
    const auto first = run();
    const auto second = run();
    EXPECT_EQ(first, second);
    // The characters fell and landed: the state changed along the way.
    EXPECT_NE(first.front(), first.back());
}

} // namespace

namespace {

class LeadIn : public EngineTest {
protected:
    LeadIn() : saved(AnimeFrameTable) {
        // Animation 1: three frames of 6 ticks, then the end.
        AnimeFrameTable.assign(2, {});
        AnimeFrameTable[0] = {{0, 0, 1}, {ANIME_LOOP, 0, 1}};
        AnimeFrameTable[1] = {{1, 6, 0}, {2, 6, 0}, {3, 6, 0}, {ANIME_ENDED, 0, 0}};
    }
    ~LeadIn() override { AnimeFrameTable = saved; }
    AnimeFrameTableType saved;
};

TEST_F(LeadIn, AnAnimationStartsSoThatItsLeadInEndsAsItsCommandBegins) {
    Stage.SetLevel(1);
    cEdChara d = Def();
    cEdFlow f;
    f.cTrigger = 22;
    cEdCommand first, beside, animated;
    first.cKind = 1;
    first.sWait = 5; // 30 sub-steps
    beside.cKind = 1;
    beside.sWait = 9;
    beside.bParallel = 1; // counts nothing toward the time
    animated.cKind = 1;
    animated.sWait = 1;
    animated.sAnime = 1; // lead-in of 18 sub-steps
    f.vCmd = {first, beside, animated};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    ASSERT_EQ(c.Flows[0].Animes.size(), 1u);
    EXPECT_EQ(c.Flows[0].Animes[0].nStart, 30 - 18);
    c.Flows[0].Start(c);
    for (int i = 0; i < 12; ++i) c.RunFlows(0);
    EXPECT_TRUE(c.AnimeQueue.empty());
    c.RunFlows(0);
    ASSERT_EQ(c.AnimeQueue.size(), 1u);
    EXPECT_EQ(c.AnimeQueue.front().nFlowTag, c.Flows[0].nSerial);
    c.RemoveAnimesOfFlow(c.Flows[0].nSerial);
    EXPECT_TRUE(c.AnimeQueue.empty());
}

TEST_F(LeadIn, ALeadInLongerThanTheTimeBeforeStartsWithTheFlowCut) {
    Stage.SetLevel(1);
    cEdChara d = Def();
    cEdFlow f;
    f.cTrigger = 22;
    cEdCommand first, animated;
    first.cKind = 1;
    first.sWait = 1; // 6 sub-steps
    animated.cKind = 12;
    animated.sWait = 1;
    animated.sAnime = 1;
    f.vCmd = {first, animated};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    ASSERT_EQ(c.Flows[0].Animes.size(), 1u);
    EXPECT_EQ(c.Flows[0].Animes[0].nStart, 0);
    EXPECT_EQ(c.Flows[0].Animes[0].nLeadIn, 6);
    EXPECT_EQ(c.Flows[0].Animes[0].bReturnToBase, 0); // a sword
}

} // namespace

namespace {

class BaseAnimes : public EngineTest {
protected:
    BaseAnimes() : saved(Database.AnimeSet) {
        cAnimeSet set;
        set.Slots[0].Frames.assign(2, cAnimeFrame());
        set.Slots[0].Frames[0].nCell = 5;
        set.Slots[0].Frames[0].nWait = 2;
        set.Slots[0].Frames[1].nCell = 6;
        Database.AnimeSet.push_back(set);
    }
    ~BaseAnimes() override { Database.AnimeSet = saved; }
    cVector<cAnimeSet> saved;
};

TEST_F(BaseAnimes, AnAnimationSetBecomesTheBaseAnimationsLoopingWithTicksOfSixPerTenth) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    const std::int16_t n = static_cast<std::int16_t>(Database.AnimeSet.size() - 1);
    c.SetBaseAnimeSet(n, 0);
    EXPECT_EQ(c.Def.AnimeSet, n);
    const auto& table = c.Anime.Table();
    ASSERT_EQ(table.size(), cAnimeSet::kSlotCount);
    ASSERT_EQ(table[0].size(), 3u);
    EXPECT_EQ(table[0][0].nCell, 5);
    EXPECT_EQ(table[0][0].nTicks, 12);
    EXPECT_EQ(table[0][2].nCell, ANIME_LOOP);
    EXPECT_EQ(c.GetAnimeCell(), 5);
    c.Anime.SetAnimeTable(cVector<cVector<ANIMEFRAME>>{});
    c.SetBaseAnimeSet(n, 0); // the same set again changes nothing unless forced
    EXPECT_TRUE(c.Anime.Table().empty());
    c.SetBaseAnimeSet(n, 1);
    EXPECT_EQ(c.Anime.Table().size(), cAnimeSet::kSlotCount);
}

TEST_F(FlowRun, PausingAFlowsAnimationsDropsTheFinishedOnes) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cQueuedAnime done, going, other;
    done.nFlowTag = going.nFlowTag = 4;
    going.nCounter = 10;
    other.nFlowTag = 5;
    c.AnimeQueue = {done, going, other};
    c.PauseAnimesOfFlow(4);
    ASSERT_EQ(c.AnimeQueue.size(), 2u);
    EXPECT_EQ(c.AnimeQueue.front().bPaused, 1);
    EXPECT_EQ(c.AnimeQueue.back().bPaused, 0);
    c.ResumeAnimesOfFlow(4);
    EXPECT_EQ(c.AnimeQueue.front().bPaused, 0);
}

} // namespace

namespace {

TEST_F(FlowRun, ReplacingEveryFlowWhileOneRunsKeepsTheRunningOneAliveUntilTheWalkEnds) {
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {5})};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.Flows[0].Start(c);
    const cFlow* running = &c.Flows[0];
    ++c.nFlowWalk; // as a command of that flow would, from inside the walk
    c.BuildFlows({FlowOf(22, {1}), FlowOf(22, {2})}, 0, -1);
    ASSERT_EQ(c.Flows.size(), 2u);
    EXPECT_EQ(running->bAbort, 1); // still there to be read by its runner
    EXPECT_EQ(c.Flows.Retired.size(), 1u);
    --c.nFlowWalk;
    c.RunFlows(0);
    EXPECT_TRUE(c.Flows.Retired.empty());
    EXPECT_EQ(c.Flows[1].Def.vCmd[0].sWait, 2);
}

} // namespace
