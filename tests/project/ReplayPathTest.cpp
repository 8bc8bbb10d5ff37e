// The name a replay is offered under: the stage's file name with its stage
// suffix and the time, a number while the name is taken, and the plain name
// again (flagged) when every number up to 999 is taken.
#include "project/ReplayPath.h"

#include "fixtures/TempDir.h"
#include "foundation/Paths.h"
#include "project/PlayData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME t;
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = 59;
    return t;
}

std::string Full(std::string relative) {
    EXPECT_TRUE(MakeFullPath(relative));
    return relative;
}

void Touch(const std::string& name) {
    std::ofstream("user_data/rpl4/" + name) << "x";
}

} // namespace

TEST(ReplayPath, TheStageNameSuffixAndTimeMakeTheName) {
    TempDir dir;
    struct Case {
        const char* stageName;
        std::int32_t flag, number, value;
        const char* expected; // relative to the current folder; "" for none
    } cases[] = {
        {"stg4\\stage01.", 0, 0, 0, "user_data\\rpl4\\stage01__2013__09_15__10_30.rpl4_818"},
        {"stage01.", 0, 0, 0, "user_data\\rpl4\\stage01__2013__09_15__10_30.rpl4_818"},
        {"stg4\\w1.", 1, 5, 3, "user_data\\rpl4\\w1_c005_3__2013__09_15__10_30.rpl4_818"},
        {"", 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        cPlayData data;
        data.strStageName = c.stageName;
        data.nStageVarFlag = c.flag;
        data.nStageVarNumber = c.number;
        data.nStageVarValue = c.value;
        const ReplayPath p = MakeReplayPath(data, At(2013, 9, 15, 10, 30));
        EXPECT_EQ(p.path, *c.expected ? Full(c.expected) : std::string()) << c.stageName;
        EXPECT_FALSE(p.allTaken) << c.stageName;
    }
}

TEST(ReplayPath, ATakenNameGetsTheFirstFreeNumberAndAllTakenIsSaid) {
    TempDir dir;
    std::filesystem::create_directories("user_data/rpl4");
    cPlayData data;
    data.strStageName = "a.";
    const SYSTEMTIME now = At(2026, 1, 2, 3, 4);
    const std::string plain = "a__2026__01_02__03_04.rpl4_818";
    auto numbered = [](int n) { return "a__2026__01_02__03_04 (" + std::to_string(n) + ").rpl4_818"; };

    Touch(plain);
    EXPECT_EQ(MakeReplayPath(data, now).path, Full("user_data\\rpl4\\" + numbered(2)));
    Touch(numbered(2));
    Touch(numbered(4)); // a gap is filled first
    EXPECT_EQ(MakeReplayPath(data, now).path, Full("user_data\\rpl4\\" + numbered(3)));

    for (int n = 3; n <= 998; ++n) Touch(numbered(n));
    ReplayPath last = MakeReplayPath(data, now);
    EXPECT_EQ(last.path, Full("user_data\\rpl4\\" + numbered(999)));
    EXPECT_FALSE(last.allTaken);

    Touch(numbered(999));
    ReplayPath taken = MakeReplayPath(data, now);
    EXPECT_TRUE(taken.allTaken);
    EXPECT_EQ(taken.path, Full("user_data\\rpl4\\" + plain));
}
