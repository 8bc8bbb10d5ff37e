// Arrangements queued by the arrangement command, applied to the command
// about to run: on a running flow, or on the hero for an immediate list.
#pragma once

#include "foundation/Containers.h"
#include "records/Arrangement.h"

class cChara;
class cEdCommand;
class cFlow;

// The variables an arrangement of this character reads.
ArrangeVars ArrangeVarsOf(const cChara& chara);
// Every arrangement queued on the flow, oldest first; nothing without a flow.
void ApplyFlowArrangements(cEdCommand& command, cChara& chara, cFlow* flow);
// Every arrangement of a list, oldest first (the hero's immediate list).
void ApplyCharaArrangements(cEdCommand& command, cChara& chara, const cList<Arrangement>& pending);
