// The rules of the world map's events: which entry of an event is active for
// the play-through, whether a stage entry is cleared or may be left, and what
// blocks the marker.
#pragma once

#include "project/PlayData.h"
#include "project/WorldMap.h"

#include <cstdint>

// Entry kinds the world map acts on; other kinds are passed over.
constexpr std::int32_t kEntryStage = 0, kEntryWall = 2;

// The stored values of an entry, by their place in its parameter block.
inline std::int32_t EntryPictureRow(const cWorldEntry& e) {
    return e.nParams[0];
}
inline std::int32_t EntryClearFlag(const cWorldEntry& e) {
    return e.nParams[1];
}
inline std::int32_t EntryFreePass(const cWorldEntry& e) {
    return e.nParams[2];
}
inline std::int32_t EntryReplayable(const cWorldEntry& e) {
    return e.nParams[3];
}
inline std::int32_t EntryRequiredFlag(const cWorldEntry& e) {
    return e.nParams[4];
}
inline std::int32_t EntryVariable(const cWorldEntry& e) {
    return e.nParams[5];
}
inline std::int32_t EntryCompareValue(const cWorldEntry& e) {
    return e.nParams[6];
}
inline std::int32_t EntryComparison(const cWorldEntry& e) {
    return e.nParams[7];
}
inline std::int32_t EntryRequiredTotal(const cWorldEntry& e) {
    return e.nParam9;
}
// What a story clear of the entry's stage leads to: 1 a new round of the
// story, 2 the title, anything else back to the world map.
inline std::int32_t EntryEndMode(const cWorldEntry& e) {
    return e.nParam209;
}

// The magnitude of v; the smallest int, which has none, gives the largest.
std::int32_t SaturatedAbs(std::int32_t v);
// Comparison `code` of variable v with c: 0 =, 1 !=, 2 >=, 3 <=, 4 >, 5 <,
// 6 divisible by c (c = 0 counts as dividing), 7 not divisible by c (c != 0);
// any other code is false.
bool CompareVariable(std::int32_t code, std::int32_t v, std::int32_t c);

// The first entry of the event whose conditions hold for the play data (its
// required stage cleared, its variable comparison true, the sum of cleared
// values reached); null when none does or there is no event.
cWorldEntry* FindActiveEntry(cWorldEvent* event, const cPlayData& data);
bool IsEntryCleared(const cWorldEntry& entry, const cPlayData& data);
// Free pass, or cleared.
bool IsEntryPassable(const cWorldEntry& entry, const cPlayData& data);
// The marker cannot enter (x, y): an active wall entry, or no active entry and a blocked chip.
bool IsCellBlocked(const cWorldMap& map, std::int32_t x, std::int32_t y, const cWorldEntry* active);
