#include "platform/Clock.h"

#include "platform/ThreadState.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

struct VirtualClock {
    std::mutex m;
    std::condition_variable cv;
    std::atomic<bool> active{false};
    std::atomic<bool> sleepAdvances{true};
    std::atomic<DWORD> now{0};
    std::atomic<int> sleepers{0};
    std::atomic<int> sleeps{0};
};

VirtualClock& Virtual() {
    static VirtualClock v;
    return v;
}

std::atomic<int> periodsBegun{0};

const std::chrono::steady_clock::time_point& ProcessStart() {
    static const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    return start;
}

void VirtualSleep(DWORD ms) {
    VirtualClock& v = Virtual();
    v.sleeps.fetch_add(1);
    if (v.sleepAdvances.load()) {
        AdvanceVirtualClock(ms);
        std::this_thread::yield();
        return;
    }
    std::unique_lock<std::mutex> lock(v.m);
    DWORD until = v.now.load() + ms;
    v.sleepers.fetch_add(1);
    v.cv.wait(lock, [&] { return !v.active.load() || static_cast<std::int32_t>(v.now.load() - until) >= 0; });
    v.sleepers.fetch_sub(1);
}

} // namespace

DWORD timeGetTime() {
    if (Virtual().active.load()) return Virtual().now.load();
    auto elapsed = std::chrono::steady_clock::now() - ProcessStart();
    // Wraps after 49.7 days, as a 32-bit millisecond count does.
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Sleep(DWORD milliseconds) {
    auto self = CurrentThreadState();
    {
        ThreadLock lock(self->m);
        SafePointLocked(*self, lock);
        ++self->blocking;
    }
    if (Virtual().active.load())
        VirtualSleep(milliseconds);
    else if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    ThreadLock lock(self->m);
    --self->blocking;
    SafePointLocked(*self, lock);
}

UINT timeBeginPeriod(UINT periodMs) {
    if (periodMs == 0) return TIMERR_NOCANDO;
    periodsBegun.fetch_add(1);
    return TIMERR_NOERROR;
}

UINT timeEndPeriod(UINT periodMs) {
    if (periodMs == 0 || periodsBegun.load() <= 0) return TIMERR_NOCANDO;
    periodsBegun.fetch_sub(1);
    return TIMERR_NOERROR;
}

void UseVirtualClock(DWORD startMs, bool sleepAdvances) {
    VirtualClock& v = Virtual();
    std::lock_guard<std::mutex> lock(v.m);
    v.now = startMs;
    v.sleepAdvances = sleepAdvances;
    v.active = true;
    v.cv.notify_all();
}

void UseRealClock() {
    VirtualClock& v = Virtual();
    std::lock_guard<std::mutex> lock(v.m);
    v.active = false;
    v.cv.notify_all();
}

int VirtualClockSleepers() {
    return Virtual().sleepers.load();
}

int VirtualClockSleeps() {
    return Virtual().sleeps.load();
}

bool IsVirtualClock() {
    return Virtual().active.load();
}

void AdvanceVirtualClock(DWORD milliseconds) {
    VirtualClock& v = Virtual();
    std::lock_guard<std::mutex> lock(v.m);
    v.now = v.now.load() + milliseconds;
    v.cv.notify_all();
}

void SetVirtualClock(DWORD nowMs) {
    VirtualClock& v = Virtual();
    std::lock_guard<std::mutex> lock(v.m);
    v.now = nowMs;
    v.cv.notify_all();
}
