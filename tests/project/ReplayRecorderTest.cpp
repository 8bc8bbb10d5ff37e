// The recorder's run-length streams, recording and playback frame by frame,
// and the replay file: the stage, the recorder and the play data together,
// read all or nothing.
#include "project/Replay.h"

#include "StageFixture.h"
#include "fixtures/ByteBuilder.h"
#include "fixtures/HeroStage.h"
#include "fixtures/TempDir.h"
#include "foundation/Input.h"
#include "foundation/NewerVersion.h"
#include "project/PlayData.h"
#include "project/Stage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace {

using Frames = std::vector<std::pair<WORD, WORD>>; // direction, buttons

Frames Repeat(WORD dir, WORD buttons, int n) {
    return Frames(static_cast<std::size_t>(n), {dir, buttons});
}

Frames Join(std::initializer_list<Frames> parts) {
    Frames all;
    for (const Frames& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

cReplay Recorded(const Frames& frames) {
    cReplay r;
    cInput in;
    for (auto [dir, buttons] : frames) {
        in.wDir = dir;
        in.wButton = buttons;
        r.RecordFrame(in);
    }
    return r;
}

struct StreamCase {
    const char* name;
    Frames frames;
    cVector<std::uint16_t> dirWords, btnWords;
    cVector<std::uint32_t> dirRuns, btnRuns;
};

const StreamCase kStreams[] = {
    {"nothing recorded", {}, {}, {}, {}, {}},
    {"no key changes: one run each", Repeat(2, 1, 40), {2}, {1}, {40}, {40}},
    {"changes on different frames",
     Join({Repeat(0, 0, 3), Repeat(2, 0, 2), Repeat(2, 1, 4), Repeat(1, 1, 1), Repeat(1, 0, 5)}),
     {0, 2, 1},
     {0, 1, 0},
     {3, 6, 6},
     {5, 5, 5}},
    {"a change back is a new run",
     Join({Repeat(4, 0, 1), Repeat(8, 0, 1), Repeat(4, 0, 1)}),
     {4, 8, 4},
     {0},
     {1, 1, 1},
     {3}},
};

TEST(ReplayRecorder, RecordingCodesEachStreamInRuns) {
    for (const StreamCase& c : kStreams) {
        cReplay r = Recorded(c.frames);
        EXPECT_EQ(r.m_vDirWord, c.dirWords) << c.name;
        EXPECT_EQ(r.m_vDirRun, c.dirRuns) << c.name;
        EXPECT_EQ(r.m_vBtnWord, c.btnWords) << c.name;
        EXPECT_EQ(r.m_vBtnRun, c.btnRuns) << c.name;
    }
}

TEST(ReplayRecorder, PlaybackGivesEveryFrameBackThenReportsTheEndWritingNothing) {
    for (const StreamCase& c : kStreams) {
        cReplay r = Recorded(c.frames);
        cInput in;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            in.wDir = 0xFF;
            in.wButton = 0xFF;
            ASSERT_EQ(r.PlayFrame(in), 0u) << c.name << " frame " << i;
            EXPECT_EQ(in.wDir, c.frames[i].first) << c.name << " frame " << i;
            EXPECT_EQ(in.wButton, c.frames[i].second) << c.name << " frame " << i;
        }
        in.wDir = 0x55;
        in.wButton = 0x66;
        EXPECT_EQ(r.PlayFrame(in), 1u) << c.name;
        EXPECT_EQ(r.PlayFrame(in), 1u) << c.name;
        EXPECT_EQ(in.wDir, 0x55) << c.name;
        EXPECT_EQ(in.wButton, 0x66) << c.name;
        // Rewound, it plays the same again.
        r.RewindPlayback();
        if (!c.frames.empty()) {
            EXPECT_EQ(r.PlayFrame(in), 0u) << c.name;
            EXPECT_EQ(in.wDir, c.frames[0].first) << c.name;
        }
    }
}

TEST(ReplayRecorder, OddStreamsOfAFilePlaySafely) {
    cInput in;
    // A run of 0 frames plays as one frame.
    cReplay zero;
    zero.m_vDirWord = {1, 2};
    zero.m_vDirRun = {0, 1};
    zero.m_vBtnWord = {3};
    zero.m_vBtnRun = {2};
    ASSERT_EQ(zero.PlayFrame(in), 0u);
    EXPECT_EQ(in.wDir, 1);
    ASSERT_EQ(zero.PlayFrame(in), 0u);
    EXPECT_EQ(in.wDir, 2);
    EXPECT_EQ(zero.PlayFrame(in), 1u);

    // Streams of different lengths end with the shorter one; a word without
    // its run length (a recorder filled in code) is the end, never a read past.
    cReplay uneven;
    uneven.m_vDirWord = {1, 2};
    uneven.m_vDirRun = {1};
    uneven.m_vBtnWord = {3};
    uneven.m_vBtnRun = {5};
    ASSERT_EQ(uneven.PlayFrame(in), 0u);
    EXPECT_EQ(uneven.PlayFrame(in), 1u);
}

TEST(ReplayRecorder, ARunThatCanCountNoFurtherGoesOnInANewRun) {
    cReplay r = Recorded(Repeat(2, 1, 1));
    r.m_vDirRun.back() = std::numeric_limits<std::uint32_t>::max();
    cInput in;
    in.wDir = 2;
    in.wButton = 1;
    r.RecordFrame(in);
    EXPECT_EQ(r.m_vDirWord, cVector<std::uint16_t>({2, 2}));
    EXPECT_EQ(r.m_vDirRun, cVector<std::uint32_t>({std::numeric_limits<std::uint32_t>::max(), 1}));
    EXPECT_EQ(r.m_vBtnRun, cVector<std::uint32_t>({2}));
}

// The recorder's bytes: seed record, then the four tables with their counts.
std::vector<std::uint8_t> RecorderBytes(std::vector<std::uint16_t> dirWords,
                                        std::vector<std::uint16_t> btnWords,
                                        std::vector<std::uint32_t> dirRuns,
                                        std::vector<std::uint32_t> btnRuns) {
    ByteBuilder b;
    b.u32(818).u32(1).u32(99).u32(0);
    b.u32(static_cast<std::uint32_t>(dirWords.size()));
    for (auto w : dirWords) b.u16(w);
    b.u32(static_cast<std::uint32_t>(btnWords.size()));
    for (auto w : btnWords) b.u16(w);
    b.u32(static_cast<std::uint32_t>(dirRuns.size()));
    for (auto n : dirRuns) b.u32(n);
    b.u32(static_cast<std::uint32_t>(btnRuns.size()));
    for (auto n : btnRuns) b.u32(n);
    return b.get();
}

TEST(ReplayRecorder, ARunTableShorterThanItsWordTableIsDamage) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool good;
    } cases[] = {
        {"matching tables", RecorderBytes({1, 2}, {3}, {4, 5}, {9}), true},
        {"a spare run length is harmless", RecorderBytes({1}, {3}, {4, 5}, {4, 7}), true},
        {"direction runs short", RecorderBytes({1, 2}, {3}, {4}, {9}), false},
        {"button runs short", RecorderBytes({1}, {3, 4}, {4}, {2}), false},
        {"words without any runs", RecorderBytes({1}, {3}, {}, {}), false},
    };
    for (const Case& c : cases) {
        cReplay r;
        r.m_vDirWord = {7};
        r.m_vDirRun = {1};
        EXPECT_EQ(r.LoadFromBytes(c.bytes), c.good) << c.name;
        if (c.good) {
            EXPECT_EQ(r.m_dwSeed, 99u) << c.name;
        } else {
            EXPECT_EQ(r.m_vDirWord, cVector<std::uint16_t>({7})) << c.name;
            EXPECT_EQ(r.m_dwSeed, 0u) << c.name;
        }
    }
}

