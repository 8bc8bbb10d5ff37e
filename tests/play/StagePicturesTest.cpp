// The pictures a stage brings along: the databases' own pictures are loaded as
// the play scene is entered and released with it, a picture that is missing
// leaves only its own surface empty, and the shot cells are laid out in the
// work pictures again whenever the device loses them.
#include "engine/GraphicSource.h"
#include "fixtures/PlayStage.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "platform/ImageBuilders.h"
#include "play/ObjectDraw.h"
#include "play/StageResources.h"
#include "play/StageRunner.h"
#include "project/Database.h"
#include "project/SystemBmp.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr int kShotPicture = 20, kShotMirrorPicture = 21;

// The play scene on one drawing face with every system picture an empty work
// surface (the shot pictures 128 x 480, a cell's worth of pixels each), so no
// picture file is needed but the ones a test writes.
class StagePictures : public GraphicsTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        std::copy(std::begin(SystemBmp), std::end(SystemBmp), savedTable);
        for (int i = 0; i < kSystemBmpCount; ++i) {
            BMPFILEDATA& b = SystemBmp[i];
            if (b.IsWorkSurface()) continue;
            const bool shots = i == kShotPicture || i == kShotMirrorPicture;
            b.Set("E", 1, 0, 0, 0, 0, 1, 0, 0, shots ? 128 : 16, shots ? 480 : 16);
        }
        window.Open("test", 640, 480, false);
        ASSERT_TRUE(DDInit(GetParam() ? 1 : 0, &window, 640, 480, 32, 1, 1, 1, 60, 0, SystemSD, SystemBmp,
                           kSystemBmpCount));
    }
    void TearDown() override {
        GraphicsTest::TearDown();
        std::copy(std::begin(savedTable), std::end(savedTable), SystemBmp);
        Database = savedDatabase;
    }

    // A solid picture of one colour.
    static void WritePicture(const char* name, int width, int height, std::uint32_t rgb) {
        WriteFile(name, MakeBmp(width, height, 24, std::vector<std::uint32_t>(width * height, rgb)));
    }
    // Each 16 x 16 cell (c, r) of the shot pictures gets its own colour.
    void PaintShotCells() {
        for (int picture : {kShotPicture, kShotMirrorPicture})
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 8; ++c)
                    DDFillRectColor(&SystemSD[picture], 16 * c, 16 * r, 16, 16,
                                    Display(CellColour(picture, c, r)));
    }
    static std::uint32_t CellColour(int picture, int c, int r) {
        return (picture == kShotPicture ? 0x800000u : 0x008000u) | static_cast<std::uint32_t>(r * 8 + c + 1);
    }
    // A colour as the face stores it, opaque.
    std::uint32_t Display(std::uint32_t rgb) const { return GetParam() ? (0xFF000000u | rgb) : rgb; }

    cGameGlobalsGuard globals;
    cDatabase savedDatabase = Database;
    BMPFILEDATA savedTable[kSystemBmpCount];
};

TEST_P(StagePictures, EnteringLoadsTheDatabasesPicturesAndLeavingReleasesThem) {
    WritePicture("own.bmp", 64, 32, 0x102030);
    WritePicture("blade1.bmp", 48, 16, 0x405060);
    WritePicture("effect.bmp", 96, 32, 0x708090);
    Database.Bmp_CharaExc.assign(2, cBmp_CharaExc());
    Database.Bmp_CharaExc[1].strFile = "own.bmp";
    Database.SwordType.assign(2, cSwordType());
    Database.SwordType[1].strFile1 = "blade1.bmp";
    Database.SwordType[1].strFile2 = "missing.bmp"; // logged, and the stage still plays
    Database.Effect.assign(2, cEffect());
    Database.Effect[1].strFile = "effect.bmp";
    {
        cStageRunner run;
        cStageRunner::UseStage(FloorStage());
        run.Frame();
        EXPECT_EQ(run.Play().nState, PLAY_FADE_IN);
        ASSERT_NE(run.Play().Hero(), nullptr) << "the stage was set up";
        ASSERT_EQ(CharaExcSD.size(), 4u);
        ASSERT_EQ(SwordSD.size(), 4u);
        ASSERT_EQ(EffectSD.size(), 2u);
        EXPECT_EQ(CharaExcSD[0].nWidth, 64);
        EXPECT_EQ(CharaExcSD[1].lpAlias, &CharaExcSD[0]);
        EXPECT_EQ(SwordSD[0].nWidth, 48);
        EXPECT_EQ(SwordSD[1].nWidth, 0) << "the missing picture leaves its surface empty";
        EXPECT_EQ(EffectSD[0].nWidth, 96);
        EXPECT_EQ(At(EffectSD[0], 5, 5), Display(0x708090));
        EXPECT_TRUE(run.RunUntil(PLAY_MAIN, 20)) << "the stage plays on";
    }
    EXPECT_TRUE(CharaExcSD.empty());
    EXPECT_TRUE(SwordSD.empty());
    EXPECT_TRUE(EffectSD.empty());
    EXPECT_TRUE(SwordBmp.empty());
}

