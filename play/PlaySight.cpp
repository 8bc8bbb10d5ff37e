// The darkness of the hero's limited sight: built when the stage is set up and
// whenever the hero's sight changes, drawn over the world each frame, and let
// go when the scene leaves.
#include "graphics/Graphics.h"
#include "play/PlayScene.h"
#include "play/StageResources.h"

namespace {

// The shapes the hero draws a darkness for: circles and squares, about the
// hero or ahead of it.
bool LimitsSight(const cHeroChara& hero) {
    return hero.Def.SightShape >= 1 && hero.Def.SightShape <= 4;
}

} // namespace

void cPlayScene::CreateSightMask() {
    cHeroChara* hero = Hero();
    // A hero that sees everything never draws a darkness: none is kept.
    if (!DDIsRunning() || !hero || !LimitsSight(*hero)) {
        ReleaseSightMask();
        return;
    }
    ::CreateSightMask(SightDark, SightCircle, hero->nSightPixels, hero->Def.SightShape);
    SightDark.bLost = 0;
}

void cPlayScene::ReleaseSightMask() {
    if (!DDIsRunning()) return;
    DDReleaseSurface(&SightDark);
    DDReleaseSurface(&SightCircle);
    SightDark.bLost = 0;
}

void cPlayScene::DrawSightMask(DDSURFACEDATA* target) {
    cHeroChara* hero = Hero();
    if (!target || !hero || !LimitsSight(*hero)) return;
    // A device reset leaves the darkness an empty surface: without this the
    // hero would see the whole stage until its sight next changed.
    if (SightDark.bLost) CreateSightMask();
    hero->DrawSightMask(target, &SightDark);
}
