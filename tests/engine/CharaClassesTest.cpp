#include "fixtures/EngineHarness.h"

#include "engine/FlowChange.h"
#include "engine/Motion.h"

#include <cmath>

namespace {

using CharaClasses = EngineTest;

cEdCommand JumpCommand(std::int32_t mode, std::int32_t height) {
    cEdCommand c;
    c.cKind = 10;
    c.vParam = {mode, 0, height, 0, 0};
    return c;
}

TEST_F(CharaClasses, ABlockCharacterPlacedAtTheOriginStandsHalfAPixelIn) {
    cEdChara d = Def();
    d.BlockChara = 1;
    cNpcChara c;
    c.Setup(d, 1, nullptr, 0);
    c.SetBlockPosition(0, 0);
    EXPECT_EQ(c.dX, 0.5);
    EXPECT_EQ(c.dY, 0);
    EXPECT_EQ(c.nWidth, 32);
}

TEST_F(CharaClasses, AWalkingNpcTakesTheStagesHitSizeOnTheCellBottom) {
    cNpcChara c;
    c.Setup(Def(), 1, nullptr, 0);
    EXPECT_EQ(c.nWidth, Stage.nCharaHitSize[0]);
    EXPECT_EQ(c.nHeight, Stage.nCharaHitSize[1]);
    EXPECT_EQ(c.nOffsetX, (32 - c.nWidth) / 2);
    EXPECT_EQ(c.nOffsetY, 32 - c.nHeight);
    c.SetBlockPosition(3, 4);
    EXPECT_EQ(c.dY + c.nHeight, 5 * 32); // bottom on the cell's bottom
}

TEST_F(CharaClasses, ANpcFallsAndLandsOnTheFloor) {
    cNpcChara& c = AddNpc(Def(), 5, 3);
    for (int f = 0; f < 120; ++f) Frame();
    EXPECT_EQ(static_cast<std::int32_t>(c.dBottom), 14 * 32 - 1);
    EXPECT_EQ(c.dVY, 0);
    EXPECT_EQ(c.IsOnGround(), 1);
}

TEST_F(CharaClasses, OnceActivatedWithKindOneACharacterStaysActiveOffScreen) {
    cEdChara d = Def();
    d.ActivationKind = 1;
    cNpcChara& c = AddNpc(d, 5, 5);
    cVector<std::uint8_t> groups(60, 0);
    c.UpdateInRange(groups);
    EXPECT_EQ(c.CheckActive(groups), 1);
    scene().ScrollX.dPos = 2000; // the character is far off screen now
    c.UpdateInRange(groups);
    EXPECT_EQ(c.CheckActive(groups), 1);

    cEdChara plain = Def();
    plain.Flying = 1;
    cNpcChara& p = AddNpc(plain, 5, 5);
    p.UpdateInRange(groups);
    EXPECT_EQ(p.CheckActive(groups), 0);
    scene().ScrollX.dPos = 0;
    p.UpdateInRange(groups);
    EXPECT_EQ(p.CheckActive(groups), 1);
}

TEST_F(CharaClasses, AnActivationGroupWakesItsMembers) {
    cEdChara d = Def();
    d.Flying = 1; // otherwise stays asleep off screen
    d.InActivationGroup = 1;
    d.ActivationGroup = 7;
    cNpcChara& near = AddNpc(d, 5, 5);
    cNpcChara& far = AddNpc(d, 5, 5);
    far.dX = 3000;
    far.RecomputeX();
    cVector<std::uint8_t> groups(60, 0);
    EXPECT_EQ(far.UpdateInRange(groups), 0);
    EXPECT_EQ(near.UpdateInRange(groups), 1);
    EXPECT_EQ(groups[7], 1);
    EXPECT_EQ(far.CheckActive(groups), 1);
}

TEST_F(CharaClasses, TheViewFollowsTheHeroWithinTheScrollLimits) {
    harness.Build(60, 15);
    AddHero(Def(), 30, 5);
    hero.dX = 1000;
    hero.AfterMoveX();
    EXPECT_EQ(scene().ScrollX.dPos, 1000 - (320 - hero.nWidth / 2));
    hero.dX = 10;
    hero.AfterMoveX();
    EXPECT_EQ(scene().ScrollX.dPos, 0);
    hero.dX = 60 * 32 - 20;
    hero.AfterMoveX();
    EXPECT_EQ(scene().ScrollX.dPos, 60 * 32 - 640);
    scene().ScrollX.bViewFixed = 1;
    hero.dX = 1000;
    hero.AfterMoveX();
    EXPECT_EQ(scene().ScrollX.dPos, 60 * 32 - 640);
}

TEST_F(CharaClasses, HeroFlyingChangesItsHitSizeAndStopsItsWalk) {
    AddHero(Def(), 5, 5);
    hero.dOwnVX = 2;
    hero.SetMoveMode(1);
    EXPECT_EQ(hero.nFlying, 1);
    EXPECT_EQ(hero.nWidth, Stage.nHeroHitSize[2]);
    EXPECT_EQ(hero.nHeight, Stage.nHeroHitSize[3]);
    hero.dOwnVX = 2;
    hero.SetMoveMode(0);
    EXPECT_EQ(hero.dOwnVX, 0);
    EXPECT_EQ(hero.nHeight, Stage.nHeroHitSize[1]);
}

TEST_F(CharaClasses, JumpPhysicsStayFiniteWithoutGravity) {
    AddHero(Def(), 5, 5);
    Stage.dAccelStep = 0;
    const double v = hero.JumpSpeedFromHbl(4);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(JumpFramesFromSpeed(v), Stage.nSubSteps);
    EXPECT_EQ(hero.JumpTenthsFromHbl(4), 1);
    Stage.dAccelStep = -0.5; // upside down: still no endless jump
    EXPECT_EQ(JumpFramesFromSpeed(-3), Stage.nSubSteps);
}

TEST_F(CharaClasses, AJumpOfHHalfBlocksRisesHHalfBlocks) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    const double v = c.JumpSpeedFromHbl(4);
    double height = 0, speed = v;
    // Each sub-step gravity comes first, then the move.
    while ((speed += Stage.dAccelStep) < 0) height -= speed;
    EXPECT_NEAR(height, 4 * 16, 1.0);
}

