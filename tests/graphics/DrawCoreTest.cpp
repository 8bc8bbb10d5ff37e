// Fills, quad batches and the CPU copy path of the Direct3D face.
#include "GraphicsFixture.h"

#include "graphics/QuadBatch.h"

namespace {

// A one-colour picture file.
void Solid(const char* name, int w, int h, std::uint32_t rgb) {
    WriteFile(name, MakeBmp(w, h, 24, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, rgb)));
}

class Direct3DDraw : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirect3D(32));
        DDSetTransmit(0xFF, 0x00, 0xFF);
    }
    void TearDown() override {
        for (DDSURFACEDATA* sd : {&a, &b, &c, &dst, &sys}) DDReleaseSurface(sd);
        GraphicsTest::TearDown();
    }
    std::uint32_t Rgb(const DDSURFACEDATA& sd, int x, int y) { return At(sd, x, y) & 0xFFFFFF; }
    DDSURFACEDATA a, b, c, dst, sys;
};

TEST_F(Direct3DDraw, PlainCopyOfAKeyedPictureLeavesItsTransparentPixelsTransparent) {
    WriteFile("k.bmp", MakeBmp(2, 1, 24, {0xFF00FF, 0x123456}));
    ASSERT_EQ(DDCreateSurfaceFromFile(&a, "k.bmp", 1, 32, 0, 0, 0, 0, 0, 0, 0), 0);
    ASSERT_TRUE(DDCreateSurface(&dst, 4, 1, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&dst, 0xFF808080u);
    DDBltFast(&dst, 0, 0, 2, 1, &a, 0, 0, 0); // flags 0: copy as it is
    DDBltFast(&dst, 2, 0, 2, 1, &a, 0, 0, 1); // flags 1: keep what is below
    EXPECT_EQ(At(dst, 0, 0), 0u);
    EXPECT_EQ(At(dst, 1, 0), 0xFF123456u);
    EXPECT_EQ(At(dst, 2, 0), 0xFF808080u);
    EXPECT_EQ(At(dst, 3, 0), 0xFF123456u);
}

TEST_F(Direct3DDraw, CpuPathMatchesTheDevicePath) {
    WriteFile("p.bmp", MakeBmp(3, 2, 24, {0xFF00FF, 0x112233, 0x445566, 0x778899, 0xFF00FF, 0xAABBCC}));
    ASSERT_EQ(DDCreateSurfaceFromFile(&a, "p.bmp", 1, 32, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0, 0, 0, 0), 0);
    ASSERT_EQ(DDCreateSurfaceFromFile(&sys, "p.bmp", 1, 32, 0, DTMEMORYTYPE_SYSTEM, 0, 0, 0, 0, 0), 0);
    ASSERT_TRUE(DDCreateSurface(&dst, 12, 4, 0, 0, 0, 0, 0));
    ASSERT_TRUE(DDCreateSurface(&b, 12, 4, 0, 0, 0, 0, 0));
    for (DDSURFACEDATA* d : {&dst, &b}) DDFillSurfaceColor(d, 0xFF000000u);
    // Same size, stretched and mirrored, from a device texture and a system one.
    DDBltStretch(&dst, 0, 0, 3, 2, &a, 0, 0, 3, 2, 1);
    DDBltStretch(&dst, 3, 0, 6, 4, &a, 0, 0, 3, 2, 1);
    DDBltStretch(&dst, 9, 0, 3, 2, &a, 3, 0, -3, 2, 1);
    DDBltStretch(&b, 0, 0, 3, 2, &sys, 0, 0, 3, 2, 1);
    DDBltStretch(&b, 3, 0, 6, 4, &sys, 0, 0, 3, 2, 1);
    DDBltStretch(&b, 9, 0, 3, 2, &sys, 3, 0, -3, 2, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_EQ(Rgb(b, x, y), Rgb(dst, x, y)) << x << "," << y;
    EXPECT_EQ(Rgb(dst, 9, 0), 0x445566u); // the mirrored copy starts at the right edge
    EXPECT_EQ(Rgb(dst, 11, 0), 0x000000u);
}

TEST_F(Direct3DDraw, FillsAreClippedToTheSurface) {
    ASSERT_TRUE(DDCreateSurface(&dst, 4, 4, 0, 0, 0, 0, 0));                   // render target
    ASSERT_TRUE(DDCreateSurface(&sys, 4, 4, 0, 0, DTMEMORYTYPE_SYSTEM, 0, 0)); // filled by the CPU
    for (DDSURFACEDATA* d : {&dst, &sys}) {
        DDFillSurfaceColor(d, 0xFF000000u);
        DDFillRectColor(d, -2, -2, 4, 4, 0xFF0000FFu); // top-left 2x2
        DDFillRectColor(d, 3, 3, 10, 10, 0xFFFF0000u); // bottom-right pixel
        DDFillRectColor(d, 5, 0, 2, 2, 0xFF00FF00u);   // wholly outside
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                std::uint32_t want = (x < 2 && y < 2) ? 0x0000FF : (x == 3 && y == 3) ? 0xFF0000 : 0;
                EXPECT_EQ(Rgb(*d, x, y), want) << x << "," << y;
            }
    }
}

TEST_F(Direct3DDraw, FillBatchDrawsEveryEntryInOrder) {
    ASSERT_TRUE(DDCreateSurface(&dst, 4, 1, 0, 0, 0, 0, 0));
    ASSERT_TRUE(DDCreateSurface(&b, 4, 1, 0, 0, 0, 0, 0));
    DDFillSurfaceColor(&dst, 0xFF000000u);
    DDBeginFillBatch();
    DDFillRectColor(&dst, 0, 0, 3, 1, 0xFF0000FFu);
    DDFillRectColor(&b, 0, 0, 4, 1, 0xFF00FF00u);
    DDFillRectColor(&dst, 1, 0, 3, 1, 0xFFFF0000u); // back to the first record: a new group
    EXPECT_EQ(Rgb(dst, 0, 0), 0u) << "nothing is drawn before the flush";
    DDFlushFillBatch();
    EXPECT_EQ(Rgb(dst, 0, 0), 0x0000FFu);
    EXPECT_EQ(Rgb(dst, 1, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(dst, 3, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(b, 2, 0), 0x00FF00u);
}

class QuadOrder : public Direct3DDraw {
protected:
    void SetUp() override {
        Direct3DDraw::SetUp();
        Solid("a.bmp", 7, 1, 0xAA0000);
        Solid("b.bmp", 7, 1, 0x00BB00);
        Solid("c.bmp", 7, 1, 0x0000CC);
        for (auto [sd, name] : {std::pair{&a, "a.bmp"}, {&b, "b.bmp"}, {&c, "c.bmp"}})
            ASSERT_EQ(DDCreateSurfaceFromFile(sd, name, 0, 32, 0, 0, 0, 0, 0, 0, 0), 0);
        ASSERT_TRUE(DDCreateSurface(&dst, 7, 1, 0, 0, 0, 0, 0));
    }
    // A at 0-3, C (never registered) over all seven, B at 2-5, in that order.
    void Submit() {
        DDBltFast(&dst, 0, 0, 4, 1, &a, 0, 0, 0);
        DDBltFast(&dst, 0, 0, 7, 1, &c, 0, 0, 0);
        DDBltFast(&dst, 2, 0, 4, 1, &b, 0, 0, 0);
    }
    std::string Row() {
        std::string s;
        for (int x = 0; x < 7; ++x) {
            std::uint32_t v = Rgb(dst, x, 0);
            s += v == 0xAA0000 ? 'A' : v == 0x00BB00 ? 'B' : v == 0x0000CC ? 'C' : '?';
        }
        return s;
    }
};

TEST_F(QuadOrder, WithoutGroupingQuadsKeepTheirOrder) {
    DDBeginQuadBatch(0);
    Submit();
    DDFlushQuadBatch();
    EXPECT_EQ(Row(), "CCBBBBC");
}

TEST_F(QuadOrder, GroupingDrawsUnregisteredFirstThenByRegistration) {
    DDBeginQuadBatch(1);
    DDQuadBatchAddTexture(&b);
    DDQuadBatchAddTexture(&a);
    DDQuadBatchAddTexture(&b); // registered once only
    Submit();
    EXPECT_EQ(QuadBatch.vecQuads.size(), 3u);
    DDFlushQuadBatch();
    EXPECT_EQ(Row(), "AAAABBC");
    EXPECT_FALSE(QuadBatch.bBatching);
}

class DirectDrawFill : public GraphicsTest {};

TEST_F(DirectDrawFill, FillsAreClippedAndEmptySurfacesStartTransparent) {
    ASSERT_TRUE(StartDirectDraw(16));
    Palette[0] = {0x00, 0x00, 0x00, 0};
    Palette[5] = {0xFF, 0x00, 0x00, 0};
    DDSURFACEDATA sd;
    ASSERT_TRUE(DDCreateSurface(&sd, 4, 4, 1, 0, 0, 0, 0));
    EXPECT_EQ(At(sd, 3, 3), 0u); // palette colour 0
    DDFillRectPal(&sd, -1, 2, 3, 5, 5);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(At(sd, x, y), (x < 2 && y >= 2) ? 0xF800u : 0u) << x << "," << y;
    DDFillRectPal(&sd, 0, 0, 4, 4, 256); // not a palette index: logged, colour 0
    EXPECT_EQ(At(sd, 0, 3), 0u);
    DDReleaseSurface(&sd);
}

} // namespace
