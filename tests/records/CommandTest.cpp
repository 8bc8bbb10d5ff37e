#include "RecordFixtures.h"
#include "records/EdCommand.h"
#include "records/EdFlow.h"

#include <gtest/gtest.h>

namespace {

using CommandFix = RecordTest;

std::vector<std::int32_t> Picture1() {
    std::vector<std::int32_t> v(15, 0);
    v[0] = 1;
    return v;
}

TEST_F(CommandFix, SavingAMessageWritesExactlyItsEighteenParameters) {
    for (std::size_t held : {20u, 10u}) {
        cEdCommand c;
        c.cKind = 19;
        c.vParam.assign(held, 7);
        cEdCommand back;
        ASSERT_TRUE(back.LoadFromBytes(c.SaveToBytes()));
        ASSERT_EQ(back.vParam.size(), 18u);
        EXPECT_EQ(back.vParam[9], 7);
        EXPECT_EQ(back.vParam[17], held > 18 ? 7 : 0);
    }
}

TEST_F(CommandFix, SwordWaitIsItsFramesCappedAt9999) {
    ctx().SetDatabaseSize(eDatabase::SwordType, 3);
    ctx().swordTypeDurations = {{1}, {5000, 6000}, {2, 3, 4}};
    cEdCommand c;
    c.cKind = 12;
    ResetShared(c.pShot);
    c.pShot->cMotion = 1;
    c.FixParams();
    EXPECT_EQ(c.sWait, 9999);
    c.pShot->cMotion = 2;
    c.FixParams();
    EXPECT_EQ(c.sWait, 9);
    // A sword type outside the database (too large or negative) becomes 0.
    for (std::int8_t bad : {3, -1}) {
        c.pShot->cMotion = bad;
        c.FixParams();
        EXPECT_EQ(c.pShot->cMotion, 0);
        EXPECT_EQ(c.sWait, 1);
    }
    // Without a shot part the sword keeps its wait and nothing is read.
    cEdCommand bare;
    bare.cKind = 12;
    bare.sWait = 33;
    bare.FixParams();
    EXPECT_EQ(bare.sWait, 33);
}

TEST_F(CommandFix, DatabaseReferencesOutsideTheirTablesAreReplaced) {
    ctx().Clear(10);
    struct Case {
        std::uint8_t flow;
        std::int8_t kind;
        std::vector<std::int32_t> in;
        std::vector<std::int32_t> out;
    };
    const Case cases[] = {
        {0, 27, {10}, {0}},
        {1, 12, {-1}, {0}},
        {0, 28, {10}, {1}},
        {0, 29, {-5}, {1, 0, 0, 0, 0, 0, 0, 0}},
        {1, 15, {10}, {1, 0, 0}},
        {0, 31, {9}, {9, 0, 0}},
        {1, 17, {10}, Picture1()},
        {0, 35, {11}, {1}},
        {1, 21, {12, 3}, {1, 3}},
        {0, 26, {4, 10, 0}, {4, 1, 0}},
        {1, 11, {4, -2, 0}, {4, 1, 0}},
        {0, 26, {3, 10, 0}, {3, 10, 0}},
    };
    for (const Case& t : cases) {
        cEdCommand c;
        c.bFlow = t.flow;
        c.cKind = t.kind;
        c.vParam = t.in;
        c.FixParams();
        EXPECT_EQ(std::vector<std::int32_t>(c.vParam), t.out) << int(t.flow) << " " << int(t.kind);
    }
    cEdCommand c;
    c.sAnime = -1;
    c.sSe = 10;
    c.FixParams();
    EXPECT_EQ(c.sAnime, 0);
    EXPECT_EQ(c.sSe, 0);
}

TEST_F(CommandFix, KindsOutsideTheTablesHaveNoParameters) {
    for (auto [flow, kind] : {std::pair<int, int>{0, 40}, {0, 127}, {0, -1}, {1, 25}, {1, -128}, {7, 3}}) {
        cEdCommand c;
        c.bFlow = static_cast<std::uint8_t>(flow);
        c.cKind = static_cast<std::int8_t>(kind);
        c.vParam.assign(5, 1);
        c.FixParams();
        c.ClampRefs();
        if (flow == 7) {
            EXPECT_EQ(c.vParam.size(), 1u); // any non-zero flag is a flow command: flow kind 3
        } else {
            EXPECT_TRUE(c.vParam.empty());
        }
    }
}

TEST_F(CommandFix, PaletteReferencesAreClampedAgainstTheirPalette) {
    // Empty palettes: no reference is valid, negative ones included.
    cEdCommand shot;
    shot.cKind = 11;
    ResetShared(shot.pShot);
    shot.pShot->cItemSrc = 2;
    shot.pShot->sItemNo = -3;
    shot.ClampRefs();
    EXPECT_EQ(shot.pShot->cItemSrc, 0);
    EXPECT_EQ(shot.pShot->sItemNo, 0);
    shot.pShot->cItemSrc = 0;
    shot.pShot->sItemNo = 9;
    shot.ClampRefs();
    EXPECT_EQ(shot.pShot->sItemNo, 9); // no palette named: nothing to check

    for (int kind : {13, 14, 15}) {
        cEdCommand summon;
        summon.cKind = static_cast<std::int8_t>(kind);
        ResetShared(summon.pShot);
        summon.pShot->cSummonSrc = 1;
        summon.pShot->sSummonNo = 5;
        summon.ClampRefs();
        EXPECT_EQ(summon.pShot->sSummonNo, 1);
    }
    for (std::uint8_t flow : {0, 1}) {
        cEdCommand get;
        get.bFlow = flow;
        get.cKind = flow ? 10 : 25;
        get.vParam = {0, -4};
        get.ClampRefs();
        EXPECT_EQ(get.vParam[1], 1);
    }
    // Nested flows are clamped too.
    cEdCommand outer;
    outer.vFlow.resize(1);
    outer.vFlow[0].vCmd.resize(1);
    outer.vFlow[0].vCmd[0].cKind = 25;
    outer.vFlow[0].vCmd[0].vParam = {1, 7};
    outer.ClampRefs();
    EXPECT_EQ(outer.vFlow[0].vCmd[0].vParam[1], 1);
    // Commands without a shot part pass.
    cEdCommand bare;
    bare.cKind = 13;
    bare.ClampRefs();
}

TEST(ConvertDirCode, CodesByFlagFacingAndReplayVersion) {
    cDefaultRecordContext& c = DefaultRecordContext();
    c.Clear();
    EXPECT_EQ(ConvertDirCode(9, true, true, 0), 0);
    EXPECT_EQ(ConvertDirCode(9, false, true, 0), 3);
    EXPECT_EQ(ConvertDirCode(9, false, false, 0), 2);
    EXPECT_EQ(ConvertDirCode(0, true, false, 0), 2);
    EXPECT_EQ(ConvertDirCode(4, false, true, 0), 7);
    EXPECT_EQ(ConvertDirCode(8, true, true, 0), 11);
    // Codes outside the table go by the facing.
    EXPECT_EQ(ConvertDirCode(12, true, true, 0), 3);
    EXPECT_EQ(ConvertDirCode(-1, false, false, 0), 2);
    // Replay playback: the replay's own version decides.
    c.playMode = kPlayModeReplay;
    EXPECT_EQ(ConvertDirCode(9, false, true, 777), 0);
    EXPECT_EQ(ConvertDirCode(9, true, true, 778), 3);
    EXPECT_EQ(ConvertDirCode(9, true, true, 779), 3);
    EXPECT_EQ(ConvertDirCode(9, true, true, 780), 0);
    EXPECT_EQ(ConvertDirCode(9, false, true, 780), 3);
    c.Clear();
}

} // namespace
