// The per-thread record behind queues and thread control: the message queue,
// the messages sent to the thread and waiting, and the suspension state. One
// mutex guards each record; its condition variable wakes the thread for new
// messages, answered sends and resumption, and wakes a suspender when the
// thread parks. Used only inside platform/.
#pragma once

#include "platform/Messages.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

struct ThreadState;

struct SentMessage {
    MSG msg;
    LRESULT result = 0;
    bool done = false; // guarded by the sender's mutex
    std::shared_ptr<ThreadState> sender;
};

struct ThreadState {
    explicit ThreadState(DWORD threadId) : id(threadId) {}

    const DWORD id;
    std::mutex m;
    std::condition_variable cv;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool closing = false; // took WM_QUIT: sends are refused
    bool ended = false;
    int refusingSends = 0;
    int suspendCount = 0;
    bool parked = false;
    int blocking = 0; // inside a wait of a queue call or Sleep
    cMessageArrival* arrivalHook = nullptr;
    std::atomic<bool> stopRequested{false};

    bool RefusesSends() const { return closing || ended || refusingSends > 0; }
};

using ThreadLock = std::unique_lock<std::mutex>;

// The calling thread's record, made on first use.
std::shared_ptr<ThreadState> CurrentThreadState();
// A live thread's record, or null.
std::shared_ptr<ThreadState> FindThreadState(DWORD threadId);
// Makes a record for a thread about to start; the new thread adopts it.
std::shared_ptr<ThreadState> NewThreadState();
void AdoptThreadState(std::shared_ptr<ThreadState> state);
// The thread is ending: sends are answered with 0, its windows disappear, its
// id stops resolving.
void EndThreadState(ThreadState& self);

// With the record locked: parks while the thread is suspended.
void SafePointLocked(ThreadState& self, ThreadLock& lock);
// With the record locked: runs (or refuses) every message sent to the thread.
// Unlocks while a window procedure runs.
void HandleSentMessagesLocked(ThreadState& self, ThreadLock& lock);
// Answers a sent message and wakes its sender.
void CompleteSentMessage(const std::shared_ptr<SentMessage>& sent, LRESULT result);
// Queues a posted message and wakes the thread; false when it has ended.
bool PostToThreadState(ThreadState& target, const MSG& msg);

// Window side, used by the queues.
LRESULT CallWindowProcFor(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
DWORD WindowOwnerThread(HWND hwnd);
void ForgetWindowsOfThread(DWORD threadId);
