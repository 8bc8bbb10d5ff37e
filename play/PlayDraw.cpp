// The world drawing's order, and the drawing of the hero and the characters
// with what their defeat displays decide. The defeat displays run even when
// no drawing face is running (headless runs), since the hero's decides what
// follows its death; pictures are drawn only when a face runs.
#include "play/PlayScene.h"

#include "engine/FlashColors.h"
#include "engine/Indicators.h"
#include "engine/SceneLists.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "play/PlayHost.h"
#include "play/WorldDraw.h"
#include "project/ScreenWords.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <algorithm>

namespace {

DDSURFACEDATA* Target() {
    return DDIsRunning() ? &BackBuffer : nullptr;
}

constexpr int kEditorCaptionWord = 26;
constexpr int kTestPlayCaptionWord = 27;

// A run started from the editor says at the bottom how to leave it.
void DrawRunCaption(DDSURFACEDATA* target) {
    cPlayHost& host = PlayHost();
    const int word = host.TestPlay() ? kTestPlayCaptionWord : host.EditorStarted() ? kEditorCaptionWord : -1;
    if (word < 0 || !SystemData.Words.InRange(word)) return;
    const std::string& text = SystemData.Words[static_cast<std::size_t>(word)];
    SysFont[1].DrawText(target, 320 - CountTextChars(text) * 8, 456, text.c_str(), 0);
}

} // namespace

bool cPlayScene::DrawHero(DDSURFACEDATA* target, int frozen) {
    cHeroChara* hero = Hero();
    if (!hero) return false;
    if (hero->bDying) return hero->DrawDefeated(target, frozen) != 0;
    if (!target) return false;
    hero->Draw(target, frozen);
    hero->DrawHpGauge(target);
    hero->DrawSpGauge(target);
    return false;
}

int cPlayScene::DrawChara(cNpcChara& chara, DDSURFACEDATA* target, int frozen) {
    if (chara.bDying) return chara.DrawDefeated(target, frozen);
    if (!chara.bPresent) {
        chara.StepAnime();
        return 0;
    }
    if (!target) return 0;
    chara.Draw(target, frozen);
    chara.DrawHpGauge(target);
    chara.DrawSpGauge(target);
    return 0;
}

void cPlayScene::DrawWorld(int running, int frozen, int time, int captions) {
    DDSURFACEDATA* target = Target();
    // A lost device takes the work pictures' contents with it: they are laid
    // out again before anything draws from them.
    if (target && (SystemSD[kShotSheet].bLost || SystemSD[kShotMirrorSheet].bLost)) {
        RebuildCellSheets();
        SystemSD[kShotSheet].bLost = 0;
        SystemSD[kShotMirrorSheet].bLost = 0;
    }
    // The project may hide the world behind the pause menu: only the
    // backgrounds and the screen colour are drawn then.
    const bool hideWorld = !running && nState == PLAY_PAUSE && SystemData.bDrawWorldSwitch != 0;
    // A screen effect distorts the finished picture: in Direct3D the world is
    // drawn into the virtual back buffer, which the effect can read back. A
    // hidden world runs no effect, so it is drawn where the frame is shown.
    if (target && ScreenEffect.Running()) DDSetVirtualBackBuffer(hideWorld ? 0 : 1);
    if (target) DDFillSurfaceColor(target, DDIsDirect3D() ? 0xFF000000u : 0u);
    // Behind the objects: backgrounds of layer 0, pictures of layer 0, then map
    // layer 0; in front of them map layer 1, backgrounds of layer 1, the
    // indicators, pictures of layer 1, then the status bar and countdown.
    StepBackgrounds(Stage.Backgrounds, nState == PLAY_PAUSE);
    DrawBackgrounds(target, Stage.Backgrounds, 0);
    if (hideWorld) {
        DrawBackgrounds(target, Stage.Backgrounds, 1);
        DrawScreenColor(target, frozen);
        return;
    }
    DrawPictures(target, 0, frozen);
    DrawMapLayer(target, 0);
    cHeroChara* hero = Hero();
    bool heroDefeatEnded = false;
    const int layers = Stage.bObjectLayers ? 8 : 1;
    // A z that a status command set outside the layers draws in the nearest
    // one: a character never drawn would never finish its defeat display.
    const auto layerOf = [layers](int z) { return layers == 1 ? 0 : std::clamp(z, 0, 7); };
    // Drawing runs no flows, so no character or shot joins, leaves or changes
    // its layer while the layers are drawn: one walk of each list sorts them
    // into their layers, and each layer draws its own in list order.
    for (auto& charas : LayerCharas) charas.clear();
    for (auto& shots : LayerShots) shots.clear();
    for (cNpcChara& c : scene.CharaList)
        LayerCharas[static_cast<std::size_t>(layerOf(c.Def.z))].push_back(&c);
    if (target)
        for (cShotObj& s : scene.LiveShots)
            if (!s.nMarkRemove) LayerShots[static_cast<std::size_t>(layerOf(s.Shot.cZ))].push_back(&s);
    for (int layer = 0; layer < layers; ++layer) {
        if (hero && layerOf(hero->Def.z) == layer && DrawHero(target, frozen)) heroDefeatEnded = true;
        for (cNpcChara* c : LayerCharas[static_cast<std::size_t>(layer)])
            if (DrawChara(*c, target, frozen)) MarkCharaRemoved(*c);
        DrawLayerObjects(target, layer, frozen);
    }
    // Characters whose defeat display ended leave after the walk; while a
    // worker draws, the game thread may hold one of them (it is the one whose
    // defeat cleared the stage): they leave at the game thread's next drawing.
    if (!bGameHeld) RemoveMarkedCharas();
    DrawMapLayer(target, 1);
    DrawBackgrounds(target, Stage.Backgrounds, 1);
    if (target) DrawCharaIndicators(target);
    DrawSightMask(target);
    DrawPictures(target, 1, frozen);
    DrawEffectsAndMessages(target, frozen);
    RunScreenEffect(target, frozen);
    DrawStatusBar(target);
    DrawCountdown(target, time);
    if (captions && target) DrawRunCaption(target);
    AnimateFlashColors();
    DrawScreenColor(target, frozen);
    // What follows the hero's defeat may set the stage up again, which frees
    // every object this drawing walks: it waits until the picture is done.
    if (heroDefeatEnded && !bGameHeld) AfterHeroDefeat();
}
