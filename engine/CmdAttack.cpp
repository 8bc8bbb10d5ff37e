#include "engine/CmdAttack.h"

#include "engine/Chara.h"
#include "engine/Conditions.h"
#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "project/Stage.h"
#include "records/EdCommand.h"

#include <algorithm>

namespace {

enum : int { kThisFlow, kAllButThis, kFlowsOfId };

enum class Spawn { Shots, Blocks, Charas, Items };

// Fires when the command begins and again every repeat interval while it lasts.
int SpawnEvery(cChara& c, cFlowCommand& e, Spawn kind) {
    if (e.nPhase == 0 && e.lpCmd->pShot) {
        cEdCommand& cmd = *e.lpCmd;
        cEngineScene& scene = EngineScene();
        if (cmd.sSe != 0 && !(cmd.bSeVisibleOnly && !c.bOnScreen)) scene.PlayDbSe(cmd.sSe);
        cEdShot& shot = *cmd.pShot;
        switch (kind) {
        case Spawn::Shots:
            scene.SpawnShots(c, e, shot);
            break;
        case Spawn::Blocks:
            scene.SpawnBlocks(c, e, shot);
            break;
        case Spawn::Charas:
            scene.SpawnCharas(c, e, shot);
            break;
        case Spawn::Items:
            scene.SpawnItems(c, e, shot);
            break;
        }
    }
    if (++e.nPhase >= RepeatInterval()) e.nPhase = 0;
    return 0;
}

} // namespace

void OperateOnFlow(cChara& subject, cFlow& flow, int op, bool own) {
    switch (op) {
    case kFlowOpStart:
        flow.Stop(subject);
        subject.RemoveAnimesOfFlow(flow.nSerial);
        flow.Start(subject);
        flow.bAbort = 1;
        break;
    case kFlowOpEnd:
        flow.Stop(subject);
        subject.RemoveAnimesOfFlow(flow.nSerial);
        flow.bAbort = 1;
        break;
    case kFlowOpPause:
        flow.Pause();
        subject.PauseAnimesOfFlow(flow.nSerial);
        flow.bAbort = 1;
        break;
    case kFlowOpResume:
        flow.Resume();
        subject.ResumeAnimesOfFlow(flow.nSerial);
        break;
    case kFlowOpDelete:
        if (own) {
            flow.bDeleteMark = 1;
            flow.bAbort = 1;
            subject.bFlowsChanged = 1;
        } else {
            subject.RemoveFlow(flow.nIndex);
        }
        break;
    case kFlowOpStopForGood:
        flow.MarkEnded(subject);
        subject.RemoveAnimesOfFlow(flow.nSerial);
        flow.bAbort = 1;
        break;
    default:
        break;
    }
}

std::int32_t RepeatInterval() {
    return std::max<std::int32_t>(Stage.nWords68[0], 1);
}

int CmdShot(cChara& c, cFlowCommand& e) {
    return SpawnEvery(c, e, Spawn::Shots);
}
int CmdSummonBlocks(cChara& c, cFlowCommand& e) {
    return SpawnEvery(c, e, Spawn::Blocks);
}
int CmdSummonCharas(cChara& c, cFlowCommand& e) {
    return SpawnEvery(c, e, Spawn::Charas);
}
int CmdSummonItems(cChara& c, cFlowCommand& e) {
    return SpawnEvery(c, e, Spawn::Items);
}

int CmdFlowOperation(cChara& c, cFlowCommand& e) {
    const cEdCommand& cmd = *e.lpCmd;
    if (!CommandCondsHold(cmd, c)) return 0;
    cChara* subject = &c;
    const std::int32_t who = cmd.Param(3);
    if (who >= 1 && who <= 4) {
        subject = c.TargetAt(who - 1);
        if (!subject) return 0;
    }
    const bool own = subject == &c;
    cFlow* current = Scene().pCurFlow;
    // The chosen flows are collected first: an operation may remove flows.
    cVector<cFlow*> chosen;
    const std::int32_t which = cmd.Param(1), id = cmd.Param(2);
    if (which == kThisFlow) {
        if (current && subject->Flows.Holds(current)) chosen.push_back(current);
    } else {
        for (auto& f : subject->Flows.Runs) {
            if (which == kAllButThis && f.get() != current) chosen.push_back(f.get());
            if (which == kFlowsOfId && FlowId(f->Def) != 0 && FlowId(f->Def) == id) chosen.push_back(f.get());
        }
    }
    const int op = cmd.Param(0);
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it)
        if (subject->Flows.Holds(*it)) OperateOnFlow(*subject, **it, op, own);
    return 0;
}
