// A busy stage: 300 characters and 1,000 flying shots on one screen, run by
// the real play scene's main frame. `Logic` runs without a graphics device
// (nothing is drawn); the faces run the same frame with drawing to a memory
// presenter, so the difference is the drawing. Not a test; run
// build/brindle_bench --benchmark_filter=BusyStage (goal: the whole frame
// under 1.5 ms on DirectDraw 16-bit).
#include "fixtures/PlayStage.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "platform/Presenter.h"
#include "play/ShotObj.h"
#include "play/ShotPatterns.h"
#include "play/StageRunner.h"
#include "project/SystemBmp.h"
#include "records/EdShot.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>

namespace {

struct Face {
    bool draw;
    bool d3d;
    int bpp;
};

constexpr int kCharas = 300;
constexpr std::size_t kShots = 1000;

// A 20 x 15 screen-sized stage with a floor, the hero at its left and 300
// harmless enemies standing over it.
cStage BusyStage() {
    cStage s = SmallStage(20, 15, 1, 12);
    for (std::int16_t c = 0; c < 20; ++c) s.Blocks.push_back(SolidBlock(c, 14));
    s.Charas[0].mhp = 30000;
    for (int i = 0; i < kCharas; ++i)
        s.Charas.push_back(
            Enemy(static_cast<std::int16_t>(3 + i % 16), static_cast<std::int16_t>(1 + i / 16 % 12), 10, 0));
    return s;
}

// Fills the live shots up to 1,000, fired by the enemies in eight directions
// at one pixel a frame, harmless to everyone.
void FillShots(cPlayScene& play, const cEdShot& record) {
    cList<cNpcChara>& charas = play.scene.CharaList;
    auto user = charas.begin();
    for (std::size_t n = play.scene.LiveShots.size(); n < kShots; ++n) {
        SHOTSPAWN sp;
        sp.nX = static_cast<std::int32_t>(user->dX);
        sp.nY = static_cast<std::int32_t>(user->dY);
        sp.dSpeed = 1;
        sp.dVX = static_cast<double>(static_cast<int>(n % 3) - 1);
        sp.dVY = n % 3 == 1 ? 1 : static_cast<double>(static_cast<int>(n / 3 % 3) - 1);
        cShotSpawner(*user, record).Spawn(sp);
        if (++user == charas.end()) user = charas.begin();
    }
}

void BusyStage(benchmark::State& state, Face face) {
    cGameGlobalsGuard globals;
    const auto savedBmp = std::to_array(SystemBmp);
    cMemoryPresenter window;
    if (face.draw) {
        // Every play picture an empty 512 x 512 work surface, so that
        // nothing is read from files.
        for (BMPFILEDATA& b : SystemBmp) {
            std::snprintf(b.szFile, sizeof b.szFile, "E");
            b.nWorkWidth = b.nWorkHeight = 512;
            b.bOptional = 1;
        }
        window.Open("bench", 640, 480, false);
        if (!DDInit(face.d3d, &window, 640, 480, face.bpp, 0, 1, 1, 60, 0, SystemSD, SystemBmp,
                    kSystemBmpCount)) {
            state.SkipWithError("start-up failed");
            return;
        }
    }
    {
        cStageRunner::UseStage(BusyStage());
        cStageRunner run;
        for (int i = 0; i < 60 && run.Play().nState != PLAY_MAIN; ++i) run.Frame();
        cEdShot record;
        record.sGraphic = 1;
        record.cFaction = 2;
        record.nPower = 0;
        if (run.Play().nState != PLAY_MAIN || run.Play().scene.CharaList.size() != kCharas) {
            state.SkipWithError("the stage did not start");
        } else {
            for (auto _ : state) {
                state.PauseTiming();
                FillShots(run.Play(), record);
                state.ResumeTiming();
                // The player never hashes its state: the frame alone is timed.
                run.Step();
            }
            state.counters["shots"] = static_cast<double>(run.Play().scene.LiveShots.size());
        }
    }
    if (face.draw) DDRelease();
    std::copy(savedBmp.begin(), savedBmp.end(), std::begin(SystemBmp));
}

BENCHMARK_CAPTURE(BusyStage, Logic, Face{false, false, 16})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BusyStage, DirectDraw16, Face{true, false, 16})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BusyStage, Direct3D32, Face{true, true, 32})->Unit(benchmark::kMillisecond);

} // namespace
