#include "engine/Conditions.h"

#include "engine/Chara.h"
#include "engine/CondFields.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/StatusOps.h"
#include "foundation/CompareOp.h"
#include "project/PlayData.h"
#include "records/EdBlock.h"

bool CondHolds(const cCond& cond, cChara& subject) {
    switch (cond.cKind) {
    case COND_COMMON_VAR:
        return CompareByOp(PlayData.CommonVars.At(CondVarIndex(cond)), CondValue(cond), CondOperator(cond)) !=
               0;
    case COND_STAGE_VAR:
        return CompareByOp(Scene().StageVars.At(CondVarIndex(cond)), CondValue(cond), CondOperator(cond)) !=
               0;
    case COND_CHARA_VAR:
        return CompareByOp(subject.Vars.At(CondVarIndex(cond)), CondValue(cond), CondOperator(cond)) != 0;
    case COND_STATUS_VALUE:
        return TestStatusValueCond(cond, subject);
    case COND_STATUS_FLAG:
        return subject.TestStatusCond(cond);
    case COND_STATE:
        return subject.TestStateCond(cond);
    case COND_DISTANCE:
        return subject.TestDistanceCond(cond, nullptr);
    default:
        return false;
    }
}

bool CondListHolds(const cVector<cCond>& conds, std::int32_t combiner, cChara& subject) {
    switch (combiner) {
    case 0:
        for (const cCond& c : conds)
            if (!CondHolds(c, subject)) return false;
        return true;
    case 1:
        for (const cCond& c : conds)
            if (CondHolds(c, subject)) return true;
        return false;
    default:
        return false;
    }
}

bool CondsHoldFor(const cVector<cCond>& conds, std::int32_t combiner, std::int32_t holdOnce,
                  std::int32_t& cache, cChara& subject) {
    if (conds.empty()) return true;
    if (holdOnce && cache) return true;
    if (!CondListHolds(conds, combiner, subject)) return false;
    cache = 1;
    return true;
}

namespace {

cChara* Hero() {
    cSceneState& s = Scene();
    return s.HeroList.empty() ? nullptr : s.HeroList[0];
}

} // namespace

bool CondsHoldForBlock(cEdBlock& block, std::int32_t& cache) {
    if (block.Conds.empty()) return true;
    cChara* hero = Hero();
    if (!hero) return false;
    return CondsHoldFor(block.Conds, block.CondCombine, block.CondOnce, cache, *hero);
}

bool CondsHoldForChara(cChara& chara) {
    return CondsHoldFor(chara.Def.Conds, chara.Def.CondCombine, chara.Def.CondOnce, chara.nCondCache, chara);
}

bool CondsHoldForItem(cItemObj& item) {
    if (item.Def.Conds.empty()) return true;
    cChara* hero = Hero();
    if (!hero) return false;
    return CondsHoldFor(item.Def.Conds, item.Def.CondCombine, item.Def.CondOnce, item.nCondCache, *hero);
}

bool CondsHoldForFlow(cFlow& flow, cChara& subject) {
    // The running flow keeps the cache; the definition keeps the list.
    return CondsHoldFor(flow.Def.vStartCond, flow.Def.cCombine, flow.Def.bOnce, flow.nCondCache, subject);
}

bool CommandCondsHold(const cEdCommand& command, cChara& subject) {
    const cCondList* list = command.pCondList.get();
    return !list || !list->bUse || CondListHolds(list->vCond, list->cCombine, subject);
}
