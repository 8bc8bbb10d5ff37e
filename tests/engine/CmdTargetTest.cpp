// The set-target command: the eleven choices, the filters, the tie-breaks and
// the back-links kept in step.
#include "fixtures/EngineHarness.h"

#include "engine/CmdTarget.h"
#include "records/EdCommand.h"

#include <array>
#include <string>

namespace {

using CmdTarget = EngineTest;

// A set-target command: slot, choice, then parameters 2..15 by position.
cEdCommand SetTargetCmd(std::int32_t slot, std::int32_t choice,
                        std::initializer_list<std::pair<int, int>> more = {}) {
    cEdCommand c;
    c.cKind = 21;
    c.FixParams();
    c.vParam[0] = slot;
    c.vParam[1] = choice;
    for (auto [i, v] : more) c.vParam[static_cast<std::size_t>(i)] = v;
    return c;
}

cEdChara Member(int faction, int cid = 1) {
    cEdChara d = EngineTest::Def();
    d.Faction = static_cast<std::uint8_t>(faction);
    d.cid = static_cast<std::uint8_t>(cid);
    d.Flying = 1;
    return d;
}

// A character placed at a block, on screen unless told otherwise.
cNpcChara& Put(cEngineWorld& w, const cEdChara& d, int col, int row, bool onScreen = true) {
    cNpcChara& c = w.AddNpc(d, col, row);
    c.UpdateScreenRect();
    c.bOnScreen = onScreen ? 1 : 0;
    return c;
}

int LinksTo(const cChara& target, const cChara& holder, int slot) {
    int n = 0;
    for (const cCharaLink& l : target.BackLinks) n += l.lpChara == &holder && l.nSlot == slot;
    return n;
}

} // namespace

TEST_F(CmdTarget, HeroChoiceMovesTheBackLinkToTheEndWithoutDoublingIt) {
    cHeroChara& h = AddHero(Def(), 2, 5);
    cNpcChara& a = Put(*this, Member(1), 4, 5);
    cNpcChara& b = Put(*this, Member(1), 6, 5);
    ASSERT_EQ(a.TargetAt(0), &h);
    ASSERT_EQ(h.BackLinks.back().lpChara, &b);
    SetTargetFromCommand(a, SetTargetCmd(0, 0));
    EXPECT_EQ(LinksTo(h, a, 0), 1);
    EXPECT_EQ(h.BackLinks.back().lpChara, &a);
    // Target 1 into target 1 changes nothing but where the link stands.
    SetTargetFromCommand(b, SetTargetCmd(0, 7));
    EXPECT_EQ(b.TargetAt(0), &h);
    EXPECT_EQ(LinksTo(h, b, 0), 1);
    EXPECT_EQ(h.BackLinks.back().lpChara, &b);
    // A character choosing itself holds one link to itself.
    SetTargetFromCommand(a, SetTargetCmd(2, 1));
    SetTargetFromCommand(a, SetTargetCmd(2, 1));
    EXPECT_EQ(a.TargetAt(2), &a);
    EXPECT_EQ(LinksTo(a, a, 2), 1);
}

