// Colours through the Direct3D face: a 16-bit picture into the 16-bit screen,
// and the screen copied back into a texture.
#include "GraphicsFixture.h"

namespace {

class Direct3DColours : public GraphicsTest {
protected:
    void TearDown() override {
        for (DDSURFACEDATA* sd : {&pic, &copy}) DDReleaseSurface(sd);
        GraphicsTest::TearDown();
    }
    DDSURFACEDATA pic, copy;
};

TEST_F(Direct3DColours, AFullScreenCopyOfASixteenBitPictureKeepsItsColours) {
    ASSERT_TRUE(StartDirect3D(16, false)); // full screen: a 5-6-5 back buffer
    // Every colour of a 16-bit picture, each channel widened from 5 bits.
    auto colour = [](int x, int y) { return (y * 640 + x) % 32768; };
    std::vector<std::uint32_t> px(640 * 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const int c = colour(x, y);
            px[y * 640 + x] =
                static_cast<std::uint32_t>(WidenChannel(c >> 10, 31) << 16 |
                                           WidenChannel((c >> 5) & 31, 31) << 8 | WidenChannel(c & 31, 31));
        }
    WriteFile("screen.bmp", MakeBmp(640, 480, 24, px));
    ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "screen.bmp", 0, 16, 0, 0, 0, 0, 0, 0, 0), 0);
    DDBltFast(&BackBuffer, 0, 0, 640, 480, &pic, 0, 0, 0);
    int wrongTexels = 0, wrongPixels = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const std::uint32_t c = static_cast<std::uint32_t>(colour(x, y));
            if (At(pic, x, y) != (0x8000u | c)) ++wrongTexels;
            // Red and blue bit for bit; green carried to six bits.
            const std::uint32_t green =
                static_cast<std::uint32_t>(NarrowChannel(WidenChannel((c >> 5) & 31, 31), 63));
            if (At(BackBuffer, x, y) != ((c >> 10) << 11 | green << 5 | (c & 31))) ++wrongPixels;
        }
    EXPECT_EQ(wrongTexels, 0);
    EXPECT_EQ(wrongPixels, 0);
}

TEST_F(Direct3DColours, TheBackBufferCopiesIntoATextureTheDeviceCannotDrawInto) {
    const struct {
        int bpp;
        bool window;
        PixelFormat texture;
    } faces[] = {{32, true, PixelFormat::A8R8G8B8}, {16, false, PixelFormat::A1R5G5B5}};
    for (const auto& f : faces) {
        SCOPED_TRACE(f.bpp);
        ASSERT_TRUE(StartDirect3D(f.bpp, f.window));
        ASSERT_TRUE(DDCreateSurface(&copy, 4, 2, 0, 0, DTMEMORYTYPE_SYSTEM, 0, 0));
        DDFillSurfaceColor(&BackBuffer, 0xFF000000u);
        DDFillRectColor(&BackBuffer, 1, 0, 2, 1, 0xFFFF0000u);
        DDFillRectColor(&BackBuffer, 0, 1, 4, 1, 0xFF0000FFu);
        DDBltFast(&copy, 0, 0, 4, 2, &BackBuffer, 0, 0, 0);
        const std::uint32_t want[2][4] = {{0xFF000000u, 0xFFFF0000u, 0xFFFF0000u, 0xFF000000u},
                                          {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(At(copy, x, y), PackArgb(f.texture, want[y][x])) << x << "," << y;
        DDReleaseSurface(&copy);
        DDRelease();
    }
}

} // namespace
