// The world frame as the player draws it: the real play scene run by the
// stage runner on a Direct3D memory presenter, with the shown pictures on
// their layers, the screen colour, the pause menu's hidden world, the
// distance indicators and the test play's caption.
#include "engine/CondFields.h"
#include "engine/Dispatch.h"
#include "fixtures/CommandKit.h"
#include "fixtures/PlayStage.h"
#include "fixtures/TempDir.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsInternal.h"
#include "graphics/GraphicsSeams.h"
#include "graphics/SystemSurfaces.h"
#include "platform/ImageBuilders.h"
#include "platform/Presenter.h"
#include "play/PlayPictureDraw.h"
#include "play/StageResources.h"
#include "play/StageRunner.h"
#include "project/Database.h"
#include "project/SystemBmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t kBlockGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;
constexpr int kPictureSide = 16;

// Show-picture parameters: picture, place, cell x, cell y, offset x, offset
// y, layer, scale, time mode, time (tenths), stop, fixed, with id, id.
cEdCommand ShowPicture(int picture, int cellX, int cellY, int layer, int timeMode, int tenths, int withId = 0,
                       int id = 0) {
    return Command(32, {picture, PICTURE_SCREEN_POS, cellX, cellY, 0, 0, layer, 100, timeMode, tenths, 0, 1,
                        withId, id});
}

class PlayWorldDraw : public ::testing::Test {
protected:
    void SetUp() override {
        // Every system picture an empty work surface: nothing read from files.
        for (BMPFILEDATA& b : SystemBmp) {
            std::snprintf(b.szFile, sizeof b.szFile, "E");
            b.nWorkWidth = b.nWorkHeight = 512;
            b.bOptional = 1;
        }
        WriteFile("red.bmp", MakeBmp(kPictureSide, kPictureSide, 24,
                                     std::vector<std::uint32_t>(kPictureSide * kPictureSide, kRed)));
        WriteFile("blue.bmp", MakeBmp(kPictureSide, kPictureSide, 24,
                                      std::vector<std::uint32_t>(kPictureSide * kPictureSide, kBlue)));
        Database.Picture.resize(4);
        Database.Picture[1].strFile = "red.bmp";
        Database.Picture[2].strFile = "blue.bmp";
        Database.Picture[3].strFile = "missing.bmp";
        for (int i = 208; i < 240; ++i) Palette[i] = {0x12, 0x34, 0x56, 0};
    }
    void TearDown() override {
        run.reset();
        DDRelease();
        Database = savedDatabase;
        std::copy(savedBmp.begin(), savedBmp.end(), std::begin(SystemBmp));
    }

    // Plays `stage` on a 32-bit face until the main frame runs, with every
    // block drawn green. The screen colour needs Direct3D.
    void Start(const cStage& stage, bool direct3D = false) {
        window.Open("test", 640, 480, false);
        ASSERT_TRUE(DDInit(direct3D ? 1 : 0, &window, 640, 480, 32, 0, 1, 1, 60, 0, SystemSD, SystemBmp,
                           kSystemBmpCount));
        cStageRunner::UseStage(stage);
        run = std::make_unique<cStageRunner>();
        ASSERT_TRUE(run->RunUntil(PLAY_MAIN, 200));
        for (int sheet : {2, 3}) DDFillSurfaceColor(&SystemSD[sheet], 0xFF000000u | kBlockGreen);
        run->Frame();
    }
    cPlayScene& Play() { return run->Play(); }
    void Dispatch(cEdCommand& command) {
        cFlowCommand entry;
        entry.lpCmd = &command;
        DispatchCharaCommand(*Play().Hero(), entry);
    }
    static std::uint32_t Pixel(int x, int y) {
        const cSurface& pixels =
            BackBuffer.lpDT ? BackBuffer.lpDT->lpSurface->Pixels() : BackBuffer.lpDDData->lpSurface->Pixels();
        return pixels.Get(x, y) & 0xFFFFFF;
    }
    // The colour in the middle of map cell (col, row) with the view at the map's origin.
    static std::uint32_t Cell(int col, int row) { return Pixel(col * 32 + 8, row * 32 + 8); }

    TempDir dir;
    cGameGlobalsGuard globals;
    cDatabase savedDatabase = Database;
    std::array<BMPFILEDATA, kSystemBmpCount> savedBmp = std::to_array(SystemBmp);
    cMemoryPresenter window;
    cPlayPictureDraw pictureDraw{GraphicsPictureDraw()};
    cScopedPictureDraw pictureDrawGuard{pictureDraw};
    std::unique_ptr<cStageRunner> run;
};

