// Filling a rectangle of a surface: exactly the pixels inside both the
// rectangle and the surface take the value, in every pixel size.
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace {

TEST(SurfaceFill, OnlyThePixelsInsideTheRectangleAndTheSurfaceChange) {
    const struct {
        PixelFormat format;
        std::uint32_t value;
    } fills[] = {
        {PixelFormat::P8, 0x00},
        {PixelFormat::P8, 0xA7},
        {PixelFormat::R5G6B5, 0x0000},
        {PixelFormat::R5G6B5, 0xFFFF},
        {PixelFormat::R5G6B5, 0xF81F},
        {PixelFormat::X1R5G5B5, 0x3C3C},
        {PixelFormat::R5G6B5, 0x1234},
        {PixelFormat::A8R8G8B8, 0xFF000000},
        {PixelFormat::X8R8G8B8, 0x00000000},
        {PixelFormat::A8R8G8B8, 0x5A5A5A5A},
        {PixelFormat::X8R8G8B8, 0x00102030},
    };
    const struct {
        int x, y, w, h;
    } rects[] = {
        {1, 1, 3, 2},           {0, 0, 7, 5}, {-3, -2, 5, 4},     {5, 3, 10, 10},
        {-100, -100, 300, 300}, {2, 2, 0, 3}, {2, 2, 3, 0},       {2, 2, -1, 3},
        {7, 0, 2, 2},           {0, 5, 2, 2}, {INT_MAX, 0, 5, 5}, {0, 0, INT_MAX, INT_MAX},
    };
    // An odd width leaves padding at the end of 8- and 16-bit rows.
    constexpr int kW = 7, kH = 5;
    constexpr std::uint32_t kBefore = 0x11;
    for (const auto& f : fills) {
        for (const auto& r : rects) {
            cSurface s;
            ASSERT_TRUE(s.Allocate(kW, kH, f.format));
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) s.Set(x, y, kBefore);
            const std::vector<std::uint8_t> padding(s.Row(0) + kW * BytesPerPixel(f.format), s.Row(1));
            s.FillRect(r.x, r.y, r.w, r.h, f.value);
            const std::uint32_t mask =
                BytesPerPixel(f.format) == 4 ? 0xFFFFFFFFu : (1u << (8 * BytesPerPixel(f.format))) - 1;
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    const bool inside = static_cast<std::int64_t>(x) >= r.x &&
                                        static_cast<std::int64_t>(x) < static_cast<std::int64_t>(r.x) + r.w &&
                                        static_cast<std::int64_t>(y) >= r.y &&
                                        static_cast<std::int64_t>(y) < static_cast<std::int64_t>(r.y) + r.h;
                    ASSERT_EQ(s.Get(x, y), inside ? f.value & mask : kBefore)
                        << "value " << f.value << " rect " << r.x << "," << r.y << "," << r.w << "," << r.h
                        << " at " << x << "," << y;
                }
                EXPECT_EQ(
                    std::vector<std::uint8_t>(s.Row(y) + kW * BytesPerPixel(f.format), s.Row(y) + s.Pitch()),
                    padding)
                    << "row padding " << y;
            }
        }
    }
}

} // namespace