TEST(ReplayRecorder, EveryCountIsBoundedByTheBytesLeft) {
    // Each of the four counts in turn claims far more elements than follow.
    for (int table = 0; table < 4; ++table) {
        ByteBuilder b;
        b.u32(818).u32(1).u32(99).u32(0);
        for (int t = 0; t < 4; ++t) {
            if (t == table) {
                b.u32(0x40000000);
                break;
            }
            b.u32(1);
            if (t < 2)
                b.u16(1);
            else
                b.u32(1);
        }
        b.u32(0).u32(0);
        cReplay r;
        EXPECT_FALSE(r.LoadFromBytes(b.get())) << "table " << table;
        EXPECT_TRUE(r.IsEmpty()) << "table " << table;
    }
}

std::vector<std::uint8_t> ReplayBytes(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    ReadWholeFile(name, bytes);
    return bytes;
}

class ReplayFile : public ::testing::Test {
protected:
    TempDir dir;

    // A replay written from a playing stage of width 40 whose start was 30
    // wide, a recording of three runs and play data with 7 lives.
    void WriteGood(const std::string& path) {
        cStage playing = HeroStage(40);
        cStage start = HeroStage(30);
        cReplay r = Recorded(Join({Repeat(2, 0, 5), Repeat(0, 1, 3)}));
        r.m_dwSeed = 4321;
        cPlayData data;
        data.nLives = 7;
        ASSERT_EQ(r.SaveFile(path, playing, start, data), 1);
    }

