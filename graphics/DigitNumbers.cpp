// A number drawn from a strip of ten digit cells, 0 to 9 from the left.
#include "graphics/Effects.h"

#include "graphics/Graphics.h"

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
    DDBeginQuadBatch(0);
    for (int k = 0; k < count; ++k) {
        const int d = digits[count - 1 - k];
        DDBltFast(dst, x + offset + k * cellW, y, cellW, cellH, strip, stripX + d * cellW, stripY,
                  transparent);
    }
    DDFlushQuadBatch();
}
