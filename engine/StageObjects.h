// The two stage objects besides characters that the engine touches: item
// objects (a character carries one; the hero takes them) and shot or sword
// objects (characters own them and are aimed at by them). Their motion,
// set-up from commands and drawing belong to stage play; here are the fields
// and the operations the engine relies on.
#pragma once

#include "engine/StageObj.h"
#include "records/EdItem.h"
#include "records/EdShot.h"

#include <cstdint>

class cChara;

// An item on the stage, or the item a character carries.
class cItemObj : public cStageObj {
public:
    cItemObj();
    void RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) override;
    void UpdatePartsX() override {}
    void UpdatePartsY() override {}

    cEdItem Def;               // the item's own copy of its definition
    std::uint8_t bHidden = 0;  // not drawn
    std::uint8_t bOverlay = 0; // the overlay animation is drawn over the item
    std::int32_t nOverlayFrame = 0;
    std::uint8_t byScale = 1; // drawing scale; 0 or 1 draws 1:1
    std::int32_t nState = 0;
    std::int32_t bActive = 0;    // taken only while set
    std::int32_t bDisabled = 0;  // never taken while set
    std::int32_t nCondCache = 0; // the conditions have held once
};

// A link between a character and an attack object: tag 0 for a shot aimed at
// the character, tag 4 for a shot or sword the character owns.
struct SHOTLINK {
    cStageObj* lpObject = nullptr;
    std::int32_t nTag = 0;
    bool operator==(const SHOTLINK&) const = default;
};

// The motion state of a shot: what its set-up fills and its motion kind
// advances each sub-step (velocities and counters are per sub-step).
struct cShotMotion {
    std::int32_t nKind = 0;     // motion kind 0..9
    std::int32_t bVertical = 1; // y moves by the velocity; 0 leaves y to falling
    std::int32_t bFollowScroll = 0;
    double dVelX = 0, dVelY = 0;
    double dAccX = 0, dAccY = 0;
    std::int32_t bInertia = 0;
    double dAccSize = 0;
    double dSpeed = 0;
    std::int16_t sVolley = 0;
    std::int32_t nFrame = 0;
    std::int32_t nParam[3] = {};
    std::int32_t nDelay = 0, nEnd = 0, bDone = 0;
    // The shooter's target by id, looked up each time it is used, so that a
    // target that has left play is simply not found.
    std::int32_t nTargetId = -1;
    std::int32_t bLifeLimit = 0, nLife = 0;
    std::int32_t bRangeLimit = 0, nRange = 0, bKeepAtEnd = 0;
    double dPhase = 0;
    double dCrossX = 0, dCrossY = 0; // unit vector across the flight of a wave
    // A sword's place in its sword type: frame entry and tick.
    std::int32_t nSwordFrame = 0, nSwordTick = 0;
    std::int32_t nUserId = 0; // the user, looked up by id
    std::int32_t bNotifyOwner = 0, nOwnerFlow = 0;
};

// A shot or a sword.
class cShotObj : public cStageObj {
public:
    cShotObj();
    cShotObj(const cShotObj& other);
    cShotObj& operator=(const cShotObj& other);
    ~cShotObj() override;

    int RescaleParts(std::int32_t scale) override;
    void RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) override;
    // The hit rectangle on one axis: low = the position cut to a whole
    // number + the inset, high = low + size - 1.
    void UpdatePartsX() override;
    void UpdatePartsY() override;

    // Removes the links to this object from its target's (tag 0) and its
    // owner's (tag 4) link vectors and forgets both.
    void UnlinkOwners();

    // Hit rectangle at the current unit scale and at scale 1: inset x, inset y, width, height.
    std::int32_t nParts[4] = {};
    std::int32_t nBaseParts[4] = {};
    double dPartLeft = 0, dPartTop = 0, dPartRight = 0, dPartBottom = 0;
    cVector<cChara*> HitList;        // characters already hit (each is hit once), in order
    cEdShot Shot;                    // the shot record of the command that made it
    cChara* lpTargetOwner = nullptr; // holds this shot with tag 0
    cChara* lpUserOwner = nullptr;   // holds this shot with tag 4
    std::int32_t nMarkRemove = 0;    // 1: stage play removes it at the next safe point (MarkShotRemoved)
    std::int32_t bMoving = 1;        // moves by itself (swords do not)
    std::int32_t nHitEffect = 0;     // Effect record run where it hits
    cShotMotion Motion;
};
