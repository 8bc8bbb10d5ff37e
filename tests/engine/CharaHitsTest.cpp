#include "fixtures/EngineHarness.h"

#include <cmath>

namespace {

using CharaHits = EngineTest;

struct DamageCase {
    const char* name;
    std::int32_t power;
    std::int32_t def;
    std::int32_t hp;
    std::int32_t mhp;
    std::int32_t hpAfter;
    int defeated;
};

class DamageTable : public EngineTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamageTable, PowerLessDefenceComesOffTheHitPoints) {
    const DamageCase& c = GetParam();
    cEdChara a = Def(), v = Def(c.mhp);
    a.power = c.power;
    v.def = c.def;
    cNpcChara& attacker = AddNpc(a, 3, 5);
    cNpcChara& victim = AddNpc(v, 5, 5);
    victim.hp = c.hp;
    EXPECT_EQ(victim.HitByChara(attacker), c.defeated);
    EXPECT_EQ(victim.hp, c.hpAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamageTable,
    ::testing::Values(DamageCase{"Plain", 3, 0, 10, 10, 7, 0},
                      DamageCase{"DefenceTakesItsShare", 5, 2, 10, 10, 7, 0},
                      DamageCase{"DefenceAbovePowerTakesNothing", 3, 9, 10, 10, 10, 0},
                      DamageCase{"ExactlyToZeroDefeats", 10, 0, 10, 10, 0, 1},
                      DamageCase{"PastZeroStopsAtZero", 999999, 0, 10, 10, 0, 1},
                      DamageCase{"DamageCappedAt999999", 999999, -999999, 999999, 999999, 0, 1},
                      DamageCase{"NegativePowerHealsUpToTheMaximum", -5, 100, 8, 10, 10, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ImpactCase {
    const char* name;
    std::int8_t imp;
    std::int8_t impd;
    double attackerVX;
    double distance; // the knockback's own distance (negative: toward the attacker's back)
};

class KnockbackTable : public EngineTest, public ::testing::WithParamInterface<ImpactCase> {};

// The knockback speed decays by 1 / sub-steps each sub-step; the distance it
// covers then is what the impact (in half-blocks, less the resistance) asks.
TEST_P(KnockbackTable, ImpactLessResistanceGivesTheDistance) {
    const ImpactCase& c = GetParam();
    cEdChara v = Def();
    v.impd = c.impd;
    cNpcChara& victim = AddNpc(v, 5, 5);
    victim.Knockback(c.imp, c.attackerVX, 0);
    EXPECT_EQ(victim.bKnockedBack, 1);
    double travelled = 0, speed = victim.dKnockVX;
    for (int i = 0; i < 100000 && speed != 0; ++i) {
        travelled += speed;
        victim.dKnockVX = speed;
        victim.DecayKnockbackX();
        speed = victim.dKnockVX;
    }
    EXPECT_NEAR(travelled, c.distance * 16, 16.0 / Stage.dSubSteps);
    EXPECT_EQ(victim.dKnockVY, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, KnockbackTable,
                         ::testing::Values(ImpactCase{"Plain", 4, 0, 1, 4},
                                           ImpactCase{"ToTheLeft", 4, 0, -2, -4},
                                           ImpactCase{"ResistanceTakesItsShare", 6, 2, 1, 4},
                                           ImpactCase{"ClampedTo20", 25, 3, 1, 20},
                                           ImpactCase{"ResistedAway", 3, 5, 1, 0},
                                           ImpactCase{"NegativeRaisedToZero", -2, 5, 1, 0},
                                           ImpactCase{"NegativePullsBack", -4, 0, 1, -4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CharaHits, ZeroImpactLeavesTheCharacterAlone) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    c.dVX = 0.5;
    c.Knockback(0, 3, 0);
    EXPECT_EQ(c.bKnockedBack, 0);
    EXPECT_EQ(c.dVX, 0.5);
}

TEST_F(CharaHits, AHitWithHighDefenceStillKnocksBack) {
    cEdChara a = Def(), v = Def();
    a.power = 3;
    a.imp = 5;
    v.def = 10;
    cNpcChara& attacker = AddNpc(a, 3, 5);
    cNpcChara& victim = AddNpc(v, 5, 5);
    attacker.dVX = 1;
    victim.dVX = -0.5; // walking against the push: cancelled
    EXPECT_EQ(victim.HitByChara(attacker), 0);
    EXPECT_EQ(victim.hp, 10);
    EXPECT_GT(victim.dKnockVX, 0);
    EXPECT_EQ(victim.dVX, 0);
}

TEST_F(CharaHits, TheAttackersHitEffectIsRequested) {
    cEdChara a = Def();
    a.power = 1;
    a.Effect = 3;
    cNpcChara& attacker = AddNpc(a, 3, 5);
    cNpcChara& victim = AddNpc(Def(), 5, 5);
    victim.HitByChara(attacker);
    EXPECT_EQ(harness.requests, std::vector<std::string>{"hit effect 3 x1"});
}

struct HpCase {
    const char* name;
    std::int32_t hp, mhp, delta;
    int force, invincible;
    std::int32_t hpAfter;
    int result;
};

class HpTable : public EngineTest, public ::testing::WithParamInterface<HpCase> {};

TEST_P(HpTable, ChangeHpKeepsWithinTheLimits) {
    const HpCase& c = GetParam();
    cEdChara d = Def(c.mhp);
    d.Invincible = static_cast<std::uint8_t>(c.invincible);
    cNpcChara& ch = AddNpc(d, 5, 5);
    ch.hp = c.hp;
    EXPECT_EQ(ch.ChangeHp(c.delta, c.force, 1), c.result);
    EXPECT_EQ(ch.hp, c.hpAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, HpTable,
                         ::testing::Values(HpCase{"GainFillsExactlyToTheMaximum", 4, 10, 50, 0, 0, 10, 0},
                                           HpCase{"LossWhileInvincibleIsIgnored", 4, 10, -3, 0, 1, 4, 0},
                                           HpCase{"ForcedLossWhileInvincible", 4, 10, -3, 1, 1, 1, 0},
                                           HpCase{"ZeroWhileInvincibleIsIgnored", 0, 10, 0, 0, 1, 0, 0},
                                           HpCase{"LossToZero", 4, 10, -4, 0, 0, 0, 1},
                                           HpCase{"HugeLossStopsAtZero", 4, 10, -2147483647 - 1, 0, 0, 0, 1},
                                           HpCase{"HugeGainStopsAtTheMaximum", 4, 999999, 2147483647, 0, 0,
                                                  999999, 0},
                                           HpCase{"NoMaximumMeansNothingLeft", 4, 0, 5, 0, 0, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CharaHits, HpGaugeShowsTheChangeAndAMaximumOfZeroDrawsEmpty) {
    cNpcChara& c = AddNpc(Def(10), 5, 5);
    c.hp = 10;
    c.ChangeHp(-4, 0, 1);
    EXPECT_EQ(c.HpGauge.nFrames, 120);
    EXPECT_EQ(c.HpGauge.nWidth, 30);
    EXPECT_DOUBLE_EQ(c.HpGauge.dChange, -20.0);
    EXPECT_DOUBLE_EQ(c.HpGauge.dStep, -20.0 / 60);
    c.Def.mhp = 0;
    c.ShowHpChange(-1);
    EXPECT_EQ(c.HpGauge.nWidth, 0);
    EXPECT_EQ(c.HpGauge.dChange, 0);
}

TEST_F(CharaHits, SpWithoutMaximumReportsNothingLeftAndShowsNothing) {
    cEdChara d = Def();
    d.msp = 0;
    cNpcChara& c = AddNpc(d, 5, 5);
    EXPECT_EQ(c.ChangeSp(5, 1), 1);
    EXPECT_EQ(c.SpGauge.nFrames, 0);
    c.Def.msp = 20;
    c.sp = 15;
    EXPECT_EQ(c.ChangeSp(10, 1), 0);
    EXPECT_EQ(c.sp, 20);
    EXPECT_EQ(c.ChangeSp(-30, 1), 0);
    EXPECT_EQ(c.sp, 0);
}

TEST_F(CharaHits, InvincibilityCountsDownAndImmunityEndsPerAttacker) {
    Stage.nFrameCounts[2] = 3; // computer-controlled: 3 frames
    Stage.nFrameCounts[3] = 5; // and 5 frames against the same attacker
    cNpcChara& c = AddNpc(Def(), 5, 5);
    c.StartInvincibilityFrom(42);
    EXPECT_EQ(c.nInvincible, 3 * Stage.nSubSteps);
    for (int i = 0; i < 3 * Stage.nSubSteps; ++i) c.TickInvincibility();
    EXPECT_FALSE(c.IsInvincible());
    EXPECT_TRUE(c.IsInvincibleTo(42));
    EXPECT_FALSE(c.IsInvincibleTo(7));
    for (int i = 0; i < 2 * Stage.nSubSteps; ++i) c.TickInvincibility();
    EXPECT_FALSE(c.IsInvincibleTo(42));
    EXPECT_TRUE(c.Immunity.empty());
    c.TickInvincibility();
    EXPECT_EQ(c.nInvincible, 0);
}

TEST_F(CharaHits, DefeatAddsTheScoreWithinItsLimitAndStartsTheDeathEffect) {
    cEdChara d = Def();
    d.getsc = 500;
    cNpcChara& c = AddNpc(d, 5, 5);
    AddHero(Def(), 2, 5);
    PlayData.nStageScore = 999800;
    EXPECT_EQ(c.Defeat(), 0);
    EXPECT_EQ(PlayData.nStageScore, 999999);
    EXPECT_EQ(c.bDying, 1);
    c.Def.getsc = -2000000;
    c.Defeat();
    EXPECT_EQ(PlayData.nStageScore, 0);
}

TEST_F(CharaHits, DefeatThatEndsPlayKeepsTheCharacterLinked) {
    AddHero(Def(), 2, 5);
    cNpcChara& c = AddNpc(Def(), 5, 5);
    harness.itemResult = 1;
    EXPECT_EQ(c.Defeat(), 1);
    EXPECT_EQ(c.bDying, 0);
    EXPECT_EQ(c.TargetAt(0), &hero);
    harness.itemResult = 0;
    scene().nEndState = 1;
    EXPECT_EQ(c.Defeat(), 1);
}

TEST_F(CharaHits, DefeatUnlinksEveryTargetSlotAndBackLink) {
    AddHero(Def(), 2, 5);
    cNpcChara& parent = AddNpc(Def(), 3, 5);
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cNpcChara& other = AddNpc(Def(), 7, 5);
    c.InitTargets(&parent);
    // c aims at the other two in slots 2 and 4; they aim at c in every slot.
    c.SetTarget(1, &other);
    c.SetTarget(3, &parent);
    for (std::int32_t slot = 0; slot < 4; ++slot) other.SetTarget(slot, &c);
    other.SetTarget(kParentSlot, &c);
    parent.SetTarget(2, &c);
    hero.SetTarget(1, &c);
    ASSERT_EQ(c.BackLinks.size(), 7u);

    EXPECT_EQ(c.Defeat(), 0);

    EXPECT_TRUE(c.BackLinks.empty());
    for (std::int32_t slot = 0; slot <= kParentSlot; ++slot) {
        EXPECT_EQ(c.TargetAt(slot), nullptr) << slot;
        EXPECT_EQ(other.TargetAt(slot), nullptr) << slot;
    }
    EXPECT_EQ(parent.TargetAt(2), nullptr);
    EXPECT_EQ(hero.TargetAt(1), nullptr);
    EXPECT_EQ(hero.TargetAt(0), &hero);
    // Nobody keeps a link to c any more.
    for (const cChara* holder :
         {static_cast<cChara*>(&hero), static_cast<cChara*>(&parent), static_cast<cChara*>(&other)})
        for (const cCharaLink& l : holder->BackLinks) EXPECT_NE(l.lpChara, &c);
}

TEST_F(CharaHits, ACopyGoingAwayLeavesTheOriginalsLinksAlone) {
    AddHero(Def(), 2, 5);
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cNpcChara& other = AddNpc(Def(), 7, 5);
    other.SetTarget(1, &c);
    {
        cNpcChara copy(c);
        EXPECT_EQ(copy.TargetAt(0), &hero);
    }
    EXPECT_EQ(other.TargetAt(1), &c);
    EXPECT_EQ(c.BackLinks.size(), 1u);
}

} // namespace

namespace {

TEST_F(CharaHits, AHitReportsToTheAttackersParentRestrictedToItsFlowId) {
    cEdChara victimDef = Def();
    victimDef.Flows = {FlowOf(TIMING_DAMAGED, {1}), FlowOf(TIMING_IMPACTED, {1})};
    cEdChara parentDef = Def();
    cEdFlow gave5 = FlowOf(TIMING_GAVE_DAMAGE, {1}), gave6 = FlowOf(TIMING_GAVE_DAMAGE, {1});
    gave5.bySet1 = 5;
    gave6.bySet1 = 6;
    parentDef.Flows = {gave5, gave6};
    cEdChara attackerDef = Def();
    attackerDef.power = 2; // no impact: the impact flows stay still
    cNpcChara& victim = AddNpc(victimDef, 5, 5);
    cNpcChara& parent = AddNpc(parentDef, 2, 5);
    cNpcChara& attacker = AddNpc(attackerDef, 6, 5);
    attacker.InitTargets(&parent);
    attacker.bReportToParent = 1;
    attacker.nParentFlowId = 6;
    victim.TriggerHitByCharaFlows(attacker);
    EXPECT_EQ(victim.Flows[0].bRunning, 1);
    EXPECT_EQ(victim.Flows[1].bRunning, 0);
    EXPECT_EQ(parent.Flows[0].bRunning, 0);
    EXPECT_EQ(parent.Flows[1].bRunning, 1);
}

TEST_F(CharaHits, ABlockAboveStopsTheRiseAndStartsItsFlows) {
    cEdChara d = Def();
    d.Flows = {FlowOf(TIMING_BLOCK_ABOVE, {1}), FlowOf(TIMING_BLOCK_BELOW, {1})};
    cNpcChara& c = AddNpc(d, 5, 5);
    c.dY = 5 * 32 - 6; // its top 6 pixels into the block above
    c.RecomputeY();
    c.dVY = -3;
    c.OnBlockAbove();
    EXPECT_EQ(c.dY, 5 * 32);
    EXPECT_EQ(c.dVY, 0);
    EXPECT_EQ(c.Flows[0].bRunning, 1);
    EXPECT_EQ(c.Flows[1].bRunning, 0);
}

} // namespace
