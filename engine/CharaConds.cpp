// Status-flag, state and distance conditions of a character.
#include "engine/Chara.h"

#include "engine/CondFields.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "foundation/CompareOp.h"
#include "project/Stage.h"

#include <cmath>

namespace {

// Subject 0 is the character itself, 1..4 its targets; an empty slot is none.
cChara* SubjectOf(const cChara& self, std::int32_t subject) {
    if (subject == 0) return const_cast<cChara*>(&self);
    if (subject >= 1 && subject <= 4) return self.TargetAt(subject - 1);
    return nullptr;
}

} // namespace

bool cChara::TestStatusCond(const cCond& cond) const {
    const std::int32_t subject = CondSubject(cond);
    const std::int32_t op = CondOperator(cond);
    if (op < 0 || op > 6) return false;
    const std::int32_t value = CondFlagValue(cond);
    std::int32_t left = 0;
    if (subject == 5) {
        switch (CondWhat(cond)) {
        case 0:
            left = Stage.nAutoScrollSpeedX;
            break;
        case 1:
            left = Stage.nAutoScrollSpeedY;
            break;
        default:
            return false;
        }
        return CompareByOp(left, value, op) != 0;
    }
    const cChara* c = SubjectOf(*this, subject);
    if (!c) return false;
    switch (CondWhat(cond)) {
    case 1:
        left = c->Def.Transparent;
        break;
    case 2:
        left = c->Def.FixedFacing;
        break;
    case 3:
        left = c->Def.Flying;
        break;
    case 4:
        left = c->Def.Invincible;
        break;
    case 5:
        left = c->nUnitScale;
        break;
    case 6:
        left = c->Def.ScrollSync;
        break;
    default:
        return false;
    }
    return CompareByOp(left, value, op) != 0;
}

bool cChara::TestStateCond(const cCond& cond) const {
    const std::int32_t state = CondWhat(cond);
    const bool negate = CondNegate(cond);
    const cChara* c = SubjectOf(*this, CondSubject(cond));
    if (!c) return state == 4 ? negate : false;
    bool result = false;
    switch (state) {
    case 0:
        result = c->nFacing == 0;
        break;
    case 1:
        result = c->nFacing == 1;
        break;
    case 2:
        result = !c->nFlying && (c->bOnObject || !(c->bJumping || c->bAirborne));
        break;
    case 3:
        result = dynamic_cast<const cHeroChara*>(c) ? c->IsOnScreen() : c->bOnScreen != 0;
        break;
    case 4:
        result = c->bPresent && !c->bDying;
        break;
    default:
        return false;
    }
    return negate ? !result : result;
}

bool cChara::TestDistanceCond(const cCond& cond, cStageObj* other) {
    const std::int32_t subject = CondSubject(cond);
    cStageObj* o = nullptr;
    if (subject == 0) {
        const cSceneState& s = Scene();
        o = s.HeroList.empty() ? nullptr : s.HeroList[0];
    } else if (subject >= 1 && subject <= 4) {
        o = TargetAt(subject - 1);
    } else {
        o = other;
    }
    if (!o) return false;
    UpdateScreenRect();
    o->UpdateScreenRect();
    const double r = static_cast<double>(CondRangeHbl(cond)) * 16 + CondRangeDots(cond);
    const bool right = nFacing == 1;
    double lo = 0, hi = 0;
    bool result = false;
    const auto overlapsX = [&] { return o->dRight >= lo && o->dX <= hi; };
    const auto overlapsY = [&] { return o->dBottom >= lo && o->dY <= hi; };
    switch (CondWhat(cond)) {
    case 0:
        ExtentInterval(dX, nWidth, r, r, true, lo, hi);
        result = overlapsX();
        break;
    case 1: // in front
        ExtentInterval(dX, nWidth, right ? 0 : r, right ? r : 0, true, lo, hi);
        result = overlapsX();
        break;
    case 2: // behind
        ExtentInterval(dX, nWidth, right ? r : 0, right ? 0 : r, true, lo, hi);
        result = overlapsX();
        break;
    case 3:
        ExtentInterval(dY, nHeight, r, r, true, lo, hi);
        result = overlapsY();
        break;
    case 4: // above
        ExtentInterval(dY, nHeight, r, 0, true, lo, hi);
        result = overlapsY();
        break;
    case 5: // below
        ExtentInterval(dY, nHeight, 0, r, true, lo, hi);
        result = overlapsY();
        break;
    case 6: {
        const double dx = (o->dX + o->nWidth / 2) - (dX + nWidth / 2);
        const double dy = (o->dY + o->nHeight / 2) - (dY + nHeight / 2);
        result = std::sqrt(dx * dx + dy * dy) <= r;
        break;
    }
    default:
        return false;
    }
    return CondNegate(cond) ? !result : result;
}
