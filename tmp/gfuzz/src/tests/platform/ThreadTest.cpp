#include "platform/Thread.h"

#include "platform/Clock.h"
#include "platform/Messages.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Wait in real time for a condition another thread brings about.
template <class Pred> bool Eventually(Pred pred) {
    for (int i = 0; i < 5000; ++i) {
        if (pred()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return pred();
}

TEST(ThreadControl, BusyWorkerStopsAtItsSafePointAndResumes) {
    std::atomic<long> counter{0};
    auto worker = PlatformThread::Start([&]() -> DWORD {
        while (!IsThreadStopRequested()) {
            ++counter;
            ThreadSafePoint();
        }
        return 1;
    });
    ASSERT_TRUE(Eventually([&] { return counter > 10; }));
    EXPECT_EQ(worker->Suspend(), 0);
    long stopped = counter;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(counter.load(), stopped);
    // Counts nest: two suspensions need two resumptions.
    EXPECT_EQ(worker->Suspend(), 1);
    EXPECT_EQ(worker->Resume(), 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(counter.load(), stopped);
    EXPECT_EQ(worker->Resume(), 1);
    EXPECT_TRUE(Eventually([&] { return counter > stopped + 10; }));
    EXPECT_EQ(worker->Resume(), 0); // not suspended: nothing to undo
    worker->RequestStop();
    ASSERT_TRUE(worker->WaitEnd(5000));
    EXPECT_EQ(worker->ExitCode(), 1u);
    EXPECT_EQ(worker->Suspend(), -1);
}

TEST(ThreadControl, WorkerWaitingForMessagesIsSuspendedAtOnceAndHandlesNothingUntilResumed) {
    std::atomic<int> handled{0};
    auto worker = PlatformThread::Start([&]() -> DWORD {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0)) ++handled;
        return 0;
    });
    EXPECT_EQ(SuspendThreadById(worker->Id()), 0);
    PostThreadMessageA(worker->Id(), WM_USER, 0, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(handled.load(), 0);
    EXPECT_EQ(ResumeThreadById(worker->Id()), 1);
    EXPECT_TRUE(Eventually([&] { return handled == 1; }));
    PostThreadMessageA(worker->Id(), WM_QUIT, 0, 0);
    EXPECT_TRUE(worker->WaitEnd(5000));
}

std::unique_ptr<PlatformThread>* sender = nullptr;
std::atomic<int> suspendResult{-9};

LRESULT SuspendSenderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The handler of a send suspends the very thread that waits in the send,
    // as the UI thread does around a modal dialog.
    if (message == WM_USER + 2) {
        suspendResult = (*sender)->Suspend();
        return 5;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(ThreadControl, SenderSuspendedByTheHandlerStaysStoppedUntilResumed) {
    RegisterWindowClass("SuspendSender", SuspendSenderProc);
    suspendResult = -9;
    HWND w = CreateWindowA("SuspendSender", "main");
    std::atomic<LRESULT> answer{0};
    std::unique_ptr<PlatformThread> worker = PlatformThread::Start([&]() -> DWORD {
        answer = SendMessageA(w, WM_USER + 2, 0, 0);
        return 0;
    });
    sender = &worker;
    MSG msg;
    while (suspendResult == -9) PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    EXPECT_EQ(suspendResult.load(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    // The answer is there, but the worker does not go on while suspended.
    EXPECT_EQ(answer.load(), 0);
    EXPECT_FALSE(worker->HasEnded());
    worker->Resume();
    EXPECT_TRUE(worker->WaitEnd(5000));
    EXPECT_EQ(answer.load(), 5);
    DestroyWindow(w);
}

TEST(ThreadControl, ThreadWaitingForAWorkerRefusesItsSends) {
    RegisterWindowClass("Refuser", DefWindowProcA);
    HWND w = CreateWindowA("Refuser", "main");
    std::atomic<LRESULT> answer{-1};
    std::atomic<bool> go{false};
    auto worker = PlatformThread::Start([&]() -> DWORD {
        while (!go) Sleep(1);
        answer = SendMessageA(w, WM_USER + 5, 0, 0);
        return 0;
    });
    {
        SendRefusalScope refusing;
        go = true;
        // This thread does not pump while it waits: the send must not hang.
        EXPECT_TRUE(worker->WaitEnd(5000));
    }
    EXPECT_EQ(answer.load(), 0);
    DestroyWindow(w);
}

} // namespace
