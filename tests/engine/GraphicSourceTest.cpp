// The source cells of definitions' graphics: every kind, both facings, both
// modes and both drawing faces, on a surface table whose records only carry
// their sizes (the selection reads nothing else).
#include "engine/GraphicSource.h"

#include "graphics/GraphicsGlobals.h"
#include "graphics/SystemSurfaces.h"
#include "project/Database.h"
#include "project/IniSetting.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Sizes in the system surface table, exclusive bitmaps 1 (plain cells) and 2 (cells of
// 64 pixels), and the drawing face, all put back afterwards.
class Sources : public ::testing::Test {
protected:
    void SetUp() override {
        std::copy(std::begin(SystemSD), std::end(SystemSD), savedTable);
        savedDT = lpDTCon;
        savedStretch = IniSetting.DD_VideoStretch;
        savedRecords = Database.Bmp_CharaExc;
        for (DDSURFACEDATA& sd : SystemSD) {
            sd = DDSURFACEDATA();
            sd.nWidth = 640;
            sd.nHeight = 480;
        }
        lpDTCon = nullptr;
        IniSetting.DD_VideoStretch = 0;
        CharaExcSD.assign(8, DDSURFACEDATA());
        Database.Bmp_CharaExc.assign(3, cBmp_CharaExc());
        Database.Bmp_CharaExc[2].bLargeCell = 1;
        Database.Bmp_CharaExc[2].nCellMultiple = 2;
    }
    void TearDown() override {
        std::copy(std::begin(savedTable), std::end(savedTable), SystemSD);
        lpDTCon = savedDT;
        IniSetting.DD_VideoStretch = savedStretch;
        Database.Bmp_CharaExc = savedRecords;
        CharaExcSD.clear();
    }

    // Surfaces by number: n for system entry n, 100 + n for exclusive surface n, -1 for none.
    int Number(const DDSURFACEDATA* sd) const {
        if (!sd) return -1;
        if (sd >= SystemSD && sd < SystemSD + kSystemBmpCount) return static_cast<int>(sd - SystemSD);
        if (!CharaExcSD.empty() && sd >= &CharaExcSD.front() && sd <= &CharaExcSD.back())
            return 100 + static_cast<int>(sd - &CharaExcSD.front());
        return -2;
    }

    DDSURFACEDATA* table = SystemSD;
    DTCONDATA context;

private:
    DDSURFACEDATA savedTable[kSystemBmpCount];
    DTCONDATA* savedDT = nullptr;
    int savedStretch = 0;
    cVector<cBmp_CharaExc> savedRecords;
};

struct SourceCase {
    const char* name;
    int mode, kind, index, cell, facing, subCell;
    int right, mirror, rightAlt, mirrorAlt; // surface numbers as Number() gives them
    int x, y;
    int scale;
};

const SourceCase kSourceCases[] = {
    {"block", 1, GRAPHIC_BLOCK, 16, 0, 1, 0, 2, 2, 3, 3, 32, 32, 1},
    {"block in the preview", 0, GRAPHIC_BLOCK, 44, 5, 0, 0, 2, 2, 3, 3, 64, 448, 1},
    {"character facing right", 1, GRAPHIC_CHARA, 14, 3, 1, 0, 5, 4, 23, 22, 96, 448, 1},
    {"character facing left", 1, GRAPHIC_CHARA, 14, 3, 0, 2, 4, 5, 22, 23, 160, 448, 1},
    {"character of the second sheet", 1, GRAPHIC_CHARA, 20, 0, 0, 0, 6, 7, 24, 25, 0, 160, 1},
    {"character of the last sheet", 1, GRAPHIC_CHARA, 119, 1, 1, 0, 19, 18, 37, 36, 32, 448, 1},
    {"character preview, first half", 0, GRAPHIC_CHARA, 1, 19, 1, 3, 4, 4, 22, 22, 608, 32, 1},
    {"character preview, mirrored half", 0, GRAPHIC_CHARA, 1, 21, 0, 0, 5, 5, 23, 23, 32, 32, 1},
    {"character cell past the sheet", 1, GRAPHIC_CHARA, 3, 19, 0, 1, 4, 4, 22, 22, 0, 0, 1},
    {"character before the sheet", 1, GRAPHIC_CHARA, 3, -1, 0, 0, 4, 4, 22, 22, 0, 0, 1},
    {"character beyond the eight sheets", 1, GRAPHIC_CHARA, 120, 0, 0, 0, 4, 4, 22, 22, 0, 0, 1},
    {"item", 1, GRAPHIC_ITEM, 16, 0, 1, 1, 40, 40, 41, 41, 64, 32, 1},
    {"item's second frame", 2, GRAPHIC_ITEM, 16, 0, 0, 1, 40, 40, 41, 41, 96, 32, 1},
    {"shot in the preview", 0, GRAPHIC_SHOT, 31, 0, 1, 0, 63, 63, 63, 63, 64, 32, 1},
    {"shot facing right", 1, GRAPHIC_SHOT, 31, 0, 1, 0, 64, 63, 64, 63, 64, 32, 1},
    {"shot facing left", 1, GRAPHIC_SHOT, 59, 0, 0, 0, 63, 64, 63, 64, 64, 928, 1},
    {"exclusive bitmap facing right", 1, GRAPHIC_EXCLUSIVE, 1, 16, 1, 1, 101, 100, 103, 102, 32, 32, 1},
    {"exclusive bitmap facing left", 1, GRAPHIC_EXCLUSIVE, 1, 3, 0, 0, 100, 101, 102, 103, 96, 0, 1},
    {"exclusive bitmap in the preview", 0, GRAPHIC_EXCLUSIVE, 1, 3, 1, 5, 100, 101, 102, 103, 96, 0, 1},
    {"exclusive bitmap of large cells", 1, GRAPHIC_EXCLUSIVE, 2, 9, 0, 0, 104, 105, 106, 107, 64, 64, 2},
    {"exclusive bitmap 0 is none", 1, GRAPHIC_EXCLUSIVE, 0, 0, 0, 0, -1, -1, -1, -1, 0, 0, 1},
    {"exclusive bitmap not loaded", 1, GRAPHIC_EXCLUSIVE, 3, 0, 0, 0, -1, -1, -1, -1, 0, 0, 1},
    {"unknown kind", 1, 5, 0, 0, 0, 0, -1, -1, -1, -1, 0, 0, 1},
    {"negative kind", 1, -1, 0, 0, 0, 0, -1, -1, -1, -1, 0, 0, 1},
    {"negative index", 1, GRAPHIC_BLOCK, -1, 0, 0, 0, -1, -1, -1, -1, 0, 0, 1},
};

