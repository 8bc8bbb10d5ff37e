#include "platform/Thread.h"

#include "platform/ThreadState.h"

#include <thread>

namespace {

// How long Suspend waits for a busy thread to reach a safe point.
constexpr auto kSuspendWait = std::chrono::seconds(5);

int SuspendState(ThreadState& target) {
    bool self = CurrentThreadState().get() == &target;
    ThreadLock lock(target.m);
    if (target.ended) return -1;
    int before = target.suspendCount++;
    if (self) return before; // parks at its own next safe point
    target.cv.wait_for(lock, kSuspendWait, [&] {
        return target.parked || target.blocking > 0 || target.ended || target.suspendCount <= 0;
    });
    return before;
}

int ResumeState(ThreadState& target) {
    ThreadLock lock(target.m);
    int before = target.suspendCount;
    if (before > 0 && --target.suspendCount == 0) target.cv.notify_all();
    return before;
}

} // namespace

struct PlatformThread::Shared {
    std::shared_ptr<ThreadState> state;
    std::thread thread;
    mutable std::mutex m;
    mutable std::condition_variable cv;
    bool ended = false;
    DWORD exitCode = 0;
};

std::unique_ptr<PlatformThread> PlatformThread::Start(THREADPROC proc, void* argument) {
    if (!proc) return nullptr;
    return Start([proc, argument] { return proc(argument); });
}

std::unique_ptr<PlatformThread> PlatformThread::Start(std::function<DWORD()> body) {
    if (!body) return nullptr;
    auto shared = std::make_shared<Shared>();
    shared->state = NewThreadState();
    try {
        shared->thread = std::thread([shared, body = std::move(body)]() mutable {
            AdoptThreadState(shared->state);
            DWORD code = body();
            EndThreadState(*shared->state);
            std::lock_guard<std::mutex> lock(shared->m);
            shared->exitCode = code;
            shared->ended = true;
            shared->cv.notify_all();
        });
    } catch (const std::system_error&) {
        EndThreadState(*shared->state);
        return nullptr;
    }
    std::unique_ptr<PlatformThread> t(new PlatformThread());
    t->shared_ = std::move(shared);
    return t;
}

PlatformThread::~PlatformThread() {
    if (!shared_ || !shared_->thread.joinable()) return;
    if (shared_->thread.get_id() == std::this_thread::get_id()) {
        shared_->thread.detach();
        return;
    }
    if (HasEnded())
        shared_->thread.join();
    else
        shared_->thread.detach();
}

DWORD PlatformThread::Id() const {
    return shared_->state->id;
}

bool PlatformThread::HasEnded() const {
    std::lock_guard<std::mutex> lock(shared_->m);
    return shared_->ended;
}

bool PlatformThread::WaitEnd(DWORD timeoutMs) const {
    std::unique_lock<std::mutex> lock(shared_->m);
    return shared_->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return shared_->ended; });
}

DWORD PlatformThread::ExitCode() const {
    std::lock_guard<std::mutex> lock(shared_->m);
    return shared_->exitCode;
}

int PlatformThread::Suspend() {
    return SuspendState(*shared_->state);
}

int PlatformThread::Resume() {
    return ResumeState(*shared_->state);
}

int PlatformThread::SuspendCount() const {
    ThreadLock lock(shared_->state->m);
    return shared_->state->suspendCount;
}

void PlatformThread::RequestStop() {
    shared_->state->stopRequested = true;
    PostThreadMessageA(Id(), WM_QUIT, 0, 0);
}

void ThreadSafePoint() {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    SafePointLocked(*self, lock);
}

bool IsThreadStopRequested() {
    return CurrentThreadState()->stopRequested.load();
}

int SuspendThreadById(DWORD threadId) {
    auto state = FindThreadState(threadId);
    return state ? SuspendState(*state) : -1;
}

int ResumeThreadById(DWORD threadId) {
    auto state = FindThreadState(threadId);
    return state ? ResumeState(*state) : -1;
}

SendRefusalScope::SendRefusalScope() {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    ++self->refusingSends;
    // What was already sent and is waiting is answered now.
    HandleSentMessagesLocked(*self, lock);
}

SendRefusalScope::~SendRefusalScope() {
    auto self = CurrentThreadState();
    ThreadLock lock(self->m);
    --self->refusingSends;
}
