// Hit points, skill points, invincibility, hits, knockback and defeat.
#include "engine/Chara.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "project/PlayData.h"
#include "project/Stage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t kMaxDamage = 999999;

// Applies a change to a value kept within 0..max: 1 when the value ends below 1.
std::int32_t ClampedAdd(std::int32_t value, std::int64_t delta, std::int32_t max) {
    std::int64_t v = static_cast<std::int64_t>(value) + delta;
    const std::int64_t top = std::max<std::int64_t>(max, 0);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, top));
}

// The bar of a gauge: value * 50 / max, empty when there is no maximum.
void ShowChange(cCharaGauge& gauge, std::int32_t value, std::int32_t max, std::int32_t delta) {
    if (delta == 0) return;
    gauge.nFrames = 120;
    if (max <= 0) {
        gauge.nWidth = 0;
        gauge.dChange = 0;
    } else {
        gauge.nWidth = static_cast<std::int32_t>(static_cast<std::int64_t>(value) * 50 / max);
        gauge.dChange = static_cast<double>(delta) * 50 / max;
    }
    gauge.dStep = gauge.dChange / 60;
}

cRectD RectOf(const cStageObj& o) {
    return {o.dX, o.dY, o.dRight, o.dBottom};
}

std::int32_t Damage(std::int32_t power, std::int32_t def) {
    std::int64_t damage = power;
    if (damage > 0) damage = std::clamp<std::int64_t>(damage - def, 0, kMaxDamage);
    return static_cast<std::int32_t>(damage);
}

} // namespace

int cChara::ChangeHp(std::int32_t delta, int force, int show) {
    if (delta <= 0 && Def.Invincible != 0 && !force) return 0;
    std::int64_t d = delta;
    if (d > 0) d = std::min<std::int64_t>(d, static_cast<std::int64_t>(Def.mhp) - hp);
    hp = ClampedAdd(hp, d, Def.mhp);
    if (hp < 1) {
        hp = 0;
        return 1;
    }
    if (show) ShowHpChange(static_cast<std::int32_t>(d));
    return 0;
}

void cChara::ShowHpChange(std::int32_t delta) {
    ShowChange(HpGauge, hp, Def.mhp, delta);
}

int cChara::ChangeSp(std::int32_t delta, int show) {
    std::int64_t d = delta;
    if (d > 0) d = std::min<std::int64_t>(d, static_cast<std::int64_t>(Def.msp) - sp);
    sp = ClampedAdd(sp, d, Def.msp);
    if (Def.msp <= 0) return 1;
    if (show) ShowSpChange(static_cast<std::int32_t>(d));
    return 0;
}

void cChara::ShowSpChange(std::int32_t delta) {
    ShowChange(SpGauge, sp, Def.msp, delta);
}

// The stage's frame counts: hero invincibility, hero immunity per attacker,
// then the same two for computer-controlled characters.
void cChara::StartInvincibility() {
    nInvincible = Stage.nSubSteps * Stage.nFrameCounts[nControl == 1 ? 2 : 0];
}

void cChara::StartInvincibilityFrom(std::int32_t attackerId) {
    StartInvincibility();
    Immunity.push_back({attackerId, Stage.nSubSteps * Stage.nFrameCounts[nControl == 1 ? 3 : 1]});
}

bool cChara::IsInvincibleTo(std::int32_t attackerId) const {
    if (IsInvincible()) return true;
    return std::any_of(Immunity.begin(), Immunity.end(),
                       [&](const cImmunity& i) { return i.nId == attackerId; });
}

void cChara::TickInvincibility() {
    if (nInvincible > 0) --nInvincible;
    for (cImmunity& i : Immunity) --i.nLeft;
    std::erase_if(Immunity, [](const cImmunity& i) { return i.nLeft <= 0; });
}

int cChara::HitByChara(cChara& attacker) {
    const int result = ChangeHp(-Damage(attacker.Def.power, Def.def), 0, 1);
    if (attacker.Def.Effect != 0)
        EngineScene().StartHitEffect(attacker.Def.Effect, RectOf(attacker), RectOf(*this),
                                     attacker.Def.CharaScale);
    KnockbackFromChara(attacker);
    return result;
}

