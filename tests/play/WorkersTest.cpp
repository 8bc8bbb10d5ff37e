#include "play/Workers.h"
#include "fixtures/PlayStage.h"
#include "fixtures/ReportCapture.h"
#include "foundation/Thread.h"
#include "platform/Clock.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

std::atomic<int> quickWorkerRuns{0};

DWORD QuickWorker(void*) {
    ++quickWorkerRuns;
    return 1;
}

// Runs until the flag it is given is set.
DWORD HeldWorker(void* release) {
    while (!static_cast<std::atomic<bool>*>(release)->load()) Sleep(1);
    return 0;
}

// A play scene entered on a small stage, for the workers to run with.
class PlayWorkers : public ::testing::Test {
protected:
    PlayWorkers() {
        cStageRunner::UseStage(FloorStage());
        run.Frame();
        quickWorkerRuns = 0;
    }
    cGameGlobalsGuard globals;
    cReportCapture report;
    cStageRunner run;
};

} // namespace

// A worker may finish before the scene posts it its first message; the post
// then fails and the scene must still go on waiting only for the worker's end.
// Many short runs make that order certain to come up.
TEST_F(PlayWorkers, AWorkerThatEndsBeforeItsFirstMessageIsStillWaitedForOnce) {
    cThread worker;
    for (int n = 0; n < 5000; ++n) ASSERT_TRUE(RunPlayWorker(worker, QuickWorker, run.Play()));
    EXPECT_EQ(quickWorkerRuns.load(), 5000);
    EXPECT_FALSE(worker.HasThread());
}

// A worker that cannot be started (no procedure, or its thread object still
// runs another thread) is reported; the scene's wait is over at once and the
// game is not left held.
TEST_F(PlayWorkers, AWorkerThatCannotStartIsReportedAndTheGameIsNotLeftHeld) {
    cThread idle;
    EXPECT_FALSE(RunPlayWorker(idle, nullptr, run.Play()));
    EXPECT_EQ(run.Play().bGameHeld, 0);

    std::atomic<bool> release{false};
    cThread busy;
    ASSERT_TRUE(busy.Start(HeldWorker, &release));
    EXPECT_FALSE(RunPlayWorker(busy, QuickWorker, run.Play()));
    EXPECT_EQ(run.Play().bGameHeld, 0);
    EXPECT_EQ(quickWorkerRuns.load(), 0) << "the running thread is left alone";
    release = true;
    busy.Wait();

    EXPECT_EQ(report.Count("could not be started"), 2u) << report.Text();
}
