// Key conditions of a character's flows against the input history.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "engine/KeyMatchCore.h"
#include "foundation/Input.h"

namespace {

// The press histories of an input record: the 10 direction lists, then the
// 9 button lists. Without a record every entry is released and has no runs.
struct cInputHistory {
    const cInput* in;
    const KEYRUN* Run(int e, int r) const {
        if (!in || r < 0 || r >= kKeyRuns) return nullptr;
        const auto run = static_cast<std::size_t>(r);
        if (e >= 0 && e < kKeyDirEntries) return &in->DirKeys[static_cast<std::size_t>(e)][run];
        if (e >= kKeyDirEntries && e < kKeyEntries)
            return &in->ButtonKeys[static_cast<std::size_t>(e - kKeyDirEntries)][run];
        return nullptr;
    }
    bool Pressed(int e, int r) const {
        const KEYRUN* k = Run(e, r);
        return k && k->bPressed != 0;
    }
    std::int64_t Length(int e, int r) const {
        const KEYRUN* k = Run(e, r);
        return k ? k->dwFrames : 0;
    }
};

static_assert(kKeyRuns == kKeyHistoryLength && kKeyDirEntries == kDirKeyLists &&
              kKeyButtonEntries == kButtonKeyLists);

} // namespace

const cInput* cChara::InputRecord() const {
    const std::int64_t n = nControl == 0 ? Def.InputRecord : 0;
    return InputList.InRange(n) ? &InputList[static_cast<std::size_t>(n)] : nullptr;
}

bool cChara::MatchKeyConds(const cFlow& flow) const {
    return KeyCondsMatch(cInputHistory{InputRecord()}, flow.KeyConds.data(), flow.KeyConds.size(),
                         FlowKeyGap(flow.Def), nFacing == 0);
}

bool cChara::TestKeyCondNow(const cEdKeyCond& cond) const {
    return KeyCondHoldsNow(cInputHistory{InputRecord()}, cond, nFacing == 0);
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
    const cInputHistory input{InputRecord()};
    for (int e = 0; e < kKeyDirEntries; ++e)
        if (input.Pressed(e, 0)) return e;
    return 0;
}
