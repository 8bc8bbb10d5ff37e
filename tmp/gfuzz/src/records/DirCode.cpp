#include "records/EdCommand.h"
#include "records/RecordContext.h"

namespace {

constexpr int kDirTable[10] = {0, 2, 3, 6, 7, 8, 9, 10, 11, 0};

// A code outside the table (a damaged file) goes by the facing, as code 0 does.
int TableEntry(int code, int facing) {
    return code >= 0 && code <= 9 ? kDirTable[code] : facing;
}

} // namespace

int ConvertDirCode(int code, bool flag, bool facingRight, std::uint32_t replayVersion) {
    const int facing = facingRight ? 3 : 2;
    const bool replay = RecordContext().PlayMode() == kPlayModeReplay;
    // Replays before 778 were recorded when code 9 still meant the table's 0.
    if (replay && replayVersion < 778) return code == 0 ? facing : TableEntry(code, facing);
    if (flag && !(replay && (replayVersion == 778 || replayVersion == 779)))
        return code == 0 ? facing : TableEntry(code, facing);
    return (code == 0 || code == 9) ? facing : TableEntry(code, facing);
}
