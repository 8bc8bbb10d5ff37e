// The main window's handling of the messages that its window events bring, of
// the game side's requests and of the close: the workers end in order, the
// window goes, WM_QUIT ends the UI thread's pump.
#include "app/MainWnd.h"

#include "app/App.h"
#include "app/DialogRequests.h"
#include "app/ReplayRequests.h"
#include "app/SoundMessages.h"
#include "app/WindowRecord.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Thread.h"
#include "graphics/Graphics.h"
#include "platform/Cp932.h"
#include "platform/WindowEvents.h"
#include "play/ReplayKeys.h"
#include "project/DataPath.h"
#include "project/IniSetting.h"
#include "sound/BgmPlayer.h"
#include "sound/SoundRequests.h"

cMainWnd MainWnd;

namespace {

void CloseInOrder(HWND hwnd) {
    if (IniSetting.WindowMode != 0 && bAppRunning && lpMainPresenter)
        SaveWindowRecord(lpMainPresenter, DataPath.At(DP_WINDOW));
    ErrorLogPrintf("WM_CLOSE 成功！");
    BgmPlayer.Stop();
    thLoad.Exit();
    thPause.Exit();
    thPage.Exit();
    ErrorLogPrintf("thPause.Exit()");
    thGame.Exit();
    ErrorLogPrintf("thGame.Exit()");
    DestroyWindow(hwnd);
}

void SendToEditor(std::uintptr_t kind, std::uint32_t value) {
    HWND editor = FindEditorWindow();
    if (!editor) return;
    COPYDATASTRUCT data;
    data.dwData = kind;
    data.cbData = sizeof value;
    data.lpData = &value;
    SendMessageA(editor, WM_COPYDATA, reinterpret_cast<WPARAM>(hMainWnd.load()),
                 reinterpret_cast<LPARAM>(&data));
}

} // namespace

HWND FindEditorWindow() {
    return FindWindowA("Brindlecraft4_Editor", "ブリンドルクラフト4");
}

void NotifyEditor(std::uint32_t value) {
    SendToEditor(0, value);
}

void NotifyEditorStarted() {
    SendToEditor(1, 1);
}

LRESULT cMainWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    m_hWnd = hwnd;
    GetMouse(0, 7);
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        ErrorLogPrintf("WM_DESTROY");
        m_hWnd = nullptr;
        hMainWnd = nullptr;
        if (bEditorStarted) NotifyEditor(1);
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        CloseInOrder(hwnd);
        return 0;
    case WM_ACTIVATEAPP:
        // Back from elsewhere in Direct3D full screen: the device was lost meanwhile.
        // The game thread must not draw while the surfaces are made again.
        if (!bActive && wParam && DDIsDirect3D() && !DDScreenWindowMode()) {
            SuspendThreads();
            DDRestoreSurface();
            ResumeThreads();
        }
        bActive = wParam != 0 ? 1 : 0;
        // The game thread and the play workers wait for a message while inactive.
        if (bActive) {
            PostThreadMessageA(thGame.GetThreadId(), WM_APP, 0, 0);
            PostThreadMessageA(thPause.GetThreadId(), WM_APP, 0, 0);
            PostThreadMessageA(thPage.GetThreadId(), WM_APP, 0, 0);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_ESCAPE)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_KEYUP:
        return 0;
    case WM_NAME_ENTRY:
        return OnNameEntryRequest(this);
    case WM_OPEN_STAGE_FILE:
        return OnStageFileRequest(this);
    case WM_OPEN_REPLAY_FILE:
        return OnReplayOpenRequest(this);
    case WM_SAVE_REPLAY:
        return OnReplaySaveRequest(this, wParam);
    case WM_RESTORE_DEVICE:
        DDRestoreSurface();
        return 0;
    case WM_PLAY_SOUND:
        return OnPlaySoundRequest(wParam);
    case WM_PLAY_MUSIC:
        return OnMusicRequest(wParam, lParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MainWnd.OnMessage(hwnd, message, wParam, lParam);
}
