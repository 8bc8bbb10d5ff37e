#include "app/App.h"
#include "app/Seams.h"

#include "app/Game.h"
#include "app/MainWnd.h"
#include "app/ScriptedClose.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "foundation/Paths.h"
#include "foundation/SystemReport.h"
#include "foundation/Thread.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/DisplayLoss.h"
#include "platform/GtkSession.h"
#include "platform/InstanceLock.h"
#include "platform/KeyboardHook.h"
#include "platform/PathResolver.h"
#include "platform/SdlPresenter.h"
#include "platform/WindowEvents.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int bEditorStarted = 0;
std::atomic<BYTE> bAppRunning{0};
std::atomic<int> bActive{0};
cSdlPresenter* lpMainPresenter = nullptr;

namespace {

constexpr char kClassName[] = "Brindlecraft4";
constexpr char kVersion[] = "818";
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
// How long the running copy is given to close in order before it is ended.
constexpr DWORD kOrderlyCloseMs = 5000;
constexpr DWORD kForcedEndMs = 2000;
// How long a thread idling while the program is inactive waits at most
// before it looks again.
constexpr DWORD kInactiveWaitMs = 100;

// A start that fails says so on stderr and ends with a non-zero status, so a
// launcher or script can tell it from an ordinary close.
int EndWithFailure(const std::string& why) {
    std::fprintf(stderr, "brindle4: %s\n", why.c_str());
    return 1;
}

void TwiceStartedFailure() {
    MesBox("プログラムの終了に失敗しました。", "二重起動", MB_OK);
}

// Another copy holds the lock. True when this one may go on, which it only
// does holding the lock itself: two copies never run side by side.
bool TakeOverFromRunningCopy(cInstanceLock& lock) {
    int answer = MesBox("既に起動しています。\n実行中のプログラムを閉じて再起動しますか？\n\nRunning this "
                        "program now. Restart?",
                        "二重起動", MB_YESNO);
    if (answer != IDYES) return false;
    pid_t holder = 0;
    switch (lock.AskHolderToClose(&holder)) {
    case cInstanceLock::AskResult::NoListener:
        // It has no window yet (still starting) or is just ending: it is
        // given the same time to end as a copy that was asked.
        if (lock.AcquireWithin(kOrderlyCloseMs)) return true;
        std::fprintf(stderr, "brindle4: another copy of the player holds the lock and does not answer\n");
        TwiceStartedFailure();
        return false;
    case cInstanceLock::AskResult::NotThisProgram:
        TwiceStartedFailure();
        return false;
    case cInstanceLock::AskResult::NoAnswer:
        // Hung or stopped: it can't close in order, so it is ended at once.
        std::fprintf(stderr,
                     "brindle4: another copy of the player (process %d) is not responding; ending it\n",
                     static_cast<int>(holder));
        break;
    case cInstanceLock::AskResult::Asked:
        if (lock.AcquireWithin(kOrderlyCloseMs)) return true;
        std::fprintf(stderr, "brindle4: another copy of the player (process %d) did not close; ending it\n",
                     static_cast<int>(holder));
        break;
    }
    // It is this same program of this same user (the lock checked): end it.
    if (cInstanceLock::ForceEnd(holder) && lock.AcquireWithin(kForcedEndMs)) return true;
    std::fprintf(stderr,
                 "brindle4: another copy of the player (process %d) is not responding and can't be ended\n",
                 static_cast<int>(holder));
    TwiceStartedFailure();
    return false;
}

WPARAM PumpMessages(cSdlPresenter& presenter) {
    MSG msg;
    for (;;) {
        PumpWindowEvents(hMainWnd.load(), &presenter);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return msg.wParam;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // A posted message, a window event or a frame from the game thread
        // ends the wait at once; the limit only bounds a missed wake-up.
        WaitWindowEvents(bActive ? 10 : 100);
    }
}

} // namespace

