#include "records/Cmd.h"

#include "fixtures/ByteBuilder.h"

#include <gtest/gtest.h>

namespace {

cVector<cCmd> Menu(std::initializer_list<std::int32_t> enabled) {
    cVector<cCmd> menu;
    for (std::int32_t e : enabled) menu.push_back(cCmd(e, "x"));
    return menu;
}

TEST(Cmd, DefaultItemIsEnabledWithEmptyText) {
    cCmd item;
    EXPECT_EQ(item.bEnabled, 1);
    EXPECT_EQ(item.Text, "");
}

TEST(Cmd, StoredAsOneFieldAndOneString) {
    cCmd item(0, "ab");
    EXPECT_EQ(item.SaveToBytes(), ByteBuilder().u32(818).u32(1).i32(0).u32(1).str("ab").get());
    cCmd back;
    ASSERT_TRUE(back.LoadFromBytes(item.SaveToBytes()));
    EXPECT_EQ(back.bEnabled, 0);
    EXPECT_EQ(back.Text, "ab");
}

TEST(Cmd, GetCmdNumCountsOnlyEnabledItems) {
    struct Case {
        cVector<cCmd> menu;
        std::int32_t n, index;
    };
    const Case cases[] = {
        {Menu({0, 1, 1}), 0, 1},    // item 0 disabled: the first enabled one
        {Menu({0, 1, 0, 1}), 1, 3}, //
        {Menu({1, 1, 1}), 2, 2},    //
        {Menu({0, 1, 1}), 2, 0},    // n equal to the number of enabled items
        {Menu({1, 1}), -1, 0},      //
        {Menu({0, 0}), 0, 0},       // nothing enabled
        {Menu({}), 0, 0},           //
    };
    for (const Case& c : cases) EXPECT_EQ(cCmd::GetCmdNum(c.n, c.menu), c.index) << c.n;
    EXPECT_EQ(cCmd::CountEnabled(Menu({0, 1, 1, 0, 1})), 3);
}

} // namespace
