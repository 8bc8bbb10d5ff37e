// A DirectDraw screen at 32 bits with the second system font, for the tests of
// what the menus and lists draw: a magenta key colour, white ink (241) on a
// green background (240), the font's glyph cache on `frame` and the drawing
// target `screen`, `width` pixels wide and 80 high.
#pragma once

#include "graphics/GraphicsFixture.h"

#include "graphics/Font.h"

class TextScreenTest : public GraphicsTest {
protected:
    explicit TextScreenTest(int width) : width_(width) {}
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        Palette[0] = {0xFF, 0x00, 0xFF, 0};
        Palette[240] = {0x00, 0xFF, 0x00, 0};
        Palette[241] = {0xFF, 0xFF, 0xFF, 0};
        DDSetTransmit(0xFF, 0x00, 0xFF);
        ASSERT_TRUE(DDCreateSurface(&frame, 640, 480, 0, 1, 0, 0, 0));
        DDFillSurfaceColor(&frame, 0x000080);
        ASSERT_TRUE(DDCreateSurface(&screen, width_, 80, 0, 1, 0, 0, 0));
        DDFillSurfaceColor(&screen, 0x404040);
        SysFont[1].Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, &frame, 1, 240, nullptr, 1);
    }
    void TearDown() override {
        SysFont[1].Release();
        DDReleaseSurface(&frame);
        DDReleaseSurface(&screen);
        GraphicsTest::TearDown();
    }
    std::uint32_t Rgb(int x, int y) { return At(screen, x, y) & 0xFFFFFF; }
    DDSURFACEDATA frame, screen;

private:
    int width_;
};
