// The movement commands (character kinds 2 to 10) and the two steps every
// move shares: handing the motion to the character and aiming at a point.
#pragma once

#include <cstdint>

class cChara;
class cEdMove;
class cFlowCommand;

int CmdStraightMove(cChara& chara, cFlowCommand& entry);
int CmdGroundTurnMove(cChara& chara, cFlowCommand& entry);
int CmdCircleMove(cChara& chara, cFlowCommand& entry);
int CmdChargeMove(cChara& chara, cFlowCommand& entry);
int CmdHomingMove(cChara& chara, cFlowCommand& entry);
int CmdAvoidOffscreenMove(cChara& chara, cFlowCommand& entry);
int CmdDisableMove(cChara& chara, cFlowCommand& entry);
int CmdTurn(cChara& chara, cFlowCommand& entry);
int CmdJump(cChara& chara, cFlowCommand& entry);

// Hands a motion (pixels per sub-step) to the character: the facing request
// (0 keep, 1 left, 2 right) acts unless the move keeps the facing, and only
// while the facing is free or `force` is set; an inertia move accelerates the
// own speeds, any other adds to the move of the sub-step.
void ApplyMove(cChara& chara, double mx, double my, std::int32_t facingRequest, cFlowCommand& entry,
               const cEdMove& move, int force);
// Aims a flying character's motion at a point (view pixels) on the axes the
// move leaves free; with the stop-when-closer switch a goal within one step
// is reached at once.
void AimAtPoint(cChara& chara, cFlowCommand& entry, const cEdMove& move, double goalX, double goalY);

// The angle and the target offsets of a move, resolved when it begins and
// mirrored for a character drawn facing right.
void ResolveMoveStart(cChara& chara, cFlowCommand& entry, const cEdMove& move);

// The circle move's radius, angles and angular speed, worked out when the flow
// is built. The move part gives the radius as its distance (half-blocks), the
// start angle as its angle and the end angle in its target dot fields, each a
// base and a step per summon index; the two mirror flags turn a character
// drawn facing right.
void PrepareCircleMove(cFlowCommand& entry, const cChara& chara);

// Clears the two moved-by-command words of this run of the flows.
void ClearMovedFlags(cChara& chara);

// The centre of an object's screen rectangle (integer halves).
double ScreenCentreX(const cChara& chara);
double ScreenCentreY(const cChara& chara);

// The turn interval of the change-facing command, in sub-steps (never below 1).
std::int32_t TurnInterval();
