#include "play/RectGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

// Every rectangle that meets `r`, in order: what a walk of the whole set finds.
std::vector<std::uint32_t> Meeting(const std::vector<cRectD>& rects, const cRectD& r) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].IsOverlap(r)) out.push_back(static_cast<std::uint32_t>(i));
    return out;
}

// The query's answer, ascending and without repeats, holds every meeting rectangle.
void ExpectCovers(const cRectGrid& grid, const std::vector<cRectD>& rects, const cRectD& r) {
    std::vector<std::uint32_t> got;
    grid.Query(r, got);
    for (std::size_t i = 1; i < got.size(); ++i) ASSERT_LT(got[i - 1], got[i]) << "ascending, each once";
    std::size_t j = 0;
    for (std::uint32_t want : Meeting(rects, r)) {
        while (j < got.size() && got[j] < want) ++j;
        ASSERT_TRUE(j < got.size() && got[j] == want)
            << "misses rectangle " << want << " for the query " << r.left << "," << r.top << "," << r.right
            << "," << r.bottom;
    }
}

TEST(RectGrid, AnswersEveryMeetingRectangleInOrderAndFewOthers) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> pos(-300.0, 1600.0), size(0.0, 90.0);
    std::vector<cRectD> rects;
    for (int i = 0; i < 400; ++i) {
        const double x = pos(rng), y = pos(rng);
        rects.push_back({x, y, x + size(rng), y + size(rng)});
    }
    cRectGrid grid;
    grid.Build(rects);
    std::size_t answered = 0;
    for (int i = 0; i < 2000; ++i) {
        const double x = pos(rng), y = pos(rng);
        const cRectD q{x, y, x + size(rng) / 4, y + size(rng) / 4};
        ExpectCovers(grid, rects, q);
        std::vector<std::uint32_t> got;
        grid.Query(q, got);
        answered += got.size();
    }
    EXPECT_LT(answered, 2000u * 20) << "a small query answers a handful, not the whole set";
}

TEST(RectGrid, AGridQueriedOftenAndBuiltAgainAnswersAsAFreshOne) {
    // A crowded row (many rectangles per cell) and a few loose ones: queries
    // of one cell, of several cells and of everything, one after another.
    std::vector<cRectD> rects;
    for (int i = 0; i < 300; ++i) {
        const double x = 96.0 + 32.0 * (i % 16);
        rects.push_back({x, 416, x + 31, 447});
    }
    rects.push_back({std::numeric_limits<double>::quiet_NaN(), 0, 1, 1});
    const std::vector<cRectD> queries = {
        {0, 0, 2000, 2000}, {100, 420, 104, 424}, {120, 400, 200, 430}, {300, 440, 301, 441}, {0, 0, 1, 1},
    };
    std::vector<cRectD> smaller(rects.begin(), rects.begin() + 70);
    cRectGrid reused;
    for (const std::vector<cRectD>* set : {&rects, &smaller, &rects}) {
        reused.Build(*set);
        for (int round = 0; round < 2; ++round) {
            for (const cRectD& q : queries) {
                cRectGrid fresh;
                fresh.Build(*set);
                std::vector<std::uint32_t> want, got;
                fresh.Query(q, want);
                reused.Query(q, got);
                EXPECT_EQ(got, want) << "query " << q.left << "," << q.top << " of " << set->size();
                ExpectCovers(reused, *set, q);
            }
        }
    }
}

TEST(RectGrid, EdgesThatOnlyTouchAndOddRectanglesAreNeverMissed) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<cRectD> rects = {
        {0, 0, 63.999, 63.999},         {64, 64, 127, 127},       {128, 0, 128, 0}, // a point on a cell edge
        {500, 500, 400, 600},           {nan, 0, 10, 10},         {0, -inf, 10, inf},
        {-1e300, -1e300, 1e300, 1e300}, {2000, 2000, 2032, 2032},
    };
    cRectGrid grid;
    grid.Build(rects);
    const cRectD queries[] = {
        {63.999, 63.999, 64, 64}, // touches the first two at their corners
        {128, 0, 128, 0},         {127, -5, 127, -1},           {450, 550, 460, 560},
        {2032, 2032, 3000, 3000}, {-5000, -5000, -4000, -4000}, {nan, nan, nan, nan},
        {10, 10, 5, 5},           {-inf, -inf, inf, inf},
    };
    for (const cRectD& q : queries) ExpectCovers(grid, rects, q);
}

TEST(RectGrid, AnEmptySetAndASetTooWideForCellsStillAnswer) {
    cRectGrid grid;
    grid.Build({});
    std::vector<std::uint32_t> got{9};
    grid.Query({0, 0, 10, 10}, got);
    EXPECT_TRUE(got.empty());

    const double big = std::numeric_limits<double>::max();
    const std::vector<cRectD> wide = {{-big, -big, -big, -big}, {big, big, big, big}, {0, 0, 1, 1}};
    grid.Build(wide);
    ExpectCovers(grid, wide, {0, 0, 0, 0});
    ExpectCovers(grid, wide, {big, big, big, big});
}

} // namespace