    // What a failed load must leave as it was.
    struct Targets {
        cReplay replay;
        cStage stage, start;
        cPlayData data;
        Targets() {
            replay.m_dwSeed = 1;
            replay.m_vDirWord = {9};
            replay.m_vDirRun = {9};
            stage.nMapWidth = 11;
            start.nMapWidth = 12;
            data.nLives = 13;
        }
        std::int32_t Load(const std::string& path) { return replay.LoadFile(path, stage, start, data); }
        bool Unchanged() const {
            return replay.m_dwSeed == 1 && replay.m_vDirWord == cVector<std::uint16_t>({9}) &&
                   stage.nMapWidth == 11 && start.nMapWidth == 12 && data.nLives == 13;
        }
    };
};

TEST_F(ReplayFile, ASavedReplayLoadsWholeWithTheStageAsItBegan) {
    WriteGood("a.rpl4_818");
    Targets t;
    t.replay.m_nDirPos = 1; // the cursors are the caller's
    ASSERT_EQ(t.Load("a.rpl4_818"), 1);
    EXPECT_EQ(t.replay.m_dwSeed, 4321u);
    EXPECT_EQ(t.replay.m_vDirWord, cVector<std::uint16_t>({2, 0}));
    EXPECT_EQ(t.replay.m_vBtnRun, cVector<std::uint32_t>({5, 3}));
    EXPECT_EQ(t.replay.m_nDirPos, 1u);
    // The settings are the start's, the tables the playing stage's.
    EXPECT_EQ(t.stage.nMapWidth, 30);
    EXPECT_EQ(t.stage.Charas.size(), 2u);
    EXPECT_EQ(t.start.nMapWidth, 30);
    EXPECT_TRUE(t.start.Charas.empty());
    EXPECT_EQ(t.stage.strPath, "a.rpl4_818");
    EXPECT_EQ(t.data.nLives, 7);
}

TEST_F(ReplayFile, AFileThatCannotBeReadChangesNothing) {
    WriteGood("good.rpl4_818");
    const std::vector<std::uint8_t> good = ReplayBytes("good.rpl4_818");
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 3);
    std::vector<std::uint8_t> newer = good;
    newer[0] = 0x33; // 819
    std::vector<std::uint8_t> heroless;
    {
        cStage s;
        s.nMapWidth = 20;
        cReplay r;
        cPlayData d;
        ASSERT_EQ(r.SaveFile("heroless.rpl4_818", s, s, d), 1);
        heroless = ReplayBytes("heroless.rpl4_818");
    }
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {{"cut short", cut}, {"newer", newer}, {"no hero", heroless}, {"empty", {}}};
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteWholeFile("bad.rpl4_818", c.bytes));
        Targets t;
        EXPECT_EQ(t.Load("bad.rpl4_818"), 0) << c.name;
        EXPECT_TRUE(t.Unchanged()) << c.name;
    }
    Targets t;
    EXPECT_EQ(t.Load("missing.rpl4_818"), 0);
    EXPECT_TRUE(t.Unchanged());
}

TEST_F(ReplayFile, AFailedSaveSaysSoAndKeepsTheFileThatWasThere) {
    WriteGood("kept.rpl4_818");
    const std::vector<std::uint8_t> before = ReplayBytes("kept.rpl4_818");
    cStage s = HeroStage(20);
    cReplay r;
    cPlayData d;
    EXPECT_EQ(r.SaveFile("no such folder/x.rpl4_818", s, s, d), 0);
    // A folder in the way of the file: nothing can be written there.
    std::filesystem::create_directory("taken.rpl4_818");
    EXPECT_EQ(r.SaveFile("taken.rpl4_818", s, s, d), 0);
    EXPECT_EQ(ReplayBytes("kept.rpl4_818"), before);
}

