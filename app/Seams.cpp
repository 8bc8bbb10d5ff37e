// The one place where the program installs the real implementations of the
// lower layers' seams and registers its screen scenes.
#include "app/App.h"
#include "app/Game.h"
#include "play/PlayHost.h"
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
};

cGamePlayHost GamePlayHost;

// Scene 4: the play scene, installed as the engine's scene while it exists.
class cPlaySceneSlot : public cScene {
public:
    cPlaySceneSlot() {
        lpPlayScene = &play_;
        SetEngineScene(&play_);
    }
    ~cPlaySceneSlot() override {
        SetEngineScene(nullptr);
        if (lpPlayScene == &play_) lpPlayScene = nullptr;
    }
    void Run() override { play_.Run(); }

private:
    cPlayScene play_;
};

cScene* MakePlayScene() {
    return new cPlaySceneSlot();
}

} // namespace

void InstallSeams() {
    SetPlayHost(&GamePlayHost);
    SetSceneMaker(SCENE_PLAY, MakePlayScene);
}
