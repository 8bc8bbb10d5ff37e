// The flow change (flow command kind 1): starts a character's flows by their
// start conditions, starts the flows of one id, or switches to them. A change
// the hero's own flows ask for waits until they have run.
#pragma once

class cChara;
class cEdCommand;
class cFlowCommand;

// Performs the flow change on the character, or, when `immediate` is 0 and the
// character is the hero while its own flows run, queues it on the hero.
// Parameter 0 is the mode, parameter 1 the flow id of modes 1 and 2:
// 0 starts every resting flow whose start conditions hold, whatever its timing;
// 1 starts (or restarts) the flows of the id when the command's own conditions hold;
// 2 stops every other flow and starts (or restarts) the flows of the id.
// Flow id 0 names no flow, so a switch to it only stops the flows.
int FlowChange(cChara& chara, const cEdCommand& command, int immediate);

// The flow-command table's handler of kind 1.
int CmdFlowChange(cChara& chara, cFlowCommand& entry);
