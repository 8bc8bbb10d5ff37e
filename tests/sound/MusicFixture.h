// Music tests: a scratch game folder with the demo's music, the mixer in
// memory, and helpers that render until something happens.
#pragma once

#include "SoundFixture.h"
#include "demo/DemoFiles.h"

#include "platform/Clock.h"
#include "sound/BgmPlayer.h"

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

// Waits (a few seconds at most) until the condition holds; another thread makes it so.
inline bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 5000; ++i) {
        if (condition()) return true;
        Sleep(1);
    }
    return condition();
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
