// A device lost in the middle of a run, on both faces: after recovery the
// next frame is the same, pixel for pixel, as the frame before the loss.
#include "GraphicsFixture.h"

#include "fixtures/LossScene.h"

namespace {

class DeviceLossTest : public GraphicsTest {
protected:
    // Pictures from a file, an empty surface its owner draws, and text through
    // the glyph caches, presented as one frame.
    void Prepare() {
        PrepareLossPicture();
        ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 0, 32, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_OK);
        ASSERT_TRUE(DDCreateSurface(&work, 8, 8, 0, 0, 0, 0, 0));
        DrawWork();
        CreateLossFont(font);
    }
    void DrawWork() { DrawLossWork(work); }
    std::vector<std::uint32_t> Frame() {
        DrawLossFrame(pic, work, font);
        if (DDIsDirect3D())
            DDPresent(60, 0, nullptr);
        else
            DDShowBackBuffer(0, 0);
        return window.LastFrame();
    }
    void TearDown() override {
        font.Release();
        DDReleaseSurface(&pic);
        DDReleaseSurface(&work);
        GraphicsTest::TearDown();
    }
    DDSURFACEDATA pic, work;
    cFont font;
};

TEST_F(DeviceLossTest, Direct3DComesBackTheSame) {
    ASSERT_TRUE(StartDirect3D(32));
    Prepare();
    const std::vector<std::uint32_t> before = Frame();
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(DDRestoreSurface(), 1) << "a device that is not lost needs nothing";

    lpDevice->Lose();
    EXPECT_EQ(DDPresent(60, 0, nullptr), 0);
    cDirect3DTexture* texture = pic.lpDT->lpTexture;
    EXPECT_EQ(DDRestoreSurface(), 0) << "not resettable yet";
    EXPECT_EQ(pic.lpDT->lpTexture, texture) << "nothing is let go before the device can be reset";
    EXPECT_EQ(work.bLost, 0);

    lpDevice->AllowReset();
    ASSERT_EQ(DDRestoreSurface(), 1);
    EXPECT_FALSE(lpDevice->Lost());
    EXPECT_EQ(work.bLost, 1) << "an empty surface is its owner's to draw again";
    DrawWork();
    EXPECT_EQ(Frame(), before);
}

TEST_F(DeviceLossTest, DirectDrawComesBackTheSame) {
    ASSERT_TRUE(StartDirectDraw(32, true));
    Prepare();
    const std::vector<std::uint32_t> before = Frame();
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(DDRestoreSurface(), 1) << "nothing to do for DirectDraw";

    lpDD->LoseSurfaces();
    ASSERT_TRUE(DDIsScreenLost());
    ASSERT_EQ(DDRestore(), 1);
    // Surfaces outside the start-up table are restored by their owners.
    RestoreOneSurface(work);
    RestoreOneSurface(pic);
    DrawWork();
    EXPECT_EQ(Frame(), before);
}

} // namespace
