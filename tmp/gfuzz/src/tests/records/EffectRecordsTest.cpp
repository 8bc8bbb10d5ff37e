#include "records/EffectRecords.h"
#include "records/CharaEffect.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> EffectFile(std::uint32_t version, std::int32_t number, int frames,
                                     std::int32_t wait) {
    ByteBuilder b;
    b.u32(version);
    if (version >= 151)
        b.u32(4).i32(number);
    else
        b.u32(3);
    b.i32(48).i32(16).i32(1);
    b.u32(2).str("spark").str("bmp\\effect\\spark.bmp");
    b.u32(static_cast<std::uint32_t>(frames));
    for (int i = 0; i < frames; ++i) b.u32(2).i32(i + 1).i32(wait).u32(0);
    return b.get();
}

TEST(Effect, NumberIsClearedBefore153) {
    cEffect e;
    ASSERT_TRUE(e.LoadFromBytes(EffectFile(152, 77, 3, 2)));
    EXPECT_EQ(e.nNumber, 0);
    EXPECT_EQ(e.nCellWidth, 48);
    EXPECT_EQ(e.nCellHeight, 16);
    EXPECT_EQ(e.bScaleByCount, 1);
    EXPECT_EQ(e.strFile, "bmp\\effect\\spark.bmp");
    ASSERT_TRUE(e.LoadFromBytes(EffectFile(153, 77, 3, 2)));
    EXPECT_EQ(e.nNumber, 77);
    ASSERT_TRUE(e.LoadFromBytes(EffectFile(150, 0, 1, 2)));
    EXPECT_EQ(e.nCellWidth, 48);

    cEffect fresh;
    fresh.Frames.clear();
    fresh.Init();
    EXPECT_EQ(fresh.nCellWidth, 32);
    ASSERT_EQ(fresh.Frames.size(), 1u);
    EXPECT_EQ(fresh.Frames[0].nWait, 1);
}

TEST(EffectTable, FramesCountTicksAndEnd) {
    cVector<cEffect> effects(2);
    ASSERT_TRUE(effects[1].LoadFromBytes(EffectFile(818, 0, 3, 2)));
    AnimeFrameTableType table;
    BuildEffectTable(effects, table);
    ASSERT_EQ(table.size(), 2u);
    ASSERT_EQ(table[1].size(), 4u);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(table[1][j].nCell, j + 1);
        EXPECT_EQ(table[1][j].nTicks, 12);
        EXPECT_EQ(table[1][j].bNoInterrupt, 0);
    }
    EXPECT_EQ(table[1][3].nCell, ANIME_ENDED);
    EXPECT_EQ(table[1][3].bNoInterrupt, 0);
    ASSERT_EQ(table[0].size(), 2u);
    EXPECT_EQ(table[0][0].nTicks, 0);
    EXPECT_EQ(table[0][0].bNoInterrupt, 1);
    EXPECT_EQ(table[0][1].nCell, ANIME_LOOP);
    EXPECT_EQ(table[0][1].bNoInterrupt, 1);
}

std::vector<std::uint8_t> KindFile(std::uint32_t version, std::int32_t kind, std::vector<std::int32_t> p) {
    ByteBuilder b;
    b.u32(version).u32(2).i32(kind);
    for (std::int32_t v : p) b.i32(v);
    b.u32(1).str("e");
    return b.get();
}

TEST(EffectKindRecords, OlderFilesGetTheParameterTheEditorDidNotStore) {
    struct Case {
        bool screen;
        std::uint32_t version;
        std::int32_t kind;
        std::vector<std::int32_t> expected; // from stored 5, 6, 7, 0, 0
    };
    const std::vector<Case> cases = {
        {false, 510, 4, {5, 6, 7, 0, 2}}, {false, 510, 5, {5, 6, 7, 0, 2}}, {false, 510, 10, {5, 6, 7, 2, 0}},
        {false, 511, 4, {5, 6, 7, 0, 0}}, {false, 510, 7, {5, 6, 7, 0, 0}}, {true, 400, 10, {5, 6, 7, 8, 0}},
        {true, 510, 6, {5, 6, 7, 0, 8}},  {true, 510, 7, {5, 6, 7, 0, 10}}, {true, 511, 10, {5, 6, 7, 0, 0}},
        {true, 510, 4, {5, 6, 7, 0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = KindFile(c.version, c.kind, {5, 6, 7, 0, 0});
        std::vector<std::int32_t> got;
        if (c.screen) {
            cScrEffect r;
            ASSERT_TRUE(r.LoadFromBytes(bytes));
            got.assign(r.nParam, r.nParam + 5);
        } else {
            cCharaEffect r;
            ASSERT_TRUE(r.LoadFromBytes(bytes));
            got.assign(r.nParam, r.nParam + 5);
        }
        EXPECT_EQ(got, c.expected) << (c.screen ? "screen" : "chara") << " v" << c.version << " kind "
                                   << c.kind;
    }
    cCharaEffect fresh;
    EXPECT_EQ(fresh.nKind, 1);
    EXPECT_EQ(fresh.nParam[4], 0);
}

} // namespace
