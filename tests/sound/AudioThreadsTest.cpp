// The audio device's own thread pulls the mixer (SDL's dummy driver under the
// tests, chosen here) while this thread starts and stops a sound and a MIDI player whose
// callback thread refills and ends it: everything plays out, nothing races.
#include "MusicFixture.h"
#include "fixtures/SmfBuilder.h"
#include "sound/MidiPlayer.h"

#include <cstdlib>

namespace {

TEST(AudioThreads, TheDevicePlaysASoundAndAMidiFileToTheirEnds) {
    ReportFolder folder;
    ASSERT_FALSE(AudioDeviceSettings().memoryOnly);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1); // a real device thread, output dropped
    std::string error;
    ASSERT_TRUE(OpenAudioDevice(error)) << error;

    auto samples = std::make_shared<cPcmSamples>();
    samples->bytes.assign(kMixRate / 10, 200); // a tenth of a second, 8-bit mono
    auto voice = std::make_shared<cVoice>(samples, kMixRate);
    {
        auto lock = AudioMixer().Lock();
        AudioMixer().PlayLocked(voice, false);
    }

    // Two short notes, a quarter of a second each at 96 ticks a half second.
    folder.Write("bgm/Short.mid",
                 Smf(0, 96, {Track({0x00, 0x90, 0x3C, 0x64, 0x30, 0x80, 0x3C, 0x00, 0x00, 0x90,
                                    0x40, 0x64, 0x30, 0x80, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00})}));
    {
        cMidiPlayer player("bgm\\Short.mid");
        ASSERT_TRUE(player.IsOpen());
        player.Restart(0);
        player.Stop(1);
        player.Restart(0);
        EXPECT_TRUE(WaitUntil([&] { return player.State() == cMidiPlayer::STOPPED; }))
            << "the end was played";
        EXPECT_TRUE(player.HasQueuedBuffer()) << "the start is queued again";
    }
    EXPECT_TRUE(WaitUntil([&] {
        auto lock = AudioMixer().Lock();
        return !voice->inMixer;
    })) << "the sound played to its end";
    CloseAudioDevice();
    EXPECT_EQ(folder.Report(), "");
}

} // namespace
