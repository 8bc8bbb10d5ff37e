#include "app/Seams.h"

#include "app/App.h"
#include "app/DialogRequests.h"
#include "app/Game.h"
#include "app/GameRecordContext.h"
#include "app/ScreenSceneMaker.h"
#include "app/ScriptedInput.h"
#include "engine/EngineScene.h"
#include "foundation/Fault.h"
#include "graphics/GraphicsSeams.h"
#include "platform/GtkMessageBox.h"
#include "platform/InputDevices.h"
#include "play/CurrentPlayScene.h"
#include "play/PlayHost.h"
#include "play/PlayPictureDraw.h"
#include "play/PlayScene.h"

namespace {

// What stage play needs of the game object.
class cGamePlayHost : public cPlayHost {
public:
    int PlayMode() override { return Game.nPlayMode; }
    int PreviousScene() override { return Game.nPrevScene; }
    int FadeLength() override { return Game.nFadeLength; }
    void SetFrameRate(int fps) override { Game.nFrameRate = fps; }
    void SwitchTo(int scene) override {
        Game.nCurrentScene = scene;
        Game.nPrevScene = SCENE_PLAY;
    }
    void WaitNextFrame() override { Game.WaitNextFrame(); }
    void Present() override { Game.FlipScreen(); }
    int IsActive() override { return bActive.load(); }
    int GameKind() override { return Game.nPlayStartA; }
    int RankingsOn() override { return Game.nPlayStartB; }
    int TestPlay() override { return bTestPlay; }
    int EditorStarted() override { return bEditorStarted; }
    void EnterRankingName(std::string& name) override {
        const HWND window = hMainWnd.load();
        if (!window || !IsWindow(window)) return;
        strEntryName = name;
        bNameEntryDone = 0;
        // The send returns once the main window's dialog has ended.
        SendMessageA(window, WM_NAME_ENTRY, 0, 0);
        if (bNameEntryDone.load()) name = strEntryName;
    }
};

cGamePlayHost GamePlayHost;

// Scene 4: the play scene, the one the engine's scene forwards to while it exists.
class cPlaySceneSlot : public cScene {
public:
    cPlaySceneSlot() { lpPlayScene = &play_; }
    ~cPlaySceneSlot() override {
        if (lpPlayScene == &play_) lpPlayScene = nullptr;
    }
    void Run() override { play_.Run(); }

private:
    cPlayScene play_;
};

// The screen scenes by number.
class cPlayerSceneMaker : public cSceneMaker {
public:
    bool Makes(int scene) const override { return MakesScreenScene(scene) || scene == SCENE_PLAY; }
    cScene* Make(int scene) override {
        return scene == SCENE_PLAY ? new cPlaySceneSlot() : MakeScreenScene(scene);
    }
};

cPlayerSceneMaker PlayerSceneMaker;

} // namespace

void InstallSeams() {
    // The records check their references against the loaded databases and
    // palettes, and read the settings of the running player.
    SetRecordContext(&GameRecordContext());
    SetSurfaceAliasing(&GraphicsSurfaceAliasing());
    // Shown pictures are placed by stage play and drawn by the graphics layer.
    static cPlayPictureDraw pictureDraw(GraphicsPictureDraw());
    SetPictureDraw(&pictureDraw);
    SetPresentationTiming(&GraphicsPresentationTiming());
    SetDisplayFactsSource(&GraphicsDisplayFacts());
    SetPlayHost(&GamePlayHost);
    SetSceneMaker(&PlayerSceneMaker);
    SetMessageBoxPresenter(&GtkMessageBoxPresenter());
    SetEngineScene(&CurrentPlayScene());
}

bool InstallInputSource() {
    bool ok = true;
    SetInputSource(LoadScriptedInput(&ok));
    return ok;
}

void RemoveInputSource() {
    SetInputSource(nullptr);
}
