// The run of a character's flows for one sub-step: the parts both character
// classes share.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "project/SystemData.h"

void cChara::CarryScroll(bool hero) {
    const cSceneState& s = Scene();
    const bool flying = nFlying != 0;
    const bool follows = Def.ScrollSync != 0;
    if (!SystemData.bMovement) {
        dCarryVX = follows ? s.ScrollX.CarrySpeed() : 0;
        if (flying) dCarryVY = follows ? s.ScrollY.CarrySpeed() : 0;
    } else if (hero) {
        dCarryVX = flying ? s.ScrollX.CarrySpeed() : 0;
        dCarryVY = flying ? s.ScrollY.CarrySpeed() : 0;
    } else {
        dCarryVX = 0;
        if (flying) dCarryVY = 0;
    }
    // The move of the sub-step starts from what the scroll carries; a walking
    // character's vertical move keeps what gravity gave it.
    dVX = dCarryVX;
    if (flying) dVY = dCarryVY;
}

void cChara::BeginFlowRun() {
    cSceneState& s = Scene();
    s.pCurChara = this;
    s.nDefeatCheck = 0;
    bMoved = 0;
    nRunWords[0] = nRunWords[1] = 0;
    bEnable[0] = bEnable[1] = 1;
    if (nCountdown > 0) --nCountdown;
    RunScheduledAnimes();
}

bool cChara::WalkFlows(int dying, bool endsOnVanish) {
    bool ends = false;
    ++nFlowWalk;
    for (std::size_t i = 0; i < Flows.size(); ++i) {
        cFlow* flow = &Flows[i];
        if (!flow->bRunning || flow->bDeleteMark) continue;
        if (flow->Commands.empty()) {
            flow->Stop(*this);
            continue;
        }
        if (flow->bEnded || flow->bPaused) continue;
        const std::int32_t timing = FlowTiming(flow->Def);
        if (dying && timing != TIMING_DEFEATED) continue;
        if (flow->Run(*this)) flow->Stop(*this);
        // Flows added while this one ran may have moved it: go on after it.
        // When the whole list was replaced, this run of the old one is over.
        if (i >= Flows.size() || &Flows[i] != flow) {
            if (!Flows.Holds(flow)) break;
            for (std::size_t j = 0; j < Flows.size(); ++j)
                if (&Flows[j] == flow) i = j;
        }
        if ((endsOnVanish && bVanish) || (!dying && timing != TIMING_DEFEATED && hp < 1)) {
            ends = true;
            break;
        }
    }
    if (--nFlowWalk == 0) Flows.Retired.clear();
    return ends;
}

void cChara::EndFlowRun() {
    cSceneState& s = Scene();
    s.pCurChara = nullptr;
    s.pCurFlow = nullptr;
    s.pCurCommand = nullptr;
}

void cChara::AddOwnSpeedX() {
    if (dForcedVX != 0) {
        dVX = dForcedVX;
    } else if (dOwnVX != 0) {
        DecelerateOwn(dOwnVX);
        dVX += dOwnVX;
    }
    dVX += dKnockVX;
}

void cChara::AddOwnSpeedY() {
    PrepareStepY();
    if (dForcedVY != 0) {
        dVY = dForcedVY;
    } else if (nFlying && dOwnVY != 0) {
        DecelerateOwn(dOwnVY);
        dVY += dOwnVY;
    }
}

void cChara::FinishFlowRun() {
    if (bFlowsChanged) {
        RemoveMarkedFlows();
        bFlowsChanged = 0;
    }
    if (bKeyGroupsChanged) {
        for (int g = 0; g < kKeyGroups; ++g) {
            if (!KeyGroups[1][g]) continue;
            KeyGroups[0][g] = 0;
            KeyGroups[1][g] = 0;
        }
        bKeyGroupsChanged = 0;
    }
    if (!bMoved && dOwnVX == 0 && dOwnVY == 0) ChangeAnime(nFlying ? 2 : 0, 0);
}
