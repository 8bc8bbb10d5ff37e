// The window's events become the messages the main window handles: the close
// box WM_CLOSE, a termination signal WM_CLOSE, the focus WM_ACTIVATEAPP, keys
// WM_KEYDOWN / WM_KEYUP with virtual-key codes; a posted message wakes a wait.
#include "platform/WindowEvents.h"
#include "platform/Clock.h"

#include <SDL.h>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

LRESULT Ignore(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

void PushWindowEvent(Uint8 which) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = which;
    SDL_PushEvent(&e);
}

void PushKey(Uint32 type, SDL_Keycode key, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.repeat = repeat;
    SDL_PushEvent(&e);
}

TEST(WindowEvents, EventsBecomeTheMessagesOfTheMainWindow) {
    ASSERT_TRUE(StartWindowEvents());
    ASSERT_TRUE(RegisterWindowClass("WindowEventsTest", Ignore));
    HWND window = CreateWindowA("WindowEventsTest", "");
    ASSERT_NE(window, nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    PushKey(SDL_KEYDOWN, SDLK_LEFT, 1);
    PushKey(SDL_KEYUP, SDLK_z);
    PushKey(SDL_KEYDOWN, SDLK_CAPSLOCK); // no code: nothing posted
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(PumpWindowEvents(window, nullptr), 7);

    struct Seen {
        UINT message;
        WPARAM w;
    };
    std::vector<Seen> seen;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) seen.push_back({msg.message, msg.wParam});
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_ACTIVATEAPP, 0},   {WM_ACTIVATEAPP, 1}, {WM_KEYDOWN, VK_ESCAPE},
        {WM_KEYDOWN, VK_LEFT}, {WM_KEYUP, 'Z'},     {WM_CLOSE, 0},
        {WM_CLOSE, 0}};
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].message, expected[i].first) << i;
        EXPECT_EQ(seen[i].w, expected[i].second) << i;
    }

    // A message posted from another thread ends the wait early.
    DWORD ui = GetCurrentThreadId();
    std::thread other([ui] {
        Sleep(20);
        PostThreadMessageA(ui, WM_USER + 1, 0, 0);
    });
    DWORD start = timeGetTime();
    while (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && timeGetTime() - start < 5000)
        WaitWindowEvents(3000);
    EXPECT_LT(timeGetTime() - start, 2000u);
    other.join();

    DestroyWindow(window);
    UnregisterWindowClass("WindowEventsTest");
    StopWindowEvents();
}

// Voluntary context switches of the calling thread: each wait that blocks is one.
long VoluntarySwitches() {
    std::ifstream status("/proc/thread-self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) return std::stol(line.substr(24));
    return -1;
}

TEST(WindowEvents, WithoutAWindowSystemTheWaitBlocksInsteadOfPollingAndAnyEventEndsIt) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_TRUE(StartWindowEvents());
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    // SDL itself would look every millisecond here: some hundred wake-ups.
    long before = VoluntarySwitches();
    ASSERT_GE(before, 0);
    WaitWindowEvents(300);
    EXPECT_LT(VoluntarySwitches() - before, 20);
    // An event pushed from another thread (as a frame handed over is) ends it.
    Uint32 type = SDL_RegisterEvents(1);
    std::thread other([type] {
        Sleep(20);
        SDL_Event e{};
        e.type = type;
        SDL_PushEvent(&e);
    });
    DWORD start = timeGetTime();
    WaitWindowEvents(5000);
    EXPECT_LT(timeGetTime() - start, 2500u);
    other.join();
    StopWindowEvents();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
