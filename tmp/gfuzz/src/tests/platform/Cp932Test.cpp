#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace {

std::string U8(const char8_t* s) {
    return std::string(reinterpret_cast<const char*>(s));
}

TEST(Cp932, LiteralsAreCompiledToCp932) {
    // ソ is 83 5C: its trail byte is the backslash.
    EXPECT_EQ(std::string("\203\134"), std::string("\x83\x5C"));
    EXPECT_EQ(std::string("\261"), std::string("\xB1"));
}

TEST(Cp932, RoundTripOfJapaneseText) {
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"\203\134\203\164\203\147\\\225\134\216\246", U8(u8"ソフト\\表示")},
        {"\312\335\266\270\266\300\266\305\241\242\243\337", U8(u8"ﾊﾝｶｸｶﾀｶﾅ｡｢｣ﾟ")},
        {"\210\237\203\223\224\134\227\134", U8(u8"亜ン能予")},
        {"\202\154\202\162 \202\157\203\123\203\126\203\142\203\116\207\100", U8(u8"ＭＳ Ｐゴシック①")},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string utf8, back;
        ASSERT_TRUE(Cp932ToUtf8(c.cp932, utf8)) << c.utf8;
        EXPECT_EQ(utf8, c.utf8);
        ASSERT_TRUE(Utf8ToCp932(utf8, back)) << c.utf8;
        EXPECT_EQ(back, c.cp932);
    }
}

TEST(Cp932, UnconvertibleText) {
    std::string out = "x";
    // A lead byte with nothing behind it, and an emoji that code page 932 lacks.
    EXPECT_FALSE(Cp932ToUtf8("a\x83", out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(Utf8ToCp932(U8(u8"a\U0001F600b"), out));
    EXPECT_EQ(Cp932ToUtf8("a\x83"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToCp932(U8(u8"a\U0001F600b亜")), "a?b\210\237");
    EXPECT_EQ(Utf8ToCp932("a\xE3\x81"), "a?");
}

TEST(Cp932, DoubleByteTest) {
    EXPECT_TRUE(IsDoubleByteChar("\203\134"));
    EXPECT_TRUE(IsDoubleByteChar("\x81\x40"));
    EXPECT_FALSE(IsDoubleByteChar("\x81\x7F")); // 7F is no trail byte
    EXPECT_FALSE(IsDoubleByteChar("\261\262"));       // half-width katakana are single bytes
    EXPECT_FALSE(IsDoubleByteChar("\x83"));     // lead byte at the end
    EXPECT_FALSE(IsDoubleByteChar("a\\"));
    std::string_view text = "a\203\134";
    EXPECT_TRUE(IsDoubleByteCharAt(text, 1));
    EXPECT_FALSE(IsDoubleByteCharAt(text, 2));
    EXPECT_FALSE(IsDoubleByteCharAt(text, 3));
}

TEST(Cp932, TruncationNeverSplitsACharacter) {
    const struct {
        std::string text;
        std::size_t max;
        std::string expected;
    } cases[] = {
        {"ab\203\134", 3, "ab"}, // would cut ソ after its lead byte
        {"ab\203\134", 4, "ab\203\134"},
        {"\203\134\203\134", 3, "\203\134"},
        {"\261\262\263", 2, "\261\262"},      // single bytes cut anywhere
        {"a\x83", 2, "a\x83"}, // a lone lead byte at the end is a single byte
        {"\210\237\203\223", 1, ""},
        {"abc", 10, "abc"},
        // 83 93 is ン; read backwards the 93 would look like a lead byte.
        {"\203\223a", 2, "\203\223"},
    };
    for (const auto& c : cases) {
        std::string s = c.text;
        TruncateCp932(s, c.max);
        EXPECT_EQ(s, c.expected) << c.max;
    }
}

} // namespace