TEST_F(PlayWorldDraw, PicturesShowOnTheirLayerAndLeaveWhenTheirTimeIsUp) {
    Start(FloorStage());
    ASSERT_EQ(Cell(5, 14), kBlockGreen);                             // the floor
    cEdCommand under = ShowPicture(1, 5, 14, 0, PICTURE_TIMED, 1);   // under the floor: 6 frames
    cEdCommand over = ShowPicture(2, 7, 14, 1, PICTURE_TIMED, 1);    // over the floor
    cEdCommand open = ShowPicture(1, 9, 5, 0, PICTURE_UNTIL_KEY, 0); // in the open: until erased
    for (cEdCommand* c : {&under, &over, &open}) Dispatch(*c);
    ASSERT_EQ(Play().scene.Pictures.size(), 3u);
    ASSERT_EQ(PictureSD.size(), 3u);
    EXPECT_EQ(PictureSD.front().nWidth, kPictureSide);

    run->Frame();
    EXPECT_EQ(Cell(5, 14), kBlockGreen) << "a layer-0 picture lies under the map";
    EXPECT_EQ(Cell(7, 14), kBlue) << "a layer-1 picture lies over the map";
    EXPECT_EQ(Cell(9, 5), kRed);
    for (int frame = 2; frame <= 6; ++frame) run->Frame();
    EXPECT_EQ(Cell(7, 14), kBlue) << "shown for its six frames";
    run->Frame();
    EXPECT_EQ(Cell(7, 14), kBlockGreen);
    EXPECT_EQ(Cell(9, 5), kRed);
    ASSERT_EQ(Play().scene.Pictures.size(), 1u);
    EXPECT_EQ(PictureSD.size(), 1u);
    EXPECT_EQ(PictureBmp.size(), 1u);

    // Erasing every picture takes the surfaces with it.
    cEdCommand erase = ShowPicture(0, 0, 0, 0, 0, 0);
    Dispatch(erase);
    run->Frame();
    EXPECT_NE(Cell(9, 5), kRed);
    EXPECT_TRUE(PictureSD.empty());
    EXPECT_TRUE(PictureBmp.empty());
}

TEST_F(PlayWorldDraw, APictureReplacedByIdKeepsTheSurfacesInStepAndAStageSetUpReleasesThem) {
    Start(FloorStage());
    cEdCommand first = ShowPicture(1, 2, 3, 1, PICTURE_UNTIL_KEY, 0, 1, 7);
    cEdCommand other = ShowPicture(2, 4, 3, 1, PICTURE_UNTIL_KEY, 0, 1, 8);
    cEdCommand replace = ShowPicture(2, 2, 3, 1, PICTURE_UNTIL_KEY, 0, 1, 7);
    for (cEdCommand* c : {&first, &other, &replace}) Dispatch(*c);
    ASSERT_EQ(PictureSD.size(), 2u);
    EXPECT_STREQ(PictureBmp.front().szFile, "blue.bmp") << "put where the replaced one was";
    run->Frame();
    EXPECT_EQ(Cell(2, 3), kBlue);
    EXPECT_EQ(Cell(4, 3), kBlue);

    Play().SetStage(1, 0);
    EXPECT_TRUE(Play().scene.Pictures.empty());
    EXPECT_TRUE(PictureSD.empty());
    EXPECT_TRUE(PictureBmp.empty());
}

TEST_F(PlayWorldDraw, AStoppingPictureHoldsTheGameWhileTheWorldIsDrawnThenGoes) {
    Start(FloorStage());
    const int presented = run->Host().presented;
    const std::int32_t time = Play().scene.nStageTime;
    cEdCommand stop = Command(32, {1, PICTURE_SCREEN_POS, 9, 5, 0, 0, 1, 100, PICTURE_TIMED, 1, 1, 1, 0, 0});
    Dispatch(stop); // returns once the hold is over
    EXPECT_EQ(run->Host().presented - presented, 6) << "six frames drawn and shown while held";
    EXPECT_EQ(Cell(9, 5), kRed) << "the last held frame shows it";
    EXPECT_EQ(Play().scene.nStageTime, time);
    EXPECT_TRUE(Play().scene.Pictures.empty());
    EXPECT_TRUE(PictureSD.empty());
    run->Frame();
    EXPECT_NE(Cell(9, 5), kRed);
}

