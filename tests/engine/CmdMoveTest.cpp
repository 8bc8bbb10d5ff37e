// The movement commands run through the harness, traced sub-step by sub-step.
#include "fixtures/EngineHarness.h"

#include "engine/CmdMove.h"
#include "engine/Motion.h"
#include "project/Stage.h"
#include "records/EdCommand.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using CmdMove = EngineTest;

// A move command of the kind with a default move part, lasting `tenths`.
cEdCommand MoveCmd(int kind, std::int16_t tenths) {
    cEdCommand c;
    c.cKind = static_cast<std::int8_t>(kind);
    c.sWait = tenths;
    c.FixParams();
    ResetShared(c.pMove);
    c.pMove->byOpt2 = 0;
    return c;
}

cEdChara Walker(int facing, int flying, int fixedFacing = 1) {
    cEdChara d = EngineTest::Def();
    d.Facing = static_cast<std::uint8_t>(facing);
    d.Flying = static_cast<std::uint8_t>(flying);
    d.FixedFacing = static_cast<std::uint8_t>(fixedFacing);
    return d;
}

// A character running one flow of `cmd`, started at once.
cNpcChara& Runner(cEngineWorld& w, cEdChara d, const cEdCommand& cmd, int col, int row) {
    cEdFlow f;
    f.cTrigger = 22;
    f.vCmd = {cmd};
    d.Flows = {f};
    cNpcChara& c = w.AddNpc(d, col, row);
    c.UpdateScreenRect();
    c.Flows[0].Start(c);
    return c;
}

// The change of x and y over each of `n` sub-steps.
struct Step {
    double dx, dy;
    int facing;
};
std::vector<Step> Trace(cEngineWorld& w, cChara& c, int n) {
    std::vector<Step> out;
    for (int i = 0; i < n; ++i) {
        const double x = c.dX, y = c.dY;
        w.SubStep();
        c.UpdateScreenRect();
        out.push_back({c.dX - x, c.dY - y, c.nFacing});
    }
    return out;
}

} // namespace

TEST_F(CmdMove, StraightMoveByDirectionCodeAndAngle) {
    // Speed 10 tenths at two sub-steps per frame: 0.5 pixels per sub-step.
    const double s = 0.5, d = kInvSqrt2 * s;
    struct Case {
        int code, facing, flying, angle;
        double dx, dy;
    } cases[] = {
        {0, 0, 1, 0, -s, 0},  // forward while facing left
        {0, 1, 1, 0, s, 0},   // forward while facing right
        {1, 0, 1, 0, s, 0},   // backward
        {4, 1, 1, 0, 0, s},   // down while facing right
        {4, 0, 1, 0, 0, -s},  // up while facing left
        {9, 0, 1, 0, -d, d},  // diagonal, flying
        {9, 0, 0, 0, -d, 0},  // walking keeps only the horizontal part
        {2, 0, 1, 90, 0, -s}, // left turned by 90 degrees: up
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message()
                     << "code " << k.code << " facing " << k.facing << " flying " << k.flying);
        cEdCommand cmd = MoveCmd(2, 10);
        cmd.pMove->cMode2 = static_cast<std::int8_t>(k.code);
        cmd.pMove->sAngle = static_cast<std::int16_t>(k.angle);
        cmd.pMove->bMirrorAngle = 0;
        cNpcChara& c = Runner(*this, Walker(k.facing, k.flying), cmd, 8, 6 + k.flying);
        c.nFacing = k.facing;
        const std::vector<Step> t = Trace(*this, c, 3);
        for (const Step& st : t) {
            EXPECT_NEAR(st.dx, k.dx, 1e-9);
            if (k.flying) {
                EXPECT_NEAR(st.dy, k.dy, 1e-9);
            }
        }
        harness.state.CharaList.clear();
        harness.state.FactionCharas.At(0).clear();
    }
}

TEST_F(CmdMove, StraightMoveToAPointStopsOnArrivalWhateverItsWait) {
    cEdCommand cmd = MoveCmd(2, 100); // ten seconds
    cmd.pMove->cMode = 1;
    cmd.pMove->cCoordMode = 1; // relative to the character
    cmd.pMove->sTargetXDot = 3;
    cmd.pMove->byOpt2 = 1; // arrive and stop
    cmd.pMove->bMirrorX = 0;
    cNpcChara& c = Runner(*this, Walker(0, 1), cmd, 8, 6);
    const std::vector<Step> t = Trace(*this, c, 8);
    // 3 pixels at 0.5 a sub-step: six sub-steps of motion, then the flow is over.
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(t[static_cast<std::size_t>(i)].dx, 0.5, 1e-9) << i;
    EXPECT_NEAR(t[6].dx, 0, 1e-9);
    EXPECT_FALSE(c.Flows[0].bRunning);
}

