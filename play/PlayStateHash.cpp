#include "play/PlayStateHash.h"

#include "platform/Random.h"
#include "play/PlayScene.h"

#include <bit>

namespace {

// FNV-1a over the bytes of each value.
struct cHasher {
    std::uint64_t h = 1469598103934665603ull;
    void Int(std::int64_t v) {
        for (int i = 0; i < 8; ++i) h = (h ^ static_cast<std::uint8_t>(v >> (8 * i))) * 1099511628211ull;
    }
    void Double(double v) { Int(std::bit_cast<std::int64_t>(v)); }
};

void HashObject(cHasher& h, const cStageObj& o) {
    h.Int(o.nId);
    for (double d : {o.dX, o.dY, o.dVX, o.dVY}) h.Double(d);
    for (std::int64_t v : {o.nFacing, o.bPresent, o.nLifeTimer}) h.Int(v);
}

void HashChara(cHasher& h, const cChara& c) {
    HashObject(h, c);
    for (double d : {c.dOwnVX, c.dOwnVY, c.dKnockVX, c.dKnockVY}) h.Double(d);
    for (std::int64_t v :
         {c.hp, c.sp, c.nInvincible, c.bDying, c.bJumping, c.bAirborne, c.bOnObject, c.bRemoveMark})
        h.Int(v);
    for (std::int32_t side : c.bContact) h.Int(side);
    for (std::int32_t v : c.Vars) h.Int(v);
    for (const cChara* t : c.Targets) h.Int(t ? t->nId : -1);
    h.Int(c.lpParent ? c.lpParent->nId : -1);
    for (std::size_t i = 0; i < c.Flows.size(); ++i) {
        const cFlow& f = c.Flows[i];
        for (std::int64_t v : {f.bRunning, f.bPaused, f.bEnded, f.nLastActive, f.nElapsed}) h.Int(v);
        for (const cFlowCommand& e : f.Commands) {
            h.Int(e.nCount);
            h.Int(e.bDone);
        }
    }
}

} // namespace

std::uint64_t PlayStateHash(const cPlayScene& play) {
    cHasher h;
    const cSceneState& s = play.scene;
    for (std::int64_t v : {play.nState, play.nSubState, play.nFrameCounter, play.nSubStepTotal,
                           play.nElapsedTime, s.nStageTime, s.nEndState})
        h.Int(v);
    h.Double(s.ScrollX.dPos);
    h.Double(s.ScrollY.dPos);
    for (const cHeroChara* hero : s.HeroList)
        if (hero) HashChara(h, *hero);
    h.Int(static_cast<std::int64_t>(s.CharaList.size()));
    for (const cNpcChara& c : s.CharaList) HashChara(h, c);
    h.Int(static_cast<std::int64_t>(play.ItemList.size()));
    for (const cItemObj& item : play.ItemList) HashObject(h, item);
    h.Int(static_cast<std::int64_t>(s.LiveShots.size()));
    for (const cShotObj& shot : s.LiveShots) HashObject(h, shot);
    for (std::size_t g = 0; g < s.FactionCharas.size(); ++g)
        h.Int(static_cast<std::int64_t>(s.FactionCharas[g].size()));
    for (std::int32_t v : s.StageVars) h.Int(v);
    h.Int(GameRandState());
    return h.h;
}
