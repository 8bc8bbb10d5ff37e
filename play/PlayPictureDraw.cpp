#include "play/PlayPictureDraw.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/Search.h"

bool cPlayPictureDraw::FindCharaCentre(std::int32_t id, double& x, double& y) {
    const cChara* c = FindCharaById(id);
    if (!c) return false;
    x = c->dX + c->nWidth * 0.5;
    y = c->dY + c->nHeight * 0.5;
    return true;
}

void cPlayPictureDraw::GetScroll(double& x, double& y) {
    const cSceneState& s = Scene();
    x = s.ScrollX.dPos;
    y = s.ScrollY.dPos;
}

void cPlayPictureDraw::GetMapOrigin(std::int32_t& x, std::int32_t& y) {
    const cSceneState& s = Scene();
    x = s.nViewCol;
    y = s.nViewRow;
}
