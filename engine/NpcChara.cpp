#include "engine/NpcChara.h"

#include "engine/CharaSettings.h"
#include "engine/EngineScene.h"
#include "project/Stage.h"

#include <cmath>

namespace {

void PartsX(cSubRect* rects, int n, double x) {
    for (int i = 0; i < n; ++i) {
        rects[i].dLeft = std::trunc(x) + rects[i].nX;
        rects[i].dRight = rects[i].dLeft + rects[i].nW - 1;
    }
}

void PartsY(cSubRect* rects, int n, double y) {
    for (int i = 0; i < n; ++i) {
        rects[i].dTop = std::trunc(y) + rects[i].nY;
        rects[i].dBottom = rects[i].dTop + rects[i].nH - 1;
    }
}

} // namespace

int cNpcChara::RescaleParts(std::int32_t scale) {
    for (int i = 0; i < 2; ++i) {
        if (Def.BlockChara)
            SubRect[i].Set(0, 0, nWidth, nHeight);
        else
            SubRect[i].Rescale(scale);
    }
    return 0;
}

void cNpcChara::UpdatePartsX() {
    PartsX(SubRect, 2, dX);
}
void cNpcChara::UpdatePartsY() {
    PartsY(SubRect, 2, dY);
}
void cNpcChara::AfterMoveX() {
    ClampX(2);
}
void cNpcChara::AfterMoveY() {
    ClampY(2);
}

int cNpcChara::StepX() {
    AddOwnSpeedX();
    const int code = MoveStepX(2);
    AfterMoveX();
    return code == 3 ? 4 : code;
}

int cNpcChara::StepY() {
    AddOwnSpeedY();
    const int code = FallStep(2);
    AfterMoveY();
    if (!nFlying) return code == 5 || code == 6 ? 7 : code;
    return code == 3 || code == 6 ? 8 : code;
}

int cNpcChara::RunFlows(int dying) {
    BeginFlowRun();
    CarryScroll(false);
    const bool ends = WalkFlows(dying, true);
    EndFlowRun();
    FinishFlowRun();
    return ends || hp < 1 ? 1 : 0;
}

void cNpcChara::Setup(const cEdChara& def, std::int32_t id, const cItemObj* carried,
                      std::int16_t summonIndex) {
    InitPlacement(def, id, summonIndex);
    const int flying = Def.Flying != 0 ? 1 : 0;
    std::int32_t w = 32, h = 32, ox = 0, oy = 0;
    if (!Def.BlockChara) {
        w = Stage.nCharaHitSize[flying * 2];
        h = Stage.nCharaHitSize[flying * 2 + 1];
        ox = (32 - w) / 2;
        oy = Stage.bCharaHitBottom[flying] ? 32 - h : (32 - h) / 2;
    }
    const std::int32_t scale = Def.CharaScale;
    cStageObj::Setup(id, Def.Control, 0, CharaFaction(Def), Def.GraphicIndex, nullptr, 0, ox, oy, w, h, 32,
                     32, Def.Facing, Def.Flying, summonIndex, 0);
    SetBaseAnimeSet(Def.AnimeSet, 1);
    if (Def.BlockChara) {
        SubRect[0].Set(0, 0, 32, 32);
        SubRect[1].Set(0, 0, 32, 32);
    } else {
        SetHitBox(Stage.bCharaHitBottom[flying] != 0, w, h);
        const std::int32_t w2 = Stage.nCharaSizeQ2[0], h2 = Stage.nCharaSizeQ2[1];
        SubRect[1].Set(16 - w2 / 2 - ox, 16 - h2 / 2 - oy, w2, h2);
    }
    SetUnitScale(scale, 1);
    nHintCounter = nHintWord = 0;
    bInGroup = Def.InActivationGroup;
    sActivationGroup = Def.ActivationGroup;
    nActivationKind = Def.ActivationKind;
    bActiveX = Def.ActiveArea == 0 || Def.ActiveArea == 1;
    bActiveY = Def.ActiveArea == 0 || Def.ActiveArea == 2;
    bHasItem = carried ? 1 : 0;
    if (carried) Item = *carried;
}

void cNpcChara::SetBlockPosition(std::int32_t column, std::int32_t row) {
    const cSceneState& s = Scene();
    dX = (static_cast<double>(s.nViewCol) + column) * 32 + nBaseOffsetX + 0.5;
    dY = (static_cast<double>(s.nViewRow) + row) * 32 + nBaseOffsetY;
    RecomputeX();
    RecomputeY();
    if (nUnitScale != 1) {
        // Re-centre for the enlargement as SetUnitScale does.
        dX -= static_cast<double>(nBaseWidth / 2) * (nUnitScale - 1);
        RescaleOffsets(nUnitScale, 1);
    }
    AfterMoveX();
    AfterMoveY();
}

std::int32_t cNpcChara::UpdateInRange(cVector<std::uint8_t>& groups) {
    bInRange = IsOnScreenAxes(!bActiveX, !bActiveY) ? 1 : 0;
    if (bInRange && bInGroup && groups.InRange(sActivationGroup)) groups[sActivationGroup] = 1;
    return bInRange;
}

std::int32_t cNpcChara::CheckActive(const cVector<std::uint8_t>& groups) {
    bool active = bInRange != 0;
    if (!active && bInGroup && groups.InRange(sActivationGroup) && groups[sActivationGroup]) active = true;
    if (!active && !nFlying) active = nKeepRunning1 != 0 || (bActivated && nKeepRunning2 != 0);
    if (!active) return 0;
    bActivated = 1;
    if (nActivationKind == 1) bActiveX = bActiveY = 0;
    UpdateScreenRect();
    return 1;
}
