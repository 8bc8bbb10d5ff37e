// Message windows: variable codes in their text, the size of a text block,
// where each anchor places a window, and how long a window lasts.
#include "play/MessageWindow.h"
#include "engine/EngineScene.h"
#include "fixtures/PlayWorld.h"
#include "play/MessageText.h"

#include <string>

namespace {

// Eight pixels a byte, 16 a line.
class cFixedFont : public cMessageFont {
public:
    std::int32_t LineWidth(const std::string& line) const override {
        return static_cast<std::int32_t>(line.size()) * 8;
    }
    std::int32_t LineHeight() const override { return 16; }
};

TEST(MessageText, VariableCodesAreReplacedByTheirFormattedValues) {
    cVector<std::int32_t> common(1001, 0), stage(1001, 0);
    common[1] = 7;
    common[2] = -5;
    common[12] = 1234;
    common[1000] = 3;
    stage[3] = 42;
    stage[12] = 99;
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"#C1_3.", "  7"},
        {"#C1_Z3.", "007"},
        {"#C1_P3.", "+  7"},
        {"#C2_2", "- 5"},
        {"#C12", "1234"},
        {"#C12_2.", "1234"}, // wider than its width: every digit
        {"#S3_Z4.", "0042"},
        {"#s3", "42"},
        {"#CS12", "1234"}, // C wins over S
        {"x#C1.y#S3!", "x7y42!"},
        {"#C1_3_", "  7_"}, // a second '_' ends the code
        {"#C0", "#C0"},
        {"#C1001", "#C1001"},
        {"#C1000", "3"},
        {"#C", "#C"},
        {"#12", "#12"},
        {"#X", "#X"},
        {"##C1", "#7"},
        {"#C1_", "7"},
        {"#C1_9", "        7"},
        {"#C1_P0.", "+7"},
        {"#C99999999999999999999999", "#C99999999999999999999999"}, // a digit run saturates
        {"\x82#C1", "\x82#C1"},                                     // '#' as a trail byte is no code
        {"\x82\xA0#C1", "\x82\xA0"
                        "7"},
        {"", ""},
    };
    for (const Case& k : cases) EXPECT_EQ(ReplaceVariableCodes(k.text, common, stage), k.shown) << k.text;
}

TEST(MessageText, NumbersPastAShortVariableListStayAsWritten) {
    const cVector<std::int32_t> common(5, 9), stage;
    EXPECT_EQ(ReplaceVariableCodes("#C4 #C5 #S1", common, stage), "9 #C5 #S1");
    const cVector<std::int32_t> extremes{0, -2147483647 - 1, 2147483647};
    EXPECT_EQ(ReplaceVariableCodes("#C1 #C2_P", extremes, stage), "-2147483648 +2147483647");
}

TEST(MessageText, ATextBlockIsItsWidestLineByItsLines) {
    struct Case {
        const char* text;
        std::int32_t w, h;
    };
    for (const Case k :
         {Case{"abc", 26, 18}, Case{"a\nabcd\n", 34, 50}, Case{"", 2, 18}, Case{"\n\n", 2, 50}}) {
        std::int32_t w = 0, h = 0;
        MeasureTextBlock(
            k.text, 16, [](const std::string& l) { return static_cast<std::int32_t>(l.size()) * 8; }, w, h);
        EXPECT_EQ(w, k.w) << k.text;
        EXPECT_EQ(h, k.h) << k.text;
    }
}

class MessageWindowTest : public PlayTest {
protected:
    cMessageWindow Window(std::int32_t anchor, const char* text = "abcd") {
        cMessageArgs a;
        a.strText = text;
        a.nPlace = anchor;
        return TextMessage(a, font);
    }
    cFixedFont font;
};

TEST_F(MessageWindowTest, EachAnchorPlacesTheWindow) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    c.nOffsetX = c.nOffsetY = 0;
    c.nScrWidth = c.nScrHeight = 32;
    c.dX = 200, c.dY = 100;
    scene().nViewCol = 1;
    scene().ScrollX.dPos = 40;
    scene().ScrollY.dPos = 8;
    // "abcd": 34 x 18. The character's screen rectangle: (160, 92) to (191, 123).
    struct Case {
        std::int32_t anchor;
        std::int32_t x, y;
    };
    for (const Case k :
         {Case{0, 303, 231}, Case{1, 159, 74}, Case{4, 159, 74}, Case{2, 159, 124}, Case{5, 159, 124},
          Case{3, 159, 99}, Case{6, 159, 99}, Case{7, 64, 96}, Case{8, 56, 88}}) {
        cMessageWindow w = Window(k.anchor);
        w.nCellX = 2, w.nCellY = 3;
        w.nAnchorChara = c.nId;
        w.bStay = 1;
        ASSERT_EQ(PlaceMessage(w, scene()), 0);
        EXPECT_EQ(w.nX, k.x) << k.anchor;
        EXPECT_EQ(w.nY, k.y) << k.anchor;
    }
}

