#include "records/Labels/LabelTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

namespace {

TEST(CommandKinds, FlowKindsFromTwoAreTheirCharacterTwins) {
    ASSERT_EQ(CharaCmdKindNames.size(), 40u);
    ASSERT_EQ(FlowCmdKindNames.size(), 25u);
    for (int k = 2; k < FlowCmdKindCount; ++k) {
        SCOPED_TRACE(k);
        const int twin = CharaTwinOfFlowKind(k);
        ASSERT_EQ(twin, k + 15);
        EXPECT_STREQ(FlowCmdKindNames[k].name, CharaCmdKindNames[twin].name);
        EXPECT_EQ(FlowCmdKindNames[k].paramCount, CharaCmdKindNames[twin].paramCount);
        EXPECT_EQ(FlowTwinOfCharaKind(twin), k);
    }
}

TEST(CommandKinds, EmptyKindAndFlowChangeHaveNoTwin) {
    EXPECT_STREQ(CmdKindName(false, 0), "");
    EXPECT_STREQ(CmdKindName(true, 0), "");
    EXPECT_EQ(CmdParamCount(false, 0), 0);
    EXPECT_EQ(CmdParamCount(true, 0), 0);
    EXPECT_EQ(CharaTwinOfFlowKind(0), 0);
    EXPECT_EQ(FlowTwinOfCharaKind(0), 0);

    EXPECT_STREQ(CmdKindName(true, 1), "\203\164\203\215\201\133\202\314\225\317\215\130");
    EXPECT_EQ(CmdParamCount(true, 1), 2);
    EXPECT_EQ(CharaTwinOfFlowKind(1), -1);
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(FlowTwinOfCharaKind(k), -1) << k;
    for (const auto& kind : CharaCmdKindNames) EXPECT_STRNE(kind.name, "\203\164\203\215\201\133\202\314\225\317\215\130");
}

TEST(CommandKinds, SpotNamesAndParameterCounts) {
    struct Case {
        bool flow;
        int kind;
        const char* name;
        int params;
    } const cases[] = {
        {false, 1, "\203\105\203\107\203\103\203\147", 0},
        {false, 10, "\203\127\203\203\203\223\203\166", 5},
        {false, 16, "\203\164\203\215\201\133\202\314\221\200\215\354", 4},
        {false, 19, "\203\201\203\142\203\132\201\133\203\127", 18},
        {false, 22, "\203\130\203\145\201\133\203\136\203\130\202\314\221\200\215\354", 18},
        {false, 32, "\203\163\203\116\203\140\203\203\201\133\202\314\225\134\216\246", 15},
        {false, 39, "\203\213\201\133\203\166", 2},
        {true, 2, "\203\130\203\145\201\133\203\127\203\116\203\212\203\101", 9},
        {true, 17, "\203\163\203\116\203\140\203\203\201\133\202\314\225\134\216\246", 15},
        {true, 24, "\203\213\201\133\203\166", 2},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(CmdKindName(c.flow, c.kind), c.name) << c.flow << " " << c.kind;
        EXPECT_EQ(CmdParamCount(c.flow, c.kind), c.params) << c.flow << " " << c.kind;
    }
}

// The kind is a signed byte of a file; a damaged one must not reach past the tables.
TEST(CommandKinds, KindsOutsideTheTablesAreEmpty) {
    for (const std::int64_t k : {-128LL, -1LL, 40LL, 127LL}) {
        EXPECT_STREQ(CmdKindName(false, k), "") << k;
        EXPECT_EQ(CmdParamCount(false, k), 0) << k;
        EXPECT_EQ(FlowTwinOfCharaKind(k), -1) << k;
    }
    for (const std::int64_t k : {-128LL, -1LL, 25LL, 127LL}) {
        EXPECT_STREQ(CmdKindName(true, k), "") << k;
        EXPECT_EQ(CmdParamCount(true, k), 0) << k;
        EXPECT_EQ(CharaTwinOfFlowKind(k), -1) << k;
    }
}

TEST(StatusTables, RangesAreOrdered) {
    using Rows = std::span<const cStatusRange>;
    for (const Rows table : {Rows(CharaStatusTable), Rows(SystemValueTable)}) {
        for (const auto& s : table) {
            SCOPED_TRACE(s.name);
            EXPECT_STRNE(s.name, "");
            EXPECT_LE(s.valueMin, s.valueMax);
            EXPECT_LE(s.operandMin, s.operandMax);
        }
    }
}

TEST(StatusTables, SpotRowsAndLookups) {
    EXPECT_EQ(CharaStatusTable.size(), 15u);
    EXPECT_EQ(SystemValueTable.size(), 5u);
    const cStatusRange* mark = FindCharaStatus(7);
    ASSERT_NE(mark, nullptr);
    EXPECT_STREQ(mark->name, "\203\175\201\133\203\116\224\324\215\206");
    EXPECT_EQ(mark->valueMin, 0);
    EXPECT_EQ(mark->valueMax, 119);
    EXPECT_EQ(mark->operandMin, -121);
    EXPECT_EQ(mark->ClampValue(-5), 0);
    EXPECT_EQ(mark->ClampValue(500), 119);
    EXPECT_EQ(mark->ClampOperand(-500), -121);

    const cStatusRange* hp = FindCharaStatus(1);
    ASSERT_NE(hp, nullptr);
    EXPECT_STREQ(hp->name, "HP");
    EXPECT_EQ(hp->extra, (std::array<std::int32_t, 3>{0, 1, 1}));
    EXPECT_STREQ(CharaStatusTable[14].name, "\223\174\202\265\202\275\202\347\212\154\223\276\202\267\202\351\203\130\203\122\203\101");
    EXPECT_EQ(CharaStatusTable[5].extra, (std::array<std::int32_t, 3>{0, 0, 0}));

    const cStatusRange* lives = FindSystemValue(4);
    ASSERT_NE(lives, nullptr);
    EXPECT_STREQ(lives->name, "\216\143\202\350\220\154\220\224");
    EXPECT_EQ(lives->ClampValue(999999), 99);
    EXPECT_STREQ(SystemValueTable[0].name, "\216\236\212\324");
    EXPECT_EQ(SystemValueTable[1].valueMin, -480);

    EXPECT_EQ(FindCharaStatus(-1), nullptr);
    EXPECT_EQ(FindCharaStatus(15), nullptr);
    EXPECT_EQ(FindSystemValue(5), nullptr);
    EXPECT_EQ(FindStatusFlag(7), nullptr);
}

// Each flag's default lies in its range and every value of the range has a name.
TEST(StatusTables, FlagsDefaultInRangeAndEveryValueNamed) {
    ASSERT_EQ(StatusFlagTable.size(), 7u);
    for (const auto& f : StatusFlagTable) {
        SCOPED_TRACE(f.name);
        EXPECT_LE(f.min, f.def);
        EXPECT_LE(f.def, f.max);
        EXPECT_EQ(f.values.count, f.max - f.min + 1);
        for (int v = f.min; v <= f.max; ++v) EXPECT_STRNE(f.ValueName(v), "") << v;
        EXPECT_STREQ(f.ValueName(f.max + 1), "");
    }
    const cStatusFlag* giant = FindStatusFlag(5);
    ASSERT_NE(giant, nullptr);
    EXPECT_STREQ(giant->name, "\213\220\221\345\211\273");
    EXPECT_STREQ(giant->ValueName(1), "\202\265\202\310\202\242");
    EXPECT_STREQ(giant->ValueName(10), "\201\176100");
    EXPECT_EQ(giant->Clamp(0), 1);
    EXPECT_STREQ(StatusFlagTable[3].ValueName(3), "ON (\203\165\203\215\203\142\203\116\202\311\223\226\202\275\202\351\202\306\221\246\216\200)");
    EXPECT_STREQ(StatusFlagTable[6].name, "\203\111\201\133\203\147\203\130\203\116\203\215\201\133\203\213\202\306\203\126\203\223\203\116\203\215");
}

// Within a kind the used slots come first, each with its default in its range;
// the rest are empty (no label, 0..0, default 0).
template <class P> void ExpectWellFormed(const char* table, std::span<const P> slots, std::size_t perKind) {
    ASSERT_EQ(slots.size() % perKind, 0u) << table;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const P& p = slots[i];
        SCOPED_TRACE(std::string(table) + " kind " + std::to_string(i / perKind) + " slot " +
                     std::to_string(i % perKind));
        if (p.IsEmpty()) {
            EXPECT_EQ(p.min, 0);
            EXPECT_EQ(p.max, 0);
            EXPECT_EQ(p.def, 0);
        } else {
            EXPECT_LE(p.min, p.def);
            EXPECT_LE(p.def, p.max);
            if (i % perKind != 0) {
                EXPECT_FALSE(slots[i - 1].IsEmpty()) << "gap before a used slot";
            }
        }
    }
}

