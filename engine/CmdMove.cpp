// The movement commands that need no target: straight, along the ground with
// ledge turns, staying on screen, cancelling movement, turning and jumping;
// and the move application all moves end with.
#include "engine/CmdMove.h"

#include "engine/Chara.h"
#include "engine/Direction.h"
#include "engine/EngineScene.h"
#include "engine/Motion.h"
#include "engine/NpcChara.h"
#include "project/Stage.h"
#include "project/SystemData.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool FacesRight(const cChara& c) {
    return c.nFacing != 0;
}

bool MirrorsAuthor(const cChara& c) {
    return c.Def.Facing == 1;
}

// The author's direction code as one of the codes 2, 3 and 6 to 11; the
// input direction is the one the player held when the flow started.
int ResolveDir(const cChara& c, int code) {
    if (code != kDirInput) return FacingDirection(code, FacesRight(c));
    const cFlow* flow = Scene().pCurFlow;
    return InputDirection(flow ? flow->nInputSnapshot : 0, FacesRight(c), c.nFlying != 0);
}

double BaseAngleOf(int dir) {
    switch (dir) {
    case 3:
        return 180;
    case 6:
        return 90;
    case 7:
        return 270;
    case 8:
        return 45;
    case 9:
        return 315;
    case 10:
        return 45;
    case 11:
        return 315;
    default:
        return 0;
    }
}

// The motion of a resolved code at speed s, with its facing request.
void CodeMotion(int dir, double s, double& mx, double& my, std::int32_t& req) {
    mx = my = 0;
    req = 0;
    switch (dir) {
    case 2:
        mx = -s;
        req = 1;
        break;
    case 3:
        mx = s;
        req = 2;
        break;
    case 6:
        my = -s;
        break;
    case 7:
        my = s;
        break;
    case 8:
        mx = -kInvSqrt2 * s;
        my = -kInvSqrt2 * s;
        req = 1;
        break;
    case 9:
        mx = -kInvSqrt2 * s;
        my = kInvSqrt2 * s;
        req = 1;
        break;
    case 10:
        mx = kInvSqrt2 * s;
        my = -kInvSqrt2 * s;
        req = 2;
        break;
    case 11:
        mx = kInvSqrt2 * s;
        my = kInvSqrt2 * s;
        req = 2;
        break;
    default:
        break;
    }
}

} // namespace

void ClearMovedFlags(cChara& c) {
    c.nRunWords[0] = c.nRunWords[1] = 0;
}

double ScreenCentreX(const cChara& c) {
    return c.nScrLeft + c.nScrWidth / 2;
}

double ScreenCentreY(const cChara& c) {
    return c.nScrTop + c.nScrHeight / 2;
}

std::int32_t TurnInterval() {
    return std::max<std::int32_t>(Stage.nWords68[1], 1);
}

// The angle and target offsets of a move, mirrored for a character whose
// author drew it facing right.
void ResolveMoveStart(cChara& c, cFlowCommand& e, const cEdMove& m) {
    double a = static_cast<double>(m.sAngle) + static_cast<double>(m.sAngleAdd) * c.sIndex;
    if (MirrorsAuthor(c) && m.bMirrorAngle) a = 360 - a;
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360;
    e.dAngle = a;
    e.dTargetX = m.sTargetXBl * 32.0 + m.sTargetXDot;
    e.dTargetY = m.sTargetYBl * 32.0 + m.sTargetYDot;
    if (MirrorsAuthor(c) && m.bMirrorX) e.dTargetX = -e.dTargetX;
    if (MirrorsAuthor(c) && m.bMirrorY) e.dTargetY = -e.dTargetY;
}

// The motion of a move in a direction: by its angle when it has one.
void DirectionMotion(cChara& c, cFlowCommand& e) {
    const int dir = ResolveDir(c, e.cDir);
    const double s = e.dSpeed;
    CodeMotion(dir, s, e.dMoveX, e.dMoveY, e.nFacingReq);
    if (e.dAngle != 0) {
        const double a = (BaseAngleOf(dir) + e.dAngle) * kDegree;
        e.dMoveX = -std::cos(a) * s;
        e.dMoveY = -std::sin(a) * s;
    }
    if (!c.nFlying) e.dMoveY = 0;
    if (c.Def.FixedFacing != 0) e.nFacingReq = 0;
}

