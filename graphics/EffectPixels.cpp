#include "graphics/EffectPixels.h"

#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"

namespace {

int Bits(int max) {
    int n = 0;
    while (max > 0) {
        ++n;
        max >>= 1;
    }
    return n;
}

int Rerange(int c, int fromMax, int toMax) {
    const int shift = Bits(toMax) - Bits(fromMax);
    return shift >= 0 ? c << shift : c >> -shift;
}

} // namespace

DDSURFACEDATA* EffectRecord(DDSURFACEDATA* sd) {
    DDResolveSurface(&sd);
    DDRedirectToVirtualBackBuffer(&sd);
    return sd;
}

cEffectPixels::cEffectPixels(DDSURFACEDATA* dst, DDSURFACEDATA* src) {
    dstSD_ = dst ? EffectRecord(dst) : nullptr;
    srcSD_ = src ? EffectRecord(src) : nullptr;
    if (!dstSD_ || !Face().LockPixels(dstSD_, dst_)) return;
    if (srcSD_ && srcSD_ != dstSD_ && !Face().LockPixels(srcSD_, src_)) return;
    ok_ = true;
}

cEffectPixels::~cEffectPixels() {
    if (src_.pixels) Face().UnlockPixels(srcSD_, src_, false);
    if (dst_.pixels) Face().UnlockPixels(dstSD_, dst_, written_);
}

bool IsTransparentPixel(const cSurface& s, std::uint32_t pixel) {
    if (!lpDTCon) return pixel == dwTransmit;
    switch (s.Format()) {
    case PixelFormat::A1R5G5B5:
        // As the device's copy tests it: neither the alpha bit nor bit 13.
        return (pixel & 0xA000u) == 0;
    case PixelFormat::A8R8G8B8:
        return (pixel >> 24) == 0;
    default:
        return false; // no alpha to be clear
    }
}

cTransparentTest::cTransparentTest(const cSurface& s) {
    if (!lpDTCon) {
        mask_ = 0xFFFFFFFFu;
        value_ = dwTransmit;
        return;
    }
    switch (s.Format()) {
    case PixelFormat::A1R5G5B5:
        mask_ = 0xA000u;
        break;
    case PixelFormat::A8R8G8B8:
        mask_ = 0xFF000000u;
        break;
    default:
        value_ = 1; // no alpha to be clear: never
        break;
    }
}

cChannels ChannelsOf(PixelFormat format, std::uint32_t pixel) {
    const FormatMasks m = MasksOf(format);
    return {static_cast<int>((pixel >> m.rShift) & static_cast<std::uint32_t>(m.rMax)),
            static_cast<int>((pixel >> m.gShift) & static_cast<std::uint32_t>(m.gMax)),
            static_cast<int>((pixel >> m.bShift) & static_cast<std::uint32_t>(m.bMax))};
}

std::uint32_t PackChannels(PixelFormat to, cChannels c, PixelFormat from) {
    const FormatMasks f = MasksOf(from);
    const FormatMasks t = MasksOf(to);
    const std::uint32_t r = static_cast<std::uint32_t>(Rerange(c.r, f.rMax, t.rMax) & t.rMax);
    const std::uint32_t g = static_cast<std::uint32_t>(Rerange(c.g, f.gMax, t.gMax) & t.gMax);
    const std::uint32_t b = static_cast<std::uint32_t>(Rerange(c.b, f.bMax, t.bMax) & t.bMax);
    std::uint32_t pixel = (r << t.rShift) | (g << t.gShift) | (b << t.bShift);
    if (HasAlpha(to)) pixel |= static_cast<std::uint32_t>(t.aMax) << t.aShift;
    return pixel;
}

std::uint32_t ConvertPixel(PixelFormat from, std::uint32_t pixel, PixelFormat to) {
    if (from == to) return pixel;
    return PackArgb(to, UnpackToArgb(from, pixel));
}
