// The play data's stored layout: its round trip, files of older versions and
// damaged files.
#include "project/PlayData.h"

#include "fixtures/GameGlobals.h"
#include "project/WorldMap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

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

// Globals the play data reads (world map size, challenge count) at their
// defaults, put back afterwards.
class PlayDataFile : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
    cWorldMap map = WorldMap;
    void TearDown() override { WorldMap = map; }
};

// Every registered number distinct, the world-map position inside the map,
// and every list holding something.
cPlayData Filled() {
    cPlayData p;
    p.RegisterFields(dwDataVersion);
    std::int32_t n = 100;
    for (const SAVEBLOCK& f : p.Fields()) *static_cast<std::int32_t*>(f.address) = n++;
    p.nMapX = 3;
    p.nMapY = 4;
    p.strStageName = "data\\stg4\\a.";
    p.strKeyName = "data\\stg4\\a_c001_2.";
    p.strPlayerName = "bob";
    p.SaveTime = {2026, 12, 5, 11, 3, 4, 5, 6};
    p.CarryFlags[2] = 1;
    p.CarryFlags[24] = 1;
    p.Carries.resize(2);
    p.Carries[1].Carry.nHp = 12;
    p.Carries[1].Def.mhp = 77;
    p.Carries[1].Def.Name = "hero";
    p.Results.resize(2);
    p.Results[1].strStageName = "b.";
    p.Results[1].strKeyName = "b_c003_4.";
    p.Results[1].nStageVarFlag = 1;
    p.Results[1].nValue = 900;
    p.Challenges.resize(static_cast<std::size_t>(SystemData.nChallengeStages));
    p.Challenges[3].nFirst = 1;
    p.Challenges[3].nSecond = 500;
    p.ClearFlags[7] = 1;
    p.CommonVars[1000] = -5;
    return p;
}

// The file an older program wrote: the layout of `version` throughout.
std::vector<std::uint8_t> OlderFile(cPlayData& p, std::uint32_t version) {
    const std::uint32_t saved = dwDataVersion;
    dwDataVersion = version;
    RecordFilePtr f = OpenRecordMemoryWrite();
    p.cSaveData::Save(*f);
    f->Write(&p.SaveTime, sizeof p.SaveTime);
    if (version >= 501) SaveValueVector(*f, p.CarryFlags);
    SaveRecordVector(*f, p.Carries);
    SaveRecordVector(*f, p.Results);
    SaveRecordVector(*f, p.Challenges);
    SaveValueVector(*f, p.ClearFlags);
    SaveValueVector(*f, p.CommonVars);
    std::vector<std::uint8_t> bytes = f->Bytes();
    dwDataVersion = saved;
    return bytes;
}

TEST_F(PlayDataFile, RoundTrip) {
    cPlayData p = Filled();
    std::vector<std::uint8_t> bytes = p.SaveToBytes();
    cPlayData q;
    ASSERT_TRUE(q.LoadFromBytes(bytes));
    EXPECT_EQ(q.SaveToBytes(), bytes);
    EXPECT_EQ(q.nMapX, 3);
    EXPECT_EQ(q.nRestartFacing, p.nRestartFacing);
    EXPECT_EQ(q.strKeyName, "data\\stg4\\a_c001_2.");
    EXPECT_EQ(q.strPlayerName, "bob");
    EXPECT_EQ(q.SaveTime.wYear, 2026);
    EXPECT_EQ(q.SaveTime.wMilliseconds, 6);
    EXPECT_EQ(q.CarryFlags[24], 1);
    ASSERT_EQ(q.Carries.size(), 2u);
    EXPECT_EQ(q.Carries[1].Carry.nHp, 12);
    EXPECT_EQ(q.Carries[1].Def.mhp, 77);
    EXPECT_EQ(q.Carries[1].Def.Name, "hero");
    ASSERT_EQ(q.Results.size(), 2u);
    EXPECT_EQ(q.Results[1].strKeyName, "b_c003_4.");
    EXPECT_EQ(q.Results[1].nValue, 900);
    EXPECT_EQ(q.Challenges[3].nSecond, 500);
    EXPECT_EQ(q.ClearFlags[7], 1);
    EXPECT_EQ(q.CommonVars[1000], -5);
}

