#include "gui/Dlg.h"
#include "gui/WmNames.h"

#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

TEST(WmNames, AliasesWinAndUnknownNumbersAreDecimal) {
    const struct {
        UINT message;
        const char* name;
    } cases[] = {
        {0x0111, "WM_COMMAND"},    {0x0100, "WM_KEYFIRST"},
        {0x0200, "WM_MOUSEFIRST"}, {0x010F, "WM_IME_COMPOSITION"},
        {0x0400, "WM_USER"},       {0x8001, "32769"},
        {0x0000, "WM_NULL"},
    };
    for (const auto& c : cases) EXPECT_STREQ(GetWmName(c.message), c.name) << c.message;
}

namespace {

// Records what the framework dispatches; its command handler sends itself a
// second command and a paint while it runs.
class ProbeWnd : public cWnd {
public:
    int commands = 0, draws = 0;
    LRESULT nestedCommand = -1;
    int nestedPaint = -1;
    LRESULT OnCommand(WPARAM, LPARAM) override {
        ++commands;
        nestedCommand = DefMessage(m_hWnd, WM_COMMAND, 2, 0);
        nestedPaint = DefMessage(m_hWnd, WM_PAINT, 0, 0);
        return 0;
    }
    void OnDraw() override { ++draws; }
};

} // namespace

TEST(Wnd, ACommandDuringACommandIsNotRunButOtherMessagesAre) {
    ProbeWnd w;
    EXPECT_EQ(w.DefMessage(nullptr, WM_COMMAND, 1, 0), 1);
    EXPECT_EQ(w.commands, 1);
    EXPECT_EQ(w.nestedCommand, 0) << "the nested command is refused";
    EXPECT_EQ(w.nestedPaint, 1) << "the guard is for commands only";
    EXPECT_EQ(w.draws, 1);
    EXPECT_EQ(w.DefMessage(nullptr, WM_COMMAND, 1, 0), 1) << "the guard is cleared afterwards";
    EXPECT_EQ(w.commands, 2);
}

TEST(Wnd, TraceWritesOneLinePerMessage) {
    TempDir dir;
    SetErrorLog(true, "trace.txt");
    cWnd w;
    w.m_Name = "probe";
    w.m_bTrace = 1;
    w.DefMessage(nullptr, WM_COMMAND, MakeWParam(3, 1), 0x00020005);
    w.DefMessage(nullptr, 0x8001, 0, -1);
    w.DefMessage(nullptr, WM_GETTEXT, 0, 0);
    SetErrorLog(false, "EC_Game.txt");
    std::ifstream in("trace.txt");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("probe | msg:WM_COMMAND | wp:65539(1,3) | lp:131077(2,5)"), std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("probe | msg:32769 | wp:0(0,0) | lp:-1(65535,65535)"), std::string::npos);
    EXPECT_EQ(text.str().find("WM_GETTEXT"), std::string::npos);
}

TEST(MouseState, APressHeldAcrossUpdatesIsReportedOnce) {
    ResetMouseHistory();
    cMouseState m;
    const bool held[] = {false, true, true, true, false, true};
    const int pressed[] = {0, 1, 0, 0, 0, 1};
    const int released[] = {0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i) {
        m.Update(7, held[i], false);
        EXPECT_EQ(m.bLeftPressed, pressed[i]) << i;
        EXPECT_EQ(m.bLeftReleased, released[i]) << i;
    }
}

TEST(DlgPlacement, KeepsTheDialogInsideTheWorkArea) {
    const RECT area{0, 0, 1000, 700};
    const RECT ref{100, 100, 740, 580};
    struct Case {
        const char* what;
        int keptX, keptY;
        const RECT* reference;
        bool ownerRelative, centre;
        bool place;
        int x, y;
    } cases[] = {
        {"no kept position: the system places it", kNoKeptPosition, kNoKeptPosition, nullptr, false, false,
         false, 0, 0},
        {"a kept position inside", 50, 60, nullptr, false, false, true, 50, 60},
        {"partly off the right and bottom", 900, 650, nullptr, false, false, true, 800, 600},
        {"off the left and top", -40, -9, nullptr, false, false, true, 0, 0},
        {"centred over a reference", 0, 0, &ref, false, true, true, 320, 290},
        {"owner-relative and centred", 5, 5, nullptr, true, true, true, 400, 300},
    };
    for (const Case& c : cases) {
        const DlgPlacement p =
            PlaceInWorkArea(area, 200, 100, c.keptX, c.keptY, c.reference, c.ownerRelative, c.centre);
        EXPECT_EQ(p.place, c.place) << c.what;
        if (!c.place) continue;
        EXPECT_EQ(p.x, c.x) << c.what;
        EXPECT_EQ(p.y, c.y) << c.what;
    }
}

TEST(EditFit, KeepsTheTextWithinItsLimits) {
    struct Case {
        const char* what;
        std::string text;
        int perLine, lines;
        bool doubleByte, breakLines;
        std::string expected;
    } cases[] = {
        {"a fourth character", "abcd", 3, 1, true, true, "abc"},
        {"double-byte characters count once", "あいうえ", 3, 1, true, true, "あいう"},
        {"in bytes without the double-byte flag", "あいう", 3, 1, false, true, "あ\x82"},
        {"a long line is broken", "abcdefg", 3, 3, false, true, "abc\r\ndef\r\ng"},
        {"lines beyond the maximum go", "ab\r\ncd\r\nef", 3, 2, false, true, "ab\r\ncd"},
        {"Backspace held: no breaking, the last line is cut", "abcdefg", 3, 3, false, false, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitEditText(c.text, c.perLine, c.lines, c.doubleByte, c.breakLines, nullptr), c.expected)
            << c.what;
    DWORD caret = 5;
    EXPECT_EQ(FitEditText("abcdef", 3, 3, false, true, &caret), "abc\r\ndef");
    EXPECT_EQ(caret, 7u) << "the caret behind a break moves by its two bytes";
}
