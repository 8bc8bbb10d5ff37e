// The frame driver: which scenes exist after each frame's switch, that a slot
// without a scene is never called (also after a failed allocation), and that
// frames are paced at 60 a second on the millisecond clock.
#include "app/Game.h"
#include "app/FpsMeter.h"
#include "app/SystemIni.h"
#include "foundation/Fault.h"
#include "foundation/Timing.h"
#include "graphics/Graphics.h"
#include "platform/Clock.h"
#include "platform/Presenter.h"

#include <gtest/gtest.h>
#include <new>
#include <string>
#include <vector>

namespace {

// What happened to the test scenes, in order: "make 0", "run 0", "delete 0".
std::vector<std::string> Events;

template <int N> class cTestScene : public cScene {
public:
    cTestScene() { Events.push_back("make " + std::to_string(N)); }
    ~cTestScene() override { Events.push_back("delete " + std::to_string(N)); }
    void Run() override { Events.push_back("run " + std::to_string(N)); }
};

template <int N> cScene* MakeTestScene() {
    return new cTestScene<N>();
}

cScene* MakeNoMemory() {
    throw std::bad_alloc();
}

cScene* MakeThrowingText() {
    throw "scene set-up failed";
}

// Makes the scenes of its table; an empty entry is a scene it does not make.
class cTableSceneMaker : public cSceneMaker {
public:
    cScene* (*makers[SCENE_COUNT])() = {};
    bool Makes(int scene) const override { return makers[scene] != nullptr; }
    cScene* Make(int scene) override { return makers[scene](); }
};

class FrameDriver : public ::testing::Test {
protected:
    void SetUp() override {
        Events.clear();
        maker.makers[SCENE_TITLE] = MakeTestScene<0>;
        maker.makers[SCENE_WORLD_MAP] = MakeTestScene<1>;
        maker.makers[SCENE_PLAY] = MakeTestScene<4>;
        Game.DeleteScenes();
        Game.nCurrentScene = SCENE_TITLE;
        Game.nFrameRate = 60;
        IniSetting.ShowFps = 0;
        Events.clear();
    }
    void TearDown() override {
        Game.DeleteScenes();
        IniSetting = INISETTING{};
    }
    cTableSceneMaker maker;
    cScopedSceneMaker guard{maker};
};

TEST_F(FrameDriver, TheSceneThatBecomesCurrentIsMadeAndTheLeftOneDeletedBeforeTheFirstRun) {
    ASSERT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"make 0", "run 0"}));
    Events.clear();
    ASSERT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"run 0"})) << "the same scene: nothing made or deleted";

    Events.clear();
    Game.nCurrentScene = SCENE_PLAY; // what a scene's Leave does
    Game.nPrevScene = SCENE_TITLE;
    ASSERT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"delete 0", "make 4", "run 4"}));
    EXPECT_EQ(Game.Scene(SCENE_TITLE), nullptr);
    EXPECT_NE(Game.Scene(SCENE_PLAY), nullptr);
    EXPECT_EQ(Game.nPrevScene, SCENE_TITLE);

    Events.clear();
    Game.nCurrentScene = SCENE_WORLD_MAP;
    ASSERT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(Events, (std::vector<std::string>{"delete 4", "make 1", "run 1"}));
    EXPECT_EQ(lpPlayScene, nullptr) << "the play scene pointer goes with scene 4";
}

TEST_F(FrameDriver, EmptySlotsAndNumbersOutsideTheTableRunNothing) {
    for (int scene : std::vector<int>{SCENE_SAVE, SCENE_CHALLENGE, SCENE_OPTION, -1, 6, 1000}) {
        Game.nCurrentScene = SCENE_TITLE;
        ASSERT_EQ(Game.RunFrame(), 1);
        Events.clear();
        Game.nCurrentScene = scene;
        EXPECT_EQ(Game.RunFrame(), 1) << scene;
        EXPECT_EQ(Events, (std::vector<std::string>{"delete 0"})) << scene;
        for (int n = 0; n < SCENE_COUNT; ++n) EXPECT_EQ(Game.Scene(n), nullptr) << scene;
    }
}

