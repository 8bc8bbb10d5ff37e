#include "RecordFixtures.h"
#include "records/EdCommand.h"
#include "records/EdFlow.h"

#include <gtest/gtest.h>

namespace {

struct LadderCase {
    std::uint32_t version;
    std::uint8_t flow;
    std::int8_t kindIn;
    std::vector<std::int32_t> in;
    std::int8_t kindOut;
    std::vector<std::int32_t> out;
};

std::vector<std::int32_t> Z(std::size_t n) {
    return std::vector<std::int32_t>(n, 0);
}

std::vector<std::int32_t> With(std::vector<std::int32_t> v, std::initializer_list<std::pair<int, int>> set) {
    for (auto [i, x] : set) v[static_cast<std::size_t>(i)] = x;
    return v;
}

const std::vector<std::int32_t> kMessage0 = With(Z(18), {{10, 1}, {14, 1}, {16, 1}});
const std::vector<std::int32_t> kMessage3 = With(Z(18), {{0, 3}, {14, 1}, {16, 1}});
const std::vector<std::int32_t> kTarget = {0, 1, 2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
const std::vector<std::int32_t> kStatusIn = With(Z(14), {{4, 10}, {6, 2}, {13, 10}});
const std::vector<std::int32_t> kStatusOut = With(Z(14), {{4, 12}, {6, 2}, {13, 12}});

const LadderCase kLadder[] = {
    // character commands
    {144, 0, 17, {1, 2}, 17, With(Z(9), {{0, 1}, {1, 2}})},
    {165, 0, 35, {5}, 36, {5, 1}},
    {167, 0, 22, kStatusIn, 22, kStatusOut},
    {202, 0, 22, With(Z(14), {{4, 5}}), 22, With(Z(14), {{4, 6}})},
    {188, 0, 21, {1, 2, 3}, 21, kTarget},
    {193, 0, 31, {9, 8, 7, 6, 5, 4, 3}, 32, {9, 8, 7, 6, 5, 4, 1, 3, 0, 0, 0, 0, 0, 0, 0}},
    {194, 0, 29, {4, 5}, 30, {4, 0, 5}},
    {194, 0, 30, {4, 5}, 31, {4, 0, 5}},
    {202, 0, 14, {1, 2, 3}, 14, {}},
    {202, 0, 15, {1}, 15, {}},
    {202, 0, 16, {1}, 16, {1, 0, 0, 0}},
    {759, 0, 16, {1, 2, 3, 4}, 16, {1, 2, 3, 0}},
    {209, 0, 23, {0, 6, 9}, 23, {0, 7, 9}},
    {209, 0, 23, {2, 6, 9}, 23, {5, 6, 9}},
    {218, 0, 25, {3, 119, 0}, 26, {3, 119, 0}},
    {218, 0, 25, {3, 5, 0}, 26, {3, 6, 0}},
    {218, 0, 25, {4, 5, 0}, 26, {4, 5, 0}},
    {544, 0, 19, {0}, 19, kMessage0},
    {544, 0, 19, {3}, 19, kMessage3},
    {546, 0, 19, With(Z(18), {{10, 1}}), 19, With(Z(18), {{10, 1}, {14, 1}, {16, 1}})},
    {722, 0, 19, With(Z(18), {{17, 9}}), 19, Z(18)},
    {721, 0, 17, {2}, 17, {3}},
    {721, 0, 17, {1}, 17, {1}},
    {725, 0, 37, {}, 38, {11, 0, 0, 0, 0}},
    {726, 0, 37, {11, 1, 0, 0, 0}, 38, {11, 1, 0, 0, 0}},
    {726, 0, 37, {11, 2, 0, 0, 0}, 38, {11, 5, 0, 0, 0}},
    {726, 0, 37, {11, 10, 0, 0, 0}, 38, {11, 13, 0, 0, 0}},
    {726, 0, 37, {11, 11, 0, 0, 0}, 38, {11, 18, 0, 0, 0}},
    {726, 0, 37, {11, 13, 0, 0, 0}, 38, {11, 20, 0, 0, 0}},
    {726, 0, 37, {12, 13, 0, 0, 0}, 38, {12, 13, 0, 0, 0}},
    {733, 0, 37, {30, 0, 0, 0, 0}, 38, {31, 0, 0, 0, 0}},
    {733, 0, 37, {23, 0, 0, 0, 0}, 38, {23, 0, 0, 0, 0}},
    {700, 0, 25, {3, 1, 0}, 26, {3, 1, 0}},
    {700, 0, 23, {0, 0, 0}, 23, {0, 0, 0}},
    {746, 0, 21, With(Z(16), {{10, 5}, {14, 5}}), 21, With(Z(16), {{12, 1}})},
    {766, 0, 9, {4}, 9, {10}},
    {766, 0, 9, {3}, 9, {3}},
    {766, 0, 22, With(Z(14), {{3, 2}, {6, 2}, {12, 2}}), 22, With(Z(14), {{3, 5}, {6, 2}, {12, 5}})},
    {766, 0, 22, With(Z(14), {{0, 1}, {3, 2}}), 22, With(Z(14), {{0, 1}, {3, 2}})},
    {766, 0, 23, {2, 0, 0}, 23, {5, 0, 0}},
    {817, 0, 19, {1, 2}, 19, {1, 2}},
    // flow commands
    {144, 1, 2, {1}, 2, With(Z(9), {{0, 1}})},
    {165, 1, 20, {5}, 21, {5, 1}},
    {167, 1, 7, kStatusIn, 7, kStatusOut},
    {188, 1, 6, {1, 2, 3}, 6, kTarget},
    {193, 1, 16, {9}, 17, With(Z(15), {{0, 9}, {6, 1}})},
    {194, 1, 14, {4, 5}, 15, {4, 0, 5}},
    {202, 1, 14, {4, 5}, 15, {4, 5}},
    {209, 1, 8, {0, 6, 9}, 8, {0, 7, 9}},
    {218, 1, 10, {3, 7, 0}, 11, {3, 8, 0}},
    {544, 1, 4, {7}, 4, With(kMessage0, {{0, 7}})},
    {721, 1, 2, {2}, 2, {3}},
    {725, 1, 22, {}, 23, {11, 0, 0, 0, 0}},
    {726, 1, 22, {11, 11, 0, 0, 0}, 23, {11, 18, 0, 0, 0}},
    {733, 1, 22, {30, 0, 0, 0, 0}, 23, {31, 0, 0, 0, 0}},
    {733, 1, 8, {1, 0, 0}, 8, {1, 0, 0}},
    {733, 1, 9, {1, 2}, 10, {1, 2}},
    {766, 1, 8, {2, 0, 0}, 8, {5, 0, 0}},
    {766, 1, 6, {1}, 6, With(Z(16), {{1, 1}})},
    {100, 1, 1, {1, 2}, 1, {1, 2}},
    {759, 1, 16, {1, 2, 3, 4}, 16, {1, 2, 3, 4}},
};

class CommandLadder : public RecordTest, public ::testing::WithParamInterface<LadderCase> {};

TEST_P(CommandLadder, KindAndParametersAfterTheSteps) {
    const LadderCase& t = GetParam();
    cEdCommand c;
    c.bFlow = t.flow;
    c.cKind = t.kindIn;
    c.vParam = t.in;
    UpgradeCommand(c, t.version);
    EXPECT_EQ(c.cKind, t.kindOut);
    EXPECT_EQ(std::vector<std::int32_t>(c.vParam), t.out);
}

INSTANTIATE_TEST_SUITE_P(Steps, CommandLadder, ::testing::ValuesIn(kLadder));

using CommandUpgrade = RecordTest;

TEST_F(CommandUpgrade, LoadRunsTheLadderThenFitsTheKindsCount) {
    cEdCommand c;
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(733, 0, 37, {30})));
    EXPECT_EQ(c.cKind, 38);
    EXPECT_EQ(std::vector<std::int32_t>(c.vParam), (std::vector<std::int32_t>{31, 0, 0, 0, 0}));
    // A current file takes no step: p0 = 30 of an arrangement stays.
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(818, 0, 38, {30, 0, 0, 0, 0})));
    EXPECT_EQ(c.vParam[0], 30);
}

