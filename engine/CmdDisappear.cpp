#include "engine/CmdDisappear.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/SceneLists.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kDepthLimit = 1000;

enum : std::int32_t {
    VANISH_CHARAS = 0,
    VANISH_SHOTS = 1,
    VANISH_DESCENDANTS = 2,
    VANISH_OWN_SHOTS = 3,
    VANISH_DESCENDANTS_ALL_SHOTS = 4,
    VANISH_DESCENDANTS_THEIR_SHOTS = 5,
};

void Vanish(cChara& c, const cChara& by) {
    if (c.nControl == 1)
        c.bVanish = 1;
    else if (c.nControl == 0)
        c.hp = 0;
    if (&c != &by) Scene().nDefeatCheck = 1;
}

bool InRange(const cStageObj& o, std::int32_t range) {
    return o.bPresent && (range != 0 || o.bOnScreen);
}

// The present shots and swords the character owns.
std::vector<cShotObj*> OwnShots(const cChara& c) {
    std::vector<cShotObj*> shots;
    for (const SHOTLINK& link : c.ShotLinks) {
        if (link.nTag != 4) continue;
        auto* shot = dynamic_cast<cShotObj*>(link.lpObject);
        if (shot && shot->bPresent && std::find(shots.begin(), shots.end(), shot) == shots.end())
            shots.push_back(shot);
    }
    return shots;
}

void VanishOwnShots(cChara& c) {
    for (cShotObj* shot : OwnShots(c)) RemoveShot(*shot);
}

void VanishDescendants(cChara& c, int depth, bool withShots) {
    if (depth > kDepthLimit) return;
    std::vector<cChara*> children;
    for (const cCharaLink& link : c.BackLinks)
        if (link.nSlot == kParentSlot && link.lpChara && link.lpChara->bPresent)
            children.push_back(link.lpChara);
    for (cChara* d : children) {
        if (withShots) VanishOwnShots(*d);
        VanishDescendants(*d, depth + 1, withShots);
        Vanish(*d, c);
    }
}

} // namespace

void RemoveShot(cShotObj& shot) {
    MarkShotRemoved(shot);
    if (!Scene().nDeferRemoval) RemoveMarkedShots();
}

int CmdDisappear(cChara& chara, cFlowCommand& entry) {
    const cVector<std::int32_t>& p = entry.lpCmd->vParam;
    cSceneState& s = Scene();
    switch (p.At(0)) {
    case VANISH_CHARAS: {
        const std::int32_t range = p.At(2);
        // A faction the scene has no list for reaches nobody.
        if (!s.FactionCharas.InRange(p.At(1))) break;
        std::vector<cChara*> reached;
        for (cChara* c : s.FactionCharas.At(p.At(1)))
            if (c && InRange(*c, range)) reached.push_back(c);
        for (cChara* c : reached) Vanish(*c, chara);
        break;
    }
    case VANISH_SHOTS: {
        const std::int32_t range = p.At(2);
        if (!s.FactionShots.InRange(p.At(1))) break;
        std::vector<cShotObj*> reached;
        for (cShotObj* shot : s.FactionShots.At(p.At(1)))
            if (shot && InRange(*shot, range)) reached.push_back(shot);
        for (cShotObj* shot : reached) RemoveShot(*shot);
        break;
    }
    case VANISH_DESCENDANTS:
        VanishDescendants(chara, 0, false);
        break;
    case VANISH_OWN_SHOTS:
        VanishOwnShots(chara);
        break;
    case VANISH_DESCENDANTS_ALL_SHOTS:
        VanishOwnShots(chara);
        VanishDescendants(chara, 0, true);
        break;
    case VANISH_DESCENDANTS_THEIR_SHOTS:
        VanishDescendants(chara, 0, true);
        break;
    default:
        break;
    }
    return 0;
}