TEST_F(FrameDriver, AFailedAllocationClosesTheProgramAndNeverCallsTheEmptySlot) {
    maker.makers[SCENE_TITLE] = MakeNoMemory;
    const std::uint64_t closes = MainWindowCloseRequests();
    EXPECT_EQ(Game.RunFrame(), 1) << "the frame goes on without the scene";
    EXPECT_EQ(Game.Scene(SCENE_TITLE), nullptr);
    EXPECT_EQ(MainWindowCloseRequests(), closes + 1) << "out of memory posts WM_CLOSE";
    EXPECT_EQ(Game.RunFrame(), 1) << "the next frame tries again and still does not crash";
    EXPECT_EQ(MainWindowCloseRequests(), closes + 2);
    EXPECT_TRUE(Events.empty());
}

TEST_F(FrameDriver, ATextThrownBySceneSetUpClosesTheProgramAndTheFrameGoesOn) {
    maker.makers[SCENE_TITLE] = MakeThrowingText;
    const std::uint64_t closes = MainWindowCloseRequests();
    EXPECT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(MainWindowCloseRequests(), closes + 1);
    EXPECT_EQ(Game.Scene(SCENE_TITLE), nullptr);
}

TEST(FpsMeter, TheAverageStaysUntilSixteenFramesHavePassedAndChangesOnlyEverySixteen) {
    cFpsRing ring;
    for (int i = 0; i < 15; ++i) ring.Add(20);
    EXPECT_EQ(ring.Average(), 0u);
    ring.Add(36);
    EXPECT_EQ(ring.Average(), 21u) << "(15 * 20 + 36) >> 4";
    for (int i = 0; i < 15; ++i) ring.Add(100);
    EXPECT_EQ(ring.Average(), 21u);
    ring.Add(100);
    EXPECT_EQ(ring.Average(), 100u);
}

class FrameDriverPacing : public FrameDriver {
protected:
    void SetUp() override {
        FrameDriver::SetUp();
        window.Open("test", 640, 480, false);
        ASSERT_TRUE(DDInit(0, &window, 640, 480, 32, 0, 1, 1, 60, 0, nullptr, nullptr, 0));
        UseVirtualClock(10000, true); // every Sleep moves the clock on
        ResetTimingState();
    }
    void TearDown() override {
        UseRealClock();
        DDRelease();
        FrameDriver::TearDown();
    }
    cMemoryPresenter window;
};

TEST_F(FrameDriverPacing, DirectDrawFramesComeSixtyASecondOnTheMillisecondClock) {
    const DWORD start = timeGetTime();
    std::vector<DWORD> times;
    for (int i = 0; i < 130; ++i) {
        ASSERT_EQ(Game.RunFrame(), 1);
        times.push_back(timeGetTime() - start);
    }
    // Frame k starts when k * 1000 / 60 ms have passed: 60 in every second.
    for (int k = 0; k < 130; ++k) EXPECT_EQ(times[k], static_cast<DWORD>((k * 1000 + 59) / 60)) << k;
    EXPECT_EQ(window.FramesPresented(), 130u) << "every frame is shown";
}

TEST_F(FrameDriverPacing, AStageAboveSixtyFramesRunsAtItsOwnRate) {
    Game.nFrameRate = 120;
    const DWORD start = timeGetTime();
    for (int i = 0; i < 130; ++i) ASSERT_EQ(Game.RunFrame(), 1);
    EXPECT_EQ(timeGetTime() - start, 1075u) << "frame 129 is due at 129 * 1000 / 120 ms";
}

TEST_F(FrameDriverPacing, WithoutASceneTheFrameShowsAnEmptyScreen) {
    Game.nCurrentScene = SCENE_SAVE;
    DDFillSurfaceColor(&BackBuffer, 0x00FFFFFFu);
    ASSERT_EQ(Game.RunFrame(), 1);
    ASSERT_EQ(window.LastFrame().size(), 640u * 480u);
    EXPECT_EQ(window.LastFrame()[0] & 0xFFFFFF, 0u);
    EXPECT_EQ(window.LastFrame()[640 * 480 - 1] & 0xFFFFFF, 0u);
}

} // namespace
