// The own MIDI player on the real synthesiser, rendered into memory: a track
// that fits one buffer is queued whole at opening, the end marker stops or
// loops it, a long track is fed buffer by buffer by the callback thread, and
// destroying a player ends that thread.
#include "sound/MidiPlayer.h"
#include "MusicFixture.h"
#include "fixtures/SmfBuilder.h"

namespace {

TEST(MidiPlayer, AShortTrackIsQueuedWholeAndTheEndStopsOrLoopsIt) {
    MusicFolder folder;
    const double seconds = ImageSeconds(cSmf("bgm\\Title.mid"));
    ASSERT_GT(seconds, 1.5);
    for (int loop : {0, 1}) {
        cMidiPlayer player("bgm\\Title.mid");
        ASSERT_TRUE(player.IsOpen());
        EXPECT_EQ(player.ReadPosition(), player.ImageEnd()) << "the whole track in the first buffer";
        EXPECT_EQ(player.State(), cMidiPlayer::STOPPED);
        EXPECT_TRUE(player.HasQueuedBuffer());
        EXPECT_EQ(Loudness(RenderPeriods(4096)), 0) << "queued, but the stream waits";
        player.Restart(loop);
        EXPECT_EQ(player.State(), cMidiPlayer::PLAYING);
        EXPECT_EQ(player.ReadPosition(), player.ImageEnd()) << "nothing more to send";
        // Past the end marker but short of a second end: the buffer is handed
        // back, and the callback thread queues the start again (and plays it
        // when looping). Whenever the thread gets to it, that is what it leaves.
        const auto whole = RenderPeriods(static_cast<std::size_t>((seconds + 1) * kMixRate));
        EXPECT_GT(Loudness(whole), 0);
        ASSERT_TRUE(WaitUntil([&] { return player.HasQueuedBuffer(); })) << "the end was handled";
        EXPECT_EQ(player.ReadPosition(), player.ImageEnd());
        if (loop) {
            EXPECT_EQ(player.State(), cMidiPlayer::PLAYING);
            EXPECT_GT(Loudness(RenderPeriods(kMixRate)), 0) << "it plays again from its start";
        } else {
            EXPECT_EQ(player.State(), cMidiPlayer::STOPPED);
            RenderPeriods(2 * kMixRate); // the release dies away
            EXPECT_EQ(Loudness(RenderPeriods(4096)), 0);
        }
    }
}

TEST(MidiPlayer, ALongTrackIsFedBufferByBuffer) {
    MusicFolder folder;
    // 3000 short notes: more than two buffers of stream events.
    SmfBytes events = {0x00, 0xC0, 0x00};
    for (int i = 0; i < 3000; ++i) {
        const std::uint8_t key = static_cast<std::uint8_t>(60 + i % 12);
        events.insert(events.end(), {0x00, 0x90, key, 0x50, 0x01, 0x80, key, 0x00});
    }
    events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
    SmfBytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    PutBe(file, static_cast<std::uint32_t>(events.size()), 4);
    file.insert(file.end(), events.begin(), events.end());
    folder.Write("bgm/Long.mid", file);
    cMidiPlayer player("bgm\\Long.mid");
    ASSERT_TRUE(player.IsOpen());
    const std::size_t first = player.ReadPosition();
    EXPECT_LT(first, player.ImageEnd());
    player.Restart(0);
    const std::size_t second = player.ReadPosition();
    EXPECT_GT(second, first) << "the second buffer is queued at the start";
    // 3000 notes of one tick (5.2 ms each): about 15.6 s of music. The
    // callback thread refills behind the render; when it lags, the test waits
    // for it instead of rendering on into an empty stream.
    for (int i = 0; i < 100 && player.State() == cMidiPlayer::PLAYING; ++i) {
        RenderPeriods(kMixRate);
        ASSERT_TRUE(WaitUntil([&] { return player.HasQueuedBuffer(); }));
    }
    EXPECT_EQ(player.State(), cMidiPlayer::STOPPED) << "the end marker played";
    EXPECT_EQ(player.ReadPosition(), first) << "rewound, the start queued again";
}

TEST(MidiPlayer, RefusedFilesOpenNothingAndDestroyingEndsTheThread) {
    MusicFolder folder;
    folder.Write("bgm/Bad.mid", {'R', 'I', 'F', 'F'});
    {
        cMidiPlayer bad("bgm\\Bad.mid");
        EXPECT_FALSE(bad.HasImage());
        EXPECT_FALSE(bad.IsOpen());
        bad.Restart(1);
        bad.Stop(0);
    }
    cVector<cMidiPlayer*> players(1, nullptr);
    EXPECT_EQ(PlayMidiFile(players, 0, "bgm\\Title.wav", 1), 0);
    EXPECT_EQ(PlayMidiFile(players, 0, "bgm\\Bad.mid", 1), 0);
    ASSERT_NE(players[0], nullptr) << "a player without image stays until the next call";
    EXPECT_EQ(PlayMidiFile(players, 0, "bgm\\Title.mid", 1), 1);
    EXPECT_GT(Loudness(RenderPeriods(44100)), 0);
    // Many players made and destroyed while playing: every callback thread is joined.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PlayMidiFile(players, 0, "bgm\\Title.mid", 1), 1);
        RenderPeriods(2048);
    }
    delete players[0];
    players[0] = nullptr;
    EXPECT_NE(folder.Report().find("Midi bgm\\Bad.mid Init"), std::string::npos);
}

} // namespace
