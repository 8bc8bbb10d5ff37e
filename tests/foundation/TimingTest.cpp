#include "foundation/Timing.h"

#include "foundation/PresentationTiming.h"
#include "platform/Clock.h"

#include <functional>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every test runs on a virtual clock that Sleep moves on.
struct VirtualTime : ::testing::Test {
    VirtualTime() {
        UseVirtualClock(5000, true);
        ResetTimingState();
    }
    ~VirtualTime() override {
        ResetTimingState();
        UseRealClock();
    }
};

using FramePacing = VirtualTime;

// A presentation that records the timing texts it is given.
class cRecordingTiming : public cPresentationTiming {
public:
    bool pacedByGrid = true;
    std::function<void(const void*, int, int, const std::string&)> draw;
    bool PacedByGrid() override { return pacedByGrid; }
    void DrawTimingText(const void* font, int x, int y, const std::string& text) override {
        draw(font, x, y, text);
    }
};

TEST_F(FramePacing, FramesComeAtTheTrueRateNotAFixedIntegerStep) {
    for (DWORD fps : {30u, 50u, 60u, 75u, 144u}) {
        ResetTimingState();
        DWORD start = timeGetTime();
        int sleepsBefore = VirtualClockSleeps();
        std::vector<DWORD> times;
        for (DWORD i = 0; i <= fps * 3; ++i) {
            WaitNextFrame(fps);
            times.push_back(timeGetTime());
        }
        EXPECT_EQ(times.front(), start) << fps; // the first frame is due at once
        // One sleep to each frame's due time, not one per millisecond.
        EXPECT_EQ(VirtualClockSleeps() - sleepsBefore, static_cast<int>(fps * 3)) << fps;
        // fps frames take exactly one second, every second.
        EXPECT_EQ(times[fps] - start, 1000u) << fps;
        EXPECT_EQ(times[fps * 3] - start, 3000u) << fps;
        DWORD low = 1000 / fps, high = (1000 + fps - 1) / fps;
        for (std::size_t i = 1; i < times.size(); ++i) {
            DWORD gap = times[i] - times[i - 1];
            EXPECT_TRUE(gap == low || gap == high) << fps << " frame " << i << " gap " << gap;
        }
    }
}

TEST_F(FramePacing, SixtyFramesASecondAndFpsZeroNeverWaits) {
    DWORD start = timeGetTime();
    int frames = 0;
    while (timeGetTime() - start < 1000) {
        WaitNextFrame(60);
        if (timeGetTime() - start < 1000) ++frames;
    }
    EXPECT_EQ(frames, 60);
    DWORD now = timeGetTime();
    EXPECT_TRUE(LimitFrameRate(0));
    EXPECT_TRUE(LimitFrameRate(0));
    EXPECT_EQ(timeGetTime(), now);
}

TEST_F(FramePacing, ALateFrameStartsANewGridInsteadOfABurst) {
    EXPECT_TRUE(LimitFrameRate(60));
    AdvanceVirtualClock(100); // a long frame
    EXPECT_TRUE(LimitFrameRate(60));
    EXPECT_FALSE(LimitFrameRate(60)); // no catching up
    AdvanceVirtualClock(16);
    EXPECT_FALSE(LimitFrameRate(60));
    AdvanceVirtualClock(1);
    EXPECT_TRUE(LimitFrameRate(60));
}

