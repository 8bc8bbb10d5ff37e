// The play scene's fades and ready captions: how many frames the ready state
// lasts for each choice of captions and kind of run, what each caption draws,
// and the palette the fades step on an 8-bit screen.
#include "fixtures/PlayStage.h"
#include "graphics/Effects.h"
#include "graphics/GraphicsFixture.h"
#include "graphics/SystemSurfaces.h"
#include "play/StageRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

class ReadyCaptions : public ::testing::Test {
protected:
    cGameGlobalsGuard globals;
};

TEST_F(ReadyCaptions, TheReadyStateLastsAsLongAsItsCaptionsShow) {
    const struct {
        const char* what;
        int first, second, playMode, testPlay, editorStarted;
        int frames; // frames in the ready state, the last one starting play
    } cases[] = {
        {"both captions", 1, 1, 3, 0, 0, 159},
        {"the first only", 1, 0, 3, 0, 0, 80},
        {"the second only", 0, 1, 3, 0, 0, 80},
        {"none", 0, 0, 3, 0, 0, 1},
        {"replay viewing shows its own caption only", 1, 1, 4, 0, 0, 80},
        {"replay viewing with the stage's captions off", 0, 0, 4, 0, 0, 80},
        {"a test play shows them", 1, 1, 3, 1, 0, 159},
        {"a test play the editor started shows none", 1, 1, 3, 1, 1, 1},
        {"not even in replay viewing", 1, 1, 4, 1, 1, 1},
    };
    for (const auto& c : cases) {
        cStageRunner run;
        run.Host().playMode = c.playMode;
        run.Host().testPlay = c.testPlay;
        run.Host().editorStarted = c.editorStarted;
        cStage stage = FloorStage();
        stage.nWords27[0] = c.first;
        stage.nWordB = c.second;
        cStageRunner::UseStage(stage);
        int fade = 0;
        while (run.Play().nState != PLAY_READY && fade < 50) {
            run.Frame();
            ++fade;
        }
        ASSERT_EQ(fade, 10) << c.what << ": ten fade frames at a fade length of 10";
        int frames = 0;
        while (run.Play().nState == PLAY_READY && frames < 400) {
            run.Frame();
            ++frames;
        }
        EXPECT_EQ(frames, c.frames) << c.what;
        EXPECT_EQ(run.Play().nState, PLAY_MAIN) << c.what;
        EXPECT_EQ(run.Play().nCaption1, 0) << c.what << ": counter 1 is free for the clear display";
    }
}

TEST_F(ReadyCaptions, ARetryShowsTheCaptionsAgain) {
    cStageRunner run;
    cStage stage = FloorStage();
    stage.nWords27[0] = 1;
    stage.nWordB = 1;
    cStageRunner::UseStage(stage);
    ASSERT_TRUE(run.RunUntil(PLAY_MAIN, 200));
    run.Play().SetStage(1, 0);
    run.Play().nState = PLAY_READY;
    int frames = 0;
    while (run.Play().nState == PLAY_READY && frames < 400) {
        run.Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 159);
}

// The captions on a screen: picture 51 holds each caption as a block of its
// own colour, and the digit strip's cells each their own.
class ReadyCaptionDrawing : public GraphicsTest {
protected:
    static constexpr DWORD kFirst = 0xC00000, kSecond = 0x00C000, kReplay = 0x0000C0, kGrey = 0x404040;
    static DWORD Digit(int d) { return 0x101010u * static_cast<DWORD>(d + 1) + 0x000001u; }

    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(32));
        DDSURFACEDATA& words = SystemSD[51];
        ASSERT_TRUE(DDCreateSurface(&words, 320, 192, 1, 0, 0, 0, 0));
        DDFillSurfaceColor(&words, 0x808080);
        DDFillRectColor(&words, 0, 0, 128, 32, kFirst);
        DDFillRectColor(&words, 160, 0, 80, 32, kSecond);
        DDFillRectColor(&words, 0, 32, 128, 32, kReplay);
        for (int d = 0; d < 10; ++d) DDFillRectColor(&words, 32 * d, 128, 32, 32, Digit(d));
        ASSERT_TRUE(DDCreateSurface(&target, 640, 480, 0, 0, 0, 0, 0));
        Stage.nWords27[0] = 1;
        Stage.nWordB = 1;
        PlayData.nAreaNumber = 3;
    }
    void TearDown() override {
        DDReleaseSurface(&SystemSD[51]);
        DDReleaseSurface(&target);
        GraphicsTest::TearDown();
    }
    // One ready frame over a grey screen: whether a caption still shows.
    bool Step(cPlayScene& play) {
        DDFillSurfaceColor(&target, kGrey);
        return play.StepReadyCaptions(&target);
    }
    // The colour everywhere in the rectangle, or 1 when it is not one colour.
    DWORD Block(int x, int y, int w, int h) const {
        const DWORD c = At(target, x, y) & 0xFFFFFF;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if ((At(target, i, j) & 0xFFFFFF) != c) return 1;
        return c;
    }
    int Painted() const {
        int n = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) n += (At(target, x, y) & 0xFFFFFF) != kGrey;
        return n;
    }

    cGameGlobalsGuard globals;
    DDSURFACEDATA target;
};

