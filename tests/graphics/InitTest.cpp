// Start-up routes, formats, present and release.
#include "GraphicsFixture.h"

#include "fixtures/ErrorLogCapture.h"

#include <fstream>
#include <sstream>

namespace {

class GraphicsStartUp : public GraphicsTest {
protected:
    cErrorLogCapture log;
};

TEST_F(GraphicsStartUp, DirectDrawFullScreenAndWindow) {
    ASSERT_TRUE(StartDirectDraw(16));
    EXPECT_NE(lpDDCon, nullptr);
    EXPECT_EQ(lpDTCon, nullptr);
    EXPECT_EQ(SurfaceFormatMasks[kRedShift], 11);
    EXPECT_EQ(SurfaceFormatMasks[kGreenMax], 63);
    EXPECT_TRUE(window.FullScreen());
    EXPECT_EQ(window.ShowCursor(false), -2) << "the cursor was hidden in full screen";
    // A second start-up, now in a window, releases the first set of objects.
    cDirectDrawSurface* before = BackBuffer.lpDDData->lpSurface;
    before->AddRef();
    ASSERT_TRUE(DDInit(0, &window, 640, 480, 16, 1, 1, 1, 60, 0, nullptr, nullptr, 0));
    EXPECT_EQ(before->RefCount(), 1u) << "only this test still holds the old back buffer";
    before->Release();
    EXPECT_EQ(window.ShowCursor(false), -1) << "the cursor shows in a window";
    EXPECT_NE(lpClipper, nullptr);
    EXPECT_EQ(nDesktopBpp, 32);
}

TEST_F(GraphicsStartUp, A555DisplayGivesItsMasks) {
    DirectDrawSettings().format16 = PixelFormat::X1R5G5B5;
    ASSERT_TRUE(StartDirectDraw(16));
    const int want[3][2] = {{10, 31}, {5, 31}, {0, 31}};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(SurfaceFormatMasks[kRedShift + c], want[c][0]);
        EXPECT_EQ(SurfaceFormatMasks[kRedMax + c], want[c][1]);
    }
}

TEST_F(GraphicsStartUp, DirectDrawFailuresGiveTheirCodesAndTags) {
    DirectDrawSettings().failCreate = true;
    EXPECT_FALSE(StartDirectDraw(16));
    EXPECT_EQ(DDInitFullScreen(&window, 640, 480, 16, 1), DDINIT_CREATEEX_ERR);
    DirectDrawSettings().failCreate = false;
    DDRelease();
    EXPECT_FALSE(StartDirectDraw(24)) << "no 24-bit display mode";
    const std::string text = log.Text();
    EXPECT_NE(text.find("CREATEEX_ERR"), std::string::npos);
    EXPECT_NE(text.find("SETDISPLAYMODE_ERR"), std::string::npos);
    for (int code : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12}) EXPECT_FALSE(DDCheckInitResult(code)) << code;
    for (int code : {0, 8, 9, 13}) EXPECT_TRUE(DDCheckInitResult(code)) << code;
}

TEST_F(GraphicsStartUp, Direct3DFormatsByDepthAndMode) {
    ASSERT_TRUE(StartDirect3D(16, true));
    EXPECT_EQ(lpDTCon->fmtDisplay, D3DFMT_A1R5G5B5);
    EXPECT_EQ(lpDTCon->fmtTexture, D3DFMT_A1R5G5B5);
    EXPECT_EQ(std::string(BackBuffer.szName), "BackBuffer");
    EXPECT_EQ(std::string(VirBackBuffer.szName), "VirBackBuffer");
    EXPECT_EQ(std::string(WorkSD.szName), "WorkSD");
    ASSERT_TRUE(StartDirect3D(16, false));
    EXPECT_EQ(lpDTCon->fmtDisplay, D3DFMT_R5G6B5);
    EXPECT_EQ(DisplayFormatMasks[kGreenMax], 63);
    EXPECT_EQ(lpDTCon->fmtTexture, D3DFMT_A1R5G5B5);
    ASSERT_TRUE(StartDirect3D(32));
    EXPECT_EQ(lpDTCon->fmtDisplay, D3DFMT_X8R8G8B8);
    EXPECT_EQ(lpDTCon->fmtTexture, D3DFMT_A8R8G8B8);
    EXPECT_FALSE(StartDirect3D(24));
    EXPECT_FALSE(StartDirect3D(8));
}

TEST_F(GraphicsStartUp, Direct3DRefusesOldDrivers) {
    Direct3DSettings().ddiVersion = 8;
    EXPECT_FALSE(StartDirect3D(32));
    Direct3DSettings().ddiVersion = 9;
    Direct3DSettings().failHardwareVertexProcessing = true;
    EXPECT_TRUE(StartDirect3D(32));
    EXPECT_NE(log.Text().find("Device HAL-SOFT"), std::string::npos);
}

