// The run-animation command: an animation of the Anime database played on
// the character over its base animation.
#pragma once

class cChara;
class cFlowCommand;

// "アニメの実行" (character kind 28, flow kind 13). The animation is queued
// at the front of the character's queue, tagged with the serial of the flow
// that asked for it (-1 outside a flow), once per run of the command however
// long the command's wait lasts.
int CmdRunAnime(cChara& chara, cFlowCommand& entry);
