// Details of picture conversion and record bookkeeping.
#include "GraphicsFixture.h"

namespace {

TEST_F(GraphicsTest, SixteenBitConversionKeepsNearKeyColoursVisible) {
    ASSERT_TRUE(StartDirectDraw(16));
    lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
    DDSetTransmit(0xFF, 0x00, 0xFF);
    ASSERT_EQ(dwTransmit, 0xF81Fu);
    // The second pixel packs to the key value, though it is not the key colour.
    WriteFile("p.bmp", MakeBmp(3, 1, 24, {0xFF00FF, 0xFF04FF, 0x00FF00}));
    DDSURFACEDATA pic, dst;
    ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "p.bmp", 1, 16, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(At(pic, 0, 0), 0xF81Fu);
    EXPECT_EQ(At(pic, 1, 0), 0xF81Eu) << "moved one step away (blue was at its maximum)";
    ASSERT_TRUE(DDCreateSurface(&dst, 3, 1, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&dst, 0x1111);
    DDBltFast(&dst, 0, 0, 3, 1, &pic, 0, 0, 1);
    EXPECT_EQ(At(dst, 0, 0), 0x1111u);
    EXPECT_EQ(At(dst, 1, 0), 0xF81Eu);
    EXPECT_EQ(At(dst, 2, 0), 0x07E0u);
    DDReleaseSurface(&pic);
    DDReleaseSurface(&dst);
}

TEST_F(GraphicsTest, PaletteIndexMapFindsBasePaletteEntries) {
    ASSERT_TRUE(StartDirect3D(32));
    DDSetTransmit(0xFF, 0x00, 0xFF);
    BasePalette[3] = {0x10, 0x20, 0x30, 0};
    BasePalette[7] = {0xC0, 0xC0, 0xC0, 0};
    WriteFile("p.bmp", MakeBmp(4, 1, 24, {0xFF00FF, 0x102030, 0xC0C0C0, 0x010101}));
    DDSURFACEDATA pic;
    ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "p.bmp", 1, 32, 0, 0, 0, 1, 0, 0, 0), 0);
    ASSERT_NE(pic.lpDT->lpPalMap, nullptr);
    const BYTE want[4] = {0, 3, 7, 0}; // transparent, two entries, a colour not in the palette
    for (int x = 0; x < 4; ++x) EXPECT_EQ(pic.lpDT->lpPalMap[x], want[x]) << x;
    DDReleaseSurface(&pic);
    std::fill(std::begin(BasePalette), std::end(BasePalette), PALETTEENTRY{});
}

TEST_F(GraphicsTest, GrowingARecordVectorKeepsTheTextureListPointingAtIt) {
    ASSERT_TRUE(StartDirect3D(32));
    cVector<DDSURFACEDATA> vec;
    cVector<BMPFILEDATA> bmps;
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(DDVecAddSurface(vec, bmps, 8, 8, 0, 0, 0, 0));
    for (auto& sd : vec) EXPECT_EQ(std::count(SurfaceList.begin(), SurfaceList.end(), &sd), 1);
    DDReleaseSurfaceVec(vec);
    for (auto& sd : vec) EXPECT_EQ(std::count(SurfaceList.begin(), SurfaceList.end(), &sd), 0);
}

TEST_F(GraphicsTest, DirectDrawWindowShowsTheBackBufferThroughThePrimary) {
    ASSERT_TRUE(StartDirectDraw(32, true));
    DDFillSurfaceColor(&BackBuffer, 0x00C08040u);
    cDirectDrawSurface* primary = PrimarySD.lpDDData->lpSurface;
    ASSERT_EQ(primary->Blt(&rcWindowScreen, BackBuffer.lpDDData->lpSurface, nullptr, DDBLT_WAIT, nullptr),
              DD_OK);
    ASSERT_EQ(window.LastFrame().size(), 640u * 480u);
    EXPECT_EQ(window.LastFrame()[640 * 479 + 639] & 0xFFFFFF, 0xC08040u);
}

TEST_F(GraphicsTest, Direct3DWindowWithoutSixtyHertzTurnsVSyncOff) {
    Direct3DSettings().refreshRate = 75;
    ASSERT_TRUE(StartDirect3D(32, true));
    EXPECT_EQ(nVSync, 0);
    EXPECT_EQ(lpDTCon->d3dpp.PresentationInterval, D3DPRESENT_INTERVAL_IMMEDIATE);
}

} // namespace
