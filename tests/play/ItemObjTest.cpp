// Items in play: taking one runs its command list on the hero, a stage clear
// among them stops the rest, and the overlay's frames on the mark sheet.
#include "fixtures/CommandKit.h"
#include "fixtures/PlayWorld.h"
#include "play/CharaContacts.h"
#include "play/ObjectDraw.h"

#include <algorithm>

namespace {

class ItemObjTest : public PlayTest {
protected:
    cItemObj& ItemAtHero(cList<cItemObj>& items, const cHeroChara& h,
                         std::initializer_list<cEdCommand> commands) {
        cItemObj& item = items.emplace_back();
        item.nId = 40;
        item.bActive = 1;
        item.Def.TakeRule = 0;
        item.Def.ShowMessage = 0;
        item.Def.Commands.clear();
        for (const cEdCommand& c : commands) item.Def.Commands.push_back(c);
        item.dX = h.dX, item.dY = h.dY;
        item.dRight = h.dX + 31, item.dBottom = h.dY + 31;
        return item;
    }
    bool Asked(const std::string& r) const {
        return std::find(test.requests.begin(), test.requests.end(), r) != test.requests.end();
    }
};

TEST_F(ItemObjTest, TakingAnItemRunsItsCommandsAndAStageClearStopsTheRest) {
    cHeroChara& h = AddHero(Def(10), 5, 13);
    h.bOnScreen = 1; // sounds of commands may be for visible characters only
    cList<cItemObj> items;
    ItemAtHero(items, h, {FlowCommand(20, {5}), FlowCommand(2, {}), FlowCommand(20, {6})});
    EXPECT_EQ(TouchItems(h, items), 1);
    EXPECT_TRUE(items.empty());
    EXPECT_TRUE(Asked("db se 5"));
    EXPECT_FALSE(Asked("db se 6"));

    // Without the clear every command runs and play goes on.
    ItemAtHero(items, h, {FlowCommand(20, {7}), FlowCommand(20, {8})});
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_TRUE(Asked("db se 7"));
    EXPECT_TRUE(Asked("db se 8"));

    // A flow-command kind outside the table is passed over.
    cEdCommand odd = FlowCommand(20, {9});
    odd.cKind = 99;
    ItemAtHero(items, h, {odd, FlowCommand(20, {10})});
    EXPECT_EQ(TouchItems(h, items), 0);
    EXPECT_TRUE(Asked("db se 10"));
}

TEST(ItemOverlay, FramesRunDownColumnsOfFifteen) {
    struct Case {
        std::int32_t frame, x, y;
    };
    for (const Case k : {Case{0, 0, 0}, Case{14, 0, 448}, Case{15, 32, 0}, Case{16, 32, 32}}) {
        std::int32_t x = -1, y = -1;
        OverlaySource(k.frame, x, y);
        EXPECT_EQ(x, k.x) << k.frame;
        EXPECT_EQ(y, k.y) << k.frame;
    }
}

} // namespace
