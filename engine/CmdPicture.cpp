#include "engine/CmdPicture.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/SceneLists.h"
#include "engine/Search.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/MessageBox.h"
#include "foundation/SystemReport.h"
#include "graphics/Graphics.h"
#include "project/Database.h"
#include "project/IniSetting.h"
#include "records/EdCommand.h"

#include <iterator>

namespace {

const cChara* Hero() {
    const cSceneState& s = Scene();
    return s.HeroList.empty() ? nullptr : s.HeroList.front();
}

// The position of the first picture shown with its ID switch on and ID `id`, or -1.
std::int64_t FindPicture(std::int32_t id) {
    std::int64_t p = 0;
    for (const cPictureState& pic : Scene().Pictures) {
        if (pic.nCallerValue[0] != 0 && pic.nCallerValue[1] == id) return p;
        ++p;
    }
    return -1;
}

// Takes the picture at position p out of the surfaces and the picture list together.
void RemovePictureAt(std::int64_t p) {
    EngineScene().RemovePictureSurface(p);
    ErasePictureAt(p);
}

// In DirectDraw mode a picture that must be stretched without the device's
// stretching, or one loaded while video memory runs short, lives in system memory.
std::int32_t PictureInSystemMemory(std::int32_t scale) {
    if (!DDIsDirectDraw()) return 0;
    if (scale != 100 && IniSetting.DD_VideoStretch == 0) return 1;
    std::uint64_t total = 0, free = 0;
    GetVideoMemoryMB(&total, &free);
    return total > 0 && free * 100 / total < 20 ? 1 : 0;
}

// Hands the game to the pause runner for the job set; a time mode that sets
// no job of its own waits for the advance key, so the hold always ends.
void HoldForPicture(std::int32_t timeMode, std::int32_t timer) {
    cSceneState& s = Scene();
    if (timeMode == PICTURE_TIMED)
        s.PauseJob.Set(kPausePicture, 0, timer, 0);
    else
        s.PauseJob.Set(kPausePicture, 1, 0, 0);
    EngineScene().HoldGame();
}

} // namespace

void CalcEffectPosition(double& x, double& y, std::int32_t width, std::int32_t height, const cChara& subject,
                        std::int32_t mode, std::int32_t cellX, std::int32_t cellY, std::int32_t offsetX,
                        std::int32_t offsetY) {
    const cSceneState& s = Scene();
    const std::int32_t w2 = width >> 1, h2 = height >> 1;
    const double sx = s.ScrollX.dPos, sy = s.ScrollY.dPos;
    const cChara* centre = mode == PICTURE_CHARA_CENTRE ? &subject : mode == PICTURE_HERO_CENTRE ? Hero() : nullptr;
    if (centre) {
        x = (centre->nScrLeft + (centre->nScrWidth >> 1)) + sx - w2 + offsetX;
        y = (centre->nScrTop + (centre->nScrHeight >> 1)) + sy - h2 + offsetY;
    } else if (mode == PICTURE_SCREEN_POS) {
        x = cellX * 32 + sx + offsetX;
        y = cellY * 32 + sy + offsetY;
    } else if (mode == PICTURE_STAGE_POS) {
        x = (s.nViewCol + cellX) * 32 + offsetX;
        y = (s.nViewRow + cellY) * 32 + offsetY;
    } else {
        x = sx + 320 - w2 + offsetX;
        y = sy + 240 - h2 + offsetY;
    }
}

int CmdShowPicture(cChara& chara, cFlowCommand& entry) {
    // Shown (and loaded) on the first call of a run of the command only.
    if (entry.bStarted++) return 0;
    cEngineScene& scene = EngineScene();
    cSceneState& s = scene.State();
    if (s.nQuit) return 0;
    const cVector<std::int32_t>& p = entry.lpCmd->vParam;
    const auto picture = static_cast<std::int16_t>(p.At(0));
    const std::int32_t withId = p.At(12), id = p.At(13);

    if (picture == 0) {
        if (!withId) {
            scene.ClearPictureSurfaces();
            s.Pictures.clear();
        } else if (const std::int64_t at = FindPicture(id); at >= 0) {
            RemovePictureAt(at);
        }
        return 0;
    }
    std::int64_t at = withId ? FindPicture(id) : -1;
    if (at >= 0) RemovePictureAt(at);

    const std::string& file = Database.Picture.At(picture).strFile;
    const std::int32_t scale = p.At(7);
    std::int32_t width = 0, height = 0;
    if (!scene.AddPictureSurface(at, file, PictureInSystemMemory(scale), width, height)) {
        // Nothing was added: the surfaces and the picture list stay in step.
        ErrorBoxPrintf("%s 読み込み失敗！", file.c_str());
        ErrorLogPrintf("%s 読み込み失敗！", file.c_str());
        PostMainWindowClose();
        return 0;
    }
    const std::int32_t timer = p.At(14) ? 1 : p.At(9) * 6;
    const std::int32_t place = p.At(1);
    const cChara* followed = place == PICTURE_CHARA_CENTRE ? &chara : place == PICTURE_HERO_CENTRE ? Hero() : nullptr;
    const std::int32_t charaId = followed ? followed->nId : 0;
    const std::int32_t stop = p.At(10);

    cPictureState state;
    state.Setup(static_cast<std::uint16_t>(picture), place, p.At(2), p.At(3), p.At(4), p.At(5), width, height,
                p.At(11), p.At(6), scale, p.At(8), timer, stop, charaId, withId, id);
    if (charaId != 0) {
        if (const cChara* c = FindCharaById(charaId)) {
            state.dCharaX = c->dX + (c->nWidth >> 1);
            state.dCharaY = c->dY + (c->nHeight >> 1);
        }
    }
    if (at >= 0)
        InsertPictureAt(at, state);
    else
        s.Pictures.push_back(state);
    if (!stop) return 0;

    HoldForPicture(p.At(8), timer);
    RemovePictureAt(at >= 0 ? at : static_cast<std::int64_t>(s.Pictures.size()) - 1);
    return 0;
}

int CmdRunEffect(cChara& chara, cFlowCommand& entry) {
    if (entry.bStarted++) return 0;
    cEngineScene& scene = EngineScene();
    cSceneState& s = scene.State();
    if (s.nQuit) return 0;
    const cVector<std::int32_t>& p = entry.lpCmd->vParam;
    const auto number = static_cast<std::int16_t>(p.At(0));
    if (number == 0) {
        scene.ClearEffects();
        return 0;
    }
    const cEffect& effect = Database.Effect.At(number);
    cEffectPlacement placed;
    placed.sEffect = number;
    placed.nWidth = ScaleSize(effect.nCellWidth, p.At(6));
    placed.nHeight = ScaleSize(effect.nCellHeight, p.At(6));
    placed.bScaled = placed.nWidth != effect.nCellWidth ? 1 : 0;
    placed.bStop = p.At(7);
    CalcEffectPosition(placed.dX, placed.dY, placed.nWidth, placed.nHeight, chara, p.At(1), p.At(2), p.At(3),
                       p.At(4), p.At(5));
    scene.AddEffect(placed);
    if (!placed.bStop) return 0;

    std::int32_t frames = 0;
    for (const cEffectFrame& f : effect.Frames) frames += f.nWait * 6;
    s.PauseJob.Set(kPauseEffect, 0, frames, 0);
    scene.HoldGame();
    return 0;
}
