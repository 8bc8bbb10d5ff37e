// The window record keeps one coordinate system from close to start: a window
// put back where its record says, then closed again, writes the same record.
#include "app/WindowRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowRecord, AWindowClosedAndStartedAgainStaysWhereItWas) {
    struct Case {
        const char* what;
        RECT area;
        int x, y;
    } cases[] = {
        {"work area at the origin", {0, 0, 1920, 1050}, 200, 120},
        {"a panel on the left", {64, 0, 1920, 1080}, 300, 40},
        {"a panel on the top", {0, 27, 1920, 1080}, 0, 27},
        {"the second of two screens", {1920, 0, 3840, 1080}, 2100, 300},
        {"a screen left of the first", {-1280, 0, 0, 1024}, -1000, 100},
    };
    for (const Case& c : cases) {
        int x = c.x, y = c.y;
        for (int start = 0; start < 3; ++start) {
            cWindowData record = WindowRecordAt(x, y, c.area, false);
            cWindowData stored;
            ASSERT_TRUE(stored.LoadFromBytes(record.SaveToBytes())) << c.what;
            PlaceFromWindowRecord(stored, c.area, x, y);
            EXPECT_EQ(x, c.x) << c.what << ", start " << start;
            EXPECT_EQ(y, c.y) << c.what << ", start " << start;
        }
    }
}

TEST(WindowRecord, ARecordOffTheWorkAreaIsPutOntoIt) {
    const RECT area{64, 27, 1344, 1051}; // 1280 x 1024 beside and below panels
    cWindowData record;
    record.nX = -4000;
    record.nY = 90000;
    record.nClientWidth = 0;
    record.nClientHeight = 480;
    int x = 0, y = 0;
    PlaceFromWindowRecord(record, area, x, y);
    EXPECT_EQ(x, 64) << "the left edge of the work area";
    EXPECT_EQ(y, 27 + 1024 - 480) << "the whole window above the bottom of the work area";
    EXPECT_EQ(record.nClientWidth, 640) << "a damaged size becomes the window's own";
}

} // namespace
