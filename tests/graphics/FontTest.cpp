// Fonts on both faces, with and without glyph caches: single- and double-byte
// text, digit strips and symbol letters land in their cells, leave every other
// pixel alone and stay inside the destination. The expected pixels are built
// here from the platform's glyphs and the cell rules, not from screenshots.
#include "GraphicsFixture.h"

#include "graphics/Font.h"
#include "platform/Cp932.h"
#include "platform/FontFace.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr DWORD kBackground = 0x203040;
constexpr int kTextColour = 241;

struct FaceCase {
    bool d3d;
    int cacheMode;
};

class FontTest : public GraphicsTest, public ::testing::WithParamInterface<FaceCase> {
protected:
    void SetUp() override {
        d3d = GetParam().d3d;
        ASSERT_TRUE(d3d ? StartDirect3D(32) : StartDirectDraw(32));
        DDSetTransmit(0xFF, 0x00, 0xFF);
        Palette[0] = {0xFF, 0x00, 0xFF, 0}; // palette colour 0 is the transparent colour
        Palette[kTextColour] = {0xFF, 0xEE, 0xDD, 0};
        Palette[240] = {0x10, 0x80, 0x10, 0};
        face.Open("ＭＳ ゴシック", 16, 0);
    }
    void TearDown() override {
        font.Release();
        DDReleaseSurface(&screen);
        DDReleaseSurface(&symbol);
        for (DDSURFACEDATA& s : DigitSD) DDReleaseSurface(&s);
        GraphicsTest::TearDown();
    }
    void MakeFont(DDSURFACEDATA* symbolPicture = nullptr) {
        font.Create("ＭＳ ゴシック", 0, 16, 16, 16, kTextColour, nullptr, 1, 240, symbolPicture,
                    GetParam().cacheMode);
    }
    void MakeScreen(int w, int h) {
        // Not a render target on either face, so text goes through the work surface.
        ASSERT_TRUE(DDCreateSurface(&screen, w, h, 0, 1, DTMEMORYTYPE_SYSTEM, 0, 0));
        DDFillSurfaceColor(&screen, d3d ? 0xFF000000u | kBackground : kBackground);
    }
    std::uint32_t Rgb(const DDSURFACEDATA& sd, int x, int y) { return At(sd, x, y) & 0xFFFFFF; }
    DWORD Ink() const { return 0xFFEEDD; }

    // Coverage of every pixel the text's glyphs touch, by the cell rules:
    // double-byte characters at their cell, single bytes pitch/8 right and
    // linepitch/16 - 1 down; spaces and the full-width space draw nothing.
    std::map<std::pair<int, int>, int> Expected(const char* text, int x, int y) {
        std::map<std::pair<int, int>, int> ink;
        int u = 0, v = 0;
        for (const char* p = text; *p;) {
            unsigned code;
            int gx = x + u, gy = y + v;
            if (IsDoubleByteChar(p)) {
                code = (static_cast<unsigned char>(p[0]) << 8) | static_cast<unsigned char>(p[1]);
                p += 2;
            } else {
                code = static_cast<unsigned char>(*p++);
                if (code == '\n') {
                    u = 0;
                    v += 16;
                    continue;
                }
                gx += 16 >> 3;
                gy += (16 >> 4) - 1;
            }
            u += 16;
            if (code == ' ' || code == 0x8140) continue;
            const GlyphBitmap& g = face.Glyph(code, d3d);
            for (int j = 0; j < g.height; ++j)
                for (int i = 0; i < g.width; ++i)
                    if (int c = g.coverage[j * g.width + i]) ink[{gx + g.left + i, gy + g.top + j}] = c;
        }
        return ink;
    }
    // Every pixel of the screen: full ink in the text colour, no ink untouched.
    void ExpectText(const char* text, int x, int y) {
        const auto ink = Expected(text, x, y);
        int inked = 0;
        for (int py = 0; py < screen.nHeight; ++py)
            for (int px = 0; px < screen.nWidth; ++px) {
                auto it = ink.find({px, py});
                const int c = it == ink.end() ? 0 : it->second;
                const std::uint32_t got = Rgb(screen, px, py);
                if (c == 0 || (!d3d && c < 128)) {
                    ASSERT_EQ(got, kBackground) << "untouched at " << px << "," << py;
                } else if (c == 255 || !d3d) {
                    ASSERT_EQ(got, Ink()) << "ink at " << px << "," << py;
                    ++inked;
                }
            }
        EXPECT_GT(inked, 0);
    }

