// Bitmap-font cells and circle outlines on both faces.
#include "GraphicsFixture.h"

namespace {

// Cell colour of font column c, row r: every cell a colour of its own.
std::uint32_t CellColour(int c, int r) {
    return 0x100000u * static_cast<std::uint32_t>(r + 1) + 0x10u * (c + 1);
}

class TextAndCircles : public GraphicsTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        d3d = GetParam();
        ASSERT_TRUE(d3d ? StartDirect3D(32) : StartDirectDraw(32));
        DDSetTransmit(0xFF, 0x00, 0xFF);
    }
    void TearDown() override {
        DDReleaseSurface(&font);
        DDReleaseSurface(&screen);
        GraphicsTest::TearDown();
    }
    std::uint32_t Rgb(int x, int y) { return At(screen, x, y) & 0xFFFFFF; }
    // A font picture of 2 x 2 cells, each of its own colour, and a black
    // screen 640 wide to write on.
    void MakeFontAndScreen() {
        std::vector<std::uint32_t> px(32 * 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) px[y * 32 + x] = CellColour(x / 2, y / 2);
        WriteFile("font.bmp", MakeBmp(32, 32, 24, px));
        ASSERT_EQ(DDCreateSurfaceFromFile(&font, "font.bmp", 1, 32, 0, 0, 0, 0, 0, 0, 0), 0);
        ASSERT_TRUE(DDCreateSurface(&screen, 640, 8, 0, 0, 0, 0, 0));
        DDFillSurfaceColor(&screen, d3d ? 0xFF000000u : 0u);
    }
    bool d3d = false;
    DDSURFACEDATA font, screen;
};

TEST_P(TextAndCircles, BitmapTextTakesTheRightCellsAndWraps) {
    MakeFontAndScreen();
    // 'A', half-width kana 0xA6 and 0xBF, 0xC0 and 0xDD; then a newline.
    DDDrawBitmapText(&screen, 0, 0, 2, 2, &font, "A\xA6\xBF\xC0\xDD\nB");
    const struct {
        int x, y, column, row;
    } cells[] = {{0, 0, 1, 4}, {2, 0, 6, 0}, {4, 0, 15, 1}, {6, 0, 0, 8}, {8, 0, 13, 9}, {0, 2, 2, 4}};
    for (const auto& c : cells) {
        EXPECT_EQ(Rgb(c.x, c.y), CellColour(c.column, c.row)) << c.x << "," << c.y;
        EXPECT_EQ(Rgb(c.x + 1, c.y + 1), CellColour(c.column, c.row));
    }
    // Text that reaches the screen's right edge goes on at the starting x.
    DDDrawBitmapTextF(&screen, 634, 4, 2, 2, &font, "%s%d", "AB", 7);
    EXPECT_EQ(Rgb(634, 4), CellColour(1, 4));
    EXPECT_EQ(Rgb(636, 4), CellColour(2, 4));
    EXPECT_EQ(Rgb(638, 4), CellColour(7, 3));
    EXPECT_EQ(Rgb(634, 6), 0u) << "three cells fill the line; nothing was left for the next";
}

TEST_P(TextAndCircles, BitmapTextWrapsWhenItsOwnWidthReachesTheScreenWidth) {
    MakeFontAndScreen();
    // Started right of 0, the text runs on past the right edge and is cut
    // there; it wraps only once its own width reaches the screen width.
    DDDrawBitmapText(&screen, 634, 0, 2, 2, &font, "ABCD");
    EXPECT_EQ(Rgb(634, 0), CellColour(1, 4));
    EXPECT_EQ(Rgb(638, 0), CellColour(3, 4));
    for (int x = 0; x < 640; ++x) ASSERT_EQ(Rgb(x, 2), 0u) << "nothing went to the next line, x " << x;
    // From 0, 320 cells fill the width; the 321st starts the next line at x.
    std::string text(320, 'A');
    text += 'B';
    DDDrawBitmapText(&screen, 0, 4, 2, 2, &font, text.c_str());
    EXPECT_EQ(Rgb(638, 4), CellColour(1, 4));
    EXPECT_EQ(Rgb(0, 6), CellColour(2, 4));
    EXPECT_EQ(Rgb(2, 6), 0u);
}

// Marks of a circle of radius 5 around the centre of an 11 x 11 square.
const char* kCircle5[11] = {
    "...#####...", "..#.....#..", ".#.......#.", "#.........#", "#.........#", "#.........#",
    "#.........#", "#.........#", ".#.......#.", "..#.....#..", "...#####...",
};

TEST_P(TextAndCircles, CirclesOfRadiusZeroOneAndFive) {
    Palette[1] = {0xFF, 0xFF, 0xFF, 0};
    ASSERT_TRUE(DDCreateSurface(&screen, 16, 16, 0, 0, 0, 0, 0));
    auto clear = [&] { DDFillSurfaceColor(&screen, d3d ? 0xFF000000u : 0u); };
    auto marked = [&](int x, int y) { return Rgb(x, y) == 0xFFFFFF; };

    clear();
    DDDrawCircle(&screen, 8, 8, 0, 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) EXPECT_FALSE(marked(x, y));

    DDDrawCircle(&screen, 8, 8, 1, 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            bool axis = (x == 8 && (y == 7 || y == 9)) || (y == 8 && (x == 7 || x == 9));
            EXPECT_EQ(marked(x, y), axis) << x << "," << y;
        }

    clear();
    DDDrawCircle(&screen, 5, 5, 5, 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            bool want = x < 11 && y < 11 && kCircle5[y][x] == '#';
            EXPECT_EQ(marked(x, y), want) << x << "," << y;
        }

    clear();
    DDDrawCircle(&screen, 0, 0, 5, 1); // three quarters lie off the surface
    EXPECT_TRUE(marked(5, 0));
    EXPECT_TRUE(marked(0, 5));
    EXPECT_TRUE(marked(3, 4));
}

INSTANTIATE_TEST_SUITE_P(BothFaces, TextAndCircles, ::testing::Values(false, true), [](const auto& info) {
    return std::string(info.param ? "Direct3D" : "DirectDraw");
});

} // namespace