int cChara::HitByShot(cShotObj& shot) {
    const int result = ChangeHp(-Damage(shot.Shot.nPower, Def.def), 0, 1);
    if (shot.Shot.sEffect != 0)
        EngineScene().StartHitEffect(shot.Shot.sEffect, RectOf(shot), RectOf(*this), shot.Shot.cSize);
    KnockbackFromShot(shot);
    return result;
}

void cChara::TriggerHitByCharaFlows(cChara& attacker) {
    cChara* parent = attacker.bReportToParent ? attacker.lpParent : nullptr;
    auto report = [&](std::int32_t own, std::int32_t given) {
        if (parent) {
            TriggerFlowsFrom(own, parent, 0);
            parent->TriggerFlowsFrom(given, this, attacker.nParentFlowId);
        } else {
            TriggerFlowsFrom(own, &attacker, 0);
        }
    };
    if (attacker.Def.power != 0) report(TIMING_DAMAGED, TIMING_GAVE_DAMAGE);
    if (attacker.Def.imp != 0) report(TIMING_IMPACTED, TIMING_GAVE_IMPACT);
}

void cChara::TriggerHitByShotFlows(cShotObj& shot) {
    cChara* owner = shot.lpUserOwner;
    auto report = [&](std::int32_t own, std::int32_t given) {
        TriggerFlowsFrom(own, owner, 0);
        if (owner) owner->TriggerFlowsFrom(given, this, 0);
    };
    if (shot.Shot.nPower != 0) report(TIMING_DAMAGED, TIMING_GAVE_DAMAGE);
    if (shot.Shot.cImpact != 0) report(TIMING_IMPACTED, TIMING_GAVE_IMPACT);
}

void cChara::Knockback(std::int8_t impact, double attackerVX, double attackerVY) {
    if (impact == 0) return;
    std::int32_t k = impact;
    if (k > 0)
        k = std::clamp(k - Def.impd, 0, 20);
    else
        k = std::clamp(k + Def.impd, -20, 0);
    double kx = 0, ky = 0;
    SpeedForDistance(k, attackerVX, attackerVY, kx, ky);
    dKnockVX = kx;
    dKnockVY = ky;
    auto against = [](double own, double knock) {
        return std::abs(own) > 1e-8 && std::abs(knock) > 1e-8 && (own > 0) != (knock > 0);
    };
    if (against(dVX, kx)) dVX = 0;
    if (against(dVY, ky)) dVY = 0;
    bKnockedBack = 1;
}

void cChara::KnockbackFromChara(const cChara& attacker) {
    const bool falling = attacker.dVY >= Stage.dSpeedStep * Stage.dAccelStep;
    const double vy = attacker.nFlying || falling ? attacker.dVY : 0;
    Knockback(attacker.Def.imp, attacker.dVX, vy);
}

void cChara::KnockbackFromShot(const cShotObj& shot) {
    if (shot.bMoving)
        Knockback(shot.Shot.cImpact, shot.dVX, shot.dVY);
    else
        Knockback(shot.Shot.cImpact, shot.nFacing == 1 ? 1.0 : -1.0, 0);
}

int cChara::Defeat() {
    TriggerFlows(TIMING_DEFEATED);
    RunFlows(1);
    PlayData.nStageScore = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(PlayData.nStageScore) + Def.getsc, 0, kMaxScore));
    cSceneState& scene = Scene();
    int ended = 0;
    if (!scene.HeroList.empty() && scene.HeroList[0])
        ended = EngineScene().ApplyItem(GetCarriedItem(), *scene.HeroList[0]);
    if (ended == 1 || scene.nEndState == 1) return 1;
    UnlinkTargets();
    bUnlinked = 1;
    bDying = 1;
    DrawState.sEffect = Def.CharaEffectB;
    DrawState.Effect.Start(Def.CharaEffectB, Def.CharaEffectBParam, 0);
    return 0;
}
