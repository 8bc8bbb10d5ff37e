#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(Random, FixedSequenceForASeed) {
    GameSrand(1);
    EXPECT_EQ(GameRand(), 41);
    EXPECT_EQ(GameRand(), 18467);
    EXPECT_EQ(GameRand(), 6334);
    EXPECT_EQ(GameRand(), 26500);
    GameSrand(12345);
    int first = GameRand();
    GameSrand(12345);
    EXPECT_EQ(GameRand(), first);
    // The 32-bit state wraps the same way everywhere.
    GameSrand(0xFFFFFFFFu);
    EXPECT_EQ(GameRand(), static_cast<int>(((0xFFFFFFFFu * 214013u + 2531011u) >> 16) & 0x7FFF));
    for (int i = 0; i < 1000; ++i) {
        int r = GameRand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, kGameRandMax);
    }
}
