// A SoundFont that is there but does not load. Its load may begin on a thread
// of its own at the start, so the MIDI library's device opens before the
// failure is known; the music then goes on as when the device does not open at
// all: the program's own players take the MIDI, and their report says why it
// stays silent.
#include "MusicFixture.h"
#include "platform/MidiSynth.h"

#include <optional>

namespace {

// Points the synthesiser at a file of its own for the scope.
class SoundFontOverride {
public:
    explicit SoundFontOverride(const std::string& path) {
        if (const char* was = std::getenv("BRINDLE_SOUNDFONT")) was_ = was;
        ::setenv("BRINDLE_SOUNDFONT", path.c_str(), 1);
    }
    ~SoundFontOverride() {
        if (was_)
            ::setenv("BRINDLE_SOUNDFONT", was_->c_str(), 1);
        else
            ::unsetenv("BRINDLE_SOUNDFONT");
    }

private:
    std::optional<std::string> was_;
};

struct Outcome {
    int played;
    bool usesLibrary;
    std::string report;
    bool operator==(const Outcome&) const = default;
};

// Plays the title's MIDI with a damaged SoundFont; `early`: its load began
// before the music manager started, as the program's start does it.
Outcome PlayTitleWithDamagedSoundFont(bool early) {
    MusicFolder folder;
    const std::string riff = "RIFF\x10\x00\x00\x00sfbkLIST\x04\x00\x00\x00INFO";
    folder.Write("broken.sf2", std::vector<std::uint8_t>(riff.begin(), riff.end()));
    SoundFontOverride font((folder.path() / "broken.sf2").string());
    if (early) StartMidiSynthLoad();
    BGMSLOTOGG ogg[kBgmSlotCount];
    BGMSLOTMIDI midi[kBgmSlotCount];
    std::memcpy(ogg, BgmSlotOgg, sizeof ogg);
    std::memcpy(midi, BgmSlotMidi, sizeof midi);
    cBgmPlayer bgm;
    EXPECT_EQ(bgm.Init(1, ogg, midi, kBgmSlotCount), 1);
    // The load's failure is known once the device says it is not open.
    EXPECT_TRUE(WaitUntil([] { return !GGS4_IsDeviceOpen(); }));
    bgm.SetSlot(0, "bgm\\Title.mid", 100);
    Outcome outcome;
    outcome.played = bgm.Play(0, 0, 0, 0, 1);
    outcome.usesLibrary = bgm.UsesMidiLibrary();
    EXPECT_EQ(Loudness(RenderPeriods(kMixRate)), 0) << early;
    bgm.Release();
    outcome.report = folder.Report();
    return outcome;
}

TEST(SoundFontFailure, TheMusicGoesOnAsWithoutTheLibraryWhetherTheLoadBeganEarlyOrNot) {
    const Outcome late = PlayTitleWithDamagedSoundFont(false);
    EXPECT_FALSE(late.usesLibrary);
    EXPECT_NE(late.report.find("Midi bgm\\Title.mid Open"), std::string::npos) << late.report;
    const Outcome early = PlayTitleWithDamagedSoundFont(true);
    EXPECT_EQ(early, late);
}

} // namespace
