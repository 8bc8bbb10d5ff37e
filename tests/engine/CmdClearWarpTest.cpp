#include "engine/CmdClear.h"
#include "fixtures/CommandKit.h"
#include "project/WorldMap.h"

#include <cmath>

namespace {

class StageClearCommand : public CommandTest {
protected:
    ~StageClearCommand() override { WorldMap = savedMap; }
    int Clear(std::initializer_list<std::int32_t> params, const std::string& text = "") {
        cEdCommand cmd = Command(17, params);
        cmd.strText = text;
        cNpcChara& c = AddNpc(Def(), 3, 3);
        return RunOnce(c, cmd);
    }
    cWorldMap savedMap = WorldMap;
};

TEST_F(StageClearCommand, WherePlayGoesNext) {
    struct Case {
        std::int32_t where, number;
        const char* text;
        std::int32_t nextStage;
        const char* nextFile;
    };
    const Case cases[] = {
        {0, 0, "", 4, ""},                                      // the next stage by number
        {1, 7, "", 7, ""},                                      // a stage by number
        {2, 0, "data\\stg4\\b.stg4_818", 3, "data\\stg4\\b."}, // a stage file, without its extension
        {2, 0, "data\\stg4\\b.", 3, "data\\stg4\\b."},         // the same name once more
        {2, 0, "", 0, ""},          // no file named: no next stage, as after a failed load
        {3, 0, "", 0, ""},          // the world is cleared
        {9, 0, "", 55, "untouched"}, // an unknown target writes nothing
    };
    for (const Case& k : cases) {
        PlayData.nStageNumber = 3;
        scene().nNextStage = 55;
        scene().strNextStage = "untouched";
        scene().nEndState = 0;
        EXPECT_EQ(Clear({k.where, k.number}, k.text), 1);
        EXPECT_EQ(scene().nNextStage, k.nextStage) << k.where << " " << k.text;
        EXPECT_EQ(scene().strNextStage, k.nextFile) << k.where << " " << k.text;
        EXPECT_EQ(scene().nEndState, 1);
    }
}

TEST_F(StageClearCommand, WorldMapPositionKeptOnTheMap) {
    struct Case {
        std::int32_t width, height, x, y, wantX, wantY;
    };
    for (const Case k : {Case{20, 15, 999, 5, 19, 5}, Case{20, 15, 3, 15, 3, 14}, Case{0, 0, 4, 2, 0, 0}}) {
        WorldMap.nWidth = k.width;
        WorldMap.nHeight = k.height;
        PlayData.nMapFacing = 3;
        Clear({0, 0, 1, k.x, k.y});
        EXPECT_EQ(PlayData.nMapX, k.wantX) << k.width;
        EXPECT_EQ(PlayData.nMapY, k.wantY) << k.width;
        EXPECT_EQ(PlayData.nMapFacing, 0);
    }
    PlayData.nMapX = 7;
    Clear({0, 0, 0, 999, 999});
    EXPECT_EQ(PlayData.nMapX, 7); // the switch off leaves the position
}

TEST_F(StageClearCommand, StartPositionOfTheNextStage) {
    cHeroChara& h = AddHero(Def(), 2, 2);
    h.nFacing = 1;
    Clear({0, 0, 0, 0, 0, 1, 12, 4, 2});
    EXPECT_EQ(PlayData.bRestart, 1);
    EXPECT_EQ(PlayData.nRestartCol, 12);
    EXPECT_EQ(PlayData.nRestartRow, 4);
    EXPECT_EQ(PlayData.nRestartFacing, 1); // the hero's facing at the clear
    Clear({0, 0, 0, 0, 0, 1, 12, 4, 0});
    EXPECT_EQ(PlayData.nRestartFacing, 0);
    Clear({0, 0, 0, 0, 0, 0, 12, 4, 0});
    EXPECT_EQ(PlayData.bRestart, 0);
}

class WarpCommand : public CommandTest {
protected:
    static cEdCommand Warp(std::int8_t mode, std::int8_t dir, std::int16_t dist) {
        cEdCommand c = Command(20, {});
        ResetShared(c.pMove);
        c.pMove->cMode = mode;
        c.pMove->cMode2 = dir;
        c.pMove->sDist = dist;
        c.pMove->bDotUnit = 1; // the warp counts half-blocks all the same
        return c;
    }
};

TEST_F(WarpCommand, ByDirectionAndDistanceFromItself) {
    const double d = 32 / std::sqrt(2.0);
    struct Case {
        std::int8_t dir;
        std::int32_t facing;
        std::int16_t dist;
        double dx, dy;
    };
    const Case cases[] = {
        {0, 1, 4, 64, 0},  {0, 0, 4, -64, 0}, {1, 1, 4, -64, 0}, {4, 1, 2, 0, 32},  {4, 0, 2, 0, -32},
        {5, 1, 2, 0, -32}, {10, 1, 2, d, -d}, {9, 0, 2, -d, d},  {13, 1, 4, 0, 0},
    };
    SystemData.bWarp = 0;
    for (const Case& k : cases) {
        cNpcChara& c = AddNpc(Def(), 8, 6);
        c.nFacing = k.facing;
        c.dVY = 3;
        const double x = c.dX, y = c.dY;
        cEdCommand cmd = Warp(0, k.dir, k.dist);
        RunOnce(c, cmd);
        EXPECT_DOUBLE_EQ(c.dX - x, k.dx) << int(k.dir);
        EXPECT_DOUBLE_EQ(c.dY - y, k.dy) << int(k.dir);
        EXPECT_DOUBLE_EQ(c.dRight - c.dX, c.nWidth - 1);
        EXPECT_EQ(c.dVY, 0); // a walking character that warped stops falling
    }
}

TEST_F(WarpCommand, FromATargetByTheTargetsFacing) {
    cNpcChara& t = AddNpc(Def(), 10, 4);
    cNpcChara& c = AddNpc(Def(), 3, 6);
    t.nFacing = 0;
    c.nFacing = 1;
    t.UpdateScreenRect();
    c.SetTarget(1, &t);
    cEdCommand cmd = Warp(2, 0, 4);
    RunOnce(c, cmd);
    EXPECT_DOUBLE_EQ(c.dX, t.dX - 64); // forward for the target, which faces left
    EXPECT_DOUBLE_EQ(c.dY, t.dY);
    cEdCommand none = Warp(3, 0, 4); // target slot 3 is empty
    const double x = c.dX;
    RunOnce(c, none);
    EXPECT_EQ(c.dX, x);
}

TEST_F(WarpCommand, ToScreenCoordinatesCountsFromTheScrollPosition) {
    scene().ScrollX.dPos = 32;
    scene().ScrollY.dPos = 16;
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cEdCommand cmd = Warp(5, 0, 0);
    cmd.pMove->cCoordMode = 2;
    RunOnce(c, cmd);
    EXPECT_DOUBLE_EQ(c.dX, c.nOffsetX + 32);
    EXPECT_DOUBLE_EQ(c.dY, c.nOffsetY + 16);
    cEdCommand rel = Warp(5, 0, 0);
    rel.pMove->sTargetXBl = 2;
    rel.pMove->sTargetXDot = 3;
    cNpcChara& m = AddNpc(Def(), 8, 5);
    m.nFacing = 1; // mirrored for a character facing right
    const double x = m.dX;
    RunOnce(m, rel);
    EXPECT_DOUBLE_EQ(m.dX, x - 67);
}

TEST_F(WarpCommand, AWarpOutOfTheStageOrIntoABlockedPlaceIsTakenBack) {
    for (int blocked : {0, 1}) {
        harness.placeBlocked = blocked;
        scene().StageBounds[0].right = blocked ? 639 : 200; // the stage ends short of the warp
        cNpcChara& c = AddNpc(Def(), 5, 5);
        c.nFacing = 1;
        const double x = c.dX, y = c.dY, r = c.dRight;
        c.dVY = 2;
        cEdCommand cmd = Warp(0, 0, 4);
        RunOnce(c, cmd);
        EXPECT_EQ(c.dX, x) << blocked;
        EXPECT_EQ(c.dY, y);
        EXPECT_EQ(c.dRight, r);
        EXPECT_EQ(c.dVY, 2);
    }
}

} // namespace
