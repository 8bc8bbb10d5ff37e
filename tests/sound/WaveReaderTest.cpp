// Wave files for sound effects: the PCM layouts load; every other format,
// and files that are no wave files, are refused with their message naming
// the file, or silently where there is nothing to say.
#include "SoundFixture.h"
#include "fixtures/WaveBuilder.h"

namespace {

const std::string kAnyFormat = U8(u8"対応していない形式か、不正なwavファイルです。");
const std::string kNotPcm = U8(u8"PCM形式以外の形式です。");
const std::string kNotRiff = U8(u8"不正なファイルです。");

TEST(WaveReader, PcmLayoutsLoadWithTheirFormat) {
    struct Case {
        std::uint16_t channels, bits;
        std::uint32_t formatSize;
    } cases[] = {{1, 8, 16}, {1, 16, 16}, {2, 8, 16}, {2, 16, 18}, {1, 8, 18}};
    for (const Case& c : cases) {
        WaveSpec w;
        w.channels = c.channels;
        w.bits = c.bits;
        w.rate = 22050;
        w.formatSize = c.formatSize;
        w.samples = {1, 2, 3, 4, 5, 6, 7, 8};
        DSWAVE wave;
        ASSERT_TRUE(DS_ReadWaveBytes("a.wav", BuildWave(w), wave)) << c.channels << "ch " << c.bits;
        EXPECT_EQ(wave.Format.wFormatTag, 1);
        EXPECT_EQ(wave.Format.nChannels, c.channels);
        EXPECT_EQ(wave.Format.wBitsPerSample, c.bits);
        EXPECT_EQ(wave.Format.nSamplesPerSec, 22050u);
        EXPECT_EQ(wave.Samples, w.samples);
        DS_FreeWave(wave);
        EXPECT_TRUE(wave.Samples.empty());
    }
}

TEST(WaveReader, RefusalsSayWhyOnceAndNameTheFile) {
    ReportFolder folder;
    WaveSpec wide;
    wide.formatSize = 20;
    wide.samples = {0, 0};
    WaveSpec adpcm;
    adpcm.formatTag = 2;
    adpcm.samples = {0, 0};
    std::vector<std::uint8_t> truncatedFormat = BuildWave(WaveSpec{.samples = {0, 0}});
    truncatedFormat.resize(12 + 8 + 10); // the "fmt " chunk says 16 bytes, 10 are there
    std::vector<std::uint8_t> midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    std::vector<std::uint8_t> riffAvi = BuildWave(WaveSpec{.samples = {0, 0}});
    riffAvi[8] = 'A';
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {{"wide.wav", BuildWave(wide), kAnyFormat},
                 {"adpcm.wav", BuildWave(adpcm), kNotPcm},
                 {"short.wav", truncatedFormat, kAnyFormat},
                 {"midi.wav", midi, kNotRiff},
                 {"avi.wav", riffAvi, kNotRiff},
                 {"empty.wav", {}, kNotRiff}};
    for (const Case& c : cases) {
        const std::size_t before = folder.Report().size();
        DSWAVE wave;
        EXPECT_FALSE(DS_ReadWaveBytes(c.name, c.bytes, wave)) << c.name;
        EXPECT_TRUE(wave.Samples.empty());
        const std::string added = folder.Report().substr(before);
        EXPECT_EQ(added.find(std::string(c.name) + U8(u8" の読み込みに失敗しました…\n")), 0u)
            << c.name << added;
        EXPECT_NE(added.find(c.message), std::string::npos) << c.name << added;
        EXPECT_EQ(added.find(c.message), added.rfind(c.message)) << "one message: " << c.name;
    }
}

TEST(WaveReader, MissingPiecesFailSilently) {
    ReportFolder folder;
    WaveSpec w;
    w.samples = {};
    std::vector<std::uint8_t> noData = BuildWave(w); // data chunk of size 0
    std::vector<std::uint8_t> noFormat = {'R', 'I', 'F', 'F', 12,  0,   0, 0, 'W', 'A',
                                          'V', 'E', 'd', 'a', 't', 'a', 0, 0, 0,   0};
    DSWAVE wave;
    EXPECT_FALSE(DS_ReadWave("wave\\missing.wav", wave));
    EXPECT_FALSE(DS_ReadWaveBytes("nodata.wav", noData, wave));
    EXPECT_FALSE(DS_ReadWaveBytes("nofmt.wav", noFormat, wave));
    EXPECT_EQ(folder.Report(), "");
}

TEST(WaveReader, ChunksAreFoundInAnyOrderAndBoundedByTheFile) {
    WaveSpec w;
    w.samples = {10, 0, 20, 0, 30, 0, 40, 0};
    std::vector<std::uint8_t> bytes = BuildWave(w);
    // A "LIST" chunk before "fmt " is skipped.
    std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 12, list.begin(), list.end());
    bytes[4] = static_cast<std::uint8_t>(bytes[4] + list.size());
    DSWAVE wave;
    ASSERT_TRUE(DS_ReadWaveBytes("list.wav", bytes, wave));
    EXPECT_EQ(wave.Samples, w.samples);

    // A data chunk that claims more than the file holds keeps what is there.
    std::vector<std::uint8_t> cut = BuildWave(w);
    cut.resize(cut.size() - 4);
    const std::size_t sizeAt = 12 + 8 + 16 + 4;
    cut[sizeAt] = 0xFF;
    cut[sizeAt + 1] = 0xFF;
    cut[sizeAt + 2] = 0xFF;
    cut[sizeAt + 3] = 0x7F;
    ASSERT_TRUE(DS_ReadWaveBytes("cut.wav", cut, wave));
    EXPECT_EQ(wave.Samples.size(), 4u);
}

} // namespace
