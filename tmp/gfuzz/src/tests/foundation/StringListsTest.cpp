#include "foundation/StringLists.h"
#include "foundation/CompareOp.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(StringLists, FontFaceNamesByNumber) {
    EXPECT_EQ(FontFaceName(0), "System");
    EXPECT_EQ(FontFaceName(32), "Times New Roman");
    EXPECT_EQ(FontFaceName(59), "\202\154\202\162 \203\123\203\126\203\142\203\116");
    EXPECT_EQ(FontFaceName(60), "\202\154\202\162 \202\157\203\123\203\126\203\142\203\116");
    EXPECT_EQ(FontFaceName(86), "HG\xBA\xDE\xBC\xAF\xB8"
                                "E"); // half-width katakana are single bytes
    EXPECT_EQ(FontFaceName(121), "Sydnie");
    EXPECT_EQ(FontFaceName(122), "");
    EXPECT_EQ(FontFaceName(205), ""); // a damaged setting
    EXPECT_EQ(FontFaceName(-1), "");
}

TEST(StringLists, EveryListEndsInTheEmptyString) {
    EXPECT_EQ(PaletteModeLabels[2], "");
    EXPECT_EQ(BppLabels[3], "");
    EXPECT_EQ(BppLabelsNo8[2], "");
    EXPECT_EQ(CharaVarLabels[8], "");
    EXPECT_EQ(CalcOpLabels[7], "");
    EXPECT_EQ(CompareLabels[8], "");
    EXPECT_EQ(IfLabels[2], "");
    EXPECT_EQ(CompareLabels[6], "\202\314\224\173\220\224\202\305\202\240\202\351");
    EXPECT_EQ(CalcOpLabels[2], "\201\174");
    for (int i = 0; i < 122; ++i) EXPECT_FALSE(FontFaceNames[i].empty()) << i;
}

TEST(CompareByOp, Table) {
    const struct {
        std::int32_t a, b;
        int op;
        int expected;
    } cases[] = {
        {3, 3, 0, 1},
        {3, 4, 0, 0},
        {3, 4, 1, 1},
        {3, 3, 1, 0},
        {4, 4, 2, 1},
        {3, 4, 2, 0},
        {4, 4, 3, 1},
        {5, 4, 3, 0},
        {5, 4, 4, 1},
        {4, 4, 4, 0},
        {3, 4, 5, 1},
        {4, 4, 5, 0},
        {-6, 3, 6, 1},
        {5, 0, 6, 1},
        {5, 0, 7, 0},
        {7, 2, 7, 1},
        {6, 2, 7, 0},
        {7, 2, 6, 0},
        {1, 2, 8, 0},
        {1, 1, -1, 0},
        {9, -3, 6, 1},
        {-9, -3, 7, 0},
        {10, -3, 6, 0},
        // No overflow at the edges of the 32-bit range.
        {INT_MIN, -1, 6, 1},
        {INT_MIN, -1, 7, 0},
        {INT_MIN, 2, 6, 1},
        {INT_MIN, 3, 6, 0},
        {INT_MIN, INT_MIN, 6, 1},
        {INT_MIN, INT_MAX, 7, 1},
        {INT_MAX, -1, 6, 1},
        {0, INT_MIN, 6, 1},
        {INT_MIN, INT_MAX, 5, 1},
        {INT_MAX, INT_MIN, 4, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareByOp(c.a, c.b, c.op), c.expected) << c.a << " " << c.b << " op " << c.op;
}

} // namespace
