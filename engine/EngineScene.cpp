#include "engine/EngineScene.h"

#include "engine/HeroChara.h"
#include "engine/NpcChara.h"

namespace {

cNullEngineScene& NullScene() {
    static cNullEngineScene scene;
    return scene;
}

cEngineScene* installed = nullptr;

} // namespace

cSceneState::cSceneState() {
    FactionCharas.resize(kFactionCount);
    FactionShots.resize(kFactionCount);
    ScrollX.nViewSize = 640;
    ScrollY.nViewSize = 480;
}

cSceneState::~cSceneState() = default;

cEngineScene& EngineScene() {
    return installed ? *installed : NullScene();
}

void SetEngineScene(cEngineScene* scene) {
    installed = scene;
}
