// Places in a ranking table, the ranking file of a stage and game kind (a
// file of any size read as five tables of twenty), and the texts of times and
// digit counts the ranking displays use.
#include "fixtures/TempDir.h"
#include "project/RankSet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

cRankTable TableOf(std::int32_t order, const std::vector<std::int32_t>& values) {
    cRankTable t;
    t.bOrder = order;
    for (std::size_t i = 0; i < values.size(); ++i) {
        t.Entries[i].bUsed = 1;
        t.Entries[i].nValue = values[i];
        t.Entries[i].strName = "e" + std::to_string(i);
    }
    return t;
}

std::vector<std::int32_t> UsedValues(const cRankTable& t) {
    std::vector<std::int32_t> v;
    for (const cRankEntry& e : t.Entries)
        if (e.bUsed) v.push_back(e.nValue);
    return v;
}

} // namespace

TEST(Ranking, EntriesTakeTheirPlaceEqualValuesGoBehindAndTheTableKeepsTwenty) {
    struct Case {
        const char* what;
        std::int32_t order;
        std::vector<std::int32_t> before;
        std::int32_t value;
        int place;
        std::vector<std::int32_t> after;
    } cases[] = {
        {"an empty table: place 0", 1, {}, 5, 0, {5}},
        {"larger wins", 1, {9, 5, 1}, 6, 1, {9, 6, 5, 1}},
        {"an equal value goes behind", 1, {9, 5, 5, 1}, 5, 3, {9, 5, 5, 5, 1}},
        {"smaller wins (clear time)", 0, {100, 200}, 150, 1, {100, 150, 200}},
        {"behind the last used entry", 0, {100, 200}, 300, 2, {100, 200, 300}},
    };
    for (const Case& c : cases) {
        cRankTable t = TableOf(c.order, c.before);
        EXPECT_EQ(t.FindPlace(c.value), c.place) << c.what;
        t.AddEntry("new", c.value);
        EXPECT_EQ(UsedValues(t), c.after) << c.what;
        EXPECT_EQ(t.Entries.size(), 20u) << c.what;
        EXPECT_EQ(t.Entries[static_cast<std::size_t>(c.place)].strName, "new") << c.what;
    }

    std::vector<std::int32_t> full;
    for (int i = 0; i < 20; ++i) full.push_back(100 - i);
    cRankTable t = TableOf(1, full);
    t.AddEntry("top", 1000);
    EXPECT_EQ(t.Entries[0].strName, "top");
    EXPECT_EQ(t.Entries[19].nValue, 82) << "the twentieth drops out";
    EXPECT_EQ(t.Entries.size(), 20u);
    const std::vector<std::int32_t> before = UsedValues(t);
    EXPECT_EQ(t.FindPlace(50), -1);
    t.AddEntry("low", 50);
    EXPECT_EQ(UsedValues(t), before) << "a value that takes no place changes nothing";
}

TEST(Ranking, TheFileIsNamedByGameKindAndAStoryStageCarriesItsNumbers) {
    struct Case {
        const char* what;
        std::int32_t kind;
        std::int32_t flag;
        std::string path;
    } cases[] = {
        {"story, linked", 0, 1, "user_data\\story\\w01_c002_3.rkg"},
        {"story, not linked", 0, 0, "user_data\\story\\w01.rkg"},
        {"challenge", 1, 1, "user_data\\challenge\\w01.rkg"},
        {"free play keeps no numbers", 2, 1, "user_data\\free\\w01.rkg"},
        {"replay playback keeps no ranking", 3, 0, ""},
        {"a kind out of range", -1, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeRankingPath(c.kind, "data\\stg4\\w01.", c.flag, 2, 3), c.path) << c.what;
}

TEST(Ranking, AFileOfAnySizeIsReadAsFiveTablesOfTwentyAndAMissingOneAsEmptyTables) {
    TempDir dir;
    std::filesystem::create_directories("user_data/free");
    cRankSet small;
    small.Tables.resize(2);
    small.Tables[0].Entries.resize(3);
    small.Tables[0].Entries[0].bUsed = 1;
    small.Tables[0].Entries[0].nValue = 42;
    ASSERT_TRUE(SaveRanking(small, 2, "a.", 0, 0, 0));

    cRankSet set;
    set.Tables.resize(9);
    EXPECT_TRUE(LoadRanking(set, 2, "a.", 0, 0, 0));
    ASSERT_EQ(set.Tables.size(), 5u);
    for (const cRankTable& t : set.Tables) EXPECT_EQ(t.Entries.size(), 20u);
    EXPECT_EQ(set.Tables[0].Entries[0].nValue, 42);

    set.Tables[1].Entries[0].bUsed = 1;
    EXPECT_FALSE(LoadRanking(set, 2, "missing.", 0, 0, 0));
    EXPECT_EQ(set.Tables.size(), 5u);
    EXPECT_EQ(set.Tables[1].Entries[0].bUsed, 0) << "empty tables in place of a missing file";
    EXPECT_EQ(set.Tables[2].bOrder, 0);
    EXPECT_FALSE(LoadRanking(set, 3, "a.", 0, 0, 0)) << "replay playback has no file";
    EXPECT_FALSE(SaveRanking(set, 3, "a.", 0, 0, 0));
}

TEST(Ranking, TimesAndDigitCounts) {
    struct TimeCase {
        std::int32_t hundredths;
        const char* text;
    } times[] = {{0, "00:00.00"}, {7384, "01:13.84"}, {600000, "100:00.00"}, {5, "00:00.05"}};
    for (const TimeCase& c : times) EXPECT_EQ(FormatTime(c.hundredths), c.text) << c.hundredths;
    struct DigitCase {
        std::int32_t value;
        int digits;
    } digits[] = {{0, 1}, {9, 1}, {10, 2}, {999999, 6}, {-5, 2}, {INT32_MAX, 10}, {INT32_MIN, 11}};
    for (const DigitCase& c : digits) EXPECT_EQ(CountDigits(c.value), c.digits) << c.value;
}
