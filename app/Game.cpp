#include "app/Game.h"

#include "app/FpsMeter.h"
#include "app/MainWnd.h"
#include "app/SystemIni.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "foundation/MessageBox.h"
#include "foundation/Timing.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"

#include <new>

cGame Game;
std::atomic<DWORD> dwFrameCount{0};
DWORD dwFps = 0;
DWORD dwFrameTime = 0;
int bVSyncFullScreen = 0;

namespace {

cNullSceneMaker nullSceneMaker;
cSceneMaker* installedSceneMaker = &nullSceneMaker;

// The order in which idle scenes are deleted.
constexpr int kDeleteOrder[SCENE_COUNT] = {SCENE_TITLE,     SCENE_SAVE, SCENE_WORLD_MAP,
                                           SCENE_CHALLENGE, SCENE_PLAY, SCENE_OPTION};

// The display's refresh rate, which a Direct3D presentation with the
// vertical-blank wait is held to.
constexpr DWORD kRefreshRate = 60;

void ClearBackBuffer() {
    if (DDIsRunning()) DDFillSurfaceColor(&BackBuffer, DDIsDirect3D() ? 0xFF000000u : 0u);
}

} // namespace

cSceneMaker& SceneMaker() {
    return *installedSceneMaker;
}

void SetSceneMaker(cSceneMaker* maker) {
    installedSceneMaker = maker ? maker : &nullSceneMaker;
}

cGame::cGame() = default;

cGame::~cGame() {
    DeleteScenes();
}

void cGame::DeleteScenes() {
    for (int n : kDeleteOrder) {
        if (n == SCENE_PLAY && m_Scenes[n]) lpPlayScene = nullptr;
        m_Scenes[n].reset();
    }
}

void cGame::WaitNextFrame() {
    if (!DDIsDirect3D() && DDIsDirectDraw()) {
        ::WaitNextFrame(static_cast<DWORD>(nFrameRate));
    } else if (DDIsDirect3D() && DDScreenVSync()) {
        // The presentation here does not wait for a vertical blank, so the
        // frame waits for the display's next refresh in its place.
        ::WaitNextFrame(kRefreshRate);
    }
}

void cGame::SwitchScene(int s) {
    if (!bKeepScenes) {
        for (int n : kDeleteOrder) {
            if (n == s || !m_Scenes[n]) continue;
            if (n == SCENE_PLAY) lpPlayScene = nullptr;
            m_Scenes[n].reset();
        }
    }
    if (s < 0 || s >= SCENE_COUNT || m_Scenes[s] || !SceneMaker().Makes(s)) return;
    cScene* made = nullptr;
    try {
        made = SceneMaker().Make(s);
    } catch (const std::bad_alloc&) {
        made = nullptr;
    }
    if (!made) {
        // The slot stays empty and the frame goes on without running it.
        OutOfMemoryQuit();
        return;
    }
    m_Scenes[s].reset(made);
}

int cGame::RunFrame() {
    WaitNextFrame();
    ++dwFrameCount;
    StartStopwatch();
    if (!DDIsDirect3D() && DDIsDirectDraw() && !RestoreLostSurfaces()) return 0;
    UpdateInput(InputList);
    try {
        SwitchScene(nCurrentScene);
    } catch (const char* text) {
        ErrorLogPrintf("%s", text ? text : "");
        PostMainWindowClose();
    }
    if (cScene* scene = Scene(nCurrentScene))
        scene->Run();
    else
        ClearBackBuffer(); // nothing draws this frame: show an empty screen
    dwFps = CountFPS(1);
    dwFrameTime = GetStopwatchTime(1);
    if (IniSetting.ShowFps) {
        FpsMeter.Add(dwFrameTime);
        DrawFpsMeter(IniSetting.ShowFps, dwFps, FpsMeter.Average());
    }
    FlipScreen();
    return 1;
}

void cGame::FlipScreen() {
    if (DDIsDirect3D()) {
        if (!DDPresent(nFrameRate, 0, nullptr) && DDIsDirect3D() && DDScreenWindowMode())
            SendMessageA(hMainWnd.load(), WM_RESTORE_DEVICE, 0, 0);
        return;
    }
    // A stage running faster than the display leaves the pacing to the frame limiter.
    const bool fastStage = m_Scenes[SCENE_PLAY] && nFrameRate > 60;
    DDShowBackBuffer(!fastStage, bVSyncFullScreen && !fastStage);
}

int cGame::RestoreLostSurfaces() {
    if (DDIsDirect3D()) return 1;
    if (!DDIsScreenLost()) return 1;
    if (!DDRestore()) return 0;
    // The digit strips are drawn by the program, not loaded: draw them again.
    for (int i = 0; i < kSysFontCount; ++i) {
        RestoreOneSurface(DigitSD[i]);
        DDDrawDigits(&DigitSD[i], &SysFont[i]);
    }
    return 1;
}

void cGame::RequestBgm(int nMusic, BYTE bLoop, int nSlot) {
    if (nMusic != 0 && bLoop && nMusic == nRequestedBgm && bRequestedLoop) return;
    nRequestedBgm = nMusic;
    bRequestedLoop = bLoop;
    SendMessageA(hMainWnd.load(), WM_USER + 6, static_cast<WPARAM>(nSlot), 0);
}
