#include "foundation/Rect.h"
#include "foundation/PauseJob.h"

#include <gtest/gtest.h>

namespace {

cRectD R(double l, double t, double r, double b) {
    cRectD d;
    d.left = l;
    d.top = t;
    d.right = r;
    d.bottom = b;
    return d;
}

TEST(Rect, IsOverlapCountsTouchingEdges) {
    const cRectD a = R(0, 0, 31, 31);
    const struct {
        cRectD other;
        bool overlap;
    } cases[] = {
        {R(31, 0, 63, 31), true},       // shares the right edge
        {R(-32, 0, 0, 31), true},       // shares the left edge
        {R(0, 31, 31, 63), true},       // shares the bottom edge
        {R(10, 10, 20, 20), true},      // inside
        {R(-10, -10, 50, 50), true},    // around
        {R(31.0001, 0, 63, 31), false}, // left beyond our right by any amount
        {R(-32, 0, -0.0001, 31), false}, {R(0, 31.5, 31, 63), false}, {R(0, -40, 31, -1e-9), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(a.IsOverlap(c.other), c.overlap) << c.other.left << "," << c.other.top;
        EXPECT_EQ(c.other.IsOverlap(a), c.overlap); // symmetric
    }
    cRectD zero;
    EXPECT_EQ(zero.left + zero.top + zero.right + zero.bottom, 0.0);
}

TEST(PauseJob, SetGivesTheDelayOnlyToANewKeyWaitMessage) {
    const struct {
        int mode, key, frames, continuation;
        int delay;
    } cases[] = {
        {1, 5, 0, 0, 10}, {1, 1, 0, 0, 10}, {1, 5, 0, 1, 0},
        {2, 5, 0, 0, 0},  {1, 0, 30, 0, 0}, {3, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        cPauseJob job;
        job.nExtra = 7;
        job.Set(c.mode, c.key, c.frames, c.continuation);
        EXPECT_EQ(job.nDelay, c.delay) << c.mode << " " << c.key << " " << c.continuation;
        EXPECT_EQ(job.nMode, c.mode);
        EXPECT_EQ(job.bKeyWait, c.key);
        EXPECT_EQ(job.nFrames, c.frames);
        EXPECT_EQ(job.nExtra, 0);
    }
}

} // namespace
