// Screen effects drawn into a small screen on both faces and both
// true-colour depths: every pixel is traced back to the pixel of the
// finished picture it shows, or to the fill colour.
#include "graphics/EffectFixture.h"

#include "graphics/Effects.h"
#include "play/ScreenEffects.h"
#include "records/EffectPlayback.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <utility>

namespace {

constexpr int kScrW = 16, kScrH = 12;
constexpr int kFillMark = -1;

// Where each pixel of the screen comes from: an index y * width + x of the
// finished picture, or kFillMark.
using SourceMap = std::vector<int>;

SourceMap Identity() {
    SourceMap m(kScrW * kScrH);
    for (int i = 0; i < kScrW * kScrH; ++i) m[static_cast<std::size_t>(i)] = i;
    return m;
}

// A map built from a rule giving the source point of each screen point.
SourceMap MapOf(const std::function<std::pair<int, int>(int, int)>& rule) {
    SourceMap m(kScrW * kScrH, kFillMark);
    for (int y = 0; y < kScrH; ++y)
        for (int x = 0; x < kScrW; ++x) {
            const auto [sx, sy] = rule(x, y);
            if (sx >= 0 && sy >= 0 && sx < kScrW && sy < kScrH)
                m[static_cast<std::size_t>(y * kScrW + x)] = sy * kScrW + sx;
        }
    return m;
}
constexpr std::pair<int, int> kNowhere{-1, -1};

class ScreenEffectFaces : public EffectFaces {
protected:
    void SetUp() override {
        EffectFaces::SetUp();
        Palette[kScreenEffectFill] = {0x08, 0x08, 0xF8, 0};
        std::vector<std::uint32_t> px;
        for (int y = 0; y < kScrH; ++y)
            for (int x = 0; x < kScrW; ++x)
                px.push_back(static_cast<std::uint32_t>((x * 16) << 16 | (y * 16) << 8 | 0x80));
        WriteFile("world.bmp", MakeBmp(kScrW, kScrH, 24, px));
        ASSERT_EQ(DDCreateSurfaceFromFile(&world, "world.bmp", 0, bpp, 0, 0, 0, 0, 0, 0, 0), 0);
        for (DDSURFACEDATA* sd : {&screen, &work, &work2})
            ASSERT_TRUE(DDCreateSurface(sd, kScrW, kScrH, 0, 0, 0, 0, 0));
        DDFillRectPal(&work2, 0, 0, 1, 1, kScreenEffectFill);
        fill = At(work2, 0, 0);
        DrawWorld();
        for (int y = 0; y < kScrH; ++y)
            for (int x = 0; x < kScrW; ++x) source[At(screen, x, y)] = y * kScrW + x;
        ASSERT_EQ(source.size(), static_cast<std::size_t>(kScrW * kScrH)) << "every pixel tells its place";
        ASSERT_EQ(source.count(fill), 0u);
    }
    void TearDown() override {
        for (DDSURFACEDATA* sd : {&world, &screen, &work, &work2}) DDReleaseSurface(sd);
        ScrEffectTableR.clear();
        ScrEffectTableL.clear();
        EffectFaces::TearDown();
    }

    void DrawWorld() { DDBltFast(&screen, 0, 0, kScrW, kScrH, &world, 0, 0, 0); }

    // Starts a one-record effect table with this kind and parameters.
    void Start(std::int32_t kind, std::vector<std::int32_t> params, std::int32_t mode = EFFECT_NORMAL) {
        records.assign(2, cScrEffect());
        records[1].nKind = kind;
        for (std::size_t i = 0; i < params.size(); ++i) records[1].nParam[i] = params[i];
        BuildScrEffectTables(records, cVector<cScrEffect>(), ScrEffectTableR, ScrEffectTableL);
        ASSERT_TRUE(run.Start(1, mode, 0));
    }
    cScreenEffectView View() {
        cScreenEffectView v;
        v.screen = &screen;
        v.width = kScrW;
        v.height = kScrH;
        v.work = &work;
        v.work2 = &work2;
        v.heroX = heroX;
        v.heroY = heroY;
        v.redrawBackgrounds = [this] { ++backgroundRedraws; };
        return v;
    }
    // Advances the effect n frames without drawing; 1 when it ended.
    int Advance(int n) {
        cScreenEffectView none;
        none.heroX = heroX;
        none.heroY = heroY;
        for (int i = 0; i < n; ++i)
            if (RunScreenEffectKind(run, none, 0)) return 1;
        return 0;
    }
    // Draws the effect over a freshly drawn world, holding it.
    void DrawHeld() {
        DrawWorld();
        EXPECT_EQ(RunScreenEffectKind(run, View(), 1), 0);
    }
    SourceMap Shown() {
        SourceMap m;
        for (int y = 0; y < kScrH; ++y)
            for (int x = 0; x < kScrW; ++x) {
                const std::uint32_t v = At(screen, x, y);
                if (v == fill) {
                    m.push_back(kFillMark);
                    continue;
                }
                auto it = source.find(v);
                m.push_back(it == source.end() ? -2 : it->second);
            }
        return m;
    }
    void ExpectShown(const SourceMap& want) {
        const SourceMap got = Shown();
        for (int i = 0; i < kScrW * kScrH; ++i)
            EXPECT_EQ(got[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)])
                << "pixel " << i % kScrW << "," << i / kScrW;
    }

