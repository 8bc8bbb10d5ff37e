// What the shot part of a command means to stage play, by name: the stored
// record keeps most of its switches in generic setting bytes, and this is
// the one place that says which byte is which.
#pragma once

#include "records/EdShot.h"

#include <cstdint>

namespace shot_record {

inline std::int32_t Count(const cEdShot& s) {
    return s.cCount;
}
inline std::int32_t Pattern(const cEdShot& s) {
    return s.cFormation;
}
// Pixels between objects (x 16) or, for a fan, degrees.
inline std::int32_t Spacing(const cEdShot& s) {
    return s.sFormation[0];
}
inline std::int32_t InnerCount(const cEdShot& s) {
    return s.sFormation[1];
}
inline std::int32_t SecondSpacing(const cEdShot& s) {
    return s.sFormation[2];
}
// 0 the user's target, 1 the player's character, 2 the user.
inline std::int32_t Origin(const cEdShot& s) {
    return s.byOpt1;
}
inline std::int32_t DirCode(const cEdShot& s) {
    return s.cDirCode;
}
inline bool Aimed(const cEdShot& s) {
    return s.byOpt3 != 0;
}
inline std::int32_t TargetSlot(const cEdShot& s) {
    return s.cTargetSlot;
}
inline bool FreeStart(const cEdShot& s) {
    return s.byOpt6 != 0;
}
// The volley count byte holds the number of volleys less one.
inline std::int32_t Volleys(const cEdShot& s) {
    return s.cClonePerShot < 0 ? 0 : s.cClonePerShot + 1;
}
inline bool PassesBlocks(const cEdShot& s) {
    return s.byOpt7 != 0;
}
inline bool FollowsScroll(const cEdShot& s) {
    return s.byOpt8 != 0;
}
inline bool OwnGroup(const cEdShot& s) {
    return s.byOpt9 != 0;
}
inline bool KeepAtEnd(const cEdShot& s) {
    return s.byOpt10 != 0;
}
inline bool Inertia(const cEdShot& s) {
    return s.byOpt13 != 0;
}
inline bool RangeLimit(const cEdShot& s) {
    return s.byOpt14 != 0;
}
inline bool LifeLimit(const cEdShot& s) {
    return s.byOpt18 != 0;
}
inline bool NoLead(const cEdShot& s) {
    return s.byOpt24 != 0;
}
inline bool NotifyOwner(const cEdShot& s) {
    return s.byOpt22 != 0;
}
inline std::int32_t OwnerFlow(const cEdShot& s) {
    return s.byOpt23;
}
// Summoned characters: facing turned away from the user's, and where their
// colours come from (0 the definition's, 1 the user's, 2 the record's).
inline bool TurnSummon(const cEdShot& s) {
    return s.byOpt15 != 0;
}
inline std::int32_t ColourSource(const cEdShot& s) {
    return s.byOpt16;
}
// A shot's scale and a sword's: the size byte.
inline std::int32_t Scale(const cEdShot& s) {
    return s.cSize < 1 ? 1 : s.cSize;
}
// A sword's sword type.
inline std::int32_t SwordType(const cEdShot& s) {
    return s.cMotion;
}

} // namespace shot_record
