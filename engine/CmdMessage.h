// The message command: a text window shown during stage play, found again
// by its id, optionally holding the game until the player goes on or its
// time runs out.
#pragma once

class cChara;
class cFlowCommand;

// "メッセージ" (character kind 19, flow kind 4). Shown once per run of the
// command. A message with the stop switch hands the game to the pause runner
// (a key wait for every time mode but the timed one) and is gone when the
// command returns.
int CmdMessage(cChara& chara, cFlowCommand& entry);
