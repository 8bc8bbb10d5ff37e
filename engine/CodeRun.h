// The command "コードの実行": runs a command's code text on the character.
#pragma once

#include <string>

class cChara;
class cFlowCommand;

// Runs the text on the character: 1 on success, 0 when the text had an error
// (its message has been shown; assignments made before it stay). A change of
// the character's hp or sp shows its gauge.
int RunCode(const std::string& text, cChara& chara);
// Character kind 37 and flow kind 22: RunCode on the command's text.
int CmdRunCode(cChara& chara, cFlowCommand& entry);
