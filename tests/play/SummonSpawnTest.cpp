// Summons: the objects a summon command lays out by its pattern become items
// of the item list or changed map blocks; a definition number outside its
// table summons nothing.
#include "fixtures/PlayWorld.h"
#include "play/BlockGrid.h"
#include "play/ShotObj.h"
#include "records/EdBlock.h"
#include "records/EdItem.h"
#include "records/EdShot.h"

namespace {

class SummonSpawnTest : public PlayTest {
protected:
    cNpcChara& User() {
        cNpcChara& c = AddNpc(Def(), 2, 2);
        c.nOffsetX = c.nOffsetY = 0;
        c.nWidth = c.nScrWidth = c.nHeight = c.nScrHeight = 32;
        c.dX = 100, c.dY = 200, c.nFacing = 1;
        c.RecomputeX();
        c.RecomputeY();
        return c;
    }
    static cEdShot Record(std::int8_t pattern, std::int8_t count, std::int16_t number) {
        cEdShot r;
        r.cFormation = pattern;
        r.cCount = count;
        r.cDirCode = 0;
        r.bMirrorX = 0;
        r.cSummonSrc = 1; // the stage's own table
        r.sSummonNo = number;
        return r;
    }
};

TEST_F(SummonSpawnTest, ItemsAreSummonedWhereThePatternLaysThemOut) {
    cEdItem item;
    item.Init();
    item.GraphicIndex = 3;
    Stage.PaletteItems.assign(1, item);
    cNpcChara& u = User();
    cList<cItemObj> items;
    // A row of two to the right: 32 x 32 items just right of the user, one above the other.
    SpawnItemObjects(u, Record(0, 2, 0), items);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items.front().dX, 132);
    EXPECT_EQ(items.back().dX, 132);
    EXPECT_EQ(items.back().dY - items.front().dY, 32);
    EXPECT_EQ(items.front().Def.GraphicIndex, 3);
    for (const std::int16_t bad : {1, -1, 300}) {
        SpawnItemObjects(u, Record(0, 2, bad), items);
        EXPECT_EQ(items.size(), 2u) << bad;
    }
}

TEST_F(SummonSpawnTest, ABlockSummonChangesTheCellUnderEachObject) {
    cEdBlock block;
    block.Init();
    block.GraphicIndex = 1;
    block.Solid = 1;
    Stage.PaletteBlocks.assign(1, block);
    cNpcChara& u = User();
    // A ring of one from the user's centre (116, 216): cell (3, 6).
    const std::int32_t cell = BlockGrid.CellOf(3, 6);
    ASSERT_EQ(BlockGrid.Solidity(cell, 0), 0);
    SpawnBlockObjects(u, Record(4, 1, 0));
    EXPECT_NE(BlockGrid.Solidity(cell, 0), 0);
    const std::int32_t other = BlockGrid.CellOf(8, 6);
    SpawnBlockObjects(u, Record(4, 1, 5));
    EXPECT_EQ(BlockGrid.Solidity(other, 0), 0);
}

} // namespace