TEST_F(GraphicsStartUp, TextureSizeRules) {
    Direct3DSettings().pow2Only = true;
    ASSERT_TRUE(StartDirect3D(32));
    int w = 640, h = 480;
    DDAdjustTextureSize(&w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 512);
    WriteFile("bg.bmp", MakeBmp(640, 480, 24, std::vector<std::uint32_t>(640 * 480, 0x010203)));
    DDSURFACEDATA bg;
    ASSERT_EQ(DDCreateSurfaceFromFile(&bg, "bg.bmp", 0, 32, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(bg.nWidth, 640);
    EXPECT_EQ(bg.nTexWidth, 1024);
    EXPECT_EQ(bg.nTexHeight, 512);
    DDReleaseSurface(&bg);
    DDRelease();
    Direct3DSettings().squareOnly = true;
    ASSERT_TRUE(StartDirect3D(32));
    w = 640, h = 480;
    DDAdjustTextureSize(&w, &h);
    EXPECT_EQ(h, 1024);
    EXPECT_EQ(DDCheckTextureSize(4096, 4096), 1);
    EXPECT_EQ(DDCheckTextureSize(4097, 16), 0);
    EXPECT_EQ(DDCheckTextureSize(16, 4097), 0);
}

TEST_F(GraphicsStartUp, PresentPacesOnlyWithoutVSyncAndReportsALostDevice) {
    UseVirtualClock(1000, true); // every Sleep moves the clock on
    ResetTimingState();
    ASSERT_TRUE(StartDirect3D(32));
    DDFillSurfaceColor(&BackBuffer, 0xFF336699u);
    const DWORD start = timeGetTime();
    EXPECT_EQ(DDPresent(60, 0, nullptr), 1);
    EXPECT_EQ(DDPresent(60, 0, nullptr), 1);
    EXPECT_EQ(timeGetTime(), start) << "with VSync the presentation paces the frame";
    EXPECT_EQ(window.LastFrame()[0] & 0xFFFFFF, 0x336699u);
    nVSync = 0;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(DDPresent(60, 0, nullptr), 1);
    EXPECT_GE(timeGetTime() - start, 3u * 16u) << "without it, frames wait for their time";
    ASSERT_TRUE(StartDirect3D(32, false));
    lpDevice->Lose();
    EXPECT_EQ(DDPresent(60, 0, nullptr), 0);
    EXPECT_TRUE(window.Minimised());
    UseRealClock();
}

TEST_F(GraphicsStartUp, VirtualBackBufferCollectsTheFrame) {
    ASSERT_TRUE(StartDirect3D(32));
    DDFillSurfaceColor(&BackBuffer, 0xFF000000u);
    DDSetVirtualBackBuffer(1);
    DDFillRectColor(&BackBuffer, 0, 0, 4, 4, 0xFF00FF00u);
    EXPECT_EQ(At(BackBuffer, 1, 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(At(VirBackBuffer, 1, 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(DDPresent(60, 0, nullptr), 1);
    EXPECT_EQ(At(BackBuffer, 1, 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(window.LastFrame()[641] & 0xFFFFFF, 0x00FF00u);
    DDSetVirtualBackBuffer(0);
}

TEST_F(GraphicsStartUp, DrawStateWordsAreSetAndReset) {
    ASSERT_TRUE(StartDirect3D(32));
    DDSetDrawColor(0x80FFFFFFu);
    DDSetColorOp(D3DTOP_ADD);
    DDSetAlphaOp(D3DTOP_MODULATE);
    EXPECT_EQ(lpDTCon->dwDrawColor, 0x80FFFFFFu);
    DDResetDrawColor();
    DDResetColorOp();
    DDResetAlphaOp();
    EXPECT_EQ(lpDTCon->dwDrawColor, 0xFFFFFFFFu);
    EXPECT_EQ(lpDTCon->dwColorOp, static_cast<DWORD>(D3DTOP_MODULATE));
    EXPECT_EQ(lpDTCon->dwAlphaOp, static_cast<DWORD>(D3DTOP_SELECTARG1));
}

TEST_F(GraphicsStartUp, AFailedDirect3DStartUpLeavesNothingBehindForDirectDraw) {
    EXPECT_FALSE(StartDirect3D(24)); // half-way: the device object and context exist
    ASSERT_TRUE(StartDirectDraw(16));
    EXPECT_EQ(lpDTCon, nullptr);
    EXPECT_EQ(lpD3D, nullptr);
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 4, 4, 0, 0, 0, 0, 0));
    EXPECT_NE(sd.lpDDData, nullptr) << "the surface belongs to the DirectDraw face";
    DDReleaseSurface(&sd);
}

TEST_F(GraphicsStartUp, AReleaseLetsGoOfTheWindowAndASecondStartUpTakesItAgain) {
    // A full screen hides the cursor; a dialog shows it while it is up.
    ASSERT_TRUE(StartDirectDraw(16));
    ASSERT_TRUE(DDInit(0, &window, 640, 480, 16, 1, 0, 1, 60, 0, nullptr, nullptr, 0)) << "a second start-up";
    const int before = window.ShowCursor(false);
    DDSetDialogBoxMode(1);
    EXPECT_EQ(window.ShowCursor(false), before) << "the window the graphics draw into is still theirs";
    DDSetDialogBoxMode(0);
    // Released, the window may go: a dialog then reaches for no window.
    DDRelease();
    const int hidden = window.ShowCursor(false);
    DDSetDialogBoxMode(1);
    DDSetDialogBoxMode(0);
    DDSetDialogBoxMode(1);
    EXPECT_EQ(window.ShowCursor(false), hidden - 1);
}

TEST_F(GraphicsStartUp, ReleaseIsSafeWhenNothingWasStarted) {
    DDRelease();
    DDRelease();
    EXPECT_EQ(lpDD, nullptr);
    EXPECT_EQ(lpDevice, nullptr);
}

} // namespace
