// The game object and the frame driver. `Game` owns the six screen scenes and
// decides which one runs; the game thread calls cGame::RunFrame once per turn,
// and one call is one frame: pacing, surface recovery, the scene switch, the
// current scene's Run, the frames-per-second meter and the presentation.
#pragma once

#include "platform/Seam.h"
#include "platform/Types.h"

#include <atomic>
#include <memory>

// Base of every screen scene.
class cScene {
public:
    virtual ~cScene() = default;
    // One frame of the scene.
    virtual void Run() {}
    virtual void Enter() {}
    virtual void FadeIn() {}
    virtual void Leave() {}
};

class cPlayScene;

enum SceneNumber : int {
    SCENE_TITLE = 0,
    SCENE_WORLD_MAP = 1,
    SCENE_SAVE = 2,
    SCENE_CHALLENGE = 3,
    SCENE_PLAY = 4,
    SCENE_OPTION = 5,
    SCENE_COUNT = 6
};

// Makes the screen scenes; the player's is installed at start-up. A scene it
// does not make stays an empty slot, and an empty slot is never run. Make may
// throw std::bad_alloc or a character string; nullptr is a failed allocation.
class cSceneMaker {
public:
    virtual ~cSceneMaker() = default;
    virtual bool Makes(int scene) const = 0;
    virtual cScene* Make(int scene) = 0;
};

class cNullSceneMaker : public cSceneMaker {
public:
    bool Makes(int) const override { return false; }
    cScene* Make(int) override { return nullptr; }
};

cSceneMaker& SceneMaker();
void SetSceneMaker(cSceneMaker* maker);
using cScopedSceneMaker = cScopedSeam<cSceneMaker, SceneMaker, SetSceneMaker>;

class cGame {
public:
    cGame();
    ~cGame();
    cGame(const cGame&) = delete;
    cGame& operator=(const cGame&) = delete;

    // Non-zero to go on; 0 when the frame failed (the program then closes).
    int RunFrame();
    // Deletes idle scenes and makes scene s when it is missing.
    void SwitchScene(int s);
    void DeleteScenes();
    // Asks the main window to play the music of a fixed slot 0-3.
    void RequestBgm(int nMusic, BYTE bLoop, int nSlot);
    void FlipScreen();
    int RestoreLostSurfaces();

    // Waits until the next frame is due (the pacing of the drawing face).
    void WaitNextFrame();

    cScene* Scene(int n) const { return (n >= 0 && n < SCENE_COUNT) ? m_Scenes[n].get() : nullptr; }

    int nCurrentScene = 0;
    int nNextScene = 0;
    int nPrevScene = 0;
    int nPlayMode = 0; // 4 = replay playback
    // The game kind (0 story, 1 challenge, 2 free play, 3 replay) and its
    // ranking switch, set when a mode is chosen on the title.
    int nPlayStartA = 0, nPlayStartB = 0;
    // Where the challenge list was left: its cursor row and first row.
    int nChallengeRow = 0, nChallengeTop = 0;
    int bKeepScenes = 0; // never set: idle scenes go at the next frame
    int nFrameRate = 0;  // 60, or the stage's own while a stage plays
    int nFadeLength = 0;
    int nRequestedBgm = 0;
    BYTE bRequestedLoop = 0;

private:
    std::unique_ptr<cScene> m_Scenes[SCENE_COUNT];
};

extern cGame Game;
// The play scene while scene 4 exists (set by its maker), else null.
extern cPlayScene* lpPlayScene;

// Frame-driver state.
// Frames run so far; counted by the game thread and read by the UI thread.
extern std::atomic<DWORD> dwFrameCount;
extern DWORD dwFps;
extern DWORD dwFrameTime;
// DirectDraw full screen flips on the vertical blank (decided at start-up).
extern int bVSyncFullScreen;
