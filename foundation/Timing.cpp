#include "foundation/Timing.h"

#include "foundation/ErrorLog.h"
#include "foundation/PresentationTiming.h"
#include "platform/Clock.h"

#include <cstdint>

namespace {

// Exact frame times from a start: frame k is due when elapsed * fps >= k * 1000.
struct FrameGrid {
    bool started = false;
    DWORD fps = 0;
    DWORD start = 0;
    DWORD frame = 0; // the next frame's number

    // True when the next frame is due; moves on to the one after it.
    bool Due(DWORD now, DWORD rate) {
        if (!started || rate != fps) {
            started = true;
            fps = rate;
            start = now;
            frame = 0;
        }
        // The grid's start may lie ahead of now just after it moved on a second.
        std::int32_t since = static_cast<std::int32_t>(now - start);
        if (since < 0) return false;
        std::uint64_t scaled = static_cast<std::uint64_t>(since) * fps;
        if (scaled < std::uint64_t{frame} * 1000u) return false;
        if (frame > 0 && scaled >= std::uint64_t{frame + 1} * 1000u) {
            // A whole frame late: start again from now rather than catch up.
            start = now;
            frame = 1;
            return true;
        }
        if (++frame >= fps) {
            frame -= fps;
            start += 1000;
        }
        return true;
    }

    // Milliseconds from now until the next frame is due (0: due now or a
    // grid not yet started), so a wait can sleep once instead of polling.
    DWORD MsUntilDue(DWORD now, DWORD rate) const {
        if (!started || rate != fps || rate == 0) return 0;
        // Frame k is due at the first whole millisecond with ms * fps >= k * 1000.
        std::uint64_t offset = (std::uint64_t{frame} * 1000u + fps - 1) / fps;
        std::int64_t wait = static_cast<std::int64_t>(offset) - static_cast<std::int32_t>(now - start);
        return wait > 0 ? static_cast<DWORD>(wait) : 0;
    }
};

struct TimingState {
    DWORD stopwatchStart = 0;
    DWORD stopwatchResult = 0;
    int callCounter = 0;
    bool fpsStarted = false;
    DWORD fpsSecondStart = 0;
    DWORD fpsCount = 0;
    DWORD fpsResult = 0;
    FrameGrid limitGrid;
    FrameGrid presentGrid;
    cFpsRing stopwatchRing;
    cFpsRing fpsRing;
    bool shown = true;
};

TimingState& State() {
    static TimingState s;
    return s;
}

} // namespace

void cFpsRing::Add(DWORD time) {
    dwTimes[nIndex++] = time;
    if (nIndex < 16) return;
    nIndex = 0;
    std::uint64_t sum = 0;
    for (DWORD t : dwTimes) sum += t;
    dwAverage = static_cast<DWORD>(sum >> 4);
}

DWORD StartStopwatch() {
    State().stopwatchStart = timeGetTime();
    return State().stopwatchStart;
}

DWORD GetStopwatchTime(int measure) {
    TimingState& s = State();
    if (measure) s.stopwatchResult = timeGetTime() - s.stopwatchStart;
    return s.stopwatchResult;
}

int EveryNthCall(int mode, int n) {
    int& counter = State().callCounter;
    if (mode == 0) {
        counter = 0;
        return 0;
    }
    if (mode == 2) return counter == 0 ? 1 : 0;
    if (++counter >= n) {
        counter = 0;
        return 1;
    }
    return 0;
}

DWORD CountFPS(int count) {
    TimingState& s = State();
    DWORD now = timeGetTime();
    if (!s.fpsStarted) {
        s.fpsStarted = true;
        s.fpsSecondStart = now;
    }
    if (count) {
        if (now - s.fpsSecondStart >= 1000) {
            s.fpsResult = s.fpsCount;
            s.fpsSecondStart = now;
            s.fpsCount = 0;
        } else {
            ++s.fpsCount;
        }
    }
    return s.fpsResult;
}

bool LimitFrameRate(DWORD fps) {
    if (fps == 0) return true;
    return State().limitGrid.Due(timeGetTime(), fps);
}

void WaitNextFrame(DWORD fps) {
    // One sleep to the due time; the clock only counts whole milliseconds, so
    // a wake-up a moment early sleeps the last one again.
    while (!LimitFrameRate(fps)) {
        DWORD wait = State().limitGrid.MsUntilDue(timeGetTime(), fps);
        Sleep(wait > 0 ? wait : 1);
    }
}

bool IsNextFrameDue(DWORD fps, bool show, const void* font) {
    TimingState& s = State();
    if (!PresentationTiming().PacedByGrid() || fps == 0) return true;
    bool drawText = show && font;
    if (drawText && s.shown) {
        // Samples are taken only after a frame that showed the text.
        s.shown = false;
        s.stopwatchRing.Add(GetStopwatchTime(0));
        s.fpsRing.Add(CountFPS(0));
    }
    if (!s.presentGrid.Due(timeGetTime(), fps)) return false;
    if (drawText) {
        std::string text =
            FormatString(1024, "FPS-Ave %u(%u)\ndwTime_OneSec %u\nnFrameCt_OneSec %u", s.fpsRing.Average(),
                         s.stopwatchRing.Average(), s.presentGrid.start, s.presentGrid.frame);
        PresentationTiming().DrawTimingText(font, 0, 16, text);
        s.shown = true;
    }
    return true;
}

void WaitUntilNextFrameDue(DWORD fps, bool show, const void* font) {
    while (!IsNextFrameDue(fps, show, font)) {
        DWORD wait = State().presentGrid.MsUntilDue(timeGetTime(), fps);
        Sleep(wait > 0 ? wait : 1);
    }
}

void ResetTimingState() {
    State() = TimingState{};
}
