#include "project/WorldMapRules.h"

#include <cstdint>

namespace {

bool FlagSet(const cVector<std::int32_t>& flags, std::int32_t index) {
    return flags.InRange(index) && flags[static_cast<std::size_t>(index)] != 0;
}

} // namespace

std::int32_t SaturatedAbs(std::int32_t v) {
    if (v == INT32_MIN) return INT32_MAX;
    return v < 0 ? -v : v;
}

bool CompareVariable(std::int32_t code, std::int32_t v, std::int32_t c) {
    switch (code) {
    case 0:
        return v == c;
    case 1:
        return v != c;
    case 2:
        return v >= c;
    case 3:
        return v <= c;
    case 4:
        return v > c;
    case 5:
        return v < c;
    case 6:
        // A divisor of -1 divides everything (and the smallest int by -1 would overflow).
        return c == 0 || c == -1 || SaturatedAbs(v) % c == 0;
    case 7:
        return c != 0 && c != -1 && SaturatedAbs(v) % c != 0;
    default:
        return false;
    }
}

cWorldEntry* FindActiveEntry(cWorldEvent* event, const cPlayData& data) {
    if (!event) return nullptr;
    for (cWorldEntry& e : event->Entries) {
        const std::int32_t required = EntryRequiredFlag(e);
        if (required > 0 && !FlagSet(data.ClearFlags, required)) continue;
        const std::int32_t variable = EntryVariable(e);
        if (variable != 0) {
            const std::int32_t v =
                data.CommonVars.InRange(variable) ? data.CommonVars[static_cast<std::size_t>(variable)] : 0;
            if (!CompareVariable(EntryComparison(e), v, EntryCompareValue(e))) continue;
        }
        if (data.nTotalScore < EntryRequiredTotal(e)) continue;
        return &e;
    }
    return nullptr;
}

bool IsEntryCleared(const cWorldEntry& entry, const cPlayData& data) {
    return FlagSet(data.ClearFlags, EntryClearFlag(entry));
}

bool IsEntryPassable(const cWorldEntry& entry, const cPlayData& data) {
    return EntryFreePass(entry) != 0 || IsEntryCleared(entry, data);
}

bool IsCellBlocked(const cWorldMap& map, std::int32_t x, std::int32_t y, const cWorldEntry* active) {
    if (active) return active->nKind == kEntryWall;
    const std::int32_t chip = map.GetCell(x, y);
    return map.Chips.InRange(chip) && map.Chips[static_cast<std::size_t>(chip)].bBlocked != 0;
}
