#include "records/Cmd.h"

#include "foundation/MessageBox.h"

void cCmd::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&bEnabled);
    AddString(&Text);
}

std::int32_t cCmd::CountEnabled(const cVector<cCmd>& list) {
    std::int32_t n = 0;
    for (const cCmd& item : list)
        if (item.bEnabled) ++n;
    return n;
}

std::int32_t cCmd::GetCmdNum(std::int32_t n, const cVector<cCmd>& list) {
    std::int32_t seen = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].bEnabled) continue;
        if (seen == n) return static_cast<std::int32_t>(i);
        ++seen;
    }
    // A cursor beyond the enabled items is a caller's mistake; the first item keeps the menu usable.
    DebugErrorBoxPrintf("cCmd::GetCmdNum 番号が不正です！");
    return 0;
}
