// The movement commands that follow a point or a target: the circle move,
// the charge, the homing move, and the aim they share.
#include "engine/Chara.h"
#include "engine/CmdMove.h"
#include "engine/EngineScene.h"
#include "engine/Motion.h"
#include "project/Stage.h"
#include "project/SystemData.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// One axis toward a goal: at speed s, reaching the goal at once when the
// arrival switch is set and it lies within one step.
void ApproachX(cChara& c, cFlowCommand& e, double goalX, bool arrive) {
    const double cx = ScreenCentreX(c), s = e.dSpeed;
    if (arrive && std::abs(goalX - cx) <= std::abs(s)) {
        c.MoveToX(goalX);
        e.dMoveX = 0;
        e.nFacingReq = 0;
        return;
    }
    e.dMoveX = cx >= goalX ? -s : s;
    e.nFacingReq = cx >= goalX ? 1 : 2;
    if (SystemData.bMovement) e.dMoveX += Scene().ScrollX.CarrySpeed();
}

void ApproachY(cChara& c, cFlowCommand& e, double goalY, bool arrive) {
    const double cy = ScreenCentreY(c), s = e.dSpeed;
    if (arrive && std::abs(goalY - cy) <= std::abs(s)) {
        c.MoveToY(goalY);
        e.dMoveY = 0;
        return;
    }
    e.dMoveY = cy >= goalY ? -s : s;
    if (SystemData.bMovement) e.dMoveY += Scene().ScrollY.CarrySpeed();
}

// The aim point of a target: its screen centre plus the move's offsets.
void AimPointOf(const cChara& t, const cFlowCommand& e, double& x, double& y) {
    x = ScreenCentreX(t) + e.dTargetX;
    y = ScreenCentreY(t) + e.dTargetY;
}

} // namespace

void AimAtPoint(cChara& c, cFlowCommand& e, const cEdMove& m, double gx, double gy) {
    const bool arrive = m.byOpt8 != 0;
    if (m.bNoMoveX && m.bNoMoveY) {
        e.dMoveX = e.dMoveY = 0;
        e.nFacingReq = 0;
    } else if (m.bNoMoveY) {
        ApproachX(c, e, gx, arrive);
    } else if (m.bNoMoveX) {
        ApproachY(c, e, gy, arrive);
    } else {
        const double cx = ScreenCentreX(c), cy = ScreenCentreY(c);
        const double dx = gx - cx, dy = gy - cy;
        if (arrive && std::sqrt(dx * dx + dy * dy) <= std::abs(e.dSpeed)) {
            c.MoveTo(gx, gy);
            e.dMoveX = e.dMoveY = 0;
            e.nFacingReq = 0;
            return;
        }
        VelocityToward(cx, cy, gx, gy, e.dSpeed, false, c.Def.ScrollSync != 0, e.dMoveX, e.dMoveY,
                       e.nFacingReq);
    }
}

