// The command "ステータスの操作" and the status-value condition, by table, on
// characters of the engine harness.
#include "engine/StatusOps.h"

#include "engine/CondFields.h"
#include "engine/Dispatch.h"
#include "engine/Flow.h"
#include "fixtures/EngineHarness.h"
#include "graphics/RandRange.h"
#include "platform/Random.h"

#include <initializer_list>
#include <ostream>
#include <utility>

namespace {

// The runner, its first target and the hero, each with 100 hp of 100.
class StatusWorld : public EngineTest {
public:
    void SetUp() override {
        AddHero(Def(100), 2, 13);
        me = &AddNpc(Def(100), 5, 13);
        other = &AddNpc(Def(100), 8, 13);
        me->SetTarget(0, other);
        for (cChara* c :
             {static_cast<cChara*>(me), static_cast<cChara*>(other), static_cast<cChara*>(&hero)}) {
            c->hp = 100;
            c->Def.msp = 50;
            c->sp = 50;
        }
    }
    bool Asked(const std::string& request) const { return harness.Asked(request); }
    // Runs the command with its 18 parameters 0 but those given.
    int Run(std::initializer_list<std::pair<int, std::int32_t>> params) {
        cEdCommand command;
        command.cKind = 22;
        command.vParam.assign(18, 0);
        for (auto [n, v] : params) command.vParam[static_cast<std::size_t>(n)] = v;
        cFlowCommand entry;
        entry.lpCmd = &command;
        return DispatchCharaCommand(*me, entry);
    }
    cNpcChara* me = nullptr;
    cNpcChara* other = nullptr;
};

// Parameters: 0 variable, 1 scope, 2 index, 3 subject, 4 status, 5 operator, 6 value kind, 7 constant,
// 8 and 9 random bounds, 10 and 11 value variable, 12 value subject, 13 value status, 14 percent,
// 15 hp/sp mode, 16 gauge, 17 spare the invincible.
struct StatusOpCase {
    const char* name;
    std::initializer_list<std::pair<int, std::int32_t>> params;
    void (*prepare)(StatusWorld&);
    bool (*holds)(StatusWorld&);
};

std::ostream& operator<<(std::ostream& o, const StatusOpCase& c) {
    return o << c.name;
}

const StatusOpCase kStatusOps[] = {
    {"power multiplied past the top saturates",
     {{4, 9}, {5, 3}, {7, 999999}},
     [](StatusWorld& w) { w.me->Def.power = 999999; },
     [](StatusWorld& w) { return w.me->Def.power == 999999; }},
    {"power multiplied past the bottom saturates",
     {{4, 9}, {5, 3}, {7, -999999}},
     [](StatusWorld& w) { w.me->Def.power = 999999; },
     [](StatusWorld& w) { return w.me->Def.power == -999999; }},
    {"percent rounds half away from zero",
     {{4, 9}, {5, 6}, {7, -33}},
     [](StatusWorld& w) { w.me->Def.power = 150; },
     [](StatusWorld& w) { return w.me->Def.power == -50; }},
    {"the percent switch takes a percentage of the current value",
     {{4, 11}, {5, 1}, {7, 50}, {14, 1}},
     [](StatusWorld& w) { w.me->Def.def = 30; },
     [](StatusWorld& w) { return w.me->Def.def == 45; }},
    {"an 8-bit status takes the operand cut to 8 bits",
     {{4, 5}, {5, 1}, {7, 300}},
     [](StatusWorld& w) { w.me->Def.cid = 10; },
     [](StatusWorld& w) { return w.me->Def.cid == 54; }},
    {"dividing by 0 keeps the value but clamps it",
     {{4, 6}, {5, 4}, {7, 0}},
     [](StatusWorld& w) { w.me->Def.z = 9; },
     [](StatusWorld& w) { return w.me->Def.z == 7; }},
    {"a 16-bit status clamps to its range",
     {{4, 13}, {5, 1}, {7, 500}},
     nullptr,
     [](StatusWorld& w) { return w.me->Def.stop == 200 && w.me->dDecel == 200 * 0.1 / Stage.dSubSteps2; }},
    {"a character variable",
     {{4, 0}, {2, 3}, {5, 2}, {7, 4}},
     [](StatusWorld& w) { w.me->Vars[3] = 10; },
     [](StatusWorld& w) { return w.me->Vars[3] == 6; }},
    {"hp of a target set to 0 asks for the defeat check",
     {{3, 1}, {4, 1}, {7, 0}},
     nullptr,
     [](StatusWorld& w) { return w.other->hp == 0 && w.scene().nDefeatCheck == 1; }},
    {"hp of the runner set to 0 does not",
     {{4, 1}, {7, 0}},
     nullptr,
     [](StatusWorld& w) { return w.me->hp == 0 && w.scene().nDefeatCheck == 0; }},
    {"hp as a percentage of the maximum",
     {{4, 1}, {7, 30}, {15, 1}},
     nullptr,
     [](StatusWorld& w) { return w.me->hp == 30 && w.me->HpGauge.nFrames == 0; }},
    {"hp less a percentage of the current, with the gauge",
     {{4, 1}, {5, 2}, {7, 25}, {15, 2}, {16, 1}},
     [](StatusWorld& w) { w.me->hp = 40; },
     [](StatusWorld& w) { return w.me->hp == 30 && w.me->HpGauge.nFrames == 120; }},
    {"hp never beyond its maximum",
     {{4, 1}, {5, 1}, {7, 500}},
     nullptr,
     [](StatusWorld& w) { return w.me->hp == 100; }},
    {"an unknown hp mode changes nothing",
     {{4, 1}, {7, 5}, {15, 3}},
     nullptr,
     [](StatusWorld& w) { return w.me->hp == 100; }},
    {"sp through its own rule",
     {{4, 2}, {5, 2}, {7, 70}},
     nullptr,
     [](StatusWorld& w) { return w.me->sp == 0; }},
    {"a maximum below hp lowers hp",
     {{4, 3}, {7, 20}},
     nullptr,
     [](StatusWorld& w) { return w.me->Def.mhp == 20 && w.me->hp == 20; }},
    {"a maximum of hp stays at least 1",
     {{4, 3}, {5, 2}, {7, 1000}},
     nullptr,
     [](StatusWorld& w) { return w.me->Def.mhp == 1 && w.me->hp == 1; }},
    {"the invincible are spared when asked",
     {{3, 1}, {4, 1}, {7, 0}, {17, 1}},
     [](StatusWorld& w) { w.other->nInvincible = 5; },
     [](StatusWorld& w) { return w.other->hp == 100; }},
    {"sight of a computer character stays",
     {{4, 8}, {7, 5}},
     nullptr,
     [](StatusWorld& w) { return w.me->Def.sight == 0 && !w.Asked("sight mask"); }},
    {"sight of the hero rebuilds its darkness",
     {{3, 1}, {4, 8}, {7, 5}},
     [](StatusWorld& w) { w.me->SetTarget(0, &w.hero); },
     [](StatusWorld& w) {
         return w.hero.Def.sight == 5 && w.hero.nSightPixels == 80 && w.Asked("sight mask");
     }},
    {"a common variable",
     {{0, 1}, {2, 7}, {5, 1}, {7, 2000000}},
     nullptr,
     [](StatusWorld&) { return PlayData.CommonVars[7] == 999999; }},
    {"a stage variable by percent",
     {{0, 1}, {1, 1}, {2, 2}, {5, 0}, {7, 50}, {14, 1}},
     [](StatusWorld& w) { w.scene().StageVars[2] = 30; },
     [](StatusWorld& w) { return w.scene().StageVars[2] == 15; }},
    {"the stage time",
     {{3, 5}, {4, 0}, {5, 1}, {7, 2000}},
     nullptr,
     [](StatusWorld& w) { return w.scene().nStageTime == 999; }},
    {"an auto-scroll speed goes to the scrolling",
     {{3, 5}, {4, 2}, {7, -30}},
     [](StatusWorld&) { Stage.bAutoScrollY = 1; },
     [](StatusWorld& w) { return Stage.nAutoScrollSpeedY == -30 && w.Asked("auto scroll 1 1 -30"); }},
    {"unlimited lives stay",
     {{3, 5}, {4, 4}, {5, 2}, {7, 1}},
     [](StatusWorld&) { PlayData.nLives = kUnlimitedLives; },
     [](StatusWorld&) { return PlayData.nLives == kUnlimitedLives; }},
    {"the score is clamped",
     {{3, 5}, {4, 3}, {5, 1}, {7, 999999}},
     [](StatusWorld&) { PlayData.nScore = 5; },
     [](StatusWorld&) { return PlayData.nScore == 999999; }},
    {"a value from the target's status",
     {{4, 9}, {6, 2}, {12, 1}, {13, 11}},
     [](StatusWorld& w) { w.other->Def.def = 33; },
     [](StatusWorld& w) { return w.me->Def.power == 33; }},
    {"a value from a variable",
     {{4, 9}, {6, 3}, {10, 1}, {11, 4}},
     [](StatusWorld& w) { w.scene().StageVars[4] = -12; },
     [](StatusWorld& w) { return w.me->Def.power == -12; }},
    {"the stage time as a value reads 0 while the time flag is set",
     {{4, 9}, {6, 2}, {12, 5}, {13, 0}},
     [](StatusWorld& w) {
         w.me->Def.power = 5;
         w.scene().nStageTime = 10;
         w.scene().bTimeFlag = 1;
     },
     [](StatusWorld& w) { return w.me->Def.power == 0; }},
    {"a value from an empty target slot does nothing",
     {{4, 9}, {6, 2}, {12, 3}, {13, 9}},
     [](StatusWorld& w) { w.me->Def.power = 5; },
     [](StatusWorld& w) { return w.me->Def.power == 5; }},
    {"the sight of a computer character is no value",
     {{4, 9}, {6, 2}, {12, 1}, {13, 8}},
     [](StatusWorld& w) { w.me->Def.power = 5; },
     [](StatusWorld& w) { return w.me->Def.power == 5; }},
    {"a subject code past the system does nothing",
     {{3, 6}, {4, 9}, {7, 8}},
     [](StatusWorld& w) { w.me->Def.power = 5; },
     [](StatusWorld& w) { return w.me->Def.power == 5; }},
    {"an empty target slot does nothing",
     {{3, 2}, {4, 9}, {7, 8}},
     nullptr,
     [](StatusWorld& w) { return w.me->Def.power == 0; }},
};

class StatusOps : public StatusWorld, public ::testing::WithParamInterface<StatusOpCase> {};

TEST_P(StatusOps, CommandChangesTheStatus) {
    const StatusOpCase& c = GetParam();
    if (c.prepare) c.prepare(*this);
    EXPECT_EQ(Run(c.params), 0);
    EXPECT_TRUE(c.holds(*this));
}

INSTANTIATE_TEST_SUITE_P(Table, StatusOps, ::testing::ValuesIn(kStatusOps));

TEST_F(StatusWorld, ARandomValueComesFromTheGameGenerator) {
    GameSrand(3);
    const int roll = RandRange(2, 9);
    GameSrand(3);
    Run({{4, 9}, {6, 1}, {8, 9}, {9, 2}});
    EXPECT_EQ(me->Def.power, roll);
}

// The condition: what is tested, subject, status, operator, value and percent.
struct CondCase {
    const char* name;
    void (*build)(cCond&);
    void (*prepare)(StatusWorld&);
    bool holds;
};

std::ostream& operator<<(std::ostream& o, const CondCase& c) {
    return o << c.name;
}

cCond Condition(std::int8_t tested, std::int8_t subject, std::int8_t status, std::int8_t op,
                std::int32_t value) {
    cCond c;
    c.cKind = COND_STATUS_VALUE;
    c.cSel1 = tested;
    c.cSel3 = subject;
    c.cArg = status;
    c.cSel2 = op;
    c.nValue1 = value;
    return c;
}

const CondCase kConds[] = {
    {"hp at least half of its maximum", [](cCond& c) { c = Condition(0, 0, 1, 2, 50), c.bFlag1 = 1; },
     [](StatusWorld& w) { w.me->hp = 60; }, true},
    {"hp below half of its maximum", [](cCond& c) { c = Condition(0, 0, 1, 2, 50), c.bFlag1 = 1; },
     [](StatusWorld& w) { w.me->hp = 40; }, false},
    {"a percentage of anything but hp and sp compares with 0",
     [](cCond& c) { c = Condition(0, 0, 11, 4, 50), c.bFlag1 = 1; },
     [](StatusWorld& w) { w.me->Def.def = 1; }, true},
    {"a multiple of a right side of 0", [](cCond& c) { c = Condition(0, 0, 9, 6, 0); }, nullptr, true},
    {"not a multiple of a right side of 0", [](cCond& c) { c = Condition(0, 0, 9, 7, 0); }, nullptr, false},
    {"-6 is a multiple of 3", [](cCond& c) { c = Condition(0, 0, 9, 6, 3); },
     [](StatusWorld& w) { w.me->Def.power = -6; }, true},
    {"an 8-bit status compares in its width", [](cCond& c) { c = Condition(0, 0, 5, 0, 300); },
     [](StatusWorld& w) { w.me->Def.cid = 44; }, true},
    {"a target's status", [](cCond& c) { c = Condition(0, 1, 1, 5, 100); },
     [](StatusWorld& w) { w.other->hp = 99; }, true},
    {"an empty target slot", [](cCond& c) { c = Condition(0, 3, 1, 1, 100); }, nullptr, false},
    {"a common variable", [](cCond& c) { c = Condition(1, 0, 0, 0, 12), c.sValue = 9; },
     [](StatusWorld&) { PlayData.CommonVars[9] = 12; }, true},
    {"a stage variable by percent compares with 0",
     [](cCond& c) { c = Condition(1, 0, 0, 0, 12), c.sValue = 9, c.bFlag2 = 1, c.bFlag1 = 1; },
     [](StatusWorld& w) { w.scene().StageVars[9] = 0; }, true},
    {"unlimited lives", [](cCond& c) { c = Condition(0, 5, 4, 2, 0); },
     [](StatusWorld&) { PlayData.nLives = kUnlimitedLives; }, false},
    {"the score", [](cCond& c) { c = Condition(0, 5, 3, 0, 70); }, [](StatusWorld&) { PlayData.nScore = 70; },
     true},
    {"a value from another status",
     [](cCond& c) { c = Condition(0, 0, 9, 0, 0), c.cSel4 = 2, c.cSel5 = 1, c.cArg2 = 11; },
     [](StatusWorld& w) {
         w.me->Def.power = 7;
         w.other->Def.def = 7;
     },
     true},
    {"a value from a variable",
     [](cCond& c) { c = Condition(0, 0, 9, 0, 0), c.cSel4 = 3, c.cSel6 = 1, c.sValue2 = 5; },
     [](StatusWorld& w) {
         w.me->Def.power = -4;
         w.scene().StageVars[5] = -4;
     },
     true},
    {"a tested kind other than status and variable", [](cCond& c) { c = Condition(2, 0, 9, 0, 0); }, nullptr,
     false},
    {"a status index outside the table", [](cCond& c) { c = Condition(0, 0, 15, 0, 0); }, nullptr, false},
};

class StatusConds : public StatusWorld, public ::testing::WithParamInterface<CondCase> {};

TEST_P(StatusConds, ConditionCompares) {
    const CondCase& c = GetParam();
    cCond cond;
    c.build(cond);
    if (c.prepare) c.prepare(*this);
    EXPECT_EQ(TestStatusValueCond(cond, *me), c.holds);
}

INSTANTIATE_TEST_SUITE_P(Table, StatusConds, ::testing::ValuesIn(kConds));

TEST_F(StatusWorld, ARandomValueIsDrawnForEachTestAndTheConditionStaysAsLoaded) {
    cCond cond = Condition(0, 0, 9, 0, 0);
    cond.cSel4 = 1;
    cond.nValue2 = 1;
    cond.nValue3 = 6;
    cCond loaded = cond;
    GameSrand(11);
    int rolls[8];
    for (int& r : rolls) r = RandRange(1, 6);
    GameSrand(11);
    for (int r : rolls) {
        me->Def.power = r;
        EXPECT_TRUE(TestStatusValueCond(cond, *me));
    }
    EXPECT_EQ(cond.nValue1, loaded.nValue1);
    EXPECT_EQ(cond.SaveToBytes(), loaded.SaveToBytes());
}

} // namespace
