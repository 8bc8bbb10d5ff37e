#include "records/EffectPictureState.h"

#include "records/PictureDraw.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Blit {
    int x, y, w, h, sw, sh;
    bool stretched;
};

std::vector<Blit> blits;
double scrollX = 0, scrollY = 0;
bool charaFound = true;
double charaX = 0, charaY = 0;

// The play scene and the graphics layer as the picture sees them: scroll, map
// origin 10, one character, pictures of 33 x 21; blits are recorded.
class cRecordingPictureDraw : public cPictureDraw {
public:
    bool FindCharaCentre(std::int32_t, double& x, double& y) override {
        if (!charaFound) return false;
        x = charaX;
        y = charaY;
        return true;
    }
    void GetScroll(double& x, double& y) override {
        x = scrollX;
        y = scrollY;
    }
    void GetMapOrigin(std::int32_t& x, std::int32_t& y) override { x = y = 10; }
    void GetSurfaceSize(DDSURFACEDATA*, std::int32_t& w, std::int32_t& h) override {
        w = 33;
        h = 21;
    }
    void BltFast(DDSURFACEDATA*, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 DDSURFACEDATA*, std::int32_t, std::int32_t) override {
        blits.push_back({x, y, w, h, 0, 0, false});
    }
    void BltStretch(DDSURFACEDATA*, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    DDSURFACEDATA*, std::int32_t, std::int32_t, std::int32_t sw, std::int32_t sh) override {
        blits.push_back({x, y, w, h, sw, sh, true});
    }
};

class PictureStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        blits.clear();
        scrollX = scrollY = 0;
        charaFound = true;
        charaX = charaY = 0;
    }

    // Place, cell, offset, size 33 x 21, fixed flag, scale, time mode, timer, count-while-held.
    cPictureState Make(int place, int fixed, int scale = 100, int timeMode = 0, int timer = 0, int held = 0) {
        cPictureState p;
        p.Setup(1, place, 2, 3, 5, 6, 33, 21, fixed, 0, scale, timeMode, timer, held, 7, 0, 0);
        return p;
    }

    cRecordingPictureDraw draw_;
    cScopedPictureDraw guard_{draw_};
};

TEST_F(PictureStateTest, TimedPictureDrawsItsTimerThenEnds) {
    cPictureState p = Make(PICTURE_SCREEN_CENTRE, 1, 100, PICTURE_TIMED, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.Draw(nullptr, nullptr, 0), 0);
    EXPECT_EQ(p.Draw(nullptr, nullptr, 0), 1);
    EXPECT_EQ(blits.size(), 3u);

    // While held the timer stands, unless it counts while held.
    cPictureState q = Make(PICTURE_SCREEN_CENTRE, 1, 100, PICTURE_TIMED, 0);
    EXPECT_EQ(q.Draw(nullptr, nullptr, 1), 0);
    EXPECT_EQ(q.Draw(nullptr, nullptr, 0), 1);
    cPictureState r = Make(PICTURE_SCREEN_CENTRE, 1, 100, PICTURE_TIMED, 0, 1);
    EXPECT_EQ(r.Draw(nullptr, nullptr, 1), 1);
}

TEST_F(PictureStateTest, ScaledSizeRoundsHalfAwayFromZero) {
    cPictureState p = Make(PICTURE_SCREEN_CENTRE, 1, 150);
    EXPECT_EQ(p.nWidth, 50);
    EXPECT_EQ(p.nHeight, 32);
    EXPECT_EQ(p.bScaled, 1);
    p.Draw(nullptr, nullptr, 0);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_TRUE(blits[0].stretched);
    EXPECT_EQ(blits[0].w, 50);
    EXPECT_EQ(blits[0].sw, 33);
    EXPECT_EQ(blits[0].sh, 21);
    EXPECT_EQ(blits[0].x, 5 - 25 + 320);
    EXPECT_EQ(blits[0].y, 6 - 16 + 240);
    EXPECT_EQ(ScaleSize(-33, 150), -50);
    EXPECT_EQ(ScaleSize(0x7fffffff, 9999), INT32_MAX);
}

TEST_F(PictureStateTest, AnchoringFollowsTheWorldOrTheScreen) {
    // Screen centre, not fixed: stays at its place in the world as the view scrolls.
    cPictureState p = Make(PICTURE_SCREEN_CENTRE, 0);
    p.Draw(nullptr, nullptr, 0);
    scrollX = 100;
    scrollY = 20;
    p.Draw(nullptr, nullptr, 0);
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[1].x, blits[0].x - 100);
    EXPECT_EQ(blits[1].y, blits[0].y - 20);

    // Stage position, fixed on screen: stays where it first appeared on the screen.
    blits.clear();
    scrollX = scrollY = 0;
    cPictureState q = Make(PICTURE_STAGE_POS, 1);
    q.Draw(nullptr, nullptr, 0);
    EXPECT_EQ(blits[0].x, (10 + 2) * 32 + 5);
    EXPECT_EQ(blits[0].y, (10 + 3) * 32 + 6);
    scrollX = 64;
    q.Draw(nullptr, nullptr, 0);
    EXPECT_EQ(blits[1].x, blits[0].x);

    // A followed character: its last known centre when it is gone.
    blits.clear();
    scrollX = 0;
    charaX = 200;
    charaY = 100;
    cPictureState c = Make(PICTURE_CHARA_CENTRE, 0);
    c.Draw(nullptr, nullptr, 0);
    charaFound = false;
    c.Draw(nullptr, nullptr, 0);
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].x, 200 - 16 + 5);
    EXPECT_EQ(blits[0].y, 100 - 10 + 6);
    EXPECT_EQ(blits[1].x, blits[0].x);
}

TEST_F(PictureStateTest, UnknownPlacementIsNotDrawnButStillTimed) {
    for (int place : {-1, 5, 1000}) {
        cPictureState p = Make(place, 0, 100, PICTURE_TIMED, 1);
        EXPECT_EQ(p.Draw(nullptr, nullptr, 0), 0);
        EXPECT_EQ(p.Draw(nullptr, nullptr, 0), 1);
    }
    EXPECT_TRUE(blits.empty());
}

} // namespace
