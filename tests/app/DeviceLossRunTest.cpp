// A device lost in the middle of a run, on both drawing modes: the frame
// driver notices it (a failed present asks the main window to recover the
// Direct3D device; a lost DirectDraw screen is restored before the frame),
// the pictures come back from their files, the surface the scene draws itself
// is drawn again, the glyph caches are redrawn, and the next frame is pixel
// for pixel the frame before the loss.
#include "app/App.h"
#include "app/Game.h"
#include "app/MainWnd.h"
#include "fixtures/LossScene.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/GraphicsInternal.h"
#include "platform/Direct3D.h"
#include "platform/DirectDraw.h"
#include "platform/ImageBuilders.h"
#include "platform/Presenter.h"
#include "project/IniSetting.h"

#include <gtest/gtest.h>

namespace {

// The scene of the run: a picture from a file, a surface of its own drawing
// and text through a glyph cache, on a filled back buffer.
class cDrawingScene : public cScene {
public:
    cDrawingScene(DDSURFACEDATA* table, cFont* font) : table_(table), font_(font) {}
    void Run() override {
        DDSURFACEDATA& work = table_[1];
        if (work.bLost) {
            DrawLossWork(work);
            ++redraws;
        }
        DrawLossFrame(table_[0], work, *font_);
    }
    int redraws = 0;

private:
    DDSURFACEDATA* table_;
    cFont* font_;
};

class cOneSceneMaker : public cSceneMaker {
public:
    explicit cOneSceneMaker(cDrawingScene* scene) : scene_(scene) {}
    bool Makes(int scene) const override { return scene == SCENE_TITLE && scene_; }
    cScene* Make(int) override { return std::exchange(scene_, nullptr); }

private:
    cDrawingScene* scene_;
};

class DeviceLossRun : public ::testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterWindowClass("DeviceLossRun", MainWndProc));
        window_ = CreateWindowA("DeviceLossRun", "");
        previousMain_ = hMainWnd.exchange(window_);
        const auto [direct3D, bpp] = GetParam();
        presenter_.Open("run", 640, 480, false);
        ASSERT_TRUE(DDInit(direct3D, &presenter_, 640, 480, bpp, 0, 1, 1, 60, 0, table_, nullptr, 2));
        PrepareLossPicture();
        ASSERT_EQ(DDCreateSurfaceFromFile(&table_[0], "pic.bmp", 0, bpp, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_OK);
        ASSERT_TRUE(DDCreateSurface(&table_[1], 8, 8, 0, 0, 0, 0, 0));
        table_[1].bLost = 1; // drawn by the scene at its first frame
        CreateLossFont(font_);
        Game.DeleteScenes();
        Game.nCurrentScene = SCENE_TITLE;
        Game.nFrameRate = 60;
        IniSetting.ShowFps = 0;
    }
    void TearDown() override {
        Game.DeleteScenes();
        font_.Release();
        DDRelease();
        DirectDrawSettings() = {};
        Direct3DSettings() = {};
        std::fill(std::begin(Palette), std::end(Palette), PALETTEENTRY{});
        dwTransmit = 0;
        DestroyWindow(window_);
        hMainWnd = previousMain_;
        UnregisterWindowClass("DeviceLossRun");
    }
    std::vector<std::uint32_t> RunFrame() {
        EXPECT_EQ(Game.RunFrame(), 1);
        return presenter_.LastFrame();
    }

    TempDir dir_;
    cMemoryPresenter presenter_;
    DDSURFACEDATA table_[2];
    cFont font_;
    HWND window_ = nullptr;
    HWND previousMain_ = nullptr;
};

TEST_P(DeviceLossRun, TheFrameAfterRecoveryIsTheFrameBeforeTheLoss) {
    auto* scene = new cDrawingScene(table_, &font_);
    cOneSceneMaker maker(scene);
    cScopedSceneMaker install(maker);
    RunFrame();
    const std::vector<std::uint32_t> before = RunFrame();
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(RunFrame(), before) << "a frame without a loss is the same";
    ASSERT_EQ(scene->redraws, 1);

    if (DDIsDirect3D()) {
        lpDevice->Lose();
        RunFrame(); // the present fails; the device cannot be reset yet
        EXPECT_TRUE(lpDevice->Lost()) << "nothing is reset before the device allows it";
        lpDevice->AllowReset();
        RunFrame(); // the present fails again, and now the main window recovers the device
        EXPECT_FALSE(lpDevice->Lost());
    } else {
        lpDD->LoseSurfaces();
        ASSERT_TRUE(DDIsScreenLost());
    }
    const std::vector<std::uint32_t> after = RunFrame();
    EXPECT_FALSE(DDIsScreenLost());
    EXPECT_EQ(scene->redraws, 2) << "the scene's own surface was drawn again";
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(BothModes, DeviceLossRun,
                         ::testing::Values(std::pair{1, 32}, std::pair{1, 16}, std::pair{0, 32},
                                           std::pair{0, 16}),
                         [](const auto& info) {
                             return std::string(info.param.first ? "Direct3D" : "DirectDraw") +
                                    std::to_string(info.param.second);
                         });

} // namespace
