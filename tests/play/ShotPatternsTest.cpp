// The firing patterns: where each object of a volley starts and where it
// flies, recorded from the pattern's spawn calls.
#include "play/ShotPatterns.h"
#include "fixtures/PlayWorld.h"
#include "records/EdShot.h"

#include <cmath>
#include <vector>

namespace {

struct Spawned {
    std::int32_t x, y;
    double vx, vy;
    std::int32_t volley;
};

class cRecordingSink : public cSpawnSink {
public:
    void Spawn(const SHOTSPAWN& sp) override {
        spawned.push_back({sp.nX, sp.nY, sp.dVX, sp.dVY, sp.sVolley});
    }
    std::vector<Spawned> spawned;
};

// The angle of a velocity in the patterns' sense (0 left, 90 up, 180 right, 270 down).
double AngleOf(const Spawned& s) {
    double a = std::atan2(-s.vy, -s.vx) * 180 / 3.14159265358979323846;
    if (a < 0) a += 360;
    return a;
}

class ShotPatternsTest : public PlayTest {
protected:
    // A user whose screen rectangle is w x h at (left, top), facing `facing`.
    cNpcChara& User(std::int32_t left, std::int32_t top, std::int32_t w = 32, std::int32_t h = 32,
                    std::int32_t facing = 1) {
        cNpcChara& c = AddNpc(Def(), 2, 2);
        c.nOffsetX = c.nOffsetY = 0;
        c.nWidth = c.nScrWidth = w;
        c.nHeight = c.nScrHeight = h;
        c.dX = left + scene().ScrollX.dPos;
        c.dY = top + scene().ScrollY.dPos;
        c.nFacing = facing;
        c.RecomputeX();
        c.RecomputeY();
        return c;
    }
    static cEdShot Record(std::int8_t pattern, std::int8_t count, std::int8_t dir, std::int16_t speed = 40) {
        cEdShot r;
        r.cFormation = pattern;
        r.cCount = count;
        r.cDirCode = dir;
        r.sSpeed = speed;
        r.bMirrorAngle = 0;
        r.bMirrorX = 0;
        return r;
    }
    std::vector<Spawned> Fire(cChara& user, const cEdShot& r) {
        cRecordingSink sink;
        FireVolleys(user, r, sink);
        return sink.spawned;
    }
};

TEST_F(ShotPatternsTest, DirectionCodesTurnWithTheFacingAndCodesOutsideTheTableFireNothing) {
    struct Case {
        std::int8_t code;
        std::int32_t facing, index;
    };
    for (const Case k : {Case{0, 1, 3}, Case{0, 0, 2}, Case{1, 1, 2}, Case{1, 0, 3}, Case{4, 1, 7},
                         Case{4, 0, 6}, Case{5, 1, 6}, Case{5, 0, 7}, Case{9, 0, 9}, Case{11, 1, 11},
                         Case{13, 1, -1}, Case{-1, 1, -1}, Case{100, 0, -1}}) {
        cNpcChara& u = User(100, 100, 32, 32, k.facing);
        EXPECT_EQ(DirectionIndex(k.code, u), k.index) << int(k.code) << " facing " << k.facing;
        if (k.index < 0) {
            EXPECT_TRUE(Fire(u, Record(4, 3, k.code)).empty()) << int(k.code);
        }
    }
}

TEST_F(ShotPatternsTest, VolleysRunCountPlusOneTimesAndACountOfZeroFiresNothing) {
    cNpcChara& u = User(100, 100);
    cEdShot r = Record(4, 2, 0);
    r.cClonePerShot = 0;
    EXPECT_EQ(Fire(u, r).size(), 2u);
    r.cClonePerShot = 2;
    r.sSpeedAdd = 10;
    const std::vector<Spawned> s = Fire(u, r);
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[5].volley, 2);
    EXPECT_NEAR(std::hypot(s[5].vx, s[5].vy), 4.0 + 2 * 1.0, 1e-9); // speed step per volley
    r.cClonePerShot = -1;
    EXPECT_TRUE(Fire(u, r).empty());
    for (std::int8_t pattern = 0; pattern < 6; ++pattern) {
        cEdShot none = Record(pattern, 0, 0);
        none.byOpt1 = 2;
        none.sFormation[1] = 3;
        EXPECT_TRUE(Fire(u, none).empty()) << int(pattern);
    }
    EXPECT_TRUE(Fire(u, Record(6, 3, 0)).empty());
    EXPECT_TRUE(Fire(u, Record(-1, 3, 0)).empty());
}

