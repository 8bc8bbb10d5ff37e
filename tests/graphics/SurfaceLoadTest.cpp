// Loading pictures into surface records: damaged files, the table of system
// pictures, and the faults of texture creation this layer mends.
#include "GraphicsFixture.h"

#include "fixtures/ErrorLogCapture.h"
#include <fstream>
#include <sstream>

#include <algorithm>
#include <cstring>

namespace {

std::vector<std::uint8_t> GoodBmp() {
    return MakeBmp(4, 4, 24, std::vector<std::uint32_t>(16, 0x123456));
}

// Boxes answered in a headless run are written to the report.
int BoxesInReport(std::string* last = nullptr) {
    std::ifstream f("Report_Game.txt");
    std::string line;
    int n = 0;
    while (std::getline(f, line))
        if (line.rfind("MessageBox [", 0) == 0) {
            ++n;
            if (last) *last = line;
        }
    return n;
}

class PictureLoading : public GraphicsTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        SetReportFile("Report_Game.txt");
        ASSERT_TRUE(GetParam() ? StartDirect3D(32) : StartDirectDraw(32));
    }
    void TearDown() override {
        for (auto& sd : table) DDReleaseSurface(&sd);
        DDReleaseSurface(&sd);
        GraphicsTest::TearDown();
    }
    cErrorLogCapture log;
    DDSURFACEDATA sd;
    DDSURFACEDATA table[3];
};

