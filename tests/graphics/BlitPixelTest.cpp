// Colour-keyed and plain blits, same size, stretched and mirrored, compared
// pixel for pixel on both faces.
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

// At 8 bits the picture holds palette indices: the key colour is entry 0.
const std::vector<std::uint32_t> kPaletteColours = {kKey, 0xFF0000, 0x00FF00, 0x0000FF, 0x404040};

std::uint32_t PaletteIndex(char c) {
    switch (c) {
    case 'R':
        return 1;
    case 'G':
        return 2;
    case 'B':
        return 3;
    case '.':
        return 4;
    default:
        return 0;
    }
}

void WritePicture(const char* name, int bpp) {
    std::vector<std::uint32_t> px;
    for (auto* row : kPicture)
        for (int x = 0; x < 4; ++x) px.push_back(bpp == 8 ? PaletteIndex(row[x]) : Rgb(row[x]));
    WriteFile(name, bpp == 8 ? MakeBmp(4, 2, 8, px, kPaletteColours) : MakeBmp(4, 2, 24, px));
}

// An 8-bit picture whose top-left pixel is palette entry 0, the key colour.
void WriteKeyPicture(const char* name) {
    WriteFile(name, MakeBmp(1, 1, 8, {0}, {kKey}));
}

// Expected destination: background '.' then picture letters.
using Expect = std::vector<std::string>;

// A face, its depth, and where the copies go: a surface the face draws into
// with its device (a render-target texture in Direct3D), or one in system
// memory, which the Direct3D face fills by the CPU.
struct Face {
    bool d3d;
    int bpp;
    bool systemMemory;
};

std::string Name(const Face& f) {
    return std::string(f.d3d ? "Direct3D" : "DirectDraw") + std::to_string(f.bpp) +
           (f.systemMemory ? "SystemMemory" : "");
}
std::string FaceName(const ::testing::TestParamInfo<Face>& info) {
    return Name(info.param);
}
void PrintTo(const Face& f, std::ostream* os) {
    *os << Name(f);
}

