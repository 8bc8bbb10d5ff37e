// Building a character's runtime flows from definitions (with the unit
// conversions done once), removing them, and their queued animations.
#include "engine/Chara.h"
#include "engine/CmdMove.h"

#include "engine/EngineScene.h"
#include "engine/FlowSettings.h"
#include "foundation/ErrorLog.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::int32_t ClampToInt(double v) {
    if (!(v == v)) return 0; // NaN
    if (v >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// Tenths of a second as sub-steps.
std::int32_t TenthsToSubSteps(std::int64_t tenths) {
    return ClampToInt(static_cast<double>(tenths) * 6 * Stage.nSubSteps);
}

// The move's distance in pixels.
double MoveDistance(const cEdMove& m, std::int32_t index) {
    const double d = static_cast<double>(m.sDistAdd) * index + m.sDist;
    return m.bDotUnit ? d : d * 16;
}

void ReportOverlongFlow(const cChara& chara, std::size_t flow) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    ReportPrintf("Flow %zu of \"%s\": its loops expand past %zu commands; the rest stay unexpanded.", flow,
                 chara.Def.Name.c_str(), kMaxExpandedCommands);
}

} // namespace

// Time and speed (spec 0) as built; time and distance (1) set the speed;
// speed and distance (2) set the time. A time or speed of 0 counts as one
// sub-step, never as a division by zero.
void PrepareMoveWork(cFlowCommand& e, const cChara& chara, std::int32_t index) {
    const cEdMove& m = *e.lpCmd->pMove;
    const double d = MoveDistance(m, index);
    switch (m.cSpec) {
    case 1:
        if (e.nWait == 0) e.nWait = 1;
        e.dSpeed = d / e.nWait;
        break;
    case 2: {
        double wait = e.dSpeed == 0 ? 1 : std::trunc(d / e.dSpeed);
        if (wait < 0 && !SystemData.bNegativeMoveTime) wait = -wait;
        e.nWait = ClampToInt(wait);
        break;
    }
    default:
        break;
    }
    (void)chara;
}

namespace {

void GenericMoveHook(cFlowCommand& e, cChara& chara) {
    if (e.lpCmd->pMove->cSpec != 0) PrepareMoveWork(e, chara, chara.sIndex);
}

void HomingHook(cFlowCommand& e, cChara& chara) {
    const cEdMove& m = *e.lpCmd->pMove;
    e.nHoming = ClampToInt((static_cast<double>(m.sHomingAdd) * chara.sIndex + m.sHoming) * Stage.nSubSteps);
    if (m.cSpec != 0) PrepareMoveWork(e, chara, chara.sIndex);
}

void JumpHook(cFlowCommand& e, cChara& chara) {
    cEdCommand& c = *e.lpCmd;
    const double height = c.vParam.size() > 2 ? c.vParam[2] : 0;
    e.dSpeed = chara.JumpSpeedFromHbl(height);
    const std::int32_t tenths = chara.JumpTenthsFromHbl(height);
    c.sWait = static_cast<std::int16_t>(std::clamp(tenths, -32768, 32767));
    e.nWait = TenthsToSubSteps(c.sWait);
}

// The prepare hook of a kind, run when the flow is built.
void RunPrepareHook(cFlowCommand& e, cChara& chara) {
    const cEdCommand& c = *e.lpCmd;
    switch (c.CharaKind()) {
    case 2:
    case 3:
    case 5:
    case 7:
        if (c.pMove) GenericMoveHook(e, chara);
        break;
    case 4:
        if (c.pMove) PrepareCircleMove(e, chara);
        break;
    case 6:
        if (c.pMove) HomingHook(e, chara);
        break;
    case 10:
        JumpHook(e, chara);
        break;
    default:
        break;
    }
}

// Sub-steps an animation plays before it ends or loops (its lead-in).
std::int64_t LeadInOf(std::int32_t anime) {
    if (!AnimeFrameTable.InRange(anime)) return 0;
    std::int64_t ticks = 0;
    for (const ANIMEFRAME& f : AnimeFrameTable[static_cast<std::size_t>(anime)]) {
        if (f.nCell < 0) break;
        ticks += f.nTicks;
    }
    return ticks * Stage.nSubSteps;
}

// Lead-in animations end as their command begins; those that would start
// before the flow starts with it, cut to the time there is.
void ScheduleAnimes(cFlow& flow) {
    flow.Animes.clear();
    std::int64_t begin = 0; // when the current command begins
    for (const cFlowCommand& e : flow.Commands) {
        const cEdCommand& c = *e.lpCmd;
        if (c.sAnime != 0 && (!c.pMove || c.pMove->bOwnAnime)) {
            const std::int64_t lead = LeadInOf(c.sAnime);
            cScheduledAnime a;
            a.nStart = static_cast<std::int32_t>(std::max<std::int64_t>(begin - lead, 0));
            a.nLeadIn = static_cast<std::int32_t>(std::min(lead, begin));
            a.nAnime = c.sAnime;
            a.nWaitBase = c.sWait * 6;
            const int kind = c.CharaKind();
            a.bReturnToBase = kind == 12 || kind == 10 ? 0 : 1;
            flow.Animes.push_back(a);
        }
        if (!c.bParallel) begin += e.nWait;
    }
}

} // namespace

