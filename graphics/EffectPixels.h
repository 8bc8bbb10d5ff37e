// What the software effects share: a record's pixels held for the CPU while an
// effect runs, the transparent test of each face, and channel arithmetic in a
// pixel format's own ranges. Graphics layer only.
#pragma once

#include "graphics/DrawFace.h"
#include "graphics/SurfaceData.h"
#include "platform/SurfaceFormat.h"

#include <cstdint>

// The pixels of an effect's target and source, locked for the length of the
// effect and given back on every way out. A source that is the target itself
// is locked once.
class cEffectPixels {
public:
    cEffectPixels(DDSURFACEDATA* dst, DDSURFACEDATA* src);
    ~cEffectPixels();
    cEffectPixels(const cEffectPixels&) = delete;
    cEffectPixels& operator=(const cEffectPixels&) = delete;

    bool Ok() const { return ok_; }
    cSurface& Dst() { return *dst_.pixels; }
    const cSurface& Src() const { return src_.pixels ? *src_.pixels : *dst_.pixels; }
    // The target's pixels change: a render target's copy goes back up.
    void Written() { written_ = true; }

private:
    DDSURFACEDATA* dstSD_ = nullptr;
    DDSURFACEDATA* srcSD_ = nullptr;
    cPixelLock dst_, src_;
    bool ok_ = false;
    bool written_ = false;
};

// A record as the effects see it: a linked record's picture, the virtual back
// buffer in place of the back buffer.
DDSURFACEDATA* EffectRecord(DDSURFACEDATA* sd);

// Whether a source pixel is the transparent colour: the colour key in
// DirectDraw, a clear alpha in a Direct3D texture.
bool IsTransparentPixel(const cSurface& s, std::uint32_t pixel);

// Red, green and blue of a pixel in its format's own ranges.
struct cChannels {
    int r = 0, g = 0, b = 0;
};
cChannels ChannelsOf(PixelFormat format, std::uint32_t pixel);
// Channels of one format's ranges moved to another's (by the difference in
// bits), packed; a format with alpha gets it set whole.
std::uint32_t PackChannels(PixelFormat to, cChannels c, PixelFormat from);
// A pixel of one format as one of another (the same value for the same format).
std::uint32_t ConvertPixel(PixelFormat from, std::uint32_t pixel, PixelFormat to);
// A channel of `max` levels to 8 bits and back, truncating.
inline int Widen8(int c, int max) {
    return max ? c * 255 / max : 0;
}
inline int Narrow8(int c, int max) {
    return c * max / 255;
}
