// The status operators, the percent rule and the comparisons in a width.
#include "engine/StatusArith.h"

#include <gtest/gtest.h>

namespace {

struct OpCase {
    const char* name;
    int op;
    std::int32_t value;
    std::int64_t operand;
    std::int32_t low, high;
    std::int32_t result;
};

const OpCase kOps[] = {
    {"set", STATUS_SET, 5, 7, -999999, 999999, 7},
    {"set clamps", STATUS_SET, 5, 2000000, -999999, 999999, 999999},
    {"add", STATUS_ADD, 5, 7, -999999, 999999, 12},
    {"subtract", STATUS_SUB, 5, 7, -999999, 999999, -2},
    {"multiply saturates at the top", STATUS_MUL, 999999, 999999, -999999, 999999, 999999},
    {"multiply saturates at the bottom", STATUS_MUL, 999999, -999999, -999999, 999999, -999999},
    {"a product that wraps to 0 in 32 bits still saturates", STATUS_MUL, 65536, 65536, -999999, 999999,
     999999},
    {"a product that wraps to 0 in 8 bits still saturates", STATUS_MUL, 16, 16, 0, 99, 99},
    {"a sum past 32 bits does not wrap", STATUS_ADD, 999999, 2147483647, -999999, 999999, 999999},
    {"a difference past 32 bits does not wrap", STATUS_SUB, -999999, 2147483647, -999999, 999999, -999999},
    {"divide truncates toward zero", STATUS_DIV, -7, 2, -999999, 999999, -3},
    {"divide by -1 at the bottom of the range", STATUS_DIV, -999999, -1, -999999, 999999, 999999},
    {"divide by 0 keeps the value", STATUS_DIV, 150, 0, -999999, 999999, 150},
    {"divide by 0 still clamps", STATUS_DIV, 150, 0, 0, 99, 99},
    {"remainder", STATUS_MOD, -7, 3, -999999, 999999, -1},
    {"remainder by 0 keeps the value", STATUS_MOD, 42, 0, 0, 99, 42},
    {"percent rounds half away from zero", STATUS_PERCENT, 150, 33, -999999, 999999, 50},
    {"negative percent rounds away from zero", STATUS_PERCENT, 150, -33, -999999, 999999, -50},
    {"operator 7 only clamps", 7, 150, 5, 0, 99, 99},
    {"a negative operator only clamps", -1, -5, 5, 0, 99, 0},
};

TEST(StatusArith, OperatorsWorkIn64BitsAndClamp) {
    for (const OpCase& c : kOps) {
        EXPECT_EQ(StatusOp(c.op, c.value, c.operand, c.low, c.high), c.result) << c.name;
    }
}

TEST(StatusArith, PercentOfRoundsTheProductHalfAwayFromZero) {
    EXPECT_EQ(PercentOf(150, 33), 50);
    EXPECT_EQ(PercentOf(-150, 33), -50);
    EXPECT_EQ(PercentOf(100, 50), 50);
    EXPECT_EQ(PercentOf(3, 50), 2); // 1.5
    EXPECT_EQ(PercentOf(999999, 999999), 2147483647);
    EXPECT_EQ(PercentOf(-2147483647 - 1, 2147483647), -2147483647 - 1);
}

TEST(StatusArith, SmallStatusesCutTheOperandToTheirWidth) {
    EXPECT_EQ(CutToWidth(300, STATUS_WIDTH8), 44);
    EXPECT_EQ(CutToWidth(200, STATUS_WIDTH8), -56);
    EXPECT_EQ(CutToWidth(70000, STATUS_WIDTH16), 4464);
    EXPECT_EQ(CutToWidth(70000, STATUS_WIDTH32), 70000);
    EXPECT_EQ(CutToWidth(std::int64_t{1} << 40, STATUS_WIDTH32), 2147483647);
    // Adding 300 to cid adds 44.
    EXPECT_EQ(StatusOp(STATUS_ADD, 10, CutToWidth(300, STATUS_WIDTH8), 0, 99), 54);
}

TEST(StatusArith, ComparisonsInAWidth) {
    EXPECT_TRUE(CompareInWidth(44, 300, 0, STATUS_WIDTH8));
    EXPECT_FALSE(CompareInWidth(44, 300, 0, STATUS_WIDTH32));
    EXPECT_TRUE(CompareInWidth(-6, 3, 6, STATUS_WIDTH32)); // -6 is a multiple of 3
    EXPECT_TRUE(CompareInWidth(5, 0, 6, STATUS_WIDTH32));
    EXPECT_FALSE(CompareInWidth(5, 0, 7, STATUS_WIDTH32));
    EXPECT_FALSE(CompareInWidth(5, 5, 8, STATUS_WIDTH32));
}

} // namespace
