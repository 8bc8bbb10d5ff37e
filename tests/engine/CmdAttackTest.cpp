// Shots, summons and the flow operation run through the harness.
#include "fixtures/CommandKit.h"

#include "engine/CmdAttack.h"
#include "engine/FlowSettings.h"
#include "project/PlayData.h"
#include "records/EdCommand.h"

#include <string>
#include <vector>

namespace {

using CmdAttack = EngineTest;

cEdCommand Cmd(int kind, std::int16_t tenths, std::initializer_list<std::int32_t> params = {}) {
    cEdCommand c = Command(kind, params, tenths);
    ResetShared(c.pShot);
    return c;
}

// A sound request a flow makes when it reaches this command.
cEdCommand Marker(std::int32_t se, bool parallel = false) {
    cEdCommand c = Cmd(35, 1, {se});
    c.bSeVisibleOnly = 0;
    c.bParallel = parallel ? 1 : 0;
    return c;
}

cEdFlow Flow(std::int32_t id, std::initializer_list<cEdCommand> commands) {
    cEdFlow f;
    f.cTrigger = 22;
    f.bySet1 = static_cast<std::uint8_t>(id);
    f.vCmd = commands;
    return f;
}

cNpcChara& WithFlows(cEngineWorld& w, std::initializer_list<cEdFlow> flows, int col = 5) {
    cEdChara d = EngineTest::Def();
    d.Flying = 1;
    d.Flows = flows;
    return w.AddNpc(d, col, 5);
}

int Count(const std::vector<std::string>& requests, const std::string& r) {
    int n = 0;
    for (const std::string& s : requests) n += s == r;
    return n;
}

} // namespace

TEST_F(CmdAttack, ShotsAndSummonsFireAtOnceAndEveryRepeatInterval) {
    Stage.nWords68[0] = 3; // a volley every 3 sub-steps
    struct Case {
        int kind;
        const char* request;
    } cases[] = {{11, "shots from 1"}, {13, "blocks from 1"}, {14, "charas from 1"}, {15, "items from 1"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.kind);
        harness.requests.clear();
        harness.state.CharaList.clear();
        harness.state.FactionCharas.At(0).clear();
        nextId = 1;
        cNpcChara& c = WithFlows(*this, {Flow(0, {Cmd(k.kind, 1)})}); // 12 sub-steps
        c.Flows[0].Start(c);
        std::string trace;
        for (int i = 0; i < 8; ++i) {
            const std::size_t before = harness.requests.size();
            SubStep();
            trace += harness.requests.size() > before && harness.requests.back() == k.request ? 'x' : '.';
        }
        EXPECT_EQ(trace, "x..x..x.");
    }
}

TEST_F(CmdAttack, ASoundForVisibleCharactersWaitsForTheScreen) {
    for (int onScreen : {0, 1}) {
        harness.requests.clear();
        cEdCommand shot = Cmd(11, 1);
        shot.sSe = 4;
        cNpcChara& c = WithFlows(*this, {Flow(0, {shot})});
        c.bOnScreen = onScreen;
        c.Flows[0].Start(c);
        SubStep();
        EXPECT_EQ(Count(harness.requests, "db se 4"), onScreen) << onScreen;
        EXPECT_EQ(Count(harness.requests, "shots from " + std::to_string(c.nId)), 1);
    }
}

TEST_F(CmdAttack, StartOnThisFlowRestartsItAndSkipsTheRest) {
    cEdCommand op = Cmd(16, 0, {0, 0, 0, 0});
    op.bParallel = 1;
    cNpcChara& c = WithFlows(*this, {Flow(0, {Marker(1, true), op, Marker(2)})});
    c.Flows[0].Start(c);
    for (int i = 0; i < 3; ++i) SubStep();
    // Each sub-step begins again at the first command: 1 every time, 2 never.
    EXPECT_EQ(Count(harness.requests, "db se 1"), 3);
    EXPECT_EQ(Count(harness.requests, "db se 2"), 0);
    EXPECT_TRUE(c.Flows[0].bRunning);
}

TEST_F(CmdAttack, OperationsOnFlowsChosenByIdOrAllButThis) {
    struct Case {
        const char* name;
        std::int32_t op, which, id;
        const char* state; // per other flow: r running, p paused, s stopped, e ended
    } cases[] = {
        {"end flows of id 7", 1, 2, 7, "sr"},
        {"id 0 chooses nothing", 1, 2, 0, "rr"},
        {"pause all but this", 2, 1, 0, "pp"},
        {"stop for good all but this", 5, 1, 0, "ee"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        cNpcChara& c = WithFlows(*this, {Flow(0, {Cmd(16, 1, {k.op, k.which, k.id, 0})}),
                                         Flow(7, {Marker(1)}), Flow(0, {Marker(2)})});
        for (std::size_t i = 0; i < 3; ++i) c.Flows[i].Start(c);
        SubStep();
        std::string state;
        for (std::size_t i = 1; i < 3; ++i) {
            const cFlow& f = c.Flows[i];
            state += f.bEnded ? 'e' : f.bPaused ? 'p' : f.bRunning ? 'r' : 's';
        }
        EXPECT_EQ(state, k.state);
    }
}

TEST_F(CmdAttack, DeleteDefersOnItsOwnFlowsAndActsAtOnceOnATarget) {
    cNpcChara& other = WithFlows(*this, {Flow(3, {Marker(5)}), Flow(4, {Marker(6)})}, 9);
    cEdCommand ownDelete = Cmd(16, 1, {4, 0, 0, 0});
    cEdCommand targetDelete = Cmd(16, 1, {4, 2, 3, 2}); // flows of id 3 of target 2
    targetDelete.bParallel = 1;
    cNpcChara& c = WithFlows(*this, {Flow(0, {targetDelete, ownDelete, Marker(9)}), Flow(0, {Marker(8)})});
    c.SetTarget(1, &other);
    c.Flows[0].Start(c);
    c.RunFlows(0);
    EXPECT_EQ(other.Flows.size(), 1u); // removed at once
    EXPECT_EQ(FlowId(other.Flows[0].Def), 4);
    EXPECT_EQ(c.Flows.size(), 1u); // its own flow went once the run was over
    EXPECT_EQ(Count(harness.requests, "db se 9"), 0);
    // With the target slot empty the command does nothing.
    cNpcChara& lone = WithFlows(*this, {Flow(0, {Cmd(16, 1, {1, 1, 0, 3})}), Flow(0, {Marker(7)})});
    lone.Flows[0].Start(lone);
    lone.Flows[1].Start(lone);
    lone.RunFlows(0);
    EXPECT_TRUE(lone.Flows[1].bRunning);
}

TEST_F(CmdAttack, TheConditionListDecidesWhetherTheOperationActs) {
    PlayData.CommonVars[1] = 5;
    for (std::int32_t value : {5, 6}) {
        cEdCommand op = Cmd(16, 1, {1, 1, 0, 0}); // end every other flow
        ResetShared(op.pCondList);
        op.pCondList->bUse = 1;
        cCond cond; // common variable 1 equal to the value
        cond.cKind = 1;
        cond.sValue = 1;
        cond.nValue1 = value;
        op.pCondList->vCond.push_back(cond);
        cNpcChara& c = WithFlows(*this, {Flow(0, {op}), Flow(0, {Marker(2)})});
        c.Flows[0].Start(c);
        c.Flows[1].Start(c);
        c.RunFlows(0);
        EXPECT_EQ(c.Flows[1].bRunning, value == 5 ? 0 : 1) << value;
    }
}
