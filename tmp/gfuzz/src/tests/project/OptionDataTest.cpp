#include "project/OptionData.h"

#include "fixtures/ByteBuilder.h"
#include "fixtures/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> OptionFile(std::int32_t palette, std::int32_t music, std::int32_t volume,
                                     std::int32_t mode, const std::string& name) {
    return ByteBuilder().u32(818).u32(4).i32(palette).i32(music).i32(volume).i32(mode).u32(1).str(name).get();
}

TEST(OptionData, DefaultsAndStoredForm) {
    TempDir dir;
    cOptionData o;
    EXPECT_FALSE(o.LoadFromFile("user_data/Option.dat"));
    EXPECT_EQ(o.nPalette, 0);
    EXPECT_EQ(o.bMusic, 1);
    EXPECT_EQ(o.nVolume, 7);
    EXPECT_EQ(o.nRankingMode, 0);
    EXPECT_EQ(o.RankingName, "aaa");
    EXPECT_EQ(o.SaveToBytes(), OptionFile(0, 1, 7, 0, "aaa"));
}

TEST(OptionData, ValuesThatIndexTablesAreClampedOnLoad) {
    struct Case {
        std::int32_t palette, volume, mode;
        std::int32_t palette2, volume2, mode2;
    };
    for (Case c : {Case{5, 3, 2, 5, 3, 2}, Case{23, 10, 3, 23, 10, 3}, Case{24, 11, 4, 23, 10, 3},
                   Case{-1, -1, -1, 0, 0, 0}, Case{INT32_MAX, INT32_MIN, 1000, 23, 0, 3}}) {
        cOptionData o;
        ASSERT_TRUE(o.LoadFromBytes(OptionFile(c.palette, 0, c.volume, c.mode, "\226\274\221\117")));
        EXPECT_EQ(o.nPalette, c.palette2);
        EXPECT_EQ(o.nVolume, c.volume2);
        EXPECT_EQ(o.nRankingMode, c.mode2);
        EXPECT_EQ(o.bMusic, 0);
        EXPECT_EQ(o.RankingName, "\226\274\221\117");
    }
}

TEST(OptionData, DamagedFileKeepsTheOptions) {
    const std::vector<std::uint8_t> good = OptionFile(3, 0, 2, 1, "xyz");
    cOptionData o;
    for (std::size_t n = 0; n < good.size(); ++n) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(o.LoadFromBytes(cut)) << n;
    }
    EXPECT_FALSE(
        o.LoadFromBytes(ByteBuilder().u32(818).u32(5).i32(1).i32(1).i32(1).i32(1).i32(1).u32(0).get()));
    EXPECT_EQ(o.SaveToBytes(), OptionFile(0, 1, 7, 0, "aaa"));
}

} // namespace
