#include "engine/Chara.h"
#include "engine/CmdClear.h"
#include "engine/Direction.h"
#include "engine/EngineScene.h"
#include "engine/Motion.h"
#include "foundation/RecordFile.h"
#include "project/SystemData.h"
#include "records/EdCommand.h"
#include "records/EdMove.h"

#include <cmath>

namespace {

enum : std::int32_t { WARP_FROM_SELF = 0, WARP_TO_COORDS = 5 };
enum : std::int32_t { COORD_RELATIVE = 0, COORD_BLOCKS = 1, COORD_SCREEN = 2 };

// The warp's direction for the reference character: forward and backward by
// its facing, the input direction by the player's input (diagonals become
// horizontal when the warp keeps to the ground).
std::int32_t ResolveDirection(std::int32_t code, const cChara& ref, const cChara& self) {
    const bool right = ref.nFacing != 0;
    if (code != kDirInput) return FacingDirection(code, right);
    return InputDirection(self.InputSnapshot(), right, SystemData.bWarp == 0 || ref.nFlying != 0);
}

// The point `dist` pixels from (x, y) in direction `dir`; false for a
// direction that moves nowhere.
bool Step(std::int32_t dir, double dist, double& x, double& y) {
    const double dd = kInvSqrt2 * dist;
    switch (dir) {
    case kDirLeft:
        x -= dist;
        return true;
    case kDirRight:
        x += dist;
        return true;
    case kDirUp:
        y -= dist;
        return true;
    case kDirDown:
        y += dist;
        return true;
    case kDirUpLeft:
        x -= dd, y -= dd;
        return true;
    case kDirDownLeft:
        x -= dd, y += dd;
        return true;
    case kDirUpRight:
        x += dd, y -= dd;
        return true;
    case kDirDownRight:
        x += dd, y += dd;
        return true;
    default:
        return false;
    }
}

void WriteX(cChara& c, double x) {
    c.dX = x;
    c.RecomputeX();
    c.AfterMoveX();
}

void WriteY(cChara& c, double y) {
    c.dY = y;
    c.RecomputeY();
    c.AfterMoveY();
}

} // namespace

int CmdWarp(cChara& chara, cFlowCommand& entry) {
    const cEdCommand& cmd = *entry.lpCmd;
    if (!cmd.pMove) return 0;
    const cEdMove& m = *cmd.pMove;
    cSceneState& s = Scene();
    const double saved[4] = {chara.dX, chara.dY, chara.dRight, chara.dBottom};
    // The warp counts half-blocks whatever the move's unit says.
    const double dist = (static_cast<double>(m.sDistAdd) * chara.sIndex + m.sDist) * 16;

    bool moveX = false, moveY = false;
    double x = chara.dX, y = chara.dY;
    if (m.cMode == WARP_FROM_SELF) {
        const std::int32_t dir = ResolveDirection(m.cMode2, chara, chara);
        if (Step(dir, dist, x, y)) {
            moveX = dir != kDirUp && dir != kDirDown;
            moveY = dir != kDirLeft && dir != kDirRight;
        }
    } else if (m.cMode >= 1 && m.cMode <= 4) {
        const cChara* t = chara.TargetAt(m.cMode - 1);
        if (!t) return 0;
        x = t->dX - t->nOffsetX + t->nScrWidth / 2 + chara.nOffsetX - chara.nScrWidth / 2;
        y = t->dY - t->nOffsetY + t->nScrHeight / 2 + chara.nOffsetY - chara.nScrHeight / 2;
        const std::int32_t dir = ResolveDirection(m.cMode2, *t, chara);
        moveX = moveY = Step(dir, dist, x, y);
    } else if (m.cMode == WARP_TO_COORDS) {
        double tx = m.sTargetXBl * 32 + m.sTargetXDot;
        double ty = m.sTargetYBl * 32 + m.sTargetYDot;
        if (chara.nFacing != 0) {
            if (m.bMirrorX) tx = -tx;
            if (m.bMirrorY) ty = -ty;
        }
        switch (m.cCoordMode) {
        case COORD_RELATIVE:
            x += tx, y += ty;
            moveX = moveY = true;
            break;
        case COORD_BLOCKS:
            chara.SetBlockX(m.sTargetXBl);
            chara.SetBlockY(m.sTargetYBl);
            x = chara.dX + m.sTargetXDot;
            y = chara.dY + m.sTargetYDot;
            moveX = moveY = true;
            break;
        case COORD_SCREEN:
            x = chara.nOffsetX + s.ScrollX.dPos + tx;
            y = chara.nOffsetY + s.ScrollY.dPos + ty;
            moveX = moveY = true;
            break;
        default:
            break;
        }
    }
    if (moveX) WriteX(chara, x);
    if (moveY) WriteY(chara, y);

    chara.UpdateScreenRect();
    if (!chara.IsInStage(0) || EngineScene().IsPlaceBlocked(chara)) {
        chara.dX = saved[0], chara.dY = saved[1], chara.dRight = saved[2], chara.dBottom = saved[3];
        chara.RecomputeY();
        chara.AfterMoveY();
        chara.RecomputeX();
        chara.AfterMoveX();
        chara.UpdateScreenRect();
    } else if (!chara.nFlying) {
        chara.dVY = 0;
    }
    return 0;
}