TEST_F(ShotPatternsTest, FansSpreadSymmetricallyAndStartBesideTheUser) {
    // A 32 x 32 user centred at (100, 100), 16 x 16 shots.
    struct Case {
        std::int8_t dir, count;
        std::int16_t spacing;
        std::int32_t x, y;
        std::vector<double> angles;
    };
    const Case cases[] = {
        {3, 1, 0, 116, 92, {180}}, {3, 2, 10, 116, 92, {175, 185}}, {2, 3, 20, 69, 92, {340, 0, 20}},
        {8, 1, 0, 75, 75, {45}},   {11, 1, 0, 108, 108, {225}},     {6, 1, 0, 92, 68, {90}},
    };
    for (const Case& k : cases) {
        cNpcChara& u = User(84, 84);
        cEdShot r = Record(2, k.count, k.dir);
        r.sFormation[0] = k.spacing;
        const std::vector<Spawned> s = Fire(u, r);
        ASSERT_EQ(s.size(), k.angles.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            EXPECT_EQ(s[i].x, k.x) << int(k.dir);
            EXPECT_EQ(s[i].y, k.y) << int(k.dir);
            EXPECT_NEAR(std::fmod(AngleOf(s[i]) + 360, 360), std::fmod(k.angles[i] + 360, 360), 1e-6)
                << int(k.dir) << " #" << i;
            EXPECT_NEAR(std::hypot(s[i].vx, s[i].vy), 4.0, 1e-9);
        }
    }
}

TEST_F(ShotPatternsTest, RingsGoRoundFromTheDirectionAndTheMirrorTurnsTheAngle) {
    cNpcChara& u = User(84, 84);
    const std::vector<Spawned> ring = Fire(u, Record(4, 4, 3));
    ASSERT_EQ(ring.size(), 4u);
    const double want[4][2] = {{4, 0}, {0, 4}, {-4, 0}, {0, -4}}; // right, down, left, up
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ring[i].x, 92);
        EXPECT_EQ(ring[i].y, 92);
        EXPECT_NEAR(ring[i].vx, want[i][0], 1e-9);
        EXPECT_NEAR(ring[i].vy, want[i][1], 1e-9);
    }
    // The mirror flag with angle 30, from the left direction (angle 0).
    for (const std::int32_t facing : {1, 0}) {
        cNpcChara& m = User(84, 84, 32, 32, facing);
        cEdShot r = Record(4, 1, 2);
        r.sAngleOfs = 30;
        r.bMirrorAngle = 1;
        const std::vector<Spawned> s = Fire(m, r);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_NEAR(AngleOf(s[0]), facing == 1 ? 330 : 30, 1e-6);
    }
}

TEST_F(ShotPatternsTest, RowsAndColumnsLayTheirObjectsOutBesideTheUser) {
    struct Case {
        std::int8_t pattern, dir;
        std::int32_t facing;
        std::vector<std::pair<std::int32_t, std::int32_t>> at;
        double vx, vy;
    };
    // A 32 x 32 user at (84, 84), three 16 x 16 objects with a gap of 16.
    const Case cases[] = {
        {0, 3, 1, {{116, 60}, {116, 92}, {116, 124}}, 4, 0},
        {0, 2, 1, {{69, 60}, {69, 92}, {69, 124}}, -4, 0},
        {0, 6, 1, {{60, 68}, {92, 68}, {124, 68}}, 0, -4},
        {0, 7, 1, {{60, 116}, {92, 116}, {124, 116}}, 0, 4},
        {1, 3, 1, {{116, 100}, {116, 68}, {116, 36}}, 4, 0},
        {1, 6, 0, {{69, 100}, {69, 68}, {69, 36}}, 0, -4},
        {1, 6, 1, {{116, 100}, {116, 68}, {116, 36}}, 0, -4},
    };
    for (const Case& k : cases) {
        cNpcChara& u = User(84, 84, 32, 32, k.facing);
        cEdShot r = Record(k.pattern, 3, k.dir);
        r.sFormation[0] = 1;
        const std::vector<Spawned> s = Fire(u, r);
        ASSERT_EQ(s.size(), k.at.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            EXPECT_EQ(s[i].x, k.at[i].first) << int(k.pattern) << "/" << int(k.dir) << " #" << i;
            EXPECT_EQ(s[i].y, k.at[i].second) << int(k.pattern) << "/" << int(k.dir) << " #" << i;
            EXPECT_NEAR(s[i].vx, k.vx, 1e-9);
            EXPECT_NEAR(s[i].vy, k.vy, 1e-9);
        }
    }
}

