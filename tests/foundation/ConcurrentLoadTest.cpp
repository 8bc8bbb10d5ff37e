// Two threads read record files of different data versions at the same time,
// as the stage loader and the UI thread (replays, save slots) do: each load
// lays its records out for its own file's version.
#include "fixtures/ByteBuilder.h"
#include "foundation/SmallRecords.h"

#include "foundation/NewerVersion.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

// A stage result as a file of `version` holds it: from 759 on three words
// before the value and a key name after the stage name.
std::vector<std::uint8_t> StageResultFile(std::uint32_t version, std::int32_t value) {
    ByteBuilder b;
    b.u32(version);
    if (version >= 759) {
        b.u32(4).i32(1).i32(2).i32(3).i32(value);
        b.u32(2).str("stage").str("key");
    } else {
        b.u32(1).i32(value);
        b.u32(1).str("stage");
    }
    return b.get();
}

// Loads the file `rounds` times; counts the loads that came out wrong.
int LoadRepeatedly(std::uint32_t version, int rounds) {
    const std::vector<std::uint8_t> bytes = StageResultFile(version, static_cast<std::int32_t>(version));
    const std::string key = version >= 759 ? "key" : "stage";
    int wrong = 0;
    for (int i = 0; i < rounds; ++i) {
        cStageResult r;
        if (!r.LoadFromBytes(bytes) || r.nValue != static_cast<std::int32_t>(version) || r.strKeyName != key)
            ++wrong;
    }
    return wrong;
}

TEST(ConcurrentLoad, EachThreadReadsItsOwnFilesVersion) {
    constexpr int kRounds = 2000;
    int wrongOld = -1;
    int wrongNew = -1;
    std::thread older([&] { wrongOld = LoadRepeatedly(758, kRounds); });
    std::thread newer([&] { wrongNew = LoadRepeatedly(818, kRounds); });
    older.join();
    newer.join();
    EXPECT_EQ(wrongOld, 0);
    EXPECT_EQ(wrongNew, 0);
}

TEST(ConcurrentLoad, RefusedNewerFileIsSeenOnlyByTheThreadThatOpenedIt) {
    ByteBuilder newer;
    newer.u32(kProgramDataVersion + 1).u32(0).u32(0);
    cStageResult r;
    EXPECT_FALSE(r.LoadFromBytes(newer.get()));
    EXPECT_EQ(NewerVersionRefused(), 1);
    std::thread other([] {
        cStageResult s;
        EXPECT_TRUE(s.LoadFromBytes(StageResultFile(818, 5)));
        EXPECT_EQ(NewerVersionRefused(), 0);
    });
    other.join();
    EXPECT_EQ(NewerVersionRefused(), 1) << "another thread's good open leaves this thread's flag";
    EXPECT_TRUE(r.LoadFromBytes(StageResultFile(818, 5)));
    EXPECT_EQ(NewerVersionRefused(), 0);
}

} // namespace
