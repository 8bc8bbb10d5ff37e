#include "engine/FlowChange.h"

#include "engine/Dispatch.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"

int FlowChange(cChara& chara, const cEdCommand& command, int immediate) {
    cSceneState& s = Scene();
    cHeroChara* hero = s.HeroList.empty() ? nullptr : s.HeroList[0];
    if (!immediate && hero == &chara && s.pCurChara == hero) {
        hero->DeferFlowChange(command);
        return 0;
    }
    return CmdUnbuilt(1, true);
}
