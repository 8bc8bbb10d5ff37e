// The character engine alone: 300 characters with typical flows through 600
// frames of logic (10 sub-steps a frame) on a small stage, no drawing. Not a
// test; run build/brindle_bench --benchmark_filter=Engine to see the figure
// per frame (goal: under 0.5 ms).
#include "engine/EngineScene.h"
#include "engine/NpcChara.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A 64 x 15 block map with a floor row.
class cBenchScene : public cNullEngineScene {
public:
    cBenchScene() {
        cSceneState& s = State();
        s.nMapCols = 64;
        s.nMapRows = 15;
        s.nGridPitch = 6;
        solid.assign(15 << 6, 0);
        for (int c = 0; c < 64; ++c) solid[(14 << 6) + c] = 1;
        s.ScrollX = {0, 0, 64 * 32, -64, 64 * 32 + 64, 64 * 32, 640};
        s.ScrollY = {0, 0, 480, -64, 544, 480, 480};
    }
    int IsBlockSolid(std::int32_t cell, std::int32_t) override {
        return cell >= 0 && static_cast<std::size_t>(cell) < solid.size() &&
               solid[static_cast<std::size_t>(cell)];
    }
    std::vector<std::uint8_t> solid;
};

cEdCommand Wait(std::int16_t tenths, bool parallel) {
    cEdCommand c;
    c.cKind = 1;
    c.sWait = tenths;
    c.bParallel = parallel ? 1 : 0;
    return c;
}

// An enemy's flows: an always-running patrol of waits with a command beside
// them, a reaction to damage, one to landing, and one that waits for a
// condition that never holds.
cEdChara EnemyDef() {
    cEdChara d;
    d.Init();
    d.Flows.clear();
    cEdFlow patrol;
    patrol.vCmd = {Wait(5, false), Wait(3, true), Wait(4, false), Wait(0, false), Wait(6, false)};
    cEdFlow hurt;
    hurt.cTrigger = 1;
    hurt.vCmd = {Wait(2, false), Wait(2, false)};
    cEdFlow land;
    land.cTrigger = 15;
    land.vCmd = {Wait(1, false)};
    cEdFlow watch;
    cCond c;
    c.cKind = 3; // own variable 1 == 1
    c.sValue = 1;
    c.nValue1 = 1;
    watch.vStartCond = {c};
    watch.vCmd = {Wait(1, false)};
    d.Flows = {patrol, hurt, land, watch};
    return d;
}

void EngineFrames(benchmark::State& state) {
    cBenchScene scene;
    cScopedEngineScene guard(scene);
    const cStage saved = Stage;
    Stage.Init();
    Stage.SetLevel(10);
    const cEdChara def = EnemyDef();
    std::vector<cNpcChara> charas(300);
    for (std::size_t i = 0; i < charas.size(); ++i) {
        cNpcChara& c = charas[i];
        c.Setup(def, static_cast<std::int32_t>(i + 1), nullptr, 0);
        c.SetBlockPosition(static_cast<std::int32_t>(1 + i % 60), static_cast<std::int32_t>(2 + i % 10));
        c.bPresent = 1;
    }
    const int frames = 600;
    for (auto _ : state) {
        for (int f = 0; f < frames; ++f) {
            for (std::int32_t s = 0; s < Stage.nSubSteps; ++s) {
                scene.State().nSubStep = s;
                for (cNpcChara& c : charas) {
                    c.TickInvincibility();
                    c.TriggerFlows(0);
                    c.RunFlows(0);
                    c.ApplyGravity();
                    c.StepX();
                    c.StepY();
                    const std::int32_t row = static_cast<std::int32_t>(c.dBottom) >> 5;
                    const std::int32_t col = static_cast<std::int32_t>(c.dX) >> 5;
                    if (c.dVY >= 0 && scene.IsBlockSolid((row << 6) + col, 0)) {
                        c.nBlockUnder = (row << 6) + col;
                        c.OnBlockBelow();
                    }
                    if ((f + s) % 97 == 0) c.TriggerFlows(1);
                }
            }
            for (cNpcChara& c : charas) c.ResetFlowMarks();
        }
    }
    // Seconds per frame (printed with its unit prefix, e.g. 150u = 0.15 ms).
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(frames) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    Stage = saved;
}

BENCHMARK(EngineFrames)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
