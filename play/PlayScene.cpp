#include "play/PlayScene.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/Input.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/SystemSurfaces.h"
#include "gui/MenuCursor.h"
#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "play/Camera.h"
#include "play/CharaContacts.h"
#include "play/PlayHost.h"
#include "play/StageEnd.h"
#include "play/StageResources.h"
#include "project/PlayData.h"
#include "project/Stage.h"
#include "project/StageLoad.h"
#include "project/SystemBmp.h"
#include "sound/SoundRequests.h"

#include <cstdio>
#include <new>

cPlayScene* lpPlayScene = nullptr;

namespace {

// The play pictures of the system picture table: 2 to 47, 49 to 51, 55 to 70.
cVector<int> PlayPictures() {
    cVector<int> list;
    for (int i = 2; i <= 47; ++i) list.push_back(i);
    for (int i = 49; i <= 51; ++i) list.push_back(i);
    for (int i = 55; i <= 70; ++i) list.push_back(i);
    return list;
}

constexpr int kFirstBackground = 55; // eight background layers, 55 to 62

// Frames of a fade whose phase moves `step` degrees a frame: every step to
// 90, and the frame at 90 that ends it.
int FadeFrames(int step) {
    return step > 0 ? 1 + (90 + step - 1) / step : 1;
}

} // namespace

cPlayScene::cPlayScene() = default;

cPlayScene::~cPlayScene() {
    if (lpPlayScene == this) lpPlayScene = nullptr;
    // The characters' links point into each other: unlink before the lists go.
    for (cNpcChara& c : scene.CharaList) c.UnlinkTargets();
    for (cHeroChara& h : Heroes) h.UnlinkTargets();
    scene.LiveShots.clear();
    scene.CharaList.clear();
    scene.HeroList.clear();
    ReleaseStagePictures();
    if (DDIsRunning()) {
        for (int i : PlayPictures()) DDReleaseSurface(&SystemSD[i]);
        ReleaseDatabasePictures();
        ReleaseSightMask();
    }
}

cHeroChara* cPlayScene::Hero() {
    return scene.HeroList.empty() ? nullptr : scene.HeroList[0];
}

void cPlayScene::Run() {
    if (nState == PLAY_NOT_ENTERED) {
        try {
            Enter();
        } catch (const std::bad_alloc&) {
            ErrorLogPrintfAndClose(nullptr, "cPlayScene::Enter: out of memory");
        } catch (const char* text) {
            ErrorLogPrintfAndClose(nullptr, "%s", text ? text : "");
        }
        if (nState == PLAY_NOT_ENTERED) nState = PLAY_FADE_IN;
    }
    switch (nState) {
    case PLAY_FADE_IN:
        StateFadeIn();
        break;
    case PLAY_READY:
        StateReady();
        break;
    case PLAY_MAIN:
        StateMain();
        break;
    case PLAY_PAUSE:
        StatePause();
        break;
    case PLAY_CLEAR:
        StateClear();
        break;
    case PLAY_CONTINUE:
        StateContinue();
        break;
    case PLAY_GAME_OVER:
        StateGameOver();
        break;
    case PLAY_LEAVE:
        StateLeave();
        break;
    default:
        break;
    }
}

void cPlayScene::Enter() {
    cPlayHost& host = PlayHost();
    const bool fromItself = host.PreviousScene() == kPlayScene;
    // The eight background layers of the stage as pictures 55 to 62.
    for (int k = 0; k < 8; ++k) {
        BMPFILEDATA& bmp = SystemBmp[kFirstBackground + k];
        const char* name = "";
        if (k < static_cast<int>(Stage.Backgrounds.size()) && Stage.Backgrounds[k].Enabled)
            name = Stage.Backgrounds[k].FileName.c_str();
        std::snprintf(bmp.szFile, sizeof bmp.szFile, "%s", name);
        bmp.nWorkWidth = 640;
        bmp.nWorkHeight = 480;
    }
    if (DDIsRunning()) {
        bool loaded = false;
        if (fromItself) {
            int backgrounds[8];
            for (int k = 0; k < 8; ++k) backgrounds[k] = kFirstBackground + k;
            loaded = DDLoadSurfaces(SystemSD, backgrounds, 8);
        } else {
            const cVector<int> pictures = PlayPictures();
            loaded = DDLoadSurfaces(SystemSD, pictures.data(), static_cast<int>(pictures.size()));
        }
        if (!loaded) {
            // Nothing of the stage is set up: leave for the title instead of
            // running frames on a stage that is not there.
            ReportError("ステージの画像の読み込みに失敗しました！");
            bSetUp = 0;
            nNextScene = 0;
            nState = PLAY_LEAVE;
            nSubState = 0;
            return;
        }
        if (!fromItself) {
            // The databases' own pictures: one that fails to load is logged
            // and draws nothing, the stage still plays.
            RebuildCellSheets();
            LoadCharaExcBitmaps();
            LoadSwordPictures();
            LoadEffectPictures();
        }
    }
    // The life in play is paid on entering; a stage entered again from
    // itself (the next of a series, or the same one again) goes on with the
    // play-through's results.
    if (!fromItself) {
        ResetStageResults();
        UseLife(PlayData, host.TestPlay() != 0);
    }
    SetStage(fromItself ? 1 : 0, 1);
    WorldPos.Reset();
    nSubState = 0;
    if (!bSetUp) {
        // The stage could not be set up (reported there): back to the title.
        nNextScene = 0;
        nState = PLAY_LEAVE;
    }
}