TEST_F(ShotPatternsTest, AimedFireWithoutATargetGoesStraightAhead) {
    for (const std::int32_t facing : {1, 0}) {
        cNpcChara& u = User(84, 84, 32, 32, facing);
        cEdShot r = Record(2, 1, 6); // up, but aimed
        r.byOpt3 = 1;
        const std::vector<Spawned> s = Fire(u, r);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_NEAR(s[0].vx, facing == 1 ? 4 : -4, 1e-9);
        EXPECT_NEAR(s[0].vy, 0, 1e-9);
    }
    // With a target below-right the fan turns to it.
    cNpcChara& u = User(84, 84);
    cNpcChara& t = User(284, 284);
    u.SetTarget(0, &t);
    cEdShot r = Record(2, 1, 6);
    r.byOpt3 = 1;
    const std::vector<Spawned> s = Fire(u, r);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_GT(s[0].vx, 0);
    EXPECT_GT(s[0].vy, 0);
}

TEST_F(ShotPatternsTest, SweepsStartAtTheRearScreenEdgeOnTheLineThroughTheOrigin) {
    scene().ScrollX.dPos = 100;
    scene().ScrollY.dPos = 50;
    struct Case {
        std::int16_t spacing;
        std::int32_t gapSwitch;
        std::int32_t secondColumnX;
    };
    for (const Case k : {Case{0, 0, 608}, Case{1, 0, 592}, Case{1, 1, 608}}) {
        SystemData.bShotSwitch = k.gapSwitch;
        cNpcChara& u = User(300, 184); // centred at screen y 200
        cEdShot r = Record(3, 2, 2);
        r.byOpt1 = 2; // the user is the origin
        r.sFormation[0] = k.spacing;
        r.sFormation[1] = 3;
        r.sFormation[2] = 2;
        const std::vector<Spawned> s = Fire(u, r);
        ASSERT_EQ(s.size(), 6u);
        const std::int32_t ys[3] = {160, 192, 224};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(s[i].x, 100 + 624);
            EXPECT_EQ(s[i].y, 50 + ys[i]);
            EXPECT_EQ(s[3 + i].x, 100 + k.secondColumnX) << k.spacing << " " << k.gapSwitch;
            EXPECT_EQ(s[3 + i].y, 50 + ys[i]);
            EXPECT_NEAR(s[i].vx, -4, 1e-9);
        }
    }
    SystemData.bShotSwitch = 0;
    // Up-left from the screen centre: the bottom edge is nearer.
    cNpcChara& c = User(304, 224);
    cEdShot r = Record(3, 1, 8);
    r.byOpt1 = 2;
    r.sFormation[1] = 1;
    std::vector<Spawned> s = Fire(c, r);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].x, 100 + 560 - 16);
    EXPECT_EQ(s[0].y, 50 + 480 - 16);
    // An angle offset turns only the velocity.
    r.sAngleOfs = 90;
    s = Fire(c, r);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].x, 100 + 560 - 16);
    EXPECT_NEAR(AngleOf(s[0]), 135, 1e-6);
}

TEST_F(ShotPatternsTest, PatternsNeedingAnOriginSpawnNothingWithoutOne) {
    cNpcChara& u = User(84, 84);
    for (const std::int8_t pattern : {3, 5})
        for (const std::uint8_t origin : {0, 3, 200}) {
            cEdShot r = Record(pattern, 2, 3);
            r.byOpt1 = origin;
            r.sFormation[0] = 2;
            r.sFormation[1] = 2;
            EXPECT_TRUE(Fire(u, r).empty()) << int(pattern) << " origin " << int(origin);
        }
}

TEST_F(ShotPatternsTest, AConvergingRingStandsOnACircleAndFliesToItsCentre) {
    cNpcChara& u = User(84, 84);
    cEdShot r = Record(5, 4, 2);
    r.byOpt1 = 2;
    r.sFormation[0] = 2; // radius 32
    const std::vector<Spawned> s = Fire(u, r);
    ASSERT_EQ(s.size(), 4u);
    // Offsets of 32 x cos and sin, each + 0.5 cut toward zero: -31.5 gives -31.
    const std::int32_t at[4][2] = {{124, 92}, {92, 124}, {61, 92}, {92, 61}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s[i].x, at[i][0]) << i;
        EXPECT_EQ(s[i].y, at[i][1]) << i;
        // Each flies toward the centre (92, 92).
        const double dx = 92 - s[i].x, dy = 92 - s[i].y;
        EXPECT_NEAR(s[i].vx * dy - s[i].vy * dx, 0, 1e-6) << i;
        EXPECT_GT(s[i].vx * dx + s[i].vy * dy, 0) << i;
    }
}

} // namespace
