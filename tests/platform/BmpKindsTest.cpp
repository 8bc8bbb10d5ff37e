// Bitmaps beyond the plain palette and true-colour ones: 16-bit pixels (plain
// 5-5-5 and bit fields), bit fields in a long header, and run-length coded
// 8- and 4-bit pictures, each laid out by hand.
#include "platform/Image.h"

#include "platform/ImageBuilders.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x112233,
                                             0x445566, 0x778899, 0xAABBCC, 0x102030, 0x405060};

std::vector<std::uint8_t> OneRow16(const std::vector<std::uint32_t>& values) {
    std::vector<std::uint8_t> row;
    for (std::uint32_t v : values) {
        row.push_back(static_cast<std::uint8_t>(v));
        row.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    row.resize((row.size() + 3) & ~std::size_t{3}, 0);
    return row;
}

std::vector<std::uint8_t> OneRow32(const std::vector<std::uint32_t>& values) {
    std::vector<std::uint8_t> row;
    for (std::uint32_t v : values)
        for (int i = 0; i < 4; ++i) row.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return row;
}

struct MaskCase {
    const char* name;
    int bitCount;
    std::uint32_t compression, headerSize;
    std::vector<std::uint32_t> masks, stored, expected;
};

TEST(BmpKinds, SixteenAndThirtyTwoBitPixelsThroughTheirMasks) {
    const MaskCase cases[] = {
        {"plain 5-5-5 (top bit unused)",
         16,
         0,
         40,
         {},
         {0x0000, 0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x0421, 0x4210, 0x7BDE, 0x8000},
         {0xFF000000u, 0xFFFFFFFFu, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF090909u, 0xFF848484u,
          0xFFF7F7F7u, 0xFF000000u}},
        {"bit fields 5-6-5",
         16,
         3,
         40,
         {0xF800, 0x07E0, 0x001F},
         {0xFFFF, 0x0821, 0x0400, 0xF800, 0x0000},
         {0xFFFFFFFFu, 0xFF090509u, 0xFF008200u, 0xFFFF0000u, 0xFF000000u}},
        {"bit fields 4-4-4 with an alpha nibble, which is not used",
         16,
         3,
         40,
         {0x0F00, 0x00F0, 0x000F},
         {0xF123, 0x0F00, 0x08F8},
         {0xFF112233u, 0xFFFF0000u, 0xFF88FF88u}},
        {"bit fields 10-10-10 inside a 124-byte header",
         32,
         3,
         124,
         {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000},
         {0x3FFFFFFF, 0x00000001, 0x20080200, 0xC0000000},
         {0xFFFFFFFFu, 0xFF000001u, 0xFF808080u, 0xFF000000u}},
        {"bit fields 8-8-8 in blue, green, red order",
         32,
         3,
         40,
         {0x000000FF, 0x0000FF00, 0x00FF0000},
         {0x00112233, 0x00FF0000},
         {0xFF332211u, 0xFF0000FFu}},
    };
    for (const MaskCase& c : cases) {
        BmpParts parts;
        parts.width = static_cast<int>(c.stored.size());
        parts.bitCount = c.bitCount;
        parts.compression = c.compression;
        parts.headerSize = c.headerSize;
        parts.masks = c.masks;
        parts.pixels = c.bitCount == 16 ? OneRow16(c.stored) : OneRow32(c.stored);
        const auto bytes = MakeBmpFile(parts);
        cImage img;
        ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img)) << c.name;
        EXPECT_EQ(img.bitCount, c.bitCount) << c.name;
        EXPECT_FALSE(img.Indexed()) << c.name;
        EXPECT_EQ(img.argb, c.expected) << c.name;
    }
}