    bool d3d = false;
    cFontFace face;
    cFont font;
    DDSURFACEDATA screen, symbol;
};

TEST_P(FontTest, SingleAndDoubleByteCharactersSitInTheirCells) {
    MakeFont();
    MakeScreen(80, 40);
    // 'A', あ (seeded), a half-width kana, 漢 (not seeded), a full-width space and 'Z'.
    const char* text = "Aあ\n\xB1漢　Z";
    font.DrawText(&screen, 3, 4, text, 0);
    ExpectText(text, 3, 4);
    if (GetParam().cacheMode) {
        EXPECT_EQ(font.CachedFullChars(), 257) << "漢 joined the seed; the space never does";
    }
}

TEST_P(FontTest, TextIsClippedToTheDestination) {
    MakeFont();
    MakeScreen(40, 20);
    const char* text = "あいA\nう";
    font.DrawText(&screen, -9, 10, text, 0);
    ExpectText(text, -9, 10);
    font.DrawText(&screen, 30, -12, "Aえ", 0);
    // Both drawings together: compare against the union of their ink.
    auto first = Expected(text, -9, 10), second = Expected("Aえ", 30, -12);
    for (auto& [at, c] : second) first[at] = std::max(first[at], c);
    for (int py = 0; py < 20; ++py)
        for (int px = 0; px < 40; ++px) {
            auto it = first.find({px, py});
            if (it == first.end()) {
                EXPECT_EQ(Rgb(screen, px, py), kBackground) << px << "," << py;
            }
        }
}

TEST_P(FontTest, DigitStripsHoldTheTenDigitsOnTransparency) {
    SYSTEMFONTDATA def;
    std::strcpy(def.szFace, "ＭＳ ゴシック");
    const std::int32_t values[10] = {0, 16, 16, 16, kTextColour, 0, 1, 240, 0, GetParam().cacheMode};
    std::memcpy(def.nValue, values, sizeof values);
    ASSERT_TRUE(DDCreateFonts(&font, &def, 1));
    BMPFILEDATA record;
    record.Set("", 1, 1, DTMEMORYTYPE_SYSTEM, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(DDCreateDigitSurfaces(DigitSD, &record, 1, &font, &def));
    ASSERT_EQ(DigitSD[0].nWidth, 160);
    ASSERT_EQ(DigitSD[0].nHeight, 16);
    // The strip blitted with transparency onto the background shows exactly the digits.
    MakeScreen(160, 16);
    DDBltFast(&screen, 0, 0, 160, 16, &DigitSD[0], 0, 0, 1);
    ExpectText("0123456789", 0, 0);
}

TEST_P(FontTest, SymbolLettersReplaceLowercaseUnlessKept) {
    // A symbol picture of 26 cells, cell k filled with colour 0x0101xx * k.
    ASSERT_TRUE(DDCreateSurface(&symbol, 26 * 16, 16, 1, 1, DTMEMORYTYPE_SYSTEM, 0, 0));
    for (int k = 0; k < 26; ++k)
        DDFillRectColor(&symbol, k * 16, 0, 16, 16, (d3d ? 0xFF000000u : 0u) | (0x010100u * (k + 1)) | 0x40);
    MakeFont(&symbol);
    MakeScreen(64, 16);
    font.DrawText(&screen, 0, 0, "aBc", 0);
    EXPECT_EQ(Rgb(screen, 0, 0), 0x010140u) << "a: symbol cell 0";
    EXPECT_EQ(Rgb(screen, 15, 15), 0x010140u);
    EXPECT_EQ(Rgb(screen, 32, 8), 0x030340u) << "c: symbol cell 2";
    // B is drawn by the font in between.
    bool ink = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x) ink |= Rgb(screen, x, y) == Ink();
    EXPECT_TRUE(ink);
    // Kept letters: the font draws them and the symbols still cover them.
    DDFillSurfaceColor(&screen, d3d ? 0xFF000000u | kBackground : kBackground);
    font.bSymbol = 0;
    font.DrawText(&screen, 0, 0, "a", 0);
    EXPECT_NE(Rgb(screen, 0, 0), 0x010140u) << "symbol flag off: a is a letter";
}

