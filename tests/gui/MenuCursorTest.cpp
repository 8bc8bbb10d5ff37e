// Grid and list cursors, the position stack, and menu layout.
#include "gui/MenuCursor.h"
#include "gui/MenuLayout.h"

#include "foundation/Fault.h"
#include "sound/SoundRequests.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

cInput Holding(WORD dir) {
    cInput in;
    in.wDir = dir;
    return in;
}

std::vector<WPARAM> soundsAsked;

LRESULT RecordSounds(HWND, UINT message, WPARAM w, LPARAM) {
    if (message == WM_PLAY_SOUND) soundsAsked.push_back(w);
    return 0;
}

TEST(MenuCursor, CursorSoundOncePerEnabledAxisThatMoves) {
    ASSERT_TRUE(RegisterWindowClass("CursorSoundTest", RecordSounds));
    HWND window = CreateWindowA("CursorSoundTest", "");
    const HWND before = hMainWnd.exchange(window);
    const struct {
        WORD dir;
        int axes;
        std::size_t sounds;
    } cases[] = {
        {0, 3, 0},        {kDirLeft, 1, 1},           {kDirLeft, 2, 0},           {kDirDown, 2, 1},
        {kDirDown, 1, 0}, {kDirUp | kDirRight, 3, 2}, {kDirUp | kDirRight, 1, 1},
    };
    for (const auto& c : cases) {
        soundsAsked.clear();
        PlayCursorSe(Holding(c.dir), c.axes, 0);
        EXPECT_EQ(soundsAsked.size(), c.sounds) << c.dir << " axes " << c.axes;
    }
    soundsAsked.clear();
    PlayCursorSe(Holding(kDirUp), 2, 6);
    EXPECT_EQ(soundsAsked, (std::vector<WPARAM>{6}));
    hMainWnd = before;
    DestroyWindow(window);
    UnregisterWindowClass("CursorSoundTest");
}

TEST(MenuCursor, GridCursorWrapsAroundAndSetsItsPixels) {
    const struct {
        int column, row;
        WORD dir;
        int columns, rows;
        int wantColumn, wantRow;
    } cases[] = {
        {0, 0, kDirUp, 1, 3, 0, 2},
        {0, 2, kDirDown, 1, 3, 0, 0},
        {0, 1, kDirDown, 1, 3, 0, 2},
        {0, 0, kDirLeft, 4, 1, 3, 0},
        {3, 0, kDirRight, 4, 1, 0, 0},
        {1, 1, kDirLeft | kDirRight, 4, 3, 0, 1},
        {2, 2, kDirUp | kDirDown, 4, 3, 2, 1},
        {3, 2, kDirDown | kDirRight, 4, 3, 0, 0},
    };
    for (const auto& c : cases) {
        CURSORPOS cur{c.column, c.row, 0, 0};
        MoveCursor(cur, Holding(c.dir), 100, 50, 20, 16, c.columns, c.rows);
        EXPECT_EQ(cur.nColumn, c.wantColumn) << c.dir;
        EXPECT_EQ(cur.nRow, c.wantRow) << c.dir;
        EXPECT_EQ(cur.nX, 100 + 20 * c.wantColumn);
        EXPECT_EQ(cur.nY, 50 + 16 * c.wantRow);
    }
    // A grid without cells (negative or zero) leaves the cursor alone.
    for (int rows : {-1, 0}) {
        CURSORPOS cur{0, 0, 7, 9};
        MoveCursor(cur, Holding(kDirUp), 0, 0, 16, 16, 1, rows);
        EXPECT_EQ(cur.nRow, 0);
        EXPECT_EQ(cur.nY, 9);
    }
}

