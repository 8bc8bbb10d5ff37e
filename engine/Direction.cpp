#include "engine/Direction.h"

#include "foundation/RecordFile.h"
#include "records/EdCommand.h"

int FacingDirection(int code, bool facingRight) {
    switch (code) {
    case kDirForward:
        return facingRight ? kDirRight : kDirLeft;
    case kDirBackward:
        return facingRight ? kDirLeft : kDirRight;
    case kDirForwardDown:
        return facingRight ? kDirDown : kDirUp;
    case kDirBackwardDown:
        return facingRight ? kDirUp : kDirDown;
    default:
        return code;
    }
}

int InputDirection(std::int32_t input, bool facingRight, bool vertical) {
    // The replays this player plays back were recorded with its own data version.
    int d = ConvertDirCode(input, true, facingRight, dwDataVersion);
    if (!vertical) {
        if (d == kDirUpLeft || d == kDirDownLeft) d = kDirLeft;
        if (d == kDirUpRight || d == kDirDownRight) d = kDirRight;
    }
    return d;
}
