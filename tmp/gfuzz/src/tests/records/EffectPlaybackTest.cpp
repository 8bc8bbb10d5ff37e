#include "records/EffectPlayback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

template <class T> T Kind(std::int32_t kind, std::vector<std::int32_t> p) {
    T r;
    r.nKind = kind;
    for (std::size_t i = 0; i < p.size(); ++i) r.nParam[i] = p[i];
    return r;
}

// Tables of two records: 0 is none, 1 the effect under test.
void SetCharaEffect(const cCharaEffect& effect) {
    static cVector<cCharaEffect> records, work;
    records = {Kind<cCharaEffect>(0, {}), effect};
    work = records;
    BuildCharaEffectTables(records, work, CharaEffectTableR, CharaEffectTableL);
}

void SetScrEffect(const cScrEffect& effect) {
    static cVector<cScrEffect> records, work;
    records = {Kind<cScrEffect>(0, {}), effect};
    work = records;
    BuildScrEffectTables(records, work, ScrEffectTableR, ScrEffectTableL);
}

// Steps until the state reports the end; the number of the finishing step, or 0.
int StepsToFinish(cCharaEffectState& s, int limit = 10000) {
    for (int n = 1; n <= limit; ++n)
        if (s.Step()) return n;
    return 0;
}

TEST(CharaEffectState, RotationRunsItsPassesByMode) {
    SetCharaEffect(Kind<cCharaEffect>(7, {10, 0, 1440}));
    EXPECT_DOUBLE_EQ(CharaEffectTableR[1].dStep, 24.0);

    cCharaEffectState s;
    s.Start(1, EFFECT_NORMAL, 0);
    for (int n = 1; n <= 60; ++n) ASSERT_EQ(s.Step(), 0) << n;
    EXPECT_DOUBLE_EQ(s.Data.dValue, 1440.0);
    EXPECT_EQ(s.Step(), 1); // the 61st

    s.Start(1, EFFECT_REVERSED, 0);
    EXPECT_EQ(s.nFacing, 1);
    EXPECT_DOUBLE_EQ(s.Data.dValue, 1440.0);
    s.Step();
    EXPECT_DOUBLE_EQ(s.Data.dValue, 1416.0);
    EXPECT_EQ(StepsToFinish(s), 60);
    EXPECT_DOUBLE_EQ(s.Data.dValue, -24.0);

    // There and back: 0 -> 1440 on the right entry, then 1440 -> 0 on the left, then done.
    s.Start(1, EFFECT_THERE_AND_BACK, 0);
    for (int n = 1; n <= 61; ++n) ASSERT_EQ(s.Step(), 0) << n;
    EXPECT_EQ(s.nFacing, 1);
    EXPECT_DOUBLE_EQ(s.Data.dValue, 1440.0);
    EXPECT_EQ(StepsToFinish(s), 61);

    s.Start(1, EFFECT_THERE_AND_BACK, 1);
    EXPECT_EQ(StepsToFinish(s, 1000), 0); // a looping effect never ends
}

TEST(CharaEffectState, EqualEndsRunOnTimeAlone) {
    SetCharaEffect(Kind<cCharaEffect>(11, {5, 32, 32}));
    cCharaEffectState s;
    s.Start(1, EFFECT_NORMAL, 0);
    EXPECT_EQ(StepsToFinish(s), 31);

    // Blinks run from 0 to p1 at 1/6 per tick.
    SetCharaEffect(Kind<cCharaEffect>(6, {2, 3}));
    s.Start(1, EFFECT_NORMAL, 0);
    EXPECT_EQ(StepsToFinish(s), 13); // 2 tenths = 12 ticks, ended on the next
}

TEST(CharaEffectState, ZeroOrNegativeTimeEndsWithoutDividingByZero) {
    for (std::int32_t time : {0, -5}) {
        SetCharaEffect(Kind<cCharaEffect>(7, {time, 0, 1440}));
        EXPECT_TRUE(std::isfinite(CharaEffectTableR[1].dStep));
        cCharaEffectState s;
        s.Start(1, EFFECT_NORMAL, 0);
        EXPECT_EQ(StepsToFinish(s), 2) << time;
        EXPECT_TRUE(std::isfinite(s.Data.dValue));
    }
    // An unknown kind does not play for long either.
    SetCharaEffect(Kind<cCharaEffect>(99, {10, 1, 2}));
    cCharaEffectState s;
    s.Start(1, EFFECT_NORMAL, 0);
    EXPECT_GT(StepsToFinish(s), 0);
}

