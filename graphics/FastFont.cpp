// Glyph caches: cells of one size in a surface; the double-byte cache keeps
// the characters it holds in the order they were added.
#include "graphics/Font.h"
#include "graphics/GraphicsInternal.h"

#include <cstring>

namespace {

unsigned CodeOf(const char* c) {
    return (static_cast<unsigned>(static_cast<unsigned char>(c[0])) << 8) | static_cast<unsigned char>(c[1]);
}

} // namespace

cFastFont::~cFastFont() {
    Release();
}

void cFastFont::Create(int kind, int cellWidth, int cellHeight, int columns, int rows) {
    Release();
    SD = DDSURFACEDATA{};
    nKind = kind;
    nCellWidth = cellWidth;
    nCellHeight = cellHeight;
    nColumns = columns;
    nRows = rows;
    nCapacity = columns * rows;
    CharList.clear();
    nCount = nNextCell = 0;
    index_.assign(kind == 1 ? 0x10000 : 0, -1);
    DDCreateSurface(&SD, columns * cellWidth, rows * cellHeight, 1, 0, DTMEMORYTYPE_VIDEO_RT, 0, 0);
}

void cFastFont::Release() {
    DDReleaseSurface(&SD);
    CharList.clear();
    index_.clear();
    nCount = nNextCell = 0;
}

int cFastFont::AddChar(const char* c) {
    if (nNextCell >= nCapacity) return 0;
    Cell cell;
    cell.szChar[0] = c[0];
    cell.szChar[1] = c[1];
    cell.nIndex = nNextCell;
    cell.x = (nNextCell % nColumns) * nCellWidth;
    cell.y = (nNextCell / nColumns) * nCellHeight;
    CharList.push_back(cell);
    // The first record of a character is the one found (the seed holds ト twice).
    if (!index_.empty() && index_[CodeOf(c)] < 0) index_[CodeOf(c)] = nNextCell;
    ++nCount;
    ++nNextCell;
    return 1;
}

const cFastFont::Cell* cFastFont::Find(const char* c) const {
    if (index_.empty()) return nullptr;
    const int n = index_[CodeOf(c)];
    if (n < 0) return nullptr;
    // Cells are never freed, so cell n is the list's element n.
    auto it = CharList.begin();
    std::advance(it, n);
    return &*it;
}

int cFastFont::DrawChar(DDSURFACEDATA* dst, int x, int y, const char* c, DWORD transparent) {
    ++nLookups;
    const int n = index_.empty() ? -1 : index_[CodeOf(c)];
    if (n < 0) return 0;
    ++nHits;
    DDBltFast(dst, x, y, nCellWidth, nCellHeight, &SD, (n % nColumns) * nCellWidth,
              (n / nColumns) * nCellHeight, transparent);
    return 1;
}

void cFastFont::DrawCell(DDSURFACEDATA* dst, int x, int y, int code, DWORD transparent) {
    const int n = code & 0xFF;
    if (nColumns < 1) return;
    DDBltFast(dst, x, y, nCellWidth, nCellHeight, &SD, (n % nColumns) * nCellWidth,
              (n / nColumns) * nCellHeight, transparent);
}