    DDSURFACEDATA world, screen, work, work2;
    std::uint32_t fill = 0;
    std::map<std::uint32_t, int> source;
    cVector<cScrEffect> records;
    cScreenEffectRun run;
    int heroX = kScrW / 2, heroY = kScrH / 2;
    int backgroundRedraws = 0;
};

// One case: the record, the frames it runs before the held drawing, and the
// rule for where each screen point comes from.
struct DistortCase {
    const char* name;
    std::int32_t kind;
    std::vector<std::int32_t> params; // time, P1 .. P4
    int frames;
    std::function<std::pair<int, int>(int, int)> rule;
};

std::pair<int, int> Shifted(int x, int y, int dx, int dy) {
    return {x - dx, y - dy};
}
// The wave shifts of four strips a quarter turn apart, from a phase of 0.
int QuarterWave(int strip, int amplitude) {
    const int shift[4] = {1, 0, -1, 0};
    return shift[strip % 4] * amplitude;
}

const std::vector<DistortCase>& DistortCases() {
    static const std::vector<DistortCase> cases = {
        // Half way from (0, 0) to (9, 5): drawn at (4, 2).
        {"Move", 1, {10, 0, 0, 9, 5}, 30, [](int x, int y) { return Shifted(x, y, 4, 2); }},
        // Half way between the ends of the range is the origin: no wrapping on the way.
        {"MoveBetweenTheRangeEnds",
         1,
         {10, -2147483647, 0, 2147483647, 0},
         30,
         [](int x, int y) { return Shifted(x, y, 0, 0); }},
        // Amplitude 4, two shakes in 60 frames: 0.53 a frame, out to 4 and back to 2.4.
        {"ShakeAcross", 2, {10, 4, 2}, 11, [](int x, int y) { return Shifted(x, y, 2, 0); }},
        {"ShakeUpAndDown", 3, {10, 4, 2}, 6, [](int x, int y) { return Shifted(x, y, 0, 3); }},
        // Rows of 3 moved by +2 and -2 in turn.
        {"SplitRows",
         4,
         {10, 2, 2, 3},
         0,
         [](int x, int y) { return Shifted(x, y, (y / 3) % 2 ? -2 : 2, 0); }},
        // Columns of 5 moved by +1 and -1; the sixteenth column is no whole strip.
        {"SplitColumns",
         5,
         {10, 1, 1, 5},
         0,
         [](int x, int y) { return x >= 15 ? kNowhere : Shifted(x, y, 0, (x / 5) % 2 ? -1 : 1); }},
        {"SplitOfStripZeroIsThePictureWhole",
         4,
         {10, 2, 2, 0},
         0,
         [](int x, int y) { return Shifted(x, y, 0, 0); }},
        // One wave over the height in strips of 3 rows: a quarter turn a strip.
        {"WaveRows",
         6,
         {100, 3, 3, 1, 3},
         0,
         [](int x, int y) { return Shifted(x, y, QuarterWave(y / 3, 3), 0); }},
        // After 90 frames the phase has turned a quarter: the strips move on one place.
        {"WaveRowsPhaseTurns",
         6,
         {100, 3, 3, 1, 3},
         90,
         [](int x, int y) { return Shifted(x, y, QuarterWave(y / 3 + 1, 3), 0); }},
        {"WaveColumns",
         7,
         {100, 2, 2, 1, 4},
         0,
         [](int x, int y) { return Shifted(x, y, 0, QuarterWave(x / 4, 2)); }},
        // Radius 3 about the hero (8, 6): rows -2 to 2 are 2 x 2 wide, row -3 is empty.
        {"Circle",
         10,
         {10, 3, 3, 1},
         0,
         [](int x, int y) { return y >= 4 && y <= 8 && x >= 6 && x <= 9 ? std::make_pair(x, y) : kNowhere; }},
        // Zoom 2: the 8 x 6 window about the hero, enlarged.
        {"ZoomIn", 11, {10, 32, 32}, 0, [](int x, int y) { return std::make_pair(4 + x / 2, 3 + y / 2); }},
    };
    return cases;
}

} // namespace