TEST_F(FramePacing, PresentationGridDrawsTheTimingTextAfterShownFrames) {
    std::vector<std::string> texts;
    int font = 0;
    cRecordingTiming timing;
    timing.draw = [&](const void* f, int x, int y, const std::string& text) {
        EXPECT_EQ(f, &font);
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 16);
        texts.push_back(text);
    };
    cScopedPresentationTiming guard(timing);
    int due = 0;
    for (int ms = 0; ms < 1000; ++ms) {
        if (IsNextFrameDue(60, true, &font)) ++due;
        Sleep(1);
    }
    EXPECT_EQ(due, 60);
    ASSERT_EQ(texts.size(), 60u);
    EXPECT_EQ(texts.front(), "FPS-Ave 0(0)\ndwTime_OneSec 5000\nnFrameCt_OneSec 1");
    // After 60 frames the grid has moved one second on.
    EXPECT_EQ(texts.back(), "FPS-Ave 0(0)\ndwTime_OneSec 6000\nnFrameCt_OneSec 0");
    // Without show, or when the presentation does not pace by the grid.
    EXPECT_TRUE(IsNextFrameDue(60, false, nullptr));
    EXPECT_FALSE(IsNextFrameDue(60, false, nullptr));
    timing.pacedByGrid = false;
    EXPECT_TRUE(IsNextFrameDue(60, false, nullptr));
    EXPECT_TRUE(IsNextFrameDue(0, false, nullptr));
    EXPECT_EQ(texts.size(), 60u);
}

TEST_F(FramePacing, PresentationWaitSleepsOnceToEachFrameOfItsGrid) {
    cRecordingTiming timing;
    int drawn = 0;
    timing.draw = [&](const void*, int, int, const std::string&) { ++drawn; };
    cScopedPresentationTiming guard(timing);
    int font = 0;
    DWORD start = timeGetTime();
    int sleepsBefore = VirtualClockSleeps();
    std::vector<DWORD> times;
    for (int i = 0; i <= 120; ++i) {
        WaitUntilNextFrameDue(60, true, &font);
        times.push_back(timeGetTime() - start);
    }
    EXPECT_EQ(VirtualClockSleeps() - sleepsBefore, 120);
    EXPECT_EQ(drawn, 121);
    EXPECT_EQ(times[1], 17u);
    EXPECT_EQ(times[60], 1000u);
    EXPECT_EQ(times[120], 2000u);
    // Not paced by the grid: no wait at all.
    timing.pacedByGrid = false;
    sleepsBefore = VirtualClockSleeps();
    WaitUntilNextFrameDue(60, false, nullptr);
    EXPECT_EQ(VirtualClockSleeps(), sleepsBefore);
}

TEST_F(VirtualTime, CountFpsGivesTheFramesOfTheLastFullSecond) {
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(CountFPS(1), 0u);
        Sleep(16);
    }
    EXPECT_EQ(timeGetTime(), 5960u);
    Sleep(40);
    EXPECT_EQ(CountFPS(1), 60u); // this call is not counted
    EXPECT_EQ(CountFPS(0), 60u);
    EXPECT_EQ(CountFPS(1), 60u);
}

TEST_F(VirtualTime, StopwatchKeepsItsLastMeasure) {
    EXPECT_EQ(StartStopwatch(), 5000u);
    Sleep(7);
    EXPECT_EQ(GetStopwatchTime(0), 0u);
    EXPECT_EQ(GetStopwatchTime(1), 7u);
    Sleep(5);
    EXPECT_EQ(GetStopwatchTime(0), 7u);
    EXPECT_EQ(GetStopwatchTime(1), 12u);
}

TEST_F(VirtualTime, EveryNthCallModes) {
    struct Step {
        int mode, n, result;
    } steps[] = {
        {1, 3, 0},
        {1, 3, 0},
        {1, 3, 1},
        {2, 0, 1},
        {1, 3, 0},
        {2, 0, 0},
        {1, 3, 0},
        {1, 3, 1},
        {1, 60, 0},
        {0, 0, 0},
        {2, 0, 1},
        // A counter already past a smaller n fires at once.
        {1, 5, 0},
        {1, 5, 0},
        {1, 5, 0},
        {1, 2, 1},
    };
    int i = 0;
    for (const Step& s : steps) EXPECT_EQ(EveryNthCall(s.mode, s.n), s.result) << "step " << i++;
}

} // namespace