TEST_F(MessageWindowTest, AWindowWithoutStayMovesWithTheMapAndAStayedOneKeepsItsFirstPlace) {
    cNpcChara& c = AddNpc(Def(), 5, 5);
    cMessageWindow centred = Window(0);
    ASSERT_EQ(PlaceMessage(centred, scene()), 0);
    EXPECT_EQ(centred.nX, 303);
    scene().ScrollX.dPos = 10;
    PlaceMessage(centred, scene());
    EXPECT_EQ(centred.nX, 293);

    cMessageWindow above = Window(1);
    above.nAnchorChara = c.nId;
    above.bStay = 1;
    PlaceMessage(above, scene());
    const std::int32_t first = above.nX;
    c.dX += 50;
    PlaceMessage(above, scene());
    EXPECT_EQ(above.nX, first);
    above.bStay = 0;
    PlaceMessage(above, scene());
    EXPECT_EQ(above.nX, first + 50);
}

TEST_F(MessageWindowTest, ClampingKeepsAWindowOnTheScreen) {
    struct Case {
        const char* text;
        std::int32_t offsetX, offsetY;
        std::int32_t x, y;
    };
    const std::string wide(100, 'w'); // 802 pixels: wider than the screen
    for (const Case k : {Case{"abcd", -400, -300, 0, 20}, Case{"abcd", 400, 300, 606, 462},
                         Case{wide.c_str(), 0, 0, 640 - 802, 231}}) {
        cMessageWindow w = Window(0, k.text);
        w.nOffsetX = k.offsetX, w.nOffsetY = k.offsetY;
        w.bClamp = 1;
        w.bStay = 1;
        PlaceMessage(w, scene());
        EXPECT_EQ(w.nX, k.x) << k.offsetX;
        EXPECT_EQ(w.nY, k.y) << k.offsetY;
    }
}

TEST_F(MessageWindowTest, AWindowEndsWithItsTimeOrItsCharacter) {
    cMessageWindow timed = Window(0);
    timed.nDisplay = 2;
    timed.nTime = 2;
    EXPECT_EQ(TickMessage(timed, true), 0); // held: the time stands
    EXPECT_EQ(timed.nTime, 2);
    EXPECT_EQ(TickMessage(timed, false), 0);
    EXPECT_EQ(TickMessage(timed, false), 0);
    EXPECT_EQ(TickMessage(timed, false), 1);
    timed.nTime = 0;
    timed.bCountWhileHeld = 1;
    EXPECT_EQ(TickMessage(timed, true), 1);

    cMessageWindow text = Window(3);
    text.nAnchorChara = 999; // nobody
    EXPECT_EQ(PlaceMessage(text, scene()), 1);
    cMessageWindow icon = text;
    icon.nKind = MSG_GRAPHIC;
    icon.nX = 12, icon.nY = 34;
    EXPECT_EQ(PlaceMessage(icon, scene()), 0);
    EXPECT_EQ(icon.nX, 12);
    EXPECT_EQ(icon.nY, 34);
}

TEST_F(MessageWindowTest, ARefreshingWindowShowsTheVariablesAsTheyChange) {
    scene().StageVars[3] = 5;
    cMessageArgs a;
    a.strText = "HP #S3";
    a.bControlCodes = 1;
    a.bRefresh = 1;
    a.nRefreshInterval = 10;
    cMessageWindow w = TextMessage(a, font);
    EXPECT_EQ(w.strText, "HP 5");
    EXPECT_EQ(w.nWidth, 34);
    EXPECT_EQ(w.bOpening, 1);
    scene().StageVars[3] = 12345;
    EXPECT_EQ(RefreshMessage(w, 7, font), 0);
    EXPECT_EQ(w.strText, "HP 5");
    EXPECT_EQ(RefreshMessage(w, 20, font), 1);
    EXPECT_EQ(w.strText, "HP 12345");
    EXPECT_EQ(w.nWidth, 66);
    a.bControlCodes = 0;
    EXPECT_EQ(TextMessage(a, font).strText, "HP #S3");
}

} // namespace
