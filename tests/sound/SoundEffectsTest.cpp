// The sound-effect layer on the mixer, rendered into memory: copies started in
// turn, volumes, a failed sound that keeps nothing, and the layer switched off.
#include "SoundFixture.h"
#include "fixtures/WaveBuilder.h"

#include <cstring>

namespace {

class SoundEffects : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DS_Init(nullptr, 22050, 8, 1)); }
    void TearDown() override {
        for (DSSOUNDDATA& s : sounds) DS_ReleaseSound(s);
        DS_Release(); // releases the list kept last, which must still be there
    }
    // A 16-bit mono wave at the mixer's rate of `frames` frames of `value`.
    void WriteTone(const std::string& name, int frames, std::int16_t value = 8000) {
        WaveSpec w;
        w.samples = Samples16(std::vector<std::int16_t>(static_cast<std::size_t>(frames), value));
        folder.Write(name, BuildWave(w));
    }
    DSSOUNDINFO Info(const char* name, int copies, int volume = 0) {
        DSSOUNDINFO info;
        std::strcpy(info.szFileName, name);
        info.nCopies = copies;
        info.nVolume = volume;
        return info;
    }
    MemoryAudio audio;
    ReportFolder folder;
    std::vector<DSSOUNDDATA> sounds, more;
};

int StatusOf(LPDIRECTSOUNDBUFFER b) {
    DWORD status = 0;
    b->GetStatus(&status);
    return static_cast<int>(status);
}

TEST_F(SoundEffects, CopiesStartInTurnAndTheNextRoundRestartsTheFirst) {
    WriteTone("wave/a.wav", 100);
    sounds.resize(1);
    DS_CreateSoundList(sounds, {Info("wave\\a.wav", 3)}, 0);
    DSSOUNDDATA& s = sounds[0];
    ASSERT_EQ(s.nCopies, 3);
    EXPECT_STREQ(s.szFileName, "wave\\a.wav");
    // Copy i starts 10 frames after copy i-1: the three overlap, so the mix adds up.
    for (int i = 0; i < 3; ++i) {
        DS_Play(s, 0);
        EXPECT_EQ(StatusOf(s.Copies[i]), DSBSTATUS_PLAYING);
        AudioMixer().Render(10);
    }
    EXPECT_EQ(s.nNextCopy, 0);
    auto mix = AudioMixer().Render(1);
    EXPECT_NEAR(mix[0], 3 * 8000, 3);
    // The fourth play restarts copy 0 from its beginning; it then outlasts the others.
    DS_Play(s, 0);
    mix = AudioMixer().Render(95);
    EXPECT_NEAR(mix[2 * 94], 8000, 1);
    mix = AudioMixer().Render(20);
    EXPECT_EQ(mix[2 * 19], 0);
    EXPECT_EQ(StatusOf(s.Copies[0]), 0);
}

TEST_F(SoundEffects, OneCopyRestartsFromTheBeginningOnEveryPlay) {
    WriteTone("one.wav", 50);
    sounds.resize(1);
    ASSERT_TRUE(DS_CreateSound(sounds[0], "one.wav", 1, 0));
    DS_Play(sounds[0], 0);
    AudioMixer().Render(40);
    DS_Play(sounds[0], 0);
    auto mix = AudioMixer().Render(50);
    EXPECT_NE(mix[2 * 49], 0) << "restarted, so 50 more frames sound";
    EXPECT_EQ(AudioMixer().Render(1)[0], 0);
}

