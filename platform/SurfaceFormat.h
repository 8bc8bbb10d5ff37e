// Pixel formats of the software surfaces and the conversions between a pixel
// and a 32-bit ARGB colour. Channels are scaled as c x max / 255 when packed
// and as c x 255 / max when widened, so 8-bit colours survive a round trip
// through a 5- or 6-bit channel as closely as they can.
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

// Packs 8-bit channels by the given masks (c x max / 255).
std::uint32_t PackByMasks(const FormatMasks& m, int r, int g, int b);

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
