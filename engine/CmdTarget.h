// The set-target command (character kind 21, flow kind 6): chooses one
// character by one of eleven choices and puts it into a target slot, keeping
// the back-links of the chosen character in step.
#pragma once

#include <cstdint>

class cChara;
class cEdCommand;
class cFlowCommand;

int CmdSetTarget(cChara& chara, cFlowCommand& entry);
void SetTargetFromCommand(cChara& chara, const cEdCommand& command);

// Stores `target` in slot 0..3 of `chara` with its back-link. With
// `emptyWhenNone` off a missing target leaves the slot as it is. Storing the
// target the slot already holds moves its back-link to the end.
void SetTargetSlot(cChara& chara, std::int32_t slot, cChara* target, bool emptyWhenNone);