TEST_F(PlayDataFile, SavingAndLoadingKeepThePositionInsideTheMapAndOnePairPerChallengeStage) {
    WorldMap.SetSize(10, 8);
    WorldMap.nStartX = 2;
    WorldMap.nStartY = 5;
    SystemData.nChallengeStages = 4;
    cPlayData p = Filled();
    p.nMapX = 10; // one past the last column
    p.nMapY = -1;
    std::vector<std::uint8_t> bytes = p.SaveToBytes();
    EXPECT_EQ(p.nMapX, 2);
    EXPECT_EQ(p.nMapY, 5);
    EXPECT_EQ(p.Challenges.size(), 4u);

    // A file from a project with a bigger map is brought inside this one on loading.
    WorldMap.SetSize(2, 2);
    WorldMap.nStartX = 1;
    WorldMap.nStartY = 0;
    SystemData.nChallengeStages = 5;
    cPlayData q;
    ASSERT_TRUE(q.LoadFromBytes(bytes));
    EXPECT_EQ(q.nMapX, 1);
    EXPECT_EQ(q.nMapY, 0);
    ASSERT_EQ(q.Challenges.size(), 5u);
    EXPECT_EQ(q.Challenges[3].nSecond, 500);
    EXPECT_EQ(q.Challenges[4].nSecond, 0);
}

TEST_F(PlayDataFile, OlderVersionsAreBroughtUpToDate) {
    struct Case {
        std::uint32_t version;
        std::function<bool(const cPlayData&)> check;
        const char* what;
    } cases[] = {
        {165, [](const cPlayData& q) { return q.bBgmLoop == 1; }, "music loops before 166"},
        {166, [](const cPlayData& q) { return q.bBgmLoop == 121; }, "the loop flag is stored from 166"},
        {168, [](const cPlayData& q) { return q.bAutoSave == 0; }, "no auto-save before 169"},
        {181, [](const cPlayData& q) { return q.nHpTotal == 0 && q.nSpTotal == 0; },
         "no HP or SP total before 182"},
        {182, [](const cPlayData& q) { return q.nHpTotal == 117 && q.nSpTotal == 118; }, "totals from 182"},
        {189, [](const cPlayData& q) { return q.bBackToSafe == 0 && q.nSafeX == 0; },
         "no safe cell before 190"},
        {193, [](const cPlayData& q) { return q.nMapFacing == 0; }, "no facing before 194"},
        {500, [](const cPlayData& q) { return q.CarryFlags == cVector<std::int32_t>(25, 1); },
         "every item carried before 501"},
        {501, [](const cPlayData& q) { return q.CarryFlags[2] == 1 && q.CarryFlags[3] == 0; },
         "flags from 501"},
        {677,
         [](const cPlayData& q) { return q.bRestart == 0 && q.nRestartCol == 0 && q.nRestartFacing == 0; },
         "no restart point before 678, whatever the play data held"},
        {723, [](const cPlayData& q) { return q.strKeyName == q.strStageName; },
         "key name = stage name before 724"},
        {753, [](const cPlayData& q) { return q.ClearFlags.size() == 1000u && q.ClearFlags[7] == 1; },
         "clear flags sized to 1000 before 754"},
        {757, [](const cPlayData& q) { return q.nStageVarFlag == 0 && q.nStageVarValue == 0; },
         "no stage variable before 758"},
        {803, [](const cPlayData& q) { return q.ClearFlags[0] == 1; },
         "stage 0 counts as cleared before 804"},
        {804, [](const cPlayData& q) { return q.ClearFlags[0] == 0; }, "the stored flag 0 from 804"},
    };
    for (const Case& c : cases) {
        cPlayData p = Filled();
        p.ClearFlags[0] = 0;
        if (c.version < 754) p.ClearFlags.resize(300);
        std::vector<std::uint8_t> bytes = OlderFile(p, c.version);
        // Read into a play data that holds values the file does not have.
        cPlayData q = Filled();
        q.bRestart = q.nRestartCol = q.nRestartFacing = 9;
        q.strKeyName = "left over";
        ASSERT_TRUE(q.LoadFromBytes(bytes)) << c.version;
        EXPECT_TRUE(c.check(q)) << c.version << ": " << c.what;
        EXPECT_EQ(q.strPlayerName, "bob") << c.version;
        EXPECT_EQ(q.Carries[1].Def.mhp, 77) << c.version;
        EXPECT_EQ(q.CommonVars[1000], -5) << c.version;
    }
}