TEST_F(CharaClasses, AFlyingHeroIgnoresJumps) {
    AddHero(Def(), 5, 12);
    hero.SetMoveMode(1);
    cFlowCommand entry;
    cEdCommand jump = JumpCommand(0, 4);
    entry.lpCmd = &jump;
    entry.dSpeed = hero.JumpSpeedFromHbl(4);
    entry.nWait = 10;
    hero.Jump(entry);
    EXPECT_EQ(hero.dVY, 0);
    EXPECT_EQ(hero.bJumping, 0);
}

TEST_F(CharaClasses, TheHeroJumpsOnceFromTheGroundAndOnlyOnceASubStep) {
    AddHero(Def(), 5, 12);
    for (int f = 0; f < 60; ++f) Frame();
    ASSERT_EQ(hero.IsOnGround(), 1);
    cEdCommand jump = JumpCommand(0, 4);
    cFlowCommand entry;
    entry.lpCmd = &jump;
    entry.dSpeed = hero.JumpSpeedFromHbl(4);
    entry.nWait = 10;
    hero.bJumpHandled = 0;
    hero.Jump(entry);
    EXPECT_EQ(hero.dVY, entry.dSpeed);
    EXPECT_EQ(hero.bJumping, 1);
    hero.dVY = 0;
    hero.Jump(entry); // handled already in this sub-step
    EXPECT_EQ(hero.dVY, 0);
}

TEST_F(CharaClasses, AnNpcWaitsForTheGroundBeforeItJumpsAndGivesUpAfterFourFrames) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cEdCommand jump = JumpCommand(0, 4);
    jump.sSe = 3;
    cFlowCommand entry;
    entry.lpCmd = &jump;
    entry.dSpeed = -2;
    c.bAirborne = 1;
    for (int i = 0; i < 4 * Stage.nSubSteps - 1; ++i) c.Jump(entry);
    EXPECT_EQ(entry.bJumped, 0);
    c.Jump(entry);
    EXPECT_EQ(entry.bJumped, 1); // gave up
    EXPECT_EQ(c.dVY, 0);

    cFlowCommand next;
    next.lpCmd = &jump;
    next.dSpeed = -2;
    c.bAirborne = 0;
    c.bOnScreen = 1;
    c.Jump(next);
    EXPECT_EQ(c.dVY, -2);
    EXPECT_EQ(harness.requests, std::vector<std::string>{"db se 3"});
}

TEST_F(CharaClasses, ImmediateListStopsWithTwoWhenTheHeroHasNoHitPoints) {
    AddHero(Def(), 5, 5);
    cVector<cEdCommand> list(3);
    for (cEdCommand& c : list) {
        c.bFlow = 1;
        c.cKind = 0;
    }
    EXPECT_EQ(hero.RunFlowCommands(list), 0);
    hero.hp = 0;
    EXPECT_EQ(hero.RunFlowCommands(list), 2);
}