TEST_F(CmdMove, GroundMoveTurnsAtALedgeAfterTheStepThatReachedIt) {
    struct Case {
        std::int16_t speed;
        int groundTurn;
        int facingAfter;
    } cases[] = {
        {10, 0, 0},  // a positive speed at a ledge on the right: faces left
        {-10, 0, 1}, // a negative speed keeps walking back onto the ground
        {-10, 1, 0}, // unless the ground-turn switch is on
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.speed);
        SystemData.bGroundTurn = k.groundTurn;
        harness.Build(20, 15);
        // A shelf of columns 5..8 on row 10; the character stands on its right end.
        for (int col = 5; col <= 8; ++col) harness.SetSolid(col, 10, true);
        cEdCommand cmd = MoveCmd(3, 100);
        cmd.pMove->sAmount = k.speed;
        cNpcChara& c = Runner(*this, Walker(1, 0), cmd, 8, 9);
        c.nFacing = 1;
        c.dX += 10; // now over the edge: columns 8 and 9 under it
        c.RecomputeX();
        const std::vector<Step> t = Trace(*this, c, 2);
        const double f = 1, s = k.speed * 0.1 / 2;
        EXPECT_NEAR(t[0].dx, f * s, 1e-9); // the step that finds the ledge still goes on
        EXPECT_EQ(t[0].facing, k.facingAfter);
        harness.state.CharaList.clear();
        harness.state.FactionCharas.At(0).clear();
    }
}

namespace {

// Records every cell the block grid is asked about.
class cProbeScene : public cHarnessScene {
public:
    explicit cProbeScene(cHarnessScene& world) : world_(world) {}
    cSceneState& State() override { return world_.state; }
    int IsBlockSolid(std::int32_t cell, std::int32_t mode) override {
        cells.push_back(cell);
        return world_.IsBlockSolid(cell, mode);
    }
    std::vector<std::int32_t> cells;

private:
    cHarnessScene& world_;
};

} // namespace

TEST_F(CmdMove, GroundMoveProbeStaysInsideTheGrid) {
    // A character standing below the map's last row and past its last column
    // probes the last row and column, never a cell outside the grid.
    cProbeScene probe(harness);
    cScopedEngineScene guard2(probe);
    cEdCommand cmd = MoveCmd(3, 10);
    cNpcChara& c = Runner(*this, Walker(0, 0), cmd, 5, 5);
    c.dY = 15 * 32 + 40;
    c.dX = 20 * 32 + 50;
    c.RecomputeX();
    c.RecomputeY();
    cFlowCommand& e = c.Flows[0].Commands[0];
    e.Prepare(c);
    CmdGroundTurnMove(c, e);
    ASSERT_FALSE(probe.cells.empty());
    const std::int32_t last = ((15 - 1) << harness.state.nGridPitch) + 20 - 1;
    for (std::int32_t cell : probe.cells) EXPECT_EQ(cell, last);
}

TEST_F(CmdMove, GroundMoveStoppedByAnObjectTurnsBackAtOnce) {
    cEdCommand cmd = MoveCmd(3, 100);
    cEdChara d = Walker(1, 0);
    cNpcChara& c = Runner(*this, d, cmd, 8, 13);
    c.nFacing = 1;
    c.bObjectBump = 1;
    const std::vector<Step> t = Trace(*this, c, 2);
    EXPECT_NEAR(t[0].dx, -0.5, 1e-9);
    EXPECT_EQ(t[0].facing, 0);
    EXPECT_EQ(c.bObjectBump, 0);
    EXPECT_NEAR(t[1].dx, -0.5, 1e-9); // facing left now: on it goes left
}

TEST_F(CmdMove, ChargeAimsOnceAndStandsStillWithoutATarget) {
    // A walker whose centre x equals its goal x runs left.
    cEdCommand cmd = MoveCmd(5, 100);
    cmd.pMove->byOpt12 = 1; // target 2
    cNpcChara& target = AddNpc(Walker(0, 0), 12, 13);
    target.UpdateScreenRect();
    cNpcChara& c = Runner(*this, Walker(0, 0), cmd, 12, 13);
    c.SetTarget(1, &target);
    std::vector<Step> t = Trace(*this, c, 2);
    EXPECT_NEAR(t[0].dx, -0.5, 1e-9);
    EXPECT_NEAR(t[1].dx, -0.5, 1e-9);
    // With the slot empty on its first call the charge stands still throughout.
    cNpcChara& idle = Runner(*this, Walker(0, 0), cmd, 5, 13);
    const std::vector<Step> u = Trace(*this, idle, 4);
    for (const Step& st : u) EXPECT_EQ(st.dx, 0);
    // A flying charge heads for the target's centre.
    cNpcChara& flyer = Runner(*this, Walker(0, 1), cmd, 4, 5);
    flyer.SetTarget(1, &target);
    const std::vector<Step> v = Trace(*this, flyer, 1);
    EXPECT_GT(v[0].dx, 0);
    EXPECT_GT(v[0].dy, 0);
    EXPECT_NEAR(std::hypot(v[0].dx, v[0].dy), 0.5, 1e-9);
}

