// Shown pictures placed by stage play: on a character by its id, at a map
// cell through the view origin, both moved by the scroll; the blits go on to
// the drawing layer's half.
#include "fixtures/PlayWorld.h"

#include "play/PlayPictureDraw.h"
#include "records/EffectPictureState.h"

#include <vector>

namespace {

class cRecordedBlits : public cNullPictureDraw {
public:
    void GetSurfaceSize(DDSURFACEDATA*, std::int32_t& w, std::int32_t& h) override {
        w = 40;
        h = 30;
    }
    void BltFast(DDSURFACEDATA*, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t, DDSURFACEDATA*,
                 std::int32_t, std::int32_t) override {
        at.push_back({x, y});
    }
    struct Point {
        std::int32_t x, y;
    };
    std::vector<Point> at;
};

class PlayPictureDrawTest : public PlayTest {
protected:
    cPictureState Picture(std::int32_t place, std::int32_t cellX, std::int32_t cellY, std::int32_t charaId) {
        cPictureState p;
        // Fixed on screen: drawn where the placement puts it on every draw.
        p.Setup(1, place, cellX, cellY, 0, 0, 40, 30, 1, 0, 100, PICTURE_UNTIL_STAGE_END, 0, 0, charaId, 0,
                0);
        return p;
    }
    cRecordedBlits blits;
    cPlayPictureDraw draw{blits};
    cScopedPictureDraw guard_{draw};
};

TEST_F(PlayPictureDrawTest, APictureSitsOnItsCharacterOrItsMapCellAsTheViewScrolls) {
    Build(30, 15);
    cHeroChara& h = AddHero(Def(), 5, 6);
    cNpcChara& c = AddNpc(Def(), 9, 4);
    scene().ScrollX.dPos = 100.75;
    scene().ScrollY.dPos = 20.25;
    scene().nViewCol = 10;
    scene().nViewRow = 10;

    cPictureState onHero = Picture(PICTURE_HERO_CENTRE, 0, 0, h.nId);
    cPictureState onChara = Picture(PICTURE_CHARA_CENTRE, 0, 0, c.nId);
    cPictureState onCell = Picture(PICTURE_STAGE_POS, 2, 3, 0);
    onHero.Draw(nullptr, nullptr, 0);
    onChara.Draw(nullptr, nullptr, 0);
    onCell.Draw(nullptr, nullptr, 0);
    ASSERT_EQ(blits.at.size(), 3u);
    const auto centred = [](const cChara& o, double scroll, bool x) {
        const double centre = x ? o.dX + o.nWidth * 0.5 - 20 : o.dY + o.nHeight * 0.5 - 15;
        return static_cast<std::int32_t>(centre - static_cast<std::int32_t>(scroll));
    };
    EXPECT_EQ(blits.at[0].x, centred(h, 100.75, true));
    EXPECT_EQ(blits.at[0].y, centred(h, 20.25, false));
    EXPECT_EQ(blits.at[1].x, centred(c, 100.75, true));
    EXPECT_EQ(blits.at[1].y, centred(c, 20.25, false));
    EXPECT_EQ(blits.at[2].x, static_cast<std::int32_t>((10 + 2) * 32 - 100.75));
    EXPECT_EQ(blits.at[2].y, static_cast<std::int32_t>((10 + 3) * 32 - 20.25));

    // A character that has gone leaves its picture at its last centre.
    double x = 0, y = 0;
    EXPECT_FALSE(draw.FindCharaCentre(c.nId + 100, x, y));
}

} // namespace