TEST_F(CharaClasses, PendingArrangementsGoToTheNextOtherCommandOfTheList) {
    AddHero(Def(), 5, 5);
    scene().StageVars[2] = 40;
    cVector<cEdCommand> list(2);
    for (cEdCommand& c : list) {
        c.bFlow = 1;
        c.cKind = 4; // message
        c.vParam.assign(18, 0);
    }
    hero.Pending.push_back({19, 1, 0, 1, 2}); // message cell x := stage variable 2 (clamped 0..20)
    hero.RunFlowCommands(list);
    EXPECT_EQ(list[0].vParam[1], 20);
    EXPECT_EQ(list[1].vParam[1], 0);
    EXPECT_TRUE(hero.Pending.empty());
}

TEST_F(CharaClasses, TheHerosOwnFlowChangeWaitsForTheEndOfItsRun) {
    AddHero(Def(), 5, 5);
    cEdCommand change;
    change.bFlow = 1;
    change.cKind = 1;
    scene().pCurChara = &hero;
    FlowChange(hero, change, 0);
    EXPECT_EQ(hero.DeferredFlowChanges.size(), 1u);
    scene().pCurChara = nullptr;
    hero.RunFlows(0);
    EXPECT_TRUE(hero.DeferredFlowChanges.empty());
    // Another character's flow changes the hero at once.
    FlowChange(hero, change, 0);
    EXPECT_TRUE(hero.DeferredFlowChanges.empty());
}

TEST_F(CharaClasses, ACopiedCharacterRunsItsOwnFlows) {
    cEdChara d = Def();
    d.Flows = {FlowOf(22, {1, 1})};
    cNpcChara& a = AddNpc(d, 5, 5);
    cNpcChara b(a);
    EXPECT_NE(&b.Flows[0].Def, &a.Flows[0].Def);
    EXPECT_EQ(b.Flows[0].lpDef, &b.Flows[0].Def);
    EXPECT_EQ(b.Flows[0].Commands[1].lpCmd, &b.Flows[0].Def.vCmd[1]);
    b.Flows[0].Def.vCmd[0].sWait = 9;
    EXPECT_EQ(a.Flows[0].Def.vCmd[0].sWait, 1);
    // Assigning a character of 1 flow over one of 3 leaves 1.
    cEdChara three = Def();
    three.Flows = {FlowOf(22, {1}), FlowOf(22, {2}), FlowOf(22, {3})};
    cNpcChara c;
    c.Setup(three, 9, nullptr, 0);
    c = a;
    ASSERT_EQ(c.Flows.size(), 1u);
    EXPECT_EQ(c.Flows[0].Commands[0].lpCmd, &c.Flows[0].Def.vCmd[0]);
    // A vector of characters grown by copies keeps each one's pointers its own.
    std::vector<cNpcChara> many(1, a);
    for (int i = 0; i < 50; ++i) many.push_back(a);
    for (const cNpcChara& m : many) EXPECT_EQ(m.Flows[0].lpDef, &m.Flows[0].Def);
}

TEST_F(CharaClasses, ACopiedHeroKeepsItsOwnQueuesAndJumpWords) {
    AddHero(Def(), 5, 5);
    hero.nJumpHold = 3;
    hero.Pending.push_back({1, 2, 3, 4, 5});
    hero.TouchedItems.push_back(7);
    cHeroChara copy(hero);
    EXPECT_EQ(copy.nJumpHold, 3);
    EXPECT_EQ(copy.Pending.size(), 1u);
    EXPECT_FALSE(copy.IsNewItemTouch(7));
    copy.EndItemTouch(7);
    EXPECT_FALSE(hero.IsNewItemTouch(7));
}

} // namespace

namespace {

TEST_F(CharaClasses, TheCarriedItemHintHidesFor64FramesAndShowsFor32) {
    cItemObj item;
    cNpcChara c;
    c.Setup(Def(), 1, &item, 0);
    c.bOnScreen = 1;
    std::string shown;
    for (int f = 0; f < 192; ++f) shown += c.StepCarriedItemHint() ? '#' : '.';
    const std::string cycle = std::string(64, '.') + std::string(32, '#');
    EXPECT_EQ(shown, cycle + cycle);
    c.DrawState.bHidden = 1;
    EXPECT_FALSE(c.StepCarriedItemHint());
    cNpcChara none;
    none.Setup(Def(), 2, nullptr, 0);
    none.bOnScreen = 1;
    for (int f = 0; f < 96; ++f) EXPECT_FALSE(none.StepCarriedItemHint());
}

} // namespace
