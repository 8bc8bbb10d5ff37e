#include "EffectFixture.h"

#include "graphics/GraphicsGlobals.h"

std::uint32_t EffectFaces::Rgb(char c) {
    switch (c) {
    case 'R':
        return 0xF01008;
    case 'G':
        return 0x10F040;
    case 'B':
        return 0x2030F0;
    case 'C':
        return 0x08E0E8;
    case 'Y':
        return 0xE8E010;
    case 'W':
        return 0xF8F8F8;
    case '.':
        return kGrey;
    default:
        return kKey;
    }
}

PixelFormat EffectFaces::Format() const {
    if (d3d) return bpp == 16 ? PixelFormat::A1R5G5B5 : PixelFormat::A8R8G8B8;
    return bpp == 16 ? PixelFormat::R5G6B5 : PixelFormat::X8R8G8B8;
}

void EffectFaces::SetUp() {
    d3d = std::get<0>(GetParam());
    bpp = std::get<1>(GetParam());
    ASSERT_TRUE(d3d ? StartDirect3D(bpp) : StartDirectDraw(bpp));
    // DirectDraw converts true-colour pictures with the project's transparent colour.
    if (!d3d) lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
    WriteFile("key.bmp", MakeBmp(1, 1, 8, {0}, {kKey}));
    ASSERT_TRUE(DDSetTransmit("key.bmp"));
    std::vector<std::uint32_t> px;
    for (auto* row : kPicture)
        for (int x = 0; x < 4; ++x) px.push_back(Rgb(row[x]));
    WriteFile("pic.bmp", MakeBmp(4, 4, 24, px));
    ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 1, bpp, 0, 0, 0, 0, 0, 0, 0), 0);
    ASSERT_TRUE(DDCreateSurface(&dst, kSize, kSize, 0, 0, 0, 0, 0));
    // A fill takes a display pixel value in DirectDraw, ARGB in Direct3D.
    DDFillRectColor(&dst, 0, 0, kSize, kSize, d3d ? 0xFF000000u | kGrey : Stored(kGrey));
}

void EffectFaces::TearDown() {
    DDReleaseSurface(&pic);
    DDReleaseSurface(&dst);
    GraphicsTest::TearDown();
}
