#include "foundation/SmallRecords.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(SmallRecords, StageResultFromVersion758SavedAs818) {
    cStageResult r;
    ByteBuilder old;
    // 758: the result only, then the stage name only.
    old.u32(758).u32(1).i32(1234).u32(1).str("stage\\\203\134.stg4");
    ASSERT_TRUE(r.LoadFromBytes(old.get()));
    EXPECT_EQ(r.nValue, 1234);
    EXPECT_EQ(r.strStageName, "stage\\\203\134.stg4");
    EXPECT_EQ(r.strKeyName, "stage\\\203\134.stg4"); // older files: the key is the stage name
    EXPECT_EQ(r.nStageVarFlag, 0);

    r.nStageVarFlag = 1;
    r.nStageVarNumber = 5;
    r.nStageVarValue = -2;
    std::vector<std::uint8_t> expected = ByteBuilder()
                                             .u32(818)
                                             .u32(4)
                                             .i32(1)
                                             .i32(5)
                                             .i32(-2)
                                             .i32(1234)
                                             .u32(2)
                                             .str("stage\\\203\134.stg4")
                                             .str("stage\\\203\134.stg4")
                                             .get();
    EXPECT_EQ(r.SaveToBytes(), expected);

    cStageResult back;
    ASSERT_TRUE(back.LoadFromBytes(expected));
    EXPECT_EQ(back.nStageVarValue, -2);
    EXPECT_EQ(back.strKeyName, "stage\\\203\134.stg4");
}

TEST(SmallRecords, StageResultKeyStaysItsOwnFrom759) {
    cStageResult r;
    ByteBuilder b;
    b.u32(759).u32(4).i32(0).i32(0).i32(0).i32(9).u32(2).str("a.stg4").str("key");
    ASSERT_TRUE(r.LoadFromBytes(b.get()));
    EXPECT_EQ(r.strKeyName, "key");
    EXPECT_EQ(r.nValue, 9);
}

TEST(SmallRecords, DamagedStageResultLeavesTheRecord) {
    cStageResult r;
    r.strStageName = "kept";
    r.strKeyName = "key";
    r.nValue = 3;
    ByteBuilder cut;
    cut.u32(758).u32(1).i32(99).u32(1).u32(50).raw("short", 5);
    EXPECT_FALSE(r.LoadFromBytes(cut.get()));
    EXPECT_EQ(r.nValue, 3);
    EXPECT_EQ(r.strStageName, "kept");
    EXPECT_EQ(r.strKeyName, "key");
}

TEST(SmallRecords, FieldLists) {
    cHeroCarry carry;
    carry.nHp = 1;
    carry.nSp = 2;
    carry.nCountdown = 3;
    carry.nLives = 4;
    carry.nBgm = 5;
    EXPECT_EQ(carry.SaveToBytes(),
              ByteBuilder().u32(818).u32(5).i32(1).i32(2).i32(3).i32(4).i32(5).u32(0).get());

    cEdIntPair pair;
    pair.nFirst = 1;
    pair.nSecond = 7000;
    std::vector<std::uint8_t> bytes = ByteBuilder().u32(818).u32(2).i32(1).i32(7000).u32(0).get();
    EXPECT_EQ(pair.SaveToBytes(), bytes);
    cEdIntPair back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.nSecond, 7000);

    cEdString text("\203\201\203\142\203\132\201\133\203\127");
    EXPECT_EQ(text.SaveToBytes(), ByteBuilder().u32(818).u32(0).u32(1).str("\203\201\203\142\203\132\201\133\203\127").get());

    // Copies are records of their own.
    cEdString copy = text;
    copy.str = "x";
    EXPECT_EQ(text.str, "\203\201\203\142\203\132\201\133\203\127");
    EXPECT_EQ(copy.SaveToBytes(), ByteBuilder().u32(818).u32(0).u32(1).str("x").get());
}

} // namespace
