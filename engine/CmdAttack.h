// Shots and summons (character kinds 11, 13, 14 and 15), which hand the
// command's shot part to stage play's spawners, and the flow operation (16),
// which starts, ends, pauses, resumes, deletes or stops flows.
#pragma once

#include <cstdint>

class cChara;
class cFlow;
class cFlowCommand;

int CmdShot(cChara& chara, cFlowCommand& entry);
int CmdSummonBlocks(cChara& chara, cFlowCommand& entry);
int CmdSummonCharas(cChara& chara, cFlowCommand& entry);
int CmdSummonItems(cChara& chara, cFlowCommand& entry);
int CmdFlowOperation(cChara& chara, cFlowCommand& entry);

// Sub-steps between two volleys of a lasting shot or summon command (never below 1).
std::int32_t RepeatInterval();

// The flow operations by their stored numbers.
enum : int { kFlowOpStart, kFlowOpEnd, kFlowOpPause, kFlowOpResume, kFlowOpDelete, kFlowOpStopForGood };
// Applies one operation to one flow of `subject`. `own` when the subject runs
// the command: a deletion then only marks the flow for the end of the run.
// Every operation but resume stops the flow's walk (its abort flag).
void OperateOnFlow(cChara& subject, cFlow& flow, int op, bool own);
