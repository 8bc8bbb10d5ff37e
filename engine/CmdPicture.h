// The picture and effect commands: pictures of the Picture database shown
// over the stage, effects of the Effect database placed on it, each able to
// hold the game while it shows.
#pragma once

#include <cstdint>

class cChara;
class cFlowCommand;

// "ピクチャーの表示" (character kind 32, flow kind 17). A picture with an ID
// replaces the one shown with that ID in place; picture 0 erases (all, or
// the one with the ID). The picture surfaces and the scene's picture list
// stay in step, also when a file can't be loaded. Shown once per run of the
// command.
int CmdShowPicture(cChara& chara, cFlowCommand& entry);

// "エフェクトの実行" (character kind 29, flow kind 14). Effect 0 removes every
// effect on the stage. Placed once per run of the command.
int CmdRunEffect(cChara& chara, cFlowCommand& entry);

// The stage position of the top-left corner of a width x height picture or
// effect by placement mode (0 screen centre, 1 the subject's centre, 2 the
// hero's, 3 screen cells, 4 stage cells), cells and offsets. A mode outside
// these places it at the screen centre.
void CalcEffectPosition(double& x, double& y, std::int32_t width, std::int32_t height, const cChara& subject,
                        std::int32_t mode, std::int32_t cellX, std::int32_t cellY, std::int32_t offsetX,
                        std::int32_t offsetY);
