// How objects on the stage meet each other once per sub-step: attacks
// against characters, characters against characters, attacks against
// attacks, the hero taking items, and the handling of defeated characters,
// whose defeat can end play. Results: 0 nothing, 1 stage clear, 2 the hero
// (or a player-controlled character) dies.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>

class cChara;
class cHeroChara;
class cItemObj;
class cNpcChara;
class cShotObj;

// What the contact rules ask of the play scene: the stage-end processing
// that a clear runs (with the switch to the clear state).
class cStageEnd {
public:
    virtual ~cStageEnd() = default;
    virtual void StageClear() = 0;
};

// The attack settings of a shot or sword that the collisions read.
struct cAttackSettings {
    std::int32_t bNotifyOwner = 0;
    std::int32_t nOwnerFlow = 0;
    std::int32_t bRemoveOnHit = 0;
    std::int32_t bPassOrdinary = 0; // with bRemoveOnHit: goes on through ordinary characters
    std::int32_t bPassSolid = 0;    // with bRemoveOnHit: goes on through solid characters
    std::int32_t bVersusShots = 0;  // meets other attacks
    std::int32_t nStrength = 0;
};
cAttackSettings AttackSettingsOf(const cShotObj& shot);

// 2 for a player-controlled character, 0 for one already defeated, else its defeat's result.
int CharaDeathKind(cChara& chara);
// One character whose hp reached 0: its death kind, with the clear or the hero's defeat handled.
int CheckCharaDeath(cChara& chara, cStageEnd& end);
// The death check of the frame: 1 when play stops for this frame.
int CheckDeaths(cStageEnd& end);
// The three collision phases; 0, or the death kind that ended play.
// `attackSteps`: per sub-step, whether attacks hit in it (read when the stage restricts them).
int GroupCollisions(cStageEnd& end, const cVector<std::int32_t>& attackSteps);
// The hero taking the items it touches: the item's result (non-zero ends the frame).
int TouchItems(cHeroChara& hero, cList<cItemObj>& items);
// Applies an item to a character: its message, its sound and its commands.
int ApplyItem(cItemObj* item, cChara& chara);