TEST_P(PictureLoading, DamagedPicturesAreRefusedCleanly) {
    auto good = GoodBmp();
    auto png = MakePng(4, 4, std::vector<std::uint32_t>(16, 0xFF102030u));
    auto jpeg = MakeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x808080u));
    WriteFile("cut.bmp", std::vector<std::uint8_t>(good.begin(), good.begin() + 60));
    auto huge = good;
    huge[21] = 0x7F; // width far beyond any surface
    WriteFile("huge.bmp", huge);
    WriteFile("cut.png", std::vector<std::uint8_t>(png.begin(), png.end() - 30));
    WriteFile("cut.jpg", std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
    WriteFile("empty.bmp", {});
    for (const char* name : {"cut.bmp", "huge.bmp", "cut.png", "cut.jpg", "empty.bmp", "missing.bmp"}) {
        EXPECT_EQ(DDCreateSurfaceFromFile(&sd, name, 1, 32, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_LOAD_ERR) << name;
        EXPECT_FALSE(DDCheckSurfaceResult(DDSURFACE_LOAD_ERR));
        DDReleaseSurface(&sd);
    }
    // A good picture still loads afterwards.
    WriteFile("good.bmp", good);
    EXPECT_EQ(DDCreateSurfaceFromFile(&sd, "good.bmp", 1, 32, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_OK);
    EXPECT_EQ(sd.nWidth, 4);
}

TEST_P(PictureLoading, TableLoadingStopsOnlyForPicturesThatAreNotOptional) {
    WriteFile("good.bmp", GoodBmp());
    BMPFILEDATA pictures[3];
    std::strcpy(pictures[0].szFile, "good.bmp");
    std::strcpy(pictures[1].szFile, "E");
    pictures[1].nWorkWidth = 16;
    pictures[1].nWorkHeight = 8;
    std::strcpy(pictures[2].szFile, "missing.bmp");
    pictures[2].bOptional = 1;
    lpPictureTable = pictures;
    nSDCount = 3;
    const int all[3] = {0, 1, 2};
    EXPECT_TRUE(DDLoadSurfaces(table, all, 3));
    EXPECT_EQ(table[0].nWidth, 4);
    EXPECT_EQ(table[1].nWidth, 16);
    EXPECT_EQ(BoxesInReport(), 0);
    pictures[2].bOptional = 0;
    EXPECT_FALSE(DDLoadSurfaces(table, all, 3));
    std::string box;
    EXPECT_EQ(BoxesInReport(&box), 1);
    EXPECT_NE(box.find("missing.bmp"), std::string::npos);
    lpPictureTable = nullptr;
    nSDCount = 0;
}

TEST_P(PictureLoading, ListsKeepPicturesAndLoadRecordsInStep) {
    cList<DDSURFACEDATA> sds;
    cList<BMPFILEDATA> bmps;
    EXPECT_TRUE(DDListAddSurface(sds, bmps, 8, 8, 1, 0, 0, 0));
    EXPECT_TRUE(DDListAddSurface(sds, bmps, 16, 16, 1, 0, 0, 0));
    EXPECT_TRUE(DDListInsertSurface(sds, bmps, -5, 4, 4, 1, 0, 0, 0)); // a negative index counts as 0
    ASSERT_EQ(sds.size(), 3u);
    EXPECT_EQ(sds.front().nWidth, 4);
    EXPECT_EQ(bmps.front().nWorkWidth, 4);
    DDSURFACEDATA* middle = &*std::next(sds.begin());
    EXPECT_EQ(DDListRemoveSurface(sds, bmps, middle), 1);
    EXPECT_EQ(DDListRemoveSurface(sds, bmps, &sd), 0);
    ASSERT_EQ(bmps.size(), 2u);
    EXPECT_EQ(bmps.back().nWorkWidth, 16);
    EXPECT_EQ(sds.back().nWidth, 16);
    DDReleaseSurfaceList(sds);
}

INSTANTIATE_TEST_SUITE_P(BothFaces, PictureLoading, ::testing::Values(false, true), [](const auto& info) {
    return std::string(info.param ? "Direct3D" : "DirectDraw");
});

class Direct3DFaults : public GraphicsTest {
protected:
    void TearDown() override {
        for (DDSURFACEDATA* p : {&sd, &linked}) DDReleaseSurface(p);
        GraphicsTest::TearDown();
    }
    DDSURFACEDATA sd, linked;
};

TEST_F(Direct3DFaults, ATextureErrorOtherThanVideoMemoryIsAFailedLoad) {
    Direct3DSettings().maxTextureWidth = 64; // the device refuses wider textures
    ASSERT_TRUE(StartDirect3D(32));
    WriteFile("wide.bmp", MakeBmp(128, 2, 24, std::vector<std::uint32_t>(256, 0x123456)));
    int r = DDCreateSurfaceFromFile(&sd, "wide.bmp", 0, 32, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(r, DDSURFACE_CREATE_ERR);
    EXPECT_FALSE(DDCheckSurfaceResult(r));
    EXPECT_EQ(sd.lpDT->lpTexture, nullptr);
    // Drawing from the failed record does nothing and does not crash.
    DDBltFast(&BackBuffer, 0, 0, 128, 2, &sd, 0, 0, 0);
    cVector<DDSURFACEDATA> vec;
    cVector<BMPFILEDATA> bmps;
    EXPECT_FALSE(DDVecAddSurface(vec, bmps, 128, 2, 0, 0, 0, 0)) << "an add that made no texture fails";
    EXPECT_EQ(vec.size(), 1u);
    DDReleaseSurfaceVec(vec);
}

TEST_F(Direct3DFaults, ANoTextureRecordOnlyTakesTheSizes) {
    ASSERT_TRUE(StartDirect3D(32));
    WriteFile("pic.bmp", MakeBmp(6, 3, 24, std::vector<std::uint32_t>(18, 0x00FF00)));
    // With a palette map and a mirror asked for: neither may touch the missing texture.
    EXPECT_EQ(DDCreateSurfaceFromFile(&linked, "pic.bmp", 1, 32, 0, 0, 1, 1, 2, 0, 0), DDSURFACE_OK);
    EXPECT_EQ(linked.nWidth, 6);
    EXPECT_EQ(linked.nHeight, 3);
    EXPECT_EQ(linked.lpDT->lpTexture, nullptr);
    EXPECT_EQ(linked.lpDT->lpPalMap, nullptr);
    EXPECT_EQ(std::count(SurfaceList.begin(), SurfaceList.end(), &linked), 0);
    DDFillSurfaceColor(&BackBuffer, 0xFF000000u);
    DDBltFast(&BackBuffer, 0, 0, 6, 3, &linked, 0, 0, 0); // unlinked: nothing to draw
    EXPECT_EQ(At(BackBuffer, 0, 0) & 0xFFFFFF, 0u);
    ASSERT_EQ(DDCreateSurfaceFromFile(&sd, "pic.bmp", 1, 32, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_OK);
    linked.lpAlias = &sd; // linked: draws the owner's picture
    DDBltFast(&BackBuffer, 0, 0, 6, 3, &linked, 0, 0, 0);
    EXPECT_EQ(At(BackBuffer, 5, 2) & 0xFFFFFF, 0x00FF00u);
    linked.lpAlias = nullptr;
}

TEST_F(Direct3DFaults, ADowngradeToSystemMemoryIsRecorded) {
    // Room for the back buffer and the two screen-sized targets only.
    Direct3DSettings().videoMemoryBytes = 640 * 480 * 4 * 3 + 100000;
    ASSERT_TRUE(StartDirect3D(32));
    ASSERT_TRUE(DDCreateSurface(&sd, 256, 256, 0, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0));
    EXPECT_EQ(sd.lpDT->nMemType, DTMEMORYTYPE_SYSTEM);
    EXPECT_EQ(sd.lpDT->bRenderTarget, 0);
    WriteFile("pic.bmp", MakeBmp(256, 256, 24, std::vector<std::uint32_t>(65536, 0x0000FF)));
    ASSERT_EQ(DDCreateSurfaceFromFile(&linked, "pic.bmp", 0, 32, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(linked.lpDT->nMemType, DTMEMORYTYPE_SYSTEM);
    // Drawing between them takes the CPU path and works.
    DDBltFast(&sd, 0, 0, 256, 256, &linked, 0, 0, 0);
    EXPECT_EQ(At(sd, 100, 100), 0xFF0000FFu);
}

TEST_F(GraphicsTest, DirectDrawDowngradeToSystemMemoryIsRecorded) {
    DirectDrawSettings().videoMemoryBytes = 640 * 480 * 4 * 2 + 100000; // the two screen buffers only
    ASSERT_TRUE(StartDirectDraw(32));
    WriteFile("pic.bmp", MakeBmp(256, 256, 24, std::vector<std::uint32_t>(65536, 0x0000FF)));
    DDSURFACEDATA big;
    ASSERT_EQ(DDCreateSurfaceFromFile(&big, "pic.bmp", 0, 32, 0, 0, 0, 0, 0, 0, 0), DDSURFACE_OK);
    EXPECT_EQ(big.nMemType, 1);
    EXPECT_TRUE(big.lpDDData->lpSurface->SystemMemory());
    DDReleaseSurface(&big);
}

} // namespace
