#include "platform/Cp932.h"
#include "fixtures/ReadAll.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, LiteralsAreCompiledToCp932) {
    // ソ is 83 5C: its trail byte is the backslash.
    EXPECT_EQ(std::string("ソ"), std::string("\x83\x5C"));
    EXPECT_EQ(std::string("ｱ"), std::string("\xB1"));
}

TEST(Cp932, RoundTripOfJapaneseText) {
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"ソフト\\表示", U8(u8"ソフト\\表示")},
        {"ﾊﾝｶｸｶﾀｶﾅ｡｢｣ﾟ", U8(u8"ﾊﾝｶｸｶﾀｶﾅ｡｢｣ﾟ")},
        {"亜ン能予", U8(u8"亜ン能予")},
        {"ＭＳ Ｐゴシック①", U8(u8"ＭＳ Ｐゴシック①")},
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
    EXPECT_EQ(Utf8ToCp932(U8(u8"a\U0001F600b亜")), "a?b亜");
    EXPECT_EQ(Utf8ToCp932("a\xE3\x81"), "a?");
}

TEST(Cp932, DoubleByteTest) {
    EXPECT_TRUE(IsDoubleByteChar("ソ"));
    EXPECT_TRUE(IsDoubleByteChar("\x81\x40"));
    EXPECT_FALSE(IsDoubleByteChar("\x81\x7F")); // 7F is no trail byte
    EXPECT_FALSE(IsDoubleByteChar("ｱｲ"));       // half-width katakana are single bytes
    EXPECT_FALSE(IsDoubleByteChar("\x83"));     // lead byte at the end
    EXPECT_FALSE(IsDoubleByteChar("a\\"));
    std::string_view text = "aソ";
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
        {"abソ", 3, "ab"}, // would cut ソ after its lead byte
        {"abソ", 4, "abソ"},
        {"ソソ", 3, "ソ"},
        {"ｱｲｳ", 2, "ｱｲ"},      // single bytes cut anywhere
        {"a\x83", 2, "a\x83"}, // a lone lead byte at the end is a single byte
        {"亜ン", 1, ""},
        {"abc", 10, "abc"},
        // 83 93 is ン; read backwards the 93 would look like a lead byte.
        {"ンa", 2, "ン"},
    };
    for (const auto& c : cases) {
        std::string s = c.text;
        TruncateCp932(s, c.max);
        EXPECT_EQ(s, c.expected) << c.max;
    }
}

} // namespace
