// Shots in flight: their set-up from a command's record, the motion kinds,
// range and life, the block test, the links to the characters, and swords.
#include "engine/SceneLists.h"
#include "fixtures/PlayWorld.h"
#include "play/CharaContacts.h"
#include "play/ShotObj.h"
#include "project/DatabaseRecords.h"
#include "records/EdShot.h"

#include <algorithm>
#include <cmath>

namespace {

class cNoEnd : public cStageEnd {
public:
    void StageClear() override {}
};

class ShotMotionTest : public PlayTest {
protected:
    ShotMotionTest() {
        Stage.nSubSteps = 1;
        Stage.dSubSteps = 1;
        Stage.dSpeedCap = 60;
        if (scene().FactionShots.empty()) scene().FactionShots.assign(kFactionCount, cList<cShotObj*>());
    }
    // A character whose 32 x 32 screen rectangle is at (left, top).
    cNpcChara& At(std::int32_t left, std::int32_t top, std::int32_t facing = 1, std::uint8_t group = 1) {
        cEdChara d = Def();
        d.Faction = group;
        cNpcChara& c = AddNpc(d, 2, 2);
        c.nOffsetX = c.nOffsetY = 0;
        c.nWidth = c.nScrWidth = 32;
        c.nHeight = c.nScrHeight = 32;
        c.dX = left;
        c.dY = top;
        c.nFacing = facing;
        c.RecomputeX();
        c.RecomputeY();
        c.UpdateScreenRect();
        c.bOnScreen = 1;
        return c;
    }
    // One shot fired ahead (direction front) by `user`.
    static cEdShot Record(std::int16_t speed, std::int8_t motion = 0) {
        cEdShot r;
        r.cFormation = 4; // a ring of one from the user's centre
        r.cCount = 1;
        r.cDirCode = 0;
        r.sSpeed = speed;
        r.cMotion = motion;
        r.bMirrorAngle = 0;
        r.byOpt8 = 0; // not carried by the scroll
        return r;
    }
    cShotObj& Fire(cChara& user, const cEdShot& r) {
        const std::size_t before = scene().LiveShots.size();
        SpawnShotObjects(user, r);
        EXPECT_EQ(scene().LiveShots.size(), before + 1);
        return scene().LiveShots.back();
    }
    // Sub-steps until the shot ends (at most `limit`); the sub-steps it lived.
    static int Lifetime(cShotObj& s, int limit = 100) {
        for (int i = 0; i < limit; ++i)
            if (StepShot(s)) return i;
        return limit;
    }
};

TEST_F(ShotMotionTest, TheRangeEndsAShotAndAShortOneIsSlowedToCoverItInOneFrame) {
    struct Case {
        std::int16_t speed; // tenths of a pixel per frame
        std::int16_t range; // 16-pixel units
        int lives;          // sub-steps it flies
        double dx;          // pixels per sub-step
    };
    for (const Case k : {Case{80, 4, 6, 8}, Case{400, 2, 1, 16}, Case{200, 1, 1, 0}, Case{100, 1, 1, 10}}) {
        cNpcChara& u = At(100, 200);
        cEdShot r = Record(k.speed);
        r.sRange = k.range;
        r.byOpt14 = 1; // range limit
        cShotObj& s = Fire(u, r);
        const double x0 = s.dX;
        EXPECT_EQ(Lifetime(s), k.lives) << k.speed << "/" << k.range;
        EXPECT_NEAR(s.dX - x0, k.dx * k.lives, 1e-9) << k.speed << "/" << k.range;
    }
}

TEST_F(ShotMotionTest, LifeAndKeepAtEnd) {
    cNpcChara& u = At(100, 200);
    cEdShot r = Record(40);
    r.byOpt18 = 1; // life limit
    r.sLife = 1;   // a tenth of a second: 6 frames
    cShotObj& timed = Fire(u, r);
    EXPECT_EQ(Lifetime(timed), 6);
    cShotObj& one = Fire(u, r);
    one.Motion.nLife = 1;
    EXPECT_EQ(StepShot(one), 0);
    EXPECT_EQ(StepShot(one), 1);

    // Kept at the end of its range, it stops there and rides the auto-scroll.
    cEdShot k = Record(40);
    k.sRange = 2;
    k.byOpt14 = 1;
    k.byOpt10 = 1; // keep at end
    k.byOpt8 = 1;  // carried by the scroll
    cShotObj& kept = Fire(u, k);
    EXPECT_EQ(Lifetime(kept, 10), 10);
    const double stopped = kept.dX;
    scene().ScrollX.dAutoSpeed = 2;
    StepShot(kept);
    EXPECT_NEAR(kept.dX - stopped, 2, 1e-9);
}

TEST_F(ShotMotionTest, EachMotionKindByItsPathAfterSomeSubSteps) {
    // The hero (the player's character) above-right of the user, a target
    // below-right, and one character of group 3 straight below.
    cHeroChara& hero = AddHero(Def(), 2, 2);
    hero.nOffsetX = hero.nOffsetY = 0;
    hero.nWidth = hero.nScrWidth = hero.nHeight = hero.nScrHeight = 32;
    hero.dX = 300, hero.dY = 0;
    hero.RecomputeX();
    hero.RecomputeY();
    cNpcChara& target = At(300, 400);
    At(100, 400, 1, 3);
    struct Case {
        std::int8_t kind;
        std::int16_t p1, p2, p3;
        int steps;
        int signX, signY; // the direction of the last move
    };
    const Case cases[] = {
        {0, 0, 0, 0, 3, 1, 0},   // straight ahead
        {1, 0, 0, 0, 3, 1, -1},  // turned to the player at once
        {1, 1, 0, 0, 3, 1, 0},   // not yet: 16 pixels take 4 frames
        {1, 1, 0, 0, 6, 1, -1},  // turned after 4 frames
        {2, 0, 3, 0, 3, 0, 1},   // turned to group 3 below
        {2, 0, 5, 0, 3, 1, 0},   // group 5 is empty: straight on
        {3, 0, 0, 0, 3, 1, 1},   // turned to the target
        {4, 0, 0, 0, 3, 1, 0},   // homing that ends at once never homes
        {4, 0, 40, 0, 3, 1, -1}, // homing on the player
        {5, 0, 40, 3, 3, 0, 1},  // homing on group 3
        {7, 0, 40, 3, 3, 0, 1},  // the same routine
        {6, 0, 40, 0, 3, 1, 1},  // homing on the target
        {8, 2, 10, 0, 1, 1, -1}, // weaving starts upward
        {8, 2, 0, 0, 3, 1, 0},   // no angular speed: no weave
        {10, 0, 0, 0, 3, 1, 0},  // a kind outside the table flies straight
        {-3, 0, 0, 0, 3, 1, 0},
    };
    for (const Case& k : cases) {
        cNpcChara& u = At(100, 200);
        u.SetTarget(0, &target);
        cEdShot r = Record(40, k.kind);
        r.sMotion[0] = k.p1, r.sMotion[1] = k.p2, r.sMotion[2] = k.p3;
        cShotObj& s = Fire(u, r);
        for (int i = 0; i < k.steps; ++i) ASSERT_EQ(StepShot(s), 0) << int(k.kind);
        auto sign = [](double v) { return v > 1e-9 ? 1 : v < -1e-9 ? -1 : 0; };
        EXPECT_EQ(sign(s.dVX), k.signX) << int(k.kind) << " p " << k.p1 << "," << k.p2 << "," << k.p3;
        EXPECT_EQ(sign(s.dVY), k.signY) << int(k.kind) << " p " << k.p1 << "," << k.p2 << "," << k.p3;
        EXPECT_TRUE(std::isfinite(s.dX) && std::isfinite(s.dY));
    }
}

TEST_F(ShotMotionTest, AWaveStartsUpwardWhicheverWayItFlies) {
    for (const std::int32_t facing : {1, 0}) {
        cNpcChara& u = At(300, 200, facing);
        cEdShot r = Record(40, 8);
        r.sMotion[0] = 2, r.sMotion[1] = 10, r.sMotion[2] = 0;
        cShotObj& s = Fire(u, r);
        StepShot(s);
        EXPECT_NEAR(s.Motion.dVelY, -32 * 10 * 3.14159265358979323846 / 180, 1e-9) << facing;
        EXPECT_NEAR(s.Motion.dVelX, facing == 1 ? 4 : -4, 1e-9);
    }
}

TEST_F(ShotMotionTest, AFallingShotFliesLevelUntilItsDistanceThenFalls) {
    cNpcChara& u = At(100, 100);
    cEdShot r = Record(40, 9);
    r.sMotion[0] = 1; // 16 pixels at 4 a frame: falls from frame 4
    cShotObj& s = Fire(u, r);
    const double y0 = s.dY;
    for (int i = 0; i < 4; ++i) StepShot(s);
    EXPECT_NEAR(s.dY, y0, 1e-9);
    StepShot(s);
    StepShot(s);
    StepShot(s);
    EXPECT_GT(s.dY, y0);
    EXPECT_EQ(s.nFlying, 0);
}

TEST_F(ShotMotionTest, AHomingShotLosesAVanishedTargetWithoutTouchingIt) {
    cNpcChara& u = At(100, 200);
    cNpcChara& target = At(300, 400);
    u.SetTarget(0, &target);
    cShotObj& s = Fire(u, [] {
        cEdShot r = Record(40, 6);
        r.sMotion[1] = 40;
        return r;
    }());
    EXPECT_EQ(s.lpTargetOwner, &target);
    EXPECT_EQ(std::count(target.ShotLinks.begin(), target.ShotLinks.end(), SHOTLINK{&s, 0}), 1);
    StepShot(s);
    const double vy = s.Motion.dVelY;
    EXPECT_GT(vy, 0);
    // The target leaves play: its list entries go, and the shot flies on.
    const std::int32_t id = target.nId;
    for (cList<cChara*>& g : scene().FactionCharas) g.remove(&target);
    scene().CharaList.remove_if([id](const cNpcChara& c) { return c.nId == id; });
    EXPECT_EQ(s.lpTargetOwner, nullptr);
    for (int i = 0; i < 5; ++i) StepShot(s);
    EXPECT_EQ(s.Motion.dVelY, vy);
}

TEST_F(ShotMotionTest, ShotsAreLinkedToTheirUserAndAimedTargetAndUnlinkedWhenErased) {
    cNpcChara& u = At(100, 200);
    // Motion kind 3 without a target: no target link.
    cShotObj& lone = Fire(u, Record(40, 3));
    EXPECT_EQ(lone.lpTargetOwner, nullptr);
    EXPECT_EQ(lone.lpUserOwner, &u);
    cNpcChara& t = At(300, 200);
    u.SetTarget(0, &t);
    cShotObj& aimed = Fire(u, Record(40, 3));
    cShotObj& plain = Fire(u, Record(40, 0));
    EXPECT_EQ(aimed.lpTargetOwner, &t);
    EXPECT_EQ(plain.lpTargetOwner, nullptr);
    EXPECT_EQ(u.ShotLinks.size(), 3u);
    EXPECT_EQ(t.ShotLinks.size(), 1u);
    EXPECT_EQ(scene().FactionShots[0].size(), 3u);
    MarkShotRemoved(aimed);
    RemoveMarkedShots();
    EXPECT_EQ(u.ShotLinks.size(), 2u);
    EXPECT_TRUE(t.ShotLinks.empty());
    EXPECT_EQ(scene().FactionShots[0].size(), 2u);
}

TEST_F(ShotMotionTest, TheBlockTestLooksUnderCornersOrOnAGridForWideShots) {
    SetBlock(5, 5);
    cNpcChara& u = At(100, 200);
    struct Case {
        std::int8_t scale;
        double x, y;
        std::uint8_t passes;
        int hits;
    };
    // Cell (5, 5) covers pixels 160..191.
    for (const Case k : {Case{6, 120, 120, 0, 1}, Case{1, 140, 170, 0, 0}, Case{1, 150, 170, 0, 1},
                         Case{6, 120, 120, 1, 0}, Case{1, 40, 40, 0, 0}}) {
        cEdShot r = Record(0);
        r.cSize = k.scale;
        r.byOpt7 = k.passes;
        cShotObj& s = Fire(u, r);
        s.dX = k.x, s.dY = k.y;
        s.RecomputeX();
        s.RecomputeY();
        EXPECT_EQ(ShotHitsBlock(s), k.hits) << int(k.scale) << " at " << k.x << "," << k.y;
    }
}

TEST_F(ShotMotionTest, ASwordFollowsItsUserFrameByFrameAndHitsOnce) {
    cSwordType type;
    type.Entries.clear();
    cSwordTypeEntry e;
    e.nWidth = 24, e.nHeight = 8, e.nDuration = 1, e.nAnchor = 0;
    type.Entries.push_back(e);
    e.nAnchor = 2, e.nWidth = 8, e.nHeight = 24;
    type.Entries.push_back(e);
    Database.SwordType.resize(2);
    Database.SwordType[1] = type;

    cHeroChara& hero = AddHero(Def(), 2, 2);
    hero.nOffsetX = hero.nOffsetY = 0;
    hero.nWidth = hero.nScrWidth = hero.nHeight = hero.nScrHeight = 32;
    hero.dX = 100, hero.dY = 200, hero.nFacing = 1;
    hero.RecomputeX();
    hero.RecomputeY();
    cEdChara d = Def(10);
    d.Faction = 1;
    cNpcChara& enemy = AddNpc(d, 2, 2);
    enemy.dX = 140, enemy.dY = 200;
    enemy.RecomputeX();
    enemy.RecomputeY();

    cShotObj& sword = scene().LiveShots.emplace_back();
    sword.Shot.cMotion = 1; // sword type 1
    sword.Shot.nPower = 3;
    SHOTSPAWN none;
    SetupShotObj(sword, hero, kCmdSword, none, 99);
    scene().FactionShots[sword.nGroup].push_back(&sword);
    EXPECT_EQ(sword.bMoving, 0);

    // Frame entry 0: in front of the hero's right edge, centred on its middle.
    EXPECT_EQ(StepShot(sword), 0);
    EXPECT_EQ(sword.dX, 132);
    EXPECT_EQ(sword.dY, 212);
    EXPECT_EQ(sword.nWidth, 24);
    cNoEnd end;
    cVector<std::int32_t> steps;
    const std::int32_t hp = enemy.hp;
    GroupCollisions(end, steps);
    EXPECT_LT(enemy.hp, hp);
    const std::int32_t afterHit = enemy.hp;
    enemy.nInvincible = 0;
    GroupCollisions(end, steps);
    EXPECT_EQ(enemy.hp, afterHit); // a sword hits each character once

    // An entry of a tenth of a second lasts 7 sub-steps; then entry 1 stands
    // above the hero, and after its own 7 the sword ends.
    for (int i = 0; i < 7; ++i) EXPECT_EQ(StepShot(sword), 0);
    EXPECT_EQ(sword.dX, 112);
    EXPECT_EQ(sword.dY, 176);
    int ended = 0;
    int taken = 1;
    for (; taken < 10 && !ended; ++taken) ended = StepShot(sword);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(taken, 7);
}

TEST_F(ShotMotionTest, ASwordWhoseUserIsGoneOrWhoseTypeHasNoFramesEnds) {
    Database.SwordType.resize(1);
    Database.SwordType[0].Entries.clear();
    cNpcChara& u = At(100, 200);
    cShotObj sword;
    SHOTSPAWN none;
    SetupShotObj(sword, u, kCmdSword, none, 5);
    EXPECT_EQ(SwordStep(sword), 1);
    sword.Motion.nUserId = 12345;
    EXPECT_EQ(SwordStep(sword), 1);
}

} // namespace