TEST(ParamTables, EveryDefaultLiesInItsRange) {
    EXPECT_EQ(CharaEffectParamTable.size(), 17u * 5u);
    EXPECT_EQ(ScrEffectParamTable.size(), 14u * 5u);
    EXPECT_EQ(ShotPatternParamTable.size(), 18u);
    EXPECT_EQ(ShotPathParamTable.size(), 30u);
    ExpectWellFormed<cEffectParam>("CharaEffectParamTable", CharaEffectParamTable, EffectParamSlots);
    ExpectWellFormed<cEffectParam>("ScrEffectParamTable", ScrEffectParamTable, EffectParamSlots);
    ExpectWellFormed<cShotParam>("ShotPatternParamTable", ShotPatternParamTable, ShotParamSlots);
    ExpectWellFormed<cShotParam>("ShotPathParamTable", ShotPathParamTable, ShotParamSlots);
}

TEST(ParamTables, KindZeroIsEmptyAndEveryOtherEffectKindHasADuration) {
    for (int s = 0; s < 5; ++s) {
        EXPECT_TRUE(CharaEffectParam(0, s).IsEmpty());
        EXPECT_TRUE(ScrEffectParam(0, s).IsEmpty());
    }
    for (int k = 1; k < CharaEffectKindCount; ++k)
        EXPECT_STREQ(CharaEffectParam(k, 0).label, "\216\300\215\163\216\236\212\324(1/10s)");
    for (int k = 1; k < ScrEffectKindCount; ++k) EXPECT_STREQ(ScrEffectParam(k, 0).label, "\216\300\215\163\216\236\212\324(1/10s)");
}

