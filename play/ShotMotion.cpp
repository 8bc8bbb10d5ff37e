// One sub-step of a shot's motion: carried by the auto-scroll, its velocity,
// the motion kind (turning toward or homing on a character, weaving,
// falling), inertia, and the end of its life or range.
#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "engine/Search.h"
#include "engine/StageObjects.h"
#include "play/ShotObj.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <cmath>
#include <numbers>

namespace {

// The auto-scroll speeds a shot that follows the scroll is carried by.
void CarryByScroll(cShotObj& shot) {
    const cShotMotion& m = shot.Motion;
    const cSceneState& s = Scene();
    const bool carried = SystemData.bMovement == 0 && m.bFollowScroll;
    shot.dVX = carried ? s.ScrollX.CarrySpeed() : 0;
    if (m.bVertical) shot.dVY = carried ? s.ScrollY.CarrySpeed() : 0;
}

double CentreX(cStageObj& o) {
    o.UpdateScreenRect();
    return o.nScrLeft + o.nScrWidth / 2.0;
}
double CentreY(cStageObj& o) {
    return o.nScrTop + o.nScrHeight / 2.0;
}

cChara* Player() {
    const cVector<cHeroChara*>& heroes = Scene().HeroList;
    return heroes.empty() ? nullptr : heroes.front();
}

cChara* NearestOfGroup(const cShotObj& shot, std::int32_t group) {
    const cSceneState& s = Scene();
    if (!s.FactionCharas.InRange(group)) return nullptr;
    return shot.FindNearestChara(s.FactionCharas[group]);
}

// The shooter's target while it is still in play and not defeated.
cChara* LiveTarget(const cShotObj& shot) {
    cChara* t = FindCharaById(shot.Motion.nTargetId);
    return t && !t->bDying ? t : nullptr;
}

// The velocity toward a character's centre at the shot's speed. A turn takes
// it at once; homing with inertia only pulls toward it.
void Aim(cShotObj& shot, cChara& c, bool turn) {
    cShotMotion& m = shot.Motion;
    const double sx = CentreX(shot), sy = CentreY(shot);
    const double cx = CentreX(c), cy = CentreY(c);
    double vx = 0, vy = 0;
    std::int32_t facing = 0;
    VelocityToward(sx, sy, cx, cy, m.dSpeed, true, m.bFollowScroll != 0, vx, vy, facing);
    if (m.bInertia) SetShotInertia(shot, vx, vy);
    if (!m.bInertia || turn) m.dVelX = vx, m.dVelY = vy;
}

// Speed and the frame a turn, homing or fall begins, on the first frame.
void StartCounting(cShotObj& shot) {
    cShotMotion& m = shot.Motion;
    m.dSpeed =
        (static_cast<double>(shot.Shot.sSpeedAdd) * m.sVolley + shot.Shot.sSpeed) * 0.1 / Stage.dSubSteps;
    if (m.nParam[0] != 0)
        m.nDelay = m.dSpeed == 0 ? 0 : static_cast<std::int32_t>(m.nParam[0] * 16 / m.dSpeed);
}

cChara* TurnGoal(cShotObj& shot) {
    switch (shot.Motion.nKind) {
    case 1:
    case 4:
        return Player();
    case 2:
        return NearestOfGroup(shot, shot.Motion.nParam[1]);
    case 5:
    case 7:
        return NearestOfGroup(shot, shot.Motion.nParam[2]);
    default:
        return LiveTarget(shot);
    }
}

void MotionTurn(cShotObj& shot) {
    cShotMotion& m = shot.Motion;
    if (m.bDone) return;
    if (m.nFrame == 0) StartCounting(shot);
    if (m.nFrame == m.nDelay) {
        cChara* c = TurnGoal(shot);
        shot.UpdateScreenRect();
        if (c) {
            Aim(shot, *c, true);
            m.bDone = 1;
        } else if (m.nKind != 1) {
            m.bDone = 1;
        }
    }
    ++m.nFrame;
}

void MotionHome(cShotObj& shot) {
    cShotMotion& m = shot.Motion;
    if (m.bDone) return;
    if (m.nFrame == 0) {
        StartCounting(shot);
        if (m.nParam[1] != 0)
            m.nEnd = m.dSpeed == 0 ? 0 : static_cast<std::int32_t>(m.nParam[1] * 16 / m.dSpeed);
    }
    if (m.nFrame >= m.nEnd) {
        m.bDone = 1;
        ++m.nFrame;
        return;
    }
    if (m.nFrame >= m.nDelay) {
        shot.UpdateScreenRect();
        if (cChara* c = TurnGoal(shot)) Aim(shot, *c, false);
    }
    ++m.nFrame;
}

void MotionWave(cShotObj& shot) {
    cShotMotion& m = shot.Motion;
    const double period = m.nParam[1];
    // Without an angular speed there is no weave (and no start phase to divide out).
    if (period == 0) return;
    const double f = Stage.dSubSteps;
    if (m.nFrame == 0) {
        m.nParam[0] *= 16;
        const double start = m.nParam[2] + (shot.nFacing == 0 ? 180 : 0);
        m.dPhase = start / period * f;
        double flight = std::atan2(m.dVelY, m.dVelX);
        if (flight < 0) flight += 2 * std::numbers::pi;
        const double cross = (flight / kDegree - 90) * kDegree;
        m.dCrossX = std::cos(cross);
        m.dCrossY = std::sin(cross);
        const double v = WaveOffsetCos(m.nParam[0], period, m.dPhase, 1.0, 0.0);
        m.dVelX += m.dCrossX * v;
        m.dVelY += m.dCrossY * v;
        m.nFrame = 1;
    } else {
        const double oldX = m.dVelX, oldY = m.dVelY;
        const double v = WaveOffsetSin(m.nParam[0], period, m.dPhase, 1.0, 0.0);
        m.dVelX += m.dCrossX * v;
        m.dVelY += m.dCrossY * v;
        auto crossed = [](double before, double after) {
            return (before < 0 && after > 0) || (before > 0 && after < 0);
        };
        if (crossed(oldX, m.dVelX)) m.dVelX = 0;
        if (crossed(oldY, m.dVelY)) m.dVelY = 0;
    }
    if (m.bInertia) SetShotInertia(shot, m.dVelX, m.dVelY);
}

void MotionFall(cShotObj& shot) {
    cShotMotion& m = shot.Motion;
    if (m.bDone) return;
    if (m.nFrame == 0) StartCounting(shot);
    if (m.nFrame >= m.nDelay) {
        shot.dVY = m.dVelY;
        m.bVertical = 0;
        shot.nFlying = 0; // from now on gravity pulls it
        m.bDone = 1;
    }
    ++m.nFrame;
}

using MotionFn = void (*)(cShotObj&);
constexpr MotionFn kShotMotionTable[] = {nullptr,    MotionTurn, MotionTurn, MotionTurn, MotionHome,
                                         MotionHome, MotionHome, MotionHome, MotionWave, MotionFall};

} // namespace

