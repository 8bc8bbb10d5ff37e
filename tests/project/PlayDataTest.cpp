#include "project/PlayData.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayDataLayout, FieldsByVersion) {
    cPlayData p;
    struct {
        std::uint32_t version;
        std::size_t fields, strings;
    } cases[] = {{818, 35, 3}, {758, 35, 3}, {757, 32, 3}, {723, 32, 2}, {679, 32, 2},
                 {678, 31, 2}, {677, 28, 2}, {194, 28, 2}, {193, 27, 2}, {190, 25, 2},
                 {182, 24, 2}, {168, 21, 2}, {165, 20, 2}};
    for (const auto& c : cases) {
        p.RegisterFields(c.version);
        EXPECT_EQ(p.Fields().size(), c.fields) << c.version;
        EXPECT_EQ(p.Strings().size(), c.strings) << c.version;
    }
}

TEST(PlayDataLayout, ANewPlayThrough) {
    cPlayData p;
    p.nLives = 5;
    p.CommonVars[3] = 9;
    p.Init();
    EXPECT_EQ(p.nLives, 0);
    EXPECT_EQ(p.nStorySlot, -1);
    EXPECT_EQ(p.nOpenChallenges, 1);
    EXPECT_EQ(p.strPlayerName, "aaa");
    EXPECT_EQ(p.CarryFlags.size(), 25u);
    EXPECT_EQ(p.Carries.size(), 1u);
    EXPECT_EQ(p.ClearFlags.size(), 1000u);
    EXPECT_EQ(p.ClearFlags[0], 1);
    EXPECT_EQ(p.CommonVars.size(), 1001u);
    EXPECT_EQ(p.CommonVars[3], 0);
}

} // namespace
