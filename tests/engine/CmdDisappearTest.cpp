#include "engine/CmdDisappear.h"
#include "fixtures/CommandKit.h"

#include <algorithm>

namespace {

class DisappearCommand : public CommandTest {
protected:
    // A shot of the owner's on the stage: in the live list and its faction's list.
    cShotObj& Shot(cChara& owner, std::int32_t faction, std::int32_t onScreen = 1) {
        cShotObj& s = scene().LiveShots.emplace_back();
        s.nGroup = faction;
        s.bPresent = 1;
        s.bOnScreen = onScreen;
        s.lpUserOwner = &owner;
        owner.ShotLinks.push_back(SHOTLINK{&s, 4});
        scene().FactionShots.At(faction).push_back(&s);
        return s;
    }
    bool Live(const cShotObj* s) const {
        return std::any_of(harness.state.LiveShots.begin(), harness.state.LiveShots.end(),
                           [s](const cShotObj& o) { return &o == s; });
    }
    void Disappear(cChara& c, std::int32_t what, std::int32_t faction = 0, std::int32_t range = 0) {
        cEdCommand cmd = Command(24, {what, faction, range});
        RunOnce(c, cmd);
    }
};

TEST_F(DisappearCommand, CharactersOfAFactionOnScreenOrAll) {
    for (std::int32_t range : {0, 1, 7}) {
        cNpcChara& r = AddNpc(Def(), 2, 2); // faction 0 runs the command
        cEdChara d = Def();
        d.Faction = 3;
        cNpcChara& on = AddNpc(d, 5, 5);
        cNpcChara& off = AddNpc(d, 6, 5);
        cNpcChara& gone = AddNpc(d, 7, 5);
        on.bOnScreen = 1;
        off.bOnScreen = 0;
        gone.bOnScreen = 1;
        gone.bPresent = 0;
        scene().nDefeatCheck = 0;
        Disappear(r, 0, 3, range);
        EXPECT_EQ(on.bVanish, 1) << range;
        EXPECT_EQ(off.bVanish, range == 0 ? 0 : 1) << range;
        EXPECT_EQ(gone.bVanish, 0) << range;
        EXPECT_EQ(r.bVanish, 0);
        EXPECT_EQ(scene().nDefeatCheck, 1);
        for (auto& list : scene().FactionCharas) list.clear();
    }
}

TEST_F(DisappearCommand, AFactionWithoutAListReachesNobody) {
    cNpcChara& r = AddNpc(Def(), 2, 2);
    cNpcChara& other = AddNpc(Def(), 5, 5); // faction 0
    other.bOnScreen = 1;
    cShotObj& shot = Shot(r, 0);
    const std::uint64_t closes = MainWindowCloseRequests();
    for (std::int32_t what : {0, 1})
        for (std::int32_t faction : {-1, 8, 1000}) Disappear(r, what, faction);
    EXPECT_EQ(other.bVanish, 0);
    EXPECT_TRUE(Live(&shot));
    EXPECT_EQ(MainWindowCloseRequests(), closes);
}

TEST_F(DisappearCommand, TheHeroGetsNoHpAndACharacterVanishingItselfSetsNoCheck) {
    cHeroChara& h = AddHero(Def(), 3, 3);
    h.bOnScreen = 1;
    cNpcChara& r = AddNpc(Def(), 5, 5);
    Disappear(r, 0, h.nGroup, 1);
    EXPECT_EQ(h.hp, 0);
    EXPECT_EQ(scene().nDefeatCheck, 1);

    cEdChara d = Def();
    d.Faction = 6;
    cNpcChara& alone = AddNpc(d, 8, 5);
    scene().nDefeatCheck = 0;
    Disappear(alone, 0, 6, 1);
    EXPECT_EQ(alone.bVanish, 1);
    EXPECT_EQ(scene().nDefeatCheck, 0);
}

TEST_F(DisappearCommand, DescendantsAndTheirShotsByKind) {
    // r summoned b, b summoned c; each owns one shot; x is a stranger with a shot.
    struct Case {
        std::int32_t what;
        bool ownShot, childShots, descendants;
    };
    const Case cases[] = {
        {2, false, false, true}, // descendants only
        {3, true, false, false}, // own shots only
        {4, true, true, true},   // all of it
        {5, false, true, true},  // descendants with theirs, own shots stay
    };
    for (const Case& k : cases) {
        scene().LiveShots.clear();
        for (auto& l : scene().FactionShots) l.clear();
        cNpcChara& r = AddNpc(Def(), 2, 5);
        cNpcChara& b = AddNpc(Def(), 3, 5);
        cNpcChara& c = AddNpc(Def(), 4, 5);
        cNpcChara& x = AddNpc(Def(), 6, 5);
        b.SetTarget(kParentSlot, &r);
        c.SetTarget(kParentSlot, &b);
        cShotObj *rs = &Shot(r, 0), *bs = &Shot(b, 0), *cs = &Shot(c, 0), *xs = &Shot(x, 0);
        Disappear(r, k.what);
        EXPECT_EQ(Live(rs), !k.ownShot) << k.what;
        EXPECT_EQ(Live(bs), !k.childShots) << k.what;
        EXPECT_EQ(Live(cs), !k.childShots) << k.what;
        EXPECT_TRUE(Live(xs));
        EXPECT_EQ(b.bVanish, k.descendants ? 1 : 0) << k.what;
        EXPECT_EQ(c.bVanish, k.descendants ? 1 : 0) << k.what;
        EXPECT_EQ(r.bVanish + x.bVanish, 0);
        EXPECT_EQ(r.ShotLinks.empty(), k.ownShot) << k.what;
        EXPECT_EQ(std::count(scene().FactionShots[0].begin(), scene().FactionShots[0].end(), rs),
                  k.ownShot ? 0 : 1);
    }
}

TEST_F(DisappearCommand, AnAbsentDescendantIsSkippedWithItsOwn) {
    cNpcChara& r = AddNpc(Def(), 2, 5);
    cNpcChara& b = AddNpc(Def(), 3, 5);
    cNpcChara& c = AddNpc(Def(), 4, 5);
    b.SetTarget(kParentSlot, &r);
    c.SetTarget(kParentSlot, &b);
    b.bPresent = 0;
    Disappear(r, 2);
    EXPECT_EQ(b.bVanish, 0);
    EXPECT_EQ(c.bVanish, 0);
}

TEST_F(DisappearCommand, EveryShotGoesThoughEachRemovalEditsTheListsWalked) {
    // Removing a shot edits both the owner's links and the faction's list:
    // what the command reaches is collected before anything is removed.
    cNpcChara& r = AddNpc(Def(), 2, 5);
    for (int i = 0; i < 4; ++i) Shot(r, 0);
    Disappear(r, 3);
    EXPECT_TRUE(scene().LiveShots.empty());
    EXPECT_TRUE(r.ShotLinks.empty());

    cEdChara d = Def();
    d.Faction = 5;
    cNpcChara& foe = AddNpc(d, 8, 5);
    cShotObj* off = &Shot(foe, 5, 0);
    for (int i = 0; i < 3; ++i) Shot(foe, 5);
    Disappear(r, 1, 5, 0);
    EXPECT_EQ(scene().LiveShots.size(), 1u);
    EXPECT_TRUE(Live(off));
    EXPECT_EQ(scene().FactionShots[5].size(), 1u);
    Disappear(r, 1, 5, 1);
    EXPECT_TRUE(scene().LiveShots.empty());
    EXPECT_TRUE(foe.ShotLinks.empty());
}

TEST_F(DisappearCommand, WhileShotListsAreWalkedShotsAreOnlyMarked) {
    cNpcChara& r = AddNpc(Def(), 2, 5);
    cShotObj& a = Shot(r, 0);
    cShotObj& b = Shot(r, 0);
    scene().nDeferRemoval = 1;
    Disappear(r, 3);
    Disappear(r, 1, 0, 1);
    EXPECT_EQ(scene().LiveShots.size(), 2u);
    EXPECT_EQ(a.nMarkRemove + b.nMarkRemove, 2);
    EXPECT_EQ(r.ShotLinks.size(), 2u);
    EXPECT_EQ(scene().FactionShots[0].size(), 2u);
}

} // namespace