TEST(EffectTables, MirroringLeavesTheWorkingCopyAlone) {
    cVector<cCharaEffect> records = {Kind<cCharaEffect>(0, {}), Kind<cCharaEffect>(4, {10, 3, 40, 2, 2})};
    cVector<cCharaEffect> work = records;
    for (int build = 0; build < 2; ++build) {
        BuildCharaEffectTables(records, work, CharaEffectTableR, CharaEffectTableL);
        EXPECT_EQ(work[1].nParam[1], 3) << build;
        EXPECT_EQ(work[1].nParam[2], 40) << build;
        EXPECT_EQ(CharaEffectTableR[1].nStart, 3) << build;
        EXPECT_EQ(CharaEffectTableL[1].nStart, 40) << build;
        EXPECT_EQ(CharaEffectTableL[1].nParam[1], 40) << build;
        EXPECT_EQ(CharaEffectTableL[1].nParam[2], 3) << build;
        EXPECT_EQ(CharaEffectTableL[1].lpRecord, &work[1]);
    }

    cVector<cScrEffect> scr = {Kind<cScrEffect>(0, {}), Kind<cScrEffect>(1, {10, 1, 2, 3, 4})};
    cVector<cScrEffect> scrWork = scr;
    for (int build = 0; build < 2; ++build) {
        BuildScrEffectTables(scr, scrWork, ScrEffectTableR, ScrEffectTableL);
        EXPECT_EQ(scrWork[1].nParam[1], 1);
        EXPECT_EQ(ScrEffectTableR[1].nMove[0], 1);
        EXPECT_EQ(ScrEffectTableR[1].nMove[1], 2);
        EXPECT_EQ(ScrEffectTableL[1].nMove[0], 3);
        EXPECT_EQ(ScrEffectTableL[1].nMove[1], 4);
        EXPECT_EQ(ScrEffectTableL[1].nParam[3], 1);
    }
    // A working copy that was never made: the mirrored table still has its entries.
    BuildScrEffectTables(scr, cVector<cScrEffect>(), ScrEffectTableR, ScrEffectTableL);
    ASSERT_EQ(ScrEffectTableL.size(), 2u);
    EXPECT_EQ(ScrEffectTableL[1].nMove[0], 3);
}

TEST(ScrEffectState, StepsTheCallersValueAndEndsOnTruncation) {
    SetScrEffect(Kind<cScrEffect>(11, {10, 0, 10}));
    EXPECT_EQ(ScrEffectTableR[1].bTimeOnly, 0);
    EXPECT_DOUBLE_EQ(ScrEffectTableR[1].dStep, 10.0 / 60.0);
    cScrEffectState s;
    s.Start(1, EFFECT_NORMAL, 0);
    int n = 1;
    while (!s.Step(0, 10, 2.5)) ++n;
    EXPECT_EQ(n, 5); // 2.5, 5, 7.5, 10 go on; 12.5 ends

    s.Start(1, EFFECT_REVERSED, 0);
    EXPECT_DOUBLE_EQ(s.Data.dValue, 10.0);
    n = 1;
    while (!s.Step(10, 0, 0.75)) ++n;
    EXPECT_EQ(n, 15); // truncation keeps 0.25 .. -0.5 at 0 until -0.5 - 0.75

    SetScrEffect(Kind<cScrEffect>(10, {5, 32, 32, 8}));
    EXPECT_EQ(ScrEffectTableR[1].bTimeOnly, 1);
    s.Start(1, EFFECT_NORMAL, 0);
    n = 1;
    while (!s.Step(0, 0, 0)) ++n;
    EXPECT_EQ(n, 31);

    SetScrEffect(Kind<cScrEffect>(4, {0, 0, 640, 15}));
    EXPECT_TRUE(std::isfinite(ScrEffectTableR[1].dStep));

    s.Start(1, EFFECT_THERE_AND_BACK, 1);
    s.Clear();
    EXPECT_EQ(s.nIndex, 0);
    EXPECT_EQ(s.nMode, 0);
    EXPECT_EQ(s.bLoop, 0);
}

} // namespace
