#include "platform/Messages.h"

#include "platform/Clock.h"
#include "platform/ThreadState.h"

namespace {

bool Matches(const MSG& msg, HWND hwnd, UINT first, UINT last) {
    // WM_QUIT is always taken, whatever the filter, so a loop cannot miss it.
    if (msg.message == WM_QUIT) return true;
    if (hwnd == ThreadMessagesOnly()) {
        if (msg.hwnd) return false;
    } else if (hwnd && msg.hwnd != hwnd) {
        return false;
    }
    if (first == 0 && last == 0) return true;
    return msg.message >= first && msg.message <= last;
}

// With the record locked: a thread that takes WM_QUIT off its queue is closing;
// whatever was sent to it is answered now, as it will not pump again.
void BeginClosingLocked(ThreadState& self, ThreadLock& lock) {
    self.closing = true;
    std::deque<std::shared_ptr<SentMessage>> waiting;
    waiting.swap(self.sent);
    lock.unlock();
    for (auto& sent : waiting) CompleteSentMessage(sent, 0);
    lock.lock();
}

bool TakePostedLocked(ThreadState& self, ThreadLock& lock, MSG* out, HWND hwnd, UINT first, UINT last,
                      bool remove) {
    for (auto it = self.posted.begin(); it != self.posted.end(); ++it) {
        if (!Matches(*it, hwnd, first, last)) continue;
        MSG msg = *it;
        if (remove) self.posted.erase(it);
        if (out) *out = msg;
        if (remove && msg.message == WM_QUIT) BeginClosingLocked(self, lock);
        return true;
    }
    return false;
}

// With the record locked, before a wait: park when suspended, then count as
// blocked so that a suspender need not wait for this thread.
void EnterWaitLocked(ThreadState& self, ThreadLock& lock) {
    SafePointLocked(self, lock);
    ++self.blocking;
}

void LeaveWaitLocked(ThreadState& self, ThreadLock& lock) {
    --self.blocking;
    SafePointLocked(self, lock);
}

MSG MakeMsg(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = timeGetTime();
    return msg;
}

// A thread that pumps again after WM_QUIT is not closing any more.
void StartPumpLocked(ThreadState& self, ThreadLock& lock) {
    if (!self.ended) self.closing = false;
    SafePointLocked(self, lock);
    HandleSentMessagesLocked(self, lock);
}

} // namespace

DWORD GetCurrentThreadId() {
    return CurrentThreadState()->id;
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<ThreadState> target;
    if (!hwnd) {
        target = CurrentThreadState();
    } else {
        DWORD owner = WindowOwnerThread(hwnd);
        if (!owner) return FALSE;
        target = FindThreadState(owner);
    }
    if (!target) return FALSE;
    return PostToThreadState(*target, MakeMsg(hwnd, message, wParam, lParam)) ? TRUE : FALSE;
}

BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    auto target = FindThreadState(threadId);
    if (!target) return FALSE;
    return PostToThreadState(*target, MakeMsg(nullptr, message, wParam, lParam)) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode) {
    PostToThreadState(
        *CurrentThreadState(),
        MakeMsg(nullptr, WM_QUIT, static_cast<WPARAM>(static_cast<std::intptr_t>(exitCode)), 0));
}

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD owner = WindowOwnerThread(hwnd);
    if (!owner) return 0;
    auto self = CurrentThreadState();
    if (owner == self->id) return CallWindowProcFor(hwnd, message, wParam, lParam);
    auto target = FindThreadState(owner);
    if (!target) return 0;

    auto sent = std::make_shared<SentMessage>();
    sent->msg = MakeMsg(hwnd, message, wParam, lParam);
    sent->sender = self;
    cMessageArrival* hook = nullptr;
    {
        std::lock_guard<std::mutex> lock(target->m);
        if (target->RefusesSends()) return 0;
        target->sent.push_back(sent);
        hook = target->arrivalHook;
        target->cv.notify_all();
    }
    if (hook) hook->MessageArrived();

    // While waiting, this thread answers what is sent to it, so two threads
    // sending to each other cannot block each other.
    ThreadLock lock(self->m);
    EnterWaitLocked(*self, lock);
    while (!sent->done) {
        if (!self->sent.empty()) {
            --self->blocking;
            HandleSentMessagesLocked(*self, lock);
            ++self->blocking;
            continue;
        }
        self->cv.wait(lock);
    }
    LeaveWaitLocked(*self, lock);
    return sent->result;
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    StartPumpLocked(*self, lock);
    return TakePostedLocked(*self, lock, msg, hwnd, first, last, (removeFlags & PM_REMOVE) != 0) ? TRUE
                                                                                                 : FALSE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT first, UINT last) {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    StartPumpLocked(*self, lock);
    MSG taken;
    while (!TakePostedLocked(*self, lock, &taken, hwnd, first, last, true)) {
        EnterWaitLocked(*self, lock);
        self->cv.wait(lock);
        LeaveWaitLocked(*self, lock);
        HandleSentMessagesLocked(*self, lock);
    }
    if (msg) *msg = taken;
    return taken.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    return WaitForMessage(0xFFFFFFFFu) ? TRUE : FALSE;
}

bool WaitForMessage(DWORD timeoutMs) {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    StartPumpLocked(*self, lock);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (self->posted.empty()) {
        EnterWaitLocked(*self, lock);
        bool timedOut = false;
        if (timeoutMs == 0xFFFFFFFFu)
            self->cv.wait(lock);
        else
            timedOut = self->cv.wait_until(lock, deadline) == std::cv_status::timeout;
        LeaveWaitLocked(*self, lock);
        HandleSentMessagesLocked(*self, lock);
        if (timedOut) break;
    }
    return !self->posted.empty();
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    return CallWindowProcFor(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

cMessageArrival& MessageArrivalHook() {
    static cNullMessageArrival none;
    auto self = CurrentThreadState();
    std::lock_guard<std::mutex> lock(self->m);
    return self->arrivalHook ? *self->arrivalHook : none;
}

void SetMessageArrivalHook(cMessageArrival* hook) {
    auto self = CurrentThreadState();
    std::lock_guard<std::mutex> lock(self->m);
    self->arrivalHook = hook;
}
