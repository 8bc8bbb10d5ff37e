// The command handlers by kind. Character commands have 40 kinds, flow
// commands 25; flow kind k of 2 or more runs the body of character kind
// k + 15, flow kind 1 is the flow change. Each handler takes the character and
// the command's running entry and returns an int (0 for most; the item list
// of the hero stops on a non-zero result).
#pragma once

#include <cstdint>

class cChara;
class cFlowCommand;

constexpr int kCharaCommandKinds = 40;
constexpr int kFlowCommandKinds = 25;

using CommandHandler = int (*)(cChara& chara, cFlowCommand& entry);

// Runs the handler of the entry's character-command kind (flow commands run
// under their character twin); a kind outside the table does nothing.
int DispatchCharaCommand(cChara& chara, cFlowCommand& entry);
// Runs the handler of a flow command of an immediate list (the flow-command table).
int DispatchFlowCommand(cChara& chara, cFlowCommand& entry);

// Whether a kind of the table has a handler of its own (not the stand-in below).
bool CommandKindBuilt(bool flow, int kind);

// A handler not built yet: reports its kind once per run of the program and does nothing.
int CmdUnbuilt(int kind, bool flow);
