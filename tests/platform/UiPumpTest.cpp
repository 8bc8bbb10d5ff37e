// A UI thread waiting on SDL events is woken by a message posted from another
// thread, through the arrival hook: the shape of the program's main pump.
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(UiPump, MessagePostedFromAnotherThreadWakesAThreadWaitingOnSdlEvents) {
    ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
    Uint32 wakeEvent = SDL_RegisterEvents(1);
    ASSERT_NE(wakeEvent, static_cast<Uint32>(-1));
    struct cPushWake : cMessageArrival {
        Uint32 type = 0;
        void MessageArrived() override {
            SDL_Event e{};
            e.type = type;
            SDL_PushEvent(&e);
        }
    } hook;
    hook.type = wakeEvent;
    cScopedMessageArrivalHook scoped(hook);
    DWORD ui = GetCurrentThreadId();
    std::thread game([ui] {
        Sleep(20);
        PostThreadMessageA(ui, WM_USER + 5, 3, 0);
    });
    DWORD start = timeGetTime();
    SDL_Event e{};
    bool woke = false;
    while (!woke && timeGetTime() - start < 5000) {
        if (SDL_WaitEventTimeout(&e, 5000) && e.type == wakeEvent) woke = true;
    }
    EXPECT_TRUE(woke);
    EXPECT_LT(timeGetTime() - start, 2000u);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5);
    EXPECT_EQ(msg.wParam, 3u);
    game.join();
    SDL_Quit();
}

} // namespace
