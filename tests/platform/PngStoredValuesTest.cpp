// PNG pictures come out with the values the file stores: a gamma chunk
// changes nothing, 16-bit samples keep their high byte, and palette, grey and
// tRNS transparency expand to ARGB.
#include "platform/Image.h"

#include "platform/ImageBuilders.h"

#include <gtest/gtest.h>

namespace {

struct StoredCase {
    const char* name;
    PngParts parts;
    std::vector<std::uint32_t> expected;
};

PngParts Parts(int width, int height, int depth, int colourType, std::vector<std::uint8_t> samples) {
    PngParts p;
    p.width = width;
    p.height = height;
    p.bitDepth = depth;
    p.colourType = colourType;
    p.samples = std::move(samples);
    return p;
}

std::vector<StoredCase> Cases() {
    std::vector<StoredCase> cases;
    // A linear-light gamma chunk: converting for display would lift every
    // value, and a stored 254 would come out as 255.
    auto gamma = Parts(3, 1, 8, 2, {254, 254, 254, 1, 2, 3, 128, 64, 32});
    gamma.gamma = 1.0;
    cases.push_back({"RGB with a gamma chunk", gamma, {0xFFFEFEFEu, 0xFF010203u, 0xFF804020u}});
    cases.push_back({"16-bit RGB and alpha",
                     Parts(2, 1, 16, 6,
                           {0xFE, 0x01, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF,   // FE01 00FF 8000 FFFF
                            0xFF, 0xFF, 0x00, 0x00, 0x12, 0x34, 0x7F, 0xFF}), // FFFF 0000 1234 7FFF
                     {0xFFFE0080u, 0x7FFF0012u}});
    auto grey16 = Parts(2, 1, 16, 0, {0x12, 0x34, 0x12, 0xFF});
    grey16.transparent = {0x1234}; // matches the whole sample, not its high byte
    cases.push_back({"16-bit grey with a transparent value", grey16, {0x00121212u, 0xFF121212u}});
    auto rgbKey = Parts(2, 1, 8, 2, {10, 20, 30, 10, 20, 31});
    rgbKey.transparent = {10, 20, 30};
    cases.push_back({"RGB with a transparent colour", rgbKey, {0x000A141Eu, 0xFF0A141Fu}});
    auto palette = Parts(3, 1, 8, 3, {0, 1, 2});
    palette.palette = {0x102030, 0x405060, 0x708090};
    palette.paletteAlpha = {0x80, 0x00};
    cases.push_back(
        {"palette with alpha for its first entries", palette, {0x80102030u, 0x00405060u, 0xFF708090u}});
    auto palette1 = Parts(3, 1, 1, 3, {0b10100000});
    palette1.palette = {0x000000, 0xFFEEDD};
    cases.push_back({"1-bit palette", palette1, {0xFFFFEEDDu, 0xFF000000u, 0xFFFFEEDDu}});
    cases.push_back({"2-bit grey",
                     Parts(4, 1, 2, 0, {0b00011011}),
                     {0xFF000000u, 0xFF555555u, 0xFFAAAAAAu, 0xFFFFFFFFu}});
    cases.push_back(
        {"grey and alpha", Parts(2, 1, 8, 4, {0x40, 0x80, 0xFE, 0xFF}), {0x80404040u, 0xFFFEFEFEu}});
    // Adam7 spreads the pixels over seven passes.
    PngParts interlaced = Parts(9, 9, 8, 2, {});
    std::vector<std::uint32_t> expected;
    for (int i = 0; i < 81; ++i) {
        const std::uint8_t r = static_cast<std::uint8_t>(i), g = static_cast<std::uint8_t>(3 * i),
                           b = static_cast<std::uint8_t>(255 - i);
        interlaced.samples.insert(interlaced.samples.end(), {r, g, b});
        expected.push_back(0xFF000000u | (r << 16) | (g << 8) | b);
    }
    interlaced.interlaced = true;
    cases.push_back({"interlaced RGB", interlaced, expected});
    return cases;
}

TEST(PngStoredValues, EveryKindDecodesToItsStoredValues) {
    for (const StoredCase& c : Cases()) {
        const auto bytes = MakePngFile(c.parts);
        ASSERT_FALSE(bytes.empty()) << c.name;
        cImage img;
        ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img)) << c.name;
        EXPECT_EQ(img.width, c.parts.width) << c.name;
        EXPECT_EQ(img.height, c.parts.height) << c.name;
        EXPECT_EQ(img.bitCount, 32) << c.name;
        EXPECT_EQ(img.argb, c.expected) << c.name;
    }
}

} // namespace
