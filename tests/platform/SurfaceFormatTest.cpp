// Conversions between 16-bit pixels and 8-bit colour channels, and a whole
// surface presented as 32-bit colour.
#include "platform/SurfaceFormat.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

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

// Presenting converts every pixel as UnpackToArgb does, opaque, row by row
// past each row's padding (an odd width pads 8- and 16-bit rows).
TEST(SurfaceToXrgb, EveryPixelOfEveryFormatPresentsAsItsUnpackedColourOpaque) {
    const PixelFormat formats[] = {PixelFormat::R5G6B5,   PixelFormat::X1R5G5B5, PixelFormat::A1R5G5B5,
                                   PixelFormat::X8R8G8B8, PixelFormat::A8R8G8B8, PixelFormat::P8};
    std::array<std::uint32_t, 256> palette{};
    for (std::uint32_t i = 0; i < 256; ++i) palette[i] = (i * 0x010203u) & 0x00FFFFFFu;
    for (PixelFormat format : formats) {
        cSurface s;
        ASSERT_TRUE(s.Allocate(257, 257, format));
        std::uint32_t v = 0x12345678u;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                // Every 16-bit value appears; 32-bit pixels get varied high bytes too.
                std::uint32_t pixel = static_cast<std::uint32_t>(y * s.Width() + x) & 0xFFFFu;
                v = v * 1664525u + 1013904223u;
                s.Set(x, y, BytesPerPixel(format) == 4 ? (v & 0xFFFF0000u) | pixel : pixel);
            }
        std::vector<std::uint32_t> out(static_cast<std::size_t>(s.Width()) * s.Height());
        s.ToXrgb(out.data(), format == PixelFormat::P8 ? &palette : nullptr);
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) {
                const std::uint32_t pixel = s.Get(x, y);
                const std::uint32_t want =
                    (format == PixelFormat::P8 ? palette[pixel] : UnpackToArgb(format, pixel)) | 0xFF000000u;
                ASSERT_EQ(out[static_cast<std::size_t>(y) * s.Width() + x], want)
                    << "format " << static_cast<int>(format) << " at " << x << "," << y;
            }
    }
}