TEST_F(Sources, EveryKindAndFacingGivesItsCell) {
    for (const SourceCase& c : kSourceCases) {
        SCOPED_TRACE(c.name);
        for (int face = 0; face < 3; ++face) {
            // DirectDraw with the stretch switch draws the sheets as loaded; otherwise the second forms.
            lpDTCon = face == 2 ? &context : nullptr;
            IniSetting.DD_VideoStretch = face == 0 ? 1 : 0;
            const bool main = face == 0;
            GraphicDesc d;
            d.SrcX = 1234;
            SelectGraphicSource(d, c.mode, c.kind, c.index, c.cell, c.facing, c.subCell);
            EXPECT_EQ(Number(d.SrcRight), c.right);
            EXPECT_EQ(Number(d.SrcMirror), c.mirror);
            EXPECT_EQ(Number(d.SrcRightAlt), c.rightAlt);
            EXPECT_EQ(Number(d.SrcMirrorAlt), c.mirrorAlt);
            EXPECT_EQ(Number(d.Src), main ? c.right : c.rightAlt);
            EXPECT_EQ(Number(d.SrcMirrorUsed), main ? c.mirror : c.mirrorAlt);
            EXPECT_EQ(d.SrcX, c.x);
            EXPECT_EQ(d.SrcY, c.y);
            EXPECT_EQ(d.Scale, c.scale);
            EXPECT_EQ(d.Scaled, c.scale > 1);
        }
    }
}

TEST_F(Sources, AMissingSheetShowsTheMissingGraphic) {
    table[6] = DDSURFACEDATA(); // Character2.bmp is optional and was not there
    GraphicDesc d;
    SelectGraphicSource(d, 1, GRAPHIC_CHARA, 15, 0, 0, 0);
    EXPECT_EQ(Number(d.SrcRight), 4);
    EXPECT_EQ(d.SrcY, 0);

    // A sheet that shares another's picture is measured by that picture.
    table[7] = DDSURFACEDATA();
    table[7].lpAlias = &table[4];
    SelectGraphicSource(d, 1, GRAPHIC_CHARA, 15, 2, 1, 0);
    EXPECT_EQ(Number(d.SrcRight), 7);
    EXPECT_EQ(d.SrcX, 64);
}

TEST_F(Sources, OddCellMultiplesStayDrawable) {
    for (int multiple : {0, -3, 40}) {
        Database.Bmp_CharaExc[2].nCellMultiple = multiple;
        GraphicDesc d;
        SelectGraphicSource(d, 1, GRAPHIC_EXCLUSIVE, 2, 5, 0, 0);
        EXPECT_GE(d.Scale, 1);
        EXPECT_LE(d.Scale, 16);
        EXPECT_GE(d.SrcX, 0);
    }
}

TEST_F(Sources, WorkSurfacesOfEachFace) {
    struct Face {
        bool d3d;
        int stretch;
        int mark, scaled, effect;
    };
    for (const Face& f :
         {Face{false, 1, 43, 67, 68}, Face{false, 0, 44, 68, 68}, Face{true, 1, 44, 68, 70}}) {
        lpDTCon = f.d3d ? &context : nullptr;
        IniSetting.DD_VideoStretch = f.stretch;
        SelectSystemSurfaces();
        EXPECT_EQ(Number(WorkSurfaces.lpMark), f.mark);
        EXPECT_EQ(Number(WorkSurfaces.lpScaled), f.scaled);
        EXPECT_EQ(Number(WorkSurfaces.lpEffect), f.effect);
    }
}

// Moving shots draw from the shot picture as loaded (or its second form), not
// from the sheets of 32-pixel slots, whose cells lie elsewhere.
TEST_F(Sources, MovingShotsDrawFromTheShotPictureOfEachFace) {
    struct Face {
        bool d3d;
        int stretch;
        int left, right;
    };
    for (const Face& f : {Face{false, 1, 20, 21}, Face{false, 0, 38, 39}, Face{true, 0, 38, 39}}) {
        lpDTCon = f.d3d ? &context : nullptr;
        IniSetting.DD_VideoStretch = f.stretch;
        EXPECT_EQ(Number(ShotPicture(0)), f.left);
        EXPECT_EQ(Number(ShotPicture(1)), f.right);
    }
}

} // namespace
