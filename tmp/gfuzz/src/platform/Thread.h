// Threads with an id, a message queue from their first moment, cooperative
// suspension and an orderly stop. Nothing is ever stopped in the middle of its
// work: a suspended thread stops at its next safe point (any message-queue
// call, Sleep, or an explicit ThreadSafePoint), and a thread ends only by
// returning from its procedure.
#pragma once

#include "platform/Types.h"

#include <functional>
#include <memory>

struct ThreadState;

using THREADPROC = DWORD (*)(void*);

class PlatformThread {
public:
    // Starts the procedure on a new thread. Its queue exists before Start
    // returns, so PostThreadMessageA to Id() succeeds at once. Null when no
    // thread could be made.
    static std::unique_ptr<PlatformThread> Start(THREADPROC proc, void* argument);
    static std::unique_ptr<PlatformThread> Start(std::function<DWORD()> body);

    // Closing the handle leaves a running thread running.
    ~PlatformThread();
    PlatformThread(const PlatformThread&) = delete;
    PlatformThread& operator=(const PlatformThread&) = delete;

    DWORD Id() const;
    // Tests without waiting.
    bool HasEnded() const;
    // Waits at most timeoutMs real milliseconds; true when the thread has ended.
    bool WaitEnd(DWORD timeoutMs) const;
    DWORD ExitCode() const;

    // The suspend count before the call. Suspend waits (up to a few seconds)
    // until the thread stands at a safe point or is blocked in a queue call or
    // Sleep; a thread that takes longer stops at its next safe point.
    int Suspend();
    // Undoes one Suspend; the count before the call (0: it was not suspended).
    int Resume();
    int SuspendCount() const;
    // Sets the thread's stop flag (see IsThreadStopRequested) and posts WM_QUIT.
    void RequestStop();

private:
    struct Shared;
    PlatformThread() = default;
    std::shared_ptr<Shared> shared_;
};

// The calling thread's safe point: waits here while the thread is suspended.
void ThreadSafePoint();
// True once an orderly stop was asked of the calling thread.
bool IsThreadStopRequested();
// Suspends or resumes any thread that has a queue, by id; -1 when there is none.
int SuspendThreadById(DWORD threadId);
int ResumeThreadById(DWORD threadId);

// While one of these lives, the calling thread counts as closing for senders:
// messages sent to it are answered with 0 without running the window procedure.
// Used while a thread waits for another thread to end, so that a worker that
// sends to it cannot block both.
class SendRefusalScope {
public:
    SendRefusalScope();
    ~SendRefusalScope();
    SendRefusalScope(const SendRefusalScope&) = delete;
    SendRefusalScope& operator=(const SendRefusalScope&) = delete;
};
