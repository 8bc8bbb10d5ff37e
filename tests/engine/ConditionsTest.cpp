#include "fixtures/EngineHarness.h"

#include "engine/CondFields.h"
#include "engine/Conditions.h"

namespace {

using Conditions = EngineTest;

cCond Var(std::int8_t kind, std::int16_t index, std::int8_t op, std::int32_t value) {
    cCond c;
    c.cKind = kind;
    c.sValue = index;
    c.cSel2 = op;
    c.nValue1 = value;
    return c;
}

TEST_F(Conditions, ListsCombineByTheirCombiner) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    PlayData.CommonVars[1] = 5;
    const cVector<cCond> both = {Var(1, 1, 0, 5), Var(1, 1, 4, 9)}; // == 5, > 9
    EXPECT_FALSE(CondListHolds(both, 0, c));
    EXPECT_TRUE(CondListHolds(both, 1, c));
    EXPECT_FALSE(CondListHolds(both, 2, c));
    EXPECT_TRUE(CondListHolds({}, 0, c));
    EXPECT_FALSE(CondListHolds({}, 1, c));
}

TEST_F(Conditions, VariablesOfEveryScopeAndTheDivisibilityOperators) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    PlayData.CommonVars[3] = -6;
    scene().StageVars[4] = 10;
    c.Vars[2] = 7;
    EXPECT_TRUE(CondHolds(Var(1, 3, 6, 3), c));  // |-6| is a multiple of 3
    EXPECT_TRUE(CondHolds(Var(1, 3, 6, 0), c));  // of 0: true
    EXPECT_FALSE(CondHolds(Var(1, 3, 7, 0), c)); // not a multiple of 0: false
    EXPECT_TRUE(CondHolds(Var(2, 4, 2, 10), c));
    EXPECT_TRUE(CondHolds(Var(3, 2, 5, 8), c));
    EXPECT_FALSE(CondHolds(Var(9, 2, 5, 8), c)); // no such kind
}

TEST_F(Conditions, AnOwnerWithoutConditionsPassesAndHoldOnceHoldsForGood) {
    cEdChara d = Def();
    cNpcChara& c = AddNpc(d, 5, 5);
    EXPECT_TRUE(CondsHoldForChara(c));
    c.Def.Conds = {Var(1, 1, 0, 1)};
    c.Def.CondCombine = 0;
    c.Def.CondOnce = 1;
    EXPECT_FALSE(CondsHoldForChara(c));
    PlayData.CommonVars[1] = 1;
    EXPECT_TRUE(CondsHoldForChara(c));
    PlayData.CommonVars[1] = 0;
    EXPECT_TRUE(CondsHoldForChara(c)); // held once
    c.Def.CondOnce = 0;
    EXPECT_FALSE(CondsHoldForChara(c));
    c.Def.CondCombine = 2; // no such combiner: a list that never holds
    c.Def.CondOnce = 0;
    PlayData.CommonVars[1] = 1;
    EXPECT_FALSE(CondsHoldForChara(c));
}

TEST_F(Conditions, ItemsAndBlocksTestTheHero) {
    AddHero(Def(), 2, 5);
    hero.Vars[1] = 4;
    cItemObj item;
    item.Def.Conds = {Var(3, 1, 0, 4)};
    EXPECT_TRUE(CondsHoldForItem(item));
    hero.Vars[1] = 3;
    EXPECT_FALSE(CondsHoldForItem(item));
    cEdBlock block;
    block.Conds = {Var(3, 1, 0, 3)};
    std::int32_t cache = 0;
    EXPECT_TRUE(CondsHoldForBlock(block, cache));
    EXPECT_EQ(cache, 1);
}

struct StateCase {
    const char* name;
    std::int8_t subject, state;
    std::uint8_t negate;
    bool expected;
};

