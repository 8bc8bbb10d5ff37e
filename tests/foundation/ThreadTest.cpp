#include "foundation/Thread.h"

#include "fixtures/ErrorLogCapture.h"
#include "fixtures/TempDir.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

const char* const kExitLines = "Exit A\nExit B\nExit C\nExit D\nExit E\n";

// The shape of the game loop: peek, end on WM_QUIT, otherwise do a frame.
DWORD PeekingLoop(void* arg) {
    auto* frames = static_cast<std::atomic<int>*>(arg);
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return 1;
            continue;
        }
        ++*frames;
        Sleep(1);
    }
}

struct LogFixture : ::testing::Test {
    TempDir dir;
    cErrorLogCapture log;
};

using ThreadClass = LogFixture;

TEST_F(ThreadClass, ExitEndsAPeekingWorkerAndLogsEveryStepInOrder) {
    cThread t;
    std::atomic<int> frames{0};
    ASSERT_TRUE(t.Start(PeekingLoop, &frames));
    EXPECT_NE(t.GetThreadId(), 0u);
    while (frames < 3) Sleep(1);
    t.Exit();
    EXPECT_FALSE(t.HasThread());
    EXPECT_EQ(log.Text(), kExitLines);
}

std::atomic<bool> workDone{false};

// Ignores its queue for 300 ms (longer than the old 200 forced turns), then looks.
DWORD DeafWorker(void*) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    workDone = true;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
    }
    return 0;
}

TEST_F(ThreadClass, WorkerThatIgnoresItsQueueIsWaitedForNotKilled) {
    cThread t;
    workDone = false;
    ASSERT_TRUE(t.Start(DeafWorker, nullptr));
    t.Exit();
    EXPECT_TRUE(workDone.load()); // it finished its work and returned by itself
    EXPECT_FALSE(t.HasThread());
    EXPECT_EQ(log.Text(), kExitLines);
}

TEST_F(ThreadClass, ExitResumesASuspendedWorkerFirst) {
    cThread t;
    std::atomic<int> frames{0};
    ASSERT_TRUE(t.Start(PeekingLoop, &frames));
    EXPECT_TRUE(t.Suspend());
    EXPECT_TRUE(t.Suspend());
    t.Exit();
    EXPECT_FALSE(t.HasThread());
    EXPECT_EQ(log.Text(), kExitLines);
}

TEST_F(ThreadClass, WithoutAThreadEverythingReturnsAtOnce) {
    cThread t;
    EXPECT_TRUE(t.Suspend());
    EXPECT_TRUE(t.Resume());
    t.Wait();
    t.Exit();
    EXPECT_EQ(log.Text(), "");
}

DWORD ReturnAtOnce(void* arg) {
    return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(arg));
}

TEST_F(ThreadClass, WaitClosesTheHandleAndTheObjectCanStartAgain) {
    cThread t;
    ASSERT_TRUE(t.Start(ReturnAtOnce, nullptr));
    t.Wait();
    EXPECT_FALSE(t.HasThread());
    std::atomic<int> frames{0};
    ASSERT_TRUE(t.Start(PeekingLoop, &frames));
    // A second start over a running thread would lose it.
    EXPECT_FALSE(t.Start(ReturnAtOnce, nullptr));
    t.Exit();
}

HWND uiWindow = nullptr;

// A worker that keeps asking the UI thread for something, as the game thread
// asks for sound effects.
DWORD SendingWorker(void*) {
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_QUIT) return 0;
        SendMessageA(uiWindow, WM_USER + 5, 0, 0);
    }
}

TEST_F(ThreadClass, ExitDoesNotDeadlockWithAWorkerSendingToTheExitingThread) {
    RegisterWindowClass("UiWindow", DefWindowProcA);
    uiWindow = CreateWindowA("UiWindow", "ui");
    cThread t;
    ASSERT_TRUE(t.Start(SendingWorker, nullptr));
    Sleep(5);
    t.Exit(); // this thread does not pump here
    EXPECT_FALSE(t.HasThread());
    DestroyWindow(uiWindow);
}

} // namespace
