// Windows face names find installed fonts; characters of code page 932 render
// inside their cell, with hard edges or antialiased.
#include "platform/FontFace.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::string FamilyOf(const char* face) {
    cFontFace f;
    return f.Open(face, 16, 0) ? f.Family() : "";
}

TEST(FontFace, WindowsFaceNamesFindTheIpaFonts) {
    const struct {
        const char* face;
        const char* family;
    } cases[] = {
        {"ＭＳ ゴシック", "IPAGothic"},  {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},      {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"HG丸ｺﾞｼｯｸM-PRO", "IPAGothic"}, {"HGP創英角ﾎﾟｯﾌﾟ体", "IPAPGothic"},
        {"HGS明朝E", "IPAMincho"},       {"", "IPAGothic"},
    };
    for (const auto& c : cases) EXPECT_EQ(FamilyOf(c.face), c.family) << c.family;
    EXPECT_FALSE(FindFontFile("Arial").empty());
}

TEST(FontFace, CodePointsOfCodePage932) {
    EXPECT_EQ(Cp932CodePoint('A'), U'A');
    EXPECT_EQ(Cp932CodePoint(0x82A0), U'あ');
    EXPECT_EQ(Cp932CodePoint(0xB1), U'ｱ');
    EXPECT_EQ(Cp932CodePoint(0x815B), U'ー');
    EXPECT_EQ(Cp932CodePoint(0x80), 0u) << "no character";
}

TEST(FontFace, GlyphsSitInTheirCell) {
    cFontFace face;
    ASSERT_TRUE(face.Open("ＭＳ ゴシック", 16, 0));
    EXPECT_EQ(face.Family(), "IPAGothic");
    for (bool antialias : {false, true}) {
        SCOPED_TRACE(antialias);
        const GlyphBitmap& a = face.Glyph(0x82A0, antialias); // あ
        EXPECT_EQ(a.advance, 16);
        EXPECT_GT(a.width, 8);
        EXPECT_GE(a.left, 0);
        EXPECT_GE(a.top, 0);
        EXPECT_LE(a.left + a.width, 16);
        EXPECT_LE(a.top + a.height, 16);
        const bool grey = std::any_of(a.coverage.begin(), a.coverage.end(),
                                      [](std::uint8_t v) { return v != 0 && v != 255; });
        EXPECT_EQ(grey, antialias);
        EXPECT_EQ(face.Glyph('A', antialias).advance, 8);
    }
    const GlyphBitmap& space = face.Glyph(' ', false);
    EXPECT_TRUE(
        std::all_of(space.coverage.begin(), space.coverage.end(), [](std::uint8_t v) { return v == 0; }));
    EXPECT_EQ(face.TextWidth("Aあ", 3), 24);
    // A lead byte without its trail byte is one byte wide.
    EXPECT_EQ(face.TextWidth("\x82", 1), face.Glyph(0x82, false).advance);
}

TEST(FontFace, ALatinFaceBorrowsJapaneseCharacters) {
    cFontFace face;
    ASSERT_TRUE(face.Open("Arial", 16, 0));
    const GlyphBitmap& a = face.Glyph(0x82A0, false);
    EXPECT_GT(a.width, 0) << "あ comes from the IPA Gothic fallback";
}

} // namespace
