#include "engine/CmdPicture.h"
#include "fixtures/CommandKit.h"
#include "foundation/Fault.h"

namespace {

class PictureCommand : public CommandTest {
protected:
    enum { PLACE = 1, SCALE = 7, TIME_MODE = 8, TIME = 9, STOP = 10, ID_SWITCH = 12, ID = 13, SHORT = 14 };

    PictureCommand() {
        Database.Picture.resize(4);
        for (int i = 1; i < 4; ++i) Database.Picture[static_cast<std::size_t>(i)].strFile = "p" + std::to_string(i);
        // Effect 1: 32 x 32 cells, frames of 2, 2 and 1 tenths.
        Database.Effect.resize(2);
        cEffect& e = Database.Effect[1];
        e.nCellWidth = e.nCellHeight = 32;
        e.Frames.resize(3);
        e.Frames[0].nWait = e.Frames[1].nWait = 2;
        e.Frames[2].nWait = 1;
    }

    static cEdCommand Picture(std::int32_t n, std::initializer_list<std::pair<int, std::int32_t>> set,
                              std::int16_t wait = 0) {
        cEdCommand c = Command(32, {n}, wait);
        c.vParam.At(SCALE) = 100;
        for (auto [i, v] : set) c.vParam.At(i) = v;
        return c;
    }
    static std::pair<int, std::int32_t> WithId(std::int32_t id) { return {ID, id}; }

    // The shown pictures as the picture list sees them and as the surfaces do.
    std::vector<std::string> Shown() const {
        std::vector<std::string> s;
        for (const cPictureState& p : harness.state.Pictures) s.push_back("p" + std::to_string(p.wPictureId));
        return s;
    }
    void ExpectInStep() const { EXPECT_EQ(Shown(), harness.surfaces); }
};

TEST_F(PictureCommand, IdsReplaceInPlaceAndEraseOneOrAll) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    const std::pair<int, std::int32_t> on{ID_SWITCH, 1};
    struct Step {
        cEdCommand cmd;
        std::vector<std::string> shown;
    };
    Step steps[] = {
        {Picture(1, {on, WithId(5)}), {"p1"}},
        {Picture(2, {WithId(5)}), {"p1", "p2"}}, // no ID switch: appended, and never found by ID
        {Picture(3, {on, WithId(5)}), {"p3", "p2"}},
        {Picture(0, {on, WithId(7)}), {"p3", "p2"}},
        {Picture(0, {on, WithId(5)}), {"p2"}},
        {Picture(0, {on, WithId(5)}), {"p2"}},
        {Picture(1, {}), {"p2", "p1"}},
        {Picture(0, {}), {}},
    };
    int n = 0;
    for (Step& s : steps) {
        RunOnce(c, s.cmd);
        EXPECT_EQ(Shown(), s.shown) << "step " << n++;
        ExpectInStep();
    }
}

TEST_F(PictureCommand, AFileThatCannotBeLoadedLeavesTheListsInStep) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    harness.missingFiles = {"p2"};
    cEdCommand first = Picture(1, {{ID_SWITCH, 1}, WithId(5)});
    cEdCommand plain = Picture(3, {});
    cEdCommand broken = Picture(2, {{ID_SWITCH, 1}, WithId(5)});
    RunOnce(c, first);
    RunOnce(c, plain);
    const std::uint64_t closes = MainWindowCloseRequests();
    RunOnce(c, broken);
    EXPECT_EQ(MainWindowCloseRequests(), closes + 1);
    EXPECT_EQ(Shown(), std::vector<std::string>{"p3"});
    ExpectInStep();
    cEdCommand brokenAtEnd = Picture(2, {});
    RunOnce(c, brokenAtEnd);
    EXPECT_EQ(Shown(), std::vector<std::string>{"p3"});
    ExpectInStep();
}

TEST_F(PictureCommand, StateOfTheShownPicture) {
    cHeroChara& h = AddHero(Def(), 2, 2);
    cNpcChara& c = AddNpc(Def(), 4, 4);
    struct Case {
        std::int32_t place, time, shortTime;
        std::int32_t charaId, timer;
        const cChara* centre;
    };
    for (const Case k : {Case{0, 10, 0, 0, 60, nullptr}, Case{1, 10, 1, c.nId, 1, &c}, Case{2, 3, 0, h.nId, 18, &h}}) {
        cEdCommand cmd = Picture(1, {{PLACE, k.place}, {TIME_MODE, 2}, {TIME, k.time}, {SHORT, k.shortTime}, {SCALE, 150}});
        RunOnce(c, cmd);
        const cPictureState& p = scene().Pictures.back();
        EXPECT_EQ(p.nCharaId, k.charaId) << k.place;
        EXPECT_EQ(p.nTimer, k.timer) << k.place;
        EXPECT_EQ(p.nWidth, 60); // the harness's 40 x 30 picture at 150 %
        EXPECT_EQ(p.nHeight, 45);
        if (k.centre) {
            EXPECT_DOUBLE_EQ(p.dCharaX, k.centre->dX + (k.centre->nWidth >> 1));
            EXPECT_DOUBLE_EQ(p.dCharaY, k.centre->dY + (k.centre->nHeight >> 1));
        }
    }
}

