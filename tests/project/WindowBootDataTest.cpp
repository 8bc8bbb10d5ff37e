#include "project/BootData.h"
#include "project/WindowData.h"

#include <gtest/gtest.h>

TEST(WindowData, IsFiveWordsInARecordFile) {
    cWindowData w;
    w.nX = 100;
    w.nY = -5;
    w.nClientWidth = 640;
    w.nClientHeight = 480;
    w.bMaximised = 1;
    const std::vector<std::uint8_t> bytes = w.SaveToBytes();
    ASSERT_EQ(bytes.size(), 32u);
    cWindowData back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.nX, 100);
    EXPECT_EQ(back.nY, -5);
    EXPECT_EQ(back.nClientWidth, 640);
    EXPECT_EQ(back.nClientHeight, 480);
    EXPECT_EQ(back.bMaximised, 1);
}

TEST(WindowData, ClampPutsTheWindowOnTheScreen) {
    struct Case {
        const char* what;
        std::int32_t x, y, w, h;
        std::int32_t ex, ey, ew, eh;
    } cases[] = {
        {"on the screen stays", 100, 50, 640, 480, 100, 50, 640, 480},
        {"left of the screen", -3000, 50, 640, 480, 0, 50, 640, 480},
        {"right of every screen", 9000, 9000, 640, 480, 1280, 600, 640, 480},
        {"half off on the right", 1500, 0, 640, 480, 1280, 0, 640, 480},
        {"a damaged size", 10, 10, -7, 0, 10, 10, 640, 480},
        {"larger than the screen", 10, 10, 100000, 480, 10, 10, 640, 480},
    };
    for (const Case& c : cases) {
        cWindowData w;
        w.nX = c.x;
        w.nY = c.y;
        w.nClientWidth = c.w;
        w.nClientHeight = c.h;
        w.Clamp(1920, 1080, 640, 480);
        EXPECT_EQ(w.nX, c.ex) << c.what;
        EXPECT_EQ(w.nY, c.ey) << c.what;
        EXPECT_EQ(w.nClientWidth, c.ew) << c.what;
        EXPECT_EQ(w.nClientHeight, c.eh) << c.what;
    }
}

TEST(WindowData, ATruncatedFileLeavesTheRecord) {
    cWindowData w;
    w.nX = 42;
    std::vector<std::uint8_t> bytes = cWindowData().SaveToBytes();
    bytes.resize(20);
    EXPECT_FALSE(w.LoadFromBytes(bytes));
    EXPECT_EQ(w.nX, 42);
}

TEST(BootData, StoredValuesOutsideTheTwoChoicesAreBroughtToThem) {
    struct Case {
        std::int32_t mode, ask, wantMode, wantAsk;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{1, 1, 1, 1}, Case{5, 7, 1, 1}, Case{-1, -3, 1, 1}}) {
        cBootData b;
        b.nDrawMode = c.mode;
        b.bDoNotAsk = c.ask;
        b.Normalize();
        EXPECT_EQ(b.nDrawMode, c.wantMode) << c.mode;
        EXPECT_EQ(b.bDoNotAsk, c.wantAsk) << c.ask;
    }
}

TEST(BootData, DefaultsToDirect3DAndRoundTrips) {
    cBootData b;
    EXPECT_EQ(b.nDrawMode, 1);
    EXPECT_EQ(b.bDoNotAsk, 0);
    b.nDrawMode = 0;
    b.bDoNotAsk = 1;
    const std::vector<std::uint8_t> bytes = b.SaveToBytes();
    ASSERT_EQ(bytes.size(), 20u);
    cBootData back;
    ASSERT_TRUE(back.LoadFromBytes(bytes));
    EXPECT_EQ(back.nDrawMode, 0);
    EXPECT_EQ(back.bDoNotAsk, 1);
}
