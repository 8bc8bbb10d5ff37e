#include "engine/Direction.h"

#include "foundation/RecordFile.h"
#include "records/EdCommand.h"

int FacingDirection(int code, bool facingRight) {
    switch (code) {
    case 0:
        return facingRight ? 3 : 2;
    case 1:
        return facingRight ? 2 : 3;
    case 4:
        return facingRight ? 7 : 6;
    case 5:
        return facingRight ? 6 : 7;
    default:
        return code;
    }
}

int InputDirection(std::int32_t input, bool facingRight, bool vertical) {
    // The replays this player plays back were recorded with its own data version.
    int d = ConvertDirCode(input, true, facingRight, dwDataVersion);
    if (!vertical) {
        if (d == 8 || d == 9) d = 2;
        if (d == 10 || d == 11) d = 3;
    }
    return d;
}