bool cPlayScene::StepFade(bool in) {
    // The fade moves a sine's phase over 90 degrees by the fade length a frame.
    const int step = PlayHost().FadeLength();
    if (DDIsRunning()) {
        // The palette the screens fade is the one in use, from the one loaded:
        // fading the loaded one would leave every later screen black.
        return in ? DDFadeIn(Palette, 0, 255, 0, 0, 0, step, BasePalette, 0)
                  : DDFadeOut(Palette, 0, 255, 0, 0, 0, step, BasePalette, 0);
    }
    // No screen: as many frames as the fade would take.
    if (++nSubState < FadeFrames(step)) return false;
    nSubState = 0;
    return true;
}

void cPlayScene::StateFadeIn() {
    DrawWorld(0, 1, 0, 1);
    if (StepFade(true)) {
        nSubState = 0;
        nState = PLAY_READY;
    }
}

void cPlayScene::StateReady() {
    DrawWorld(0, 1, 0, 1);
    if (StepReadyCaptions(DDIsRunning() ? &BackBuffer : nullptr)) return;
    cHeroChara* hero = Hero();
    if (hero) hero->SetAnime(hero->bStartAnime ? 2 : 0, 1);
    nCaption1 = 0;
    nState = PLAY_MAIN;
}

void cPlayScene::StateLeave() {
    if (!StepFade(false)) return;
    if (DDIsRunning()) DDFillSurfacePal(&BackBuffer, 16);
    ReleaseSightMask();
    cPlayHost& host = PlayHost();
    int next = nNextScene;
    // A free-play stage with no stage after it (and any stage of a test play)
    // starts again; a stage loaded from a file is read again first. One that
    // could not be set up would only fail again: it goes where the scene was
    // sent, and so does a player who chose to quit.
    const bool again = host.TestPlay() || (host.PlayMode() == 3 && !PlayData.bNextStage);
    if (bSetUp && again && !bQuitChosen) {
        PlayData.bNextStage = 0;
        if (!Stage.strPath.empty() && LoadStageForPlay(Stage.strPath, 0, &ReplayStage) != 1)
            PostMainWindowClose();
        next = kPlayScene;
    }
    bQuitChosen = 0;
    host.SetFrameRate(60);
    host.SwitchTo(next);
    nState = PLAY_NOT_ENTERED;
    nSubState = 0;
}

void cPlayScene::StageClear() {
    OnStageClear();
}

// The engine's requests.

int cPlayScene::IsBlockSolid(std::int32_t cell, std::int32_t mode) {
    return BlockGrid.Solidity(cell, mode) != 0 ? 1 : 0;
}

int cPlayScene::IsPlaceBlocked(cChara& chara) {
    return ::IsPlaceBlocked(chara);
}

int cPlayScene::ApplyItem(cItemObj* item, cChara& chara) {
    return ::ApplyItem(item, chara);
}

void cPlayScene::SetAutoScroll(int axis, std::int32_t on, std::int32_t speedValue) {
    ::SetAutoScroll(axis == 0 ? scene.ScrollX : scene.ScrollY, on, speedValue);
}

void cPlayScene::PlaySe(std::int32_t n) {
    ::PlaySe(n);
}

void cPlayScene::PlayDbSe(std::int32_t n) {
    ::PlayDbSe(static_cast<std::uint16_t>(n));
}

void cPlayScene::PlayBgm(std::int32_t bgm, std::int32_t mode) {
    ::PlayBgm(bgm, mode);
}

std::int32_t cPlayScene::DefeatWait() {
    return 60;
}
