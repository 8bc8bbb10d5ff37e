// The mixer rendered into memory: sample conversion, the volume and pan laws
// in hundredths of a decibel, playback frequency, overlapping voices, stop,
// and music sources mixed beside the voices.
#include "platform/AudioMixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

std::shared_ptr<cVoice> Voice16(const std::vector<std::int16_t>& values, int channels, std::uint32_t rate) {
    auto s = std::make_shared<cPcmSamples>();
    s->channels = channels;
    s->bitsPerSample = 16;
    for (std::int16_t v : values) {
        s->bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        s->bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return std::make_shared<cVoice>(s, rate);
}

void Play(cAudioMixer& mixer, const std::shared_ptr<cVoice>& voice, bool loop = false) {
    auto lock = mixer.Lock();
    mixer.PlayLocked(voice, loop);
}

TEST(AudioMixer, GainLaws) {
    EXPECT_FLOAT_EQ(VolumeToGain(0), 1.0f);
    EXPECT_FLOAT_EQ(VolumeToGain(-10000), 0.0f);
    EXPECT_FLOAT_EQ(VolumeToGain(-20000), 0.0f);
    EXPECT_NEAR(VolumeToGain(-600), 0.501f, 0.001f); // -6 dB halves the amplitude
    EXPECT_NEAR(VolumeToGain(-2000), 0.1f, 0.0001f);
    struct Case {
        std::int32_t pan;
        float left, right;
    } cases[] = {{0, 1, 1}, {-10000, 1, 0}, {10000, 0, 1}, {-2000, 1, 0.1f}, {2000, 0.1f, 1}, {-30000, 1, 0}};
    for (const Case& c : cases) {
        float l = -1, r = -1;
        PanToGains(c.pan, l, r);
        EXPECT_NEAR(l, c.left, 1e-4) << c.pan;
        EXPECT_NEAR(r, c.right, 1e-4) << c.pan;
    }
}

TEST(AudioMixer, OneVoicePlaysItsSamplesOnceThenFallsSilent) {
    cAudioMixer mixer;
    auto v = Voice16({16384, -16384, 8192, 0}, 1, kMixRate);
    Play(mixer, v);
    auto out = mixer.Render(6);
    const int expected[] = {16384, -16384, 8192, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(out[2 * i], expected[i], 1) << i;
        EXPECT_EQ(out[2 * i], out[2 * i + 1]) << "a mono voice sounds on both sides";
    }
    EXPECT_FALSE(v->playing);
    auto lock = mixer.Lock();
    EXPECT_EQ(mixer.ActiveVoicesLocked(), 0u);
}

TEST(AudioMixer, VolumePanAndStereoApplyPerSide) {
    cAudioMixer mixer;
    auto stereo = Voice16({20000, -20000}, 2, kMixRate);
    stereo->volume = -600;
    stereo->pan = 2000; // the left side 20 dB down
    Play(mixer, stereo);
    auto out = mixer.Render(1);
    const double half = VolumeToGain(-600);
    EXPECT_NEAR(out[0], 20000 * half * 0.1, 2);
    EXPECT_NEAR(out[1], -20000 * half, 2);
}

TEST(AudioMixer, FrequencyStretchesAndVoicesAddUpAndClip) {
    cAudioMixer mixer;
    auto slow = Voice16({1000, 1000, 1000, 1000}, 1, kMixRate / 2);
    Play(mixer, slow);
    auto out = mixer.Render(10);
    int sounding = 0;
    for (int i = 0; i < 10; ++i) sounding += out[2 * i] != 0;
    EXPECT_EQ(sounding, 8) << "half the rate plays twice as long";

    auto a = Voice16({30000, 1000}, 1, kMixRate), b = Voice16({30000, 2000}, 1, kMixRate);
    Play(mixer, a);
    Play(mixer, b);
    out = mixer.Render(2);
    EXPECT_EQ(out[0], 32767) << "the sum is clipped, not wrapped";
    EXPECT_NEAR(out[2], 3000, 1);
}

TEST(AudioMixer, StopSilencesAndLoopRepeats) {
    cAudioMixer mixer;
    auto loop = Voice16({5000, 6000}, 1, kMixRate);
    Play(mixer, loop, true);
    auto out = mixer.Render(5);
    EXPECT_NEAR(out[8], 5000, 1);
    {
        auto lock = mixer.Lock();
        loop->playing = false;
    }
    out = mixer.Render(3);
    for (std::int16_t v : out) EXPECT_EQ(v, 0);
}

class Constant : public cAudioSource {
public:
    void MixInto(float* out, std::size_t frames) override {
        for (std::size_t i = 0; i < frames * 2; ++i) out[i] += 0.25f;
        pulled += frames;
    }
    std::size_t pulled = 0;
};

TEST(AudioMixer, SourcesMixBesideVoicesUntilRemoved) {
    cAudioMixer mixer;
    Constant source;
    {
        auto lock = mixer.Lock();
        mixer.AddSourceLocked(&source);
        mixer.AddSourceLocked(&source);
    }
    Play(mixer, Voice16({8192}, 1, kMixRate));
    auto out = mixer.Render(2);
    EXPECT_NEAR(out[0], 8192 + 8192, 2);
    EXPECT_NEAR(out[2], 8192, 1);
    EXPECT_EQ(source.pulled, 2u) << "a source added twice is pulled once";
    {
        auto lock = mixer.Lock();
        mixer.RemoveSourceLocked(&source);
    }
    out = mixer.Render(2);
    EXPECT_EQ(out[0], 0);
}

} // namespace
