// The demo game's music played headless through the real synthesiser and
// decoder into memory: each piece sounds, and for as long as the file says.
#include "MusicFixture.h"
#include "sound/BgmPlayer.h"
#include "sound/Smf.h"

#include <vorbis/vorbisfile.h>

namespace {

double OggSeconds(const std::filesystem::path& path) {
    OggVorbis_File f;
    if (ov_fopen(path.c_str(), &f) != 0) return 0;
    const double seconds = ov_time_total(&f, -1);
    ov_clear(&f);
    return seconds;
}

using DemoMusic = BgmTest;

TEST_F(DemoMusic, TitleMidiSoundsForItsLength) {
    ASSERT_TRUE(bgm.UsesMidiLibrary()) << "the synthesiser and its SoundFont are there";
    const double seconds = ImageSeconds(cSmf("bgm\\Title.mid"));
    ASSERT_GT(seconds, 1.0);
    bgm.SetSlot(0, "bgm\\Title.mid", 100);
    ASSERT_EQ(bgm.Play(0, 0, 0, 0, 1), 1);
    const auto mix = RenderPeriods(static_cast<std::size_t>((seconds + 4) * kMixRate));
    const double end = static_cast<double>(LastSound(mix)) / kMixRate;
    EXPECT_GT(Loudness(mix), 0);
    // The notes end with the track; the synthesiser's release dies away soon after.
    EXPECT_GT(end, seconds - 0.5);
    EXPECT_LT(end, seconds + 3.0);
}

TEST_F(DemoMusic, StageOggSoundsForItsLengthAndLoops) {
    const double seconds = OggSeconds(folder.path() / "bgm/Stage.ogg");
    ASSERT_GT(seconds, 1.0);
    bgm.SetSlot(4, "bgm\\Stage.ogg", 100);
    ASSERT_EQ(bgm.Play(0, 4, 0, 0, 1), 1);
    auto mix = RenderPeriods(static_cast<std::size_t>((seconds + 1) * kMixRate));
    EXPECT_GT(Loudness(mix), 0);
    const double end = static_cast<double>(LastSound(mix)) / kMixRate;
    EXPECT_GT(end, seconds - 0.5);
    EXPECT_LE(end, seconds + 0.01);
    ASSERT_EQ(bgm.Play(0, 4, 1, 0, 1), 1);
    RenderPeriods(static_cast<std::size_t>(seconds * kMixRate));
    EXPECT_GT(Loudness(RenderPeriods(kMixRate / 2)), 0) << "looping goes on past the end";
}

} // namespace