// The defaults an effect record of an old file takes for the parameter it lacks.
TEST(ParamTables, DefaultsForOldEffectRecords) {
    EXPECT_EQ(CharaEffectParam(4, 4).def, 2);
    EXPECT_EQ(CharaEffectParam(5, 4).def, 2);
    EXPECT_EQ(CharaEffectParam(10, 3).def, 2);
    EXPECT_EQ(ScrEffectParam(6, 4).def, 8);
    EXPECT_EQ(ScrEffectParam(7, 4).def, 10);
    EXPECT_EQ(ScrEffectParam(10, 3).def, 8);
    EXPECT_STREQ(ScrEffectParam(7, 4).label, "\224\147\202\314\221\145\202\263(dot)");
    EXPECT_STREQ(CharaEffectParam(10, 3).label, "\211\176\202\314\221\145\202\263(dot)");
}

TEST(ParamTables, SpotSlots) {
    const cEffectParam& tint = CharaEffectParam(13, 3);
    EXPECT_STREQ(tint.label, "\220\106");
    EXPECT_EQ(tint.min, 16);
    EXPECT_EQ(tint.max, 207);
    EXPECT_EQ(tint.def, 16);
    const cEffectParam& last = ScrEffectParam(13, 2);
    EXPECT_STREQ(last.label, "\217\111\227\271\213\255\223\170");
    EXPECT_EQ(last.max, 240);
    EXPECT_EQ(last.def, 60);
    EXPECT_EQ(ScrEffectParam(1, 1).min, -640);
    EXPECT_EQ(ScrEffectParam(11, 2).Clamp(100000), 6400);
    EXPECT_TRUE(CharaEffectParam(16, 3).IsEmpty());
}

// The rows the arrangement of a formation or trajectory value is clamped by.
TEST(ParamTables, ShotRowsForTheArrangementClamp) {
    EXPECT_STREQ(ShotPatternParam(0, 0).label, "\212\324\212\165(hbl)");
    EXPECT_STREQ(ShotPatternParam(2, 0).label, "\212\160\223\170");
    EXPECT_EQ(ShotPatternParam(2, 0).max, 180);
    EXPECT_EQ(ShotPatternParam(2, 0).def, 30);
    const cShotParam& rows = ShotPatternParam(3, 1);
    EXPECT_STREQ(rows.label, "\227\361\202\314\220\224");
    EXPECT_EQ(rows.min, 1);
    EXPECT_EQ(rows.max, 50);
    EXPECT_EQ(rows.Clamp(100), 50);
    EXPECT_EQ(ShotPatternParam(0, 1).Clamp(7), 0); // a row not used: 0..0
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(ShotPatternParam(4, r).IsEmpty());
    EXPECT_EQ(ShotPatternParam(5, 0).def, 6);

    EXPECT_STREQ(ShotPathParam(2, 1).label, "\221\316\217\333\220\250\227\315");
    EXPECT_EQ(ShotPathParam(7, 2).max, 7);
    EXPECT_EQ(ShotPathParam(4, 1).def, 999);
    EXPECT_STREQ(ShotPathParam(8, 2).label, "\212\112\216\156\212\160\223\170");
    EXPECT_EQ(ShotPathParam(8, 2).max, 359);
    EXPECT_STREQ(ShotPathParam(9, 0).label, "\213\117\223\271\225\317\215\130(hbl)");
}

// Formation, trajectory and effect numbers come from files: outside the
// tables they find an empty row instead of a neighbour's.
TEST(ParamTables, LookupsOutsideTheTablesAreEmpty) {
    EXPECT_TRUE(ShotPatternParam(6, 0).IsEmpty());
    EXPECT_TRUE(ShotPatternParam(-1, 0).IsEmpty());
    EXPECT_TRUE(ShotPatternParam(0, 3).IsEmpty()); // would be formation 1's row
    EXPECT_TRUE(ShotPatternParam(1, -1).IsEmpty());
    EXPECT_TRUE(ShotPathParam(10, 0).IsEmpty());
    EXPECT_TRUE(ShotPathParam(127, 2).IsEmpty());
    EXPECT_TRUE(CharaEffectParam(17, 0).IsEmpty());
    EXPECT_TRUE(CharaEffectParam(1, 5).IsEmpty());
    EXPECT_TRUE(ScrEffectParam(14, 0).IsEmpty());
    EXPECT_TRUE(ScrEffectParam(1LL << 62, 0).IsEmpty());
    EXPECT_TRUE(ScrEffectParam(3689348814741910324LL, 0).IsEmpty()); // kind * 5 wraps to 4
    EXPECT_EQ(ShotPathParam(10, 0).Clamp(123), 0);
}

} // namespace
