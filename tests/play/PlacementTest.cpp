#include "fixtures/PlayWorld.h"
#include "fixtures/ReportCapture.h"

#include "engine/StageObjects.h"
#include "play/BlockGrid.h"
#include "play/Placement.h"

namespace {

class PlacementTest : public PlayTest {
protected:
    static cEdChara Group(std::uint8_t count, std::int16_t stepX) {
        cEdChara d = Def();
        d.ObjectCount = count;
        d.OffsetStepX = static_cast<std::uint16_t>(stepX);
        return d;
    }
};

TEST_F(PlacementTest, ARecordPlacesObjectCountPlusOneCharactersAtTheirOffsets) {
    struct Case {
        std::uint8_t count;
        std::size_t placed;
    } cases[] = {{0, 1}, {2, 3}};
    for (const Case& k : cases) {
        scene().CharaList.clear();
        std::int32_t serial = 100;
        PlaceCharas(scene().CharaList, 4, 6, serial, Group(k.count, 40), nullptr);
        ASSERT_EQ(scene().CharaList.size(), k.placed);
        EXPECT_EQ(serial, 100 + static_cast<std::int32_t>(k.placed));
        double x0 = scene().CharaList.front().dX;
        std::int32_t i = 0;
        for (const cNpcChara& c : scene().CharaList) {
            EXPECT_EQ(c.nId, 100 + i);
            EXPECT_DOUBLE_EQ(c.dX, x0 + 40.0 * i);
            ++i;
        }
    }
}

TEST_F(PlacementTest, ACharacterPutOutsideTheStageIsDroppedWithoutASerial) {
    std::int32_t serial = 1;
    // The second object lands 640 pixels to the right, past the stage's edge.
    PlaceCharas(scene().CharaList, 15, 6, serial, Group(1, 640), nullptr);
    EXPECT_EQ(scene().CharaList.size(), 1u);
    EXPECT_EQ(serial, 2);
}

TEST_F(PlacementTest, APlacedCharacterCarriesItsItem) {
    cItemObj item;
    item.Def.GraphicIndex = 9;
    std::int32_t serial = 1;
    PlaceCharas(scene().CharaList, 4, 6, serial, Def(), &item);
    ASSERT_EQ(scene().CharaList.size(), 1u);
    ASSERT_NE(scene().CharaList.front().GetCarriedItem(), nullptr);
    EXPECT_EQ(scene().CharaList.front().GetCarriedItem()->Def.GraphicIndex, 9);
}

TEST_F(PlacementTest, ItemsAreOffsetAndDroppedOutsideTheStage) {
    cList<cItemObj> items;
    std::int32_t serial = 7;
    cEdItem record;
    record.OffsetX = 5;
    record.OffsetY = -3;
    PlaceItem(items, 4, 6, serial, record);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_DOUBLE_EQ(items.front().dX, 4 * 32 + 0.5 + 5);
    EXPECT_DOUBLE_EQ(items.front().dY, 6 * 32 - 3);
    EXPECT_EQ(serial, 8);
    record.OffsetX = 3000; // moved past the stage's edge after its clamp
    PlaceItem(items, 4, 6, serial, record);
    EXPECT_EQ(items.size(), 1u);
    EXPECT_EQ(serial, 8);
}

TEST_F(PlacementTest, ASummonedCharacterInABlockedPlaceVanishesWithoutASerial) {
    cSummonSettings settings;
    settings.bLifeLimit = 1;
    settings.nLifeTenths = 5;
    std::int32_t serial = 50;
    SetBlock(6, 6);
    SummonCharas(scene().CharaList, 6 * 32, 6 * 32, 0, 1, settings, Def(), serial, nullptr);
    EXPECT_TRUE(scene().CharaList.empty());
    EXPECT_EQ(serial, 50);
    for (const cList<cChara*>& group : scene().FactionCharas) EXPECT_TRUE(group.empty());

    SummonCharas(scene().CharaList, 8 * 32, 6 * 32, 0, 1, settings, Def(), serial, nullptr);
    ASSERT_EQ(scene().CharaList.size(), 1u);
    const cNpcChara& c = scene().CharaList.front();
    EXPECT_EQ(serial, 51);
    EXPECT_EQ(c.nFacing, 1);
    EXPECT_EQ(c.nLifeTimer, 5 * Stage.nSubSteps * 6);
    EXPECT_EQ(scene().FactionCharas.At(c.nGroup).size(), 1u);
}

TEST_F(PlacementTest, ToggleTwiceBeforeTheListIsEmptiedChangesTheCellOnce) {
    cEdBlock block;
    block.GraphicIndex = 3;
    block.Solid = 1;
    cSummonSettings toggle;
    toggle.nBlockMode = 2;
    const std::int32_t cell = BlockGrid.CellOf(6, 6);
    ChangeBlock(6 * 32 + 4, 6 * 32 + 4, block, toggle);
    EXPECT_EQ(BlockGrid.At(cell)->GraphicIndex, 3);
    ChangeBlock(6 * 32 + 20, 6 * 32 + 20, block, toggle);
    EXPECT_EQ(BlockGrid.At(cell)->GraphicIndex, 3);
    BlockGrid.ToggledCells.clear();
    ChangeBlock(6 * 32 + 20, 6 * 32 + 20, block, toggle);
    EXPECT_EQ(BlockGrid.At(cell)->GraphicIndex, 0);
}

TEST_F(PlacementTest, BlockChangesOutsideTheGridOrOnProtectedCellsDoNothing) {
    cEdBlock block;
    block.GraphicIndex = 3;
    cSummonSettings put;
    const std::vector<cBlock> before(BlockGrid.Cells.begin(), BlockGrid.Cells.end());
    ChangeBlock(-40, 10, block, put);
    ChangeBlock(32 * 32 + 1, 10, block, put); // past the row pitch: never the next row
    ChangeBlock(10, 32 * 40, block, put);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(BlockGrid.Cells[i].GraphicIndex, before[i].GraphicIndex);

    SetBlock(6, 6).Indestructible = 1;
    cSummonSettings remove;
    remove.nBlockMode = 1;
    ChangeBlock(6 * 32, 6 * 32, block, remove);
    EXPECT_EQ(BlockGrid.At(BlockGrid.CellOf(6, 6))->GraphicIndex, 1);
}

TEST_F(PlacementTest, ABlockPutOnAProtectedHeroIsUndoneButGivesItsGrace) {
    cHeroChara& h = AddHero(Def(), 6, 6);
    cEdBlock block;
    block.GraphicIndex = 3;
    block.Solid = 1;
    cSummonSettings put;
    put.bKeepOldOnHero = 1;
    ChangeBlock(6 * 32 + 8, 6 * 32 + 8, block, put);
    EXPECT_EQ(BlockGrid.At(BlockGrid.CellOf(6, 6))->GraphicIndex, 0);
    EXPECT_EQ(h.nSqueezeGrace, 2);

    h.nSqueezeGrace = 0;
    put.bKeepOldOnHero = 0;
    ChangeBlock(6 * 32 + 8, 6 * 32 + 8, block, put);
    EXPECT_EQ(BlockGrid.At(BlockGrid.CellOf(6, 6))->GraphicIndex, 3);
    EXPECT_EQ(h.nSqueezeGrace, 2);
}

} // namespace

namespace {

TEST_F(PlacementTest, ASummonedCharacterOfAGroupWithoutAListIsLeftOutOfTheGroupsAndReported) {
    cReportCapture report;
    scene().FactionCharas.resize(1);
    cEdChara d = Def();
    d.Faction = 3;
    std::int32_t serial = 1;
    SummonCharas(scene().CharaList, 8 * 32, 6 * 32, 0, 0, cSummonSettings(), d, serial, nullptr);
    ASSERT_EQ(scene().CharaList.size(), 1u);
    EXPECT_TRUE(scene().FactionCharas[0].empty());
    EXPECT_EQ(serial, 2);
    EXPECT_EQ(report.Count("group 3 has no list"), 1u) << report.Text();
}

} // namespace
