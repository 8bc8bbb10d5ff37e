#include "RecordFixtures.h"
#include "records/EdBackground.h"
#include "records/StageParams.h"

#include <gtest/gtest.h>

namespace {

TEST(EdBackground, DefaultsAndEveryLayout) {
    cEdBackground d;
    EXPECT_EQ(d.Enabled, 1);
    EXPECT_EQ(d.FillColor, 16);
    EXPECT_DOUBLE_EQ(d.SpeedX, 0.1);
    EXPECT_DOUBLE_EQ(d.SpeedY, 0.1);

    // 60: second, third, fourth, two dropped words, then the file name.
    ByteBuilder v60;
    v60.u32(60).u32(5).i32(1).i32(2).i32(3).i32(-1).i32(-1).u32(1).str("bmp\\back\\a.bmp");
    cEdBackground b;
    ASSERT_TRUE(b.LoadFromBytes(v60.get()));
    EXPECT_EQ(b.Enabled, 1);
    EXPECT_EQ(b.Fill, 1);
    EXPECT_EQ(b.FillColor, 2);
    EXPECT_EQ(b.Layer, 3);
    EXPECT_DOUBLE_EQ(b.SpeedX, 0.1);
    EXPECT_EQ(b.FileName, "bmp\\back\\a.bmp");

    // 61: fields 2 to 8, then two dropped words in place of the last two rates.
    ByteBuilder v61;
    v61.u32(61).u32(9).i32(4).i32(5).i32(6).f64(0.5).f64(0.25).i32(1).i32(0).i32(-1).i32(-1).u32(1).str("b");
    cEdBackground c;
    ASSERT_TRUE(c.LoadFromBytes(v61.get()));
    EXPECT_EQ(c.Fill, 4);
    EXPECT_DOUBLE_EQ(c.SpeedX, 0.5);
    EXPECT_DOUBLE_EQ(c.SpeedY, 0.25);
    EXPECT_EQ(c.AutoScrollX, 1);
    EXPECT_DOUBLE_EQ(c.AutoOffsetX, 0);
    EXPECT_EQ(c.FileName, "b");

    c.AutoOffsetY = 3.5;
    cEdBackground back;
    ASSERT_TRUE(back.LoadFromBytes(c.SaveToBytes()));
    EXPECT_DOUBLE_EQ(back.AutoOffsetY, 3.5);
    EXPECT_EQ(back.SaveToBytes(), c.SaveToBytes());
}

TEST(StageParams, Version124ReadsFiveValues) {
    ByteBuilder v124;
    v124.u32(124).u32(5).i32(1).i32(5).i32(6).i32(7).i32(8).u32(0);
    cStageParams p;
    p.Set(0, 2, 3, 4, 0, 0, 0, 0);
    ASSERT_TRUE(p.LoadFromBytes(v124.get()));
    const std::int32_t expected[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p.nValue[i], expected[i]) << i;
    const std::vector<std::uint8_t> saved = p.SaveToBytes();
    EXPECT_EQ(saved.size(), 4u + 4 + 32 + 4);
    EXPECT_EQ(saved[4], 8); // eight fields
}

} // namespace
