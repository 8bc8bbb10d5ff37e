// Text drawn from a picture of fixed-size glyph cells.
#include "graphics/GraphicsInternal.h"
#include "graphics/QuadBatch.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Row and column of a character's cell; half-width kana sit in rows 0-9.
void CellOf(unsigned char c, int* column, int* row) {
    *column = c & 15;
    *row = (c >> 4) & 15;
    if (c >= 0xA6 && c <= 0xBF)
        *row -= 10;
    else if (c >= 0xC0 && c <= 0xDD)
        *row -= 4;
}

} // namespace

void DDDrawBitmapText(DDSURFACEDATA* lpDstSD, int x, int y, int nCellWidth, int nCellHeight,
                      DDSURFACEDATA* lpFontSD, const char* szText) {
    if (!lpDstSD || !lpFontSD || !szText || nCellWidth < 1 || nCellHeight < 1) return;
    // A batch the caller already opened takes the glyphs as they come.
    const bool ownBatch = lpDTCon && !QuadBatch.bBatching;
    if (ownBatch) DDBeginQuadBatch(0);
    int offset = 0, lineY = y;
    for (const char* p = szText; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            lineY += nCellHeight;
            offset = 0;
            continue;
        }
        int column, row;
        CellOf(c, &column, &row);
        DDBltFast(lpDstSD, x + offset, lineY, nCellWidth, nCellHeight, lpFontSD, column * nCellWidth,
                  row * nCellHeight, 1);
        offset += nCellWidth;
        // The text's own width, not its right edge, decides the wrap: text
        // started right of 0 runs on past the screen's edge and is cut there.
        if (offset >= nScreenWidth) { // the rest goes on the next line, from x
            lineY += nCellHeight;
            offset = 0;
        }
    }
    if (ownBatch) DDFlushQuadBatch();
}

void DDDrawBitmapTextF(DDSURFACEDATA* lpDstSD, int x, int y, int nCellWidth, int nCellHeight,
                       DDSURFACEDATA* lpFontSD, const char* szFormat, ...) {
    char text[1024];
    va_list args;
    va_start(args, szFormat);
    std::vsnprintf(text, sizeof text, szFormat, args);
    va_end(args);
    DDDrawBitmapText(lpDstSD, x, y, nCellWidth, nCellHeight, lpFontSD, text);
}
