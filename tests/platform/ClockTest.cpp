#include "platform/Clock.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(Clock, VirtualClockIsDrivenBySleepOrByTheTest) {
    UseVirtualClock(1000, true);
    EXPECT_EQ(timeGetTime(), 1000u);
    Sleep(16);
    EXPECT_EQ(timeGetTime(), 1016u);
    AdvanceVirtualClock(4);
    EXPECT_EQ(timeGetTime(), 1020u);

    // Without auto-advance a sleeper waits for the driver.
    UseVirtualClock(0, false);
    std::atomic<bool> woke{false};
    std::thread sleeper([&] {
        Sleep(10);
        woke = true;
    });
    while (VirtualClockSleepers() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(woke.load());
    AdvanceVirtualClock(9);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(woke.load());
    AdvanceVirtualClock(1);
    sleeper.join();
    EXPECT_TRUE(woke.load());
    UseRealClock();
}

TEST(Clock, RealClockAdvancesAndPeriodsPair) {
    UseRealClock();
    DWORD t0 = timeGetTime();
    Sleep(20);
    DWORD t1 = timeGetTime();
    EXPECT_GE(t1 - t0, 19u);
    EXPECT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
    EXPECT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(timeEndPeriod(1), TIMERR_NOCANDO);
}

} // namespace
