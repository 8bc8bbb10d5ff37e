#include "engine/Flow.h"

#include "engine/Arrangements.h"
#include "engine/Chara.h"
#include "engine/Dispatch.h"
#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "foundation/ErrorLog.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <deque>

namespace {

// A message command that continues the one before it.
bool IsContinuedMessage(const cEdCommand& c) {
    return c.CharaKind() == 19 && c.vParam.size() > 15 && c.vParam[15] == 0 && c.vParam[6] == 0;
}

bool IsLoop(const cEdCommand& c) {
    return (!c.IsFlow() && c.cKind == 39) || (c.IsFlow() && c.cKind == 24);
}

void MarkKeyGroupStopped(cChara& chara, const cEdFlow& def) {
    const std::int32_t g = FlowKeyGroup(def);
    if (g <= 0 || g >= kKeyGroups) return;
    chara.KeyGroups[1][g] = 1;
    chara.bKeyGroupsChanged = 1;
}

} // namespace

void cFlow::Rebind() {
    lpDef = &Def;
    KeyConds.clear();
    KeyConds.reserve(Def.vKeyCond.size());
    for (const cEdKeyCond& k : Def.vKeyCond) KeyConds.push_back(&k);
    const std::size_t n = std::min(Commands.size(), Def.vCmd.size());
    for (std::size_t i = 0; i < n; ++i) Commands[i].lpCmd = &Def.vCmd[i];
}

cFlowList::cFlowList(const cFlowList& other) {
    Runs.reserve(other.Runs.size());
    for (const auto& f : other.Runs) Runs.push_back(std::make_unique<cFlow>(*f));
}

cFlowList& cFlowList::operator=(const cFlowList& other) {
    if (this != &other) {
        cFlowList copy(other);
        Runs = std::move(copy.Runs);
    }
    return *this;
}

void cFlowList::ReplaceAll(cVector<std::unique_ptr<cFlow>>&& flows, bool walked) {
    if (walked) {
        for (auto& f : Runs) f->bAbort = 1;
        Retired.insert(Retired.end(), std::make_move_iterator(Runs.begin()),
                       std::make_move_iterator(Runs.end()));
    }
    Runs = std::move(flows);
}

bool cFlowList::Holds(const cFlow* flow) const {
    return std::any_of(Runs.begin(), Runs.end(),
                       [flow](const std::unique_ptr<cFlow>& f) { return f.get() == flow; });
}

cFlow& cFlowList::At(std::int64_t i) {
    if (i >= 0 && static_cast<std::uint64_t>(i) < Runs.size()) return *Runs[static_cast<std::size_t>(i)];
    ReportBadIndex('V', i, static_cast<std::int64_t>(Runs.size()), static_cast<std::int64_t>(sizeof(cFlow)));
    thread_local cFlow scratch;
    scratch = cFlow();
    return scratch;
}

void cFlowList::Renumber() {
    for (std::size_t i = 0; i < Runs.size(); ++i) Runs[i]->nIndex = static_cast<std::int32_t>(i);
}

// Loops expand from the outside in: the first loop left (everything before it
// has none) is replaced by the commands it spans, standing R times in a row,
// and the search goes on where it stood. The commands still to look at wait
// in a queue, so each step costs only the copies it makes. A loop that spans
// only loops can rewrite itself for ever, so the copies made are bounded too.
bool ExpandLoopCommands(cVector<cEdCommand>& commands) {
    std::deque<cEdCommand> pending(std::make_move_iterator(commands.begin()),
                                   std::make_move_iterator(commands.end()));
    cVector<cEdCommand> out;
    out.reserve(commands.size());
    std::size_t copies = 0;
    bool whole = true;
    while (!pending.empty()) {
        cEdCommand c = std::move(pending.front());
        pending.pop_front();
        if (!IsLoop(c)) {
            out.push_back(std::move(c));
            continue;
        }
        if (!whole) continue; // past the bound every loop is dropped, its block standing once
        const std::int64_t repeat = c.Param(0);
        const std::int64_t span =
            std::min<std::int64_t>(c.Param(1), static_cast<std::int64_t>(pending.size()));
        if (span <= 0 || repeat <= 1) continue;
        const std::int64_t grown =
            static_cast<std::int64_t>(out.size() + pending.size()) + span * (repeat - 1);
        copies += static_cast<std::size_t>(span * (repeat - 1));
        if (grown > static_cast<std::int64_t>(kMaxExpandedCommands) || copies > 8 * kMaxExpandedCommands) {
            whole = false;
            continue;
        }
        const auto blockEnd = pending.begin() + span;
        const std::vector<cEdCommand> block(pending.begin(), blockEnd);
        for (std::int64_t r = 1; r < repeat; ++r) pending.insert(pending.begin(), block.begin(), block.end());
    }
    commands = std::move(out);
    return whole;
}

