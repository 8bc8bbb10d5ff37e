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
#include "platform/InstanceLock.h"
#include "platform/KeyboardHook.h"
#include "platform/PathResolver.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlPresenter.h"
#include "platform/WindowEvents.h"

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
constexpr DWORD kForcedEndMs = 500;

void TwiceStartedFailure() {
    MesBox("プログラムの終了に失敗しました。", "二重起動", MB_OK);
}

// Another copy holds the lock. True when this one may go on.
bool TakeOverFromRunningCopy(cInstanceLock& lock) {
    int answer = MesBox("既に起動しています。\n実行中のプログラムを閉じて再起動しますか？\n\nRunning this "
                        "program now. Restart?",
                        "二重起動", MB_YESNO);
    if (answer != IDYES) return false;
    pid_t holder = 0;
    switch (lock.AskHolderToClose(&holder)) {
    case cInstanceLock::AskResult::NoListener:
        return true; // it has no window yet: nothing to end
    case cInstanceLock::AskResult::NotThisProgram:
        TwiceStartedFailure();
        return false;
    case cInstanceLock::AskResult::Asked:
        break;
    }
    if (lock.AcquireWithin(kOrderlyCloseMs)) return true;
    // It did not close in order: end it, as it is this same program.
    if (cInstanceLock::ForceEnd(holder) && lock.AcquireWithin(kForcedEndMs)) return true;
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
            Sleep(1);
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
    InstallSeams();
    SetErrorLog(false, "EC_Game.txt");
    std::string report = "Report_Game.txt";
    MakeFullPath(report);
    if (!SetReportFile(ResolvePathForWriting(report))) return 0;
    ReportPrintf("App : ver %s", kVersion);
    ReportSystemInfo();
    bEditorStarted = nCmdShow == 5 ? 1 : 0;
    SetScriptedCloseFrames(ReadScriptedCloseFrames());
    if (!InstallInputSource()) return 0;
    InstallSdlMessageBoxes();

    cInstanceLock lock(Cp932ToUtf8("ゲーム"));
    if (!lock.TryAcquire() && !TakeOverFromRunningCopy(lock)) return 0;

    if (!RegisterWindowClass(kClassName, MainWndProc)) return 0;
    HWND hwnd = CreateWindowA(kClassName, "");
    cSdlPresenter presenter;
    if (!hwnd || !presenter.Open("", kClientWidth, kClientHeight, false) || !StartWindowEvents()) {
        ErrorBox("ウインドウが生成出来ません！");
        if (hwnd) DestroyWindow(hwnd);
        UnregisterWindowClass(kClassName);
        return 0;
    }
    lpMainPresenter = &presenter;
    SetActiveWindow(hwnd);
    if (bEditorStarted) NotifyEditorStarted();
    // A later copy's request to close comes as the close box's message.
    lock.Listen([hwnd] { PostMessageA(hwnd, WM_CLOSE, 0, 0); });

    WPARAM exitCode = 0;
    bool ran = false;
    if (!InitProgram(commandLine, nCmdShow)) {
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
    if (ran) ReportScriptedCloseEnd(presented);
    return static_cast<int>(exitCode);
}
