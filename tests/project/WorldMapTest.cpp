#include "project/WorldMap.h"
#include "project/StageName.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct MapHeader {
    std::uint32_t version = 818;
    std::int32_t width = 20, height = 15, pitch = 32, shift = 5, startX = 9, startY = 7;
};

void Header(ByteBuilder& b, const MapHeader& h) {
    b.u32(h.version).u32(8).i32(h.width).i32(h.height).i32(h.pitch).i32(h.shift);
    b.i32(h.startX).i32(h.startY).i32(16).i32(0).u32(2).str("map").str("");
}

void Chip(ByteBuilder& b, std::int32_t value, std::int32_t blocked, const std::string& name) {
    b.u32(3).i32(value).i32(blocked).i32(0).u32(2).str(name).str("t");
}

// An event with one stage entry for a version-818 file.
void Event(ByteBuilder& b, std::int32_t x, std::int32_t y, const std::string& file, std::int32_t linked = 0,
           std::int32_t linkA = 1, std::int32_t linkB = 0) {
    b.u32(2).i32(x).i32(y).u32(1).str("ev");
    b.u32(1);                              // entries
    b.u32(7).i32(0);                       // kind 0: a stage
    for (int i = 0; i < 10; ++i) b.i32(0); // a block of eight, one more, the one from 209
    b.i32(linked).i32(linkA).i32(linkB);
    b.u32(2).str("caption").str(file);
}

// A map file: `chips` chips, the given cells, the given events, no second list.
std::vector<std::uint8_t> MapFile(const MapHeader& h, int chips, const std::vector<std::int32_t>& cells,
                                  const std::function<void(ByteBuilder&)>& events = {}, int eventCount = 0) {
    ByteBuilder b;
    Header(b, h);
    b.u32(static_cast<std::uint32_t>(chips));
    for (int i = 0; i < chips; ++i) Chip(b, i, 0, "c");
    b.u32(static_cast<std::uint32_t>(cells.size()));
    for (auto c : cells) b.i32(c);
    b.u32(static_cast<std::uint32_t>(eventCount));
    if (events) events(b);
    b.u32(0);
    return b.get();
}

TEST(WorldMap, SetSizeDerivesPitchAndShift) {
    struct Case {
        std::int32_t w, h, pitch, shift;
    };
    for (Case c : {Case{20, 15, 32, 5}, Case{1, 1, 1, 0}, Case{33, 2, 64, 6}, Case{32, 3, 32, 5}}) {
        cWorldMap map;
        ASSERT_EQ(map.SetSize(c.w, c.h), 1);
        EXPECT_EQ(map.nPitch, c.pitch) << c.w;
        EXPECT_EQ(map.nPitch_Shift, c.shift) << c.w;
        EXPECT_EQ(map.Cells.size(), static_cast<std::size_t>(c.h * c.pitch));
    }
}

TEST(WorldMap, SetSizeRefusesBadSizesAndKeepsTheGrid) {
    cWorldMap map;
    map.Cells[map.CellIndex(3, 4)] = 7;
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {5, cWorldMap::kMaxSide + 1}}) {
        EXPECT_EQ(map.SetSize(w, h), 0);
        EXPECT_EQ(map.nWidth, 20);
        EXPECT_EQ(map.nHeight, 15);
        EXPECT_EQ(map.GetCell(3, 4), 7);
    }
}

TEST(WorldMap, ResizeKeepsEveryCellAtItsPlace) {
    cWorldMap map;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) map.Cells[map.CellIndex(x, y)] = 100 * y + x + 1;
    ASSERT_EQ(map.SetSize(40, 20), 1);
    EXPECT_EQ(map.nPitch, 64);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(map.GetCell(x, y), (x < 20 && y < 15) ? 100 * y + x + 1 : 0) << x << "," << y;
    // Shrinking keeps the cells that are still inside.
    ASSERT_EQ(map.SetSize(3, 2), 1);
    EXPECT_EQ(map.GetCell(2, 1), 103);
    EXPECT_EQ(map.Cells.size(), 8u);
}