TEST_P(ScreenEffectFaces, EachDistortionShowsThePictureAsItsRuleSays) {
    for (const DistortCase& c : DistortCases()) {
        SCOPED_TRACE(c.name);
        Start(c.kind, c.params);
        ASSERT_EQ(Advance(c.frames), 0);
        DrawHeld();
        ExpectShown(MapOf(c.rule));
    }
}

TEST_P(ScreenEffectFaces, RotationTurnsThePictureAboutTheScreenCentre) {
    Start(9, {10, 180, 180});
    DrawHeld();
    // Half a turn about (8, 6). The CPU turns pixel corners in fixed point, so
    // its first row and column have no source; Direct3D turns the picture as
    // one quad about its middle.
    if (d3d)
        ExpectShown(MapOf([](int x, int y) { return std::make_pair(15 - x, 11 - y); }));
    else
        ExpectShown(MapOf([](int x, int y) { return std::make_pair(16 - x, 12 - y); }));
}

TEST_P(ScreenEffectFaces, ZoomKeepsItsWindowOnTheScreenAndShrinksAboutTheCentre) {
    heroX = 14;
    heroY = 10;
    Start(11, {10, 32, 32});
    DrawHeld();
    ExpectShown(MapOf([](int x, int y) { return std::make_pair(8 + x / 2, 6 + y / 2); }));

    Start(11, {10, 8, 8}); // half size, 8 x 6 at (4, 3)
    DrawHeld();
    const SourceMap shown = Shown();
    for (int y = 0; y < kScrH; ++y)
        for (int x = 0; x < kScrW; ++x) {
            const bool inside = x >= 4 && x < 12 && y >= 3 && y < 9;
            const int got = shown[static_cast<std::size_t>(y * kScrW + x)];
            if (inside)
                EXPECT_GE(got, 0) << x << "," << y;
            else
                EXPECT_EQ(got, kFillMark) << x << "," << y;
        }
}

TEST_P(ScreenEffectFaces, LensBendsTowardTheHeroMovedByItsOffsets) {
    const int k = 20, ox = 2, oy = -1;
    Start(12, {10, k, k, ox, oy});
    DrawHeld();
    const int cx = heroX + ox, cy = heroY + oy;
    const int r = static_cast<int>(std::max(FarEdge(cx, kScrW), FarEdge(cy, kScrH)) * std::sqrt(2.0));
    const int big = static_cast<int>(std::sqrt(static_cast<double>(r * r + k * k)));
    ExpectShown(MapOf([&](int x, int y) {
        const int dx = x - cx, dy = y - cy;
        const double d = std::sqrt(static_cast<double>(big * big - dx * dx - dy * dy));
        if (d == 0) return std::make_pair(x, y);
        return std::make_pair(cx + static_cast<int>(dx * k / d + 0.5),
                              cy + static_cast<int>(dy * k / d + 0.5));
    }));
}

TEST_P(ScreenEffectFaces, MosaicPaintsBlocksOfOneColour) {
    Start(13, {10, 4, 4});
    DrawHeld();
    for (int by = 0; by < kScrH; by += 4)
        for (int bx = 0; bx < kScrW; bx += 4) {
            const std::uint32_t first = At(screen, bx, by);
            EXPECT_NE(first, fill);
            for (int y = by; y < by + 4; ++y)
                for (int x = bx; x < bx + 4; ++x) EXPECT_EQ(At(screen, x, y), first) << x << "," << y;
        }
    EXPECT_NE(At(screen, 0, 0), At(screen, 4, 0));
}

TEST_P(ScreenEffectFaces, BlinkHidesTheWorldFirstThenShowsItInTurn) {
    Start(8, {10, 3});
    std::string seen;
    for (int frame = 0; frame < 9; ++frame) {
        const int before = backgroundRedraws;
        DrawWorld();
        ASSERT_EQ(RunScreenEffectKind(run, View(), 0), 0);
        seen += backgroundRedraws > before ? 'h' : 's';
        ExpectShown(Identity()); // the picture itself is never distorted
    }
    EXPECT_EQ(seen, "hhhssshhh");
}

TEST_P(ScreenEffectFaces, ReversedModeRunsFromTheEndBackToTheStart) {
    Start(1, {10, 0, 0, 9, 5}, EFFECT_REVERSED);
    DrawHeld();
    ExpectShown(MapOf([](int x, int y) { return Shifted(x, y, 9, 5); }));
}

INSTANTIATE_EFFECT_FACES(ScreenEffectFaces);

