// Graphics drawn small (16 x 16) for message icons and the carried-item hint:
// each kind's cell is taken from its sheet and shrunk, compared pixel for pixel
// on the DirectDraw face.
#include "engine/GraphicSource.h"

#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "project/Database.h"

namespace {

constexpr DWORD kBackground = 0x404040;

// The colour of quadrant q (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right)
// of the 32 x 32 cell whose top-left pixel is (x, y): unique to the cell.
DWORD CellColour(int x, int y, int q) {
    return 0x100000u * static_cast<DWORD>((x / 16) & 15) + 0x1000u * static_cast<DWORD>((y / 16) & 15) +
           0x10u * static_cast<DWORD>(q + 1);
}

class SmallGraphics : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        for (int entry :
             {int{SD_BLOCK_ALT}, int{SD_CHARA_SMALL}, SD_CHARA_SMALL + 2, int{SD_ITEM_SMALL}, int{SD_SHOT}})
            Sheet(SystemSD[entry]);
        CharaExcSD.assign(8, DDSURFACEDATA());
        for (DDSURFACEDATA& sd : CharaExcSD) Sheet(sd);
        savedRecords = Database.Bmp_CharaExc;
        Database.Bmp_CharaExc.assign(3, cBmp_CharaExc());
        ASSERT_TRUE(DDCreateSurface(&target, 32, 32, 0, 0, 0, 0, 0));
        DDFillRectColor(&target, 0, 0, 32, 32, kBackground);
    }
    void TearDown() override {
        for (DDSURFACEDATA& sd : SystemSD) DDReleaseSurface(&sd);
        DDReleaseSurfaceVec(CharaExcSD);
        CharaExcSD.clear();
        DDReleaseSurface(&target);
        Database.Bmp_CharaExc = savedRecords;
        GraphicsTest::TearDown();
    }
    // A keyed sheet of 128 x 512 pixels whose cells of 32 are each four colours,
    // split at 16 pixels.
    static void Sheet(DDSURFACEDATA& sd) {
        ASSERT_TRUE(DDCreateSurface(&sd, 128, 512, 1, 0, 0, 0, 0)); // keyed, as the sheets are
        for (int y = 0; y < 512; y += 16)
            for (int x = 0; x < 128; x += 16) {
                const int cellX = x / 32 * 32, cellY = y / 32 * 32;
                const int q = (x - cellX) / 16 + 2 * ((y - cellY) / 16);
                DDFillRectColor(&sd, x, y, 16, 16, CellColour(cellX, cellY, q));
            }
    }
    // The 16 x 16 picture at (1, 1) shows the 32 x 32 cell at (x, y) of the sheet, halved.
    void ExpectCell(int x, int y) {
        for (int j = 0; j < 32; ++j)
            for (int i = 0; i < 32; ++i) {
                DWORD want = kBackground;
                if (i >= 1 && i < 17 && j >= 1 && j < 17)
                    want = CellColour(x, y, (i - 1) / 8 + 2 * ((j - 1) / 8));
                ASSERT_EQ(At(target, i, j), want) << "pixel " << i << "," << j;
            }
    }
    DDSURFACEDATA target;
    cVector<cBmp_CharaExc> savedRecords;
};

TEST_F(SmallGraphics, BlockFromTheSecondFormOfTheSheet) {
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_BLOCK, 16, 0);
    ExpectCell(32, 32);
}

TEST_F(SmallGraphics, CharacterCellOfItsSheetAndSubCell) {
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_CHARA, 17, 3);
    ExpectCell(96, 64); // sheet 1 (entry 24), row 2, cell 3
}

TEST_F(SmallGraphics, ShotCellOfTheShotSheet) {
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_SHOT, 31, 0);
    ExpectCell(64, 32);
}

TEST_F(SmallGraphics, ExclusiveBitmapFromItsAlternateSurface) {
    DDFillRectColor(&CharaExcSD[0], 0, 0, 128, 512, 0x123456); // not the surface it draws from
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_EXCLUSIVE, 1, 3);
    ExpectCell(96, 0);
}

TEST_F(SmallGraphics, ItemFromTheSmallSheetUnscaled) {
    // The small item sheet holds 16-pixel pictures: the 16 x 16 square at (32, 16).
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_ITEM, 16, 0);
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i)
            ASSERT_EQ(At(target, 1 + i, 1 + j), CellColour(32, 0, 2)) << i << "," << j;
}

TEST_F(SmallGraphics, NothingForNoGraphic) {
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_EXCLUSIVE, 0, 0);
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_EXCLUSIVE, 9, 0);
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_CHARA, 120, 0);
    DrawGraphicSmall(&target, 1, 1, 5, 0, 0);
    DrawGraphicSmall(&target, 1, 1, GRAPHIC_BLOCK, -1, 0);
    for (int j = 0; j < 32; ++j)
        for (int i = 0; i < 32; ++i) ASSERT_EQ(At(target, i, j), kBackground);
}

} // namespace
