// The main window's handling of the messages that its window events bring and
// of the close: the workers end in order, the window goes, WM_QUIT ends the
// UI thread's pump.
#include "app/App.h"

#include "app/SoundMessages.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Thread.h"
#include "platform/WindowEvents.h"
#include "sound/BgmPlayer.h"
#include "sound/SoundRequests.h"

namespace {

void CloseInOrder(HWND hwnd) {
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

} // namespace

LRESULT MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        ErrorLogPrintf("WM_DESTROY");
        hMainWnd = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        CloseInOrder(hwnd);
        return 0;
    case WM_ACTIVATEAPP:
        bActive = wParam != 0 ? 1 : 0;
        return 0;
    case WM_KEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_ESCAPE)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_KEYUP:
        return 0;
    case WM_PLAY_SOUND:
        return OnPlaySoundRequest(wParam);
    case WM_PLAY_MUSIC:
        return OnMusicRequest(wParam, lParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
