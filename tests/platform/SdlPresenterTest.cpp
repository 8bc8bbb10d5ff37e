// The SDL presenter under SDL's dummy video driver: no window shows, but the
// frame goes through the real renderer.
#include "platform/SdlPresenter.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(SdlPresenter, OpensPresentsAndTakesFramesFromAnotherThread) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    cSdlPresenter p;
    ASSERT_TRUE(p.Open("Brindle4", 640, 480, false)) << SDL_GetError();
    EXPECT_FALSE(p.PresentAgain()) << "no frame yet to show again";
    std::vector<std::uint32_t> frame(640 * 480, 0x00123456u);
    p.Present(frame.data(), 640, 480);
    EXPECT_EQ(p.FramesPresented(), 1u);
    EXPECT_EQ(p.LastFrame()[1000], 0x00123456u);
    // A frame from the game thread waits for the UI thread to draw it.
    frame.assign(640 * 480, 0x00ABCDEFu);
    std::thread game([&] { p.Present(frame.data(), 640, 480); });
    game.join();
    SDL_Event e{};
    bool woke = false;
    while (SDL_PollEvent(&e))
        if (e.type == p.FrameEventType()) woke = true;
    EXPECT_TRUE(woke) << "the UI thread is told a frame waits";
    p.RenderPending();
    EXPECT_EQ(p.LastFrame()[5], 0x00ABCDEFu);
    // The same picture again is counted, but the window shows it already:
    // nothing is handed over to draw.
    std::thread same([&] { p.Present(frame.data(), 640, 480); });
    same.join();
    woke = false;
    while (SDL_PollEvent(&e))
        if (e.type == p.FrameEventType()) woke = true;
    EXPECT_FALSE(woke);
    EXPECT_EQ(p.FramesPresented(), 3u);
    EXPECT_TRUE(p.PresentAgain());
    EXPECT_EQ(p.FramesPresented(), 4u);
    p.Present(frame.data(), 320, 240); // the wrong size is ignored
    EXPECT_EQ(p.FramesPresented(), 4u);
    EXPECT_FALSE(p.PresentAgain()) << "the last frame was not taken";
    EXPECT_TRUE(p.SetFullScreen(true));
    EXPECT_TRUE(p.FullScreen());
    EXPECT_EQ(p.ShowCursor(false), -1);
    p.Close();
}

} // namespace
