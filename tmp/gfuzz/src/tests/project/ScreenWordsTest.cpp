#include "project/ScreenWords.h"
#include "project/SystemData.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenWords, WordMenuIsCentredOnItsLongestWord) {
    // Words 23 and 24: "リトライ" (4 characters) and "マップへ戻る" (6).
    EXPECT_EQ(GetWordMenuX(320, 23, 2, 1), 264);
    EXPECT_EQ(GetWordMenuX(320, 23, 2, 0), 272);
    EXPECT_EQ(GetWordMenuX(304, 10, 2, 1), 304 - (8 * 16) / 2);
    EXPECT_EQ(GetWordMenuX(320, 0, 0, 1), 312);
    EXPECT_EQ(GetWordMenuX(320, 0, 0, 0), 320);
}

TEST(ScreenWords, CharacterCount) {
    struct Case {
        std::string text;
        std::int32_t count;
    };
    const Case cases[] = {
        {"", 0},         {"abc", 3},  {"ab\ncd", 4}, {"\n\n", 0},
        {"\203\212\203\147\203\211\203\103", 4}, {"a\203\212b", 3}, {"HP", 2},     {std::string("\x81", 1), 1}, // a lone lead byte
        {"\225\134\n\216\246", 2}, // "表" has 0x5C as its trail byte
    };
    for (const Case& c : cases) EXPECT_EQ(CountTextChars(c.text), c.count) << c.text;
}

TEST(ScreenWords, OddWidthTruncatesTowardZero) {
    cVector<std::string> words{"abc"};
    EXPECT_EQ(GetWordMenuX(words, 100, 0, 1, 0), 100 - 24);
    EXPECT_EQ(GetWordMenuX(words, 0, 0, 1, 0), -24);
}

TEST(ScreenWords, DefaultMenus) {
    const cSystemData d;
    ASSERT_EQ(d.TitleMenu.size(), kTitleMenuCount);
    EXPECT_EQ(d.TitleMenu.At(0).Text, "\202\315\202\266\202\337\202\251\202\347");
    EXPECT_EQ(d.TitleMenu.At(6).Text, "\202\265\202\343\202\244\202\350\202\345\202\244");
    EXPECT_EQ(d.SaveMenu.At(1).Text, "\203\111\201\133\203\147\203\132\201\133\203\165");
    EXPECT_EQ(d.OptionMenu.At(3).Text, "\203\211\203\223\203\114\203\223\203\117\223\157\230\136\226\274");
    EXPECT_EQ(d.OptionMenu.At(5).Text, "");
    for (const auto* menu : {&d.TitleMenu, &d.SaveMenu, &d.OptionMenu})
        EXPECT_EQ(static_cast<std::size_t>(cCmd::CountEnabled(*menu)), menu->size());
    EXPECT_EQ(d.RankingModeNames.At(0), "\216\350\223\256\223\157\230\136\201\151\223\157\230\136\226\274\223\374\227\315\201\152");
    EXPECT_EQ(d.Words.At(19), "\202\265\202\343\202\244\202\350\202\345\202\244");
    EXPECT_EQ(d.Words.At(22), "");
    EXPECT_EQ(d.Words.At(28), "F3\203\114\201\133\202\305\203\211\203\223\203\114\203\223\203\117\202\326\223\157\230\136");
}

} // namespace
