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

std::uint32_t PackByMasks(const FormatMasks& m, int r, int g, int b) {
    auto narrow = [](int c, int max) { return static_cast<std::uint32_t>(c * max / 255); };
    return (narrow(r, m.rMax) << m.rShift) | (narrow(g, m.gMax) << m.gShift) |
           (narrow(b, m.bMax) << m.bShift);
}

static std::uint32_t PackRounded(const FormatMasks& m, std::uint32_t argb) {
    auto narrow = [](int c, int max) { return static_cast<std::uint32_t>(NarrowChannel(c, max)); };
    return (narrow(ArgbR(argb), m.rMax) << m.rShift) | (narrow(ArgbG(argb), m.gMax) << m.gShift) |
           (narrow(ArgbB(argb), m.bMax) << m.bShift);
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
        return PackRounded(MasksOf(format), argb) | (ArgbA(argb) >= 128 ? 0x8000u : 0u);
    case PixelFormat::R5G6B5:
    case PixelFormat::X1R5G5B5:
        return PackRounded(MasksOf(format), argb);
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
        int r =
            WidenChannel(static_cast<int>((pixel >> m.rShift) & static_cast<std::uint32_t>(m.rMax)), m.rMax);
        int g =
            WidenChannel(static_cast<int>((pixel >> m.gShift) & static_cast<std::uint32_t>(m.gMax)), m.gMax);
        int b =
            WidenChannel(static_cast<int>((pixel >> m.bShift) & static_cast<std::uint32_t>(m.bMax)), m.bMax);
        int a = format == PixelFormat::A1R5G5B5 ? ((pixel & 0x8000u) ? 255 : 0) : 255;
        return MakeArgb(a, r, g, b);
    }
    default:
        return 0;
    }
}
