// Solid characters: characters whose definition makes them platforms and
// walls for the others. A character stands on one and rides it, bumps its
// head on it, is pushed sideways by it, and can be squeezed between it and a
// wall or another solid character.
#pragma once

#include "foundation/Containers.h"
#include "foundation/Rect.h"

#include <cstdint>

class cChara;
class cNpcChara;
class cStageObj;

// The contact of one moving character with the solid characters of `list`,
// after its block contacts: 2 when it is squeezed or must die, else 0.
int SolidCharaContacts(cChara& chara, cList<cNpcChara>& list);
// Moves a riding character with the solid character it stands on (before
// its horizontal step).
void RideSolidChara(cChara& chara, cList<cNpcChara>& list);

// The tests below look at the solid characters of the scene's character list
// that are active, not defeated and not the object itself. An object that
// passes through blocks (block-contact flag with mode 0) answers false.
bool IsTouchingSolidChara(const cStageObj& obj);
bool IsOverlapSolidChara(const cStageObj& obj, std::int32_t excludedSerial);
// Still standing on the support whose serial it keeps (within 5 pixels under its feet).
bool IsOnSolidChara(const cChara& chara);
// The character's rectangle or `rect`, each with its bottom edge a pixel
// higher, meets a solid character.
bool IsSqueezedBySolidChara(const cChara& chara, const cRectD& rect);
// The first solid character under the character's feet, or none.
cNpcChara* FindSupportingChara(const cChara& chara);
// Re-resolves one axis (vertical when `axis` is not 0) against the solid
// characters the character overlaps.
void ResolveSolidCharaAxis(cChara& chara, int axis);

// A stage object's position rectangle.
cRectD PositionOf(const cStageObj& obj);

// While one lives, the walks above of `list` look only at its solid
// characters, kept in list order, instead of the whole list: a sub-step
// with many characters and few solid ones is no longer a walk of every pair.
// Characters may join the list meanwhile (the index takes them in at its next
// use) but not leave it: they leave by their removal mark after the sub-step.
class cSolidCharaIndex {
public:
    explicit cSolidCharaIndex(cList<cNpcChara>& list);
    ~cSolidCharaIndex();
    cSolidCharaIndex(const cSolidCharaIndex&) = delete;
    cSolidCharaIndex& operator=(const cSolidCharaIndex&) = delete;

    // The index in force for `list` on this thread, brought up to date; none
    // when no index lives for that list.
    static const cVector<cNpcChara*>* SolidsOf(const cList<cNpcChara>& list);

private:
    void Update();

    cList<cNpcChara>& list_;
    cVector<cNpcChara*> solids_;
    std::size_t seen_ = 0;                // the list's size when last taken
    const cNpcChara* lastSeen_ = nullptr; // and its last character then
    cSolidCharaIndex* previous_;
};
