// Small picture files for tests: BMP files of every depth the reader takes,
// and PNG and JPEG files made with libpng and libjpeg.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// A BMP with a 40-byte header. `pixels` are palette indices (depth <= 8) or
// 0xRRGGBB colours, top row first; stored bottom-up unless topDown.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount,
                                  const std::vector<std::uint32_t>& pixels,
                                  const std::vector<std::uint32_t>& palette = {}, bool topDown = false);
std::vector<std::uint8_t> MakePng(int width, int height, const std::vector<std::uint32_t>& argb);
std::vector<std::uint8_t> MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb);

inline void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(name, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