void SetShotInertia(cShotObj& shot, double vx, double vy) {
    cShotMotion& m = shot.Motion;
    const double a = PerSecondToPerFrame(m.dAccSize);
    if (vx == 0 && vy == 0) {
        m.dAccX = m.dAccY = 0;
    } else if (vx == 0) {
        m.dAccX = 0, m.dAccY = vy > 0 ? a : -a;
    } else if (vy == 0) {
        m.dAccX = vx > 0 ? a : -a, m.dAccY = 0;
    } else {
        const double d = std::sqrt(vx * vx + vy * vy);
        m.dAccX = vx / d * a, m.dAccY = vy / d * a;
    }
}

int MoveShot(cShotObj& shot) {
    if (!shot.bMoving) return SwordStep(shot);
    cShotMotion& m = shot.Motion;
    CarryByScroll(shot);
    // A motion kind outside the table flies straight.
    if (m.nKind > 0 && m.nKind < static_cast<std::int32_t>(std::size(kShotMotionTable)))
        kShotMotionTable[m.nKind](shot);
    if (m.bInertia) {
        m.dVelX += m.dAccX;
        if (m.bVertical)
            m.dVelY += m.dAccY;
        else
            shot.dVY += m.dAccY;
    }
    shot.dVX += m.dVelX;
    if (m.bVertical) shot.dVY += m.dVelY;
    if (m.bLifeLimit) {
        if (m.nLife < 1) return 1;
        --m.nLife;
    }
    if (shot.dVX != 0) shot.nFacing = shot.dVX > 0 ? 1 : 0;
    if (!m.bRangeLimit) return 0;
    if (m.nRange > 0) {
        --m.nRange;
        return 0;
    }
    if (!m.bKeepAtEnd) return 1;
    m.dVelX = m.dVelY = 0;
    m.nKind = 0;
    CarryByScroll(shot);
    return 0;
}

int StepShot(cShotObj& shot) {
    if (MoveShot(shot)) return 1;
    shot.ApplyGravity();
    ShotStepY(shot);
    ShotStepX(shot);
    return ShotHitsBlock(shot);
}
