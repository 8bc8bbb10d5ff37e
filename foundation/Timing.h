// Stopwatch, call counter, frames-per-second counter and frame pacing, on the
// millisecond clock. Frames are paced against a grid of exact frame times
// (frame k is due k * 1000 / fps ms after the grid's start), so 60 fps gives
// 60 frames a second, not the 62.5 of a fixed 16 ms step. A frame that comes
// more than a whole frame late starts a new grid instead of a burst of frames.
// The state is the game thread's.
#pragma once

#include "platform/Types.h"

#include <string>

DWORD StartStopwatch();
// With a non-zero flag: measures the time since the start and keeps it.
// Returns the kept value in either case.
DWORD GetStopwatchTime(int measure);
// Mode 0 resets the counter (0); mode 2 tells whether the counter stands at 0;
// any other mode counts and gives 1 (restarting) when the count reaches n or more.
int EveryNthCall(int mode, int n);
// With a non-zero flag, counts one frame; each full second the count becomes
// the result. Returns the frames of the last full second.
DWORD CountFPS(int count);
// True when the next frame is due (fps 0: always).
bool LimitFrameRate(DWORD fps);
// Sleeps until LimitFrameRate gives true: once, to the frame's due time, not
// a millisecond at a time.
void WaitNextFrame(DWORD fps);
// The pacing test of the Direct3D-like presentation; with show and a font
// picture it also draws the timing text (PresentationTiming()).
bool IsNextFrameDue(DWORD fps, bool show, const void* font);
// Sleeps until IsNextFrameDue gives true, in the same way.
void WaitUntilNextFrameDue(DWORD fps, bool show, const void* font);

// The last 16 samples of a frame measure (frame times, frame rates) and their
// average, recomputed only when the ring wraps.
struct cFpsRing {
    DWORD dwTimes[16] = {};
    int nIndex = 0;
    DWORD dwAverage = 0;

    void Add(DWORD time);
    DWORD Average() const { return dwAverage; }
};

// Back to the state of a fresh run (tests).
void ResetTimingState();
