#include "records/AnimeRecords.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

struct Frame {
    std::int32_t cell, wait, flag;
};

// One cAnime record as a file of `version` stores it.
void PutAnime(ByteBuilder& b, std::uint32_t version, const std::string& name,
              const std::vector<Frame>& frames, std::int16_t a = 0, std::uint8_t bSetting = 0,
              std::int16_t c = 0) {
    if (version >= 55) {
        b.u32(3).u16(static_cast<std::uint16_t>(a)).u8(bSetting).u16(static_cast<std::uint16_t>(c));
    } else {
        b.u32(0);
    }
    b.u32(1).str(name);
    b.u32(static_cast<std::uint32_t>(frames.size()));
    for (const Frame& f : frames) b.u32(3).i32(f.cell).i32(f.wait).i32(f.flag).u32(0);
}

std::vector<std::uint8_t> AnimeSetFile(std::uint32_t version, const std::vector<std::string>& slotNames) {
    ByteBuilder b;
    b.u32(version);
    if (version >= 119)
        b.u32(3).i32(5).i32(9).i32(2);
    else
        b.u32(2).i32(5).i32(9);
    b.u32(1).str("set");
    b.u32(static_cast<std::uint32_t>(slotNames.size()));
    for (const std::string& n : slotNames) PutAnime(b, version, n, {{7, 2, 0}});
    return b.get();
}

TEST(AnimeSet, OldVersionsAreBroughtToFourSlotsWithTheFlyingNames) {
    cAnimeSet set;
    ASSERT_TRUE(set.LoadFromBytes(AnimeSetFile(118, {"a", "b"})));
    ASSERT_EQ(set.Slots.size(), 4u);
    EXPECT_EQ(set.Slots[0].strName, "a");
    EXPECT_EQ(set.Slots[1].strName, "b");
    EXPECT_EQ(set.Slots[2].strName, "飛行");
    EXPECT_EQ(set.Slots[3].strName, "飛行移動");
    // The appended slots are default animations: one frame, setting B 1.
    ASSERT_EQ(set.Slots[3].Frames.size(), 1u);
    EXPECT_EQ(set.Slots[3].Frames[0].nWait, 1);
    EXPECT_EQ(set.Slots[3].nSettingB, 1);
    EXPECT_EQ(set.Slots[0].Frames[0].nCell, 7);
    EXPECT_EQ(set.nOffset1, 5);
    EXPECT_EQ(set.nOffset2, 9);
    EXPECT_EQ(set.nOffset3, 0); // not stored before 119

    cAnimeSet cut;
    ASSERT_TRUE(cut.LoadFromBytes(AnimeSetFile(127, {"a", "b", "c", "d", "e", "f"})));
    ASSERT_EQ(cut.Slots.size(), 4u);
    EXPECT_EQ(cut.Slots[1].strName, "b");
    EXPECT_EQ(cut.Slots[2].strName, "飛行");
    EXPECT_EQ(cut.Slots[3].strName, "飛行移動");
    EXPECT_EQ(cut.nOffset3, 2);

    cAnimeSet current;
    ASSERT_TRUE(current.LoadFromBytes(AnimeSetFile(128, {"a", "b", "c", "d", "e", "f"})));
    ASSERT_EQ(current.Slots.size(), 6u);
    EXPECT_EQ(current.Slots[2].strName, "c");
}

TEST(AnimeSet, DefaultSetAndRoundTrip) {
    cAnimeSet set;
    set.nOffset1 = 1;
    set.Slots[1].Frames.push_back(cAnimeFrame());
    set.Init();
    EXPECT_EQ(set.nOffset1, 4);
    EXPECT_EQ(set.nOffset2, 8);
    ASSERT_EQ(set.Slots.size(), 4u);
    EXPECT_EQ(set.Slots[0].strName, "立ち");
    EXPECT_EQ(set.Slots[1].strName, "立ち移動");
    EXPECT_EQ(set.Slots[1].Frames.size(), 1u);

    set.strName = "hero";
    set.nOffset3 = 12;
    set.Slots[3].Frames[0].nCell = 44;
    set.Slots[3].nSettingC = -3;
    cAnimeSet copy = set; // a copy saves its own members
    copy.Slots[3].Frames[0].nCell = 45;
    cAnimeSet back;
    ASSERT_TRUE(back.LoadFromBytes(copy.SaveToBytes()));
    EXPECT_EQ(back.strName, "hero");
    EXPECT_EQ(back.nOffset3, 12);
    EXPECT_EQ(back.Slots[3].Frames[0].nCell, 45);
    EXPECT_EQ(back.Slots[3].nSettingC, -3);
    EXPECT_EQ(set.Slots[3].Frames[0].nCell, 44);
}

