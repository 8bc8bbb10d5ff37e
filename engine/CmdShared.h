// The bodies that character commands and flow commands share (character
// kinds 18, 23, 25 to 27, 30, 31 and 33 to 36, 38): the game wait, status
// flags, taking an item, graphics, animation sets, character and screen
// effects, screen colour, background layers, sounds, music and arrangements.
// The character command passes its running entry; a flow command run on its
// own passes an entry made for it.
#pragma once

class cChara;
class cFlowCommand;

int CmdGameWait(cChara& chara, cFlowCommand& entry);
int CmdStatusFlag(cChara& chara, cFlowCommand& entry);
int CmdTakeItem(cChara& chara, cFlowCommand& entry);
int CmdChangeGraphic(cChara& chara, cFlowCommand& entry);
int CmdChangeAnimeSet(cChara& chara, cFlowCommand& entry);
int CmdCharaEffect(cChara& chara, cFlowCommand& entry);
int CmdScreenEffect(cChara& chara, cFlowCommand& entry);
int CmdScreenColour(cChara& chara, cFlowCommand& entry);
int CmdBackground(cChara& chara, cFlowCommand& entry);
int CmdSoundEffect(cChara& chara, cFlowCommand& entry);
int CmdMusic(cChara& chara, cFlowCommand& entry);
int CmdArrange(cChara& chara, cFlowCommand& entry);