INSTANTIATE_TEST_SUITE_P(Faces, FontTest,
                         ::testing::Values(FaceCase{false, 0}, FaceCase{false, 1}, FaceCase{true, 0},
                                           FaceCase{true, 1}),
                         [](const auto& info) {
                             return std::string(info.param.d3d ? "Direct3D" : "DirectDraw") +
                                    (info.param.cacheMode ? "Cached" : "Uncached");
                         });

class FontCacheTest : public GraphicsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FontCacheTest, AFullCacheStaysFullAndDrawsFurtherCharactersDirectly) {
    const bool d3d = GetParam();
    ASSERT_TRUE(d3d ? StartDirect3D(32) : StartDirectDraw(32));
    DDSetTransmit(0xFF, 0x00, 0xFF);
    Palette[0] = {0xFF, 0x00, 0xFF, 0};
    Palette[kTextColour] = {0xFF, 0xFF, 0xFF, 0};
    cFont font;
    font.Create("ＭＳ ゴシック", 0, 16, 16, 16, kTextColour, nullptr, 1, 240, nullptr, 1);
    const int capacity = d3d ? 1024 : 960;
    ASSERT_EQ(font.m_lpFastFont_FullAdd->nCapacity, capacity);
    EXPECT_EQ(font.CachedFullChars(), 256);
    // Kanji of the first level, each new to the cache.
    std::vector<std::string> kanji;
    for (int lead = 0x88; lead <= 0x9F && static_cast<int>(kanji.size()) < capacity; ++lead)
        for (int trail = 0x9F; trail <= 0xFC && static_cast<int>(kanji.size()) < capacity; ++trail)
            kanji.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    DDSURFACEDATA screen;
    ASSERT_TRUE(DDCreateSurface(&screen, 32, 16, 0, 1, DTMEMORYTYPE_SYSTEM, 0, 0));
    for (std::size_t i = 0; i + 256 < static_cast<std::size_t>(capacity); ++i)
        font.DrawText(&screen, 0, 0, kanji[i].c_str(), 0);
    EXPECT_EQ(font.CachedFullChars(), capacity);
    const std::string extra = kanji[capacity - 256];
    DDFillSurfaceColor(&screen, d3d ? 0xFF000000u : 0u);
    font.DrawText(&screen, 0, 0, extra.c_str(), 0);
    EXPECT_EQ(font.CachedFullChars(), capacity) << "the cache stays at its capacity";
    int inked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) inked += (At(screen, x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(inked, 10) << "the character is still drawn";
    EXPECT_EQ(font.m_lpFastFont_FullAdd->Find(extra.c_str()), nullptr);
    DDReleaseSurface(&screen);
    font.Release();
}

INSTANTIATE_TEST_SUITE_P(Faces, FontCacheTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Direct3D" : "DirectDraw"; });

TEST(FontText, CountsLinesAndMeasures) {
    const struct {
        const char* text;
        int chars, lineLength, w, h;
    } cases[] = {
        {"", 0, 0, 0, 16},     {"a\nb", 2, 1, 16, 32},   {"\n", 0, 0, 0, 32},    {"あx", 2, 3, 32, 16},
        {"\n\n", 0, 0, 0, 48}, {"ab\ncd", 4, 2, 32, 32}, {"\x82", 1, 1, 16, 16}, // a lead byte alone counts
                                                                                 // as one
    };
    cFont font;
    font.nPitch = font.nLinePitch = 16;
    for (const auto& c : cases) {
        EXPECT_EQ(GetCharCount(c.text), c.chars) << c.text;
        EXPECT_EQ(GetLineLength(c.text), c.lineLength) << c.text;
        int w = -1, h = -1;
        font.MeasureText(c.text, &w, &h);
        EXPECT_EQ(w, c.w) << c.text;
        EXPECT_EQ(h, c.h) << c.text;
    }
}

TEST(FontText, TheSeedHas256CharactersWithToTwice) {
    std::vector<std::string> chars;
    for (const char* p = kFullCharSeed; *p; p += 2) {
        ASSERT_TRUE(IsDoubleByteChar(p));
        chars.emplace_back(p, 2);
    }
    EXPECT_EQ(chars.size(), 256u);
    EXPECT_EQ(std::count(chars.begin(), chars.end(), std::string("ト")), 2);
}

} // namespace

namespace {

class FontRestoreTest : public GraphicsTest {};

TEST_F(FontRestoreTest, LostGlyphCachesAreDrawnAgain) {
    ASSERT_TRUE(StartDirectDraw(32));
    Palette[0] = {0xFF, 0x00, 0xFF, 0};
    Palette[kTextColour] = {0xFF, 0xFF, 0xFF, 0};
    DDSetTransmit(0xFF, 0x00, 0xFF);
    cFont font;
    font.Create("ＭＳ ゴシック", 0, 16, 16, 16, kTextColour, nullptr, 1, 240, nullptr, 1);
    DDSURFACEDATA screen;
    ASSERT_TRUE(DDCreateSurface(&screen, 64, 16, 0, 1, 0, 0, 0));
    auto inked = [&] {
        DDFillSurfaceColor(&screen, 0);
        font.DrawText(&screen, 0, 0, "Aあ漢", 0);
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 64; ++x) n += (At(screen, x, y) & 0xFFFFFF) == 0xFFFFFF;
        return n;
    };
    const int before = inked();
    ASSERT_GT(before, 30);
    lpDD->LoseSurfaces();
    ASSERT_EQ(DDRestore(), 1);
    EXPECT_EQ(inked(), before) << "the caches hold their glyphs again";
    DDReleaseSurface(&screen);
    font.Release();
}

// Font height and pitch: the 16-pixel font and the 9-pixel one in 10-pixel
// cells, whose single-byte glyphs sit a pixel above their cell.
class FontCellTest : public GraphicsTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(FontCellTest, ACachedGlyphNeverCarriesPartsOfItsNeighbours) {
    const auto [height, pitch] = GetParam();
    ASSERT_TRUE(StartDirectDraw(32));
    Palette[0] = {0xFF, 0x00, 0xFF, 0};
    Palette[kTextColour] = {0xFF, 0xFF, 0xFF, 0};
    DDSetTransmit(0xFF, 0x00, 0xFF);
    // Every printable single byte, and double-byte ones from the seed.
    std::string text;
    for (int c = 0x21; c < 0x7F; ++c) {
        text += static_cast<char>(c);
        if (c % 32 == 0) text += '\n'; // lines that fit the work surface
    }
    text += "\nあいう（）「」ー｜ｇｙ";
    DDSURFACEDATA plain, cached;
    for (DDSURFACEDATA* s : {&plain, &cached}) {
        ASSERT_TRUE(DDCreateSurface(s, 640, 80, 0, 1, 0, 0, 0));
        DDFillSurfaceColor(s, 0);
    }
    cFont uncachedFont, cachedFont;
    uncachedFont.Create("ＭＳ ゴシック", 0, height, pitch, pitch, kTextColour, nullptr, 1, 240, nullptr, 0);
    cachedFont.Create("ＭＳ ゴシック", 0, height, pitch, pitch, kTextColour, nullptr, 1, 240, nullptr, 1);
    uncachedFont.DrawText(&plain, 0, 4, text.c_str(), 1);
    cachedFont.DrawText(&cached, 0, 4, text.c_str(), 1);
    int inked = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 640; ++x) {
            if ((At(cached, x, y) & 0xFFFFFF) == 0) continue;
            ++inked;
            ASSERT_EQ(At(plain, x, y) & 0xFFFFFF, 0xFFFFFFu)
                << "ink the font did not draw at " << x << "," << y;
        }
    EXPECT_GT(inked, 300);
    uncachedFont.Release();
    cachedFont.Release();
    DDReleaseSurface(&plain);
    DDReleaseSurface(&cached);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontCellTest, ::testing::Values(std::pair{16, 16}, std::pair{9, 10}),
                         [](const auto& info) { return "Height" + std::to_string(info.param.first); });

} // namespace
