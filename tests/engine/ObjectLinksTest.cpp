// Links between characters and shots, and the copies of objects held by value.
#include "fixtures/EngineHarness.h"

namespace {

using ObjectLinks = EngineTest;

TEST_F(ObjectLinks, AShotGoingAwayLeavesItsOwnersLinkVectors) {
    cNpcChara& owner = AddNpc(Def(), 4, 5);
    cNpcChara& aimed = AddNpc(Def(), 8, 5);
    {
        cShotObj shot;
        shot.lpUserOwner = &owner;
        shot.lpTargetOwner = &aimed;
        owner.ShotLinks.push_back({&shot, 4});
        aimed.ShotLinks.push_back({&shot, 0});
        cShotObj copy(shot); // a copy is nobody's
        EXPECT_EQ(copy.lpUserOwner, nullptr);
    }
    EXPECT_TRUE(owner.ShotLinks.empty());
    EXPECT_TRUE(aimed.ShotLinks.empty());
}

TEST_F(ObjectLinks, ACharacterGoingAwayLeavesItsShotsOwnerless) {
    cShotObj shot;
    {
        cNpcChara owner;
        owner.Setup(Def(), 1, nullptr, 0);
        shot.lpUserOwner = &owner;
        owner.ShotLinks.push_back({&shot, 4});
    }
    EXPECT_EQ(shot.lpUserOwner, nullptr);
}

TEST_F(ObjectLinks, ACarriedItemIsTheCharactersOwnCopy) {
    cItemObj item;
    item.Def.Sound = 5;
    item.bActive = 1;
    cNpcChara c;
    c.Setup(Def(), 1, &item, 0);
    ASSERT_NE(c.GetCarriedItem(), nullptr);
    item.Def.Sound = 6;
    EXPECT_EQ(c.GetCarriedItem()->Def.Sound, 5);
    cNpcChara copy(c);
    EXPECT_NE(copy.GetCarriedItem(), c.GetCarriedItem());
    EXPECT_EQ(copy.GetCarriedItem()->Def.Sound, 5);
    cNpcChara none;
    none.Setup(Def(), 2, nullptr, 0);
    EXPECT_EQ(none.GetCarriedItem(), nullptr);
}

TEST_F(ObjectLinks, ShotPartsFollowThePositionAndTheScale) {
    cShotObj shot;
    shot.nBaseParts[0] = 2;
    shot.nBaseParts[1] = 3;
    shot.nBaseParts[2] = 10;
    shot.nBaseParts[3] = 6;
    shot.RescaleParts(2);
    shot.dX = 100.75;
    shot.dY = 50.5;
    shot.UpdatePartsX();
    shot.UpdatePartsY();
    EXPECT_EQ(shot.dPartLeft, 104);
    EXPECT_EQ(shot.dPartRight, 123);
    EXPECT_EQ(shot.dPartTop, 56);
    EXPECT_EQ(shot.dPartBottom, 67);
}

} // namespace

namespace {

TEST_F(ObjectLinks, ACopysTargetsKnowTheCopySoNoneIsLeftPointingAtAGoneCharacter) {
    AddHero(Def(), 2, 5);
    cNpcChara& a = AddNpc(Def(), 4, 5);
    auto* target = new cNpcChara();
    target->Setup(Def(), 99, nullptr, 0);
    a.SetTarget(2, target);
    target->SetTarget(1, &a);
    cNpcChara copy(a);
    EXPECT_EQ(copy.TargetAt(2), target);
    EXPECT_TRUE(copy.BackLinks.empty()); // the target points at a, not at the copy
    delete target;
    EXPECT_EQ(copy.TargetAt(2), nullptr);
    EXPECT_EQ(a.TargetAt(2), nullptr);
    // Assigning over a linked character lets go of its old links first.
    cNpcChara& b = AddNpc(Def(), 6, 5);
    hero.SetTarget(3, &b);
    b = copy;
    EXPECT_EQ(hero.TargetAt(3), nullptr);
    EXPECT_EQ(b.TargetAt(0), &hero);
}

} // namespace