TEST_F(PictureCommand, StopSwitchHoldsTheGameWhileThePictureShows) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    cEdCommand other = Picture(2, {{ID_SWITCH, 1}, WithId(5)});
    cEdCommand tail = Picture(3, {});
    struct Case {
        std::int32_t timeMode, withId;
        const char* hold;
    };
    const Case cases[] = {
        {2, 0, "hold 3 key 0 frames 60 delay 0"},
        {0, 0, "hold 3 key 1 frames 0 delay 0"},
        {1, 0, "hold 3 key 1 frames 0 delay 0"}, // sets no job of its own: waits for the key
        {2, 1, "hold 3 key 0 frames 60 delay 0"}, // put in place of the picture with its ID
    };
    for (const Case& k : cases) {
        cEdCommand clear = Picture(0, {});
        RunOnce(c, clear);
        RunOnce(c, other);
        RunOnce(c, tail);
        harness.requests.clear();
        std::vector<std::string> during;
        harness.onHold = [&] { during = Shown(); };
        cEdCommand cmd = Picture(1, {{STOP, 1}, {TIME_MODE, k.timeMode}, {TIME, 10}, {ID_SWITCH, k.withId}, WithId(5)});
        RunOnce(c, cmd);
        EXPECT_TRUE(harness.Asked(k.hold)) << k.timeMode;
        EXPECT_EQ(during, k.withId ? (std::vector<std::string>{"p1", "p3"}) : (std::vector<std::string>{"p2", "p3", "p1"}));
        EXPECT_EQ(Shown(), k.withId ? std::vector<std::string>{"p3"} : (std::vector<std::string>{"p2", "p3"}));
        ExpectInStep();
    }
}

TEST_F(PictureCommand, ALongCommandLoadsItsPictureOnce) {
    WithFlow({Picture(1, {}, 10)});
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(std::count(harness.requests.begin(), harness.requests.end(), "load p1"), 1);
    EXPECT_EQ(Shown(), std::vector<std::string>{"p1"});
}

TEST_F(PictureCommand, NothingWhileTheProgramCloses) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    scene().nQuit = 1;
    cEdCommand cmd = Picture(1, {});
    RunOnce(c, cmd);
    cEdCommand fx = Command(29, {1, 0, 0, 0, 0, 0, 100, 1});
    RunOnce(c, fx);
    EXPECT_TRUE(harness.requests.empty());
    EXPECT_TRUE(harness.effects.empty());
}

using EffectCommand = PictureCommand;

TEST_F(EffectCommand, SizeScaledFlagAndHold) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    struct Case {
        std::int32_t scale, stop;
        std::int32_t size, scaled;
        bool held;
    };
    for (const Case k : {Case{150, 0, 48, 1, false}, Case{100, 0, 32, 0, false}, Case{100, 1, 32, 0, true}}) {
        harness.requests.clear();
        cEdCommand cmd = Command(29, {1, 0, 0, 0, 0, 0, k.scale, k.stop});
        RunOnce(c, cmd);
        const cEffectPlacement& e = harness.effects.back();
        EXPECT_EQ(e.sEffect, 1);
        EXPECT_EQ(e.nWidth, k.size);
        EXPECT_EQ(e.nHeight, k.size);
        EXPECT_EQ(e.bScaled, k.scaled);
        EXPECT_EQ(e.bStop, k.stop);
        EXPECT_EQ(harness.Asked("hold 2 key 0 frames 30 delay 0"), k.held) << k.scale;
    }
    EXPECT_EQ(harness.effects.size(), 3u); // a held effect stays afterwards
}

TEST_F(EffectCommand, EffectZeroRemovesEveryEffectHitEffectsToo) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    harness.effects.push_back(cEffectPlacement{}); // a hit effect
    cEdCommand place = Command(29, {1, 0, 0, 0, 0, 0, 100, 0});
    RunOnce(c, place);
    cEdCommand clear = Command(29, {0});
    RunOnce(c, clear);
    EXPECT_TRUE(harness.effects.empty());
}

TEST_F(EffectCommand, ALongCommandPlacesItsEffectOnce) {
    WithFlow({Command(29, {1, 0, 0, 0, 0, 0, 100, 0}, 10)});
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(harness.effects.size(), 1u);
}

TEST_F(EffectCommand, PositionByPlacement) {
    cHeroChara& h = AddHero(Def(), 2, 2);
    cNpcChara& c = AddNpc(Def(), 4, 4);
    c.nScrLeft = 50, c.nScrTop = 60, c.nScrWidth = 32, c.nScrHeight = 40;
    h.nScrLeft = 10, h.nScrTop = 20, h.nScrWidth = 16, h.nScrHeight = 16;
    scene().ScrollX.dPos = 100;
    scene().ScrollY.dPos = 40;
    scene().nViewCol = 10;
    scene().nViewRow = 2;
    struct Case {
        std::int32_t mode, cellX, cellY, ox, oy;
        double x, y;
    };
    const Case cases[] = {
        {0, 0, 0, 5, -5, 393, 251},          // screen centre
        {1, 0, 0, 0, 0, 134, 96},            // the subject's drawn centre
        {2, 0, 0, 1, 1, 87, 45},             // the hero's
        {3, 2, 1, 1, 1, 165, 73},            // screen cells
        {4, 3, 4, 0, 8, 416, 200},           // stage cells from the view origin
        {7, 0, 0, 0, 0, 388, 256},           // an unknown mode: the screen centre
    };
    for (const Case& k : cases) {
        double x = 0, y = 0;
        CalcEffectPosition(x, y, 64, 48, c, k.mode, k.cellX, k.cellY, k.ox, k.oy);
        EXPECT_DOUBLE_EQ(x, k.x) << k.mode;
        EXPECT_DOUBLE_EQ(y, k.y) << k.mode;
    }
}

} // namespace
