// The stage clear and warp commands.
#pragma once

class cChara;
class cFlowCommand;

// "ステージクリア" (character kind 17, flow kind 2): says where play goes
// after the stage (next stage number and file name), where the hero stands
// on the world map and where it starts in the next stage, and ends the
// stage (end state 1). Returns 1. A clear to a stage file named by an empty
// text shows that the stage file is not valid and names no next stage, so
// stage play ends the series as it does after a failed load.
int CmdStageClear(cChara& chara, cFlowCommand& entry);

// "ワープ" (character kind 20, flow kind 5): moves the character at once by
// a direction and distance from itself or from a target, or to given
// coordinates; a move out of the stage or into a blocked place is undone.
int CmdWarp(cChara& chara, cFlowCommand& entry);
