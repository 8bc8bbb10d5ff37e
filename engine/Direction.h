// A command's direction code as one of the directions the moves and the warp
// know: 2 left, 3 right, 6 up, 7 down, 8 up-left, 9 down-left, 10 up-right,
// 11 down-right. Code 0 is forward, 1 backward, 4 forward-down (down while
// facing right, up while facing left), 5 the reverse, 12 the player's input.
#pragma once

#include <cstdint>

enum : int {
    kDirForward = 0,
    kDirBackward = 1,
    kDirLeft = 2,
    kDirRight = 3,
    kDirForwardDown = 4,
    kDirBackwardDown = 5,
    kDirUp = 6,
    kDirDown = 7,
    kDirUpLeft = 8,
    kDirDownLeft = 9,
    kDirUpRight = 10,
    kDirDownRight = 11,
    kDirInput = 12,
};

// Codes 0, 1, 4 and 5 by the facing; every other code (12 too) stands.
int FacingDirection(int code, bool facingRight);

// The player's direction input (the index of the first pressed entry of the
// direction table, 0 for none) as a direction; none gives the facing. When
// the move keeps to the ground (`vertical` false) a diagonal becomes horizontal.
int InputDirection(std::int32_t input, bool facingRight, bool vertical);
