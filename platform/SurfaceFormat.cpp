#include "platform/SurfaceFormat.h"

int BytesPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::P8:
        return 1;
    case PixelFormat::R5G6B5:
    case PixelFormat::X1R5G5B5:
    case PixelFormat::A1R5G5B5:
        return 2;
    case PixelFormat::X8R8G8B8:
    case PixelFormat::A8R8G8B8:
        return 4;
    default:
        return 0;
    }
}

int BitsPerPixel(PixelFormat format) {
    return BytesPerPixel(format) * 8;
}

FormatMasks MasksOf(PixelFormat format) {
    switch (format) {
    case PixelFormat::R5G6B5:
        return {11, 5, 0, 16, 31, 63, 31, 0};
    case PixelFormat::X1R5G5B5:
        return {10, 5, 0, 15, 31, 31, 31, 0};
    case PixelFormat::A1R5G5B5:
        return {10, 5, 0, 15, 31, 31, 31, 1};
    case PixelFormat::X8R8G8B8:
        return {16, 8, 0, 24, 255, 255, 255, 0};
    case PixelFormat::A8R8G8B8:
        return {16, 8, 0, 24, 255, 255, 255, 255};
    default:
        return {};
    }
}

bool HasAlpha(PixelFormat format) {
    return format == PixelFormat::A1R5G5B5 || format == PixelFormat::A8R8G8B8;
}

static std::uint32_t Narrow(int c, int max) {
    return static_cast<std::uint32_t>(c * max / 255);
}
static int Widen(std::uint32_t c, int max) {
    return max ? static_cast<int>(c) * 255 / max : 255;
}

std::uint32_t PackByMasks(const FormatMasks& m, int r, int g, int b) {
    return (Narrow(r, m.rMax) << m.rShift) | (Narrow(g, m.gMax) << m.gShift) |
           (Narrow(b, m.bMax) << m.bShift);
}

std::uint32_t PackArgb(PixelFormat format, std::uint32_t argb) {
    switch (format) {
    case PixelFormat::P8:
        return argb & 255;
    case PixelFormat::X8R8G8B8:
        return argb | 0xFF000000u;
    case PixelFormat::A8R8G8B8:
        return argb;
    case PixelFormat::A1R5G5B5:
        return PackByMasks(MasksOf(format), ArgbR(argb), ArgbG(argb), ArgbB(argb)) |
               (ArgbA(argb) >= 128 ? 0x8000u : 0u);
    case PixelFormat::R5G6B5:
    case PixelFormat::X1R5G5B5:
        return PackByMasks(MasksOf(format), ArgbR(argb), ArgbG(argb), ArgbB(argb));
    default:
        return 0;
    }
}

std::uint32_t UnpackToArgb(PixelFormat format, std::uint32_t pixel) {
    switch (format) {
    case PixelFormat::P8:
        return 0xFF000000u | (pixel & 255);
    case PixelFormat::X8R8G8B8:
        return pixel | 0xFF000000u;
    case PixelFormat::A8R8G8B8:
        return pixel;
    case PixelFormat::R5G6B5:
    case PixelFormat::X1R5G5B5:
    case PixelFormat::A1R5G5B5: {
        FormatMasks m = MasksOf(format);
        int r = Widen((pixel >> m.rShift) & static_cast<std::uint32_t>(m.rMax), m.rMax);
        int g = Widen((pixel >> m.gShift) & static_cast<std::uint32_t>(m.gMax), m.gMax);
        int b = Widen((pixel >> m.bShift) & static_cast<std::uint32_t>(m.bMax), m.bMax);
        int a = format == PixelFormat::A1R5G5B5 ? ((pixel & 0x8000u) ? 255 : 0) : 255;
        return MakeArgb(a, r, g, b);
    }
    default:
        return 0;
    }
}
