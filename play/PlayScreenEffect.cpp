// The play scene's screen effect: started by the effect command, run once
// a frame by the world drawing over the finished world picture.
#include "play/PlayScene.h"

#include "engine/GraphicSource.h"
#include "graphics/Graphics.h"
#include "play/WorldDraw.h"
#include "project/Stage.h"

namespace {

// The two 640 x 480 work surfaces of the system surface table that the
// screen effects draw through.
constexpr int kScreenEffectWork = 65;
constexpr int kScreenEffectWork2 = 66;

} // namespace

void cPlayScene::StartScreenEffect(std::int32_t effect, std::int32_t mode, std::int32_t loop) {
    const bool wasRunning = ScreenEffect.Running();
    ScreenEffect.Start(effect, mode, loop);
    if (wasRunning && !ScreenEffect.Running() && DDIsRunning()) DDSetVirtualBackBuffer(0);
}

void cPlayScene::StopScreenEffect() {
    if (ScreenEffect.Running() && DDIsRunning()) DDSetVirtualBackBuffer(0);
    ScreenEffect.Stop();
}

void cPlayScene::RunScreenEffect(DDSURFACEDATA* target, int hold) {
    if (!ScreenEffect.Running()) return;
    cScreenEffectView view;
    if (target) {
        view.screen = target;
        view.width = target->nWidth;
        view.height = target->nHeight;
        view.work = SystemSurface(kScreenEffectWork);
        view.work2 = SystemSurface(kScreenEffectWork2);
        view.redrawBackgrounds = [target] {
            DrawBackgrounds(target, Stage.Backgrounds, 0);
            DrawBackgrounds(target, Stage.Backgrounds, 1);
        };
    }
    if (const cHeroChara* hero = Hero()) {
        view.heroX = hero->nScrLeft + (hero->nScrWidth >> 1);
        view.heroY = hero->nScrTop + (hero->nScrHeight >> 1);
    }
    if (RunScreenEffectKind(ScreenEffect, view, hold)) StopScreenEffect();
}
