#include "app/Game.h"

#include "app/FpsMeter.h"
#include "app/SystemIni.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "foundation/MessageBox.h"
#include "foundation/Timing.h"
#include "graphics/Graphics.h"

#include <new>

cGame Game;
cPlayScene* lpPlayScene = nullptr;
DWORD dwFrameCount = 0;
DWORD dwFps = 0;
DWORD dwFrameTime = 0;
int bVSyncFullScreen = 0;

namespace {

SceneMaker SceneMakers[SCENE_COUNT] = {};

// The order in which idle scenes are deleted.
constexpr int kDeleteOrder[SCENE_COUNT] = {SCENE_TITLE,     SCENE_SAVE, SCENE_WORLD_MAP,
                                           SCENE_CHALLENGE, SCENE_PLAY, SCENE_OPTION};

// The display's refresh rate, which a Direct3D presentation with the
// vertical-blank wait is held to.
constexpr DWORD kRefreshRate = 60;

cDirectDrawSurface* DDSurface(DDSURFACEDATA& sd) {
    return sd.lpDDData ? sd.lpDDData->lpSurface : nullptr;
}

// A lost surface is restored; one loaded from a file gets its picture back.
bool RestoreOneSurface(DDSURFACEDATA& sd) {
    cDirectDrawSurface* s = DDSurface(sd);
    if (!s || s->IsLost() != DDERR_SURFACELOST) return true;
    if (FAILED(s->Restore())) return false;
    if (sd.szFile[0] == '\0' || (sd.szFile[0] == 'E' && sd.szFile[1] == '\0')) return true;
    sd.bLost = 1;
    return DDReloadSurface(&sd, nBpp);
}

void ClearBackBuffer() {
    if (lpDTCon || lpDDCon) DDFillSurfaceColor(&BackBuffer, lpDTCon ? 0xFF000000u : 0u);
}

} // namespace

void SetSceneMaker(int scene, SceneMaker maker) {
    if (scene >= 0 && scene < SCENE_COUNT) SceneMakers[scene] = maker;
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
    if (!lpDTCon && lpDDCon) {
        ::WaitNextFrame(static_cast<DWORD>(nFrameRate));
    } else if (lpDTCon && nVSync) {
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
    if (s < 0 || s >= SCENE_COUNT || m_Scenes[s] || !SceneMakers[s]) return;
    cScene* made = nullptr;
    try {
        made = SceneMakers[s]();
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
    if (!lpDTCon && lpDDCon && !RestoreLostSurfaces()) return 0;
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
    if (lpDTCon) {
        if (!DDPresent(nFrameRate, 0, nullptr) && lpDTCon && bWindowMode)
            SendMessageA(hMainWnd.load(), WM_USER + 100, 0, 0);
        return;
    }
    cDirectDrawSurface* primary = DDSurface(PrimarySD);
    cDirectDrawSurface* back = DDSurface(BackBuffer);
    if (!lpDDCon || !lpDD || !primary || !back) return;
    const bool fastStage = m_Scenes[SCENE_PLAY] && nFrameRate > 60;
    if (bWindowMode) {
        if (!fastStage) lpDD->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN);
        primary->Blt(&rcWindowScreen, back, nullptr, DDBLT_WAIT, nullptr);
    } else if (bVSyncFullScreen && !fastStage) {
        primary->Flip(nullptr, DDFLIP_WAIT);
    } else {
        DDBltFast(&PrimarySD, 0, 0, nScreenWidth, nScreenHeight, &BackBuffer, 0, 0, 0);
    }
}

int cGame::RestoreLostSurfaces() {
    if (lpDTCon) return 1;
    cDirectDrawSurface* primary = DDSurface(PrimarySD);
    if (!primary || primary->IsLost() != DDERR_SURFACELOST) return 1;
    if (!RestoreOneSurface(PrimarySD) || !RestoreOneSurface(BackBuffer)) return 0;
    if (lpSystemSD)
        for (int i = 0; i < nSDCount; ++i)
            if (!RestoreOneSurface(lpSystemSD[i])) return 0;
    return 1;
}

void cGame::RequestBgm(int nMusic, BYTE bLoop, int nSlot) {
    if (nMusic != 0 && bLoop && nMusic == nRequestedBgm && bRequestedLoop) return;
    nRequestedBgm = nMusic;
    bRequestedLoop = bLoop;
    SendMessageA(hMainWnd.load(), WM_USER + 6, static_cast<WPARAM>(nSlot), 0);
}
