// Word menus drawn with the second system font: the framed box is as wide as
// the longest word plus the cursor column and one row per word.
#include "gui/TextScreenFixture.h"

#include "gui/MenuLayout.h"

namespace {

class WordMenu : public TextScreenTest {
protected:
    WordMenu() : TextScreenTest(200) {}
};

TEST_F(WordMenu, TheBoxFitsTheLongestWordAndTheCursorColumn) {
    // Words 23 and 24 by default: "リトライ" (4) and "マップへ戻る" (6); with the cursor 7 columns.
    DrawWordMenu(&screen, 10, 10, 23, 2, 1);
    EXPECT_EQ(Rgb(9, 9), 0x00FF00u) << "outline outside the box";
    EXPECT_EQ(Rgb(10 + 112, 10 + 31), 0x00FF00u) << "right outline";
    EXPECT_EQ(Rgb(10 + 111, 10 + 32), 0x00FF00u) << "bottom outline";
    EXPECT_EQ(Rgb(10 + 113, 10), 0x404040u) << "nothing beyond the outline";
    EXPECT_EQ(Rgb(10, 10), 0x000080u) << "the cursor column stays empty";
    int ink = 0;
    for (int y = 10; y < 42; ++y)
        for (int x = 26; x < 122; ++x) ink += Rgb(x, y) == 0xFFFFFFu;
    EXPECT_GT(ink, 100) << "the words are drawn from the second column";

    DDFillSurfaceColor(&screen, 0x404040);
    DrawWordMenu(&screen, 10, 10, 23, 0, 1);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(Rgb(x, y), 0x404040u) << "no words, no box";
}

} // namespace
