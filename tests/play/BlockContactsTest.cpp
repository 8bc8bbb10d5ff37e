#include "fixtures/PlayWorld.h"

#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "project/PaletteContext.h"

#include <cmath>

namespace {

class BlockContactsTest : public PlayTest {
protected:
    cHeroChara& Walker(std::int32_t col, std::int32_t row) {
        cHeroChara& h = AddHero(Def(), col, row);
        h.bDecel = 0;
        return h;
    }
    int RunFrames(int frames) {
        for (int i = 0; i < frames; ++i)
            if (const int r = Frame()) return r;
        return 0;
    }
};

TEST_F(BlockContactsTest, WalkingIntoAWallStopsAtTheCellEdge) {
    cHeroChara& h = Walker(16, 13);
    h.dOwnVX = 3;
    ASSERT_EQ(RunFrames(20), 0);
    EXPECT_EQ(static_cast<int>(h.dRight), 19 * 32 - 1); // against the right wall column
    EXPECT_EQ(h.dOwnVX, 0);
    EXPECT_EQ(h.nBlockHitSide, 1);

    cHeroChara& back = h;
    back.dOwnVX = -3;
    ASSERT_EQ(RunFrames(120), 0);
    EXPECT_EQ(static_cast<int>(back.dX), 32); // against the left wall
    EXPECT_EQ(back.nBlockHitSide, 0);
}

TEST_F(BlockContactsTest, AFallingCharacterLandsOnTheFloorRowAndStaysOnIt) {
    Stage.nFallAllowance = 8;
    cHeroChara& h = Walker(5, 3);
    int frames = 0;
    while (h.nLandingBlock < 0 && frames < 200) {
        ASSERT_EQ(Frame(), 0);
        ++frames;
    }
    EXPECT_GT(frames, 5);
    EXPECT_EQ(h.nLandingBlock, BlockGrid.CellOf(5, 14));
    // Resting on the floor: gravity lets it sink within the last pixel row
    // above the floor, and each time it reaches the floor it is put back.
    for (int i = 0; i < 30; ++i) {
        ASSERT_EQ(Frame(), 0);
        EXPECT_GE(h.dBottom, 14 * 32 - 1);
        EXPECT_LT(h.dBottom, 14 * 32 + 1);
        EXPECT_EQ(h.bJumping, 0);
        EXPECT_EQ(h.bOffGround, 0);
    }
}

TEST_F(BlockContactsTest, DeadlyBlocksKillPlayersAndStopComputerCharacters) {
    SetBlock(5, 14, 2);
    cHeroChara& h = Walker(5, 12);
    EXPECT_EQ(RunFrames(60), 2);
    EXPECT_LT(h.dBottom, 14 * 32 + 31);

    cEdChara npcDef = Def();
    npcDef.Control = 1;
    cNpcChara& npc = AddNpc(npcDef, 5, 12);
    int result = 0;
    for (int i = 0; i < 120 && result == 0; ++i) result = MoveChara(npc);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(static_cast<int>(npc.dBottom), 14 * 32 - 1);
}

TEST_F(BlockContactsTest, ABlockLetsItsExemptGroupAndFailedConditionsThrough) {
    cHeroChara& h = Walker(5, 11);
    cBlock& exempt = SetBlock(5, 12);
    exempt.PassSide = static_cast<std::uint8_t>(h.nGroup);
    EXPECT_EQ(BlockGrid.Solidity(BlockGrid.CellOf(5, 12), h.nGroup), 0);
    EXPECT_EQ(BlockGrid.Solidity(BlockGrid.CellOf(5, 12), h.nGroup + 1), 1);
    ASSERT_EQ(RunFrames(120), 0);
    EXPECT_EQ(static_cast<int>(h.dBottom), 14 * 32 - 1); // fell through to the floor
}

TEST_F(BlockContactsTest, CellsNeverWrapIntoTheNextRow) {
    Build(20, 15); // pitch 32 columns
    EXPECT_EQ(BlockGrid.CellOf(31, 2), (2 << 5) + 31);
    EXPECT_EQ(BlockGrid.CellOf(32, 2), -1);
    EXPECT_EQ(BlockGrid.CellOf(-1, 2), -1);
    EXPECT_EQ(BlockGrid.CellAt(32 * 32 + 5, 64), -1);
    EXPECT_EQ(BlockGrid.CellAt(-0.5, 64), 2 << 5); // truncated toward zero
    EXPECT_EQ(BlockGrid.Solidity(-1, 0), 0);
    EXPECT_EQ(BlockGrid.Solidity(1 << 20, 0), 0);
}

TEST_F(BlockContactsTest, TheFloorCellOfAPlayerIsTheOneNearerItsMiddle) {
    cHeroChara& h = Walker(5, 13);
    SetBlock(6, 14, 1);
    h.dY += 1; // the feet reach into the floor row
    h.RecomputeY();
    // Straddle cells 5 and 6 with the middle in cell 6.
    h.dX = 6 * 32 - 4;
    h.RecomputeX();
    EXPECT_EQ(FindFloorCell(h), BlockGrid.CellOf(6, 14));
    h.dX = 6 * 32 - 12;
    h.RecomputeX();
    EXPECT_EQ(FindFloorCell(h), BlockGrid.CellOf(5, 14));
    // A more solid cell wins over a nearer one.
    SetBlock(5, 14, 2);
    h.dX = 6 * 32 - 4;
    h.RecomputeX();
    EXPECT_EQ(FindFloorCell(h), BlockGrid.CellOf(5, 14));
}

TEST_F(BlockContactsTest, SamplingOfEmptyObjectsDividesByNothing) {
    cHeroChara& h = Walker(5, 13);
    for (std::int32_t size : {0, 1, 16, 100}) {
        h.nWidth = h.nHeight = size;
        const cBlockSampling s = SamplingOf(h);
        EXPECT_GE(s.n, 1) << size;
        EXPECT_GE(s.stepX, 1) << size;
        h.RecomputeX();
        h.RecomputeY();
        (void)FindFloorCell(h);
        (void)FindBlockOnLine(h, h.dX, h.dY, h.dX, h.dBottom);
    }
}

TEST_F(BlockContactsTest, AConveyorMovesOnePixelPerFrameWhateverTheSubSteps) {
    for (std::int32_t level : {1, 2, 5}) {
        Stage.SetLevel(level);
        for (std::uint8_t kind : {4, 5}) {
            cBlock& floor = SetBlock(5, 14);
            floor.FloorKind = kind;
            floor.FloorValue = 10;
            cHeroChara& h = Walker(5, 13);
            h.nBlockUnder = BlockGrid.CellOf(5, 14);
            double moved = 0;
            for (std::int32_t i = 0; i < Stage.nSubSteps; ++i) {
                h.dVX = 0;
                ApplyFloorBlock(h);
                moved += h.dVX;
            }
            EXPECT_NEAR(moved, kind == 4 ? -1.0 : 1.0, 1e-9) << "sub-steps " << Stage.nSubSteps;
            EXPECT_EQ(h.nFloorEffectLeft, 0);
        }
    }
}

TEST_F(BlockContactsTest, ASpringThrowsTheCharacterUp) {
    cBlock& floor = SetBlock(5, 14);
    floor.FloorKind = 1;
    floor.FloorValue = 6;
    cHeroChara& h = Walker(5, 13);
    h.nBlockUnder = BlockGrid.CellOf(5, 14);
    h.bOffGroundMarker = 1;
    ApplyFloorBlock(h);
    EXPECT_LT(h.dVY, 0);
    EXPECT_EQ(h.bJumping, 1);
    EXPECT_EQ(h.bOffGroundMarker, 0);
    EXPECT_GT(h.nJumpFrames, 0);
    ASSERT_EQ(test.sounds.size(), 1u);
    EXPECT_EQ(test.sounds[0], 10);
}

TEST_F(BlockContactsTest, AnItemBlockGivesItsItemOncePerPause) {
    cVector<cEdItem> items(3);
    items[2].GraphicIndex = 77;
    cPaletteScope scope;
    scope.SetTables(ePalette::Stage, {nullptr, nullptr, &items});
    cBlock& floor = SetBlock(5, 14);
    floor.ItemSource = 2;
    floor.ItemIndex = 2;
    cHeroChara& h = Walker(5, 13);
    h.nBlockUnder = h.nLandingBlock = h.nPrevLandingBlock = BlockGrid.CellOf(5, 14);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(TouchBlockItem(h), 0);
    EXPECT_EQ(test.appliedItems, std::vector<std::int32_t>{77});
    EXPECT_EQ(h.nBlockItemPause, Stage.nSubSteps * 60 - 9);

    // Landing on another item block gives at once.
    SetBlock(6, 14) = floor;
    h.nBlockUnder = h.nLandingBlock = BlockGrid.CellOf(6, 14);
    EXPECT_EQ(TouchBlockItem(h), 0); // the pause ends on the change
    EXPECT_EQ(TouchBlockItem(h), 0);
    EXPECT_EQ(test.appliedItems.size(), 2u);

    // A result that ends play is handed back.
    test.itemResult = 1;
    h.nBlockItemPause = 0;
    EXPECT_EQ(TouchBlockItem(h), 1);
}

TEST_F(BlockContactsTest, APlaceIsBlockedBySolidCellsOnly) {
    cEdChara d = Def();
    d.Control = 1;
    cNpcChara& c = AddNpc(d, 5, 10);
    EXPECT_EQ(IsPlaceBlocked(c), 0);
    SetBlock(5, 10);
    EXPECT_EQ(IsPlaceBlocked(c), 1);
    c.SetMoveMode(1); // passes through blocks
    EXPECT_EQ(IsPlaceBlocked(c), 0);
}

TEST_F(BlockContactsTest, TheAutoScrollViewHoldsTheHeroAndLeavesItBehindAtTheBottom) {
    cHeroChara& h = Walker(1, 13);
    scene().ScrollX.bAuto = 1;
    scene().ScrollX.dPos = 50; // the view's left edge passes the hero
    EXPECT_EQ(ClampToAutoScrollX(h), 0);
    EXPECT_EQ(h.bContact[0], 1);
    EXPECT_DOUBLE_EQ(h.dX, 50);
    // Held against a wall by the view: both sides touch, which the frame takes as a squeeze.
    SetBlock(2, 13);
    EXPECT_EQ(CheckBlockSides(h), 0);
    EXPECT_EQ(h.bContact[1], 1);

    scene().ScrollY.bAuto = 1;
    scene().ScrollY.dPos = -100; // the hero sits below the view's bottom edge
    EXPECT_EQ(ClampToAutoScrollY(h), 2);
    EXPECT_EQ(h.bContact[3], 1);
}

} // namespace
