// One software surface: a block of pixels in one of the formats of
// SurfaceFormat.h. Both the DirectDraw-like and the Direct3D-like faces keep
// their pixels in it; presenting converts it to 32 bits.
#pragma once

#include "platform/SurfaceFormat.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

// Largest side and area a surface may have; bigger requests are refused, so
// a damaged picture size can never allocate hugely.
constexpr int kMaxSurfaceSide = 16384;
constexpr std::int64_t kMaxSurfacePixels = 64ll * 1024 * 1024;

// Pixel memory that starts zeroed without being written: calloc hands large
// blocks over as fresh zero pages, so a surface that is made but not drawn on
// all over (a font's work surface, a page drawn in part) costs neither the
// clearing nor the memory it never touches.
template <class T> struct cZeroedAllocator {
    using value_type = T;
    cZeroedAllocator() = default;
    template <class U> cZeroedAllocator(const cZeroedAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }
    // Growing from nothing leaves the zeroes calloc gave; other values are written.
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... A> void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(static_cast<A&&>(a)...);
    }
    friend bool operator==(const cZeroedAllocator&, const cZeroedAllocator&) { return true; }
};

class cSurface {
public:
    cSurface() = default;
    // False (and an empty surface) for a bad size or format.
    bool Allocate(int width, int height, PixelFormat format);
    bool Empty() const { return bytes_.empty(); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return pitch_; }
    PixelFormat Format() const { return format_; }
    std::size_t SizeBytes() const { return bytes_.size(); }

    std::uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * pitch_; }
    const std::uint8_t* Row(int y) const { return bytes_.data() + static_cast<std::size_t>(y) * pitch_; }
    std::uint8_t* Data() { return bytes_.data(); }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Unchecked pixel access; callers clip first.
    std::uint32_t Get(int x, int y) const;
    void Set(int x, int y, std::uint32_t value);
    // Fills the part of the rectangle that lies on the surface.
    void FillRect(int x, int y, int w, int h, std::uint32_t value);

    // Whole-surface copy into 32-bit XRGB (pitch = width); P8 looks up `palette`.
    void ToXrgb(std::uint32_t* out, const std::array<std::uint32_t, 256>* palette) const;

    void Swap(cSurface& other);

private:
    int width_ = 0, height_ = 0, pitch_ = 0;
    PixelFormat format_ = PixelFormat::Unknown;
    // Only ever grown from empty (Allocate), so new bytes are calloc's zeroes.
    std::vector<std::uint8_t, cZeroedAllocator<std::uint8_t>> bytes_;
};
