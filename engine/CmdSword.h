// The sword command: one sword object per run of the command.
#pragma once

class cChara;
class cFlowCommand;

// "ソード" (character kind 12). On the first call of a run of the command it
// requests the command's sound (not for an off-screen character when the
// sound is for visible characters only) and puts one sword object, owned by
// the character and aimed at nobody, at the end of the live shot list. A
// sword type without entries swings nothing.
int CmdSword(cChara& chara, cFlowCommand& entry);
