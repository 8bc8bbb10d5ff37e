// Story slots and Challenge.dat on disk: writing, reading back, the slot list,
// the lives rule, and saves that fail or are damaged.
#include "project/SaveSlots.h"

#include "fixtures/GameGlobals.h"
#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "project/WorldMap.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SaveSlots : public ::testing::Test {
protected:
    TempDir dir;
    cGameGlobalsGuard globals;
    cWorldMap map = WorldMap;
    cVector<cSlotInfo> slots = SlotList;

    void SetUp() override {
        fs::create_directories("user_data/story");
        fs::create_directories("user_data/challenge");
        SetReportFile("Report_Game.txt");
        SlotList.assign(kStorySlotCount, cSlotInfo{});
    }
    void TearDown() override {
        WorldMap = map;
        SlotList = slots;
    }
    bool Reported(const char8_t* text) const {
        return ReadAll("Report_Game.txt").find(U8(text)) != std::string::npos;
    }
};

TEST_F(SaveSlots, SlotNumbersAreCountedFromOne) {
    EXPECT_EQ(MakeStorySlotPath(0), "user_data\\story\\Story01.dat");
    EXPECT_EQ(MakeStorySlotPath(8), "user_data\\story\\Story09.dat");
    EXPECT_EQ(MakeStorySlotPath(98), "user_data\\story\\Story99.dat");
}

TEST_F(SaveSlots, ASavedSlotReadsBackAndTheListShowsItsDate) {
    cPlayData p;
    p.nLives = 4;
    p.nStorySlot = 98;
    p.CommonVars[17] = 3;
    ASSERT_TRUE(SaveStorySlot(p, 98));
    EXPECT_TRUE(fs::is_regular_file("user_data/story/Story99.dat"));
    EXPECT_GE(p.SaveTime.wYear, 2000);
    EXPECT_EQ(SlotList[98].bSaved, 1);
    EXPECT_EQ(SlotList[98].Date.wMinute, p.SaveTime.wMinute);
    EXPECT_EQ(SlotList[98].Date.wYear, p.SaveTime.wYear);

    SystemData.UnlimitedLives[GAME_STORY] = 0;
    cPlayData q;
    ASSERT_TRUE(LoadStorySlot(q, 98));
    EXPECT_EQ(q.nLives, 4);
    EXPECT_EQ(q.nStorySlot, 98);
    EXPECT_EQ(q.CommonVars[17], 3);
    EXPECT_EQ(q.SaveTime.wSecond, p.SaveTime.wSecond);

    SlotList.assign(kStorySlotCount, cSlotInfo{});
    ScanStorySlots();
    EXPECT_EQ(SlotList[98].bSaved, 1);
    EXPECT_EQ(SlotList[98].Date.wDay, p.SaveTime.wDay);
    EXPECT_EQ(SlotList[0].bSaved, 0);
}

TEST_F(SaveSlots, TheSlotListMarksDamagedSavesAsTakenWithoutADate) {
    cPlayData p;
    ASSERT_TRUE(SaveStorySlot(p, 1));
    std::vector<std::uint8_t> bytes = p.SaveToBytes();
    bytes.resize(bytes.size() / 2);
    WriteBytes("user_data/story/Story01.dat", bytes);              // damaged
    WriteBytes("user_data/story/Story03.dat", {0x33, 0x03, 0, 0}); // newer than the program
    WriteBytes("user_data/story/Story04.dat", {1, 2});             // shorter than a version
    SlotList[3].bSaved = 1;
    ScanStorySlots();
    EXPECT_EQ(SlotList[0].bSaved, 1);
    EXPECT_EQ(SlotList[0].Date.wYear, 0);
    EXPECT_EQ(SlotList[1].bSaved, 1);
    EXPECT_EQ(SlotList[1].Date.wYear, p.SaveTime.wYear);
    EXPECT_EQ(SlotList[2].bSaved, 0);
    EXPECT_EQ(SlotList[3].bSaved, 0);

    // Reading the damaged one fails, says so, and leaves the play data as it was.
    cPlayData q;
    q.nScore = 77;
    SystemData.UnlimitedLives[GAME_STORY] = 0;
    EXPECT_FALSE(LoadStorySlot(q, 0));
    EXPECT_EQ(q.nScore, 77);
    EXPECT_TRUE(Reported(u8"user_data\\story\\Story01.dat の読み込みに失敗しました！"));
    EXPECT_FALSE(LoadStorySlot(q, 2));
    EXPECT_TRUE(Reported(u8"ソフトより上位のバージョンのファイルは使用できません。"));
    // The newer-version verdict of that read does not carry over to a save too short to have a version.
    EXPECT_FALSE(LoadStorySlot(q, 3));
    EXPECT_TRUE(Reported(u8"user_data\\story\\Story04.dat の読み込みに失敗しました！\n"));
    EXPECT_FALSE(Reported(u8"Story04.dat の読み込みに失敗しました！\nソフトより"));
}

