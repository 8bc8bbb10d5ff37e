// The System.dat switches that stage play's contact and placement rules read,
// named by what they do. The record stores them as compatibility switches
// without names; this is the one place that says which is which.
#pragma once

#include "project/Stage.h"
#include "project/SystemData.h"

#include <cstdint>

namespace play_settings {

// Placement: object offsets also move the character's place of origin.
inline bool OffsetsMovePlace() {
    return SystemData.bPlacement == 0;
}
// Block changes: only indestructible cells that hold a live block are protected.
inline bool ProtectOnlyLiveBlocks() {
    return SystemData.bStagePlaySwitchD == 0;
}
// Defeated characters stay in the list (their defeat display runs).
inline bool KeepDefeatedCharas() {
    return SystemData.bStagePlaySwitchB != 0;
}
// Attacks with neither power, impact nor item reward still count as hits.
inline bool HarmlessAttacksCount() {
    return SystemData.bGroupCollisionA == 0;
}
// In body contact the hit flows start right after each hit.
inline bool HitFlowsAtOnce() {
    return SystemData.bGroupCollisionB != 0;
}
// A head bump under a solid character keeps the own vertical speed.
inline bool KeepOwnVerticalSpeed() {
    return SystemData.bSolidCharaA != 0;
}
// The map-block push-out after solid-character contacts goes by the contact flags.
inline bool PushOutByContactFlags() {
    return SystemData.bSolidCharaB != 0;
}
// Characters land on a floor even while they rise.
inline bool LandWhileRising() {
    return SystemData.bStagePlaySwitchC != 0;
}
// The other way of pulling a character down onto the floor after a floor effect.
inline bool SnapToFloorVariant() {
    return SystemData.bStagePlaySwitchA != 0;
}
// Only objects on screen collide (a stage setting).
inline bool OnlyOnScreenCollide() {
    return Stage.bOnScreenCollide != 0;
}

// Sub-steps per frame, at least 1 where it divides.
inline double SubStepsDivisor() {
    return Stage.dSubSteps > 0 ? Stage.dSubSteps : 1.0;
}

} // namespace play_settings
