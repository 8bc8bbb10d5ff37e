#include "engine/StateHash.h"

#include "engine/Chara.h"

#include <bit>

void cStateHasher::Int(std::int64_t v) {
    for (int i = 0; i < 8; ++i) h = (h ^ static_cast<std::uint8_t>(v >> (8 * i))) * 1099511628211ull;
}

void cStateHasher::Double(double v) {
    Int(std::bit_cast<std::int64_t>(v));
}

void HashObject(cStateHasher& h, const cStageObj& o) {
    h.Int(o.nId);
    for (double d : {o.dX, o.dY, o.dVX, o.dVY}) h.Double(d);
    for (std::int64_t v : {o.nFacing, o.bPresent, o.nLifeTimer}) h.Int(v);
}

void HashChara(cStateHasher& h, const cChara& c) {
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