TEST(BmpKinds, SixteenBitRowsAreStoredBottomUp) {
    const auto bytes = MakeBmp(3, 2, 16, {0x7C00, 0x03E0, 0x001F, 0x0000, 0x7FFF, 0x7C00});
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(img.At(2, 0), 0xFF0000FFu);
    EXPECT_EQ(img.At(0, 1), 0xFF000000u);
    EXPECT_EQ(img.At(1, 1), 0xFFFFFFFFu);
}

// The surfaces pack an 8-bit channel into n bits as c x max / 255, rounded
// down; a 16-bit picture must come back with the values it stores.
TEST(BmpKinds, SixteenBitColoursPackBackToTheirStoredValues) {
    std::vector<std::uint32_t> stored;
    for (std::uint32_t v = 0; v < 64; ++v)
        stored.push_back((std::min(v, 31u) << 11) | (v << 5) | (31 - v % 32));
    BmpParts parts;
    parts.width = 64;
    parts.bitCount = 16;
    parts.compression = 3;
    parts.masks = {0xF800, 0x07E0, 0x001F};
    parts.pixels = OneRow16(stored);
    const auto bytes = MakeBmpFile(parts);
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    for (std::uint32_t v = 0; v < 64; ++v) {
        const std::uint32_t c = img.argb[v];
        EXPECT_EQ(((c >> 16) & 255) * 31 / 255, std::min(v, 31u)) << "red " << v;
        EXPECT_EQ(((c >> 8) & 255) * 63 / 255, v) << "green " << v;
        EXPECT_EQ((c & 255) * 31 / 255, 31 - v % 32) << "blue " << v;
    }
}

TEST(BmpKinds, MasksThatAreNotChannelsAreRefused) {
    const std::vector<std::vector<std::uint32_t>> bad = {
        {0xF800, 0xFC00, 0x001F},   // red and green overlap
        {0x8001, 0x07E0, 0x001E},   // a gap inside the red mask
        {0x1F0000, 0x07E0, 0x001F}, // red lies outside a 16-bit pixel
        {0, 0, 0},                  // no channel at all
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        BmpParts parts;
        parts.width = 2;
        parts.bitCount = 16;
        parts.compression = 3;
        parts.masks = bad[i];
        parts.pixels = OneRow16({0x1234, 0x5678});
        const auto bytes = MakeBmpFile(parts);
        cImage img;
        EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), img)) << "case " << i;
        EXPECT_TRUE(img.argb.empty());
    }
    BmpParts cut;
    cut.width = 2;
    cut.bitCount = 16;
    cut.compression = 3;
    cut.masks = {0xF800, 0x07E0, 0x001F};
    auto bytes = MakeBmpFile(cut);
    bytes.resize(14 + 40 + 8); // the masks are cut
    cImage img;
    EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), img));
}

std::vector<std::uint8_t> RleFile(int bits, int width, int height, std::vector<std::uint8_t> data) {
    BmpParts parts;
    parts.width = width;
    parts.height = height;
    parts.bitCount = bits;
    parts.compression = bits == 8 ? 1 : 2;
    parts.palette = kPalette;
    parts.colorsUsed = static_cast<std::uint32_t>(kPalette.size());
    parts.pixels = std::move(data);
    return MakeBmpFile(parts);
}

void ExpectIndices(const cImage& img, const std::vector<std::uint8_t>& want) {
    ASSERT_EQ(img.indices, want);
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(img.argb[i], 0xFF000000u | kPalette[want[i]]) << i;
}

TEST(BmpKinds, RunLength8WithEveryEscape) {
    const auto bytes = RleFile(8, 6, 4,
                               {
                                   0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x04, 0x00, // run, 3 literal + pad
                                   0x00, 0x00,                                     // end of row
                                   0x02, 0x05, 0x00, 0x02, 0x02, 0x01,             // run, move 2 right 1 up
                                   0x02, 0x06, 0x00, 0x00,                         // run, end of row
                                   0x01, 0x07, 0x00, 0x01,                         // run, end of picture
                               });
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.bitCount, 8);
    EXPECT_EQ(img.paletteSize, 10);
    ExpectIndices(img, {
                           7, 0, 0, 0, 0, 0, // top row: the rest skipped by the end of picture
                           0, 0, 0, 0, 6, 6, // reached by the move
                           5, 5, 0, 0, 0, 0, // left by the move
                           1, 1, 1, 2, 3, 4, // bottom row
                       });
}