class Faces : public GraphicsTest, public ::testing::WithParamInterface<Face> {
protected:
    void SetUp() override {
        d3d = GetParam().d3d;
        bpp = GetParam().bpp;
        ASSERT_TRUE(d3d ? StartDirect3D(bpp) : StartDirectDraw(bpp));
        // DirectDraw converts true-colour pictures with the project's transparent colour.
        if (!d3d) lpDDCon->rgbConvert = {0xFF, 0x00, 0xFF};
        WriteKeyPicture("key.bmp");
        ASSERT_TRUE(DDSetTransmit("key.bmp"));
        WritePicture("pic.bmp", bpp);
        ASSERT_EQ(DDCreateSurfaceFromFile(&pic, "pic.bmp", 1, bpp, 0, 0, 0, 0, 0, 0, 0), 0);
        const bool system = GetParam().systemMemory;
        ASSERT_TRUE(DDCreateSurface(&dst, 8, 4, 0, system ? 1 : 0, system ? DTMEMORYTYPE_SYSTEM : 0, 0, 0));
        DDFillRectColor(&dst, 0, 0, 8, 4, Background());
    }
    void TearDown() override {
        DDReleaseSurface(&pic);
        DDReleaseSurface(&dst);
        GraphicsTest::TearDown();
    }
    // The background as the face takes a fill colour: a display pixel value
    // in DirectDraw, ARGB in Direct3D.
    // The background grey. The Direct3D face fills a system-memory texture by
    // the CPU, scaling channels down without rounding: its grey is one that
    // either scaling stores alike.
    std::uint32_t Grey() const { return GetParam().systemMemory ? 0x424242u : 0x404040u; }
    DWORD Background() const {
        if (d3d) return 0xFF000000u | Grey();
        if (bpp == 8) return PaletteIndex('.');
        return bpp == 16 ? PackArgb(PixelFormat::R5G6B5, Grey()) : Grey();
    }
    // 'T' is what a plain copy leaves for the picture's transparent pixels:
    // the key value in DirectDraw, a transparent pixel in Direct3D.
    std::uint32_t Stored(char c) const {
        if (c == 'T') return d3d ? 0u : Stored('K');
        if (bpp == 8) return PaletteIndex(c);
        std::uint32_t rgb = c == '.' ? Grey() : Rgb(c);
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

// A work surface made empty (as the shot sheets of the play pictures are)
// starts in the transparent colour: keyed, it leaves the destination as it
// was, one by one or batched; plain, it shows the key colour.
TEST_P(Faces, AnEmptyWorkSurfaceStartsTransparent) {
    // The games' palette entry 0 is the transparent colour, which DirectDraw fills with.
    Palette[0] = {0xFF, 0x00, 0xFF, 0};
    DDSURFACEDATA keyed, plain;
    ASSERT_TRUE(DDCreateSurface(&keyed, 64, 32, 1, 1, 0, 0, 0));
    ASSERT_TRUE(DDCreateSurface(&plain, 64, 32, 0, 1, 0, 0, 0));
    DDBltFast(&dst, 0, 0, 3, 2, &keyed, 5, 5, 1);
    DDBeginQuadBatch(0);
    DDBltFast(&dst, 3, 2, 2, 2, &keyed, 0, 0, 1);
    DDBltStretch(&dst, 5, 0, 3, 4, &keyed, 40, 8, 16, 16, 1);
    DDFlushQuadBatch();
    Check({"........", "........", "........", "........"});
    DDBltFast(&dst, 1, 1, 2, 2, &plain, 0, 0, 0);
    Check({"........", ".KK.....", ".KK.....", "........"});
    DDReleaseSurface(&keyed);
    DDReleaseSurface(&plain);
}

INSTANTIATE_TEST_SUITE_P(DirectDrawAndDirect3D, Faces,
                         ::testing::Values(Face{false, 16, false}, Face{false, 32, false},
                                           Face{true, 16, false}, Face{true, 32, false}),
                         FaceName);

// Same-size copies, keyed and plain, cut at each edge of the destination, on
// every depth and into both kinds of destination.
using SameSizeCopies = Faces;

TEST_P(SameSizeCopies, KeyedAndPlainCopiesClippedAtEachEdge) {
    const struct {
        const char* edge;
        int x, y;
        DWORD flags;
        Expect want;
    } cases[] = {
        {"left keyed", -2, 1, 1, {"........", ".B......", "RG......", "........"}},
        {"left plain", -2, 1, 0, {"........", "TB......", "RG......", "........"}},
        {"right keyed", 6, 1, 1, {"........", "......RG", ".......B", "........"}},
        {"right plain", 6, 1, 0, {"........", "......RG", "......TB", "........"}},
        {"top keyed", 2, -1, 1, {"...BRG..", "........", "........", "........"}},
        {"top plain", 2, -1, 0, {"..TBRG..", "........", "........", "........"}},
        {"bottom keyed", 3, 3, 1, {"........", "........", "........", "...RG.B."}},
        {"bottom plain", 3, 3, 0, {"........", "........", "........", "...RGTB."}},
        {"inside plain", 1, 1, 0, {"........", ".RGTB...", ".TBRG...", "........"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        DDFillRectColor(&dst, 0, 0, 8, 4, Background());
        DDBltFast(&dst, c.x, c.y, 4, 2, &pic, 0, 0, c.flags);
        Check(c.want);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, SameSizeCopies,
                         ::testing::Values(Face{false, 8, false}, Face{false, 16, false},
                                           Face{false, 32, false}, Face{true, 16, false},
                                           Face{true, 32, false}, Face{false, 16, true}, Face{true, 16, true},
                                           Face{true, 32, true}),
                         FaceName);

} // namespace