TEST_F(CmdMove, HomingAimsEveryHSubStepsAndWaitsWithoutATarget) {
    Stage.SetLevel(1); // one sub-step a frame: homing value 2 is 2 sub-steps
    cEdCommand cmd = MoveCmd(6, 100);
    cmd.pMove->sHoming = 2;
    cmd.pMove->byOpt12 = 1;
    cNpcChara& target = AddNpc(Walker(0, 1), 14, 5);
    target.UpdateScreenRect();
    cNpcChara& c = Runner(*this, Walker(0, 1), cmd, 4, 5);
    // No target: neither moves nor counts.
    Trace(*this, c, 3);
    EXPECT_EQ(c.Flows[0].Commands[0].nPhase, 0);
    c.SetTarget(1, &target);
    // The target jumps below: the homer keeps heading right until call 2,
    // when it aims at where the target stood at call 0.
    std::vector<Step> t = Trace(*this, c, 1);
    target.dY += 96;
    target.RecomputeY();
    target.UpdateScreenRect();
    const std::vector<Step> more = Trace(*this, c, 4);
    t.insert(t.end(), more.begin(), more.end());
    EXPECT_NEAR(t[0].dy, 0, 1e-9);
    EXPECT_NEAR(t[1].dy, 0, 1e-9);
    EXPECT_NEAR(t[2].dy, 0, 1e-9); // call 2 aims at the point recorded at call 0
    EXPECT_NEAR(t[3].dy, 0, 1e-9);
    EXPECT_GT(t[4].dy, 0); // call 4 aims at the point of call 2: below
}

TEST_F(CmdMove, AvoidOffscreenPushesBackOnlyFromTheFarEdge) {
    harness.Build(40, 15); // wider than the view
    cEdCommand cmd = MoveCmd(7, 100);
    cmd.pMove->cMode2 = 2; // left part
    for (int left : {600, 608, 609, 620}) {
        cNpcChara& c = Runner(*this, Walker(0, 1), cmd, 5, 5);
        c.dX = left + c.nOffsetX;
        c.RecomputeX();
        c.UpdateScreenRect();
        const std::vector<Step> t = Trace(*this, c, 1);
        EXPECT_NEAR(t[0].dx, left > 608 ? -0.5 : 0, 1e-9) << left;
    }
}

TEST_F(CmdMove, TurnFacesTargetsAndBlockSidesAndKeepsFacingWithoutATarget) {
    cNpcChara& right = AddNpc(Walker(0, 0), 15, 13);
    right.UpdateScreenRect();
    struct Case {
        int mode, blockSide, start, expected;
        bool withTarget;
    } cases[] = {
        {0, -1, 1, 0, false}, {1, -1, 0, 1, false}, {4, -1, 0, 1, true},  {5, -1, 1, 0, true},
        {4, -1, 0, 0, false}, {10, 1, 0, 1, false}, {11, 1, 1, 0, false}, {10, -1, 1, 1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.mode);
        cEdCommand cmd;
        cmd.cKind = 9;
        cmd.sWait = 1;
        cmd.FixParams();
        cmd.vParam[0] = k.mode;
        cNpcChara& c = Runner(*this, Walker(0, 0), cmd, 5, 13);
        c.nFacing = k.start;
        c.nBlockHitSide = k.blockSide;
        if (k.withTarget) c.SetTarget(1, &right);
        SubStep();
        EXPECT_EQ(c.nFacing, k.expected);
    }
}

TEST_F(CmdMove, CancelClearsEverySpeed) {
    cEdCommand cmd;
    cmd.cKind = 8;
    cmd.FixParams();
    cNpcChara& c = Runner(*this, Walker(0, 1), cmd, 5, 5);
    c.dOwnVX = 2;
    c.dKnockVY = -3;
    SubStep();
    EXPECT_EQ(c.dOwnVX, 0);
    EXPECT_EQ(c.dKnockVY, 0);
    EXPECT_EQ(c.bMoveCancelled, 1);
}

TEST_F(CmdMove, CircleMoveComesBackToItsStartAfterAFullTurn) {
    Stage.SetLevel(1);
    cEdCommand cmd = MoveCmd(4, 10); // one tenth: 6 sub-steps
    cmd.pMove->sDist = 2;            // radius 2 half-blocks = 32 pixels
    cmd.pMove->sAngle = 0;
    cmd.pMove->sTargetXDot = 360; // end angle
    cNpcChara& c = Runner(*this, Walker(0, 1), cmd, 8, 6);
    const double x0 = c.dX, y0 = c.dY;
    double far = 0;
    for (int i = 0; i < 6 * 10; ++i) {
        SubStep();
        far = std::max(far, std::hypot(c.dX - x0, c.dY - y0));
    }
    EXPECT_NEAR(far, 64, 4); // the diameter
    EXPECT_NEAR(c.dX, x0, 4);
    EXPECT_NEAR(c.dY, y0, 4);
}