void ApplyMove(cChara& c, double mx, double my, std::int32_t req, cFlowCommand& e, const cEdMove& m,
               int force) {
    if (!m.bKeepFacing && (c.Def.FixedFacing == 0 || force == 1)) {
        if (req == 1) c.nFacing = 0;
        if (req == 2) c.nFacing = 1;
    }
    if (m.bInertia) {
        auto accelerate = [&](double& own, double motion) {
            double a = PerSecondToPerFrame(motion);
            if ((own < 0 && a > 0) || (own > 0 && a < 0))
                a *= m.dTurnFactor;
            else
                c.bDecel = 0;
            own = std::clamp(own + a, -std::abs(e.dMaxSpeed), std::abs(e.dMaxSpeed));
        };
        accelerate(c.dOwnVX, mx);
        accelerate(c.dOwnVY, my);
    } else {
        c.dVX += mx;
        c.dVY += my;
    }
    if (!m.bOwnAnime) {
        c.bMoved = 1;
        c.ChangeAnime(c.nFlying ? 3 : 1, 0);
    }
}

int CmdStraightMove(cChara& c, cFlowCommand& e) {
    if (!e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    ClearMovedFlags(c);
    const cSceneState& s = Scene();
    if (!e.bStarted) {
        e.bStarted = 1;
        ResolveMoveStart(c, e, m);
        if (m.cMode == 0) {
            DirectionMotion(c, e);
        } else {
            const double cx = ScreenCentreX(c) + s.ScrollX.dPos, cy = ScreenCentreY(c) + s.ScrollY.dPos;
            double dx = e.dTargetX, dy = e.dTargetY;
            switch (m.cCoordMode) {
            case 0:
                dx = e.dTargetX + c.dPlaceX - cx;
                dy = e.dTargetY + c.dPlaceY - cy;
                break;
            case 2:
                dx = s.nViewCol * 32.0 + e.dTargetX + 16 - cx;
                dy = s.nViewRow * 32.0 + e.dTargetY + 16 - cy;
                break;
            case 3:
                dx = s.ScrollX.dPos + e.dTargetX + 16 - cx;
                dy = s.ScrollY.dPos + e.dTargetY + 16 - cy;
                break;
            default:
                break;
            }
            const double r = std::sqrt(dx * dx + dy * dy);
            const double sp = e.dSpeed;
            e.dMoveX = e.dMoveY = 0;
            if (r != 0) {
                e.dMoveX = m.bNoMoveX ? 0 : dx / r * sp;
                e.dMoveY = m.bNoMoveY ? 0 : dy / r * sp;
            }
            e.nFacingReq = 0;
            if (c.Def.FixedFacing == 0) e.nFacingReq = e.dMoveX < -1e-8 ? 1 : e.dMoveX > 1e-8 ? 2 : 0;
            if (m.byOpt2 && sp != 0) {
                e.nCount = static_cast<std::int32_t>(std::min(r / std::abs(sp), 2147483647.0));
                if (m.byOpt8 && e.nCount < 1) e.dMoveX = e.dMoveY = 0;
            }
        }
        if (!c.nFlying) e.dMoveY = 0;
    } else {
        if (!c.nFlying) e.dMoveY = 0;
        const bool reverse = SystemData.bStraightMoveA != 0 || m.cMode == 0;
        if (m.bReverseOnTurn && c.Def.FixedFacing == 1 && reverse && c.nFacing != e.nPrevFacing) {
            e.dMoveX = -e.dMoveX;
            e.dMoveY = -e.dMoveY;
        }
    }
    if (!SystemData.bStraightMoveB) {
        if (m.bNoMoveX) e.dMoveX = 0;
        if (m.bNoMoveY) e.dMoveY = 0;
    }
    ApplyMove(c, e.dMoveX, e.dMoveY, e.nFacingReq, e, m, 0);
    e.nPrevFacing = c.nFacing;
    return 0;
}

namespace {

// Whether the cell under (column, row) of the probe row is ground. The probe
// never reads outside the grid: rows and columns are kept inside it.
bool GroundAt(cChara& c, std::int32_t col, std::int32_t row) {
    cSceneState& s = Scene();
    if (s.nMapCols <= 0 || s.nMapRows <= 0) return false;
    col = std::clamp(col, 0, s.nMapCols - 1);
    row = std::clamp(row, 0, s.nMapRows - 1);
    return EngineScene().IsBlockSolid((row << s.nGridPitch) + col, c.nBlockTestMode) != 0;
}

} // namespace

int CmdGroundTurnMove(cChara& c, cFlowCommand& e) {
    if (c.nFlying || !e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    const double s = e.dSpeed;
    const double f = c.nFacing == 0 ? -1 : 1;
    ClearMovedFlags(c);
    e.dMoveY = 0;
    e.nFacingReq = 0;
    e.dMoveX = f * s;
    if (c.dKnockVX == 0 && c.dKnockVY == 0) {
        if (c.bObjectBump) {
            e.nFacingReq = c.nFacing == 0 ? 2 : 1;
            e.dMoveX = -f * s;
            for (cNpcChara& o : Scene().CharaList) {
                if (o.nId != c.nRiddenId) continue;
                const double d = o.dX - c.RiddenRect.left;
                const bool newWay = c.nFacing == 1 ? d < 0 : d > 0;
                e.dMoveX = -f * s + (newWay ? 2 * d : d);
                break;
            }
            c.bObjectBump = 0;
        } else {
            const std::int32_t row = static_cast<std::int32_t>(c.dBottom + 1.1) >> 5;
            const bool first = GroundAt(c, c.nBlockLeft, row);
            const bool last = GroundAt(c, c.nBlockRight, row);
            const bool keepSense = SystemData.bGroundTurn == 0 && s < 0;
            if (first && !last) e.nFacingReq = keepSense ? 2 : 1;
            if (last && !first) e.nFacingReq = keepSense ? 1 : 2;
        }
    }
    ApplyMove(c, e.dMoveX, e.dMoveY, e.nFacingReq, e, m, 1);
    return 0;
}

int CmdAvoidOffscreenMove(cChara& c, cFlowCommand& e) {
    if (!e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    ClearMovedFlags(c);
    const bool right = FacesRight(c);
    const int dir = FacingDirection(e.cDir, right);
    const bool left = dir == kDirLeft || dir == kDirUpLeft || dir == kDirDownLeft;
    const bool rightPart = dir == kDirRight || dir == kDirUpRight || dir == kDirDownRight;
    const bool up = dir == kDirUp || dir == kDirUpLeft || dir == kDirUpRight;
    const bool down = dir == kDirDown || dir == kDirDownLeft || dir == kDirDownRight;
    const double s = e.dSpeed;
    const cSceneState& sc = Scene();
    c.UpdateScreenRect();
    e.dMoveX = e.dMoveY = 0;
    const double v = sc.ScrollX.dAutoSpeed;
    if (!sc.ScrollX.bAuto || v == 0 || sc.ScrollX.bFixed) {
        if (left && c.nScrLeft > 608) e.dMoveX = -s;
        if (rightPart && c.nScrRight < 32) e.dMoveX = s;
        if (up && c.nScrTop > 448) e.dMoveY = -s;
        if (down && c.nScrBottom < 32) e.dMoveY = s;
    } else {
        const double u = sc.ScrollY.dAutoSpeed;
        const double p = sc.ScrollX.dPos, q = sc.ScrollY.dPos;
        const double w = sc.ScrollX.nExtent, h = sc.ScrollY.nExtent;
        if (left && c.nScrLeft > 608 - std::abs(v + 1) && p > 0 && p + v <= w - 640) e.dMoveX = v - s;
        if (rightPart && c.nScrRight < std::abs(v + 1) + 32 && p + v > 0 && p < w - 640) e.dMoveX = v + s;
        if (up && c.nScrTop > 448 - std::abs(u + 1) && q > 0 && q + u <= h - 480) e.dMoveY = u - s;
        if (down && c.nScrBottom < std::abs(u + 1) + 32 && q + u > 0 && q < h - 480) e.dMoveY = u + s;
    }
    if (!c.nFlying) e.dMoveY = 0;
    ApplyMove(c, e.dMoveX, e.dMoveY, 0, e, m, 0);
    ++e.nPhase;
    return 0;
}

int CmdDisableMove(cChara& c, cFlowCommand&) {
    c.dKnockVX = c.dKnockVY = 0;
    c.dVX = c.dVY = 0;
    c.dOwnVX = c.dOwnVY = 0;
    ClearMovedFlags(c);
    c.bMoveCancelled = 1;
    return 0;
}

int CmdTurn(cChara& c, cFlowCommand& e) {
    if (!c.Def.FixedFacing) return 0;
    const bool now = e.nPhase == 0;
    if (++e.nPhase >= TurnInterval()) e.nPhase = 0;
    if (!now) return 0;
    const std::int32_t mode = e.lpCmd->vParam.empty() ? 0 : e.lpCmd->vParam[0];
    if (mode == 0 || mode == 1) {
        c.nFacing = mode;
    } else if (mode >= 2 && mode <= 9) {
        const cChara* t = c.TargetAt((mode - 2) / 2);
        if (!t) return 0;
        const bool toward = (mode % 2) == 0;
        const bool targetLeft = ScreenCentreX(*t) <= ScreenCentreX(c);
        c.nFacing = (targetLeft == toward) ? 0 : 1;
    } else if (mode == 10 || mode == 11) {
        if (c.nBlockHitSide != 0 && c.nBlockHitSide != 1) return 0;
        c.nFacing = mode == 10 ? c.nBlockHitSide : 1 - c.nBlockHitSide;
    }
    return 0;
}

int CmdJump(cChara& c, cFlowCommand& e) {
    ClearMovedFlags(c);
    c.Jump(e);
    ++e.nPhase;
    return 0;
}
