// Small picture files for tests: BMP files of every kind the reader takes
// (laid out by hand), and PNG and JPEG files made with libpng and libjpeg.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// A bitmap file laid out as given: the file header, an info header of
// `headerSize` bytes, the bit-field masks (after a 40-byte header, inside a
// longer one), the colour table (0xRRGGBB entries) and the stored pixel bytes.
struct BmpParts {
    int width = 1, height = 1, bitCount = 8;
    std::uint32_t compression = 0; // 1 run-length 8 bits, 2 run-length 4 bits, 3 bit fields
    std::uint32_t headerSize = 40;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks; // red, green, blue (and alpha in a long header)
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> pixels;
};
std::vector<std::uint8_t> MakeBmpFile(const BmpParts& parts);

// An uncompressed BMP with a 40-byte header. `pixels` are palette indices
// (depth <= 8), stored 16-bit values (depth 16) or 0xRRGGBB colours, top row
// first; stored bottom-up unless topDown.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount,
                                  const std::vector<std::uint32_t>& pixels,
                                  const std::vector<std::uint32_t>& palette = {}, bool topDown = false);

// A PNG written by libpng's row writer. `samples` are the rows as stored
// (whole bytes per row, 16-bit samples big-endian). colourType: 0 grey,
// 2 RGB, 3 palette, 4 grey and alpha, 6 RGB and alpha.
struct PngParts {
    int width = 1, height = 1, bitDepth = 8, colourType = 6;
    std::vector<std::uint8_t> samples;
    double gamma = 0;                       // a gAMA chunk when not 0
    std::vector<std::uint32_t> palette;     // 0xRRGGBB
    std::vector<std::uint8_t> paletteAlpha; // tRNS of a palette picture
    std::vector<std::uint16_t> transparent; // tRNS of a grey (one value) or RGB (three) picture
    bool interlaced = false;
};
std::vector<std::uint8_t> MakePngFile(const PngParts& parts);
std::vector<std::uint8_t> MakePng(int width, int height, const std::vector<std::uint32_t>& argb);
std::vector<std::uint8_t> MakeJpeg(int width, int height, const std::vector<std::uint32_t>& rgb,
                                   bool progressive = false);

// The same file with the size in its header changed (and the PNG header's
// checksum made to match): a small file claiming a huge picture.
std::vector<std::uint8_t> WithPngSize(std::vector<std::uint8_t> png, std::uint32_t width,
                                      std::uint32_t height);
std::vector<std::uint8_t> WithJpegSize(std::vector<std::uint8_t> jpeg, std::uint16_t width,
                                       std::uint16_t height);

inline void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(name, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
