// Runtime flows. A character's flow (cFlow) is the running state of one flow
// of its definition: one entry (cFlowCommand) per command, the run flags, the
// index of the last command begun and the lead-in animations scheduled on its
// clock. Times and speeds are converted to sub-steps and pixels per sub-step
// once, when the flow is built (cChara::BuildFlows), so a sub-step only counts
// down and adds.
#pragma once

#include "foundation/Containers.h"
#include "records/Arrangement.h"
#include "records/EdFlow.h"

#include <cstdint>
#include <memory>
#include <utility>

class cChara;

// The running state of one command of a flow.
class cFlowCommand {
public:
    // Begins the command: countdown = wait, flags and scratch cleared, the
    // running flow's pending arrangements applied (not to an arrangement command).
    void Prepare(cChara& chara);
    // Runs the handler of the command's kind once: 1 when its time has run out.
    int Execute(cChara& chara);

    cEdCommand* lpCmd = nullptr; // the character's own copy of the command
    std::int32_t bDone = 0;      // finished in this run of the flow
    std::int32_t nWait = 0;      // sub-steps
    std::int32_t nCount = 0;     // countdown, set to nWait when the command begins
    std::int8_t cDir = 0;        // the move part's direction byte
    double dSpeed = 0;           // pixels per sub-step

    // Work of the kinds' handlers: a started flag and a phase, the motion,
    // the facing asked for and the facing at the previous call, angles,
    // radius, counters and distances.
    std::int32_t bStarted = 0;
    std::int32_t nPhase = 0;
    double dMoveX = 0, dMoveY = 0;
    std::int32_t nFacingReq = 0;
    std::int32_t nPrevFacing = 0;
    double dAngle = 0, dAngleEnd = 0, dAngleSpeed = 0, dAngleTravel = 0;
    double dRadius = 0;
    std::int32_t nCounter = 0;
    std::int32_t nHoming = 0;
    double dDistance = 0;
    std::int32_t bJumped = 0;    // the jump of this entry has started
    std::int32_t nJumpTries = 0; // calls spent waiting to jump
    std::int32_t nScratch[4] = {};
    double dMaxSpeed = 0; // pixels per sub-step, inertia moves only
    // Moves toward a target: the offset added to the goal point, and the aim
    // point a homing move recorded on its last re-aim (it steers toward it on
    // the next one).
    double dTargetX = 0, dTargetY = 0;
    double dAngleY = 0; // the circle move's running angle of the vertical part
    double dRecordedX = 0, dRecordedY = 0;
};

// A lead-in animation scheduled on a flow's clock: it starts when the flow's
// elapsed count reaches nStart, so that its lead-in ends as its command begins.
struct cScheduledAnime {
    std::int32_t nStart = 0;    // elapsed sub-steps of the flow
    std::int32_t nAnime = 0;    // Anime database number
    std::int32_t nWaitBase = 0; // the command's wait base, frames
    std::int32_t nLeadIn = 0;   // sub-steps of lead-in left to play
    std::int32_t bReturnToBase = 1;
};

// The running state of one flow of a character, apart from its definition.
struct cFlowRun {
    std::int32_t nIndex = 0;  // position in the character's flow vector
    std::int32_t nSerial = 0; // from the character's flow counter; tags queued animations
    cEdFlow* lpDef = nullptr; // the flow's own copy of its definition
    cVector<const cEdKeyCond*> KeyConds;
    std::int32_t bKeyMatched = 0;  // last result of the key conditions, while-held mode
    std::int32_t bPrevMatched = 0; // last result, edge mode
    cVector<cFlowCommand> Commands;
    cVector<cScheduledAnime> Animes;
    std::int32_t bRunning = 0;
    std::int32_t bPaused = 0;
    std::int32_t bEnded = 0;
    std::int32_t bDeleteMark = 0;
    std::int32_t nLastActive = 0; // highest command index begun in this run
    std::int32_t nElapsed = 0;    // sub-steps since the start
    std::int32_t nInputSnapshot = 0;
    std::int32_t bStartedOnce = 0;
    std::int32_t bJustStarted = 0;
    std::int32_t bMessageContinues = 0;
    std::int32_t bAbort = 0;     // a command removed or restarted this flow: stop walking it
    std::int32_t nCondCache = 0; // the start conditions have held
    cList<Arrangement> Pending;  // arrangements queued for the following commands
};

// One flow of a character: its own copy of the definition flow (the commands
// that arrangements change) and its running state, whose pointers name the
// copy. A copy of a flow points into its own copy.
class cFlow : public cFlowRun {
public:
    cFlow() = default;
    cFlow(const cFlow& other) : cFlowRun(other), Def(other.Def) { Rebind(); }
    cFlow& operator=(const cFlow& other) {
        if (this != &other) {
            cFlowRun::operator=(other);
            Def = other.Def;
            Rebind();
        }
        return *this;
    }

    // Points the definition, key-condition and command pointers at Def.
    void Rebind();

    void Start(cChara& chara);
    // One sub-step: 1 when the flow has finished.
    int Run(cChara& chara);
    void Stop(cChara& chara);
    void Pause() { bPaused = 1; }
    void Resume() { bPaused = 0; }
    void MarkEnded(cChara& chara);

    cEdFlow Def;
};

// A character's flows in order. Each flow lives apart, so adding flows while
// one runs never moves the running one; removals wait for the end of the run.
class cFlowList {
public:
    cFlowList() = default;
    cFlowList(const cFlowList& other);
    cFlowList& operator=(const cFlowList& other);
    cFlowList(cFlowList&&) = default;
    cFlowList& operator=(cFlowList&&) = default;

    // Replaces every flow by `flows`; while walked, the old ones are retired.
    void ReplaceAll(cVector<std::unique_ptr<cFlow>>&& flows, bool walked);
    // Whether a flow is in the list now.
    bool Holds(const cFlow* flow) const;

    std::size_t size() const { return Runs.size(); }
    bool empty() const { return Runs.empty(); }
    cFlow& operator[](std::size_t i) { return *Runs[i]; }
    const cFlow& operator[](std::size_t i) const { return *Runs[i]; }
    // Checked access: a bad index is reported and a scratch flow returned.
    cFlow& At(std::int64_t i);
    // Renumbers nIndex after an insertion or removal.
    void Renumber();

    cVector<std::unique_ptr<cFlow>> Runs;
    // Flows replaced while the list was walked: kept until the walk is over,
    // so that the flow whose command replaced them is not freed under it.
    // Never copied.
    cVector<std::unique_ptr<cFlow>> Retired;
};

// Expands every loop command of a command list in place. The expansion is
// bounded: when a loop would grow the list beyond kMaxExpandedCommands, that
// loop and every loop after it are removed with their blocks standing once,
// and false is returned.
constexpr std::size_t kMaxExpandedCommands = 10000;
bool ExpandLoopCommands(cVector<cEdCommand>& commands);
