// The code language on characters: texts run by a character on itself, its
// target, the hero and the system values, with what each assignment brings.
#include "engine/CodeRun.h"

#include "engine/Dispatch.h"
#include "engine/Flow.h"

#include "fixtures/EngineHarness.h"
#include "graphics/RandRange.h"
#include "platform/Random.h"

#include <ostream>

namespace {

// Three characters: the runner, its first target, and the hero.
class CodeRun : public EngineTest {
public:
    void SetUp() override {
        AddHero(Def(100), 2, 13);
        me = &AddNpc(Def(100), 5, 13);
        other = &AddNpc(Def(100), 8, 13);
        me->SetTarget(0, other);
        me->hp = other->hp = hero.hp = 50;
    }
    bool Asked(const std::string& request) const { return harness.Asked(request); }
    cNpcChara* me = nullptr;
    cNpcChara* other = nullptr;
};

struct CodeCase {
    const char* text;
    int ok;                                   // RunCode's result
    void (*prepare)(CodeRun&, cNpcChara& me); // or nullptr
    bool (*holds)(CodeRun&, cNpcChara& me, cNpcChara& other);
};

const CodeCase kCases[] = {
    {"my.hp = 500", 1, nullptr, [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.hp == 100; }},
    {"my.cid = -5 my.imp = 30 my.z = 9 my.mark = 200", 1, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) {
         return me.Def.cid == 0 && me.Def.imp == 20 && me.Def.z == 7 && me.Def.MarkNumber == 119;
     }},
    {"tg.hp = 0", 1, nullptr,
     [](CodeRun& t, cNpcChara&, cNpcChara& other) { return other.hp == 0 && t.scene().nDefeatCheck == 1; }},
    {"my.hp = 0", 1, nullptr,
     [](CodeRun& t, cNpcChara& me, cNpcChara&) { return me.hp == 0 && t.scene().nDefeatCheck == 0; }},
    {"my.mhp = 10", 1, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.Def.mhp == 10 && me.hp == 10; }},
    // A new maximum never gives points back to a character that has none.
    {"my.mhp = 10", 1, [](CodeRun&, cNpcChara& me) { me.hp = 0; },
     [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.Def.mhp == 10 && me.hp == 0; }},
    {"my.mhp = 0 my.msp = -3", 1, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.Def.mhp == 1 && me.hp == 1 && me.Def.msp == 1; }},
    {"C3 = 5 S3 = 7", 1, nullptr,
     [](CodeRun& t, cNpcChara&, cNpcChara&) {
         return PlayData.CommonVars[3] == 5 && t.scene().StageVars[3] == 7;
     }},
    {"my.v1 = 2000000 tg.v8 = -5", 1, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara& other) { return me.Vars[1] == 999999 && other.Vars[8] == -5; }},
    {"sys.life = 5", 1, [](CodeRun&, cNpcChara&) { PlayData.nLives = kUnlimitedLives; },
     [](CodeRun&, cNpcChara&, cNpcChara&) { return PlayData.nLives == kUnlimitedLives; }},
    {"sys.life = sys.life + 500", 1, [](CodeRun&, cNpcChara&) { PlayData.nLives = 3; },
     [](CodeRun&, cNpcChara&, cNpcChara&) { return PlayData.nLives == 99; }},
    {"C1 = sys.life", 1, [](CodeRun&, cNpcChara&) { PlayData.nLives = kUnlimitedLives; },
     [](CodeRun&, cNpcChara&, cNpcChara&) { return PlayData.CommonVars[1] == 0; }},
    {"sys.scrlx = 900", 1, nullptr,
     [](CodeRun& t, cNpcChara&, cNpcChara&) {
         return Stage.nAutoScrollSpeedX == 480 && t.Asked("auto scroll 0 0 480");
     }},
    {"sys.time = sys.time + 5", 1, [](CodeRun& t, cNpcChara&) { t.scene().nStageTime = 10; },
     [](CodeRun& t, cNpcChara&, cNpcChara&) { return t.scene().nStageTime == 15; }},
    {"sys.time = sys.time + 5", 1,
     [](CodeRun& t, cNpcChara&) {
         t.scene().nStageTime = 10;
         t.scene().bTimeFlag = 1;
     },
     [](CodeRun& t, cNpcChara&, cNpcChara&) { return t.scene().nStageTime == 5; }},
    {"my.sight = 3", 1, nullptr,
     [](CodeRun& t, cNpcChara& me, cNpcChara&) { return me.Def.sight == 3 && !t.Asked("sight mask"); }},
    {"pl.sight = 50", 1, nullptr,
     [](CodeRun& t, cNpcChara&, cNpcChara&) {
         return t.hero.Def.sight == 40 && t.hero.nSightPixels == 640 && t.Asked("sight mask");
     }},
    {"my.stop = 100", 1, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) {
         return me.Def.stop == 100 && me.dDecel == 100 * 0.1 / Stage.dSubSteps2;
     }},
    {"my.hp=5", 1, nullptr, [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.hp == 50; }},
    {"(my.v1 = 4) + 1 / 0", 0, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.Vars[1] == 4 && me.HpGauge.nFrames == 0; }},
    {"tg3.hp = 1", 0, nullptr, [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.hp == 50; }},
    {"(my.hp = 1) sys.hp = 2", 0, nullptr,
     [](CodeRun&, cNpcChara& me, cNpcChara&) { return me.hp == 1 && me.HpGauge.nFrames == 0; }},
};