// Offsets into a saved file of Filled(): the registered part is 4 (version),
// 4 (field count), 35 x 4, then the strings.
TEST_F(PlayDataFile, DamagedFilesLeaveThePlayDataAsItWas) {
    cPlayData p = Filled();
    const std::vector<std::uint8_t> good = p.SaveToBytes();
    const std::size_t vars = good.size() - 1001 * 4 - 4; // the count of the global variables
    const std::size_t flags = vars - 1000 * 4 - 4;       // the count of the stage-clear flags
    auto patched = [&](std::size_t at, std::uint32_t v) {
        std::vector<std::uint8_t> b = good;
        std::memcpy(b.data() + at, &v, 4);
        return b;
    };
    auto cut = [&](std::size_t n) { return std::vector<std::uint8_t>(good.begin(), good.begin() + n); };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"only the version", cut(4)},
        {"cut inside the fields", cut(40)},
        {"cut after the strings", cut(4 + 4 + 35 * 4 + 4 + 4 + 13 + 4 + 21 + 4 + 4)},
        {"cut in the last variable", cut(good.size() - 2)},
        {"a newer version", patched(0, 819)},
        {"more fields than the version has", patched(4, 36)},
        {"a string longer than the file", patched(4 + 4 + 35 * 4 + 4, 0x7FFFFFFF)},
        {"a variable count larger than the file", patched(vars, 0x10000000)},
        {"a negative variable count", patched(vars, 0xFFFFFFFF)},
        {"a clear-flag count larger than the file", patched(flags, 0x7FFFFFF0)},
    };
    // Sanity of the offsets: the counts are where the test expects them.
    ASSERT_EQ(good[vars], 1001 & 0xFF);
    ASSERT_EQ(good[flags], 1000 & 0xFF);
    for (const Case& c : cases) {
        cPlayData q = Filled();
        q.nLives = 42;
        const std::vector<std::uint8_t> before = q.SaveToBytes();
        EXPECT_FALSE(q.LoadFromBytes(c.bytes)) << c.what;
        EXPECT_EQ(q.SaveToBytes(), before) << c.what;
        EXPECT_EQ(q.nLives, 42) << c.what;
    }
}

TEST_F(PlayDataFile, AShortButWholeFileStillGivesEveryListItsSize) {
    // A file whose lists are empty: no stage number or variable may fall outside them.
    cPlayData p = Filled();
    p.CarryFlags.clear();
    p.Carries.clear();
    p.ClearFlags.clear();
    p.CommonVars.clear();
    cPlayData q;
    ASSERT_TRUE(q.LoadFromBytes(p.SaveToBytes()));
    EXPECT_EQ(q.CarryFlags.size(), 25u);
    EXPECT_EQ(q.Carries.size(), 1u);
    EXPECT_EQ(q.ClearFlags.size(), 1000u);
    EXPECT_EQ(q.CommonVars.size(), 1001u);
}

} // namespace
