#include "fixtures/PlayWorld.h"

#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "play/SolidChara.h"

namespace {

class SolidCharaTest : public PlayTest {
protected:
    // A solid character moving as a block (flying, stopped by blocks) at a cell.
    cNpcChara& Platform(std::int32_t col, std::int32_t row, double vx = 0, double vy = 0) {
        cEdChara d = Def();
        d.BlockChara = 1;
        d.Flying = 1;
        d.Faction = 1;
        cNpcChara& p = AddNpc(d, col, row);
        p.bDecel = 0;
        p.dOwnVX = vx;
        p.dOwnVY = vy;
        return p;
    }
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

TEST_F(SolidCharaTest, AFallingHeroLandsOnAPlatformAndRidesIt) {
    cNpcChara& p = Platform(5, 10);
    cHeroChara& h = Walker(5, 6);
    ASSERT_EQ(RunFrames(60), 0);
    EXPECT_EQ(h.bOnObject, 1);
    EXPECT_EQ(h.nRiddenId, p.nId);
    EXPECT_DOUBLE_EQ(h.dBottom, p.dY - 1);
    EXPECT_EQ(h.bJumping, 0);
    EXPECT_EQ(h.nFallCount, 0);
}

TEST_F(SolidCharaTest, ARiderMovesWithItsPlatform) {
    cNpcChara& p = Platform(5, 10);
    cHeroChara& h = Walker(5, 6);
    ASSERT_EQ(RunFrames(60), 0);
    ASSERT_EQ(h.bOnObject, 1);
    const double offset = h.dX - p.dX;
    p.dOwnVX = 1; // one pixel per sub-step to the right
    ASSERT_EQ(RunFrames(30), 0);
    EXPECT_GT(p.dX, 5 * 32 + 50);
    EXPECT_EQ(h.bOnObject, 1);
    EXPECT_NEAR(h.dX - p.dX, offset, 1.0);
    EXPECT_DOUBLE_EQ(h.dBottom, p.dY - 1);
}

TEST_F(SolidCharaTest, WalkingIntoASolidCharacterStopsBesideIt) {
    cNpcChara& p = Platform(8, 13);
    cHeroChara& h = Walker(5, 13);
    h.dOwnVX = 2;
    ASSERT_EQ(RunFrames(40), 0);
    EXPECT_LT(h.dRight, p.dX);
    EXPECT_GT(h.dRight, p.dX - 3);
    EXPECT_EQ(h.bObjectBump, 1);
}

TEST_F(SolidCharaTest, APlatformComingDownOnAStandingHeroSqueezesIt) {
    Platform(5, 11, 0, 1); // sinks one pixel per sub-step
    cHeroChara& h = Walker(5, 13);
    ASSERT_EQ(RunFrames(2), 0);
    ASSERT_EQ(h.nLandingBlock, BlockGrid.CellOf(5, 14));
    EXPECT_EQ(RunFrames(60), 2);

    // A squeeze grace keeps it alive.
    h.nSqueezeGrace = 2;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(MoveChara(h), 0);
}

TEST_F(SolidCharaTest, AHeadBumpUnderARisingPlatformNeedsAFreePlace) {
    // The hero jumps up into a platform that rises too; the bump would push
    // it down so that its feet reach the cell below it.
    const auto setUp = [&](cHeroChara& h, cNpcChara& p) {
        h.dY = 293;
        h.RecomputeY();
        h.PrevPos = {h.dX, 295, h.dRight, 318};
        h.dVY = -2;
        h.dVX = 0;
        p.dY = 267;
        p.RecomputeY();
        p.PrevPos = {p.dX, 269, p.dRight, 300};
        p.dVY = -2;
    };
    cHeroChara& h = Walker(5, 9);
    cNpcChara& p = Platform(5, 8);
    setUp(h, p);
    SetBlock(5, 10);
    SolidCharaContacts(h, scene().CharaList);
    EXPECT_DOUBLE_EQ(h.dY, 293); // the place below is taken: it stays

    SetBlock(5, 10, 0);
    setUp(h, p);
    SolidCharaContacts(h, scene().CharaList);
    EXPECT_DOUBLE_EQ(h.dY, 299); // under the platform's bottom edge
    EXPECT_EQ(h.bJumpStop, 1);
    EXPECT_DOUBLE_EQ(h.dVY, -2); // carried with the platform
}

TEST_F(SolidCharaTest, TheMapPushOutMovesAtMostOnePointFivePixelsPerSide) {
    cHeroChara& h = Walker(5, 10);
    cNpcChara& p = Platform(5, 12);
    SetBlock(5, 11);             // the hero's landing place lies inside a block
    h.dY = p.dY - h.nHeight + 3; // and sinks into the platform from above
    h.RecomputeY();
    h.SavePosition();
    h.PrevPos.top = h.dY - 1;
    h.dVY = 1;
    const double landing = p.dY - h.nHeight;
    SolidCharaContacts(h, scene().CharaList);
    EXPECT_NEAR(h.dY, landing + 1.5, 1e-9);
}

TEST_F(SolidCharaTest, TheTestsLookOnlyAtLiveSolidCharactersOfAnotherSerial) {
    cNpcChara& p = Platform(5, 10);
    cHeroChara& h = Walker(5, 9);
    h.dY = p.dY - h.nHeight; // bottom one pixel above the platform
    h.RecomputeY();
    h.nRiddenId = p.nId;
    EXPECT_TRUE(IsOnSolidChara(h));
    EXPECT_EQ(FindSupportingChara(h), &p);
    EXPECT_FALSE(IsTouchingSolidChara(h));
    h.dY += 2;
    h.RecomputeY();
    EXPECT_TRUE(IsTouchingSolidChara(h));
    EXPECT_FALSE(IsOverlapSolidChara(h, p.nId));
    EXPECT_TRUE(IsPlaceBlocked(h));
    p.bDying = 1;
    EXPECT_FALSE(IsTouchingSolidChara(h));
    EXPECT_EQ(FindSupportingChara(h), nullptr);
    p.bDying = 0;
    h.SetMoveMode(1); // passes through blocks: never touches
    EXPECT_FALSE(IsTouchingSolidChara(h));
}

TEST_F(SolidCharaTest, AnIndexFindsWhatTheWholeListWouldInListOrderNewcomersIncluded) {
    cEdChara plain = Def();
    plain.Faction = 1;
    AddNpc(plain, 5, 9); // not solid, where the hero stands
    cNpcChara& first = Platform(5, 10);
    cNpcChara& second = Platform(5, 10);
    cHeroChara& h = Walker(5, 9);
    h.dY = first.dY - h.nHeight;
    h.RecomputeY();
    const cSolidCharaIndex index(scene().CharaList);
    EXPECT_EQ(FindSupportingChara(h), &first) << "the first in list order";
    first.bDying = 1;
    EXPECT_EQ(FindSupportingChara(h), &second) << "states are read at the walk, not when indexed";
    EXPECT_FALSE(IsTouchingSolidChara(h));
    const cNpcChara& late = Platform(5, 9); // joins while the index lives
    EXPECT_TRUE(IsTouchingSolidChara(h));
    EXPECT_TRUE(IsOverlapSolidChara(h, second.nId));
    EXPECT_FALSE(IsOverlapSolidChara(h, late.nId));
}

} // namespace