class CodeRunCases : public CodeRun, public ::testing::WithParamInterface<CodeCase> {};

std::ostream& operator<<(std::ostream& o, const CodeCase& c) {
    return o << '"' << c.text << '"';
}

TEST_P(CodeRunCases, TextOnCharactersAndTheSystem) {
    const CodeCase& c = GetParam();
    if (c.prepare) c.prepare(*this, *me);
    EXPECT_EQ(RunCode(c.text, *me), c.ok);
    EXPECT_TRUE(c.holds(*this, *me, *other));
}

INSTANTIATE_TEST_SUITE_P(Table, CodeRunCases, ::testing::ValuesIn(kCases));

TEST_F(CodeRun, AChangeOfTheRunnersHpOrSpShowsItsGauge) {
    me->Def.msp = 20;
    me->sp = 20;
    GameSrand(7);
    const int roll = RandRange(1, 6);
    GameSrand(7);
    EXPECT_EQ(RunCode("my.hp = my.hp + rand(1, 6) * 2 my.sp = 5", *me), 1);
    EXPECT_EQ(me->hp, 50 + roll * 2);
    EXPECT_EQ(me->HpGauge.nFrames, 120);
    EXPECT_EQ(me->SpGauge.nFrames, 120);

    // The target's change shows no gauge of the runner's.
    cNpcChara& quiet = *me;
    quiet.HpGauge = cCharaGauge();
    EXPECT_EQ(RunCode("tg.hp = 3", quiet), 1);
    EXPECT_EQ(quiet.HpGauge.nFrames, 0);
}

TEST_F(CodeRun, CommandRunsTheTextAndPassesItsResultOn) {
    cEdCommand command;
    command.cKind = 37;
    command.strText = "my.v2 = 7";
    cFlowCommand entry;
    entry.lpCmd = &command;
    EXPECT_EQ(DispatchCharaCommand(*me, entry), 1);
    EXPECT_EQ(me->Vars[2], 7);
    command.strText = "5 = 3";
    EXPECT_EQ(DispatchCharaCommand(*me, entry), 0);
}

TEST_F(EngineTest, TheHeroWordWithoutAHeroEndsTheTextQuietly) {
    cNpcChara& me = AddNpc(Def(), 5, 13);
    EXPECT_EQ(RunCode("pl.hp = 1", me), 0);
    EXPECT_EQ(RunCode("my.hp = 1", me), 1);
}

} // namespace
