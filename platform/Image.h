// A decoded picture and the readers behind it: BMP (own reader), PNG (libpng)
// and JPEG (libjpeg), chosen by the file's first bytes. Every reader checks
// sizes against the bytes it has and refuses damaged or oversized files with
// false; none reads outside its input, and none takes the memory of a large
// picture for a file too short to hold it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct cImage {
    int width = 0, height = 0;
    int bitCount = 0; // depth in the file: 1, 4, 8, 16, 24 or 32 (PNG and JPEG count as 32 and 24)
    // Pixels top row first, 0xAARRGGBB (alpha 255 unless the file has alpha).
    std::vector<std::uint32_t> argb;
    // For pictures of 8 bits or fewer: the palette index of every pixel and the
    // colour table (0x00RRGGBB), with its number of used entries.
    std::vector<std::uint8_t> indices;
    std::array<std::uint32_t, 256> palette{};
    int paletteSize = 0;

    bool Indexed() const { return !indices.empty(); }
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

// Largest file the readers take in.
constexpr std::size_t kMaxImageFileBytes = 256u * 1024 * 1024;

// `path` is a real file path (already resolved).
bool LoadImageFile(const std::string& path, cImage& out);
bool DecodeImage(const std::uint8_t* data, std::size_t size, cImage& out);

bool DecodeBmp(const std::uint8_t* data, std::size_t size, cImage& out);
bool DecodePng(const std::uint8_t* data, std::size_t size, cImage& out);
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, cImage& out);

// True when a picture of this size may be decoded at all.
bool ImageSizeAllowed(std::int64_t width, std::int64_t height);
