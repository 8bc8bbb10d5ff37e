// The real synthesiser played through the sequencer into a mixer in memory:
// a note after a quiet stretch of any length sounds as the first one did,
// both inside one stream and after the stream sat idle with nothing queued.
#include "platform/Clock.h"
#include "platform/MidiSequencer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<std::uint8_t> Stream(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> events) {
    std::vector<std::uint8_t> bytes;
    for (const auto& [delta, word] : events) {
        for (std::uint32_t v : {delta, 0u, word}) {
            std::uint8_t b[4];
            std::memcpy(b, &v, 4);
            bytes.insert(bytes.end(), b, b + 4);
        }
    }
    return bytes;
}

long long Loudness(const std::vector<std::int16_t>& mix, std::size_t from, std::size_t frames) {
    long long sum = 0;
    for (std::size_t i = 2 * from; i < 2 * (from + frames) && i < mix.size(); ++i) sum += std::abs(mix[i]);
    return sum;
}

struct Synth {
    Synth() {
        std::string error;
        std::unique_ptr<cMidiOut> made = CreateMidiSynth(error);
        EXPECT_TRUE(made) << error;
        out = made.get();
        if (made) seq = std::make_unique<cMidiSequencer>(mixer, std::move(made), nullptr);
    }
    void Play(const std::vector<std::uint8_t>& events) {
        auto lock = mixer.Lock();
        seq->QueueLocked(events.data(), events.size(), nullptr);
        seq->RestartLocked();
    }
    // Renders in the audio device's periods.
    std::vector<std::int16_t> Render(std::size_t frames) {
        std::vector<std::int16_t> all;
        for (std::size_t done = 0; done < frames; done += 1024) {
            auto part = mixer.Render(std::min<std::size_t>(1024, frames - done));
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }
    cAudioMixer mixer;
    const cMidiOut* out = nullptr;
    std::unique_ptr<cMidiSequencer> seq;
};

// 96 ticks a quarter at 120 a minute: 192 ticks a second.
constexpr std::uint32_t kTicksPerSecond = 192;

TEST(MidiSynth, ANoteAfterAQuietStretchSoundsAsTheFirst) {
    for (std::uint32_t quiet : {1u, 3u, 4u, 10u}) {
        Synth synth;
        ASSERT_TRUE(synth.seq);
        const std::size_t gap = quiet * kMixRate;
        const auto events = Stream({{0, 0x00643C90},
                                    {kTicksPerSecond / 2, 0x00003C80},
                                    {kTicksPerSecond / 2 + quiet * kTicksPerSecond, 0x00643C90},
                                    {kTicksPerSecond / 2, 0x00003C80}});
        synth.Play(events); // the bytes stay until played
        const auto mix = synth.Render(gap + 3 * kMixRate);
        const long long first = Loudness(mix, 0, kMixRate / 2);
        const long long second = Loudness(mix, kMixRate + gap, kMixRate / 2);
        ASSERT_GT(first, 0) << quiet;
        EXPECT_NEAR(static_cast<double>(second) / first, 1.0, 0.05) << "after " << quiet << " s of quiet";
        EXPECT_EQ(Loudness(mix, kMixRate + gap - 4096, 4096), 0) << "the first note died away";
    }
}

// The SoundFont loading on a thread of its own: a stream queued while it loads
// is held, silent, and then plays from its first event, sample for sample as on
// a synthesiser loaded beforehand.
TEST(MidiSynth, AStreamQueuedWhileTheSoundFontLoadsPlaysInFullOnceLoaded) {
    const auto events = Stream({{0, 0x00643C90},
                                {kTicksPerSecond / 4, 0x00503E90},
                                {kTicksPerSecond / 4, 0x00003C80},
                                {0, 0x00003E80}});
    Synth loaded;
    ASSERT_TRUE(loaded.seq);
    loaded.Play(events);
    const auto reference = loaded.Render(2 * kMixRate);
    ASSERT_GT(Loudness(reference, 0, kMixRate / 2), 0);

    StartMidiSynthLoad();
    Synth loading; // takes the load begun above, at once
    ASSERT_TRUE(loading.seq);
    loading.Play(events);
    std::size_t heldPeriods = 0;
    while (!loading.out->Ready()) {
        ASSERT_FALSE(loading.out->LoadFailed());
        EXPECT_EQ(Loudness(loading.Render(1024), 0, 1024), 0) << "nothing sounds before the load ends";
        ++heldPeriods;
        Sleep(1);
    }
    EXPECT_EQ(loading.Render(2 * kMixRate), reference) << "after " << heldPeriods << " held periods";
}

// A load begun and never taken (the music is off, or the start ended early) is
// waited for and freed; the next synthesiser loads on its own.
TEST(MidiSynth, ALoadNoOneTookIsDiscardedAndTheNextSynthesiserLoadsAnew) {
    StartMidiSynthLoad();
    DiscardMidiSynthLoad();
    DiscardMidiSynthLoad(); // nothing waits any more
    Synth synth;
    ASSERT_TRUE(synth.seq);
    EXPECT_TRUE(synth.out->Ready()) << "a load of its own ends before it is handed out";
}

TEST(MidiSynth, AStreamIdleWithNothingQueuedPlaysWhatComesNext) {
    Synth synth;
    ASSERT_TRUE(synth.seq);
    const auto note = Stream({{0, 0x00643C90}, {kTicksPerSecond / 2, 0x00003C80}});
    synth.Play(note);
    const long long first = Loudness(synth.Render(kMixRate / 2), 0, kMixRate / 2);
    ASSERT_GT(first, 0);
    // Playing, with nothing queued: the mixer pulls silence for a while.
    EXPECT_EQ(Loudness(synth.Render(5 * kMixRate), 4 * kMixRate, kMixRate), 0);
    synth.Play(note);
    EXPECT_NEAR(static_cast<double>(Loudness(synth.Render(kMixRate / 2), 0, kMixRate / 2)) / first, 1.0,
                0.05);
}

} // namespace