TEST(AnimeRecord, VersionBefore55KeepsTheSettingDefaults) {
    ByteBuilder b;
    b.u32(54);
    PutAnime(b, 54, "old", {{1, 3, 0}, {2, 4, 1}});
    cAnime anime;
    ASSERT_TRUE(anime.LoadFromBytes(b.get()));
    EXPECT_EQ(anime.nSettingA, 0);
    EXPECT_EQ(anime.nSettingB, 1);
    EXPECT_EQ(anime.nSettingC, 0);
    ASSERT_EQ(anime.Frames.size(), 2u);
    EXPECT_EQ(anime.Frames[1].bNoInterrupt, 1);

    ByteBuilder n;
    n.u32(55);
    PutAnime(n, 55, "new", {{1, 3, 0}}, -2, 0, 9);
    ASSERT_TRUE(anime.LoadFromBytes(n.get()));
    EXPECT_EQ(anime.nSettingA, -2);
    EXPECT_EQ(anime.nSettingB, 0);
    EXPECT_EQ(anime.nSettingC, 9);
    EXPECT_EQ(anime.Frames.size(), 1u);
}

TEST(AnimeRecord, DamagedFrameCountLeavesTheRecord) {
    ByteBuilder b;
    b.u32(818).u32(3).u16(0).u8(1).u16(0).u32(1).str("x").u32(1000).u32(3).i32(1).i32(1).i32(0).u32(0);
    cAnime anime;
    anime.strName = "before";
    EXPECT_FALSE(anime.LoadFromBytes(b.get()));
    EXPECT_EQ(anime.strName, "before");
    EXPECT_EQ(anime.Frames.size(), 1u);
}

cAnime MakeAnime(const std::vector<Frame>& frames) {
    cAnime a;
    a.Frames.clear();
    for (const Frame& f : frames) {
        cAnimeFrame fr;
        fr.nCell = f.cell;
        fr.nWait = f.wait;
        fr.bNoInterrupt = f.flag;
        a.Frames.push_back(fr);
    }
    return a;
}

TEST(AnimeTable, FramesEndInTheControlEntry) {
    cVector<cAnime> anime;
    anime.push_back(MakeAnime({{3, 5, 0}, {4, 2, 0}}));
    anime.push_back(MakeAnime({{10, 1, 0}, {11, 2, 1}, {12, 3, 0}}));
    anime.push_back(MakeAnime({{0, 0x7fffffff, 0}}));
    AnimeFrameTableType table;
    table.resize(7); // emptied first
    BuildAnimeTable(anime, table);
    ASSERT_EQ(table.size(), 3u);

    // The "none" animation loops without time and can't be interrupted.
    ASSERT_EQ(table[0].size(), 3u);
    for (int j = 0; j < 2; ++j) {
        EXPECT_EQ(table[0][j].nTicks, 0);
        EXPECT_EQ(table[0][j].bNoInterrupt, 1);
    }
    EXPECT_EQ(table[0][1].nCell, 4);
    EXPECT_EQ(table[0][2].nCell, ANIME_LOOP);
    EXPECT_EQ(table[0][2].bNoInterrupt, 1);

    ASSERT_EQ(table[1].size(), 4u);
    const int cells[] = {10, 11, 12, ANIME_ENDED};
    const int ticks[] = {6, 12, 18, 0};
    const int flags[] = {0, 1, 1, 0}; // once set, the flag holds to the end
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(table[1][j].nCell, cells[j]) << j;
        EXPECT_EQ(table[1][j].nTicks, ticks[j]) << j;
        EXPECT_EQ(table[1][j].bNoInterrupt, flags[j]) << j;
    }
    EXPECT_EQ(table[2][0].nTicks, INT32_MAX); // no overflow
}

} // namespace
