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
        {"リトライ", 4}, {"aリb", 3}, {"HP", 2},     {std::string("\x81", 1), 1}, // a lone lead byte
        {"表\n示", 2}, // "表" has 0x5C as its trail byte
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
    EXPECT_EQ(d.TitleMenu.At(0).Text, "はじめから");
    EXPECT_EQ(d.TitleMenu.At(6).Text, "しゅうりょう");
    EXPECT_EQ(d.SaveMenu.At(1).Text, "オートセーブ");
    EXPECT_EQ(d.OptionMenu.At(3).Text, "ランキング登録名");
    EXPECT_EQ(d.OptionMenu.At(5).Text, "");
    for (const auto* menu : {&d.TitleMenu, &d.SaveMenu, &d.OptionMenu})
        EXPECT_EQ(static_cast<std::size_t>(cCmd::CountEnabled(*menu)), menu->size());
    EXPECT_EQ(d.RankingModeNames.At(0), "手動登録（登録名入力）");
    EXPECT_EQ(d.Words.At(19), "しゅうりょう");
    EXPECT_EQ(d.Words.At(22), "");
    EXPECT_EQ(d.Words.At(28), "F3キーでランキングへ登録");
}

} // namespace
