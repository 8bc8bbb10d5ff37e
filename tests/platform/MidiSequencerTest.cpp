// Stream events played in time on a recording MIDI output: every message on
// its sample, tempo changes, callbacks after the period's events, the end
// marker never reaching the output, and a stop handing the buffers back.
#include "platform/MidiSequencer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Recorded {
    std::size_t frame;
    std::uint32_t message;
    bool operator==(const Recorded&) const = default;
};

class RecordingOut : public cMidiOut {
public:
    explicit RecordingOut(std::vector<Recorded>& log) : log_(log) {}
    void ShortMessage(std::uint32_t message) override { log_.push_back({frame_, message}); }
    void SysEx(const std::uint8_t* bytes, std::size_t size) override {
        log_.push_back(
            {frame_, 0xF0000000u | static_cast<std::uint32_t>(size) | (std::uint32_t{bytes[1]} << 8)});
    }
    void AllNotesOff() override { log_.push_back({frame_, 0xB07B00}); }
    void RenderAdd(float*, std::size_t frames, float) override { frame_ += frames; }

private:
    std::vector<Recorded>& log_;
    std::size_t frame_ = 0;
};

class RecordingListener : public cMidiSequencerListener {
public:
    void OnCallbackEvent(void* cookie, std::uint32_t offset) override {
        news.push_back("callback " + std::to_string(reinterpret_cast<std::uintptr_t>(cookie)) + " at " +
                       std::to_string(offset));
    }
    void OnBufferDone(void* cookie) override {
        news.push_back("done " + std::to_string(reinterpret_cast<std::uintptr_t>(cookie)));
    }
    std::vector<std::string> news;
};

class Events {
public:
    Events& Short(std::uint32_t delta, std::uint32_t word) { return Put(delta, word); }
    Events& Long(std::uint32_t delta, std::vector<std::uint8_t> params, bool callback = false) {
        Put(delta,
            0x80000000u | static_cast<std::uint32_t>(params.size()) | (callback ? MEVT_F_CALLBACK : 0));
        params.resize((params.size() + 3) & ~std::size_t{3});
        bytes.insert(bytes.end(), params.begin(), params.end());
        return *this;
    }
    std::vector<std::uint8_t> bytes;

private:
    Events& Put(std::uint32_t delta, std::uint32_t word) {
        for (std::uint32_t v : {delta, 0u, word}) {
            std::uint8_t b[4];
            std::memcpy(b, &v, 4);
            bytes.insert(bytes.end(), b, b + 4);
        }
        return *this;
    }
};

struct Rig {
    cAudioMixer mixer;
    std::vector<Recorded> log;
    RecordingListener listener;
    cMidiSequencer seq{mixer, std::make_unique<RecordingOut>(log), &listener};
    void Queue(const Events& e, std::uintptr_t cookie) {
        auto lock = mixer.Lock();
        seq.QueueLocked(e.bytes.data(), e.bytes.size(), reinterpret_cast<void*>(cookie));
    }
    void Restart() {
        auto lock = mixer.Lock();
        seq.RestartLocked();
    }
};

// 96 ticks per quarter at 500000 us: one quarter is 22050 samples.
TEST(MidiSequencer, EventsLandOnTheirSamplesAndTempoChangesTheRest) {
    Rig rig;
    {
        auto lock = rig.mixer.Lock();
        ASSERT_TRUE(rig.seq.SetDivisionLocked(96));
    }
    Events e;
    e.Short(0, 0x643C90)
        .Short(96, 0x003C80)
        .Short(0, 0x01000000 | 250000)
        .Short(96, 0x643E90)
        .Long(48, {0xF0, 0x7E, 0xF7})
        .Short(0, 0x40002FFF);
    rig.Queue(e, 1);
    rig.mixer.Render(100); // paused: nothing is played, time stands
    EXPECT_TRUE(rig.log.empty());
    rig.Restart();
    rig.mixer.Render(40000);
    const std::vector<Recorded> expected = {{100, 0x643C90},
                                            {100 + 22050, 0x003C80},
                                            {100 + 22050 + 11025, 0x643E90},
                                            {100 + 22050 + 11025 + 5513, 0xF0007E03}};
    EXPECT_EQ(rig.log, expected) << "the end marker (a 0xFF status) never reaches the output";
    EXPECT_EQ(rig.listener.news, (std::vector<std::string>{"done 1", "callback 1 at 64"}));
}

TEST(MidiSequencer, BuffersFollowEachOtherAndAStopHandsThemBack) {
    Rig rig;
    Events a, b, c;
    a.Short(0, 0x643C90 | MEVT_F_CALLBACK);
    b.Short(10, 0x003C80);
    c.Short(0, 0x643C90);
    rig.Queue(a, 1);
    rig.Queue(b, 2);
    rig.Restart();
    rig.mixer.Render(10000);
    EXPECT_EQ(rig.log.size(), 2u);
    EXPECT_EQ(rig.listener.news, (std::vector<std::string>{"done 1", "done 2", "callback 1 at 0"}));
    rig.listener.news.clear();
    rig.Queue(c, 3);
    rig.Queue(c, 4);
    {
        auto lock = rig.mixer.Lock();
        rig.seq.PauseLocked();
        rig.seq.StopLocked();
        EXPECT_FALSE(rig.seq.IsPlayingLocked());
        EXPECT_FALSE(rig.seq.HasQueuedLocked());
    }
    EXPECT_EQ(rig.listener.news, (std::vector<std::string>{"done 3", "done 4"}));
    EXPECT_EQ(rig.log.back().message, 0xB07B00u) << "notes off";
}

TEST(MidiSequencer, DivisionsOutsideTheFormatAreRefused) {
    Rig rig;
    auto lock = rig.mixer.Lock();
    EXPECT_FALSE(rig.seq.SetDivisionLocked(0));
    EXPECT_FALSE(rig.seq.SetDivisionLocked(0x10000));
    EXPECT_FALSE(rig.seq.SetDivisionLocked(0xE700)); // SMPTE with 0 ticks per frame
    EXPECT_TRUE(rig.seq.SetDivisionLocked(0xE728));  // 25 frames of 40 ticks
    EXPECT_EQ(rig.seq.DivisionLocked(), 0xE728u);
}

} // namespace