int CmdChargeMove(cChara& c, cFlowCommand& e) {
    if (!e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    ClearMovedFlags(c);
    const double s = e.dSpeed;
    if (!e.bStarted) {
        e.bStarted = 1;
        ResolveMoveStart(c, e, m);
        cChara* t = c.TargetAt(m.byOpt12);
        if (!t) {
            e.dMoveX = e.dMoveY = 0;
            return 0;
        }
        if (t->bDying) return 0;
        double gx = 0, gy = 0;
        AimPointOf(*t, e, gx, gy);
        if (c.nFlying) {
            AimAtPoint(c, e, m, gx, gy);
        } else {
            e.dMoveY = 0;
            if (m.bNoMoveX) {
                e.dMoveX = 0;
            } else {
                const bool left = ScreenCentreX(c) >= gx;
                e.dMoveX = left ? -s : s;
                e.nFacingReq = left ? 1 : 2;
                if (SystemData.bMovement) e.dMoveX += Scene().ScrollX.CarrySpeed();
            }
        }
        if (e.dAngle != 0) {
            const double mx = e.dMoveX, my = e.dMoveY;
            double a = 0;
            if (!SystemData.bChargeMove) {
                a = e.dAngle + std::trunc(std::atan2(my, mx) / kDegree + 180);
                e.dMoveX = -std::cos(a * kDegree) * s;
            } else {
                a = e.dAngle + std::trunc(std::atan2(mx, my) / kDegree + 90);
                e.dMoveX = std::cos(a * kDegree) * s;
            }
            if (c.nFlying) e.dMoveY = -std::sin(a * kDegree) * s;
        }
    } else if (!c.nFlying) {
        e.dMoveY = 0;
    }
    ApplyMove(c, e.dMoveX, e.dMoveY, e.nFacingReq, e, m, 0);
    return 0;
}

int CmdHomingMove(cChara& c, cFlowCommand& e) {
    if (!e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    cChara* t = c.TargetAt(m.byOpt12);
    if (!t || t->bDying) return 0;
    if (!e.bStarted) {
        e.bStarted = 1;
        ResolveMoveStart(c, e, m);
    }
    if (!c.nFlying && m.bNoMoveX) return 0;
    ClearMovedFlags(c);
    double gx = 0, gy = 0;
    AimPointOf(*t, e, gx, gy);
    // Every H sub-steps the move steers toward where the target stood H
    // sub-steps before; with H = 0 toward where it stands now.
    const std::int32_t h = e.nHoming, n = e.nPhase;
    bool aim = true;
    if (h > 0) {
        if (n == 0) {
            e.dRecordedX = gx;
            e.dRecordedY = gy;
        } else if (n % h == 0) {
            std::swap(gx, e.dRecordedX);
            std::swap(gy, e.dRecordedY);
        } else {
            aim = false;
        }
    }
    if (aim) {
        if (c.nFlying) {
            AimAtPoint(c, e, m, gx, gy);
        } else {
            e.dMoveY = 0;
            ApproachX(c, e, gx, m.byOpt8 != 0);
        }
    }
    if (!c.nFlying) e.dMoveY = 0;
    ApplyMove(c, e.dMoveX, e.dMoveY, e.nFacingReq, e, m, 0);
    ++e.nPhase;
    return 0;
}

void PrepareCircleMove(cFlowCommand& e, const cChara& c) {
    const cEdMove& m = *e.lpCmd->pMove;
    const std::int32_t i = c.sIndex;
    double half = 0;
    if (c.Def.Facing == 1) {
        if (m.bFlag43) {
            half = 180;
            e.cDir = static_cast<std::int8_t>(e.cDir == 0 ? 1 : e.cDir == 1 ? 0 : e.cDir);
        }
        if (m.bFlag44) e.cDir = static_cast<std::int8_t>(e.cDir == 0 ? 1 : e.cDir == 1 ? 0 : e.cDir);
    }
    const double r = Stage.dSubSteps;
    const double radius = std::clamp<double>(static_cast<double>(m.sDistAdd) * i + m.sDist, 0, 20);
    e.dRadius = radius * 16 * r;
    const double startBase = m.sAngle, endBase = m.sTargetXDot;
    e.dAngle = (static_cast<double>(m.sAngleAdd) * i + startBase + half) * r;
    e.dAngleEnd = (static_cast<double>(m.sTargetYDot) * i + endBase + half) * r;
    e.dAngleTravel = endBase > startBase ? e.dAngleEnd - e.dAngle : e.dAngle - e.dAngleEnd;
    if (m.cSpec == 0) {
        e.dAngleSpeed = e.nWait > 0 ? e.dAngleTravel / e.nWait / r : 0;
    } else {
        // The move's speed, in tenths of a degree per frame.
        e.dAngleSpeed = (static_cast<double>(m.sAmountAdd) * i + m.sAmount) * 0.1 / r;
        const double wait = e.dAngleSpeed != 0 ? std::trunc(e.dAngleTravel / e.dAngleSpeed / r) : 1;
        e.nWait = static_cast<std::int32_t>(std::min(std::abs(wait), 2147483647.0));
    }
}

int CmdCircleMove(cChara& c, cFlowCommand& e) {
    if (e.dRadius == 0 || !e.lpCmd->pMove) return 0;
    const cEdMove& m = *e.lpCmd->pMove;
    ClearMovedFlags(c);
    if (!e.bStarted) {
        e.bStarted = 1;
        e.dDistance = e.dAngle; // the running angle of x; dAngle keeps the start
        e.dAngleY = e.dAngle;
    }
    bool clockwise = true;
    switch (e.cDir) {
    case 1:
        clockwise = false;
        break;
    case 2:
        clockwise = c.nFacing == 0;
        break;
    case 3:
        clockwise = c.nFacing != 0;
        break;
    default:
        break;
    }
    const double speed = clockwise ? -e.dAngleSpeed : e.dAngleSpeed;
    const double step = Stage.dSubSteps * speed;
    double mx = 0, my = 0;
    const double dx = WaveOffsetCos(e.dRadius, 1, e.dDistance, step, 0) * speed;
    const double dy = WaveOffsetCos(e.dRadius, 1, e.dAngleY, step, clockwise ? 270 : 90) * speed;
    if (!m.bNoMoveX) mx -= dx;
    if (!m.bNoMoveY && c.nFlying) my -= dy;
    e.dMoveX = mx;
    e.dMoveY = my;
    ApplyMove(c, mx, my, 0, e, m, 0);
    return 0;
}