TEST_F(SaveSlots, AFailedWriteIsReportedAndLeavesTheOldSave) {
    cPlayData p;
    p.nScore = 111;
    ASSERT_TRUE(SaveStorySlot(p, 4));
    const SYSTEMTIME first = SlotList[4].Date;
    const std::string before = ReadAll("user_data/story/Story05.dat");

    // No file may grow past 4 KiB: the report still takes its lines, every save fails.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    p.nScore = 222;
    SlotList[4].Date.wYear = 1999;
    const bool saved = SaveStorySlot(p, 4);
    const bool challenge = SaveChallengeData(p);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(challenge);
    EXPECT_EQ(ReadAll("user_data/story/Story05.dat"), before);
    EXPECT_EQ(SlotList[4].Date.wYear, 1999) << "the list keeps what it showed";
    EXPECT_EQ(p.SaveTime.wMilliseconds, first.wMilliseconds) << "the play data keeps its save time";
    EXPECT_EQ(p.SaveTime.wSecond, first.wSecond);
    EXPECT_TRUE(Reported(u8"user_data\\story\\Story05.dat の保存に失敗しました！"));
    EXPECT_TRUE(Reported(u8"user_data\\challenge\\Challenge.dat の保存に失敗しました！"));
    for (const auto& entry : fs::directory_iterator("user_data/story"))
        EXPECT_EQ(entry.path().filename(), "Story05.dat") << "no temporary file is left";

    // A missing folder fails the same way.
    fs::remove_all("user_data/story");
    EXPECT_FALSE(SaveStorySlot(p, 0));
    EXPECT_EQ(SlotList[0].bSaved, 0);
}

TEST_F(SaveSlots, ASlotOutsideTheListIsNeverWritten) {
    cPlayData p;
    for (std::int32_t slot : {-1, 99}) {
        EXPECT_FALSE(SaveStorySlot(p, slot)) << slot;
        EXPECT_FALSE(LoadStorySlot(p, slot)) << slot;
    }
    EXPECT_FALSE(fs::exists("user_data/story/Story00.dat"));
    EXPECT_FALSE(fs::exists("user_data/story/Story100.dat"));
}

TEST_F(SaveSlots, ChallengeDataRoundTripsAndAMissingFileIsNoReportedFault) {
    cPlayData p;
    p.nTotalScore = 1500;
    p.Challenges.resize(40);
    p.Challenges[2].nSecond = 700;
    EXPECT_FALSE(LoadChallengeData(p));
    EXPECT_EQ(ReadAll("Report_Game.txt").find("Challenge.dat"), std::string::npos);
    ASSERT_TRUE(SaveChallengeData(p));
    cPlayData q;
    ASSERT_TRUE(LoadChallengeData(q));
    EXPECT_EQ(q.nTotalScore, 1500);
    EXPECT_EQ(q.Challenges[2].nSecond, 700);
}

TEST_F(SaveSlots, TheLivesRule) {
    struct {
        std::int32_t kind, unlimited, startLives, loaded;
        std::int32_t lives, start;
    } cases[] = {
        {GAME_STORY, 1, 5, 3, 999999, 999999}, {GAME_STORY, 0, 5, 999999, 5, 2},
        {GAME_STORY, 0, 5, 3, 3, 2},           {GAME_CHALLENGE, 1, 4, 0, 999999, 999999},
        {GAME_CHALLENGE, 0, 4, 999999, 4, 2},
    };
    for (const auto& c : cases) {
        SystemData.UnlimitedLives.At(c.kind) = c.unlimited;
        SystemData.StartLives.At(c.kind) = c.startLives;
        cPlayData p;
        p.nLives = c.loaded;
        p.nStartLives = 2;
        p.Challenges.resize(40);
        if (c.kind == GAME_STORY) {
            ASSERT_TRUE(SaveStorySlot(p, 0));
            ASSERT_TRUE(LoadStorySlot(p, 0));
        } else {
            ASSERT_TRUE(SaveChallengeData(p));
            ASSERT_TRUE(LoadChallengeData(p));
        }
        EXPECT_EQ(p.nLives, c.lives) << c.kind << " " << c.unlimited << " " << c.loaded;
        EXPECT_EQ(p.nStartLives, c.start) << c.kind << " " << c.unlimited << " " << c.loaded;
    }
}

} // namespace
