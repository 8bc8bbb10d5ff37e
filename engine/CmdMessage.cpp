#include "engine/CmdMessage.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "records/EdCommand.h"

namespace {

constexpr std::int32_t MESSAGE_TIMED = 2;
constexpr std::int32_t kKeyWaitSound = 11;

// The object a window of place `place` follows: the character for places 1
// to 3, the hero for 4 to 6, none otherwise.
std::int32_t Anchor(std::int32_t place, const cChara& chara) {
    if (place >= 1 && place <= 3) return chara.nId;
    const cSceneState& s = Scene();
    if (place >= 4 && place <= 6 && !s.HeroList.empty() && s.HeroList.front()) return s.HeroList.front()->nId;
    return 0;
}

} // namespace

int CmdMessage(cChara& chara, cFlowCommand& entry) {
    if (entry.bStarted++) return 0;
    const cEdCommand& cmd = *entry.lpCmd;
    cEngineScene& scene = EngineScene();
    cSceneState& s = scene.State();
    // A message of an immediate list follows on the list's earlier message;
    // one of a flow on the flow's key-wait message just before it.
    std::int32_t continues = 0;
    if (cmd.IsFlow()) {
        continues = s.nMessageInList;
        s.nMessageInList = 1;
    } else if (s.pCurFlow) {
        continues = s.pCurFlow->bMessageContinues;
    }
    if (s.nQuit) return 0;
    const cVector<std::int32_t>& p = cmd.vParam;
    const bool erase = p.At(15) != 0;

    std::int64_t at = -1;
    int reuse = 0;
    if (p.At(12)) at = scene.FindMessage(p.At(13));
    if (at >= 0) {
        if (erase) {
            scene.EraseMessageAt(at);
            return 0;
        }
        reuse = scene.MessageFits(at, cmd.strText, p.At(9));
        if (!reuse) scene.EraseMessageAt(at);
    } else if (erase) {
        return 0;
    }

    cMessageArgs args;
    args.strText = cmd.strText;
    args.nPlace = p.At(0);
    args.nX = p.At(1);
    args.nY = p.At(2);
    args.nOffsetX = p.At(3);
    args.nOffsetY = p.At(4);
    args.bKeepOnScreen = p.At(5);
    args.bFixed = p.At(10);
    args.nTimeMode = p.At(6);
    args.nFrames = p.At(17) ? 1 : p.At(7) * 6;
    args.bStop = p.At(8);
    args.nAnchor = Anchor(args.nPlace, chara);
    args.bContinues = continues;
    args.bControlCodes = p.At(9);
    args.bRefresh = p.At(11);
    args.nRefreshInterval = p.At(16);
    args.bBox = p.At(14);
    args.bIdSwitch = p.At(12);
    args.nId = p.At(13);
    const std::int64_t pos = scene.PutMessage(args, at, reuse);
    if (!args.bStop) return 0;

    // Only the timed mode ends by itself; every other one waits for the key.
    if (args.nTimeMode == MESSAGE_TIMED) {
        s.PauseJob.Set(kPauseMessage, 0, args.nFrames, continues);
    } else {
        s.PauseJob.Set(kPauseMessage, 1, 0, continues);
        if (!continues) scene.PlaySe(kKeyWaitSound);
    }
    scene.HoldGame();
    // The window goes with its own surface, wherever it was put.
    if (pos >= 0) scene.EraseMessageAt(pos);
    return 0;
}
