#include "play/Workers.h"
#include "fixtures/PlayStage.h"
#include "foundation/Thread.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

std::atomic<int> quickWorkerRuns{0};

DWORD QuickWorker(void*) {
    ++quickWorkerRuns;
    return 1;
}

} // namespace

// A worker may finish before the scene posts it its first message; the post
// then fails and the scene must still go on waiting only for the worker's end.
// Many short runs make that order certain to come up.
TEST(PlayWorkers, AWorkerThatEndsBeforeItsFirstMessageIsStillWaitedForOnce) {
    cGameGlobalsGuard globals;
    cStageRunner run;
    cStageRunner::UseStage(FloorStage());
    run.Frame();
    quickWorkerRuns = 0;
    cThread worker;
    for (int n = 0; n < 5000; ++n) ASSERT_TRUE(RunPlayWorker(worker, QuickWorker, run.Play()));
    EXPECT_EQ(quickWorkerRuns.load(), 5000);
    EXPECT_FALSE(worker.HasThread());
}