namespace {

class ScreenEffectRunTest : public ::testing::Test {
protected:
    void TearDown() override {
        ScrEffectTableR.clear();
        ScrEffectTableL.clear();
    }
    void Table(std::int32_t kind, std::vector<std::int32_t> params) {
        records.assign(2, cScrEffect());
        records[1].nKind = kind;
        for (std::size_t i = 0; i < params.size(); ++i) records[1].nParam[i] = params[i];
        BuildScrEffectTables(records, cVector<cScrEffect>(), ScrEffectTableR, ScrEffectTableL);
    }
    // Frames until the effect ends, at most `limit`; -1 when it does not.
    int FramesToEnd(int limit, int hold = 0) {
        cScreenEffectView none;
        for (int n = 1; n <= limit; ++n)
            if (RunScreenEffectKind(run, none, hold)) return n;
        return -1;
    }
    cVector<cScrEffect> records;
    cScreenEffectRun run;
};

} // namespace

TEST_F(ScreenEffectRunTest, EveryKindEndsAfterItsTimeAndNeverOnAHeldDrawing) {
    // A time of 1 (6 frames): kinds that run over their time end once the
    // count passes 1; kinds that run P1 to P2 end when the value passes P2.
    struct Case {
        std::int32_t kind;
        std::vector<std::int32_t> params;
        int first, last; // the frame it ends on
    };
    const Case cases[] = {
        {1, {1, 0, 0, 8, 8}, 12, 13}, {2, {1, 4, 2}, 12, 13},    {3, {1, 4, 2}, 12, 13},
        {4, {1, 0, 6, 3}, 7, 7},      {5, {1, 0, 6, 3}, 7, 7},   {6, {1, 0, 6, 2, 4}, 7, 7},
        {7, {1, 0, 6, 2, 4}, 7, 7},   {8, {1, 2}, 12, 13},       {9, {1, 0, 6}, 7, 7},
        {10, {1, 6, 0, 2}, 7, 7},     {11, {1, 640, 646}, 7, 7}, {12, {1, 6, 0, 0, 0}, 7, 7},
        {13, {1, 1, 7}, 7, 7},        {4, {1, 3, 3, 3}, 7, 7}, // time only: 6 frames and one more
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Table(c.kind, c.params);
        ASSERT_TRUE(run.Start(1, EFFECT_NORMAL, 0));
        const cScrEffectData before = run.State.Data;
        EXPECT_EQ(FramesToEnd(100, 1), -1) << "held drawings never advance it";
        EXPECT_EQ(run.State.Data.dValue, before.dValue);
        EXPECT_EQ(run.State.Data.dElapsed, before.dElapsed);
        EXPECT_EQ(run.State.Data.nMove[0], before.nMove[0]);
        const int n = FramesToEnd(100);
        EXPECT_GE(n, c.first);
        EXPECT_LE(n, c.last);
    }
}

TEST_F(ScreenEffectRunTest, KindZeroStaysUntilReplacedAndBadStartsAreIgnored) {
    Table(0, {1});
    ASSERT_TRUE(run.Start(1, EFFECT_NORMAL, 0));
    EXPECT_EQ(FramesToEnd(500), -1);
    EXPECT_TRUE(run.Running());

    // A number outside the table and a kind outside 0 to 13 start nothing.
    EXPECT_FALSE(run.Start(2, EFFECT_NORMAL, 0));
    EXPECT_FALSE(run.Start(-1, EFFECT_NORMAL, 0));
    EXPECT_EQ(run.nNumber, 1);
    Table(14, {1});
    EXPECT_FALSE(run.Start(1, EFFECT_NORMAL, 0));
    EXPECT_EQ(run.Kind(), 0) << "the running effect is left as it was";

    // Number 0 stops the effect.
    EXPECT_FALSE(run.Start(0, EFFECT_NORMAL, 0));
    EXPECT_FALSE(run.Running());
}

TEST_F(ScreenEffectRunTest, ShakeSwingsOutToItsAmplitudeAndBack) {
    Table(2, {10, 4, 2}); // 0.533 pixels a frame
    ASSERT_TRUE(run.Start(1, EFFECT_NORMAL, 0));
    std::vector<double> offsets;
    for (int i = 0; i < 20; ++i) {
        FramesToEnd(1);
        offsets.push_back(run.dShake);
    }
    EXPECT_NEAR(offsets[0], 4.0 * 2 * 4 / 60, 1e-9);
    EXPECT_EQ(offsets[7], 4.0) << "set to the bound on reaching it";
    EXPECT_NEAR(offsets[8], 4.0 - 8.0 / 15, 1e-9) << "then turned back";
    EXPECT_GE(*std::min_element(offsets.begin(), offsets.end()), -4.0);
}

TEST_F(ScreenEffectRunTest, ALoopingEffectStartsOverInsteadOfEnding) {
    Table(4, {1, 0, 6, 3});
    ASSERT_TRUE(run.Start(1, EFFECT_NORMAL, 1));
    EXPECT_EQ(FramesToEnd(50), -1);
    ASSERT_TRUE(run.Start(1, EFFECT_THERE_AND_BACK, 0));
    EXPECT_EQ(FramesToEnd(50), 14) << "one pass out, one pass back";
}
