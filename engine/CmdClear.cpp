#include "engine/CmdClear.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "foundation/FileNames.h"
#include "foundation/MessageBox.h"
#include "project/PlayData.h"
#include "project/WorldMap.h"
#include "records/EdCommand.h"

#include <algorithm>

namespace {

enum : std::int32_t { CLEAR_NEXT = 0, CLEAR_NUMBER = 1, CLEAR_FILE = 2, CLEAR_WORLD = 3 };
constexpr std::int32_t kFacingAtClear = 2;

// A world-map coordinate kept below the map's side (never below 0, even on
// a map of no width).
std::int32_t MapCoord(std::int32_t v, std::int32_t side) {
    if (v >= side) v = side - 1;
    return std::max(v, 0);
}

} // namespace

int CmdStageClear(cChara&, cFlowCommand& entry) {
    const cEdCommand& cmd = *entry.lpCmd;
    const cVector<std::int32_t>& p = cmd.vParam;
    cSceneState& s = Scene();
    switch (p.At(0)) {
    case CLEAR_NEXT:
        s.nNextStage = PlayData.nStageNumber + 1;
        s.strNextStage.clear();
        break;
    case CLEAR_NUMBER:
        s.nNextStage = p.At(1);
        s.strNextStage.clear();
        break;
    case CLEAR_FILE:
        if (!cmd.strText.empty()) {
            std::string name = cmd.strText;
            RemoveExtensionStr(name);
            name += '.';
            s.nNextStage = PlayData.nStageNumber;
            s.strNextStage = name;
        } else {
            ErrorBoxPrintf("ステージファイル %s が不正です。\nステージファイルとして認識できません。", "");
            s.nNextStage = 0;
            s.strNextStage.clear();
        }
        break;
    case CLEAR_WORLD:
        s.nNextStage = 0;
        s.strNextStage.clear();
        break;
    default:
        break;
    }
    if (p.At(2)) {
        PlayData.nMapX = MapCoord(p.At(3), WorldMap.nWidth);
        PlayData.nMapY = MapCoord(p.At(4), WorldMap.nHeight);
        PlayData.nMapFacing = 0;
    }
    if (p.At(5)) {
        PlayData.bRestart = 1;
        PlayData.nRestartCol = p.At(6);
        PlayData.nRestartRow = p.At(7);
        PlayData.nRestartFacing = p.At(8);
        if (PlayData.nRestartFacing == kFacingAtClear && !s.HeroList.empty() && s.HeroList.front())
            PlayData.nRestartFacing = s.HeroList.front()->nFacing;
    } else {
        PlayData.bRestart = 0;
    }
    s.nEndState = 1;
    return 1;
}
