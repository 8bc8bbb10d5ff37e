// The game thread runs frames only while the program is active, and the main
// window's close ends the workers in order, destroys the window and ends the
// UI thread's pump with WM_QUIT.
#include "app/App.h"
#include "app/Game.h"
#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Thread.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/WindowEvents.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(CloseSequence, GameThreadRunsWhileActiveAndTheCloseEndsItInOrder) {
    TempDir dir;
    SetErrorLog(true, "EC_Test.txt"); // switched on here to see the order of the lines
    ASSERT_TRUE(RegisterWindowClass("Brindlecraft4_CloseTest", MainWndProc));
    HWND window = CreateWindowA("Brindlecraft4_CloseTest", "");
    ASSERT_NE(window, nullptr);
    hMainWnd = window;

    bActive = 0;
    const DWORD before = dwFrameCount;
    ASSERT_TRUE(thGame.Start(GameLoop, nullptr));
    Sleep(50);
    EXPECT_EQ(dwFrameCount, before) << "no frames while inactive";
    // The activation comes as the main window's message, which wakes the
    // game thread from its wait.
    SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(bActive.load(), 1);
    for (int i = 0; i < 500 && dwFrameCount == before; ++i) Sleep(1);
    EXPECT_GT(dwFrameCount, before) << "frames once active";

    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(thGame.HasThread()) << "the game thread has ended";
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(hMainWnd.load(), nullptr);
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT) quit = true;
    EXPECT_TRUE(quit) << "WM_DESTROY ends the pump";

    std::string log = ReadAll("EC_Test.txt");
    std::size_t at = 0;
    for (const char* line :
         {"WM_CLOSE 成功！", "thPause.Exit()", "GameLoop WM_QUIT!", "thGame.Exit()", "WM_DESTROY"}) {
        std::size_t found = log.find(Cp932ToUtf8(line), at);
        EXPECT_NE(found, std::string::npos) << line << " in order in:\n" << log;
        if (found != std::string::npos) at = found;
    }
    SetErrorLog(false, "EC_Game.txt");
    UnregisterWindowClass("Brindlecraft4_CloseTest");
    bActive = 0;
}

// Waits for any message, then says so.
DWORD WaitOneMessage(void* woken) {
    WaitMessage();
    static_cast<std::atomic<int>*>(woken)->store(1);
    return 0;
}

TEST(CloseSequence, TheActivationWakesEachThreadThatWaitsWhileInactive) {
    ASSERT_TRUE(RegisterWindowClass("Brindlecraft4_WakeTest", MainWndProc));
    HWND window = CreateWindowA("Brindlecraft4_WakeTest", "");
    ASSERT_NE(window, nullptr);
    const struct {
        const char* name;
        cThread& thread;
    } waiting[] = {{"game", thGame}, {"pause", thPause}, {"page", thPage}};
    for (const auto& w : waiting) {
        bActive = 0;
        std::atomic<int> woken{0};
        ASSERT_TRUE(w.thread.Start(WaitOneMessage, &woken)) << w.name;
        SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
        for (int i = 0; i < 5000 && !woken.load(); ++i) Sleep(1);
        EXPECT_EQ(woken.load(), 1) << "the " << w.name << " thread is woken";
        w.thread.Exit(); // a thread still waiting ends on WM_QUIT
    }
    DestroyWindow(window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    } // the destroy's WM_QUIT is not for a later test
    UnregisterWindowClass("Brindlecraft4_WakeTest");
    bActive = 0;
}

} // namespace
