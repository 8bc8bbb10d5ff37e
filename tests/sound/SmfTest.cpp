// The Standard MIDI File reader: hand-built files of format 0 and 1 against
// the merged image they must give, and damaged files refused with their message.
#include "sound/Smf.h"
#include "SoundFixture.h"
#include "fixtures/SmfBuilder.h"

namespace {

TEST(Smf, VariableLengthNumbers) {
    struct Case {
        std::uint32_t value;
        SmfBytes bytes;
    } cases[] = {{0, {0x00}},
                 {127, {0x7F}},
                 {128, {0x81, 0x00}},
                 {16383, {0xFF, 0x7F}},
                 {16384, {0x81, 0x80, 0x00}},
                 {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
                 {0x200000, {0x81, 0x80, 0x80, 0x00}},
                 {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
    for (const Case& c : cases) {
        std::uint8_t out[4] = {};
        const int n = WriteVarLen(out, c.value);
        EXPECT_EQ(SmfBytes(out, out + n), c.bytes) << c.value;
        std::uint32_t back = 0;
        EXPECT_EQ(ReadVarLen(c.bytes.data(), c.bytes.data() + c.bytes.size(), back), n);
        EXPECT_EQ(back, c.value);
    }
    std::uint8_t out[4];
    EXPECT_EQ(WriteVarLen(out, 0x10000000), 0);
    const SmfBytes five = {0x81, 0x80, 0x80, 0x80, 0x00};
    std::uint32_t v = 0;
    EXPECT_EQ(ReadVarLen(five.data(), five.data() + five.size(), v), 0) << "a fifth byte is damage";
    EXPECT_EQ(ReadVarLen(five.data(), five.data() + 2, v), 0) << "the end of the file is damage";
}

TEST(Smf, FormatZeroLosesItsRunningStatusAndKeepsMetaEvents) {
    // Program change, tempo, note on, then a note on and a note off by running status, a text event.
    SmfBytes file = Smf(0, 480, {Track({0x00, 0xC0, 0x05,                         //
                                        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, //
                                        0x00, 0x90, 0x3C, 0x64,                   //
                                        0x60, 0x40, 0x64,                         //
                                        0x10, 0x3C, 0x00,                         //
                                        0x81, 0x00, 0xFF, 0x01, 0x02, 'h',  'i',  //
                                        0x00, 0xFF, 0x2F, 0x00})});
    SmfBytes expected = Image(480, {0x00, 0xC0, 0x05,                         //
                                    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, //
                                    0x00, 0x90, 0x3C, 0x64,                   //
                                    0x60, 0x90, 0x40, 0x64,                   //
                                    0x10, 0x90, 0x3C, 0x00,                   //
                                    0x81, 0x00, 0xFF, 0x01, 0x02, 'h',  'i',  //
                                    0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(cSmf::Init(file, "a.mid"), expected);
}

TEST(Smf, TracksMergeByTimeThenTrackAndEndAtTheLongest) {
    SmfBytes file = Smf(1, 96,
                        {Track({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, //
                                0x10, 0x91, 0x40, 0x50,                   //
                                0x00, 0xFF, 0x2F, 0x00}),
                         Track({0x10, 0x90, 0x3C, 0x50,       //
                                0x08, 0xF0, 0x02, 0x7E, 0xF7, //
                                0x83, 0x60, 0x80, 0x3C, 0x00, //
                                0x00, 0xFF, 0x2F, 0x00}),
                         Track({0x00, 0xFF, 0x2F, 0x00})});
    SmfBytes expected = Image(96, {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, //
                                   0x10, 0x91, 0x40, 0x50,                   // track 0 first at tick 16
                                   0x00, 0x90, 0x3C, 0x50,                   //
                                   0x08, 0xF0, 0x02, 0x7E, 0xF7,             //
                                   0x83, 0x60, 0x80, 0x3C, 0x00,             // tick 504
                                   0x00, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(cSmf::Init(file, "b.mid"), expected);

    // The end is placed at the longest track's end, even after its last event.
    SmfBytes tail = Smf(1, 96,
                        {Track({0x00, 0x90, 0x3C, 0x50, 0x83, 0x60, 0xFF, 0x2F, 0x00}),
                         Track({0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})});
    EXPECT_EQ(cSmf::Init(tail, "c.mid"), Image(96, {0x00, 0x90, 0x3C, 0x50, 0x10, 0x80, 0x3C, 0x00, //
                                                    0x83, 0x50, 0xFF, 0x2F, 0x00}));
}

TEST(Smf, RefusedFilesSayWhyAndKeepNoImage) {
    ReportFolder folder;
    const SmfBytes end = Track({0x00, 0xFF, 0x2F, 0x00});
    SmfBytes riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D'};
    SmfBytes longHeader = Smf(0, 96, {end});
    longHeader[7] = 7;
    SmfBytes noTrack = Smf(0, 96, {});
    SmfBytes cutTrack = Smf(0, 96, {Track({0x00, 0x90, 0x3C, 0x50, 0x00, 0xFF})});
    SmfBytes noEnd = Smf(0, 96, {Track({0x00, 0x90, 0x3C, 0x50})});
    SmfBytes fiveByteDelta =
        Smf(0, 96, {Track({0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x50, 0x00, 0xFF, 0x2F, 0})});
    SmfBytes noStatus = Smf(0, 96, {Track({0x00, 0x3C, 0x50, 0x00, 0xFF, 0x2F, 0x00})});
    SmfBytes longMeta = Smf(0, 96, {Track({0x00, 0xFF, 0x01, 0x7F, 'a', 0x00, 0xFF, 0x2F, 0x00})});
    SmfBytes longSysex = Smf(0, 96, {Track({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0xF7})});
    SmfBytes missingTrack = Smf(1, 96, {end}, 3);
    struct Case {
        const char* name;
        SmfBytes bytes;
        std::string message;
    } cases[] = {{"riff.mid", riff, U8(u8"標準MIDIでない(4)")},
                 {"empty.mid", {}, U8(u8"標準MIDIでない(4)")},
                 {"hdr.mid", longHeader, U8(u8"標準MIDIでない(6)")},
                 {"f2.mid", Smf(2, 96, {end}), U8(u8"対応フォーマットが2でない")},
                 {"f3.mid", Smf(3, 96, {end}), U8(u8"対応フォーマットが0または1でない")},
                 {"notrk.mid", noTrack, U8(u8"標準MIDIでない(4)")},
                 {"cut.mid", cutTrack, U8(u8"標準MIDIでない(4)")},
                 {"noend.mid", noEnd, U8(u8"標準MIDIでない(4)")},
                 {"five.mid", fiveByteDelta, U8(u8"標準MIDIでない(4)")},
                 {"nostatus.mid", noStatus, U8(u8"標準MIDIでない(4)")},
                 {"meta.mid", longMeta, U8(u8"標準MIDIでない(4)")},
                 {"sysex.mid", longSysex, U8(u8"標準MIDIでない(4)")},
                 {"tracks.mid", missingTrack, U8(u8"標準MIDIでない(4)")}};
    for (const Case& c : cases) {
        const std::size_t before = folder.Report().size();
        EXPECT_TRUE(cSmf::Init(c.bytes, c.name).empty()) << c.name;
        EXPECT_EQ(folder.Report().substr(before), "Midi " + std::string(c.name) + " Init " + c.message + "\n")
            << c.name;
    }
    cSmf missing("bgm\\none.mid");
    EXPECT_FALSE(missing.HasImage());
    EXPECT_NE(folder.Report().find(U8(u8"Midi bgm\\none.mid Create ファイルが開けません")),
              std::string::npos);
}

TEST(Smf, LoadsAFileByItsProgramPath) {
    ReportFolder folder;
    folder.Write("bgm/Song.mid", Smf(0, 120, {Track({0x00, 0x90, 0x3C, 0x50, 0x00, 0xFF, 0x2F, 0x00})}));
    cSmf smf("bgm\\song.mid");
    ASSERT_TRUE(smf.HasImage());
    EXPECT_EQ(smf.Division(), 120);
    EXPECT_EQ(smf.ImageEnd(), smf.m_Image.size());
}

} // namespace
