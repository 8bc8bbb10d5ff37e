// The opening of message windows on both drawing faces: a boxed text window
// grows about its centre for its first nine frames, a plain one stays hidden
// until the tenth, and a window set up without an opening shows whole at once.
#include "fixtures/PlayWorld.h"
#include "graphics/GraphicsFixture.h"

#include "graphics/Font.h"
#include "play/MessageWindow.h"
#include "play/PlayScene.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

struct OpeningFace {
    bool d3d;
    int bpp;
};

std::string OpeningFaceName(const ::testing::TestParamInfo<OpeningFace>& info) {
    return std::string(info.param.d3d ? "Direct3D" : "DirectDraw") + std::to_string(info.param.bpp);
}

// Eight pixels a byte, 16 a line.
class cEightPixelFont : public cMessageFont {
public:
    std::int32_t LineWidth(const std::string& line) const override {
        return static_cast<std::int32_t>(line.size()) * 8;
    }
    std::int32_t LineHeight() const override { return 16; }
};

// The window in these tests: 40 x 20 at (20, 12) of a 96 x 64 target; its box
// has a one-pixel frame around the outside, so what a whole box covers is
// 42 x 22 at (19, 11).
constexpr std::int32_t kX = 20, kY = 12, kW = 40, kH = 20;
const cMessageRect kWhole{kX - 1, kY - 1, kW + 2, kH + 2};

class MessageOpening : public GraphicsTest,
                       public cPlayWorld,
                       public ::testing::WithParamInterface<OpeningFace> {
protected:
    void SetUp() override {
        d3d = GetParam().d3d;
        ASSERT_TRUE(d3d ? StartDirect3D(GetParam().bpp) : StartDirectDraw(GetParam().bpp));
        Palette[0] = {0xFF, 0x00, 0xFF, 0}; // palette colour 0 is the transparent colour
        Palette[240] = {0x00, 0xFF, 0x00, 0};
        Palette[241] = {0xFF, 0xFF, 0xFF, 0};
        DDSetTransmit(0xFF, 0x00, 0xFF);
        ASSERT_TRUE(DDCreateSurface(&frame, 128, 128, 0, 0, 0, 0, 0));
        DDFillSurfaceColor(&frame, d3d ? 0xFF000080u : Display(0x000080));
        ASSERT_TRUE(DDCreateSurface(&target, 96, 64, 0, 0, 0, 0, 0));
        SysFont[1].Create("ＭＳ ゴシック", 0, 16, 16, 16, 241, &frame, 1, 240, nullptr, 1);
    }
    void TearDown() override {
        SysFont[1].Release();
        DDReleaseSurface(&frame);
        DDReleaseSurface(&target);
        GraphicsTest::TearDown();
    }
    // A colour as the DirectDraw face takes a fill.
    DWORD Display(DWORD rgb) const { return GetParam().bpp == 16 ? PackArgb(PixelFormat::R5G6B5, rgb) : rgb; }

    // A text window placed at (kX, kY) on the screen, kW x kH.
    cMessageWindow Window(const cMessageArgs& args) {
        cMessageWindow w = TextMessage(args, font);
        w.nAnchor = 7;
        w.nCellX = w.nCellY = 0;
        w.nOffsetX = kX, w.nOffsetY = kY;
        w.bStay = 1;
        w.nWidth = kW, w.nHeight = kH;
        return w;
    }
    static cMessageArgs Boxed(const char* text = "") {
        cMessageArgs a;
        a.strText = text;
        a.bBox = 1;
        return a;
    }

    // One frame of the play scene's windows over a grey target.
    void DrawFrame(cPlayScene& play) {
        DDFillSurfaceColor(&target, d3d ? 0xFF404040u : Display(0x404040));
        play.DrawEffectsAndMessages(&target, 0);
    }
    // The smallest rectangle holding every pixel that is not the grey.
    cMessageRect Drawn() const {
        const std::uint32_t grey = At(target, 95, 63);
        int x0 = 96, y0 = 64, x1 = -1, y1 = -1;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x)
                if (At(target, x, y) != grey) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y);
                    x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        if (x1 < 0) return {};
        return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
    std::set<std::uint32_t> ColoursIn(const cMessageRect& r) const {
        std::set<std::uint32_t> colours;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) colours.insert(At(target, x, y));
        return colours;
    }
    std::vector<std::uint32_t> Pixels() const {
        std::vector<std::uint32_t> px;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 96; ++x) px.push_back(At(target, x, y));
        return px;
    }

    bool d3d = false;
    cEightPixelFont font;
    DDSURFACEDATA frame, target;
};

void ExpectRect(const cMessageRect& got, const cMessageRect& want, const std::string& what) {
    EXPECT_EQ(got.x, want.x) << what;
    EXPECT_EQ(got.y, want.y) << what;
    EXPECT_EQ(got.w, want.w) << what;
    EXPECT_EQ(got.h, want.h) << what;
}

