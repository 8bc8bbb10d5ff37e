// The music manager's slots and its choice between Ogg and MIDI, the Ogg
// front's volume and stop, and the MIDI library's master volume.
#include "MusicFixture.h"
#include "sound/BgmPlayer.h"

namespace {

using MusicManager = BgmTest;

TEST_F(MusicManager, SlotsFollowTheExtensionExactly) {
    struct Case {
        const char* file;
        int result, type;
        const char* oggName;
        const char* midiName;
        int oggVolume, midiVolume;
    } cases[] = {{"bgm\\Boss.MID", 1, 2, "bgm\\Challenge.ogg", "bgm\\Boss.mid", 0, 70},
                 {"bgm\\Boss.mid", 1, 2, "bgm\\Challenge.ogg", "bgm\\Boss.mid", 0, 70},
                 {"bgm\\Boss.OGG", 1, 1, "bgm\\Boss.OGG", "bgm\\Challenge.mid", 70, 0},
                 {"bgm\\Boss.wav", 0, 0, "bgm\\Boss.wav", "bgm\\Boss.wav", 70, 70},
                 {"bgm\\Boss.Mid", 0, 0, "bgm\\Boss.Mid", "bgm\\Boss.Mid", 70, 70},
                 {"bgm\\Boss", 0, 0, "", "", 0, 0}};
    for (const Case& c : cases) {
        std::memcpy(ogg, BgmSlotOgg, sizeof ogg);
        std::memcpy(midi, BgmSlotMidi, sizeof midi);
        EXPECT_EQ(bgm.SetSlot(2, c.file, 70), c.result) << c.file;
        EXPECT_EQ(bgm.SlotType(2), c.type) << c.file;
        EXPECT_STREQ(ogg[2].szFile, c.oggName) << c.file;
        EXPECT_STREQ(midi[2].szFile, c.midiName) << c.file;
        EXPECT_EQ(ogg[2].nVolume, c.oggVolume) << c.file;
        EXPECT_EQ(midi[2].nVolume, c.midiVolume) << c.file;
    }
    EXPECT_EQ(bgm.SetSlot(7, "bgm\\x.ogg", 100), 0) << "no such slot";
}

TEST_F(MusicManager, OneKindPlaysAtATimeAndFailuresLeaveNothingPlaying) {
    bgm.SetSlot(4, "bgm\\Stage.ogg", 100);
    bgm.SetSlot(0, "bgm\\Title.mid", 100);
    ASSERT_EQ(bgm.Play(0, 4, 1, 0, 1), 1);
    EXPECT_EQ(bgm.Ogg().CurrentIndex(), 0);
    EXPECT_GT(Loudness(RenderPeriods(8192)), 0);
    ASSERT_EQ(bgm.Play(0, 0, 1, 0, 1), 1);
    EXPECT_EQ(bgm.Ogg().CurrentIndex(), -1) << "a MIDI start stops the Ogg";
    EXPECT_EQ(bgm.CurrentSlot(), 0);
    EXPECT_EQ(bgm.Play(0, 0, 1, 0, 0), 1) << "the current slot again without force";

    // Either kind: the Ogg player refuses a wave file, and MIDI takes only "mid".
    bgm.SetSlot(3, "bgm\\Boss.wav", 100);
    EXPECT_EQ(bgm.Play(0, 3, 1, 0, 1), 0);
    EXPECT_EQ(bgm.CurrentSlot(), -1);
    bgm.SetSlot(2, "bgm\\NoDot", 100);
    EXPECT_EQ(bgm.Play(0, 2, 1, 0, 1), 0);
    RenderPeriods(44100); // the synthesiser's tail dies away
    EXPECT_EQ(Loudness(RenderPeriods(4096)), 0) << "nothing plays after a failed play";
}

TEST_F(MusicManager, AfterStopTheSameSlotDoesNotRestartWithoutForce) {
    bgm.SetSlot(4, "bgm\\Stage.ogg", 100);
    ASSERT_EQ(bgm.Play(0, 4, 1, 0, 1), 1);
    bgm.Stop();
    EXPECT_EQ(bgm.CurrentSlot(), 4);
    EXPECT_EQ(bgm.Play(0, 4, 1, 0, 0), 1);
    EXPECT_EQ(Loudness(RenderPeriods(4096)), 0);
    EXPECT_EQ(bgm.Play(0, 4, 1, 0, 1), 1);
    EXPECT_GT(Loudness(RenderPeriods(8192)), 0);
}

TEST_F(MusicManager, OggVolumeAndAFailedLoadThatKeepsNothing) {
    cOgg& o = bgm.Ogg();
    ASSERT_EQ(o.CreatePlayers(1), 1) << "the earlier players are released, not leaked";
    ASSERT_EQ(o.Play(0, "bgm\\Stage.ogg", 1, 100), 1);
    const long long full = Loudness(RenderPeriods(22050));
    ASSERT_EQ(o.Play(0, "bgm\\Stage.ogg", 1, 50), 1);
    const long long half = Loudness(RenderPeriods(22050));
    EXPECT_NEAR(static_cast<double>(half) / full, 0.5, 0.02);
    ASSERT_EQ(o.Play(0, "bgm\\Stage.ogg", 1, 100), 1);
    EXPECT_NEAR(static_cast<double>(Loudness(RenderPeriods(22050))) / full, 1.0, 0.02)
        << "100 is full volume again after a quieter piece";
    o.Stop();
    o.Stop();
    EXPECT_EQ(o.CurrentIndex(), -1);
    EXPECT_EQ(o.Play(0, "bgm\\Title.mid", 1, 100), 0);
    EXPECT_EQ(o.Play(0, "", 1, 100), 0);
    EXPECT_EQ(o.Play(3, "bgm\\Stage.ogg", 1, 100), 0) << "no such player";
    o.Player(0)->Play(); // nothing is loaded after the failure: nothing sounds
    EXPECT_EQ(Loudness(RenderPeriods(4096)), 0);
}

TEST(MidiLibraryFront, MasterVolumeFromPercent) {
    MemoryAudio audio;
    struct Case {
        int percent, master;
    } cases[] = {{100, 0}, {50, -64}, {0, -127}, {1, -126}};
    cGGS4 front;
    ASSERT_EQ(front.Init(), 1);
    TempDir dir;
    std::filesystem::create_directories("bgm");
    std::filesystem::copy_file(DemoDir() / "bgm/Title.mid", "bgm/Title.mid");
    EXPECT_EQ(front.Play(0, "bgm\\Title.MID", 0, 100), 0) << "only the exact extension";
    for (const Case& c : cases) {
        ASSERT_EQ(front.Play(0, "bgm\\Title.mid", 0, c.percent), 1);
        EXPECT_EQ(front.m_nMasterVolume, c.master) << c.percent;
    }
    front.Stop(0);
    FreeGGS4();
}

} // namespace
