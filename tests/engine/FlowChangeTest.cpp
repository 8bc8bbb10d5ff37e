// The flow change of an item's command list, run on the hero through the
// flow-command table.
#include "fixtures/CommandKit.h"

#include "engine/FlowChange.h"
#include "project/PlayData.h"
#include "records/Cond.h"
#include "records/EdCommand.h"

#include <string>

namespace {

using FlowChangeTest = EngineTest;

// Common variable 1 equal to the value.
cCond VarIs(std::int32_t value) {
    cCond c;
    c.cKind = 1;
    c.sValue = 1;
    c.nValue1 = value;
    return c;
}

cEdCommand Change(std::int32_t mode, std::int32_t id) {
    return FlowCommand(1, {mode, id});
}

// A flow started by hand only, of one long wait.
cEdFlow Flow(std::int32_t id, std::initializer_list<cCond> startConds = {}) {
    cEdFlow f = cEngineWorld::FlowOf(22, {100});
    f.bySet1 = static_cast<std::uint8_t>(id);
    f.vStartCond = startConds;
    return f;
}

// Per flow: r running, p paused, e ended, s stopped.
std::string States(const cChara& c) {
    std::string s;
    for (const auto& f : c.Flows.Runs) s += f->bEnded ? 'e' : f->bPaused ? 'p' : f->bRunning ? 'r' : 's';
    return s;
}

} // namespace

TEST_F(FlowChangeTest, ModesStartByConditionsStartAnIdOrSwitchToIt) {
    PlayData.CommonVars[1] = 5;
    struct Case {
        const char* name;
        cEdCommand change;
        std::int32_t commandCondValue; // 0: no condition part
        const char* states;            // before: s s s r p
    } cases[] = {
        // Flows: 0 (id 0, its conditions hold), 1 (id 3, they fail), 2 (id 3),
        // 3 (id 4, running), 4 (id 3, paused).
        {"start where the start conditions hold", Change(0, 0), 0, "rsrrp"},
        {"start the flows of an id", Change(1, 3), 0, "srrrr"},
        {"the command's conditions hold", Change(1, 3), 5, "srrrr"},
        {"the command's conditions fail", Change(1, 3), 6, "sssrp"},
        {"no flow has id 0", Change(1, 0), 0, "sssrp"},
        {"switch to the flows of an id", Change(2, 3), 0, "srrsr"},
        {"switch to id 0 stops every flow", Change(2, 0), 0, "ssssp"},
        {"an unknown mode does nothing", Change(7, 3), 0, "sssrp"},
    };
    for (Case& k : cases) {
        SCOPED_TRACE(k.name);
        cEdChara d = Def();
        d.Flows = {Flow(0, {VarIs(5)}), Flow(3, {VarIs(6)}), Flow(3), Flow(4), Flow(3)};
        cHeroChara& h = AddHero(d, 5, 5);
        h.Flows[3].Start(h);
        h.Flows[4].Start(h);
        h.Flows[4].Pause();
        if (k.commandCondValue != 0) {
            ResetShared(k.change.pCondList);
            k.change.pCondList->bUse = 1;
            k.change.pCondList->vCond.push_back(VarIs(k.commandCondValue));
        }
        cVector<cEdCommand> list = {k.change};
        EXPECT_EQ(h.RunFlowCommands(list), 0);
        EXPECT_EQ(States(h), k.states);
    }
}

TEST_F(FlowChangeTest, StartingARunningFlowBeginsItAgain) {
    cEdChara d = Def();
    d.Flows = {Flow(3)};
    cHeroChara& h = AddHero(d, 5, 5);
    h.Flows[0].Start(h);
    for (int i = 0; i < 5; ++i) h.RunFlows(0);
    ASSERT_GT(h.Flows[0].nElapsed, 0);
    ASSERT_NE(h.Flows[0].Commands[0].nCount, 0);
    cVector<cEdCommand> list = {Change(1, 3)};
    h.RunFlowCommands(list);
    EXPECT_EQ(h.Flows[0].nElapsed, 0);
    EXPECT_EQ(h.Flows[0].Commands[0].nCount, 0); // its first command begins on the next run
    EXPECT_TRUE(h.Flows[0].bRunning);
}

TEST_F(FlowChangeTest, ASwitchTheHerosOwnRunAsksForWaitsUntilTheRunIsOver) {
    cEdChara d = Def();
    d.Flows = {Flow(0), Flow(3)};
    cHeroChara& h = AddHero(d, 5, 5);
    h.Flows[0].Start(h);
    scene().pCurChara = &h; // the hero's flows are running: an item taken now
    cVector<cEdCommand> list = {Change(2, 3)};
    h.RunFlowCommands(list);
    EXPECT_EQ(States(h), "rs");
    scene().pCurChara = nullptr;
    h.RunFlows(0);
    EXPECT_EQ(States(h), "sr");
    EXPECT_TRUE(h.DeferredFlowChanges.empty());
}

TEST_F(FlowChangeTest, AFlowStartedThatRunsAtOnceMayDeleteFlowsWithoutFreeingThemUnderTheChange) {
    // A flow of timing "before the stage starts" runs its no-wait commands
    // when started: here a flow operation that deletes every other flow.
    cEdCommand del = Command(16, {4, 1, 0, 0}); // delete every other flow
    del.bParallel = 1;
    cEdFlow first = Flow(3);
    first.cTrigger = 21;
    first.vCmd = {del};
    cEdChara d = Def();
    d.Flows = {first, Flow(0), Flow(0)};
    cHeroChara& h = AddHero(d, 5, 5);
    cVector<cEdCommand> list = {Change(0, 0)};
    h.RunFlowCommands(list);
    // The two others were marked while the change walked the flows, not started after.
    EXPECT_EQ(States(h), "sss");
    h.RunFlows(0);
    EXPECT_EQ(h.Flows.size(), 1u);
}
