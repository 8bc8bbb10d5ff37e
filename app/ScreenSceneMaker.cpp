#include "app/ScreenSceneMaker.h"

#include "app/ChallengeScene.h"
#include "app/OptionScene.h"
#include "app/SaveScene.h"
#include "app/TitleScene.h"
#include "app/WorldMapScene.h"

bool MakesScreenScene(int scene) {
    return scene == SCENE_TITLE || scene == SCENE_WORLD_MAP || scene == SCENE_SAVE ||
           scene == SCENE_CHALLENGE || scene == SCENE_OPTION;
}

cScene* MakeScreenScene(int scene) {
    switch (scene) {
    case SCENE_TITLE:
        return new cTitleScene();
    case SCENE_WORLD_MAP:
        return new cWorldMapScene();
    case SCENE_SAVE:
        return new cSaveScene();
    case SCENE_CHALLENGE:
        return new cChallengeScene();
    case SCENE_OPTION:
        return new cOptionScene();
    default:
        return nullptr;
    }
}
