// Music tests: a scratch game folder with the demo's music, the mixer in
// memory, and helpers that render until something happens.
#pragma once

#include "SoundFixture.h"
#include "demo/DemoFiles.h"

#include "platform/Clock.h"
#include "sound/BgmPlayer.h"
#include "sound/Smf.h"

#include <cstring>
#include <functional>

class MusicFolder : public MemoryAudio, public ReportFolder {
public:
    MusicFolder() {
        for (const char* name : {"bgm/Title.mid", "bgm/Stage.ogg"}) Write(name, ReadDemoFile(name));
    }
};

// The index of the last frame that is not silent, or -1.
inline long long LastSound(const std::vector<std::int16_t>& mix) {
    for (std::size_t i = mix.size(); i-- > 0;)
        if (mix[i] != 0) return static_cast<long long>(i / 2);
    return -1;
}

// Renders in periods of the device's size until `done` or `limitFrames`.
inline std::vector<std::int16_t> RenderPeriods(std::size_t frames) {
    std::vector<std::int16_t> all;
    all.reserve(frames * 2);
    for (std::size_t done = 0; done < frames; done += 1024) {
        auto part = AudioMixer().Render(std::min<std::size_t>(1024, frames - done));
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Waits until the condition holds; another thread makes it so. The bound is
// only there to end a broken run: a loaded machine may take seconds.
inline bool WaitUntil(const std::function<bool()>& condition) {
    const DWORD start = timeGetTime();
    while (!condition()) {
        if (timeGetTime() - start > 120000) return false;
        Sleep(1);
    }
    return true;
}

// The playing time of a merged image in seconds, from its deltas and tempos.
inline double ImageSeconds(const cSmf& smf) {
    const std::vector<std::uint8_t>& img = smf.m_Image;
    double seconds = 0, tempo = 500000;
    std::size_t at = kSmfImageHeader;
    while (at < img.size()) {
        std::uint32_t delta = 0;
        at += ReadVarLen(&img[at], img.data() + img.size(), delta);
        seconds += delta * tempo / 1e6 / smf.Division();
        const std::uint8_t status = img[at];
        if (status == 0xFF) {
            std::uint32_t length = 0;
            const int n = ReadVarLen(&img[at + 2], img.data() + img.size(), length);
            if (img[at + 1] == 0x51)
                tempo = (img[at + 2 + n] << 16) | (img[at + 3 + n] << 8) | img[at + 4 + n];
            at += 2 + n + length;
        } else if (status == 0xF0 || status == 0xF7) {
            std::uint32_t length = 0;
            at += 1 + ReadVarLen(&img[at + 1], img.data() + img.size(), length);
            at += length;
        } else {
            at += (status >= 0xC0 && status <= 0xDF) ? 2 : 3;
        }
    }
    return seconds;
}

// A music manager of its own, started on copies of the preset slot tables.
class BgmTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memcpy(ogg, BgmSlotOgg, sizeof ogg);
        std::memcpy(midi, BgmSlotMidi, sizeof midi);
        ASSERT_EQ(bgm.Init(1, ogg, midi, kBgmSlotCount), 1);
    }
    void TearDown() override { bgm.Release(); }
    MusicFolder folder;
    BGMSLOTOGG ogg[kBgmSlotCount];
    BGMSLOTMIDI midi[kBgmSlotCount];
    cBgmPlayer bgm;
};
