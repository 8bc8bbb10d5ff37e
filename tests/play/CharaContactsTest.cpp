#include "fixtures/PlayWorld.h"

#include "engine/SceneLists.h"
#include "engine/StageObjects.h"
#include "play/CharaContacts.h"

#include <algorithm>
#include <vector>

namespace {

class cRecordedEnd : public cStageEnd {
public:
    void StageClear() override { ++clears; }
    int clears = 0;
};

class CharaContactsTest : public PlayTest {
protected:
    cNpcChara& Enemy(std::int32_t col, std::int32_t row, std::int32_t power, std::uint8_t group = 1) {
        cEdChara d = Def(3);
        d.Faction = group;
        d.power = power;
        d.imp = 2;
        return AddNpc(d, col, row);
    }
    // A shot of `group` whose attack rectangle covers the given one.
    cShotObj& Shot(std::int32_t group, const cRectD& r, std::int32_t power) {
        cShotObj& s = scene().LiveShots.emplace_back();
        s.nGroup = group;
        s.dX = s.dPartLeft = r.left;
        s.dY = s.dPartTop = r.top;
        s.dRight = s.dPartRight = r.right;
        s.dBottom = s.dPartBottom = r.bottom;
        s.Shot.nPower = power;
        scene().FactionShots.At(group).push_back(&s);
        return s;
    }
    static cRectD Hit(const cChara& c) {
        return {c.SubRect[0].dLeft, c.SubRect[0].dTop, c.SubRect[0].dRight, c.SubRect[0].dBottom};
    }
    cRecordedEnd end;
    cVector<std::int32_t> steps;
};

TEST_F(CharaContactsTest, BodyContactHurtsAcrossGroupsOnceUntilTheImmunityEnds) {
    cHeroChara& h = AddHero(Def(10), 5, 13);
    cNpcChara& enemy = Enemy(5, 13, 3);
    cNpcChara& friendly = Enemy(5, 13, 4, 0);
    ASSERT_EQ(friendly.nGroup, h.nGroup);
    EXPECT_EQ(GroupCollisions(end, steps), 0);
    EXPECT_EQ(h.hp, 7); // hit by the enemy only: its own group never touches it
    EXPECT_TRUE(h.IsInvincibleTo(enemy.nId));
    EXPECT_EQ(test.sounds.front(), 7);
    EXPECT_LE(enemy.hp, 0); // the friendly character of the other group hit it
    EXPECT_EQ(GroupCollisions(end, steps), 0);
    EXPECT_EQ(h.hp, 7);
    EXPECT_EQ(scene().nDeferRemoval, 0);
}

TEST_F(CharaContactsTest, AKillingBodyHitEndsThePassAndLowersTheRunningFlag) {
    cHeroChara& h = AddHero(Def(2), 5, 13);
    Enemy(5, 13, 5);
    cNpcChara& later = Enemy(5, 13, 5, 2);
    EXPECT_EQ(GroupCollisions(end, steps), 2);
    EXPECT_LE(h.hp, 0);
    EXPECT_EQ(later.hp, 3); // pairs after the death are not tested
    EXPECT_EQ(scene().nDeferRemoval, 0);
}

TEST_F(CharaContactsTest, AnAttackWithoutRemovalHitsEachCharacterOnceInItsLife) {
    cNpcChara& target = Enemy(5, 13, 0);
    cShotObj& s = Shot(0, Hit(target), 1);
    for (int i = 0; i < 3; ++i) {
        target.nInvincible = 0;
        EXPECT_EQ(GroupCollisions(end, steps), 0);
    }
    EXPECT_EQ(target.hp, 2);
    EXPECT_EQ(s.HitList.size(), 1u);
}

TEST_F(CharaContactsTest, AWideAttackHitsTheCharactersInItsReachInListOrderAndNoOthers) {
    // Placed out of order across the map, with two outside the reach.
    const std::int32_t columns[] = {15, 2, 18, 9, 5, 0, 12};
    std::vector<cNpcChara*> placed;
    for (std::int32_t col : columns) placed.push_back(&Enemy(col, 13, 0));
    const cRectD reach{Hit(*placed[1]).left, Hit(*placed[0]).top, Hit(*placed[0]).right,
                       Hit(*placed[0]).bottom};
    cShotObj& s = Shot(0, reach, 0);
    s.Shot.cImpact = 1; // a real attack that hurts nobody
    EXPECT_EQ(GroupCollisions(end, steps), 0);
    const std::vector<cChara*> expected = {placed[0], placed[1], placed[3], placed[4], placed[6]};
    EXPECT_EQ(std::vector<cChara*>(s.HitList.begin(), s.HitList.end()), expected);
}

TEST_F(CharaContactsTest, RestrictedAttacksHitOnTheSubStepsTheirFlagsMark) {
    Stage.bAttackRestrict = 1;
    steps = {1, 0}; // attacks on the first of two sub-steps only
    for (std::int32_t subStep : {0, 1}) {
        cNpcChara& target = Enemy(5, 13, 0);
        Shot(0, Hit(target), 1);
        scene().nSubStep = subStep;
        EXPECT_EQ(GroupCollisions(end, steps), 0);
        EXPECT_EQ(target.hp, subStep == 0 ? 2 : 3) << subStep;
        scene().LiveShots.clear();
        for (auto& list : scene().FactionShots) list.clear();
    }
}

TEST_F(CharaContactsTest, ARemovingAttackGoesAfterTheWalk) {
    cNpcChara& a = Enemy(5, 13, 0);
    cNpcChara& b = Enemy(5, 13, 0);
    cShotObj& s = Shot(0, Hit(a), 1);
    s.Shot.byOpt15 = 1; // removed on hit
    EXPECT_EQ(GroupCollisions(end, steps), 0);
    EXPECT_EQ(a.hp, 2);
    EXPECT_EQ(b.hp, 2); // the walk went on to the second character
    EXPECT_TRUE(scene().LiveShots.empty());
    EXPECT_TRUE(scene().FactionShots.At(0).empty());
}

TEST_F(CharaContactsTest, HarmlessAttacksStartFlowsButHurtNobodyWhenTheyDoNotCount) {
    cNpcChara& target = Enemy(5, 13, 0);
    Shot(0, Hit(target), 0);
    SystemData.bGroupCollisionA = 1;
    EXPECT_EQ(GroupCollisions(end, steps), 0);
    EXPECT_EQ(target.hp, 3);
    EXPECT_FALSE(target.IsInvincible());
}

TEST_F(CharaContactsTest, AttacksOfEqualStrengthRemoveEachOther) {
    struct Case {
        std::int8_t p, q;
        bool pStays, qStays;
    } cases[] = {{3, 3, false, false}, {5, 3, true, false}, {3, 5, false, true}};
    for (const Case& k : cases) {
        scene().LiveShots.clear();
        for (auto& g : scene().FactionShots) g.clear();
        cShotObj& p = Shot(0, {0, 0, 10, 10}, 0);
        cShotObj& q = Shot(1, {10, 10, 20, 20}, 0); // corners touch: they meet
        p.Shot.byOpt20 = q.Shot.byOpt20 = 1;
        p.Shot.cVanish = k.p;
        q.Shot.cVanish = k.q;
        EXPECT_EQ(GroupCollisions(end, steps), 0);
        EXPECT_EQ(scene().FactionShots.At(0).size(), k.pStays ? 1u : 0u) << int(k.p) << " " << int(k.q);
        EXPECT_EQ(scene().FactionShots.At(1).size(), k.qStays ? 1u : 0u) << int(k.p) << " " << int(k.q);
    }
}

TEST_F(CharaContactsTest, DeathsRemoveDefeatedCharactersAfterTheWalkAndReportTheHero) {
    AddHero(Def(10), 5, 13);
    cNpcChara& dead = Enemy(5, 13, 0);
    Enemy(7, 13, 0);
    dead.hp = 0;
    // The main frame may be walking the list around the check: nothing goes yet.
    EXPECT_EQ(CheckDeaths(end), 0);
    ASSERT_EQ(scene().CharaList.size(), 2u);
    EXPECT_EQ(dead.bRemoveMark, 1);
    EXPECT_EQ(dead.bPresent, 0) << "a leaving character takes no further part";
    EXPECT_EQ(CheckDeaths(end), 0) << "marked once, defeated once";
    EXPECT_EQ(std::count(test.sounds.begin(), test.sounds.end(), 9), 0);
    RemoveMarkedCharas();
    EXPECT_EQ(scene().CharaList.size(), 1u);
    EXPECT_TRUE(scene().FactionCharas.At(1).size() == 1u);

    hero.hp = 0;
    EXPECT_EQ(CheckDeaths(end), 1);
    EXPECT_EQ(test.sounds.back(), 8);
    EXPECT_EQ(hero.bDying, 1);
}

TEST_F(CharaContactsTest, ARepeatableItemIsTakenAgainOnlyAfterLeavingIt) {
    cHeroChara& h = AddHero(Def(10), 5, 13);
    cList<cItemObj> items;
    cItemObj& item = items.emplace_back();
    item.nId = 4;
    item.bActive = 1;
    item.Def.TakeRule = 1;
    item.Def.ShowMessage = 0;
    const auto place = [&](double x) {
        item.dX = x;
        item.dY = h.dY;
        item.dRight = x + 31;
        item.dBottom = h.dY + 31;
    };
    place(h.dX);
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_EQ(h.TouchedItems.size(), 1u);
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_EQ(h.TouchedItems.size(), 1u);
    place(h.dX + 200);
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_TRUE(h.TouchedItems.empty());

    // A take-once item goes from the list.
    item.Def.TakeRule = 0;
    place(h.dX);
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_TRUE(items.empty());
}

} // namespace

namespace {

TEST_F(CharaContactsTest, AKeptDefeatedCharacterIsHandledOnce) {
    SystemData.bStagePlaySwitchB = 1; // defeated characters stay
    AddHero(Def(10), 5, 13);
    cNpcChara& dead = Enemy(5, 13, 0);
    dead.hp = 0;
    EXPECT_EQ(CheckDeaths(end), 0);
    EXPECT_EQ(CheckDeaths(end), 0);
    EXPECT_EQ(scene().CharaList.size(), 1u);
    EXPECT_EQ(dead.bDying, 1);
    EXPECT_EQ(std::count(test.sounds.begin(), test.sounds.end(), 9), 1);
}

} // namespace
