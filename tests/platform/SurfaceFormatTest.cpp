// Conversions between 16-bit pixels and 8-bit colour channels.
#include "platform/SurfaceFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(PixelFormats, EveryFiveAndSixBitValueSurvivesWideningAndNarrowing) {
    for (int max : {31, 63})
        for (int c = 0; c <= max; ++c)
            EXPECT_EQ(NarrowChannel(WidenChannel(c, max), max), c) << c << "/" << max;
    // Every pixel value of each 16-bit format, through ARGB and back.
    const struct {
        PixelFormat format;
        std::uint32_t used; // the bits the format keeps
    } formats[] = {
        {PixelFormat::R5G6B5, 0xFFFF}, {PixelFormat::X1R5G5B5, 0x7FFF}, {PixelFormat::A1R5G5B5, 0xFFFF}};
    for (const auto& f : formats) {
        int changed = 0;
        for (std::uint32_t v = 0; v <= f.used; ++v)
            if ((v & ~f.used) == 0 && PackArgb(f.format, UnpackToArgb(f.format, v)) != v) ++changed;
        EXPECT_EQ(changed, 0) << static_cast<int>(f.format);
    }
    EXPECT_EQ(UnpackToArgb(PixelFormat::R5G6B5, 0xFFFF), 0xFFFFFFFFu) << "full channels widen to 255";
}

} // namespace
