#include "project/IniKey.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(IniKey, StoredAsKindAndDefaultThenNameAndText) {
    cIniKey key;
    key.SetString("FreeStage", "a.stg4");
    key.nIntDefault = 3;
    std::vector<std::uint8_t> bytes = key.SaveToBytes();
    EXPECT_EQ(bytes, ByteBuilder().u32(818).u32(2).i32(1).i32(3).u32(2).str("FreeStage").str("a.stg4").get());
    cIniKey back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.nKind, 1);
    EXPECT_EQ(back.Name, "FreeStage");
    EXPECT_EQ(back.StrDefault, "a.stg4");
}

TEST(IniKey, InsertMovesKeysUpWithinTheTable) {
    cVector<cIniKey> keys(3);
    keys[0].SetInt("A", 1);
    keys[1].SetInt("B", 2);
    keys[2].SetInt("C", 3);
    InsertIniKey(keys, 1, "N", 9);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].Name, "A");
    EXPECT_EQ(keys[1].Name, "N");
    EXPECT_EQ(keys[1].nIntDefault, 9);
    EXPECT_EQ(keys[2].Name, "B");
}

TEST(IniKey, ShortTableIsPaddedWithTheDefaultsOfItsPositions) {
    cVector<cIniKey> keys(2);
    keys[0].SetInt("Direct3D", 0);
    keys[1].SetInt("Mine", 5);
    PadIniKeys(keys);
    ASSERT_EQ(keys.size(), kIniKeyCount);
    EXPECT_EQ(keys[1].Name, "Mine");
    EXPECT_EQ(keys[3].Name, "VSync");
    EXPECT_EQ(keys[3].nIntDefault, 2);
    EXPECT_EQ(keys[8].nKind, 1);
    EXPECT_EQ(keys[9].Name, "English");
}

} // namespace