TEST_P(MessageOpening, ABoxedWindowGrowsAboutItsCentreAndIsWholeFromTheTenthFrame) {
    struct Case {
        int frame;
        cMessageRect drawn;
    };
    // 42 x 22 times frame / 10, truncated, centred on (40, 22).
    const Case cases[] = {
        {1, {38, 21, 4, 2}}, {5, {29, 16, 21, 11}}, {9, {21, 12, 37, 19}}, {10, kWhole}, {11, kWhole},
    };
    for (const Case& k : cases) {
        cPlayScene play;
        play.Messages.push_back(Window(Boxed()));
        play.Messages.back().dOpening = k.frame - 1; // frames drawn before this one
        DrawFrame(play);
        ExpectRect(Drawn(), k.drawn, "frame " + std::to_string(k.frame));
        EXPECT_EQ(play.Messages.back().dOpening, k.frame);
    }
}

TEST_P(MessageOpening, TheOpeningCountsOneFrameEachDrawingAndEndsWhole) {
    cPlayScene play;
    play.Messages.push_back(Window(Boxed()));
    int lastWidth = 0;
    for (int frame = 1; frame <= 12; ++frame) {
        DrawFrame(play);
        const cMessageRect r = Drawn();
        // Never shrinks, never leaves the whole box, and is the whole box from the tenth frame.
        EXPECT_GE(r.w, lastWidth) << frame;
        EXPECT_GE(r.x, kWhole.x) << frame;
        EXPECT_LE(r.x + r.w, kWhole.x + kWhole.w) << frame;
        if (frame >= 10) ExpectRect(r, kWhole, "frame " + std::to_string(frame));
        lastWidth = r.w;
    }
}

TEST_P(MessageOpening, TheGrowingBoxCarriesItsTextAndTheWholeBoxMatchesAWindowWithoutOpening) {
    cPlayScene play;
    play.Messages.push_back(Window(Boxed("ab")));
    play.Messages.back().dOpening = 8;
    DrawFrame(play);
    const cMessageRect nine = Drawn();
    ExpectRect(nine, {21, 12, 37, 19}, "frame 9");
    // The frame, the box picture and the ink at least.
    EXPECT_GE(ColoursIn(nine).size(), 3u);

    DrawFrame(play); // the tenth
    const std::vector<std::uint32_t> opened = Pixels();
    cMessageArgs a = Boxed("ab");
    a.bContinues = 1; // follows another message: no opening
    play.Messages.clear();
    play.Messages.push_back(Window(a));
    DrawFrame(play);
    EXPECT_TRUE(opened == Pixels());
}

TEST_P(MessageOpening, WindowsWithoutAnOpeningShowWholeAtTheirFirstFrame) {
    struct Case {
        const char* what;
        std::int32_t timeMode;
        std::int32_t continues;
        bool opens;
    };
    const Case cases[] = {
        {"until the advance key", 0, 0, true},
        {"until the stage ends", 1, 0, false},
        {"for a time", 2, 0, false},
        {"after another message", 0, 1, false},
    };
    for (const Case& k : cases) {
        cMessageArgs a = Boxed();
        a.nTimeMode = k.timeMode;
        a.nFrames = 100;
        a.bContinues = k.continues;
        cPlayScene play;
        play.Messages.push_back(Window(a));
        EXPECT_EQ(play.Messages.back().bOpening, k.opens ? 1 : 0) << k.what;
        DrawFrame(play);
        ExpectRect(Drawn(), k.opens ? cMessageRect{38, 21, 4, 2} : kWhole, k.what);
    }
}

TEST_P(MessageOpening, APlainWindowStaysHiddenWhileItOpensAndShowsItsTextAtTheTenthFrame) {
    cMessageArgs a;
    a.strText = "ab";
    cPlayScene play;
    play.Messages.push_back(Window(a));
    for (int frame = 1; frame <= 10; ++frame) {
        DrawFrame(play);
        const cMessageRect r = Drawn();
        if (frame < 10) {
            EXPECT_EQ(r.w, 0) << frame;
            continue;
        }
        // Only the text, inside the window: no box, nothing scaled.
        ASSERT_GT(r.w, 0);
        EXPECT_GE(r.x, kX + 1);
        EXPECT_GE(r.y, kY + 1);
        EXPECT_LE(r.x + r.w, kX + 1 + 2 * 16);
        EXPECT_LE(r.y + r.h, kY + 1 + 16);
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, MessageOpening,
                         ::testing::Values(OpeningFace{false, 16}, OpeningFace{false, 32},
                                           OpeningFace{true, 16}, OpeningFace{true, 32}),
                         OpeningFaceName);

TEST(OpeningRect, OddSizesKeepTheirCentreRoundedTowardTheTopLeft) {
    struct Case {
        cMessageRect whole;
        double counter;
        cMessageRect drawn;
    };
    const Case cases[] = {
        {{0, 0, 3, 3}, 1, {1, 1, 0, 0}}, // too small to show
        {{0, 0, 3, 7}, 5, {1, 2, 1, 3}},
        {{-10, 5, 30, 10}, 3, {0, 8, 9, 3}},
        {{100, 200, 17, 9}, 9, {101, 200, 15, 8}},
    };
    for (const Case& k : cases) {
        const cMessageRect r = OpeningRect(k.whole, k.counter);
        ExpectRect(r, k.drawn, std::to_string(k.whole.w) + "x" + std::to_string(k.whole.h));
    }
}

} // namespace