void cFlowCommand::Prepare(cChara& chara) {
    nCount = nWait;
    bDone = 0;
    bStarted = 0;
    nPhase = 0;
    std::fill(std::begin(nScratch), std::end(nScratch), 0);
    if (lpCmd->CharaKind() == 38) return;
    cFlow* flow = Scene().pCurFlow;
    if (!flow || flow->Pending.empty()) return;
    ApplyFlowArrangements(*lpCmd, chara, flow);
    flow->Pending.clear();
}

int cFlowCommand::Execute(cChara& chara) {
    Scene().pCurCommand = this;
    DispatchCharaCommand(chara, *this);
    if (--nCount > 0) return 0;
    nCount = 0;
    return 1;
}

void cFlow::Start(cChara& chara) {
    bRunning = 1;
    nLastActive = 0;
    nElapsed = 0;
    bMessageContinues = 0;
    for (cFlowCommand& e : Commands) e.bDone = 0;
    bJustStarted = 1;
    const std::int32_t g = FlowKeyGroup(Def);
    if (FlowTiming(Def) == TIMING_ALWAYS && g > 0 && g < kKeyGroups) {
        chara.KeyGroups[0][g] = 1;
        chara.KeyGroups[2][g] = 1;
    }
    if (Commands.empty() || FlowTiming(Def) != TIMING_BEFORE_STAGE) return;
    // Before the stage starts the flow runs through at once: only its no-wait
    // commands of the later kinds, each of which must finish in one call.
    cSceneState& scene = Scene();
    cFlow* outer = scene.pCurFlow;
    scene.pCurFlow = this;
    bAbort = 0;
    nLastActive = 0;
    for (cFlowCommand& e : Commands) {
        if (e.lpCmd->CharaKind() < 16 || !e.lpCmd->bParallel) continue;
        e.Prepare(chara);
        if (!e.Execute(chara)) ErrorLogPrintf("使用時間0なので、ここにくることはあり得ないはず！");
        if (bAbort) break;
    }
    Stop(chara);
    scene.pCurFlow = outer;
}

int cFlow::Run(cChara& chara) {
    cSceneState& scene = Scene();
    scene.pCurFlow = this;
    bAbort = 0;
    const std::int32_t n = static_cast<std::int32_t>(Commands.size());
    for (std::int32_t i = 0; i <= nLastActive && i < n; ++i) {
        cFlowCommand& e = Commands[static_cast<std::size_t>(i)];
        if (e.bDone) continue;
        const cEdCommand& cmd = *e.lpCmd;
        if (e.nCount == 0) {
            e.Prepare(chara);
            if (!IsContinuedMessage(cmd) && !cmd.bParallel) bMessageContinues = 0;
        }
        const int finished = e.Execute(chara);
        // A command that removed or restarted this flow: nothing more of it now.
        if (bAbort) return 0;
        if (cmd.bParallel) {
            if (finished) {
                e.bDone = 1;
                if (i == n - 1) return 1;
            }
            if (i == nLastActive) ++nLastActive;
        } else if (finished) {
            e.bDone = 1;
            if (IsContinuedMessage(cmd)) bMessageContinues = 1;
            if (i == n - 1) return 1;
            ++nLastActive;
            break;
        }
    }
    if (n > 0 && Commands[static_cast<std::size_t>(n - 1)].bDone) return 1;
    ++nElapsed;
    return 0;
}

void cFlow::Stop(cChara& chara) {
    if (!bRunning) return;
    bRunning = 0;
    Pending.clear();
    for (cFlowCommand& e : Commands) e.nCount = 0;
    MarkKeyGroupStopped(chara, Def);
}

void cFlow::MarkEnded(cChara& chara) {
    bEnded = 1;
    if (!bRunning) return;
    for (cFlowCommand& e : Commands) e.nCount = 0;
    MarkKeyGroupStopped(chara, Def);
}
