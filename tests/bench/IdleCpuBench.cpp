// The CPU an idle screen costs: the real player on a small game folder whose
// screen stays blank, run for a short and a long stretch; the difference
// leaves out the start-up and the shutdown. Reports the share of one core and
// the CPU time per presented frame, headless (SDL's dummy driver) and on an
// Xvfb display. Not a test; run build/brindle_bench --benchmark_filter=Idle.
#include "app/GameFolder.h"
#include "app/PlayerRun.h"
#include "fixtures/TempDir.h"
#include "fixtures/Xvfb.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

struct Usage {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double frames = 0;
};

// One run of `frames` frames; its CPU (user + system, every thread) and frames presented.
bool RunFor(int frames, const fs::path& root, const std::string& display, Usage& out) {
    fs::path game = MakeFolder(root, "game" + std::to_string(frames));
    fs::path runtime = MakeFolder(root, "runtime", 0700);
    if (!WriteGameFolder(game)) return false;
    PlayerRun run;
    if (!display.empty())
        run.env = {{"SDL_VIDEODRIVER", std::nullopt}, {"DISPLAY", display}, {"NO_AT_BRIDGE", "1"}};
    run.Start(game, runtime, frames);
    rusage ru{};
    if (::wait4(run.pid, &run.status, 0, &ru) != run.pid || !run.EndedNormallyWith(0)) return false;
    out.wallSeconds = run.Seconds();
    out.cpuSeconds =
        ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec + ru.ru_stime.tv_usec / 1e6;
    std::string report = ReadAll(game / "Report_Game.txt");
    std::size_t at = report.find("threads ended, ");
    if (at == std::string::npos) return false;
    out.frames = std::stod(report.substr(at + 15));
    return true;
}

void IdleScreen(benchmark::State& state, bool onXvfb) {
    TempDir dir;
    XvfbServer x;
    if (onXvfb && !x.Start()) {
        state.SkipWithError("no Xvfb");
        return;
    }
    std::string display = onXvfb ? x.Display() : "";
    Usage shortRun, longRun;
    for (auto _ : state) {
        if (!RunFor(60, dir.path(), display, shortRun) || !RunFor(420, dir.path(), display, longRun)) {
            state.SkipWithError("the player did not run");
            return;
        }
    }
    double cpu = longRun.cpuSeconds - shortRun.cpuSeconds;
    double wall = longRun.wallSeconds - shortRun.wallSeconds;
    double frames = longRun.frames - shortRun.frames;
    state.counters["core_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
    state.counters["cpu_us_per_frame"] = frames > 0 ? 1e6 * cpu / frames : 0;
    state.counters["frames"] = frames;
}

BENCHMARK_CAPTURE(IdleScreen, headless, false)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(IdleScreen, xvfb, true)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
