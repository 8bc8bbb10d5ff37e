#include "app/ScreenScene.h"

#include "foundation/Fault.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "project/SystemData.h"

#include <algorithm>

cScreenScene::~cScreenScene() {
    if (!DDIsRunning()) return;
    for (int i = 0; i < pictureCount_; ++i) DDReleaseSurface(&SystemSD[pictures_[i]]);
}

void cScreenScene::Run() {
    cInput& input = Input();
    input.RepeatDirection();
    // Decide and cancel act once a press: both read as released until both are let go.
    input.TriggerButtons(kButtonDecide | kButtonCancel);
    if (nState == kNotEntered) {
        Enter();
        if (nState == kNotEntered) nState = 0;
    }
    if (nState == 0)
        FadeIn();
    else if (nState == leaveState_)
        Leave();
    else
        RunState(nState);
}

bool cScreenScene::StepFadeIn() {
    if (!DDIsRunning()) return ++fadeFrame_ >= std::max(Game.nFadeLength, 1) ? (fadeFrame_ = 0, true) : false;
    DrawFrame();
    return DDFadeIn(Palette, 0, 255, 0, 0, 0, 90.0 / std::max(Game.nFadeLength, 1), BasePalette, 0);
}

bool cScreenScene::StepFadeOut() {
    if (!DDIsRunning()) return ++fadeFrame_ >= std::max(Game.nFadeLength, 1) ? (fadeFrame_ = 0, true) : false;
    DrawFrame();
    return DDFadeOut(Palette, 0, 255, 0, 0, 0, 90.0 / std::max(Game.nFadeLength, 1), BasePalette, 0);
}

void cScreenScene::HandOver(int thisScene) {
    if (DDIsRunning()) DDFillSurfacePal(&BackBuffer, 16);
    WorldPos.Reset();
    Game.nPrevScene = thisScene;
    Game.nCurrentScene = Game.nNextScene;
}

bool cScreenScene::LoadPictures(const int* pictures, int count) {
    for (int i = 0; i < count && pictureCount_ < static_cast<int>(std::size(pictures_)); ++i)
        pictures_[pictureCount_++] = pictures[i];
    if (!DDIsRunning()) return true;
    if (DDLoadSurfaces(SystemSD, pictures, count)) return true;
    PostMainWindowClose();
    return false;
}

bool cScreenScene::MakePage(DDSURFACEDATA& page, int width, int height, int colourKey) {
    if (!DDIsRunning()) return true;
    DDReleaseSurface(&page);
    if (DDCreateSurface(&page, width, height, colourKey, 0, 0, 0, 0)) return true;
    PostMainWindowClose();
    return false;
}

int CollectEnabledItems(const cVector<cCmd>& menu, int* rows, int capacity) {
    int n = 0;
    for (std::size_t i = 0; i < menu.size() && n < capacity; ++i)
        if (menu[i].bEnabled) rows[n++] = static_cast<int>(i);
    if (n == 0) rows[n++] = 0;
    return n;
}

void RequestScreenMusic(int slot) {
    const std::int64_t s = slot;
    const std::int32_t music = SystemData.ScreenMusic.InRange(s) ? SystemData.ScreenMusic[s] : 0;
    const BYTE loop = SystemData.ScreenMusicFlags.InRange(s) ? SystemData.ScreenMusicFlags[s] : 1;
    Game.RequestBgm(music, loop, slot);
}
