#include "records/Arrangement.h"
#include "RecordFixtures.h"
#include "foundation/Fault.h"
#include "records/EdCommand.h"
#include "records/ParamDescriptors.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

class ArrangementTest : public RecordTest {
protected:
    void SetUp() override {
        RecordTest::SetUp();
        InitCmdParamTable();
        common = {0, 30, 0, 3000, 50, -1, 2147483647, 65536, 100, 5};
    }
    ArrangeVars Vars() { return {common, stage, chara}; }
    std::vector<std::int32_t> common;
    std::vector<std::int32_t> stage = {0, 7};
    std::vector<std::int32_t> chara = {-3};
};

TEST_F(ArrangementTest, TableHasTheDescriptorsOfEachKind) {
    ASSERT_EQ(CmdParamTable.size(), 40u);
    EXPECT_EQ(CmdParamTable[11].size(), 29u);
    EXPECT_EQ(CmdParamTable[2].size(), 6u);
    EXPECT_EQ(CmdParamTable[34].size(), 1u);
    for (int k : {0, 1, 3, 4, 7, 8, 9, 10, 16, 18, 23, 25, 27, 28, 30, 31, 35, 36, 37, 38, 39})
        EXPECT_TRUE(CmdParamTable[static_cast<std::size_t>(k)].empty()) << k;
    EXPECT_EQ(CmdParamTable[11][27].strLabel, "\210\320\227\315");
    EXPECT_EQ(CmdParamTable[11][27].nMin, -999999);
    // Built twice, the table stays the same size.
    InitCmdParamTable();
    EXPECT_EQ(CmdParamTable[11].size(), 29u);
}

// A shot command whose power (descriptor 27) is `power`.
cEdCommand ShotWithPower(std::int32_t power) {
    cEdCommand c;
    c.cKind = 11;
    ResetShared(c.pShot);
    c.pShot->nPower = power;
    return c;
}

struct PowerCase {
    std::int32_t power;
    std::int32_t op;
    std::int32_t var; // common variable number
    std::int32_t result;
};

TEST_F(ArrangementTest, OperatorsOnPowerIncludingOverflow) {
    // common: 1 = 30, 3 = 3000, 4 = 50, 5 = -1, 6 = INT_MAX, 7 = 65536, 2 = 0
    const PowerCase cases[] = {
        {10, 0, 1, 30},           // set
        {10, 1, 1, 40},           // add
        {10, 2, 1, -20},          // subtract
        {999999, 1, 6, 999999},   // 999999 + 2147483647 stays at the top
        {-999999, 2, 6, -999999}, // and at the bottom
        {999999, 3, 3, 999999},   // a product beyond 32 bits
        {-999999, 3, 3, -999999}, // negative product beyond 32 bits
        {65536, 3, 7, 999999},    // 65536 x 65536 wraps to 0 in 32 bits; here it saturates
        {7, 3, 2, 0},             // zero factor
        {7, 6, 4, 4},             // 50 % of 7 = 3.5, away from zero
        {-7, 6, 4, -4},           // 50 % of -7
        {999999, 6, 6, 999999},   // percent of large values saturates
        {100, 4, 1, 3},           // 100 / 30
        {-100, 4, 1, -3},         // toward zero
        {100, 4, 2, 100},         // divide by 0: unchanged
        {100, 5, 2, 100},         // remainder by 0: unchanged
        {-7, 5, 1, -7},           // -7 % 30 keeps the sign of v
        {100, 5, 1, 10},          // 100 % 30
        {100, 9, 1, 100},         // unknown operator
        {100, 1, 0, 100},         // common variable 0 is never used
        {100, 1, 10, 100},        // beyond the list
        {100, 1, -1, 100},        // negative number
    };
    for (const PowerCase& t : cases) {
        cEdCommand c = ShotWithPower(t.power);
        ApplyArrangement(c, {11, 27, t.op, 0, t.var}, Vars());
        EXPECT_EQ(c.pShot->nPower, t.result) << t.power << " op " << t.op << " var " << t.var;
    }
}

TEST_F(ArrangementTest, ExactArithmeticNeverTraps) {
    std::int64_t r = 0;
    ASSERT_TRUE(ArrangeOperate(4, INT_MIN, -1, r));
    EXPECT_EQ(r, 2147483648LL);
    ASSERT_TRUE(ArrangeOperate(5, INT_MIN, -1, r));
    EXPECT_EQ(r, 0);
    ASSERT_TRUE(ArrangeOperate(3, INT_MIN, INT_MIN, r));
    EXPECT_EQ(r, 4611686018427387904LL);
    ASSERT_TRUE(ArrangeOperate(6, INT_MAX, INT_MAX, r));
    EXPECT_GT(r, 0);
    EXPECT_FALSE(ArrangeOperate(4, 5, 0, r));
    EXPECT_FALSE(ArrangeOperate(-1, 5, 1, r));

    // INT_MIN stored in a compared value, divided by -1, lands on its maximum.
    cEdCommand target;
    target.cKind = 21;
    target.vParam.assign(16, 0);
    target.vParam[13] = INT_MIN;
    ApplyArrangement(target, {21, 2, 4, 0, 5}, Vars());
    EXPECT_EQ(target.vParam[13], 999999);
    target.vParam[13] = INT_MIN;
    ApplyArrangement(target, {21, 2, 5, 0, 5}, Vars());
    EXPECT_EQ(target.vParam[13], 0);
}

