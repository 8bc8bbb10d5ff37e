// The demo's pictures, sounds and music are well-formed files of the kinds
// the player reads.
#include "demo/DemoFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PictureCase {
    const char* path;
    int bits;
};

// Every system picture the player cannot start without, and the optional ones the demo has.
const PictureCase kPictures[] = {
    {"bmp/plt/Palette.bmp", 8}, {"bmp/Debug.bmp", 24},        {"bmp/Block.bmp", 24},
    {"bmp/Character1.bmp", 24}, {"bmp/Character2.bmp", 24},   {"bmp/Shot.bmp", 24},
    {"bmp/Item.bmp", 24},       {"bmp/Item_Mini.bmp", 24},    {"bmp/Mark.bmp", 24},
    {"bmp/Window.bmp", 24},     {"bmp/StatusWindow.bmp", 24}, {"bmp/Title.bmp", 24},
    {"bmp/GameMode.bmp", 24},   {"bmp/Accessory.bmp", 24},    {"bmp/Symbol.bmp", 24},
    {"bmp/Word.bmp", 24},       {"bmp/WorldMapChip.bmp", 24}, {"bmp/WorldEvent.bmp", 24},
    {"bmp/WorldBack.bmp", 24},
};

TEST(DemoMedia, PicturesAreWholeBitmaps) {
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.path);
        std::vector<std::uint8_t> b = ReadDemoFile(c.path);
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(LeU32(b, 2), b.size());
        EXPECT_EQ(LeU32(b, 14), 40u);
        EXPECT_EQ(LeU16(b, 28), c.bits);
        std::uint32_t width = LeU32(b, 18), height = LeU32(b, 22);
        std::uint32_t stride = (width * c.bits + 31) / 32 * 4;
        EXPECT_EQ(LeU32(b, 10) + stride * height, b.size());
    }
}

TEST(DemoMedia, PalettePictureStartsWithTheTransparentColour) {
    std::vector<std::uint8_t> b = ReadDemoFile("bmp/plt/Palette.bmp");
    ASSERT_EQ(b.size(), 14u + 40 + 1024 + 128 * 128);
    // The top-left pixel is in the last stored row; it names palette entry 0, magenta (stored B, G, R).
    std::size_t topLeft = 14 + 40 + 1024 + 127 * 128;
    EXPECT_EQ(b[topLeft], 0);
    EXPECT_EQ(b[54], 255);
    EXPECT_EQ(b[55], 0);
    EXPECT_EQ(b[56], 255);
}

TEST(DemoMedia, SoundsArePcmWaves) {
    for (const char* name : {"jump", "coin", "hit", "shot", "explode", "select", "decide", "cancel", "clear",
                             "miss", "item", "pause"}) {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> b = ReadDemoFile(std::string("wave/") + name + ".wav");
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(LeU32(b, 4) + 8, b.size());
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(LeU16(b, 20), 1); // PCM
        EXPECT_EQ(LeU16(b, 22), 1); // mono
        std::uint16_t bits = LeU16(b, 34);
        EXPECT_TRUE(bits == 8 || bits == 16);
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        EXPECT_GT(LeU32(b, 40), 0u);
    }
}

TEST(DemoMedia, MusicFiles) {
    std::vector<std::uint8_t> mid = ReadDemoFile("bgm/Title.mid");
    ASSERT_GE(mid.size(), 14u);
    EXPECT_EQ(std::string(mid.begin(), mid.begin() + 4), "MThd");
    EXPECT_EQ(mid[9], 1); // format 1
    std::vector<std::uint8_t> ogg = ReadDemoFile("bgm/Stage.ogg");
    ASSERT_GE(ogg.size(), 100u);
    EXPECT_EQ(std::string(ogg.begin(), ogg.begin() + 4), "OggS");
}

TEST(DemoMedia, SystemIniEndsWithExit) {
    std::vector<std::uint8_t> ini = ReadDemoFile("System.ini");
    std::string text(ini.begin(), ini.end());
    EXPECT_EQ(text.find("Direct3D=0\r\n"), 0u);
    ASSERT_GE(text.size(), 6u);
    EXPECT_EQ(text.substr(text.size() - 6), "Exit\r\n");
}

} // namespace
