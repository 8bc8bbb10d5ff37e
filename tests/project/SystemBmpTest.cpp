#include "project/SystemBmp.h"

#include "project/DataPath.h"
#include "project/SurfaceAliasing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

class cRecordingAliasing : public cSurfaceAliasing {
public:
    std::map<int, int> links;
    void SetAlias(int index, int target) override { links[index] = target; }
};

TEST(SystemBmp, TableShape) {
    ASSERT_EQ(sizeof SystemBmp / sizeof SystemBmp[0], 71u);
    EXPECT_STREQ(SystemBmp[0].szFile, "bmp\\plt\\Palette.bmp");
    EXPECT_STREQ(SystemBmp[70].szFile, "E");
    EXPECT_STREQ(SystemBmp[55].szFile, "背景その1.bmp");
    EXPECT_STREQ(SystemBmp[62].szFile, "背景その8.bmp");

    // Entry 68 is a 640 x 480 work surface that draws from the one of entry 67.
    EXPECT_TRUE(SystemBmp[68].IsWorkSurface());
    EXPECT_EQ(SystemBmp[68].nWorkWidth, 640);
    EXPECT_EQ(SystemBmp[68].nWorkHeight, 480);
    EXPECT_EQ(SystemBmpShares(68), 67);
    EXPECT_TRUE(SystemBmp[67].IsWorkSurface());
    EXPECT_EQ(SystemBmp[67].nWorkWidth, 640);
    EXPECT_EQ(SystemBmpShares(67), -1);

    // Every sharing entry names the same picture as the one it shares, and that one has its own surface.
    for (int i = 0; i < kSystemBmpCount; ++i) {
        int t = SystemBmpShares(i);
        if (t < 0) continue;
        EXPECT_STREQ(SystemBmp[i].szFile, SystemBmp[t].szFile) << i;
        EXPECT_EQ(SystemBmpShares(t), -1) << i;
        EXPECT_EQ(SystemBmp[i].nSet4, 1) << i;
    }
    // Character sheets 2 to 8 are optional; sheet 1 and the block sheet are not.
    EXPECT_EQ(SystemBmp[2].bOptional, 0);
    EXPECT_EQ(SystemBmp[4].bOptional, 0);
    for (int i = 6; i <= 19; ++i) EXPECT_EQ(SystemBmp[i].bOptional, 1) << i;
    EXPECT_EQ(SystemBmp[5].nSet7, 32);
    EXPECT_EQ(SystemBmp[21].nSet7, 16);
    EXPECT_EQ(SystemBmpShares(-1), -1);
    EXPECT_EQ(SystemBmpShares(71), -1);

    EXPECT_STREQ(SystemFont[2].szFace, "ＭＳ ゴシック");
    EXPECT_EQ(SystemFont[2].nValue[1], 30);
    EXPECT_EQ(ExtraBmp[0].nSet1, 1);
}

TEST(SystemBmp, LinkSystemSurfacesSetsEveryPair) {
    cRecordingAliasing aliasing;
    {
        cScopedSurfaceAliasing guard(aliasing);
        LinkSystemSurfaces();
    }
    std::map<int, int> expected = {{3, 2}, {41, 40}, {44, 43}, {68, 67}};
    for (int k = 0; k < 8; ++k) {
        expected[5 + 2 * k] = 4 + 2 * k;
        expected[22 + 2 * k] = 4 + 2 * k;
        expected[23 + 2 * k] = 4 + 2 * k;
    }
    expected[21] = 20;
    expected[38] = 20;
    expected[39] = 20;
    EXPECT_EQ(aliasing.links, expected);
    LinkSystemSurfaces(); // the null aliasing: no crash
}

TEST(SystemBmp, SetCutsLongNames) {
    BMPFILEDATA b;
    std::string longName(400, 'x');
    b.Set(longName.c_str(), 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    EXPECT_EQ(std::strlen(b.szFile), 259u);
    EXPECT_EQ(b.nSet5, 5);
    EXPECT_EQ(b.bOptional, 6);
    EXPECT_EQ(b.nWorkHeight, 10);
}

TEST(DataPath, IndicesNameTheirPaths) {
    ASSERT_EQ(DataPath.size(), static_cast<std::size_t>(DP_COUNT));
    EXPECT_EQ(DP_COUNT, 48);
    EXPECT_EQ(DataPath[DP_ANIME_SET], "data\\database\\AnimeSet.dat");
    EXPECT_EQ(DataPath[DP_BGM], "data\\database\\Bgm.dat");
    EXPECT_EQ(DataPath[DP_SYSTEM], "data\\System.dat");
    EXPECT_EQ(DataPath[DP_WINDOW], "user_data\\Window.dat");
    // Each database file has its default twin right after it.
    for (int i = DP_ANIME_SET; i <= DP_BGM; i += 2)
        EXPECT_EQ("default" + DataPath[i].substr(4), DataPath[i + 1]) << i;
    EXPECT_EQ(FileExtension.size(), 4u);
    EXPECT_EQ(ColorName.size(), 11u);
}

} // namespace
