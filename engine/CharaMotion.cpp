// Placement, gravity, knockback and block contacts of a character.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <algorithm>
#include <cmath>

namespace {

void Decay(double& speed) {
    const double step = 1.0 / Stage.dSubSteps;
    if (std::abs(speed) <= step)
        speed = 0;
    else
        speed -= speed > 0 ? step : -step;
}

} // namespace

void cChara::InitPlacement(const cEdChara& def, std::int32_t id, std::int16_t summonIndex) {
    Def = def;
    if (Def.CharaScale < 1) Def.CharaScale = 1;
    nId = id;
    sIndex = summonIndex;
    nControl = Def.Control;
    nFacing = Def.Facing;
    hp = Def.mhp;
    sp = Def.msp;
    nSightPixels = Def.sight * 16;
    Vars.assign(kCharaVars, 0);
    UpdateDecel();
    Flows = cFlowList();
    nFlowCounter = 0;
    BuildFlows(Def.Flows, 0, -1);
}

void cChara::SetBlockPosition(std::int32_t column, std::int32_t row) {
    SetBlockX(column);
    SetBlockY(row);
}

void cChara::SetBlockX(std::int32_t column) {
    dX = (static_cast<double>(Scene().nViewCol) + column) * 32 + nOffsetX + 0.5;
    RecomputeX();
    AfterMoveX();
}

void cChara::SetBlockY(std::int32_t row) {
    dY = (static_cast<double>(Scene().nViewRow) + row) * 32 + nOffsetY;
    RecomputeY();
    AfterMoveY();
}

void cChara::SavePosition() {
    PrevPos = {dX, dY, dRight, dBottom};
}

void cChara::RestorePosition() {
    dX = PrevPos.left;
    dY = PrevPos.top;
    dRight = PrevPos.right;
    dBottom = PrevPos.bottom;
}

void cChara::ApplyGravity() {
    if (nFlying || bOnObject || (bKnockedBack && bAirborne) || dKnockVY < 0) return;
    dVY += Stage.dAccelStep;
}

void cChara::ApplyKnockbackY() {
    if (dKnockVY != 0) {
        if (nFlying) {
            dVY += dKnockVY;
        } else if (dKnockVY > 0 && IsOnGround()) {
            // A push downward against the ground goes nowhere.
            dKnockVY = 0;
        } else {
            dVY = dVY - dPrevKnockVY + dKnockVY;
        }
    }
    dPrevKnockVY = dKnockVY;
}

void cChara::PrepareStepY() {
    ApplyKnockbackY();
}

void cChara::SetHitBox(bool bottomAligned, std::int32_t width, std::int32_t height) {
    const std::int32_t x = 16 - nOffsetX - width / 2;
    const std::int32_t y = bottomAligned ? 32 - nOffsetY - height : 16 - nOffsetY - height / 2;
    SubRect[0].Set(x, y, width, height);
}

void cChara::DecayKnockbackX() {
    Decay(dKnockVX);
}
void cChara::DecayKnockbackY() {
    Decay(dKnockVY);
}

void cChara::OnBlockBelow() {
    dVY = 0;
    dOwnVY = 0;
    bJumping = bAirborne = 0;
    bKnockedBack = 0;
    bHitAbove = 0;
    bLanding = 1;
    // The bottom edge comes to lie exactly one pixel above the edge of the cell
    // it reached: a fraction kept here would make a standing character fall
    // short of the floor and land again, bobbing by a pixel.
    const double edge = std::floor(std::trunc(dBottom) / 32.0) * 32.0;
    dY = edge - nHeight;
    RecomputeY();
    AfterMoveY();
    TriggerFlows(TIMING_BLOCK_HIT);
    TriggerFlows(TIMING_BLOCK_ABOVE_BELOW);
    TriggerFlows(TIMING_BLOCK_BELOW);
}

void cChara::OnBlockAbove() {
    bHitAbove = 1;
    dVY = 0;
    dOwnVY = 0;
    if (!SystemData.bKeepKnockbackAbove) dKnockVY = 0;
    const double inside = std::fmod(std::trunc(dY), 32.0);
    dY = dY - (inside < 0 ? inside + 32 : inside) + 32;
    RecomputeY();
    AfterMoveY();
    TriggerFlows(TIMING_BLOCK_HIT);
    TriggerFlows(TIMING_BLOCK_ABOVE_BELOW);
    TriggerFlows(TIMING_BLOCK_ABOVE);
}

void cChara::LeaveObject(int bump) {
    bOnObject = 0;
    if (dKnockVY == 0) dVY = 0;
    if (bump) bObjectBump = 1;
}

bool cChara::IsGroundCell(std::int32_t column, std::int32_t row) const {
    const cSceneState& s = Scene();
    if (s.nMapCols <= 0 || s.nMapRows <= 0) return false;
    column = std::clamp(column, 0, s.nMapCols - 1);
    row = std::clamp(row, 0, s.nMapRows - 1);
    return EngineScene().IsBlockSolid((row << s.nGridPitch) + column, nBlockTestMode) != 0;
}

// Landing leaves the bottom edge one pixel above the floor, and gravity acts
// on a standing character every step, so it sinks by a fraction of a pixel
// and lands again: between those landings it stands on no stored block yet
// rests on the floor all the same. Resting means the bottom edge lies in the
// last pixel row of a cell and a cell under one of the columns it covers stops
// it.
int cChara::IsOnGround() const {
    if (bOnObject) return 1;
    if (nBlockUnder >= 0) return EngineScene().IsBlockSolid(nBlockUnder, nBlockTestMode) ? 1 : 0;
    const double below = std::floor(dBottom) + 1;
    if (std::fmod(below, 32.0) != 0 || !(std::abs(below) < 1e9)) return 0;
    const std::int32_t row = static_cast<std::int32_t>(below) >> 5;
    if (row < 0 || row >= Scene().nMapRows) return 0;
    for (std::int32_t col = nBlockLeft; col <= nBlockRight; ++col)
        if (IsGroundCell(col, row)) return 1;
    return 0;
}

// The status stop is the ease of stopping in tenths of a pixel per frame, lost each frame.
void cChara::UpdateDecel() {
    dDecel = Def.stop * 0.1 / Stage.dSubSteps2;
    bDecel = Def.stop > 0 ? 1 : 0;
}

void cChara::DecelerateOwn(double& speed) const {
    if (!bDecel || speed == 0) return;
    if (std::abs(speed) <= dDecel)
        speed = 0;
    else
        speed -= speed > 0 ? dDecel : -dDecel;
}
