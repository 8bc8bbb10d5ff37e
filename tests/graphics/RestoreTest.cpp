// Recovery of lost DirectDraw surfaces: the screen, and the fixed surface
// table given to start-up.
#include "GraphicsFixture.h"

namespace {

class DirectDrawRestore : public GraphicsTest {
protected:
    void SetUp() override {
        window.Open("test", 640, 480, false);
        WriteFile("pic.bmp", MakeBmp(2, 1, 32, {0x112233, 0x445566}));
        ASSERT_TRUE(DDInit(0, &window, 640, 480, 32, 1, 0, 1, 60, 0, table, nullptr, 3));
        ASSERT_EQ(DDCreateSurfaceFromFile(&table[0], "pic.bmp", 0, 32, 0, 0, 0, 0, 0, 0, 0), 0);
        ASSERT_TRUE(DDCreateSurface(&table[1], 2, 1, 0, 0, 0, 0, 0)); // made empty, in video memory
        ASSERT_TRUE(DDCreateSurface(&table[2], 2, 1, 0, 1, 0, 0, 0)); // in system memory
        for (DDSURFACEDATA* sd : {&table[1], &table[2]}) DDFillSurfaceColor(sd, 0x00ABCDEFu);
    }
    DDSURFACEDATA table[3];
};

TEST_F(DirectDrawRestore, NothingLostIsNothingToDo) {
    EXPECT_FALSE(DDIsScreenLost());
    EXPECT_EQ(DDRestore(), 1);
    EXPECT_EQ(table[1].bLost, 0);
    EXPECT_EQ(At(table[1], 0, 0), 0x00ABCDEFu);
}

TEST_F(DirectDrawRestore, PicturesComeBackAndEmptySurfacesAreMarkedForTheirOwners) {
    lpDD->LoseSurfaces();
    EXPECT_TRUE(DDIsScreenLost());
    EXPECT_EQ(DDRestore(), 1);
    EXPECT_FALSE(DDIsScreenLost());
    EXPECT_EQ(At(table[0], 1, 0) & 0xFFFFFF, 0x445566u) << "the picture is loaded again";
    EXPECT_EQ(table[0].bLost, 0);
    EXPECT_EQ(table[1].bLost, 1) << "an empty surface is drawn again by its owner";
    EXPECT_EQ(table[2].bLost, 0);
    EXPECT_EQ(At(table[2], 0, 0), 0x00ABCDEFu) << "system memory keeps its contents";
    // The screen draws again.
    DDFillSurfaceColor(&BackBuffer, 0x00102030u);
    DDShowBackBuffer(0, 0);
    EXPECT_EQ(At(PrimarySD, 5, 5), 0x00102030u);
}

} // namespace
