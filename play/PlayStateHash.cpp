#include "play/PlayStateHash.h"

#include "engine/StateHash.h"
#include "platform/Random.h"
#include "play/PlayScene.h"

std::uint64_t PlayStateHash(const cPlayScene& play) {
    cStateHasher h;
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