void cChara::BuildFlows(const cVector<cEdFlow>& flows, int append, std::int32_t position) {
    cVector<std::unique_ptr<cFlow>> built;
    built.reserve(flows.size());
    for (std::size_t fi = 0; fi < flows.size(); ++fi) {
        auto flow = std::make_unique<cFlow>();
        flow->Def = flows[fi];
        if (!ExpandLoopCommands(flow->Def.vCmd)) ReportOverlongFlow(*this, fi);
        flow->nSerial = nFlowCounter++;
        flow->Commands.resize(flow->Def.vCmd.size());
        flow->Rebind();
        for (cFlowCommand& e : flow->Commands) {
            const cEdCommand& c = *e.lpCmd;
            e.nWait = TenthsToSubSteps(static_cast<std::int64_t>(c.sWaitAdd) * sIndex + c.sWait);
            if (c.pMove) {
                const cEdMove& m = *c.pMove;
                e.dSpeed = (static_cast<double>(m.sAmountAdd) * sIndex + m.sAmount) * 0.1 / Stage.dSubSteps;
                if (m.bInertia) e.dMaxSpeed = m.sAltAmount * 0.1 / Stage.dSubSteps;
                e.cDir = m.cMode2;
            }
            RunPrepareHook(e, *this);
        }
        // Keys already held do not start an edge-mode flow added during play.
        if (append) flow->bPrevMatched = FlowWhileHeld(flow->Def) ? 0 : 1;
        ScheduleAnimes(*flow);
        built.push_back(std::move(flow));
    }
    auto& runs = Flows.Runs;
    if (!append) {
        Flows.ReplaceAll(std::move(built), nFlowWalk > 0);
    } else {
        const auto at = position < 0 || static_cast<std::size_t>(position) >= runs.size()
                            ? runs.end()
                            : runs.begin() + position;
        runs.insert(at, std::make_move_iterator(built.begin()), std::make_move_iterator(built.end()));
    }
    Flows.Renumber();
}

void cChara::CopyFlows(const cChara& other) {
    if (this != &other) Flows = other.Flows;
}

void cChara::RemoveFlow(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= Flows.size()) {
        Flows.At(index); // reported by the checked access
        return;
    }
    cFlow& flow = Flows[static_cast<std::size_t>(index)];
    flow.Stop(*this);
    RemoveAnimesOfFlow(flow.nSerial);
    if (nFlowWalk > 0) {
        // The flows are being walked (perhaps this very one): mark it; the
        // run removes it once the walk is over.
        flow.bDeleteMark = 1;
        flow.bAbort = 1;
        bFlowsChanged = 1;
        return;
    }
    Flows.Runs.erase(Flows.Runs.begin() + index);
    Flows.Renumber();
}

