// The story slot list: a framed box 320 pixels wide, one 16-pixel row per
// slot, a separator line under every row but the last, the slot's number from
// x + 16 and its date from x + 64 only when it holds a save.
#include "gui/TextScreenFixture.h"

#include "gui/SlotListDraw.h"

namespace {

class SlotListDraw : public TextScreenTest {
protected:
    SlotListDraw() : TextScreenTest(400) {}
    int Ink(int x0, int y0, int x1, int y1) {
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) ink += Rgb(x, y) == 0xFFFFFFu;
        return ink;
    }
};

TEST_F(SlotListDraw, RowsSeparatorsNumbersAndDates) {
    cVector<cSlotInfo> list(3);
    list[1].bSaved = 1;
    list[1].Date = {2026, 12, 5, 11, 3, 4, 5, 6};
    // Rows for slots 1 and 2 of a three-slot list, three rows asked: the list ends first.
    DrawSlotList(&screen, 10, 10, list, 1, 3);
    EXPECT_EQ(Rgb(9, 9), 0x00FF00u) << "the frame's outline";
    EXPECT_EQ(Rgb(200, 10 + 15), 0x00FF00u) << "a separator under the first row";
    EXPECT_EQ(Rgb(200, 10 + 31), 0x00FF00u) << "a separator under the second row (a third was asked)";
    EXPECT_GT(Ink(26, 10, 74, 26), 10) << "the number of the first row";
    EXPECT_GT(Ink(74, 10, 330, 26), 100) << "the date of the slot that holds a save";
    EXPECT_GT(Ink(26, 26, 74, 42), 10) << "the number of the second row";
    EXPECT_EQ(Ink(74, 26, 330, 42), 0) << "no date for an empty slot";
    EXPECT_EQ(Ink(10, 42, 330, 58), 0) << "nothing past the end of the list";
}

} // namespace
