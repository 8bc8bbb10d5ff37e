#include "project/RankSet.h"
#include "project/Replay.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(Replay, FreshRecorderSavesSeedAndFourEmptyStreams) {
    cReplay r;
    EXPECT_EQ(r.SaveToBytes(), ByteBuilder().u32(818).u32(1).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0).get());
}

TEST(Replay, RoundTripAndCopyKeepsCursors) {
    cReplay r;
    r.m_dwSeed = 0xDEADBEEF;
    r.m_vDirWord = {1, 0, 8};
    r.m_vDirRun = {5, 1, 70000};
    r.m_vBtnWord = {3};
    r.m_vBtnRun = {70006};
    std::vector<std::uint8_t> bytes = r.SaveToBytes();
    // seed record, then u16 words and u32 runs, each after its count
    EXPECT_EQ(bytes.size(), 4u + 12 + (4 + 6) + (4 + 2) + (4 + 12) + (4 + 4));

    cReplay back;
    back.m_nDirPos = 2;
    back.m_nBtnFrame = 9;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.m_dwSeed, 0xDEADBEEFu);
    EXPECT_EQ(back.m_vDirRun, r.m_vDirRun);
    EXPECT_EQ(back.m_vBtnWord, r.m_vBtnWord);
    EXPECT_EQ(back.m_nDirPos, 2u); // loading never touches the cursors
    EXPECT_EQ(back.m_nBtnFrame, 9);

    cReplay copy;
    copy.m_nBtnPos = 4;
    copy = r;
    EXPECT_EQ(copy.m_vDirWord, r.m_vDirWord);
    EXPECT_EQ(copy.m_dwSeed, r.m_dwSeed);
    EXPECT_EQ(copy.m_nBtnPos, 4u);
    copy.Reset();
    EXPECT_TRUE(copy.m_vDirWord.empty() && copy.m_vBtnRun.empty());
    EXPECT_EQ(copy.m_dwSeed, 0u);
    EXPECT_EQ(copy.m_nBtnPos, 0u);
}

TEST(Replay, DamagedStreamLeavesRecorderUnchanged) {
    cReplay r;
    r.m_vDirWord = {7};
    // A count larger than the bytes left, and a stream cut short.
    for (auto bytes : {ByteBuilder().u32(818).u32(1).u32(5).u32(0).u32(0x10000000).get(),
                       ByteBuilder().u32(818).u32(1).u32(5).u32(0).u32(0).u32(0).u32(2).u32(1).get()}) {
        EXPECT_FALSE(r.LoadFromBytes(bytes));
        EXPECT_EQ(r.m_vDirWord, cVector<std::uint16_t>({7}));
        EXPECT_EQ(r.m_dwSeed, 0u);
    }
}

TEST(RankSet, FreshSetHasFiveTablesWithTheirOrder) {
    cRankSet set;
    ASSERT_EQ(set.Tables.size(), 5u);
    const std::int32_t order[] = {1, 1, 0, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(set.Tables[i].bOrder, order[i]) << i;
        ASSERT_EQ(set.Tables[i].Entries.size(), 20u);
        for (const auto& e : set.Tables[i].Entries) {
            EXPECT_EQ(e.bUsed, 0);
            EXPECT_EQ(e.nValue, 0);
            EXPECT_EQ(e.strName, "");
        }
    }
}

TEST(RankSet, FileLayoutAndRoundTrip) {
    cRankSet set;
    set.Tables[2].Entries[0].bUsed = 1;
    set.Tables[2].Entries[0].nValue = 7384;
    set.Tables[2].Entries[0].strName = "ABC";
    std::vector<std::uint8_t> bytes = set.SaveToBytes();
    ByteBuilder head;
    head.u32(818).u32(0).u32(0).u32(5).u32(1).i32(1).u32(0).u32(20);
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_TRUE(std::equal(head.get().begin(), head.get().end(), bytes.begin()));
    // 16 bytes of set, 5 tables of 16 bytes and 20 entries of 20 bytes, one name of 4
    EXPECT_EQ(bytes.size(), 16u + 5 * (16 + 20 * 20) + 4);

    cRankSet back;
    back.Tables.clear();
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    ASSERT_EQ(back.Tables.size(), 5u);
    EXPECT_EQ(back.Tables[2].Entries[0].strName, "ABC");
    EXPECT_EQ(back.Tables[2].bOrder, 0);
    EXPECT_EQ(back.SaveToBytes(), bytes);
}

TEST(RankSet, OldFileComesToFiveTables) {
    for (std::uint32_t tables : {3u, 7u}) {
        ByteBuilder b;
        b.u32(180).u32(0).u32(0).u32(tables);
        for (std::uint32_t t = 0; t < tables; ++t) b.u32(1).i32(0).u32(0).u32(0);
        cRankSet set;
        ASSERT_TRUE(set.LoadFromBytes(b.get()));
        ASSERT_EQ(set.Tables.size(), 5u);
        EXPECT_EQ(set.Tables[3].bOrder, 1);
        EXPECT_EQ(set.Tables[4].bOrder, 1);
        EXPECT_EQ(set.Tables[0].bOrder, 0); // as stored
    }
    // From 181 on the stored count and flags stand.
    ByteBuilder b;
    b.u32(181).u32(0).u32(0).u32(1).u32(1).i32(0).u32(0).u32(0);
    cRankSet set;
    ASSERT_TRUE(set.LoadFromBytes(b.get()));
    ASSERT_EQ(set.Tables.size(), 1u);
    EXPECT_EQ(set.Tables[0].bOrder, 0);
}

TEST(RankSet, DamagedFileKeepsTheSet) {
    cRankSet set;
    set.Tables[0].Entries[0].nValue = 5;
    ByteBuilder b;
    b.u32(818).u32(0).u32(0).u32(5).u32(1).i32(0).u32(0).u32(20).u32(2).i32(1); // cut short
    EXPECT_FALSE(set.LoadFromBytes(b.get()));
    EXPECT_EQ(set.Tables.size(), 5u);
    EXPECT_EQ(set.Tables[0].Entries[0].nValue, 5);
    EXPECT_EQ(set.Tables[2].bOrder, 0);
}

} // namespace

namespace {

TEST(RankSet, ResetBringsBackTheFreshSet) {
    cRankSet set;
    set.Tables.resize(2);
    set.Tables[0].Entries[3].bUsed = 1;
    set.Tables[1].bOrder = 0;
    set.Reset();
    ASSERT_EQ(set.Tables.size(), 5u);
    EXPECT_EQ(set.Tables[0].Entries[3].bUsed, 0);
    EXPECT_EQ(set.Tables[1].bOrder, 1);
    EXPECT_EQ(set.Tables[2].bOrder, 0);
}

} // namespace