TEST_F(CmdTarget, NearestPrefersOnScreenAndTheLowestFactionOnATie) {
    cNpcChara& self = Put(*this, Member(0), 5, 5);
    cNpcChara& offNear = Put(*this, Member(1), 6, 5, false);
    cNpcChara& onFar = Put(*this, Member(5), 12, 5);
    // All factions, range 0: on screen anywhere beats nearer off screen.
    SetTargetFromCommand(self, SetTargetCmd(1, 2, {{3, 1}, {4, 0}, {5, 1}}));
    EXPECT_EQ(self.TargetAt(1), &onFar);
    // Range 1 takes the nearest of all.
    SetTargetFromCommand(self, SetTargetCmd(1, 2, {{3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(self.TargetAt(1), &offNear);
    // Two equally near on screen in factions 6 and 2: faction 2 wins.
    cNpcChara& tie6 = Put(*this, Member(6), 5, 8);
    cNpcChara& tie2 = Put(*this, Member(2), 5, 2);
    (void)tie6;
    SetTargetFromCommand(self, SetTargetCmd(1, 2, {{3, 1}, {4, 2}, {5, 1}}));
    EXPECT_EQ(self.TargetAt(1), &tie2);
    // Without leaving itself out the runner is its own nearest (distance 0).
    SetTargetFromCommand(self, SetTargetCmd(1, 2, {{2, 0}, {4, 1}}));
    EXPECT_EQ(self.TargetAt(1), &self);
}

TEST_F(CmdTarget, NothingFoundEmptiesKeepsOrIgnoresBySetting) {
    cNpcChara& self = Put(*this, Member(0), 5, 5);
    cNpcChara& old = Put(*this, Member(3), 8, 5, false);
    struct Case {
        int none;
        bool keeps;
    } cases[] = {{0, false}, {1, true}};
    for (const Case& k : cases) {
        SetTargetSlot(self, 1, &old, true);
        // Range 2 in faction 3: only an off-screen character, so nothing.
        SetTargetFromCommand(self, SetTargetCmd(1, 2, {{2, 3}, {4, 2}, {15, k.none}}));
        EXPECT_EQ(self.TargetAt(1), k.keeps ? &old : nullptr) << k.none;
        EXPECT_EQ(LinksTo(old, self, 1), k.keeps ? 1 : 0) << k.none;
    }
    // Setting 2: even a found character is not stored.
    SetTargetSlot(self, 1, nullptr, true);
    SetTargetFromCommand(self, SetTargetCmd(1, 1, {{15, 2}}));
    EXPECT_EQ(self.TargetAt(1), nullptr);
}

TEST_F(CmdTarget, FirstCharaFiltersByIdVariablesAndFlags) {
    cNpcChara& self = Put(*this, Member(4, 9), 1, 1);
    cNpcChara& a = Put(*this, Member(4, 7), 2, 1);
    cNpcChara& b = Put(*this, Member(4, 8), 3, 1);
    a.Vars[3] = 5;
    b.Vars[3] = 6;
    b.Def.Invincible = 2;
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> params;
        const cChara* expected;
    } cases[] = {
        {"no filter: the first of the list, itself", {{2, 4}}, &self},
        {"leave itself out", {{2, 4}, {5, 1}}, &a},
        {"chara id 8", {{2, 4}, {9, 1}, {10, 8}}, &b},
        {"chara id 8 compared as a byte", {{2, 4}, {9, 1}, {10, 264}}, &b},
        {"v3 above 5", {{2, 4}, {11, 1}, {12, 3}, {13, 5}, {14, 4}}, &b},
        {"v3 a multiple of 0: all pass", {{2, 4}, {5, 1}, {11, 1}, {12, 3}, {13, 0}, {14, 6}}, &a},
        {"v3 not a multiple of 0: none", {{2, 4}, {11, 1}, {12, 3}, {13, 0}, {14, 7}}, nullptr},
        {"operator 8 matches nothing", {{2, 4}, {11, 1}, {12, 3}, {13, 5}, {14, 8}}, nullptr},
        {"a variable past the variables fails, no fault",
         {{2, 4}, {11, 1}, {12, 300}, {13, 0}, {14, 0}},
         nullptr},
        {"not invincible kind 2", {{2, 4}, {5, 1}, {9, 1}, {10, 8}, {7, 1}}, nullptr},
    };
    for (const Case& k : cases) {
        SetTargetSlot(self, 3, nullptr, true);
        SetTargetFromCommand(self, SetTargetCmd(3, 3, k.params));
        EXPECT_EQ(self.TargetAt(3), k.expected) << k.name;
    }
    EXPECT_EQ(MainWindowCloseRequests(), closeRequests);
}

TEST_F(CmdTarget, ParentAndChildrenByTheirBackLinks) {
    cNpcChara& parent = Put(*this, Member(0), 1, 1);
    std::array<cNpcChara*, 3> kids{};
    const int factions[3] = {1, 2, 1};
    for (int i = 0; i < 3; ++i) {
        kids[static_cast<std::size_t>(i)] = &Put(*this, Member(factions[i]), 3 + i, 1);
        kids[static_cast<std::size_t>(i)]->InitTargets(&parent);
    }
    SetTargetFromCommand(*kids[0], SetTargetCmd(1, 4));
    EXPECT_EQ(kids[0]->TargetAt(1), &parent);
    SetTargetFromCommand(parent, SetTargetCmd(1, 4));
    EXPECT_EQ(parent.TargetAt(1), nullptr);
    // The last child; once it is defeated and unlinked, the one before it.
    SetTargetFromCommand(parent, SetTargetCmd(0, 5));
    EXPECT_EQ(parent.TargetAt(0), kids[2]);
    kids[2]->bDying = 1;
    kids[2]->UnlinkTargets();
    SetTargetFromCommand(parent, SetTargetCmd(0, 5));
    EXPECT_EQ(parent.TargetAt(0), kids[1]);
    // Conditional child: faction 1 skips the later child of faction 2.
    SetTargetFromCommand(parent, SetTargetCmd(2, 6, {{2, 1}}));
    EXPECT_EQ(parent.TargetAt(2), kids[0]);
    SetTargetFromCommand(parent, SetTargetCmd(2, 6, {{3, 1}}));
    EXPECT_EQ(parent.TargetAt(2), kids[1]);
    // A choice outside 0..10 finds nothing.
    SetTargetFromCommand(parent, SetTargetCmd(2, 11));
    EXPECT_EQ(parent.TargetAt(2), nullptr);
}

TEST_F(CmdTarget, UnlinkingClearsEverySlotThatHeldTheCharacter) {
    cNpcChara& self = Put(*this, Member(0), 1, 1);
    cNpcChara& other = Put(*this, Member(2), 4, 1);
    for (int slot = 0; slot < 4; ++slot) SetTargetFromCommand(self, SetTargetCmd(slot, 3, {{2, 2}}));
    SetTargetFromCommand(other, SetTargetCmd(1, 1));
    ASSERT_EQ(other.BackLinks.size(), 5u);
    other.UnlinkTargets();
    for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(self.TargetAt(slot), nullptr) << slot;
    EXPECT_EQ(other.TargetAt(1), nullptr);
    EXPECT_TRUE(other.BackLinks.empty());
}

TEST_F(CmdTarget, AFlowRunsTheCommandOnEverySubStep) {
    cEdChara d = Member(0);
    cEdFlow f;
    f.cTrigger = 22;
    cEdCommand cmd = SetTargetCmd(1, 3, {{2, 2}});
    cmd.sWait = 1;
    f.vCmd = {cmd};
    d.Flows = {f};
    cNpcChara& self = Put(*this, d, 1, 1);
    self.Flows[0].Start(self);
    std::string trace;
    for (int i = 0; i < 4; ++i) {
        if (i == 2) Put(*this, Member(2), 6, 1);
        SubStep();
        trace += self.TargetAt(1) ? std::to_string(self.TargetAt(1)->nId) : "-";
    }
    EXPECT_EQ(trace, "--22");
}
