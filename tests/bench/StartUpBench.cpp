// From the opening of the window to the first frame on the screen, on the
// demo game with its fonts and sound: InitProgram and one frame of the game
// object, as WinMain runs them. The shutdown after each start is not timed.
// Not a test; run build/brindle_bench --benchmark_filter=StartUp.
#include "app/App.h"
#include "app/Game.h"
#include "app/Seams.h"
#include "fixtures/TempDir.h"
#include "platform/Clock.h"
#include "platform/SdlPresenter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#ifdef BRINDLE_DEMO_DIR

namespace {

void StartUpToFirstFrame(benchmark::State& state) {
    namespace fs = std::filesystem;
    // Headless, unless the caller chose the drivers.
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    TempDir dir;
    fs::copy(BRINDLE_DEMO_DIR, dir.path(), fs::copy_options::recursive);
    // An installed game: data\ was made from default\ at its first start.
    fs::copy(dir.path() / "default", dir.path() / "data", fs::copy_options::recursive);
    InstallSeams();
    double initMs = 0, frameMs = 0;
    for (auto _ : state) {
        cSdlPresenter presenter;
        bool ok = presenter.Open("", 640, 480, false);
        lpMainPresenter = &presenter;
        Game.nCurrentScene = SCENE_TITLE;
        const DWORD t0 = timeGetTime();
        ok = ok && InitProgram("", 1);
        const DWORD t1 = timeGetTime();
        ok = ok && Game.RunFrame();
        const DWORD t2 = timeGetTime();
        initMs += t1 - t0;
        frameMs += t2 - t1;
        state.PauseTiming();
        ShutdownProgram();
        lpMainPresenter = nullptr;
        presenter.Close();
        state.ResumeTiming();
        if (!ok) {
            state.SkipWithError("the demo did not start");
            break;
        }
    }
    // Where the time goes: the start-up steps, and the first frame (the title
    // screen's pictures and its music).
    const double n = static_cast<double>(state.iterations());
    state.counters["InitProgram ms"] = initMs / n;
    state.counters["first frame ms"] = frameMs / n;
}

BENCHMARK(StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

#endif
