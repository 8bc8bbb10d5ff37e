// The effect blits made of ordinary blits, each gathered into one quad batch
// so that the Direct3D face draws them in one go.
#include "graphics/Effects.h"

#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Opens a quad batch for the length of one effect.
class cBatch {
public:
    explicit cBatch(int group) { DDBeginQuadBatch(group); }
    ~cBatch() { DDFlushQuadBatch(); }
    cBatch(const cBatch&) = delete;
    cBatch& operator=(const cBatch&) = delete;
};

} // namespace

void DDBltWave(DDSURFACEDATA* dst, int x, int y, int w, int h, int frequency, double amplitude, int phase,
               int strip, DDSURFACEDATA* src, int sx, int sy, DWORD transparent, int horizontal) {
    const int length = horizontal ? w : h;
    if (strip < 1 || length < 1) return;
    cBatch batch(0);
    // Worked out in floating point: a picture wider than 360 pixels still
    // gets its fraction of a degree per pixel.
    const double k = frequency * std::numbers::pi / 180.0;
    const double step = 360.0 / length;
    double a = 0;
    for (int c = 0; c < length; c += strip) {
        a += step * strip;
        const int part = std::min(strip, length - c);
        const int shift = static_cast<int>(std::sin((phase + a) * k) * amplitude);
        if (horizontal)
            DDBltFast(dst, x + c, y + shift, part, h, src, sx + c, sy, transparent);
        else
            DDBltFast(dst, x + shift, y + c, w, part, src, sx, sy + c, transparent);
    }
}

HRESULT DDBltStripShift(DDSURFACEDATA* dst, int x, int y, int w, int h, int strip, int offset,
                        DDSURFACEDATA* src, int sx, int sy, DWORD transparent, int horizontal) {
    if (strip < 1) return DDBltFast(dst, x, y, w, h, src, sx, sy, transparent);
    cBatch batch(0);
    HRESULT result = 0;
    const int n = (horizontal ? w : h) / strip;
    for (int i = 0; i < n; ++i) {
        const int shift = i % 2 == 0 ? offset : -offset;
        const int at = i * strip;
        if (horizontal)
            result = DDBltFast(dst, x + at, y + shift, strip, h, src, sx + at, sy, transparent);
        else
            result = DDBltFast(dst, x + shift, y + at, w, strip, src, sx, sy + at, transparent);
    }
    return result;
}

HRESULT DDBltTurn(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* srcA, int sxA, int syA,
                  DDSURFACEDATA* srcB, int sxB, int syB, int sw, int sh, DWORD transparent, int counter,
                  int vertical) {
    const int size = vertical ? h : w;
    const int half = size >> 1;
    if (half < 1 || counter < 0) return DDBltStretch(dst, x, y, w, h, srcA, sxA, syA, sw, sh, transparent);
    const int q = counter / half;
    const int r = counter % half;
    const int d = q % 2 == 0 ? r : half - r - 1;
    const bool first = (half + counter) / size % 2 == 0;
    DDSURFACEDATA* src = first ? srcA : srcB;
    const int sx = first ? sxA : sxB;
    const int sy = first ? syA : syB;
    if (vertical) return DDBltStretch(dst, x, y + d, w, h - 2 * d, src, sx, sy, sw, sh, transparent);
    return DDBltStretch(dst, x + d, y, w - 2 * d, h, src, sx, sy, sw, sh, transparent);
}

void DDBltQuarters(DDSURFACEDATA* dst, int x, int y, int w, int h, DDSURFACEDATA* src, int sx, int sy,
                   int gap, DWORD transparent) {
    cBatch batch(0);
    const int hw = w >> 1;
    const int hh = h >> 1;
    DDBltFast(dst, x - gap, y - gap, hw, hh, src, sx, sy, transparent);
    DDBltFast(dst, x + hw + gap, y - gap, hw, hh, src, sx + hw, sy, transparent);
    DDBltFast(dst, x - gap, y + hh + gap, hw, hh, src, sx, sy + hh, transparent);
    DDBltFast(dst, x + hw + gap, y + hh + gap, hw, hh, src, sx + hw, sy + hh, transparent);
}

void DDBltCircle(DDSURFACEDATA* dst, int x, int y, int halfW, int halfH, int r, int strip, DDSURFACEDATA* src,
                 int sx, int sy, DWORD transparent) {
    if (r < 1 || strip < 1 || !src) return;
    cBatch batch(0);
    // The columns the window may show, within the picture's surface.
    const DDSURFACEDATA* picture = src->nWidth == 0 && src->lpAlias ? src->lpAlias : src;
    const int left = std::max(sx - halfW, 0);
    const int right = std::min(sx + halfW, picture->nWidth);
    // One band of rows from offset v: as wide as the circle at offset `at`.
    auto band = [&](int v, int rows, int at) {
        const double across = static_cast<double>(r) * r - static_cast<double>(at) * at;
        int hw = across > 0 ? static_cast<int>(std::floor(std::sqrt(across))) : 0;
        hw = std::min(hw, r - 1);
        int from = sx - hw, to = sx + hw;
        const int cutLeft = std::max(left - from, 0);
        from += cutLeft;
        to = std::min(to, right);
        if (to <= from) return;
        if (lpDTCon)
            DDBltStretch(dst, x - hw + cutLeft, y + v, to - from, rows, src, from, sy + v, to - from, rows,
                         transparent);
        else
            DDBltFast(dst, x - hw + cutLeft, y + v, to - from, rows, src, from, sy + v, transparent);
    };
    if (strip == 1) {
        for (int v = r - 1; v >= -r; --v) {
            if (v >= -halfH && v < halfH) band(v, 1, v);
        }
        return;
    }
    for (int v = r - strip; v >= -r; v -= strip) {
        int top = v;
        if (top < -halfH) top = -halfH;
        if (top + strip > halfH) top = halfH - strip;
        band(top, strip, v + strip / 2);
    }
}

void DDDrawNumber(DDSURFACEDATA* dst, int x, int y, int cellW, int cellH, DDSURFACEDATA* strip, int stripX,
                  int stripY, DWORD transparent, int value, int field, int centre) {
    // A negative value has no cells to show.
    if (value < 0 || cellW < 1 || cellH < 1) return;
    int digits[10];
    int count = 0;
    do {
        digits[count++] = value % 10;
        value /= 10;
    } while (value > 0);
    int offset = 0;
    if (count < field) offset = centre ? (field - count) * cellW / 2 : (field - count) * cellW;
    cBatch batch(0);
    for (int k = 0; k < count; ++k) {
        const int d = digits[count - 1 - k];
        DDBltFast(dst, x + offset + k * cellW, y, cellW, cellH, strip, stripX + d * cellW, stripY,
                  transparent);
    }
}
