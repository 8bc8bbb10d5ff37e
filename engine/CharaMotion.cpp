// Placement, gravity, knockback and block contacts of a character.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "project/Stage.h"
#include "project/SystemData.h"

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
    const double inside = std::fmod(std::trunc(dBottom), 32.0);
    dY -= (inside < 0 ? inside + 32 : inside) + 1;
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

int cChara::IsOnGround() const {
    if (bOnObject) return 1;
    if (nBlockUnder < 0) return 0;
    return EngineScene().IsBlockSolid(nBlockUnder, nBlockTestMode) ? 1 : 0;
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