TEST(WorldMap, DefaultsAndRoundTrip) {
    cWorldMap map;
    EXPECT_EQ(map.strName, "ワールド");
    ASSERT_EQ(map.EventList2.size(), 1u);
    EXPECT_EQ(map.EventList2[0].strEventName, "デフォルト");
    EXPECT_EQ(map.EventList2[0].Entries.size(), 1u);
    EXPECT_EQ(map.EventList2[0].Entries[0].nLinkA, 1);

    map.Chips.resize(3);
    map.Chips[2].bBlocked = 1;
    map.Cells[map.CellIndex(5, 6)] = 2;
    map.Events.resize(1);
    map.Events[0].nX = 4;
    map.Events[0].Entries[0].strFile = "data\\stg4\\a.stg4_818";
    std::vector<std::uint8_t> bytes = map.SaveToBytes();
    cWorldMap back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.GetCell(5, 6), 2);
    EXPECT_EQ(back.Chips[2].bBlocked, 1);
    EXPECT_EQ(back.Events[0].Entries[0].strFile, "data\\stg4\\a.stg4_818");
    EXPECT_EQ(back.SaveToBytes(), bytes);
}

TEST(WorldMap, OldFileGetsTenRewrittenChips) {
    for (int chips : {3, 12}) {
        MapHeader h;
        h.version = 811;
        cWorldMap map;
        ASSERT_TRUE(map.LoadFromBytes(MapFile(h, chips, std::vector<std::int32_t>(15 * 32, 0))));
        ASSERT_EQ(map.Chips.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(map.Chips[i].nChipIndex, i);
            EXPECT_EQ(map.Chips[i].bBlocked, i < 5 ? 1 : 0);
            EXPECT_EQ(map.Chips[i].strChipName, i < 5 ? "移動不可" : "移動可");
            EXPECT_EQ(map.Chips[i].strText2, "");
        }
    }
}

TEST(WorldMap, NormalizeDropsOutsideEventsAndClampsPositions) {
    MapHeader h;
    h.startX = 25;
    h.startY = -3;
    std::vector<std::int32_t> cells(15 * 32, 0);
    cells[0] = 9;  // no such chip
    cells[1] = -2; // nor this
    cells[2] = 1;
    cWorldMap map;
    ASSERT_TRUE(map.LoadFromBytes(MapFile(
        h, 2, cells,
        [](ByteBuilder& b) {
            Event(b, 20, 0, "a.stg4_818"); // x = width: dropped
            Event(b, 3, 4, "b.stg4_818");
            Event(b, -1, 0, "c.stg4_818"); // negative: dropped
            Event(b, 0, 15, "d.stg4_818"); // y = height: dropped
        },
        4)));
    ASSERT_EQ(map.Events.size(), 1u);
    EXPECT_EQ(map.Events[0].nX, 3);
    EXPECT_EQ(map.nStartX, 19);
    EXPECT_EQ(map.nStartY, 0);
    EXPECT_EQ(map.GetCell(0, 0), 0);
    EXPECT_EQ(map.GetCell(1, 0), 0);
    EXPECT_EQ(map.GetCell(2, 0), 1);
    std::int32_t pos[2] = {3, 4};
    EXPECT_EQ(map.FindEventAt(pos), &map.Events[0]);
    EXPECT_EQ(map.FindEventAtXY(4, 3), nullptr);
    EXPECT_EQ(map.FindEventAt(nullptr), nullptr);
    // Reads outside the grid are clamped to its edge.
    EXPECT_EQ(map.GetCell(-5, -5), map.GetCell(0, 0));
    EXPECT_EQ(map.CellIndex(100, 100), (14 << 5) + 19);
}

TEST(WorldMap, StoredPitchShiftAndCellCountAreNotTrusted) {
    struct Case {
        std::int32_t pitch, shift;
        std::size_t cells;
    };
    for (Case c : {Case{32, 5, 15 * 32}, Case{1, 31, 15 * 32}, Case{-4, -1, 3}, Case{1 << 20, 20, 1000}}) {
        MapHeader h;
        h.pitch = c.pitch;
        h.shift = c.shift;
        std::vector<std::int32_t> cells(c.cells, 0);
        if (cells.size() > 40) cells[(1 << 5) + 7] = 1; // cell (7, 1) in the true layout
        cWorldMap map;
        ASSERT_TRUE(map.LoadFromBytes(MapFile(h, 2, cells)));
        EXPECT_EQ(map.nPitch, 32);
        EXPECT_EQ(map.nPitch_Shift, 5);
        EXPECT_EQ(map.Cells.size(), 15u * 32);
        if (c.cells > 40) {
            EXPECT_EQ(map.GetCell(7, 1), 1);
        }
    }
}

