// The millisecond clock. timeGetTime counts real milliseconds from a steady
// clock; a test can put a virtual clock in its place and drive it, so that
// pacing and timeouts are checked without waiting. Sleep is a safe point of the
// calling thread (see platform/Thread.h).
#pragma once

#include "platform/Types.h"

constexpr UINT TIMERR_NOERROR = 0;
constexpr UINT TIMERR_NOCANDO = 97;

DWORD timeGetTime();
// Sleep(0) only gives up the rest of the time slice.
void Sleep(DWORD milliseconds);
// The steady clock is already exact to the millisecond; these only check the
// period (0 cannot be asked for) and keep the begin/end pairs counted.
UINT timeBeginPeriod(UINT periodMs);
UINT timeEndPeriod(UINT periodMs);

// Virtual time for tests. With sleepAdvances, Sleep(n) moves the clock on by n
// and returns at once; without it, Sleep waits until AdvanceVirtualClock has
// moved the clock far enough.
void UseVirtualClock(DWORD startMs, bool sleepAdvances);
void UseRealClock();
bool IsVirtualClock();
// How many threads wait in Sleep for the virtual clock to move on.
int VirtualClockSleepers();
// How many times Sleep has been called on the virtual clock (by any thread).
int VirtualClockSleeps();
void AdvanceVirtualClock(DWORD milliseconds);
void SetVirtualClock(DWORD nowMs);
