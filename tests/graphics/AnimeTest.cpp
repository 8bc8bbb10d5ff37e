// Animation stepping and RandRange.
#include "graphics/AnimeState.h"
#include "graphics/RandRange.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

std::vector<int> Steps(cAnimeState& s, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(s.StepAnime());
    return out;
}

class AnimeStepping : public ::testing::Test {
protected:
    // 0: loop 5 (2 ticks), 6 (1 tick); 1: hold on 8 after 7; 2: 9 then jump to 4;
    // 3: a no-interrupt frame; 4: 11 then loop.
    const ANIMEFRAME loop[3] = {{5, 2, 0}, {6, 1, 0}, {ANIME_LOOP, 0, 0}};
    const ANIMEFRAME hold[3] = {{7, 1, 0}, {8, 3, 0}, {ANIME_HOLD, 0, 0}};
    const ANIMEFRAME jump[2] = {{9, 1, 0}, {ANIME_JUMP, 4, 0}};
    const ANIMEFRAME guarded[2] = {{10, 5, 1}, {ANIME_LOOP, 0, 0}};
    const ANIMEFRAME other[2] = {{11, 0, 0}, {ANIME_LOOP, 0, 0}};
    const ANIMEFRAME* table[6] = {loop, hold, jump, guarded, other, nullptr};
    cAnimeState s;
    void SetUp() override { s.SetAnimeTable(table); }
};

TEST_F(AnimeStepping, BuildsTheTableWithItsControlFrames) {
    ASSERT_EQ(s.Table().size(), 5u);
    EXPECT_EQ(s.Table()[0].size(), 3u);
    EXPECT_EQ(s.Table()[2][1].nTicks, 4);
    EXPECT_EQ(s.Anime(), 0);
    EXPECT_EQ(s.Frame(), 0);
    EXPECT_EQ(s.Tick(), 0);
}

TEST_F(AnimeStepping, LoopReturnsFrameZeroTwiceAfterTheFirstRound) {
    EXPECT_EQ(Steps(s, 8), (std::vector<int>{5, 6, 5, 5, 6, 5, 5, 6}));
}

TEST_F(AnimeStepping, HoldRepeatsTheLastPictureFrame) {
    s.SetAnime(1, 0);
    EXPECT_EQ(Steps(s, 8), (std::vector<int>{8, 8, 8, 8, 8, 8, 8, 8}));
    EXPECT_EQ(s.GetAnimeCell(), 8);
}

TEST_F(AnimeStepping, JumpStartsTheNamedAnimationInTheSameStep) {
    s.SetAnime(2, 0);
    EXPECT_EQ(s.StepAnime(), 11);
    EXPECT_EQ(s.Anime(), 4);
    EXPECT_EQ(s.Frame(), 0);
    EXPECT_EQ(Steps(s, 2), (std::vector<int>{11, 11})); // a wait of 0 shows one tick
}

TEST_F(AnimeStepping, NoInterruptFramesRefuseUnforcedStarts) {
    s.SetAnime(3, 0);
    s.StepAnime();
    EXPECT_EQ(s.SetAnime(0, 0), 0);
    EXPECT_EQ(s.Anime(), 3);
    EXPECT_EQ(s.Tick(), 1);
    EXPECT_EQ(s.ChangeAnime(3, 0), 1) << "the running animation is not restarted";
    EXPECT_EQ(s.Tick(), 1);
    EXPECT_EQ(s.ChangeAnime(0, 0), 0);
    EXPECT_EQ(s.SetAnime(0, 1), 1);
    EXPECT_EQ(s.GetAnimeCell(), 5);
}

TEST(AnimeSteppingEdges, AnEndedAnimationStaysEnded) {
    const ANIMEFRAME once[2] = {{4, 2, 0}, {ANIME_ENDED, 0, 0}};
    const ANIMEFRAME* table[2] = {once, nullptr};
    cAnimeState s;
    s.SetAnimeTable(table);
    EXPECT_EQ(Steps(s, 5), (std::vector<int>{4, ANIME_ENDED, ANIME_ENDED, ANIME_ENDED, ANIME_ENDED}));
}

TEST(AnimeSteppingEdges, AnEmptyTableStepsToZero) {
    cAnimeState s;
    s.SetAnimeTable(static_cast<const ANIMEFRAME* const*>(nullptr));
    EXPECT_EQ(s.StepAnime(), 0);
    EXPECT_EQ(s.GetAnimeCell(), 0);
}

TEST(RandRangeTest, EitherOrderGivesEveryValueBetweenTheBounds) {
    for (auto [a, b] : {std::pair{5, 2}, {2, 5}, {-3, 3}, {3, -3}}) {
        GameSrand(1234);
        std::set<int> seen;
        for (int i = 0; i < 400; ++i) {
            int v = RandRange(a, b);
            ASSERT_GE(v, std::min(a, b));
            ASSERT_LE(v, std::max(a, b));
            seen.insert(v);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), std::abs(a - b) + 1);
    }
    GameSrand(99);
    int first = RandRange(2, 5);
    GameSrand(99);
    EXPECT_EQ(RandRange(5, 2), first) << "the order of the bounds does not change the value";
    EXPECT_EQ(RandRange(7, 7), 7);
}

TEST(RandRangeTest, UsesTheGameGenerator) {
    GameSrand(1);
    // x = x * 214013 + 2531011, (x >> 16) & 0x7FFF: 41, 18467, 6334 from seed 1.
    EXPECT_EQ(RandRange(0, 32767), 41);
    EXPECT_EQ(RandRange(0, 32767), 18467);
    EXPECT_EQ(RandRange(0, 99), 6334 % 100);
}

} // namespace