TEST(WorldMap, ImpossibleSizeIsRefusedAndMapKept) {
    for (auto [w, h] : {std::pair{0, 15}, {20, -1}, {cWorldMap::kMaxSide + 1, 2}, {20, 0x7fffffff}}) {
        MapHeader head;
        head.width = w;
        head.height = h;
        cWorldMap map;
        map.nStartX = 3;
        EXPECT_FALSE(map.LoadFromBytes(MapFile(head, 2, {})));
        EXPECT_EQ(map.nWidth, 20);
        EXPECT_EQ(map.nStartX, 3);
    }
    // A cell count the file cannot hold is damage too.
    ByteBuilder b;
    Header(b, MapHeader{});
    b.u32(0).u32(0x40000000);
    cWorldMap map;
    EXPECT_FALSE(map.LoadFromBytes(b.get()));
    EXPECT_EQ(map.Cells.size(), 15u * 32);
}

TEST(WorldMap, FindEventEntryByStageName) {
    EXPECT_EQ(SeriesStageName("stage-1.stg4_818"), "stage.");
    EXPECT_EQ(SeriesStageName("abc.stg4_818"), "abc.");
    EXPECT_EQ(SeriesStageName("a-1-1.stg4_818"), "a-1.");
    EXPECT_EQ(SeriesStageName("noext"), "noext.");

    cWorldMap map;
    ASSERT_TRUE(map.LoadFromBytes(MapFile(
        MapHeader{}, 2, std::vector<std::int32_t>(15 * 32, 0),
        [](ByteBuilder& b) {
            Event(b, 1, 1, "data\\stg4\\stage-1.stg4_818");
            Event(b, 2, 1, "abc.stg4_818");
            Event(b, 3, 1, "linked-1.stg4_818", 1, 2, 3);
        },
        3)));
    EXPECT_EQ(map.FindEventEntry("data\\stg4\\stage.", 0, 0, 0), 1);
    EXPECT_EQ(map.FindEventEntry("abc.", 0, 0, 0), 1);
    EXPECT_EQ(map.FindEventEntry("abc", 0, 0, 0), 0);
    EXPECT_EQ(map.FindEventEntry("ABC.", 0, 0, 0), 0);
    // A linked entry matches only in the linked mode, with its own numbers.
    EXPECT_EQ(map.FindEventEntry("linked.", 0, 2, 3), 0);
    EXPECT_EQ(map.FindEventEntry("linked.", 1, 2, 3), 1);
    EXPECT_EQ(map.FindEventEntry("linked.", 1, 2, 4), 0);
    EXPECT_EQ(map.FindEventEntry("abc.", 1, 1, 0), 0);
    // Only stage entries (kind 0) count.
    map.Events[1].Entries[0].nKind = 2;
    EXPECT_EQ(map.FindEventEntry("abc.", 0, 0, 0), 0);
}

} // namespace

namespace {

TEST(WorldMap, EveryTruncationIsRefused) {
    cWorldMap src;
    src.Chips.resize(2);
    src.Events.resize(2);
    src.Events[1].Entries.resize(3);
    std::vector<std::uint8_t> bytes = src.SaveToBytes();
    cWorldMap map;
    map.nStartX = 4;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
        ASSERT_FALSE(map.LoadFromBytes(cut)) << n;
        ASSERT_EQ(map.nStartX, 4);
    }
    EXPECT_TRUE(map.LoadFromBytes(bytes));
}

} // namespace

namespace {

TEST(WorldMap, NormalizeKeepsASizeSetByHandInRange) {
    cWorldMap map;
    map.nWidth = 0;
    map.nHeight = -4;
    map.Events.resize(1);
    map.Normalize();
    EXPECT_EQ(map.nWidth, 1);
    EXPECT_EQ(map.nHeight, 1);
    EXPECT_EQ(map.Cells.size(), 1u);
    EXPECT_EQ(map.nStartX, 0);
    EXPECT_EQ(map.Events.size(), 1u); // (0, 0) is inside
}

} // namespace
