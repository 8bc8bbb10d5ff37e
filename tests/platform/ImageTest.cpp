#include "platform/Image.h"

#include "platform/ImageBuilders.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                             0x112233, 0x445566, 0x778899, 0xAABBCC};

class BmpDepths : public ::testing::TestWithParam<int> {};

TEST_P(BmpDepths, ReadsEveryPixelTopRowFirst) {
    const int bits = GetParam();
    const int w = 5, h = 3; // odd width: rows are padded
    std::vector<std::uint32_t> px(w * h);
    for (int i = 0; i < w * h; ++i)
        px[i] = bits == 1 ? (i % 2) : bits <= 8 ? static_cast<std::uint32_t>(i % 8) : 0x010203u * (i + 1);
    cImage img;
    auto bytes = MakeBmp(w, h, bits, px, kPalette);
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.width, w);
    EXPECT_EQ(img.height, h);
    EXPECT_EQ(img.bitCount, bits);
    for (int i = 0; i < w * h; ++i) {
        std::uint32_t want = bits <= 8 ? kPalette[px[i]] : px[i];
        EXPECT_EQ(img.argb[i], 0xFF000000u | want) << "pixel " << i;
        if (bits <= 8) {
            EXPECT_EQ(img.indices[i], px[i]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDepths, ::testing::Values(1, 4, 8, 24, 32));

TEST(Bmp, TopDownRowsAndColourTable) {
    std::vector<std::uint32_t> px = {1, 2, 3, 4};
    auto bytes = MakeBmp(2, 2, 8, px, kPalette, true);
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(img.At(1, 1), 0xFF112233u);
    EXPECT_EQ(img.paletteSize, 256);
    EXPECT_EQ(img.palette[3], 0x0000FFu);
}

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>((v >> (8 * i)) & 255);
    return b;
}

TEST(Bmp, DamagedFilesAreRefused) {
    std::vector<std::uint32_t> px(16, 0x123456);
    const auto good = MakeBmp(4, 4, 24, px);
    auto cut = [&](std::size_t n) { return std::vector<std::uint8_t>(good.begin(), good.begin() + n); };
    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back(cut(10));                                      // cut inside the file header
    bad.push_back(cut(40));                                      // cut inside the info header
    bad.push_back(cut(good.size() - 1));                         // last row short
    bad.push_back(Patched(good, 18, 0x7FFFFFFF));                // absurd width
    bad.push_back(Patched(good, 22, 0x80000000u));               // most negative height
    bad.push_back(Patched(good, 18, 0));                         // zero width
    bad.push_back(Patched(good, 10, 0xFFFFFFF0u));               // pixel offset past the end
    bad.push_back(Patched(good, 14, 999));                       // unknown header size
    bad.push_back(Patched(good, 30, 1));                         // run-length coding of 24-bit pixels
    bad.push_back(Patched(good, 30, 3));                         // bit fields of 24-bit pixels
    bad.push_back(Patched(good, 30, 4));                         // an unknown compression
    bad.push_back(Patched(Patched(good, 18, 20000), 22, 20000)); // too many pixels
    auto bits = good;
    bits[28] = 12; // no such depth
    bad.push_back(bits);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        cImage img;
        EXPECT_FALSE(DecodeImage(bad[i].data(), bad[i].size(), img)) << "case " << i;
        EXPECT_TRUE(img.argb.empty());
    }
}

TEST(Bmp, PaletteMissingFromAShortFileIsRefused) {
    auto bytes = MakeBmp(2, 2, 8, {0, 1, 2, 3}, kPalette);
    bytes.resize(14 + 40 + 100); // the colour table is cut
    cImage img;
    EXPECT_FALSE(DecodeImage(bytes.data(), bytes.size(), img));
}

TEST(Png, ReadsColoursAndAlpha) {
    std::vector<std::uint32_t> px = {0xFFFF0000u, 0x8000FF00u, 0x00000000u, 0xFF0000FFu};
    auto bytes = MakePng(2, 2, px);
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.argb[0], 0xFFFF0000u);
    EXPECT_EQ(img.argb[3], 0xFF0000FFu);
    EXPECT_EQ((img.argb[2]), 0u);
}

TEST(Png, DamagedFilesAreRefused) {
    auto good = MakePng(8, 8, std::vector<std::uint32_t>(64, 0xFF102030u));
    std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(good.begin(), good.begin() + 20),
        std::vector<std::uint8_t>(good.begin(), good.end() - 20),
    };
    auto corrupt = good;
    for (std::size_t i = 40; i < corrupt.size() - 12; ++i) corrupt[i] ^= 0x5A;
    bad.push_back(corrupt);
    auto huge = good;
    huge[16] = 0x7F; // width 0x7F000008
    bad.push_back(huge);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        cImage img;
        EXPECT_FALSE(DecodeImage(bad[i].data(), bad[i].size(), img)) << "case " << i;
    }
}

TEST(Jpeg, ReadsAFlatPicture) {
    auto bytes = MakeJpeg(16, 16, std::vector<std::uint32_t>(256, 0x808080u));
    cImage img;
    ASSERT_TRUE(DecodeImage(bytes.data(), bytes.size(), img));
    EXPECT_EQ(img.width, 16);
    EXPECT_EQ(img.bitCount, 24);
    EXPECT_NEAR((img.argb[100]) & 255, 0x80, 2);
    EXPECT_EQ(img.argb[100] >> 24, 0xFFu);
}

TEST(Jpeg, DamagedFilesAreRefused) {
    auto good = MakeJpeg(16, 16, std::vector<std::uint32_t>(256, 0x336699u));
    std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(good.begin(), good.begin() + 2),
        std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2),
        std::vector<std::uint8_t>(good.begin(), good.begin() + 100),
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        cImage img;
        EXPECT_FALSE(DecodeImage(bad[i].data(), bad[i].size(), img)) << "case " << i;
    }
}

TEST(Image, UnknownOrMissingFilesAreRefused) {
    std::vector<std::uint8_t> junk = {'G', 'I', 'F', '8', '9', 'a'};
    cImage img;
    EXPECT_FALSE(DecodeImage(junk.data(), junk.size(), img));
    EXPECT_FALSE(LoadImageFile("/nonexistent/picture.bmp", img));
}

} // namespace
