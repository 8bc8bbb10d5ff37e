// The disappear command: characters or shots of a faction, a character's
// descendants, or its own attack objects leave the stage.
#pragma once

#include <cstdint>

class cChara;
class cFlowCommand;
class cShotObj;

// "消滅" (character kind 24, flow kind 9). A vanishing computer character
// gets its vanish flag and a player character hp 0 (stage play removes or
// defeats them); shots and swords are removed at once, or only marked while
// stage play walks its shot lists. Each kind first collects what it reaches
// and then makes it vanish, so no list is edited while it is walked.
int CmdDisappear(cChara& chara, cFlowCommand& entry);

// Takes a shot or sword off the stage: out of its faction's shot list and
// the live shot list (destroyed), or only marked while removals are deferred.
void RemoveShot(cShotObj& shot);
