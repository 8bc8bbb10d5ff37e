// Starting a character's flows on an event (their start timing).
#include "engine/Chara.h"

#include "engine/Conditions.h"
#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "project/SystemData.h"

namespace {

// Restores the play scene's current character, flow and command when a
// trigger ends, so that a trigger from inside another character's run leaves
// that run as it was.
struct cCurrentGuard {
    cSceneState& s;
    cChara* chara;
    cFlow* flow;
    cFlowCommand* command;
    explicit cCurrentGuard(cSceneState& state)
        : s(state), chara(state.pCurChara), flow(state.pCurFlow), command(state.pCurCommand) {}
    ~cCurrentGuard() {
        s.pCurChara = chara;
        s.pCurFlow = flow;
        s.pCurCommand = command;
    }
};

} // namespace

void cChara::TriggerFlowsFrom(std::int32_t timing, cChara* other, std::int32_t flowId) {
    cSceneState& s = Scene();
    cCurrentGuard guard(s);
    s.pCurChara = this;
    // A flow started here may run commands at once (timing 21): the list is
    // walked, so removals and replacements wait for the walk to end.
    ++nFlowWalk;
    const bool repeated = SystemData.bFlowStartA != 0;
    const bool early = SystemData.bFlowStartB != 0;
    for (std::size_t i = 0; i < Flows.size(); ++i) {
        cFlow& f = Flows[i];
        if (FlowTiming(f.Def) != timing || f.bDeleteMark) continue;
        if (!repeated && early) {
            if (f.bStartedOnce) continue;
            f.bStartedOnce = 1;
        }
        if (f.bRunning || f.bPaused || f.bEnded || f.bJustStarted) continue;
        const std::int32_t g = FlowKeyGroup(f.Def);
        if (timing == TIMING_ALWAYS && g > 0 && g < kKeyGroups && (KeyGroups[0][g] || KeyGroups[2][g]))
            continue;
        if (flowId >= 1 && FlowId(f.Def) != flowId) continue;
        if (!repeated && !early) {
            if (f.bStartedOnce) continue;
            f.bStartedOnce = 1;
        }
        // The other object of the event stands in a target slot for the tests.
        const bool swap = FlowSetsTarget(f.Def) && other;
        const std::int32_t slot = FlowTargetSlot(f.Def) & 3;
        cChara* old = swap ? TargetAt(slot) : nullptr;
        if (swap) SetTarget(slot, other);
        if (!CondsHoldForFlow(f, *this) || !TestKeyConds(f)) {
            if (swap) SetTarget(slot, old);
            continue;
        }
        f.nInputSnapshot = InputSnapshot();
        f.Start(*this);
        if (!Flows.Holds(&f)) break; // the list was replaced
    }
    if (--nFlowWalk == 0) Flows.Retired.clear();
}
