// The play scene's shots, swords and summons: the spawners the commands call,
// a sword's set-up, and the shots' sub-step.
#include "engine/SceneLists.h"
#include "play/PlayScene.h"
#include "play/ShotObj.h"
#include "play/ShotRecord.h"

void cPlayScene::SpawnShots(cChara& chara, cFlowCommand&, cEdShot& shot) {
    SpawnShotObjects(chara, shot);
}

void cPlayScene::SpawnBlocks(cChara& chara, cFlowCommand&, cEdShot& shot) {
    SpawnBlockObjects(chara, shot);
}

void cPlayScene::SpawnCharas(cChara& chara, cFlowCommand&, cEdShot& shot) {
    SpawnCharaObjects(chara, shot);
}

void cPlayScene::SpawnItems(cChara& chara, cFlowCommand&, cEdShot& shot) {
    SpawnItemObjects(chara, shot, ItemList);
}

void cPlayScene::SetupShot(cShotObj& shot, cChara& user, std::int32_t kind, const cEdShot&,
                           const std::array<std::int32_t, 26>&) {
    SHOTSPAWN spawn;
    SetupShotObj(shot, user, kind, spawn, shot.nId);
    // The sword command puts its object into the live list itself; the
    // contacts find it through its group's list.
    if (scene.FactionShots.InRange(shot.nGroup)) scene.FactionShots[shot.nGroup].push_back(&shot);
}

void cPlayScene::StepShots() {
    scene.nDeferRemoval = 1;
    for (cShotObj& shot : scene.LiveShots) {
        if (shot.nMarkRemove) continue;
        if (StepShot(shot)) MarkShotRemoved(shot);
    }
    scene.nDeferRemoval = 0;
    RemoveMarkedShots();
}
