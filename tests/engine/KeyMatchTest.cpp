// Command inputs: key-condition sequences against scripted input, for both
// facings, and the edge and while-held modes of a flow.
#include "fixtures/EngineHarness.h"

#include "engine/KeyMatchCore.h"

#include <string>

namespace {

using KeyMatch = EngineTest;

// Direction entries of the press histories and the first button's entry.
enum : int { kNeutral = 0, kLeft = 1, kRight = 2, kUp = 3, kDown = 4, kDownLeft = 6, kDownRight = 8 };
constexpr int kButton1 = kKeyDirEntries + 1;

cEdKeyCond Pressed(std::initializer_list<int> entries, std::int8_t combine = KEYS_ALL) {
    cEdKeyCond k;
    k.cCombine = combine;
    k.sValue1 = 1;
    k.sValue2 = 30;
    k.byOpt1 = 1; // mirrors for a character facing left
    k.KeyStates.assign(kKeyEntries, KEY_ANY);
    for (int e : entries) k.KeyStates[static_cast<std::size_t>(e)] = KEY_PRESSED;
    return k;
}

// One step of a script: held directions and buttons, for frames.
struct Step {
    WORD dir;
    WORD buttons;
    int frames;
};

constexpr WORD L = kDirLeft, R = kDirRight, U = kDirUp, D = kDirDown, B1 = 1;

struct SequenceCase {
    const char* name;
    std::vector<Step> script;
    int facing;
    bool matches;
};

// Down, down-forward, forward with the first button: forward is the way the
// character faces.
cEdFlow QuarterCircle() {
    cEdFlow f;
    f.cTrigger = 22;
    f.bySet5 = 3; // may skip 3 frames between two conditions
    f.bySet6 = 1; // tested while held (no edge)
    f.vKeyCond = {Pressed({kDown}), Pressed({kDownRight}), Pressed({kRight, kButton1})};
    return f;
}

class Sequences : public EngineTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(Sequences, QuarterCircleForward) {
    const SequenceCase& c = GetParam();
    cEdChara d = Def();
    d.Flows = {QuarterCircle()};
    cNpcChara& ch = AddNpc(d, 5, 5);
    ch.nFacing = c.facing;
    for (const Step& s : c.script) Hold(s.dir, s.buttons, s.frames);
    EXPECT_EQ(ch.MatchKeyConds(ch.Flows[0]), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sequences,
    ::testing::Values(
        SequenceCase{"FacingRight", {{D, 0, 3}, {D | R, 0, 2}, {R, B1, 1}}, 1, true},
        SequenceCase{"FacingLeftMirrored", {{D, 0, 3}, {D | L, 0, 2}, {L, B1, 1}}, 0, true},
        SequenceCase{"FacingLeftTheRightWayFails", {{D, 0, 3}, {D | R, 0, 2}, {R, B1, 1}}, 0, false},
        SequenceCase{"FacingRightTheLeftWayFails", {{D, 0, 3}, {D | L, 0, 2}, {L, B1, 1}}, 1, false},
        SequenceCase{"AShortGapIsAllowed", {{D, 0, 3}, {0, 0, 2}, {D | R, 0, 2}, {R, B1, 1}}, 1, true},
        SequenceCase{"ALongGapIsNot", {{D, 0, 3}, {0, 0, 6}, {D | R, 0, 2}, {R, B1, 1}}, 1, false},
        SequenceCase{"OutOfOrderFails", {{D | R, 0, 2}, {D, 0, 3}, {R, B1, 1}}, 1, false},
        SequenceCase{"MissingTheButtonFails", {{D, 0, 3}, {D | R, 0, 2}, {R, 0, 1}}, 1, false},
        SequenceCase{"HeldTooLongFails", {{D, 0, 3}, {D | R, 0, 40}, {R, B1, 1}}, 1, false},
        SequenceCase{"NothingPressedFails", {{0, 0, 5}}, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyMatch, CombinationModes) {
    Hold(R, B1, 2);
    cNpcChara& c = AddNpc(Def(), 5, 5);
    c.nFacing = 1;
    EXPECT_TRUE(c.TestKeyCondNow(Pressed({kRight, kButton1}, KEYS_ALL)));
    EXPECT_FALSE(c.TestKeyCondNow(Pressed({kRight, kUp}, KEYS_ALL)));
    EXPECT_TRUE(c.TestKeyCondNow(Pressed({kRight, kUp}, KEYS_ONE_OR_MORE)));
    EXPECT_FALSE(c.TestKeyCondNow(Pressed({kLeft, kUp}, KEYS_ONE_OR_MORE)));
    EXPECT_TRUE(c.TestKeyCondNow(Pressed({kRight, kUp}, KEYS_EXACTLY_ONE)));
    EXPECT_FALSE(c.TestKeyCondNow(Pressed({kRight, kButton1}, KEYS_EXACTLY_ONE)));
    cEdKeyCond released = Pressed({});
    released.KeyStates[kLeft] = KEY_RELEASED;
    EXPECT_TRUE(c.TestKeyCondNow(released));
    released.cCombine = 3; // no such mode
    EXPECT_FALSE(c.TestKeyCondNow(released));
}

TEST_F(KeyMatch, AnEdgeModeFlowStartsWhenItsKeysBecomeTrueNotWhileHeld) {
    cEdChara d = Def();
    cEdFlow f;
    f.cTrigger = 0;
    f.vKeyCond = {Pressed({kButton1})};
    cEdCommand wait;
    wait.cKind = 1;
    f.vCmd = {wait};
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    auto starts = [&] {
        c.ResetFlowMarks();
        c.TriggerFlows(0);
        const bool started = c.Flows[0].bRunning != 0;
        c.Flows[0].Stop(c);
        return started;
    };
    Hold(0, B1, 1);
    EXPECT_TRUE(starts());
    Hold(0, B1, 1);
    EXPECT_FALSE(starts()); // still held
    Hold(0, 0, 1);
    EXPECT_FALSE(starts());
    Hold(0, B1, 1);
    EXPECT_TRUE(starts());
    c.Flows[0].Def.bySet6 = 1; // while held
    Hold(0, B1, 1);
    EXPECT_TRUE(starts());
    EXPECT_EQ(c.Flows[0].bKeyMatched, 1);
}

TEST_F(KeyMatch, TheStartingInputIsSnapshot) {
    cEdChara d = Def();
    cEdFlow f = FlowOf(TIMING_DAMAGED, {1});
    d.Flows = {f};
    cNpcChara& c = AddNpc(d, 5, 5);
    Hold(D | L, 0, 1);
    c.TriggerFlows(TIMING_DAMAGED);
    EXPECT_EQ(c.Flows[0].nInputSnapshot, kDownLeft);
}

TEST_F(KeyMatch, ReleasingTheJumpEarlyCutsTheRise) {
    AddHero(Def(), 5, 12);
    for (int f = 0; f < 60; ++f) Frame();
    ASSERT_EQ(hero.IsOnGround(), 1);
    cFlow flow;
    flow.Def.vKeyCond = {Pressed({kButton1})};
    flow.Rebind();
    cEdCommand jump;
    jump.cKind = 10;
    jump.vParam = {1, 0, 4, 0, 0}; // held by the flow's last key condition
    cFlowCommand entry;
    entry.lpCmd = &jump;
    entry.dSpeed = hero.JumpSpeedFromHbl(4);
    entry.nWait = 10; // the hold limit
    scene().pCurFlow = &flow;
    auto step = [&] {
        hero.bJumpHandled = 0;
        hero.Jump(entry);
        hero.StepY();
    };
    Hold(0, B1, 1);
    step();
    EXPECT_EQ(hero.bJumping, 1);
    step();
    step();
    const double rising = hero.dVY;
    ASSERT_LT(rising, 0);
    Hold(0, 0, 1);
    hero.bJumpHandled = 0;
    hero.Jump(entry);
    EXPECT_DOUBLE_EQ(hero.dVY, 0.3 * rising);
    EXPECT_EQ(hero.bAirborne, 1);
    EXPECT_EQ(hero.nJumpHold, 0);
}

TEST_F(KeyMatch, HoldingPastTheLimitKeepsTheFullJump) {
    AddHero(Def(), 5, 12);
    for (int f = 0; f < 60; ++f) Frame();
    cFlow flow;
    flow.Def.vKeyCond = {Pressed({kButton1})};
    flow.Rebind();
    cEdCommand jump;
    jump.cKind = 10;
    jump.vParam = {1, 0, 4, 0, 0};
    cFlowCommand entry;
    entry.lpCmd = &jump;
    entry.dSpeed = hero.JumpSpeedFromHbl(4);
    entry.nWait = 3;
    scene().pCurFlow = &flow;
    Hold(0, B1, 1);
    for (int i = 0; i < 4; ++i) {
        hero.bJumpHandled = 0;
        hero.Jump(entry);
        hero.StepY();
    }
    EXPECT_EQ(hero.bJumpArmed, 0);
    const double rising = hero.dVY;
    Hold(0, 0, 1);
    hero.bJumpHandled = 0;
    hero.Jump(entry);
    EXPECT_EQ(hero.dVY, rising); // released after the limit: no cut
}

} // namespace
