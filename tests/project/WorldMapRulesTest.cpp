// The world map's event rules: the variable comparisons (the smallest int and
// a divisor of -1 included), which entry of an event is active, and what
// blocks the marker.
#include "project/WorldMapRules.h"
#include "fixtures/GameGlobals.h"

#include <gtest/gtest.h>

TEST(WorldMapRules, VariableComparisons) {
    struct Case {
        std::int32_t code, v, c;
        bool result;
    } cases[] = {
        {0, 3, 3, true},
        {0, 3, 4, false},
        {1, 3, 4, true},
        {2, 4, 4, true},
        {2, 3, 4, false},
        {3, 4, 4, true},
        {4, 5, 4, true},
        {4, 4, 4, false},
        {5, 3, 4, true},
        {6, 9, 3, true},
        {6, -9, 3, true},
        {6, 7, 3, false},
        {6, 7, 0, true},
        {6, 7, -1, true},
        {6, INT32_MIN, -1, true},
        {6, INT32_MIN, 2, false},
        {6, INT32_MIN, INT32_MAX, true},
        {7, 7, 3, true},
        {7, 9, 3, false},
        {7, 7, 0, false},
        {7, INT32_MIN, -1, false},
        {8, 1, 1, false},
        {-1, 1, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareVariable(c.code, c.v, c.c), c.result) << c.code << " " << c.v << " " << c.c;
    EXPECT_EQ(SaturatedAbs(INT32_MIN), INT32_MAX);
    EXPECT_EQ(SaturatedAbs(-7), 7);
}

TEST(WorldMapRules, TheFirstEntryWhoseConditionsHoldIsActive) {
    cGameGlobalsGuard globals;
    cWorldEvent event;
    event.Entries.assign(4, cWorldEntry());
    event.Entries[0].nParams[4] = 10; // needs stage 10 cleared
    event.Entries[1].nParams[5] = 3;  // needs variable 3 >= 5
    event.Entries[1].nParams[6] = 5;
    event.Entries[1].nParams[7] = 2;
    event.Entries[2].nParam9 = 100; // needs a total of 100
    event.Entries[3].nKind = kEntryWall;
    struct Case {
        const char* what;
        bool cleared;
        std::int32_t variable, total;
        int active;
    } cases[] = {
        {"nothing holds but the last", false, 0, 0, 3},
        {"stage 10 cleared", true, 0, 0, 0},
        {"the variable reached", false, 5, 0, 1},
        {"the total reached", false, 0, 100, 2},
    };
    for (const Case& c : cases) {
        PlayData.Init();
        PlayData.ClearFlags[10] = c.cleared;
        PlayData.CommonVars[3] = c.variable;
        PlayData.nTotalScore = c.total;
        EXPECT_EQ(FindActiveEntry(&event, PlayData), &event.Entries[static_cast<std::size_t>(c.active)])
            << c.what;
    }
    EXPECT_EQ(FindActiveEntry(nullptr, PlayData), nullptr);
    event.Entries.resize(3);
    PlayData.Init();
    EXPECT_EQ(FindActiveEntry(&event, PlayData), nullptr) << "no entry holds";
}

TEST(WorldMapRules, ClearedPassableAndBlocked) {
    cGameGlobalsGuard globals;
    PlayData.Init();
    cWorldEntry e;
    e.nParams[1] = 4;
    EXPECT_FALSE(IsEntryCleared(e, PlayData));
    EXPECT_FALSE(IsEntryPassable(e, PlayData));
    e.nParams[2] = 1;
    EXPECT_TRUE(IsEntryPassable(e, PlayData)) << "free pass";
    e.nParams[2] = 0;
    PlayData.ClearFlags[4] = 1;
    EXPECT_TRUE(IsEntryCleared(e, PlayData));
    EXPECT_TRUE(IsEntryPassable(e, PlayData));
    e.nParams[1] = 5000;
    EXPECT_FALSE(IsEntryCleared(e, PlayData)) << "a flag past the list is not set";

    cWorldMap map;
    map.Chips.assign(2, cWorldChip());
    map.Chips[1].bBlocked = 1;
    map.Cells.At(map.CellIndex(1, 0)) = 1;
    cWorldEntry wall;
    wall.nKind = kEntryWall;
    cWorldEntry stage;
    EXPECT_FALSE(IsCellBlocked(map, 0, 0, nullptr));
    EXPECT_TRUE(IsCellBlocked(map, 1, 0, nullptr));
    EXPECT_FALSE(IsCellBlocked(map, 1, 0, &stage)) << "an active entry decides over the chip";
    EXPECT_TRUE(IsCellBlocked(map, 0, 0, &wall));
}