TEST(BmpKinds, RunLength4NibblesRunsAndPaddedLiterals) {
    const auto bytes = RleFile(4, 5, 2,
                               {
                                   0x03, 0x12, 0x00, 0x02, 0x01, 0x00, 0x01, 0x90, // 1 2 1, move 1 right, 9
                                   0x00, 0x00,                                     // end of row
                                   0x00, 0x05, 0x34, 0x56, 0x70, 0x00, // 5 literal in 3 bytes + pad
                                   0x00, 0x01,                         // end of picture
                               });
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.bitCount, 4);
    ExpectIndices(img, {3, 4, 5, 6, 7, 1, 2, 1, 0, 9});
}

TEST(BmpKinds, RunLengthDataEndingAfterTheLastPixelIsWhole) {
    // No end-of-picture code, but the last row is full.
    const auto bytes = RleFile(8, 2, 2, {0x02, 0x01, 0x00, 0x00, 0x02, 0x02});
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    ExpectIndices(img, {2, 2, 1, 1});
}

TEST(BmpKinds, DamagedRunsAreRefused) {
    struct Bad {
        const char* what;
        int bits;
        std::vector<std::uint8_t> data;
        int width = 4, height = 2;
    };
    const Bad bad[] = {
        {"a run past the end of the row", 8, {0x05, 0x01, 0x00, 0x01}},
        {"a nibble run past the end of the row", 4, {0x05, 0x11, 0x00, 0x01}},
        {"literal pixels past the end of the row", 8, {0x00, 0x05, 1, 2, 3, 4, 5, 0, 0x00, 0x01}},
        {"a move past the right edge", 8, {0x00, 0x02, 0x05, 0x00, 0x00, 0x01}},
        {"a move past the top", 8, {0x00, 0x02, 0x00, 0x03, 0x00, 0x01}},
        {"a run above the top row", 8, {0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01}},
        {"an end of row above the top row", 8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"literal pixels cut by the end of the file", 8, {0x00, 0x04, 0x01, 0x02}},
        {"literal pixels without their padding", 8, {0x00, 0x03, 0x01, 0x02, 0x03}, 3, 1},
        {"literal nibbles without their padding", 4, {0x00, 0x05, 0x12, 0x34, 0x50}, 5, 1},
        {"a move cut by the end of the file", 8, {0x00, 0x02, 0x01}},
        {"data ending inside a row", 8, {0x04, 0x01, 0x00, 0x00, 0x02, 0x01}},
        {"no data at all", 8, {}},
    };
    for (const Bad& b : bad) {
        const auto bytes = RleFile(b.bits, b.width, b.height, b.data);
        cImage img;
        EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), img)) << b.what;
        EXPECT_TRUE(img.argb.empty() && img.indices.empty()) << b.what;
    }
}

TEST(BmpKinds, RunLengthNeedsItsDepthAndBottomUpRows) {
    const std::vector<std::uint8_t> data = {0x02, 0x01, 0x00, 0x01};
    auto topDown = RleFile(8, 2, -2, data);
    auto rle8At4Bits = RleFile(8, 2, 2, data);
    rle8At4Bits[28] = 4;
    auto rle4At8Bits = RleFile(4, 2, 2, data);
    rle4At8Bits[28] = 8;
    auto offsetPastTheEnd = RleFile(8, 2, 2, data);
    offsetPastTheEnd[10] = 0xF0;
    for (const auto& bytes : {topDown, rle8At4Bits, rle4At8Bits, offsetPastTheEnd}) {
        cImage img;
        EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), img));
    }
}

} // namespace