TEST_F(PlayWorldDraw, APictureThatCannotBeLoadedAddsNothing) {
    Start(FloorStage());
    cEdCommand missing = ShowPicture(3, 2, 3, 1, PICTURE_UNTIL_KEY, 0);
    Dispatch(missing);
    EXPECT_TRUE(Play().scene.Pictures.empty());
    EXPECT_TRUE(PictureSD.empty());
    EXPECT_TRUE(PictureBmp.empty());
}

TEST_F(PlayWorldDraw, TheScreenColourTintsTheWholeFrame) {
    Start(FloorStage(), true);
    // Red at full strength at once; with Direct3D it stays after its time.
    cEdCommand colour = Command(33, {255, 0, 0, 100, 0, 0, 0, 0});
    Dispatch(colour);
    for (int frame = 0; frame < 3; ++frame) {
        run->Frame();
        EXPECT_EQ(Cell(5, 14), kRed);
        EXPECT_EQ(Pixel(600, 300), kRed);
    }
    // Half strength over the black sky: half the red.
    cEdCommand half = Command(33, {255, 0, 0, 50, 0, 0, 0, 0});
    Dispatch(half);
    run->Frame();
    const std::uint32_t sky = Pixel(600, 300);
    EXPECT_NEAR(static_cast<int>(sky >> 16), 128, 2);
    EXPECT_EQ(sky & 0xFFFF, 0u);

    // The pause menu's hidden world is tinted too.
    cEdCommand blue = Command(33, {0, 0, 255, 100, 0, 0, 0, 0});
    Dispatch(blue);
    SystemData.bDrawWorldSwitch = 1;
    Play().nState = PLAY_PAUSE;
    Play().DrawWorld(0, 1, 0, 1);
    EXPECT_EQ(Pixel(600, 300), kBlue);
}

TEST_F(PlayWorldDraw, ThePauseMenuHidesTheWorldWhenTheProjectSaysSo) {
    Start(FloorStage());
    cEdCommand picture = ShowPicture(1, 9, 5, 1, PICTURE_UNTIL_KEY, 0);
    Dispatch(picture);
    Play().nState = PLAY_PAUSE;
    struct Case {
        int hide;
        std::uint32_t floor, picture;
    };
    const Case cases[] = {{0, kBlockGreen, kRed}, {1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hide " << c.hide);
        SystemData.bDrawWorldSwitch = c.hide;
        Play().DrawWorld(0, 1, 0, 1);
        EXPECT_EQ(Cell(5, 14), c.floor);
        EXPECT_EQ(Cell(9, 5), c.picture);
    }
    // Only the pause menu hides it: a frozen drawing of another state does not.
    Play().nState = PLAY_CLEAR;
    Play().DrawWorld(0, 1, 0, 1);
    EXPECT_EQ(Cell(5, 14), kBlockGreen);
}

TEST_F(PlayWorldDraw, TheDistanceIndicatorsOfTheCharactersAreDrawnOverTheMap) {
    cStage stage = FloorStage();
    cCond reach;
    reach.cKind = COND_DISTANCE;
    reach.cSel1 = 1;   // shown always
    reach.cSel4 = 1;   // also while the character takes no part
    reach.bFlag3 = 3;  // two lines across the view, above and below
    reach.nValue1 = 2; // half-blocks: 32 pixels, both lines on screen
    stage.Charas[0].Conds = {reach};
    Start(stage);
    run->Frame();
    int rows = 0;
    for (int y = 20; y < 480; ++y) {
        bool whole = true;
        for (int x = 0; x < 640 && whole; x += 7) whole = Pixel(x, y) == 0x123456;
        rows += whole;
    }
    EXPECT_EQ(rows, 2);
}

TEST_F(PlayWorldDraw, ATestPlayShowsItsCaptionAtTheBottom) {
    Start(FloorStage());
    Palette[240] = {0x00, 0xFF, 0x00, 0};
    Palette[241] = {0xFF, 0xFF, 0xFF, 0};
    DDSURFACEDATA frame;
    ASSERT_TRUE(DDCreateSurface(&frame, 128, 128, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&frame, 0xFF000080u);
    SysFont[1].Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, &frame, 1, 240, nullptr, 1);
    SystemData.Words[27] = "QUIT";
    run->Frame();
    std::vector<std::uint32_t> plain;
    for (int x = 280; x < 360; ++x) plain.push_back(Pixel(x, 464));
    run->Host().testPlay = 1;
    run->Frame();
    int changed = 0;
    for (int x = 280; x < 360; ++x) changed += Pixel(x, 464) != plain[static_cast<std::size_t>(x - 280)];
    EXPECT_GT(changed, 0);
    SysFont[1].Release();
    DDReleaseSurface(&frame);
}

} // namespace
