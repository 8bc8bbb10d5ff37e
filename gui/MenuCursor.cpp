#include "gui/MenuCursor.h"

#include <algorithm>

cWorldPos WorldPos;

void MoveCursor(CURSORPOS& cursor, const cInput& input, int originX, int originY, int stepX, int stepY,
                int columns, int rows) {
    // A grid of no cells has no position to wrap to.
    if (columns < 1 || rows < 1) return;
    if (input.wDir & kDirLeft)
        --cursor.nColumn;
    else if (input.wDir & kDirRight)
        ++cursor.nColumn;
    if (input.wDir & kDirUp)
        --cursor.nRow;
    else if (input.wDir & kDirDown)
        ++cursor.nRow;
    if (cursor.nRow < 0) cursor.nRow = rows - 1;
    if (cursor.nRow >= rows) cursor.nRow = 0;
    if (cursor.nColumn < 0) cursor.nColumn = columns - 1;
    if (cursor.nColumn >= columns) cursor.nColumn = 0;
    cursor.nX = cursor.nColumn * stepX + originX;
    cursor.nY = cursor.nRow * stepY + originY;
}

void MoveListCursor(CURSORPOS& cursor, const cInput& input, int vertical, int& first, int origin, int step,
                    int other, int visible, int entries, int paging) {
    std::int32_t& index = vertical ? cursor.nRow : cursor.nColumn;
    if (input.wDir & kDirUp) {
        if (index == first) --first;
        --index;
    } else if (input.wDir & kDirDown) {
        if (index - first >= visible - 1) ++first;
        ++index;
    }
    if (paging) {
        const int page = visible - 1;
        if (input.wDir & kDirRight) {
            if (first != entries - visible) {
                first += page;
                index += page;
            } else {
                index = entries - 1;
            }
        } else if (input.wDir & kDirLeft) {
            if (first != 0) {
                first -= page;
                index -= page;
            } else {
                index = 0;
            }
        }
    }
    // An empty list keeps the cursor on 0 rather than -1.
    index = std::max(std::min(index, entries - 1), 0);
    first = std::clamp(first, 0, std::max(entries - visible, 0));
    const int offset = (index - first) * step + origin;
    if (vertical) {
        cursor.nY = offset;
        cursor.nX = other;
    } else {
        cursor.nX = offset;
        cursor.nY = other;
    }
}

void cWorldPos::Push(int copy) {
    const bool had = !levels_.empty();
    levels_.push_back(CURSORPOS{});
    if (copy == 1 && had) levels_.back() = levels_[levels_.size() - 2];
}

void cWorldPos::Pop(int mode) {
    if (levels_.size() <= 1) return;
    const CURSORPOS removed = levels_.back();
    levels_.pop_back();
    if (mode == 0) levels_.back() = CURSORPOS{};
    if (mode == 2) levels_.back() = removed;
}

CURSORPOS* cWorldPos::Reset() {
    levels_.assign(1, CURSORPOS{});
    return Current();
}