TEST(MenuCursor, ListCursorScrollsPagesAndStaysInTheList) {
    const struct {
        const char* name;
        int index, first;
        WORD dir;
        int visible, entries, paging;
        int wantIndex, wantFirst;
    } cases[] = {
        {"down past the window", 3, 0, kDirDown, 4, 10, 0, 4, 1},
        {"down inside", 1, 0, kDirDown, 4, 10, 0, 2, 0},
        {"up at the top of the window", 4, 4, kDirUp, 4, 10, 0, 3, 3},
        {"up at the first entry", 0, 0, kDirUp, 4, 10, 0, 0, 0},
        {"down at the last entry", 9, 6, kDirDown, 4, 10, 0, 9, 6},
        {"page forward", 1, 0, kDirRight, 4, 10, 1, 4, 3},
        {"page forward on the last page", 7, 6, kDirRight, 4, 10, 1, 9, 6},
        {"page back", 5, 4, kDirLeft, 4, 10, 1, 2, 1},
        {"page back on the first page", 2, 0, kDirLeft, 4, 10, 1, 0, 0},
        {"no paging: right does nothing", 2, 0, kDirRight, 4, 10, 0, 2, 0},
        {"fewer entries than rows", 2, 0, kDirDown, 4, 3, 0, 2, 0},
        {"empty list, down", 0, 0, kDirDown, 4, 0, 1, 0, 0},
        {"empty list, up", 0, 0, kDirUp, 4, 0, 1, 0, 0},
        {"empty list, page forward", 0, 0, kDirRight, 4, 0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CURSORPOS cur{0, c.index, 0, 0};
        int first = c.first;
        MoveListCursor(cur, Holding(c.dir), 1, first, 100, 16, 40, c.visible, c.entries, c.paging);
        EXPECT_EQ(cur.nRow, c.wantIndex);
        EXPECT_EQ(first, c.wantFirst);
        EXPECT_EQ(cur.nY, 100 + 16 * (c.wantIndex - c.wantFirst));
        EXPECT_EQ(cur.nX, 40);
    }
    // A horizontal list moves the column and sets x.
    CURSORPOS cur{2, 5, 0, 0};
    int first = 0;
    MoveListCursor(cur, Holding(kDirDown), 0, first, 10, 32, 200, 3, 6, 0);
    EXPECT_EQ(cur.nColumn, 3);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(cur.nX, 10 + 32 * 2);
    EXPECT_EQ(cur.nY, 200);
    EXPECT_EQ(cur.nRow, 5);
}

TEST(MenuCursor, PositionStack) {
    cWorldPos pos;
    EXPECT_EQ(pos.Depth(), 1u);
    EXPECT_EQ(pos.Parent(), nullptr);
    *pos.Current() = {1, 2, 3, 4};
    pos.Push(1);
    EXPECT_EQ(pos.Current()->nY, 4) << "copy of the level below";
    pos.Current()->nRow = 9;
    pos.Push(0);
    EXPECT_EQ(pos.Current()->nRow, 0);
    ASSERT_NE(pos.Parent(), nullptr);
    EXPECT_EQ(pos.Parent()->nRow, 9);
    pos.Current()->nX = 77;
    pos.Pop(2);
    EXPECT_EQ(pos.Current()->nX, 77) << "mode 2 takes the dropped level's values";
    pos.Pop(0);
    EXPECT_EQ(pos.Depth(), 1u);
    EXPECT_EQ(pos.Current()->nColumn, 0) << "mode 0 clears";
    EXPECT_EQ(pos.Parent(), nullptr);
    *pos.Current() = {5, 5, 5, 5};
    pos.Pop(0);
    EXPECT_EQ(pos.Current()->nX, 5) << "one level: nothing changes";
    pos.Push(1);
    pos.Push(1);
    pos.Current()->nY = 1;
    pos.Pop(1);
    EXPECT_EQ(pos.Current()->nY, 5) << "mode 1 keeps";
    pos.Push(0);
    CURSORPOS* top = pos.Reset();
    EXPECT_EQ(pos.Depth(), 1u);
    EXPECT_EQ(top, pos.Current());
    EXPECT_EQ(top->nX, 0);
    EXPECT_EQ(pos.Parent(), nullptr);
}

TEST(MenuLayout, CentredMenuX) {
    cVector<cCmd> menu;
    menu.push_back(cCmd(1, "はじめから"));
    menu.push_back(cCmd(1, "しゅうりょう"));       // 6 characters
    menu.push_back(cCmd(0, "とてもながいなまえ")); // disabled: not counted
    EXPECT_EQ(GetCenteredMenuX(320, menu), 320 - (7 * 16) / 2);
    menu.push_back(cCmd(1, "オプションABC")); // 8 characters
    EXPECT_EQ(GetCenteredMenuX(320, menu), 320 - 72);
    cVector<cCmd> seven;
    seven.push_back(cCmd(1, "1234567"));
    EXPECT_EQ(GetCenteredMenuX(320, seven), 256);
    cVector<cCmd> none;
    none.push_back(cCmd(1, ""));
    EXPECT_EQ(GetCenteredMenuX(320, none), 320);
}

} // namespace