TEST_F(CommandUpgrade, PartsAreChangedOnlyWhenPresent) {
    cEdCommand shot;
    shot.cKind = 11;
    ResetShared(shot.pShot);
    shot.pShot->sGraphic = 118;
    UpgradeCommand(shot, 219);
    EXPECT_EQ(shot.pShot->sGraphic, 119);
    shot.pShot->sGraphic = 119;
    UpgradeCommand(shot, 219);
    EXPECT_EQ(shot.pShot->sGraphic, 119);

    cEdCommand charge;
    charge.cKind = 5;
    ResetShared(charge.pMove);
    charge.pMove->sAngle = 30;
    charge.pMove->sAngleAdd = 5;
    charge.pMove->bMirrorAngle = 0;
    UpgradeCommand(charge, 513);
    EXPECT_EQ(charge.pMove->sAngle, 0);
    EXPECT_EQ(charge.pMove->sAngleAdd, 0);
    EXPECT_EQ(charge.pMove->bMirrorAngle, 1);

    for (std::uint8_t flow : {0, 1}) {
        cEdCommand warp;
        warp.bFlow = flow;
        warp.cKind = flow ? 5 : 20;
        ResetShared(warp.pMove);
        warp.pMove->cMode = 2;
        UpgradeCommand(warp, 766);
        EXPECT_EQ(warp.pMove->cMode, 5);
    }

    // The same commands without their parts pass the steps untouched.
    for (auto [kind, version] : {std::pair{11, 219}, {5, 513}, {20, 766}}) {
        cEdCommand bare;
        bare.cKind = static_cast<std::int8_t>(kind);
        UpgradeCommand(bare, static_cast<std::uint32_t>(version));
        EXPECT_FALSE(bare.pShot);
        EXPECT_FALSE(bare.pMove);
    }
}

TEST_F(CommandUpgrade, FlowOperationBefore764GetsAnUnusedConditionList) {
    cEdCommand c;
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(763, 0, 16, {1, 2, 3, 4})));
    ASSERT_TRUE(c.pCondList);
    EXPECT_EQ(c.pCondList->bUse, 0);
    EXPECT_EQ(std::vector<std::int32_t>(c.vParam), (std::vector<std::int32_t>{1, 2, 3, 4}));
    // Other kinds of 763 have no condition-list part at all.
    ResetShared(c.pCondList);
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(763, 0, 19, {})));
    EXPECT_FALSE(c.pCondList);
}

TEST_F(CommandUpgrade, ShortParameterVectorsOfOldFilesAreGrownNotOverrun) {
    // A status command stored with no parameters: every step that reads p0..p13
    // finds zeros, and the result has the kind's 18.
    cEdCommand c;
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(100, 0, 22, {})));
    EXPECT_EQ(c.vParam.size(), 18u);
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(766, 0, 9, {})));
    EXPECT_EQ(std::vector<std::int32_t>(c.vParam), std::vector<std::int32_t>{0});
    // Values at the top of the range saturate instead of overflowing.
    ASSERT_TRUE(c.LoadFromBytes(CommandFile(766, 0, 9, {INT32_MAX})));
    EXPECT_EQ(c.vParam[0], INT32_MAX);
}

} // namespace
