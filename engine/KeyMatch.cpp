// Key conditions of a character's flows against the input history.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "engine/KeyMatchCore.h"

namespace {

// No input record: every entry released, no runs.
struct cNoInput {
    bool Pressed(int, int) const { return false; }
    std::int64_t Length(int, int) const { return 0; }
};

} // namespace

const cInput* cChara::InputRecord() const {
    return nullptr;
}

bool cChara::MatchKeyConds(const cFlow& flow) const {
    return KeyCondsMatch(cNoInput{}, flow.KeyConds.data(), flow.KeyConds.size(), FlowKeyGap(flow.Def),
                         nFacing == 0);
}

bool cChara::TestKeyCondNow(const cEdKeyCond& cond) const {
    return KeyCondHoldsNow(cNoInput{}, cond, nFacing == 0);
}

bool cChara::TestKeyConds(cFlow& flow) {
    if (flow.KeyConds.empty()) return true;
    const bool now = MatchKeyConds(flow);
    if (FlowWhileHeld(flow.Def)) {
        flow.bKeyMatched = now ? 1 : 0;
        return now;
    }
    const bool was = flow.bPrevMatched != 0;
    flow.bPrevMatched = now ? 1 : 0;
    if (now && was) {
        // Still held: the flow's key group stays taken until this run ends.
        const std::int32_t g = FlowKeyGroup(flow.Def);
        if (FlowTiming(flow.Def) == TIMING_ALWAYS && g > 0 && g < kKeyGroups) {
            if (cChara* cur = Scene().pCurChara) cur->KeyGroups[0][g] = 1;
            KeyGroups[1][g] = 1;
            bKeyGroupsChanged = 1;
        }
        return false;
    }
    return now;
}

std::int32_t cChara::InputSnapshot() const {
    const cNoInput input;
    for (int e = 0; e < kKeyDirEntries; ++e)
        if (input.Pressed(e, 0)) return e;
    return 0;
}
