#include "engine/FlowChange.h"

#include "engine/CmdAttack.h"
#include "engine/Conditions.h"
#include "engine/Dispatch.h"
#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "engine/HeroChara.h"

namespace {

enum : int { kStartWhereCondsHold, kStartFlowsOfId, kSwitchToFlowsOfId };

bool OfId(const cFlow& f, std::int32_t id) {
    return id != 0 && FlowId(f.Def) == id;
}

bool Resting(const cFlow& f) {
    return !f.bRunning && !f.bPaused && !f.bEnded;
}

} // namespace

int FlowChange(cChara& chara, const cEdCommand& command, int immediate) {
    cSceneState& s = Scene();
    cHeroChara* hero = s.HeroList.empty() ? nullptr : s.HeroList[0];
    if (!immediate && hero == &chara && s.pCurChara == hero) {
        hero->DeferFlowChange(command);
        return 0;
    }
    const std::int32_t mode = command.Param(0), id = command.Param(1);
    if (mode == kStartFlowsOfId && !CommandCondsHold(command, chara)) return 0;
    if (mode < kStartWhereCondsHold || mode > kSwitchToFlowsOfId) return 0;

    // The flows are chosen first and walked as a run walks them: a flow that
    // starts may run commands at once, and those may remove or replace flows.
    ++chara.nFlowWalk;
    cVector<cFlow*> chosen;
    for (auto& f : chara.Flows.Runs) {
        if (f->bDeleteMark) continue;
        if (mode == kStartWhereCondsHold ? Resting(*f) : OfId(*f, id))
            chosen.push_back(f.get());
        else if (mode == kSwitchToFlowsOfId)
            OperateOnFlow(chara, *f, kFlowOpEnd, false);
    }
    for (cFlow* f : chosen) {
        if (!chara.Flows.Holds(f) || f->bDeleteMark) continue;
        if (mode == kStartWhereCondsHold) {
            // Tested when its turn comes: a flow started before may change what holds.
            if (Resting(*f) && CondsHoldForFlow(*f, chara)) {
                f->nInputSnapshot = chara.InputSnapshot();
                f->Start(chara);
            }
        } else {
            // A flow started by its id runs from its first command, even one
            // paused or stopped for good before.
            f->nInputSnapshot = chara.InputSnapshot();
            OperateOnFlow(chara, *f, kFlowOpStart, false);
            f->Resume();
            f->bEnded = 0;
        }
    }
    if (--chara.nFlowWalk == 0) chara.Flows.Retired.clear();
    return 0;
}

int CmdFlowChange(cChara& chara, cFlowCommand& entry) {
    return FlowChange(chara, *entry.lpCmd, 0);
}
