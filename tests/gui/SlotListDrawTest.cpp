// The story slot list: a framed box 320 pixels wide, one 16-pixel row per
// slot, a separator line under every row but the last, the slot's number from
// x + 16 and its date from x + 64 only when it holds a save.
#include "graphics/GraphicsFixture.h"

#include "graphics/Font.h"
#include "gui/SlotListDraw.h"

namespace {

class SlotListDraw : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        Palette[0] = {0xFF, 0x00, 0xFF, 0};
        Palette[240] = {0x00, 0xFF, 0x00, 0};
        Palette[241] = {0xFF, 0xFF, 0xFF, 0};
        DDSetTransmit(0xFF, 0x00, 0xFF);
        ASSERT_TRUE(DDCreateSurface(&frame, 640, 480, 0, 1, 0, 0, 0));
        DDFillSurfaceColor(&frame, 0x000080);
        ASSERT_TRUE(DDCreateSurface(&screen, 400, 80, 0, 1, 0, 0, 0));
        DDFillSurfaceColor(&screen, 0x404040);
        SysFont[1].Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, &frame, 1, 240, nullptr, 1);
    }
    void TearDown() override {
        SysFont[1].Release();
        DDReleaseSurface(&frame);
        DDReleaseSurface(&screen);
        GraphicsTest::TearDown();
    }
    std::uint32_t Rgb(int x, int y) { return At(screen, x, y) & 0xFFFFFF; }
    int Ink(int x0, int y0, int x1, int y1) {
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) ink += Rgb(x, y) == 0xFFFFFFu;
        return ink;
    }
    DDSURFACEDATA frame, screen;
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
