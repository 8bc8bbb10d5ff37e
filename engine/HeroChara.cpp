#include "engine/HeroChara.h"

#include "engine/Arrangements.h"
#include "engine/CharaSettings.h"
#include "engine/Dispatch.h"
#include "engine/EngineScene.h"
#include "engine/FlowChange.h"
#include "engine/Motion.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <algorithm>
#include <cmath>

namespace {

double LimitSpeed(double v) {
    return std::clamp(v, -Stage.dSpeedStep, Stage.dSpeedStep);
}

void MoveToward0(double& v, double by) {
    if (by <= 0 || v == 0) return;
    if (std::abs(v) <= by)
        v = 0;
    else
        v -= v > 0 ? by : -by;
}

} // namespace

int cHeroChara::RescaleParts(std::int32_t scale) {
    for (cSubRect& r : SubRect) r.Rescale(scale);
    return 0;
}

void cHeroChara::UpdatePartsX() {
    for (cSubRect& r : SubRect) {
        r.dLeft = std::trunc(dX) + r.nX;
        r.dRight = r.dLeft + r.nW - 1;
    }
}

void cHeroChara::UpdatePartsY() {
    for (cSubRect& r : SubRect) {
        r.dTop = std::trunc(dY) + r.nY;
        r.dBottom = r.dTop + r.nH - 1;
    }
}

// The view follows the hero unless it is fixed or scrolls by itself.
void cHeroChara::AfterMoveX() {
    RecomputeX();
    cScroll& s = Scene().ScrollX;
    if (!s.bViewFixed && !s.bAuto) s.dPos = s.ClampPos(dX - (320 - nWidth / 2));
}

void cHeroChara::AfterMoveY() {
    RecomputeY();
    cScroll& s = Scene().ScrollY;
    if (!s.bViewFixed && !s.bAuto) s.dPos = s.ClampPos(dY - (240 - nHeight / 2));
}

int cHeroChara::StepX() {
    if (dForcedVX == 0 && dOwnVX != 0 && nFloorKind == 3)
        MoveToward0(dOwnVX, PerSecondToPerFrame(dFloorSpeed) * (dFloorFactor - 1));
    AddOwnSpeedX();
    dVX = LimitSpeed(dVX);
    dX += dVX;
    AfterMoveX();
    return 0;
}

int cHeroChara::StepY() {
    AddOwnSpeedY();
    const int code = FallStep(nFlying ? 0 : 2);
    AfterMoveY();
    if (nFlying) return code;
    return code == 5 || code == 6 ? 7 : code;
}

int cHeroChara::RunFlows(int dying) {
    BeginFlowRun();
    CarryScroll(true);
    bJumpHandled = 0;
    nFrameWords[0] = nFrameWords[1] = 0;
    const bool ends = WalkFlows(dying, false);
    EndFlowRun();
    // Flow changes the hero's own flows asked for take effect now, in order.
    cVector<cEdCommand> queued = std::move(DeferredFlowChanges);
    DeferredFlowChanges.clear();
    for (cEdCommand& c : queued) FlowChange(*this, c, 1);
    FinishFlowRun();
    ++nStepCounter;
    if (!bJumpHandled) {
        nJumpHold = 0;
        bJumpArmed = 1;
        bJumpBlock = 0;
    }
    return ends || hp < 1 ? 1 : 0;
}

void cHeroChara::Setup(const cEdChara& def, std::int32_t id, const cInput* input) {
    InitPlacement(def, id, 0);
    nControl = 0;
    const std::int32_t scale = Def.CharaScale;
    cStageObj::Setup(id, 0, 0, CharaFaction(Def), Def.GraphicIndex, nullptr, 0, 0, 0, 32, 32, 32, 32,
                     Def.Facing, 0, 0, 0);
    SetBaseAnimeSet(Def.AnimeSet, 1);
    lpInput = input ? input : InputRecord();
    SetMoveMode(Def.Flying);
    SetUnitScale(scale, 1);
    nStepCounter = 0;
    nJumpHold = 0;
    bJumpArmed = 1;
    bJumpHandled = bJumpBlock = bSecondChance = 0;
    bOnObject = bObjectBump = 0;
    Displays.clear();
    Pending.clear();
    for (auto& f : Flows.Runs) f->Stop(*this);
}

// The hero's hit size for walking or flying comes from the stage.
void cHeroChara::SetMoveMode(std::int32_t selector) {
    const std::int32_t wasFlying = nFlying;
    cStageObj::SetMoveMode(selector);
    const int flying = nFlying ? 1 : 0;
    const std::int32_t w = Stage.nHeroHitSize[flying * 2];
    const std::int32_t h = Stage.nHeroHitSize[flying * 2 + 1];
    nWidth = nBaseWidth = w;
    nHeight = nBaseHeight = h;
    nOffsetX = nBaseOffsetX = (32 - w) / 2;
    nOffsetY = nBaseOffsetY = Stage.bHeroHitBottom[flying] ? 32 - h : (32 - h) / 2;
    SetHitBox(Stage.bHeroHitBottom[flying] != 0, w, h);
    if (wasFlying == nFlying) return;
    Anime.SetAnime(2, 1);
    if (nFlying) {
        if (!SystemData.bHeroSwitch) {
            nKeepRunning2 = 1;
            nTimerWord = Stage.nJumpSteps;
        }
    } else {
        dVX = dVY = 0;
        dOwnVX = dOwnVY = 0;
    }
}

bool cHeroChara::IsNewItemTouch(std::int32_t itemId) const {
    return std::find(TouchedItems.begin(), TouchedItems.end(), itemId) == TouchedItems.end();
}

void cHeroChara::EndItemTouch(std::int32_t itemId) {
    std::erase(TouchedItems, itemId);
}

void cHeroChara::ShowItemMessage(const cEdItem& item, std::int32_t messageNumber) {
    EngineScene().ShowItemMessage(item, messageNumber);
}

int cHeroChara::RunFlowCommands(cVector<cEdCommand>& commands) {
    cSceneState& s = Scene();
    s.nMessageInList = 0;
    for (cEdCommand& c : commands) {
        if (c.CharaKind() != 38) {
            ApplyCharaArrangements(c, *this, Pending);
            Pending.clear();
        }
        cFlowCommand entry;
        entry.lpCmd = &c;
        cFlowCommand* outer = s.pCurCommand;
        s.pCurCommand = &entry;
        const int result = DispatchFlowCommand(*this, entry);
        s.pCurCommand = outer;
        if (hp < 1) return 2;
        if (result != 0) return result;
    }
    return hp > 0 ? 0 : 2;
}