std::int32_t cChara::RemoveFlows(std::int32_t id) {
    if (id == 0) {
        for (std::size_t i = Flows.size(); i-- > 0;) RemoveFlow(static_cast<std::int32_t>(i));
        AnimeQueue.clear();
        return 0;
    }
    std::int32_t first = -1;
    for (std::size_t i = Flows.size(); i-- > 0;) {
        const cFlow& f = Flows[i];
        if (FlowId(f.Def) == 0 || FlowId(f.Def) != id || f.bDeleteMark) continue;
        RemoveFlow(static_cast<std::int32_t>(i));
        first = static_cast<std::int32_t>(i);
    }
    return first;
}

void cChara::RemoveMarkedFlows() {
    auto& runs = Flows.Runs;
    std::erase_if(runs, [](const std::unique_ptr<cFlow>& f) { return f->bDeleteMark != 0; });
    Flows.Renumber();
}

void cChara::ResetFlowMarks() {
    for (auto& f : Flows.Runs) {
        f->bStartedOnce = 0;
        f->bJustStarted = 0;
    }
    std::fill(KeyGroups[2].begin(), KeyGroups[2].end(), 0);
}

void cChara::RemoveAnimesOfFlow(std::int32_t tag) {
    AnimeQueue.remove_if([tag](const cQueuedAnime& a) { return a.nFlowTag == tag; });
}

void cChara::PauseAnimesOfFlow(std::int32_t tag) {
    AnimeQueue.remove_if([tag](const cQueuedAnime& a) { return a.nFlowTag == tag && a.nCounter <= 0; });
    for (cQueuedAnime& a : AnimeQueue)
        if (a.nFlowTag == tag) a.bPaused = 1;
}

void cChara::ResumeAnimesOfFlow(std::int32_t tag) {
    for (cQueuedAnime& a : AnimeQueue)
        if (a.nFlowTag == tag) a.bPaused = 0;
}

void cChara::RunScheduledAnimes() {
    for (auto& fp : Flows.Runs) {
        cFlow& f = *fp;
        if (!f.bRunning || f.bPaused) continue;
        for (const cScheduledAnime& a : f.Animes) {
            if (a.nStart != f.nElapsed || !AnimeFrameTable.InRange(a.nAnime)) continue;
            cQueuedAnime q;
            cVector<cVector<ANIMEFRAME>> table;
            table.push_back(AnimeFrameTable[static_cast<std::size_t>(a.nAnime)]);
            q.Anime.SetAnimeTable(table);
            q.Anime.SetAnime(0, 1);
            q.bPriority = 1;
            q.nCounter =
                a.bReturnToBase ? a.nLeadIn / std::max(Stage.nSubSteps, 1) + a.nWaitBase : 0x7fffffff;
            q.nFlowTag = f.nSerial;
            AnimeQueue.push_back(std::move(q));
        }
    }
}

void cChara::SetBaseAnimeSet(std::int16_t n, int force) {
    if (!force && n == Def.AnimeSet) return;
    Def.AnimeSet = n;
    const cAnimeSet& set = Database.AnimeSet.At(n);
    cVector<cVector<ANIMEFRAME>> table;
    table.reserve(set.Slots.size());
    for (const cAnime& slot : set.Slots) {
        cVector<ANIMEFRAME> frames;
        frames.reserve(slot.Frames.size() + 1);
        for (const cAnimeFrame& f : slot.Frames) frames.push_back({f.nCell, WaitToTicks(f.nWait), 1});
        frames.push_back({ANIME_LOOP, 0, 1});
        table.push_back(std::move(frames));
    }
    Anime.SetAnimeTable(table);
    Anime.SetAnime(0, 1);
}
