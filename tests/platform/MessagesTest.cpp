#include "platform/Messages.h"

#include "platform/Clock.h"
#include "platform/Thread.h"

#include <atomic>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

std::atomic<DWORD> handledOnThread{0};
std::atomic<int> echoCalls{0};

// Answers WM_USER+1 with wParam + 1 and notes the thread it ran on.
LRESULT EchoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) {
        handledOnThread = GetCurrentThreadId();
        ++echoCalls;
        return static_cast<LRESULT>(wParam) + 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterOnce(const char* name, WNDPROC proc) {
    RegisterWindowClass(name, proc);
}

// A worker that owns one window of the class; what it does after making the
// window is up to the test.
struct WindowWorker {
    std::atomic<HWND> hwnd{nullptr};
    std::unique_ptr<PlatformThread> thread;

    template <class Body> explicit WindowWorker(const char* cls, Body body) {
        thread = PlatformThread::Start([this, cls, body]() -> DWORD {
            hwnd = CreateWindowA(cls, "worker");
            return body();
        });
        while (!hwnd.load()) Sleep(1);
    }
};

DWORD PumpUntilQuit() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) DispatchMessageA(&msg);
    return static_cast<DWORD>(msg.wParam);
}

TEST(SendMessage, CrossThreadSendRunsOnOwnerAndReturnsItsAnswer) {
    RegisterOnce("EchoA", EchoProc);
    WindowWorker worker("EchoA", PumpUntilQuit);
    echoCalls = 0;
    EXPECT_EQ(SendMessageA(worker.hwnd, WM_USER + 1, 41, 0), 42);
    EXPECT_EQ(handledOnThread.load(), worker.thread->Id());
    EXPECT_NE(handledOnThread.load(), GetCurrentThreadId());
    // A send on the owning thread itself is a plain call.
    HWND mine = CreateWindowA("EchoA", "main");
    EXPECT_EQ(SendMessageA(mine, WM_USER + 1, 1, 0), 2);
    EXPECT_EQ(handledOnThread.load(), GetCurrentThreadId());
    DestroyWindow(mine);
    PostThreadMessageA(worker.thread->Id(), WM_QUIT, 7, 0);
    ASSERT_TRUE(worker.thread->WaitEnd(5000));
    EXPECT_EQ(worker.thread->ExitCode(), 7u);
    EXPECT_EQ(echoCalls.load(), 2);
}

TEST(SendMessage, SendToClosingOrEndedThreadReturnsInsteadOfHanging) {
    RegisterOnce("EchoB", EchoProc);
    std::atomic<bool> release{false};
    std::atomic<bool> tookQuit{false};
    // Takes WM_QUIT, then stays alive without pumping: it is closing.
    WindowWorker worker("EchoB", [&]() -> DWORD {
        PumpUntilQuit();
        tookQuit = true;
        while (!release) Sleep(1);
        return 0;
    });
    PostThreadMessageA(worker.thread->Id(), WM_QUIT, 0, 0);
    while (!tookQuit) Sleep(1);
    echoCalls = 0;
    EXPECT_EQ(SendMessageA(worker.hwnd, WM_USER + 1, 1, 0), 0);
    EXPECT_EQ(echoCalls.load(), 0);
    release = true;
    ASSERT_TRUE(worker.thread->WaitEnd(5000));
    // Gone: the window went with its thread.
    EXPECT_FALSE(IsWindow(worker.hwnd));
    EXPECT_EQ(SendMessageA(worker.hwnd, WM_USER + 1, 1, 0), 0);
    EXPECT_FALSE(PostMessageA(worker.hwnd, WM_USER, 0, 0));
}

TEST(SendMessage, SendWaitingWhenReceiverEndsIsAnsweredWithZero) {
    RegisterOnce("EchoC", EchoProc);
    std::atomic<bool> release{false};
    // Never pumps: the send waits until the thread ends.
    WindowWorker worker("EchoC", [&]() -> DWORD {
        while (!release) Sleep(1);
        return 0;
    });
    std::thread releaser([&] {
        Sleep(50);
        release = true;
    });
    echoCalls = 0;
    EXPECT_EQ(SendMessageA(worker.hwnd, WM_USER + 1, 5, 0), 0);
    EXPECT_EQ(echoCalls.load(), 0);
    releaser.join();
    worker.thread->WaitEnd(5000);
}

HWND mainEcho = nullptr;