TEST_P(StagePictures, EachShotCellSitsInTheMiddleOfItsSlotOnAClearedSheet) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    PaintShotCells();
    DDFillSurfaceColor(&SystemSD[kShotSheet], Display(0xABCDEF)); // what was there before goes
    run.Play().RebuildCellSheets();
    struct Probe {
        int sheet, picture, c, r;
    } probes[] = {{kShotSheet, kShotPicture, 0, 0},
                  {kShotSheet, kShotPicture, 7, 29},
                  {kShotSheet, kShotPicture, 3, 11},
                  {kShotMirrorSheet, kShotMirrorPicture, 0, 0},
                  {kShotMirrorSheet, kShotMirrorPicture, 5, 17}};
    for (const Probe& p : probes) {
        const DDSURFACEDATA& sheet = SystemSD[p.sheet];
        const int x = 32 * p.c, y = 32 * p.r;
        const std::uint32_t cell = Display(CellColour(p.picture, p.c, p.r));
        EXPECT_EQ(At(sheet, x + 8, y + 8), cell) << p.sheet << " " << p.c << "," << p.r;
        EXPECT_EQ(At(sheet, x + 23, y + 23), cell) << p.sheet << " " << p.c << "," << p.r;
        // Just outside the cell, and the slot's corners: cleared.
        const int outside[][2] = {{7, 8}, {8, 7}, {24, 23}, {23, 24}, {0, 0}, {31, 31}};
        for (const auto& d : outside)
            EXPECT_EQ(At(sheet, x + d[0], y + d[1]) & 0xFFFFFFu, 0u)
                << p.sheet << " " << p.c << "," << p.r << " at " << d[0] << "," << d[1];
    }
}

TEST_P(StagePictures, AWorkPictureMarkedLostIsLaidOutAgainByTheNextDrawing) {
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    PaintShotCells();
    for (int lost : {kShotSheet, kShotMirrorSheet}) {
        DDFillSurfaceColor(&SystemSD[kShotSheet], 0);
        DDFillSurfaceColor(&SystemSD[kShotMirrorSheet], 0);
        SystemSD[lost].bLost = 1;
        run.Play().DrawWorld(0, 1, 0, 1);
        EXPECT_EQ(SystemSD[kShotSheet].bLost, 0);
        EXPECT_EQ(SystemSD[kShotMirrorSheet].bLost, 0);
        EXPECT_EQ(At(SystemSD[kShotSheet], 8 + 32, 8), Display(CellColour(kShotPicture, 1, 0))) << lost;
        EXPECT_EQ(At(SystemSD[kShotMirrorSheet], 8, 8 + 64), Display(CellColour(kShotMirrorPicture, 0, 2)))
            << lost;
    }
    // Nothing lost: the sheets are left as they are.
    DDFillSurfaceColor(&SystemSD[kShotSheet], 0);
    run.Play().DrawWorld(0, 1, 0, 1);
    EXPECT_EQ(At(SystemSD[kShotSheet], 8, 8) & 0xFFFFFFu, 0u);
}

TEST_P(StagePictures, ASwordDrawsThePicturesOfItsOwnType) {
    // Two sword types, each with its own colour for right and left.
    const std::uint32_t colours[][2] = {{0x112233, 0x445566}, {0x778899, 0xAABBCC}};
    Database.SwordType.assign(3, cSwordType());
    for (int type = 1; type <= 2; ++type) {
        cSwordType& t = Database.SwordType[static_cast<std::size_t>(type)];
        for (int facing = 0; facing < 2; ++facing) {
            const std::string name = "blade" + std::to_string(type) + std::to_string(facing) + ".bmp";
            WritePicture(name.c_str(), 16, 16, colours[type - 1][facing]);
            (facing == 0 ? t.strFile1 : t.strFile2) = name;
        }
        cSwordTypeEntry e;
        e.nWidth = e.nHeight = 16;
        t.Entries.assign(1, e);
    }
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    ASSERT_EQ(SwordSD.size(), 8u);
    for (int type = 1; type <= 2; ++type)
        for (int facing = 0; facing < 2; ++facing) {
            cShotObj sword;
            sword.bMoving = 0;
            sword.Shot.cMotion = static_cast<decltype(sword.Shot.cMotion)>(type);
            sword.nFacing = facing;
            sword.nScrLeft = 100;
            sword.nScrTop = 200;
            DDFillSurfaceColor(&BackBuffer, Display(0));
            DrawShot(sword, &BackBuffer, 1);
            EXPECT_EQ(At(BackBuffer, 108, 208), Display(colours[type - 1][facing]))
                << "type " << type << " facing " << facing;
        }
    // The "none" type has no pictures: nothing is drawn, not the first type's.
    Database.SwordType[0].Entries.assign(1, Database.SwordType[1].Entries[0]);
    cShotObj none;
    none.bMoving = 0;
    none.nScrLeft = 100;
    none.nScrTop = 200;
    DDFillSurfaceColor(&BackBuffer, Display(0));
    DrawShot(none, &BackBuffer, 1);
    EXPECT_EQ(At(BackBuffer, 108, 208), Display(0));
}

INSTANTIATE_TEST_SUITE_P(Faces, StagePictures, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Direct3D" : "DirectDraw"; });

} // namespace
