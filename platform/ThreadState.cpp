#include "platform/ThreadState.h"

#include <unordered_map>
#include <vector>

namespace {

std::mutex& RegistryMutex() {
    static std::mutex m;
    return m;
}

std::unordered_map<DWORD, std::shared_ptr<ThreadState>>& Registry() {
    static std::unordered_map<DWORD, std::shared_ptr<ThreadState>> r;
    return r;
}

std::atomic<DWORD> nextThreadId{1};

// Set once the thread's record has been torn down; plain, so it outlives the holder.
thread_local bool currentGone = false;

// Ends the thread's record when the thread itself ends, whoever made it.
struct CurrentHolder {
    std::shared_ptr<ThreadState> state;
    ~CurrentHolder() {
        currentGone = true;
        if (state) EndThreadState(*state);
    }
};

thread_local CurrentHolder current;

std::shared_ptr<ThreadState> MakeRegistered() {
    auto state = std::make_shared<ThreadState>(nextThreadId.fetch_add(1));
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry()[state->id] = state;
    return state;
}

} // namespace

std::shared_ptr<ThreadState> CurrentThreadState() {
    // Calls from destructors of globals, after this thread's record is gone,
    // get a record of their own that no other thread can reach.
    if (currentGone) return std::make_shared<ThreadState>(nextThreadId.fetch_add(1));
    if (!current.state) current.state = MakeRegistered();
    return current.state;
}

std::shared_ptr<ThreadState> FindThreadState(DWORD threadId) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    auto it = Registry().find(threadId);
    return it == Registry().end() ? nullptr : it->second;
}

std::shared_ptr<ThreadState> NewThreadState() {
    return MakeRegistered();
}

void AdoptThreadState(std::shared_ptr<ThreadState> state) {
    current.state = std::move(state);
}

void EndThreadState(ThreadState& self) {
    std::deque<std::shared_ptr<SentMessage>> waiting;
    {
        ThreadLock lock(self.m);
        if (self.ended) return;
        self.ended = true;
        self.closing = true;
        self.suspendCount = 0;
        waiting.swap(self.sent);
        self.posted.clear();
        self.arrivalHook = nullptr;
        self.cv.notify_all();
    }
    for (auto& sent : waiting) CompleteSentMessage(sent, 0);
    {
        std::lock_guard<std::mutex> lock(RegistryMutex());
        Registry().erase(self.id);
    }
    ForgetWindowsOfThread(self.id);
}

void SafePointLocked(ThreadState& self, ThreadLock& lock) {
    if (self.suspendCount <= 0) return;
    self.parked = true;
    self.cv.notify_all();
    self.cv.wait(lock, [&] { return self.suspendCount <= 0; });
    self.parked = false;
}

void HandleSentMessagesLocked(ThreadState& self, ThreadLock& lock) {
    while (!self.sent.empty()) {
        SafePointLocked(self, lock);
        if (self.sent.empty()) break;
        std::shared_ptr<SentMessage> sent = self.sent.front();
        self.sent.pop_front();
        bool refuse = self.RefusesSends();
        lock.unlock();
        LRESULT result = 0;
        if (!refuse)
            result = CallWindowProcFor(sent->msg.hwnd, sent->msg.message, sent->msg.wParam, sent->msg.lParam);
        CompleteSentMessage(sent, result);
        lock.lock();
    }
}

void CompleteSentMessage(const std::shared_ptr<SentMessage>& sent, LRESULT result) {
    ThreadState& sender = *sent->sender;
    std::lock_guard<std::mutex> lock(sender.m);
    sent->result = result;
    sent->done = true;
    sender.cv.notify_all();
}

bool PostToThreadState(ThreadState& target, const MSG& msg) {
    cMessageArrival* hook = nullptr;
    {
        std::lock_guard<std::mutex> lock(target.m);
        if (target.ended) return false;
        target.posted.push_back(msg);
        hook = target.arrivalHook;
        target.cv.notify_all();
    }
    if (hook) hook->MessageArrived();
    return true;
}