// Files older programs wrote: each part in the layout of its version, no
// end marker after the stage before 173 and no play data before it either.
TEST_F(ReplayFile, OlderVersionsLoadInTheirOwnLayout) {
    struct Case {
        std::uint32_t version;
        std::function<bool(const Targets&)> check;
        const char* what;
    } cases[] = {
        {154, [](const Targets& t) { return t.stage.bBgmLoop == 1 && t.data.nLives == 13; },
         "the stage's music loops before 166; no play data"},
        {172, [](const Targets& t) { return t.stage.bBgmLoop == 0 && t.data.nLives == 13; },
         "the last version without play data leaves the caller's"},
        {173, [](const Targets& t) { return t.data.nLives == 7 && t.data.nHpTotal == 0; },
         "play data from 173, without the HP total before 182"},
        {500, [](const Targets& t) { return t.data.CarryFlags == cVector<std::int32_t>(kPlayCarryItems, 1); },
         "every item carried before 501"},
        {757, [](const Targets& t) { return t.data.nStageVarFlag == 0 && t.data.nHpTotal == 5; },
         "no stage variable before 758"},
        {817, [](const Targets& t) { return t.data.nStageVarFlag == 1 && t.data.CarryFlags[3] == 0; },
         "the play data whole"},
    };
    for (const Case& c : cases) {
        cStage stage = HeroStage(30);
        stage.bBgmLoop = 0;
        cReplay r = Recorded(Join({Repeat(2, 0, 5), Repeat(0, 1, 3)}));
        r.m_dwSeed = 4321;
        cPlayData data;
        data.nLives = 7;
        data.nHpTotal = 5;
        data.nStageVarFlag = 1;
        data.CarryFlags[2] = 1;
        ASSERT_TRUE(WriteWholeFile("old.rpl4_818", ReplayFileAt(stage, r, data, c.version)));

        Targets t;
        ASSERT_EQ(t.Load("old.rpl4_818"), 1) << c.version;
        EXPECT_TRUE(c.check(t)) << c.version << ": " << c.what;
        EXPECT_EQ(t.replay.m_dwSeed, 4321u) << c.version;
        EXPECT_EQ(t.replay.m_vDirWord, cVector<std::uint16_t>({2, 0})) << c.version;
        EXPECT_EQ(t.replay.m_vDirRun, cVector<std::uint32_t>({5, 3})) << c.version;
        EXPECT_EQ(t.replay.m_vBtnRun, cVector<std::uint32_t>({5, 3})) << c.version;
        EXPECT_EQ(t.stage.nMapWidth, 30) << c.version;
        EXPECT_EQ(t.stage.Charas.size(), 2u) << c.version;
        EXPECT_TRUE(t.stage.HasHero()) << c.version;
        EXPECT_EQ(t.start.nMapWidth, 30) << c.version;
        EXPECT_TRUE(t.start.Charas.empty()) << c.version;
    }
}

std::vector<std::uint8_t> WithVersion(std::vector<std::uint8_t> bytes, std::uint32_t version) {
    std::memcpy(bytes.data(), &version, 4);
    return bytes;
}

TEST_F(ReplayFile, ANewerVersionIsRefusedAsNewerAndDamageIsNot) {
    cStage stage = HeroStage(30);
    cReplay r = Recorded(Repeat(1, 1, 4));
    cPlayData data;
    const std::vector<std::uint8_t> good = ReplayFileAt(stage, r, data, 818);
    std::vector<std::uint8_t> cutOld = ReplayFileAt(stage, r, data, 500);
    cutOld.resize(cutOld.size() - 8);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool newer;
    } cases[] = {
        {"the next version", WithVersion(good, 819), true},
        {"the largest version", WithVersion(good, 0xFFFFFFFF), true},
        {"an older version cut short", cutOld, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteWholeFile("other.rpl4_818", c.bytes));
        Targets t;
        EXPECT_EQ(t.Load("other.rpl4_818"), 0) << c.name;
        EXPECT_TRUE(t.Unchanged()) << c.name;
        EXPECT_EQ(NewerVersionRefused() == 1, c.newer) << c.name;
    }
}

} // namespace