DWORD GameLoop(void*) {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            continue; // nothing else is for this thread
        }
        if (!bActive) {
            // The activation posts this thread a message (MainWnd); the
            // limit only bounds a missed one.
            WaitForMessage(kInactiveWaitMs);
            continue;
        }
        if (!Game.RunFrame()) {
            PostMessageA(hMainWnd.load(), WM_CLOSE, 0, 0);
            return 1;
        }
        CheckScriptedClose(dwFrameCount);
    }
    ErrorLogPrintf("GameLoop WM_QUIT!");
    return 1;
}

void SuspendThreads() {
    thGame.Suspend();
    thPause.Suspend();
    thPage.Suspend();
    thLoad.Suspend();
}

void ResumeThreads() {
    thGame.Resume();
    thPause.Resume();
    thPage.Resume();
    thLoad.Resume();
}

int WinMain(const std::string& commandLine, int nCmdShow) {
    // A box shown on the way out of a failed start leaves GTK's thread running.
    struct GtkSessionEnd {
        ~GtkSessionEnd() { StopGtkSession(); }
    } gtkSessionEnd;
    InstallSeams();
    SetErrorLog(false, "EC_Game.txt");
    std::string report = "Report_Game.txt";
    MakeFullPath(report);
    std::string reportPath = ResolvePathForWriting(report);
    if (!SetReportFile(reportPath)) {
        // Nothing is written into the game folder, not even an error log:
        // the terminal is the one place left to say why.
        int error = errno;
        return EndWithFailure("can't write the report file " + reportPath + " (" + std::strerror(error) +
                              "); the game folder must be writable");
    }
    ReportPrintf("App : ver %s", kVersion);
    ReportSystemInfo();
    bEditorStarted = nCmdShow == 5 ? 1 : 0;
    SetScriptedCloseFrames(ReadScriptedCloseFrames());
    if (!InstallInputSource()) return EndWithFailure("the key script can't be used (see the report file)");

    cInstanceLock lock(Cp932ToUtf8("ゲーム"));
    if (!lock.TryAcquire() && !TakeOverFromRunningCopy(lock))
        return EndWithFailure("another copy of the player is running and did not close");

    if (!RegisterWindowClass(kClassName, MainWndProc))
        return EndWithFailure("the window class can't be registered");
    HWND hwnd = CreateWindowA(kClassName, "");
    cSdlPresenter presenter;
    if (!hwnd || !presenter.Open("", kClientWidth, kClientHeight, false) || !StartWindowEvents()) {
        // The presenter has said why on stderr.
        ErrorBox("ウインドウが生成出来ません！");
        if (hwnd) DestroyWindow(hwnd);
        UnregisterWindowClass(kClassName);
        return 1;
    }
    lpMainPresenter = &presenter;
    SetActiveWindow(hwnd);
    if (bEditorStarted) NotifyEditorStarted();
    // A later copy's request to close comes as the close box's message.
    lock.Listen([hwnd] { PostMessageA(hwnd, WM_CLOSE, 0, 0); });

    WPARAM exitCode = 0;
    bool ran = false;
    bool started = InitProgram(commandLine, nCmdShow);
    if (!started) {
        NotifyEditor(0);
        ShutdownProgram();
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    } else {
        bAppRunning = 1;
        bActive = 1; // the window is shown and has the input focus
        if (thGame.Start(GameLoop, nullptr)) {
            // The game thread's queue must exist before a WM_QUIT can reach it.
            while (!PostThreadMessageA(thGame.GetThreadId(), WM_APP, 0, 0)) Sleep(0);
        } else {
            ReportError("thGame.Start Err");
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
        }
        exitCode = PumpMessages(presenter);
        ShutdownProgram();
        ran = true;
    }
    lock.Release();
    RemoveInputSource();
    StopWindowEvents();
    lpMainPresenter = nullptr;
    unsigned long long presented = presenter.FramesPresented();
    presenter.Close();
    UnregisterWindowClass(kClassName);
    StopGtkSession();
    if (ran) ReportScriptedCloseEnd(presented);
    if (!started) return EndWithFailure("the start-up failed; the report file " + reportPath + " says why");
    // Closed in order, but not by the user: a launcher should know.
    if (DisplayLost()) return EndWithFailure("closed in order after losing the display");
    return static_cast<int>(exitCode);
}
