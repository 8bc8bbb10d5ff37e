// Colour-keyed blits, same size, stretched and mirrored, compared pixel for
// pixel on both faces.
#include "GraphicsFixture.h"

namespace {

// The picture: four columns, two rows; 'K' is the transparent colour.
const char* kPicture[2] = {"RGKB", "KBRG"};
constexpr std::uint32_t kKey = 0xFF00FF;

std::uint32_t Rgb(char c) {
    switch (c) {
    case 'R':
        return 0xFF0000;
    case 'G':
        return 0x00FF00;
    case 'B':
        return 0x0000FF;
    default:
        return kKey;
    }
}

void WritePicture(const char* name) {
    std::vector<std::uint32_t> px;
    for (auto* row : kPicture)
        for (int x = 0; x < 4; ++x) px.push_back(Rgb(row[x]));
    WriteFile(name, MakeBmp(4, 2, 24, px));
}

// An 8-bit picture whose top-left pixel is palette entry 0, the key colour.
void WriteKeyPicture(const char* name) {
    WriteFile(name, MakeBmp(1, 1, 8, {0}, {kKey}));
}

// Expected destination: background '.' then picture letters.
using Expect = std::vector<std::string>;

class Faces : public GraphicsTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    void SetUp() override {
        d3d = std::get<0>(GetParam());
        bpp = std::get<1>(GetParam());
        ASSERT_TRUE(d3d ? StartDirect3D(bpp) : StartDirectDraw(bpp));
        // DirectDraw converts true-colour pictures with the project's transparent colour.
        if (!d3d) lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
        WriteKeyPicture("key.bmp");
        ASSERT_TRUE(DDSetTransmit("key.bmp"));
        WritePicture("pic.bmp");
        ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 1, bpp, 0, 0, 0, 0, 0, 0, 0), 0);
        ASSERT_TRUE(DDCreateSurface(&dst, 8, 4, 0, 0, 0, 0, 0));
        DDFillRectColor(&dst, 0, 0, 8, 4, Background());
    }
    void TearDown() override {
        DDReleaseSurface(&pic);
        DDReleaseSurface(&dst);
        GraphicsTest::TearDown();
    }
    // The background as the face takes a fill colour: a display pixel value
    // in DirectDraw, ARGB in Direct3D.
    DWORD Background() const {
        if (d3d) return 0xFF404040u;
        return bpp == 16 ? PackArgb(PixelFormat::R5G6B5, 0x404040u) : 0x404040u;
    }
    std::uint32_t Stored(char c) const {
        std::uint32_t rgb = c == '.' ? 0x404040 : Rgb(c);
        if (d3d)
            return PackArgb(bpp == 16 ? PixelFormat::A1R5G5B5 : PixelFormat::A8R8G8B8, 0xFF000000u | rgb);
        return bpp == 16 ? PackArgb(PixelFormat::R5G6B5, rgb) : rgb;
    }
    void Check(const Expect& want) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(At(dst, x, y), Stored(want[y][x])) << "pixel " << x << "," << y;
    }
    bool d3d = false;
    int bpp = 16;
    DDSURFACEDATA pic, dst;
};

TEST_P(Faces, KeyedBlitSameSize) {
    DDBltFast(&dst, 1, 1, 4, 2, &pic, 0, 0, 1);
    Check({"........", ".RG.B...", "..BRG...", "........"});
}

TEST_P(Faces, KeyedBlitClippedAtTheEdges) {
    DDBltFast(&dst, -1, 3, 4, 2, &pic, 0, 0, 1);
    DDBltFast(&dst, 6, -1, 4, 2, &pic, 0, 0, 1);
    Check({".......B", "........", "........", "G.B....."});
}

TEST_P(Faces, KeyedBlitStretchedTwice) {
    DDBltStretch(&dst, 0, 0, 8, 4, &pic, 0, 0, 4, 2, 1);
    Check({"RRGG..BB", "RRGG..BB", "..BBRRGG", "..BBRRGG"});
}

TEST_P(Faces, MirroredPicture) {
    // Stored as strips of two columns, each reversed (the mirror period).
    DDSURFACEDATA mirrored;
    DDSURFACEDATA* src = &mirrored;
    if (d3d) {
        // Direct3D folds the coordinates of a record linked to the picture.
        mirrored.lpAlias = &pic;
        mirrored.nMirrorWidth = 2;
        mirrored.nWidth = 4;
        mirrored.nHeight = 2;
        DDBltFast(&dst, 0, 0, 2, 2, src, 0, 0, 1);
        DDBltFast(&dst, 2, 0, 2, 2, src, 2, 0, 1);
    } else {
        ASSERT_EQ(DDCreateSurfaceFromFile(&mirrored, "pic.bmp", 1, bpp, 0, 0, 0, 0, 2, 0, 0), 0);
        DDBltFast(&dst, 0, 0, 4, 2, src, 0, 0, 1);
    }
    Check({"GRB.....", "B.GR....", "........", "........"});
    if (!d3d) DDReleaseSurface(&mirrored);
}

INSTANTIATE_TEST_SUITE_P(DirectDrawAndDirect3D, Faces,
                         ::testing::Values(std::make_tuple(false, 16), std::make_tuple(false, 32),
                                           std::make_tuple(true, 16), std::make_tuple(true, 32)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Direct3D" : "DirectDraw") +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
