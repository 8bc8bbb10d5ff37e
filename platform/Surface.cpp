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
    if (left >= right) return;
    const std::size_t n = static_cast<std::size_t>(right - left);
    for (int j = top; j < bottom; ++j) {
        std::uint8_t* row = Row(j);
        switch (BytesPerPixel(format_)) {
        case 1:
            std::fill_n(row + left, n, static_cast<std::uint8_t>(value));
            break;
        case 2:
            std::fill_n(reinterpret_cast<std::uint16_t*>(row) + left, n, static_cast<std::uint16_t>(value));
            break;
        case 4:
            std::fill_n(reinterpret_cast<std::uint32_t*>(row) + left, n, value);
            break;
        default:
            return;
        }
    }
}

void cSurface::ToXrgb(std::uint32_t* out, const std::array<std::uint32_t, 256>* palette) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::uint32_t v = Get(x, y);
            std::uint32_t argb =
                format_ == PixelFormat::P8 ? (palette ? (*palette)[v & 255] : v) : UnpackToArgb(format_, v);
            out[static_cast<std::size_t>(y) * width_ + x] = argb | 0xFF000000u;
        }
    }
}

void cSurface::Swap(cSurface& other) {
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    std::swap(pitch_, other.pitch_);
    std::swap(format_, other.format_);
    bytes_.swap(other.bytes_);
}
