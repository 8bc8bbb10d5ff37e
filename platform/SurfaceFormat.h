// Pixel formats of the software surfaces and the conversions between a pixel
// and a 32-bit ARGB colour. A pixel's channels are widened to 8 bits and
// narrowed back with rounding, so every 5- and 6-bit value survives the round
// trip unchanged and a picture drawn from one 16-bit format into another
// keeps its colours.
#pragma once

#include <cstdint>

enum class PixelFormat : std::uint8_t {
    Unknown,
    P8,       // palette index
    R5G6B5,   // 16 bit
    X1R5G5B5, // 16 bit, top bit unused (555)
    A1R5G5B5, // 16 bit with one alpha bit
    X8R8G8B8, // 32 bit, top byte unused
    A8R8G8B8, // 32 bit with alpha
};

// Shift and maximum of each channel: red, green, blue, alpha.
struct FormatMasks {
    int rShift = 0, gShift = 0, bShift = 0, aShift = 0;
    int rMax = 0, gMax = 0, bMax = 0, aMax = 0;
};

int BytesPerPixel(PixelFormat format);
int BitsPerPixel(PixelFormat format);
FormatMasks MasksOf(PixelFormat format);
bool HasAlpha(PixelFormat format);

// ARGB -> pixel. Formats without alpha ignore it; one-bit alpha is set from 128.
std::uint32_t PackArgb(PixelFormat format, std::uint32_t argb);
// Pixel -> ARGB. Formats without alpha give 255. P8 gives the index in blue.
std::uint32_t UnpackToArgb(PixelFormat format, std::uint32_t pixel);

// Packs 8-bit channels by the given masks, truncating (c x max / 255), as the
// DirectDraw face converts the palette's colours.
std::uint32_t PackByMasks(const FormatMasks& m, int r, int g, int b);

// One channel of `max` levels to 8 bits and back, rounding both ways:
// NarrowChannel(WidenChannel(c, max), max) == c for every c in 0..max.
inline int WidenChannel(int c, int max) {
    return max ? (c * 255 + max / 2) / max : 255;
}
inline int NarrowChannel(int c, int max) {
    return (c * max + 127) / 255;
}

inline std::uint32_t MakeArgb(int a, int r, int g, int b) {
    return (static_cast<std::uint32_t>(a & 255) << 24) | (static_cast<std::uint32_t>(r & 255) << 16) |
           (static_cast<std::uint32_t>(g & 255) << 8) | static_cast<std::uint32_t>(b & 255);
}
inline int ArgbA(std::uint32_t c) {
    return static_cast<int>(c >> 24);
}
inline int ArgbR(std::uint32_t c) {
    return static_cast<int>((c >> 16) & 255);
}
inline int ArgbG(std::uint32_t c) {
    return static_cast<int>((c >> 8) & 255);
}
inline int ArgbB(std::uint32_t c) {
    return static_cast<int>(c & 255);
}
