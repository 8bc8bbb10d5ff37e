// Cursors of the screen scenes and the play menus: a grid cursor that wraps
// around, a list cursor that scrolls and pages, the cursor sound, and the
// position stack of the world map. They run on the game thread after the
// player's input has been read and its direction auto-repeat applied.
#pragma once

#include "foundation/Input.h"

#include <cstdint>
#include <vector>

// A cursor: its column and row, and the pixel position they give.
struct CURSORPOS {
    std::int32_t nColumn = 0;
    std::int32_t nRow = 0;
    std::int32_t nX = 0;
    std::int32_t nY = 0;
};

// Axes bit 0: left or right held, bit 1: up or down held; each asks for sound
// number `sound` once (a diagonal with both axes asks twice).
void PlayCursorSe(const cInput& input, int axes, int sound);

// Moves a grid cursor one cell by the held direction, wrapping at the edges,
// and sets its pixels from the origin and steps. Nothing happens unless there
// is at least one column and one row.
void MoveCursor(CURSORPOS& cursor, const cInput& input, int originX, int originY, int stepX, int stepY,
                int columns, int rows);

// Moves a list cursor (its row when `vertical`, else its column) over
// `entries` entries of which `visible` show from index `first`; up and down
// step and scroll, left and right page when `paging` is set. The index stays
// inside the list and is 0 for an empty one; `first` stays in 0 ..
// max(entries - visible, 0).
void MoveListCursor(CURSORPOS& cursor, const cInput& input, int vertical, int& first, int origin, int step,
                    int other, int visible, int entries, int paging);

// The menu cursors' position stack: one level per open menu of the world map
// and the screens. There is always at least one level.
class cWorldPos {
public:
    cWorldPos() { Reset(); }
    // A new zeroed level on top; with copy 1 it takes the values of the level below.
    void Push(int copy);
    // Drops the top level when there is more than one; the level below then
    // is zeroed (mode 0), kept (1) or takes the dropped level's values (2).
    void Pop(int mode);
    // One zeroed level.
    CURSORPOS* Reset();

    CURSORPOS* Current() { return &levels_.back(); }
    // The level below the top; null with one level.
    CURSORPOS* Parent() { return levels_.size() > 1 ? &levels_[levels_.size() - 2] : nullptr; }
    std::size_t Depth() const { return levels_.size(); }

private:
    std::vector<CURSORPOS> levels_;
};

extern cWorldPos WorldPos;