TEST_F(SoundEffects, ListVolumeOrEntryVolumeAndTheClamp) {
    WriteTone("v.wav", 10);
    sounds.resize(3);
    // List volume 0: each entry keeps its own; an entry volume of 0 leaves full volume.
    DS_CreateSoundList(sounds, {Info("v.wav", 2, -600), Info("v.wav", 1, 0), Info("v.wav", 1, -100)}, 0);
    EXPECT_EQ(DS_GetVolume(sounds[0], 0), -600);
    EXPECT_EQ(DS_GetVolume(sounds[0], 1), -600);
    EXPECT_EQ(DS_GetVolume(sounds[1], 0), 0);
    DS_Play(sounds[0], 0);
    EXPECT_NEAR(AudioMixer().Render(1)[0], 8000 * VolumeToGain(-600), 2);
    AudioMixer().Render(20);

    struct Case {
        int start, volume, relative, expected;
    } cases[] = {{0, -12000, 0, -10000}, {0, 50, 0, 0}, {-50, 100, 1, 0}, {-1000, -500, 1, -1500}};
    for (const Case& c : cases) {
        DS_SetVolume(sounds[1], 0, c.start, 0);
        EXPECT_EQ(DS_SetVolume(sounds[1], 0, c.volume, c.relative), c.expected);
        EXPECT_EQ(DS_GetVolume(sounds[1], 0), c.expected);
    }
    EXPECT_EQ(DS_SetVolume(sounds[1], 5, -100, 0), 0) << "no such copy";

    // A list volume other than 0 overrides every entry; created sounds are kept.
    more.resize(2);
    DS_CreateSoundList(more, {Info("v.wav", 1, -600), Info("v.wav", 1, 0)}, SoundVolumeForLevel(4));
    EXPECT_EQ(DS_GetVolume(more[0], 0), -800);
    EXPECT_EQ(DS_GetVolume(more[1], 0), -800);
    DS_CreateSoundList(more, {Info("v.wav", 1, -100), Info("v.wav", 1, 0)}, 0);
    EXPECT_EQ(DS_GetVolume(more[0], 0), -800) << "created sounds are not made again";
    EXPECT_EQ(SoundVolumeForLevel(0), -10000);
    EXPECT_EQ(SoundVolumeForLevel(10), 0);
}

TEST_F(SoundEffects, AFailedSoundKeepsNothingAndPlaysNothing) {
    WaveSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.samples = {1, 2};
    folder.Write("bad.wav", BuildWave(adpcm));
    WaveSpec odd; // PCM, but a layout no buffer takes
    odd.bits = 12;
    odd.samples = {1, 2, 3, 4};
    folder.Write("odd.wav", BuildWave(odd));
    WriteTone("ok.wav", 10);
    sounds.resize(4);
    DS_CreateSoundList(
        sounds, {Info("bad.wav", 3), Info("missing.wav", 2), Info("odd.wav", 2), Info("ok.wav", 0)}, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(sounds[i].Copies.empty()) << i;
        EXPECT_EQ(sounds[i].nCopies, 0) << i;
        DS_Play(sounds[i], 0);
    }
    for (std::int16_t v : AudioMixer().Render(10)) EXPECT_EQ(v, 0);
    const std::string report = folder.Report();
    EXPECT_NE(report.find(U8(u8"bad.wav の読み込みに失敗しました！")), std::string::npos);
    EXPECT_NE(report.find(U8(u8"missing.wav の読み込みに失敗しました！")), std::string::npos);
    // A copy count of 0 still makes the one buffer the sound needs.
    EXPECT_EQ(sounds[3].nCopies, 1);
}

TEST(SoundEffectsOff, EveryOperationSucceedsAndPlaysNothing) {
    MemoryAudio audio;
    ASSERT_FALSE(DS_IsRunning());
    DSSOUNDDATA sound;
    EXPECT_TRUE(DS_CreateSound(sound, "wave\\none.wav", 3, -100));
    EXPECT_TRUE(DS_LoadSoundBuffer(nullptr, "wave\\none.wav"));
    DS_Play(sound, 0);
    EXPECT_EQ(DS_SetVolume(sound, 0, -100, 0), 0);
    EXPECT_EQ(DS_GetVolume(sound, 0), 0);
    DS_ReleaseSound(sound);
    DS_Release();
    for (std::int16_t v : AudioMixer().Render(4)) EXPECT_EQ(v, 0);
}

} // namespace