TEST_F(ReadyCaptionDrawing, TheFirstCaptionWithTheAreaNumberThenTheSecond) {
    cStageRunner run;
    cPlayScene& play = run.Play();
    for (int frame = 1; frame <= 79; ++frame) {
        ASSERT_TRUE(Step(play)) << frame;
        if (frame == 1 || frame == 79) {
            EXPECT_EQ(Block(256, 224, 128, 32), kFirst) << frame;
            EXPECT_EQ(Block(384, 224, 32, 32), Digit(3)) << frame << ": the area number in one cell";
            EXPECT_EQ(Painted(), 160 * 32) << frame;
        }
    }
    for (int frame = 1; frame <= 79; ++frame) {
        ASSERT_TRUE(Step(play)) << "second caption, frame " << frame;
        if (frame == 1 || frame == 79) {
            EXPECT_EQ(Block(280, 224, 80, 32), kSecond) << frame;
            EXPECT_EQ(Painted(), 80 * 32) << frame;
        }
    }
    EXPECT_FALSE(Step(play)) << "the frame the second counter reaches 80 goes on";
    EXPECT_EQ(Painted(), 0);
}

TEST_F(ReadyCaptionDrawing, ReplayViewingShowsTheReplayCaption) {
    cStageRunner run;
    run.Host().playMode = 4;
    cPlayScene& play = run.Play();
    ASSERT_TRUE(Step(play));
    EXPECT_EQ(Block(256, 224, 128, 32), kReplay);
    EXPECT_EQ(Painted(), 128 * 32);
    for (int frame = 2; frame <= 79; ++frame) ASSERT_TRUE(Step(play)) << frame;
    EXPECT_FALSE(Step(play));
    EXPECT_EQ(Painted(), 0);
}

// The play scene's fades on an 8-bit screen: the palette in use steps from
// the loaded one along a sine by the fade length (10 degrees a frame), and the
// loaded palette stays as it was.
class PlayFade : public GraphicsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartDirectDraw(8));
        for (int i = 0; i < 256; ++i)
            BasePalette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
    }
    void TearDown() override {
        std::fill(std::begin(BasePalette), std::end(BasePalette), PALETTEENTRY{});
        GraphicsTest::TearDown();
    }
    static int Level(int degrees) {
        return static_cast<int>(std::sin(degrees * std::numbers::pi / 180.0) * 256);
    }
    void ExpectLevel(int level, const char* what, int frame) const {
        PALETTEENTRY want[256];
        DDFadePalette(want, 0, 255, level, 0, 0, 0, BasePalette);
        for (int i : {0, 17, 128, 255}) {
            EXPECT_EQ(Palette[i].peRed, want[i].peRed) << what << " frame " << frame << " entry " << i;
            EXPECT_EQ(Palette[i].peGreen, want[i].peGreen) << what << " frame " << frame << " entry " << i;
        }
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(BasePalette[i].peRed, i) << what << ": the loaded palette is not faded";
    }
    cGameGlobalsGuard globals;
};

TEST_F(PlayFade, FadeInAndOutStepTheInUsePaletteTenFramesEach) {
    cStageRunner run;
    cPlayScene& play = run.Play();
    for (int frame = 0; frame < 10; ++frame) {
        EXPECT_EQ(play.StepFade(true), frame == 9) << "fade-in frame " << frame;
        ExpectLevel(Level(10 * frame), "fade-in", frame);
    }
    for (int frame = 0; frame < 10; ++frame) {
        EXPECT_EQ(play.StepFade(false), frame == 9) << "fade-out frame " << frame;
        ExpectLevel(Level(90 - 10 * frame), "fade-out", frame);
    }
    EXPECT_FALSE(play.StepFade(true)) << "the next fade starts again from its beginning";
    ExpectLevel(0, "second fade-in", 0);
    for (int frame = 1; frame < 10; ++frame) play.StepFade(true);
}

} // namespace
