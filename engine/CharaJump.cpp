// Jump physics and the jumps of both character classes.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "engine/NpcChara.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <cmath>
#include <limits>

namespace {

// The jump scaling of the hero's jumps: each step lowers its jump speed by
// 2.5 percent. No stage setting is known to carry it, so it stays 0.
constexpr std::int32_t kJumpScaling = 0;

void PlayJumpSound(const cChara& chara, const cEdCommand& c, bool always) {
    if (c.sSe == 0) return;
    if (!always && c.bSeVisibleOnly && !chara.bOnScreen) return;
    EngineScene().PlayDbSe(c.sSe);
}

} // namespace

double cChara::JumpSpeedFromHeight(double height) const {
    const double g = Stage.dAccelStep;
    const double root = (8 * height + g) * g;
    double v = (-g - std::sqrt(root > 0 ? root : 0)) * 0.5;
    if (nControl == 0) v *= 0.99 - kJumpScaling * 0.025;
    return v;
}

std::int32_t JumpFramesFromSpeed(double v) {
    const double g = Stage.dAccelStep;
    // Without gravity a jump would never come down: it lasts one frame.
    if (!(g > 0)) return Stage.nSubSteps;
    const double frames = std::trunc(Stage.dSubSteps - v / g);
    if (!(frames < std::numeric_limits<std::int32_t>::max())) return std::numeric_limits<std::int32_t>::max();
    if (frames < 0) return 0;
    return static_cast<std::int32_t>(frames);
}

std::int32_t cChara::JumpTenthsFromHbl(double hbl) const {
    const std::int32_t steps = Stage.nSubSteps > 0 ? Stage.nSubSteps : 1;
    return JumpFramesFromSpeed(JumpSpeedFromHbl(hbl)) / steps / 6 + 1;
}

// Once per entry. A character that is off the ground or knocked back waits
// (up to four frames) for its jump, or skips it under the newer rule.
void cNpcChara::Jump(cFlowCommand& entry) {
    const cEdCommand& c = *entry.lpCmd;
    const bool busy = bJumping || bAirborne || bKnockedBack || bJumpStop;
    if (!SystemData.bJump) {
        if (entry.bJumped) {
            if (IsOnGround() && dVY >= 0) {
                bJumping = bAirborne = 0;
                entry.nCount = 0;
            }
            return;
        }
        if (busy) {
            if (++entry.nJumpTries >= 4 * Stage.nSubSteps) entry.bJumped = 1;
            return;
        }
        PlayJumpSound(*this, c, false);
    } else {
        if (entry.bJumped || busy) return;
        PlayJumpSound(*this, c, true);
    }
    entry.bJumped = 1;
    dVY = entry.dSpeed;
    bJumping = bAirborne = 1;
}

// The variable-height jump: a held jump input keeps the full jump, an early
// release cuts the rise, and a new jump waits for the input to be let go.
void cHeroChara::Jump(cFlowCommand& entry) {
    if (nFlying || bJumpHandled) return;
    const cEdCommand& c = *entry.lpCmd;
    const std::int32_t mode = c.Param(0);
    bool held = true;
    if (mode == 1 || mode == 2) {
        const cFlow* flow = Scene().pCurFlow;
        held = flow && !flow->KeyConds.empty() && TestKeyCondNow(*flow->KeyConds.back());
    }
    if (mode == 2) {
        const double speed = std::abs(dOwnVX);
        const double low = c.Param(1) * 0.1 / Stage.dSubSteps, high = c.Param(3) * 0.1 / Stage.dSubSteps;
        const std::int32_t height = speed >= low && speed <= high ? c.Param(4) : c.Param(2);
        entry.dSpeed = JumpSpeedFromHbl(height);
    }
    const std::int32_t limit = entry.nWait;
    const bool rising = dVY < 0;
    if (held) {
        ++nJumpHold;
        if (nJumpHold < limit || (bAirborne && !bSecondChance) || !bJumpArmed || bJumpBlock ||
            !(rising && !bSecondChance)) {
            const bool mayStart = !bJumping && nJumpHold <= Stage.nSubSteps &&
                                  (!bAirborne || bSecondChance) && bJumpArmed && !bJumpBlock &&
                                  !entry.bJumped;
            if (mayStart) {
                bool jumped = true;
                if (bSecondChance) {
                    const cSceneState& s = Scene();
                    jumped = s.nSubStep == Stage.nSubSteps - 1;
                    if (jumped) {
                        dVY = 1.02 * entry.dSpeed;
                        bSecondChance = 0;
                    }
                } else {
                    dVY = entry.dSpeed;
                }
                if (jumped) {
                    PlayJumpSound(*this, c, true);
                    entry.bJumped = 1;
                    bJumping = 1;
                }
            }
        } else {
            bAirborne = 1;
            bJumpArmed = 0;
        }
    } else {
        if (nJumpHold >= 1 && nJumpHold < limit && rising) {
            dVY *= 0.3;
            bAirborne = 1;
        }
        nJumpHold = 0;
        bJumpArmed = 1;
    }
    if (IsOnGround() && dVY >= 0) {
        bJumping = 0;
        bAirborne = 0;
        if (mode != 0) entry.bJumped = 0;
    }
    bJumpHandled = 1;
}