class StateConds : public EngineTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(StateConds, OfTheCharacterAndItsTargets) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cNpcChara& t = AddNpc(Def(), 8, 5);
    c.SetTarget(1, &t); // target 2
    c.nFacing = 1;
    t.nFacing = 0;
    t.bJumping = 1;
    cCond cond;
    cond.cKind = 6;
    cond.cSel3 = GetParam().subject;
    cond.cArg = GetParam().state;
    cond.bFlag1 = GetParam().negate;
    EXPECT_EQ(c.TestStateCond(cond), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StateConds,
                         ::testing::Values(StateCase{"SelfFacesRight", 0, 1, 0, true},
                                           StateCase{"SelfFacesLeftNegated", 0, 0, 1, true},
                                           StateCase{"TargetFacesLeft", 2, 0, 0, true},
                                           StateCase{"TargetInTheAirDoesNotStand", 2, 2, 0, false},
                                           StateCase{"SelfStands", 0, 2, 0, true},
                                           StateCase{"TargetExists", 2, 4, 0, true},
                                           StateCase{"EmptySlotDoesNotFaceLeft", 3, 0, 0, false},
                                           StateCase{"EmptySlotNegatedStillFalse", 3, 0, 1, false},
                                           StateCase{"EmptySlotDoesNotExist", 3, 4, 0, false},
                                           StateCase{"EmptySlotNegatedNotExisting", 3, 4, 1, true},
                                           StateCase{"UnknownState", 0, 9, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Conditions, StatusFlagsAndTheScrollSpeeds) {
    cEdChara d = Def();
    d.Flying = 2;
    d.FixedFacing = 1;
    cNpcChara& c = AddNpc(d, 5, 5);
    cCond cond;
    cond.cKind = 5;
    cond.cArg = 3; // flying
    cond.cSel2 = 0;
    cond.sValue = 2;
    EXPECT_TRUE(c.TestStatusCond(cond));
    cond.cArg = 5; // enlarged: the unit scale
    cond.sValue = 1;
    EXPECT_TRUE(c.TestStatusCond(cond));
    cond.cArg = 7; // no such flag
    EXPECT_FALSE(c.TestStatusCond(cond));
    cond.cSel3 = 5; // the system
    cond.cArg = 0;
    cond.sValue = 12;
    Stage.nAutoScrollSpeedX = 12;
    EXPECT_TRUE(c.TestStatusCond(cond));
    cond.cSel3 = 4; // an empty target
    cond.cArg = 3;
    EXPECT_FALSE(c.TestStatusCond(cond));
}

struct DistanceCase {
    const char* name;
    std::int8_t mode;
    std::int32_t otherCol, otherRow;
    std::int32_t hbl;
    bool expected;
};

class DistanceConds : public EngineTest, public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(DistanceConds, AgainstTheHero) {
    const DistanceCase& p = GetParam();
    cEdChara flyer = Def();
    flyer.Flying = 1; // stays where it is put
    AddHero(flyer, p.otherCol, p.otherRow);
    cNpcChara& c = AddNpc(flyer, 8, 6);
    c.nFacing = 1;
    cCond cond;
    cond.cKind = 7;
    cond.cSel3 = 0;
    cond.bFlag3 = static_cast<std::uint8_t>(p.mode);
    cond.nValue1 = p.hbl;
    EXPECT_EQ(c.TestDistanceCond(cond, nullptr), p.expected);
    cond.bFlag1 = 1;
    EXPECT_EQ(c.TestDistanceCond(cond, nullptr), !p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceConds,
    // The character stands at column 8, row 6, facing right; 4 half-blocks are 64 pixels.
    ::testing::Values(
        DistanceCase{"SidewaysWithin", 0, 10, 2, 4, true}, DistanceCase{"SidewaysBeyond", 0, 13, 2, 4, false},
        DistanceCase{"InFront", 1, 10, 6, 4, true}, DistanceCase{"NotBehind", 2, 10, 6, 4, false},
        DistanceCase{"Behind", 2, 6, 6, 4, true}, DistanceCase{"Vertically", 3, 2, 8, 4, true},
        DistanceCase{"Above", 4, 8, 4, 4, true}, DistanceCase{"NotBelow", 5, 8, 4, 4, false},
        DistanceCase{"CircleWithin", 6, 10, 7, 5, true}, DistanceCase{"CircleBeyond", 6, 12, 9, 5, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Conditions, DistanceToAnEmptyTargetIsFalse) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cCond cond;
    cond.cKind = 7;
    cond.cSel3 = 3;
    cond.nValue1 = 100;
    EXPECT_FALSE(c.TestDistanceCond(cond, nullptr));
    cond.cSel3 = 9; // the other object of the event
    cNpcChara& o = AddNpc(Def(), 6, 5);
    EXPECT_TRUE(c.TestDistanceCond(cond, &o));
}

} // namespace
