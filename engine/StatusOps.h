// Status operations and status-value conditions: the command
// "ステータスの操作" and condition kind 4.
#pragma once

#include <cstdint>

class cChara;
class cCond;
class cFlowCommand;

// The command "ステータスの操作" (character kind 22, flow kind 7).
int CmdStatusOp(cChara& chara, cFlowCommand& entry);
// True when the status-value condition holds for the character. A random
// value is drawn for each test and compared; the condition record is left as
// it was loaded.
bool TestStatusValueCond(const cCond& cond, cChara& chara);

// The value a status operation or condition works with: kind 0 the constant,
// 1 a random number between the two bounds, 2 a status of a subject (or a
// system value for subject 5), 3 a variable. False when there is none: an
// empty target slot, the sight of a computer character, an unknown kind.
bool StatusOperand(const cChara& chara, int kind, std::int32_t constant, std::int32_t randomA,
                   std::int32_t randomB, int valueScope, std::int32_t valueVarIndex, int valueSubject,
                   int valueStatus, std::int32_t& out);
