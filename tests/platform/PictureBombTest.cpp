// Small files whose headers claim the largest picture the surfaces take
// (16384 x 4096): the readers refuse them before taking the memory of such a
// picture, while pictures that really are that compressible still decode.
// (Peak memory is checked by running this suite under /usr/bin/time -v.)
#include "platform/Image.h"

#include "platform/ImageBuilders.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint32_t> Noise(int count) {
    std::vector<std::uint32_t> px;
    std::uint32_t s = 12345;
    for (int i = 0; i < count; ++i) {
        s = s * 1103515245u + 12345u;
        px.push_back(s >> 4);
    }
    return px;
}

TEST(PictureBomb, SmallFilesClaimingAHugePictureAreRefused) {
    struct Bomb {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::size_t minSize, maxSize;
    };
    const Bomb bombs[] = {
        {"PNG", WithPngSize(MakePng(24, 16, Noise(24 * 16)), 16384, 4096), 1000, 2000},
        {"progressive JPEG", WithJpegSize(MakeJpeg(112, 112, Noise(112 * 112), true), 16384, 4096), 15000,
         25000},
        {"baseline JPEG", WithJpegSize(MakeJpeg(80, 80, Noise(80 * 80)), 16384, 4096), 5000, 25000},
    };
    for (const Bomb& b : bombs) {
        EXPECT_GE(b.bytes.size(), b.minSize) << b.name;
        EXPECT_LE(b.bytes.size(), b.maxSize) << b.name;
        cImage img;
        EXPECT_FALSE(DecodeImage(b.bytes.data(), b.bytes.size(), img)) << b.name;
        EXPECT_TRUE(img.argb.empty()) << b.name;
    }
}

TEST(PictureBomb, HighlyCompressedPicturesStillDecode) {
    // 1 MB of pixels in about a kilobyte: near the most deflate can pack.
    const auto flatPng = MakePng(512, 512, std::vector<std::uint32_t>(512 * 512, 0));
    cImage png;
    ASSERT_TRUE(DecodeImage(flatPng.data(), flatPng.size(), png));
    EXPECT_EQ(png.argb.size(), 512u * 512u);
    EXPECT_EQ(png.argb.back(), 0u);

    const auto flatJpeg = MakeJpeg(512, 256, std::vector<std::uint32_t>(512 * 256, 0x404040u), true);
    cImage jpeg;
    ASSERT_TRUE(DecodeImage(flatJpeg.data(), flatJpeg.size(), jpeg));
    EXPECT_EQ(jpeg.argb.size(), 512u * 256u);
    EXPECT_NEAR(static_cast<int>(jpeg.argb.back() & 255), 0x40, 2);
}

TEST(PictureBomb, ProgressiveJpegDecodesAsItsBaselineTwin) {
    // The scans of a progressive file add up to the same coefficients.
    const auto px = Noise(40 * 30);
    const auto progressive = MakeJpeg(40, 30, px, true), baseline = MakeJpeg(40, 30, px);
    cImage a, b;
    ASSERT_TRUE(DecodeImage(progressive.data(), progressive.size(), a));
    ASSERT_TRUE(DecodeImage(baseline.data(), baseline.size(), b));
    EXPECT_EQ(a.argb.size(), px.size());
    EXPECT_EQ(a.argb, b.argb);
}

} // namespace
