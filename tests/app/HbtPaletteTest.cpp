// The 8-bit palette choice: the number picks the mixing table hbtNN.dat and
// turns or repaints rows 1 to 12 of the first picture's colours; a number
// outside the table or a file that can't be read refuses with a message and
// leaves the palette and the table as they were.
#include "app/HbtPalette.h"
#include "fixtures/ErrorLogCapture.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/Cp932.h"

#include <filesystem>

namespace hbt_palette_test {

// Colour i of the first picture: red i, green 255 - i, blue 7.
std::vector<std::uint32_t> Colours() {
    std::vector<std::uint32_t> c(256);
    for (std::uint32_t i = 0; i < 256; ++i) c[i] = i << 16 | (255 - i) << 8 | 7;
    return c;
}

void WriteTable(int number, std::size_t size, BYTE fill) {
    char name[32];
    std::snprintf(name, sizeof name, "bmp/hbt/hbt%02d.dat", number);
    WriteFile(name, std::vector<std::uint8_t>(size, fill));
}

class HbtPalette : public GraphicsTest {
protected:
    void SetUp() override {
        std::filesystem::create_directories("bmp/plt");
        std::filesystem::create_directories("bmp/hbt");
        WriteFile("bmp/plt/Palette.bmp", MakeBmp(1, 1, 8, {0}, Colours()));
        std::fill(std::begin(ColorTable), std::end(ColorTable), BYTE{0});
    }
    void TearDown() override {
        std::fill(std::begin(ColorTable), std::end(ColorTable), BYTE{0});
        std::fill(std::begin(BasePalette), std::end(BasePalette), PALETTEENTRY{});
        GraphicsTest::TearDown();
    }
    // The red of display entry i, which is the first picture's colour number.
    static int Source(int i) { return Palette[i].peRed; }
};

TEST_F(HbtPalette, TheNumberTurnsOrRepaintsTheTwelveRowsAndLoadsItsTable) {
    ASSERT_TRUE(StartDirectDraw(8));
    struct Case {
        int number;
        int entry;  // a display entry
        int source; // the colour of the picture it shows
    };
    const Case cases[] = {
        {0, 16, 16},   {0, 207, 207},                // nothing turned
        {3, 16, 64},   {3, 159, 207},  {3, 160, 16}, // rows turned three places toward the front
        {11, 16, 192}, {11, 207, 191}, {12, 16, 16},  {12, 200, 24}, // every row a copy of row 1
        {23, 16, 192}, {23, 207, 207},                               // every row a copy of row 12
        {5, 8, 8},     {5, 208, 208},  {5, 254, 254},                // entries outside the rows stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        WriteTable(c.number, 65536, static_cast<BYTE>(c.number + 1));
        ASSERT_EQ(LoadHbtPalette(c.number), 1);
        EXPECT_EQ(Source(c.entry), c.source) << "entry " << c.entry;
        EXPECT_EQ(ColorTable[12345], c.number + 1) << "its own mixing table";
        EXPECT_EQ(BasePalette[c.entry].peRed, Palette[c.entry].peRed) << "the work palette is shown";
        ASSERT_NE(lpDDPalette, nullptr);
        // The first and last ten entries are the system's own on the screen.
        if (c.entry >= 10 && c.entry < 246) {
            EXPECT_EQ(lpDDPalette->Rgb(c.entry) >> 16, static_cast<std::uint32_t>(c.source))
                << "on the screen";
        }
    }
}

TEST_F(HbtPalette, ANumberOutsideTheTableOrAFileThatCantBeReadRefusesAndChangesNothing) {
    ASSERT_TRUE(StartDirectDraw(8));
    WriteTable(2, 65536, 9);
    ASSERT_EQ(LoadHbtPalette(2), 1);
    const std::vector<PALETTEENTRY> shown(std::begin(Palette), std::end(Palette));
    WriteTable(4, 65535, 1);  // one byte short
    WriteTable(24, 65536, 1); // past the last number
    struct Case {
        int number;
        const char* message;
    };
    const Case cases[] = {
        {5, "bmp\\hbt\\hbt05.dat の読み込みに失敗！"},
        {4, "bmp\\hbt\\hbt04.dat の読み込みに失敗！"},
        {24, "8-bit palette 24 is not one of 0 to 23"},
        {-1, "8-bit palette -1 is not one of 0 to 23"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        cErrorLogCapture log;
        EXPECT_EQ(LoadHbtPalette(c.number), 0);
        EXPECT_NE(log.Text().find(Cp932ToUtf8(c.message)), std::string::npos) << log.Text();
        EXPECT_EQ(ColorTable[777], 9) << "the table stays";
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(Palette[i].peRed, shown[static_cast<std::size_t>(i)].peRed) << i;
    }
}

TEST_F(HbtPalette, ModesWithoutAPaletteNeedNoFile) {
    for (bool direct3D : {false, true}) {
        SCOPED_TRACE(direct3D);
        ASSERT_TRUE(direct3D ? StartDirect3D(32) : StartDirectDraw(16));
        EXPECT_EQ(LoadHbtPalette(99), 1) << "no table, no number to check";
        EXPECT_EQ(ColorTable[0], 0);
        DDRelease();
    }
}

} // namespace hbt_palette_test