TEST_F(ArrangementTest, RangesClampEveryKindOfTarget) {
    // An angle 10 below its maximum plus 30 stops at the maximum.
    cEdCommand move;
    move.cKind = 2;
    ResetShared(move.pMove);
    move.pMove->sAngle = 7190;
    ApplyArrangement(move, {2, 4, 1, 0, 1}, Vars());
    EXPECT_EQ(move.pMove->sAngle, 7200);

    // Formation values: the range of the shot's own formation.
    cEdCommand shot = ShotWithPower(0);
    shot.pShot->cFormation = 3;
    ApplyArrangement(shot, {11, 3, 0, 0, 8}, Vars()); // set 100: "列の数" 1..50
    EXPECT_EQ(shot.pShot->sFormation[1], 50);
    shot.pShot->cFormation = 0;
    ApplyArrangement(shot, {11, 3, 0, 0, 8}, Vars());
    EXPECT_EQ(shot.pShot->sFormation[1], 0);
    shot.pShot->cFormation = 99; // no rows: 0..0 as well
    ApplyArrangement(shot, {11, 2, 0, 0, 8}, Vars());
    EXPECT_EQ(shot.pShot->sFormation[0], 0);
    // Movement values: the wave (8) "波の最大(hbl)" 0..100.
    shot.pShot->cMotion = 8;
    common[8] = 500;
    ApplyArrangement(shot, {11, 15, 0, 0, 8}, Vars());
    EXPECT_EQ(shot.pShot->sMotion[0], 100);
    // A summon's formation window starts elsewhere: kind 15 at descriptor 1.
    cEdCommand items;
    items.cKind = 15;
    ResetShared(items.pShot);
    items.pShot->cFormation = 2; // "角度" 0..180
    common[8] = 500;
    ApplyArrangement(items, {15, 1, 0, 0, 8}, Vars());
    EXPECT_EQ(items.pShot->sFormation[0], 180);
    // A narrow member is written truncated to its width after the clamp.
    ApplyArrangement(shot, {11, 5, 0, 0, 8}, Vars()); // "発射数" 1..127
    EXPECT_EQ(shot.pShot->cCount, 127);
}

TEST_F(ArrangementTest, FlowCommandsAndVariableScopes) {
    // A flow picture command (flow kind 17) is arranged under character kind 32.
    cEdCommand picture;
    picture.bFlow = 1;
    picture.cKind = 17;
    picture.vParam.assign(15, 0);
    ApplyArrangement(picture, {32, 0, 0, 1, 1}, Vars()); // stage variable 1 = 7
    EXPECT_EQ(picture.vParam[13], 7);
    ApplyArrangement(picture, {32, 0, 0, 1, 0}, Vars()); // stage variable 0: nothing
    EXPECT_EQ(picture.vParam[13], 7);
    ApplyArrangement(picture, {32, 0, 0, 2, 0}, Vars()); // the character's variable 0 = -3, clamped to 0
    EXPECT_EQ(picture.vParam[13], 0);
    ApplyArrangement(picture, {32, 0, 1, 3, 1}, Vars()); // unknown scope: nothing
    EXPECT_EQ(picture.vParam[13], 0);
    ApplyArrangement(picture, {17, 0, 0, 0, 1}, Vars()); // aimed at another kind
    EXPECT_EQ(picture.vParam[13], 0);
}

TEST_F(ArrangementTest, MissingPartsAndBadDescriptorsChangeNothing) {
    cEdCommand bare;
    bare.cKind = 11;
    ApplyArrangement(bare, {11, 27, 0, 0, 1}, Vars());
    EXPECT_FALSE(bare.pShot);
    // Kinds without descriptors, including 3, 4 and 7.
    for (int k : {3, 4, 7, 38}) {
        cEdCommand c;
        c.cKind = static_cast<std::int8_t>(k);
        ApplyArrangement(c, {k, 0, 0, 0, 1}, Vars());
    }
    // A descriptor outside the kind's list is reported and changes nothing.
    const auto before = MainWindowCloseRequests();
    cEdCommand c = ShotWithPower(5);
    ApplyArrangement(c, {11, 29, 0, 0, 1}, Vars());
    ApplyArrangement(c, {11, -1, 0, 0, 1}, Vars());
    EXPECT_EQ(c.pShot->nPower, 5);
    EXPECT_EQ(MainWindowCloseRequests(), before + 2);
}

TEST_F(ArrangementTest, ExclusiveBitmapGraphicOutsideItsDatabaseBecomesOne) {
    ctx().SetDatabaseSize(eDatabase::Bmp_CharaExc, 10);
    cEdCommand g;
    g.cKind = 26;
    g.vParam = {4, 2, 0};
    ApplyArrangement(g, {26, 0, 0, 0, 1}, Vars()); // 30 is outside 10 records
    EXPECT_EQ(g.vParam[1], 1);
    common[9] = 5;
    ApplyArrangement(g, {26, 0, 0, 0, 9}, Vars());
    EXPECT_EQ(g.vParam[1], 5);
    g.vParam[0] = 3; // not the exclusive bitmap: only the range applies
    ApplyArrangement(g, {26, 0, 0, 0, 1}, Vars());
    EXPECT_EQ(g.vParam[1], 30);
}

} // namespace
