#include "engine/Arrangements.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "project/PlayData.h"

ArrangeVars ArrangeVarsOf(const cChara& chara) {
    return {PlayData.CommonVars, Scene().StageVars, chara.Vars};
}

void ApplyCharaArrangements(cEdCommand& command, cChara& chara, const cList<Arrangement>& pending) {
    const ArrangeVars vars = ArrangeVarsOf(chara);
    for (const Arrangement& a : pending) ApplyArrangement(command, a, vars);
}

void ApplyFlowArrangements(cEdCommand& command, cChara& chara, cFlow* flow) {
    if (flow) ApplyCharaArrangements(command, chara, flow->Pending);
}