LRESULT AskBackProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 2) return SendMessageA(mainEcho, WM_USER + 1, wParam, 0) * 10;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(SendMessage, SendersAnswerWhatIsSentToThemWhileTheyWait) {
    RegisterOnce("EchoD", EchoProc);
    RegisterOnce("AskBack", AskBackProc);
    mainEcho = CreateWindowA("EchoD", "main");
    WindowWorker worker("AskBack", PumpUntilQuit);
    // The worker's handler sends back to this thread while this thread waits.
    EXPECT_EQ(SendMessageA(worker.hwnd, WM_USER + 2, 3, 0), 40);
    EXPECT_EQ(handledOnThread.load(), GetCurrentThreadId());
    PostThreadMessageA(worker.thread->Id(), WM_QUIT, 0, 0);
    worker.thread->WaitEnd(5000);
    DestroyWindow(mainEcho);
}

TEST(ThreadMessages, PostedMessagesArriveInOrderAndWmQuitEndsTheLoop) {
    std::vector<UINT> got;
    auto worker = PlatformThread::Start([&]() -> DWORD {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0)) got.push_back(msg.message);
        return static_cast<DWORD>(msg.wParam);
    });
    ASSERT_TRUE(worker);
    DWORD id = worker->Id();
    EXPECT_TRUE(PostThreadMessageA(id, WM_APP, 0, 0)); // the queue exists at once
    EXPECT_TRUE(PostThreadMessageA(id, WM_USER + 3, 0, 0));
    EXPECT_TRUE(PostThreadMessageA(id, WM_USER + 4, 0, 0));
    EXPECT_TRUE(PostThreadMessageA(id, WM_QUIT, 9, 0));
    ASSERT_TRUE(worker->WaitEnd(5000));
    EXPECT_EQ(worker->ExitCode(), 9u);
    EXPECT_EQ(got, (std::vector<UINT>{WM_APP, WM_USER + 3, WM_USER + 4}));
    EXPECT_FALSE(PostThreadMessageA(id, WM_USER, 0, 0));
    EXPECT_FALSE(PostThreadMessageA(0xFFFFFFF0u, WM_USER, 0, 0));
}

std::vector<UINT> seen;

LRESULT RecordProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(PeekMessage, RemoveFlagsAndFilters) {
    RegisterOnce("Record", RecordProc);
    seen.clear();
    HWND w = CreateWindowA("Record", "t");
    ASSERT_TRUE(w);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    PostMessageA(w, WM_USER + 10, 1, 2);
    PostMessageA(nullptr, WM_USER + 20, 0, 0); // a message for this thread itself
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 10);
    // Thread messages only, then a range that takes only the second.
    EXPECT_TRUE(PeekMessageA(&msg, ThreadMessagesOnly(), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 20);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 15, WM_USER + 25, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 20);
    EXPECT_TRUE(PeekMessageA(&msg, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, w);
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, 2);
    DispatchMessageA(&msg);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // WM_QUIT passes any filter.
    PostQuitMessage(3);
    EXPECT_TRUE(PeekMessageA(&msg, w, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    // WM_CLOSE through the default handling destroys the window.
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(seen, (std::vector<UINT>{WM_CREATE, WM_USER + 10, WM_CLOSE, WM_DESTROY}));
}

TEST(PeekMessage, ArrivalHookAndTimedWaitLetAnotherPumpShareTheThread) {
    struct cCountWakes : cMessageArrival {
        std::atomic<int> wakes{0};
        void MessageArrived() override { ++wakes; }
    } hook;
    cScopedMessageArrivalHook scoped(hook);
    EXPECT_FALSE(WaitForMessage(5));
    DWORD me = GetCurrentThreadId();
    std::thread poster([me] { PostThreadMessageA(me, WM_USER + 7, 0, 0); });
    poster.join();
    EXPECT_EQ(hook.wakes.load(), 1);
    EXPECT_TRUE(WaitForMessage(1000));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 7);
}

TEST(Windows, ClassesHandlesTitlesAndProperties) {
    EXPECT_FALSE(CreateWindowA("NoSuchClass", "x"));
    EXPECT_TRUE(RegisterWindowClass("Props", DefWindowProcA));
    EXPECT_FALSE(RegisterWindowClass("Props", DefWindowProcA));
    HWND w = CreateWindowA("Props", "タイトル");
    ASSERT_TRUE(w);
    EXPECT_EQ(FindWindowA("Props", nullptr), w);
    EXPECT_EQ(FindWindowA("Props", "other"), nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(w, nullptr), GetCurrentThreadId());
    char buf[4];
    EXPECT_EQ(GetWindowTextA(w, buf, sizeof buf), 3);
    int value = 5;
    EXPECT_TRUE(SetPropA(w, "DLG_CLASS", &value));
    EXPECT_EQ(GetPropA(w, "DLG_CLASS"), &value);
    EXPECT_EQ(RemovePropA(w, "DLG_CLASS"), &value);
    EXPECT_EQ(GetPropA(w, "DLG_CLASS"), nullptr);
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(SetPropA(w, "DLG_CLASS", &value));
    EXPECT_TRUE(UnregisterWindowClass("Props"));
}

} // namespace
