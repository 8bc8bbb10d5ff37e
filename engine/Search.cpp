#include "engine/Search.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "foundation/CompareOp.h"

#include <cstdlib>

bool cCharaFilter::Passes(const cChara& c) const {
    if (bCid && c.Def.cid != nCid) return false;
    if (bVar) {
        // A variable index past the character's variables fails the filter.
        if (!c.Vars.InRange(nVarIndex)) return false;
        if (!CompareByOp(c.Vars[static_cast<std::size_t>(nVarIndex)], nVarValue, nVarOp)) return false;
    }
    if (bNotId && c.nId == nNotId) return false;
    if (bNotInvincible1 && c.Def.Invincible == 1) return false;
    if (bNotInvincible2 && c.Def.Invincible == 2) return false;
    if (bNotBlockChara && c.Def.BlockChara != 0) return false;
    return true;
}

namespace {

bool TakesPart(const cChara& c) {
    return c.bPresent && !c.bVanish;
}

std::int64_t DistanceTo(double x, double y, const cChara& c) {
    const double cx = c.nScrLeft + c.nScrWidth / 2;
    const double cy = c.nScrTop + c.nScrHeight / 2;
    return static_cast<std::int64_t>(std::abs(x - cx) + std::abs(y - cy));
}

// One pass over the list: 1 only on screen, 0 only off screen, -1 all.
cChara* NearestPass(double x, double y, const cList<cChara*>& list, int onScreen,
                    const cCharaFilter& filter) {
    cChara* best = nullptr;
    std::int64_t bestDistance = 0;
    for (cChara* c : list) {
        if (!c || !TakesPart(*c)) continue;
        if (onScreen == 1 && !c->bOnScreen) continue;
        if (onScreen == 0 && c->bOnScreen) continue;
        if (!filter.Passes(*c)) continue;
        const std::int64_t d = DistanceTo(x, y, *c);
        if (!best || d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

cChara* FindNearestCharaAt(double x, double y, const cList<cChara*>& list, int preference,
                           const cCharaFilter& filter) {
    switch (preference) {
    case NEAREST_ON_SCREEN_FIRST:
        if (cChara* c = NearestPass(x, y, list, 1, filter)) return c;
        return NearestPass(x, y, list, 0, filter);
    case NEAREST_ALL:
        return NearestPass(x, y, list, -1, filter);
    case NEAREST_ON_SCREEN_ONLY:
        return NearestPass(x, y, list, 1, filter);
    default:
        return nullptr;
    }
}

cChara* FindFirstChara(const cList<cChara*>& list, const cCharaFilter& filter) {
    for (cChara* c : list)
        if (c && !c->bVanish && filter.Passes(*c)) return c;
    return nullptr;
}

cChara* FindLastCharaById(const cVector<std::pair<cChara*, std::int32_t>>& entries, std::int32_t id,
                          std::int32_t faction, const cCharaFilter& filter) {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        cChara* c = it->first;
        if (it->second != id || !c || !c->bPresent || c->bVanish) continue;
        if (faction >= 0 && c->nGroup != faction) continue;
        if (filter.Passes(*c)) return c;
    }
    return nullptr;
}

cChara* FindCharaById(std::int32_t id) {
    cSceneState& s = Scene();
    for (cHeroChara* hero : s.HeroList)
        if (hero && hero->nId == id) return hero;
    for (cNpcChara& c : s.CharaList)
        if (c.nId == id) return &c;
    return nullptr;
}
