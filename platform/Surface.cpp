#include "platform/Surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

bool cSurface::Allocate(int width, int height, PixelFormat format) {
    bytes_.clear();
    width_ = height_ = pitch_ = 0;
    format_ = PixelFormat::Unknown;
    int bpp = BytesPerPixel(format);
    if (bpp == 0 || width < 1 || height < 1 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        static_cast<std::int64_t>(width) * height > kMaxSurfacePixels)
        return false;
    width_ = width;
    height_ = height;
    format_ = format;
    pitch_ = (width * bpp + 3) & ~3; // rows start on 4-byte boundaries
    bytes_.assign(static_cast<std::size_t>(pitch_) * height, 0);
    return true;
}

std::uint32_t cSurface::Get(int x, int y) const {
    const std::uint8_t* p = Row(y);
    switch (BytesPerPixel(format_)) {
    case 1:
        return p[x];
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, p + x * 2, 2);
        return v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, p + x * 4, 4);
        return v;
    }
    default:
        return 0;
    }
}

void cSurface::Set(int x, int y, std::uint32_t value) {
    std::uint8_t* p = Row(y);
    switch (BytesPerPixel(format_)) {
    case 1:
        p[x] = static_cast<std::uint8_t>(value);
        break;
    case 2: {
        auto v = static_cast<std::uint16_t>(value);
        std::memcpy(p + x * 2, &v, 2);
        break;
    }
    case 4:
        std::memcpy(p + x * 4, &value, 4);
        break;
    default:
        break;
    }
}

void cSurface::FillRect(int x, int y, int w, int h, std::uint32_t value) {
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(x) + w, width_));
    int bottom = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(y) + h, height_));
    if (left >= right || top >= bottom) return;
    const int bpp = BytesPerPixel(format_);
    if (bpp != 1 && bpp != 2 && bpp != 4) return;
    const std::size_t n = static_cast<std::size_t>(right - left);
    const std::size_t offset = static_cast<std::size_t>(left) * static_cast<std::size_t>(bpp);
    const std::size_t bytes = n * static_cast<std::size_t>(bpp);
    // A pixel whose bytes are all alike (black, white) is set by bytes; any
    // other fills the first row a pixel at a time, and the rest copy it.
    bool alike = true;
    for (int i = 1; i < bpp; ++i) alike = alike && ((value >> (8 * i)) & 0xFFu) == (value & 0xFFu);
    if (alike) {
        for (int j = top; j < bottom; ++j)
            std::memset(Row(j) + offset, static_cast<int>(value & 0xFFu), bytes);
        return;
    }
    std::uint8_t* first = Row(top) + offset;
    if (bpp == 2) {
        const auto v = static_cast<std::uint16_t>(value);
        for (std::size_t i = 0; i < n; ++i) std::memcpy(first + 2 * i, &v, 2);
    } else {
        for (std::size_t i = 0; i < n; ++i) std::memcpy(first + 4 * i, &value, 4);
    }
    for (int j = top + 1; j < bottom; ++j) std::memcpy(Row(j) + offset, first, bytes);
}

namespace {

// Every 16-bit pixel of one format widened once: presenting a frame is then
// one table read per pixel instead of three channel divisions.
const std::vector<std::uint32_t>& XrgbOf16(PixelFormat format) {
    static const auto make = [](PixelFormat f) {
        std::vector<std::uint32_t> table(65536);
        for (std::uint32_t v = 0; v < 65536; ++v) table[v] = UnpackToArgb(f, v) | 0xFF000000u;
        return table;
    };
    static const std::vector<std::uint32_t> r565 = make(PixelFormat::R5G6B5);
    static const std::vector<std::uint32_t> x555 = make(PixelFormat::X1R5G5B5);
    static const std::vector<std::uint32_t> a555 = make(PixelFormat::A1R5G5B5);
    return format == PixelFormat::R5G6B5 ? r565 : format == PixelFormat::X1R5G5B5 ? x555 : a555;
}

} // namespace

void cSurface::ToXrgb(std::uint32_t* out, const std::array<std::uint32_t, 256>* palette) const {
    const std::size_t w = static_cast<std::size_t>(width_);
    switch (BytesPerPixel(format_)) {
    case 1:
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* row = Row(y);
            std::uint32_t* to = out + y * w;
            if (palette)
                for (std::size_t x = 0; x < w; ++x) to[x] = (*palette)[row[x]] | 0xFF000000u;
            else
                for (std::size_t x = 0; x < w; ++x) to[x] = row[x] | 0xFF000000u;
        }
        break;
    case 2: {
        const std::uint32_t* table = XrgbOf16(format_).data();
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* row = Row(y);
            std::uint32_t* to = out + y * w;
            for (std::size_t x = 0; x < w; ++x) {
                std::uint16_t v;
                std::memcpy(&v, row + x * 2, 2);
                to[x] = table[v];
            }
        }
        break;
    }
    case 4:
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* row = Row(y);
            std::uint32_t* to = out + y * w;
            std::memcpy(to, row, w * 4);
            for (std::size_t x = 0; x < w; ++x) to[x] |= 0xFF000000u;
        }
        break;
    default:
        break;
    }
}

void cSurface::Swap(cSurface& other) {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(pitch_, other.pitch_);
    std::swap(format_, other.format_);
    bytes_.swap(other.bytes_);
}
