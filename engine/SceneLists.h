// Edits of the play scene's lists that are safe while frames walk them:
// characters leave through a removal mark and go after the walk.
#pragma once

#include "foundation/Containers.h"
#include "records/EffectPictureState.h"

#include <cstdint>

class cNpcChara;
class cShotObj;

// Removes a character from the live list: every link to it cleared, its
// faction list's entry removed, the character destroyed. The next node.
cList<cNpcChara>::iterator EraseCharaNode(cList<cNpcChara>& live, cList<cNpcChara>::iterator node);
// Marks a live character to leave after the walk in progress: from now on it
// takes no part (no moves, contacts or collisions) while it waits. Every mark
// goes through here, so that a removal with no mark set walks nothing.
void MarkCharaRemoved(cNpcChara& chara);
// Removes every live character marked for removal (after a walk of the lists).
void RemoveMarkedCharas();
// Marks a shot or sword to leave at the next RemoveMarkedShots; every mark
// goes through here, so that a removal with no mark set walks nothing.
void MarkShotRemoved(cShotObj& shot);
// Removes every shot and sword marked for removal from the faction shot lists
// and the live shot list (after a walk of the lists).
void RemoveMarkedShots();

// The n-th shown picture erased; the following node, or the end when n is
// past the last entry.
cList<cPictureState>::iterator ErasePictureAt(std::int64_t n);
// A shown picture inserted before position n: at the front for n <= 0, at
// the back for n at or past the list's size.
void InsertPictureAt(std::int64_t n, const cPictureState& picture);
