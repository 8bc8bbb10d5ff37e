#include "engine/CmdSword.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "project/Database.h"
#include "records/EdCommand.h"

#include <algorithm>
#include <array>

int CmdSword(cChara& chara, cFlowCommand& entry) {
    if (entry.bStarted++) return 0;
    const cEdCommand& cmd = *entry.lpCmd;
    cEngineScene& scene = EngineScene();
    cSceneState& s = scene.State();
    if (!cmd.bSeVisibleOnly || chara.bOnScreen) scene.PlayDbSe(cmd.sSe);
    if (!cmd.pShot) return 0;
    const cEdShot& part = *cmd.pShot;
    const cSwordType& type = Database.SwordType.At(part.cMotion);
    // Without entries there is no frame to draw or to hit with.
    if (type.Entries.empty()) return 0;
    const cSwordTypeEntry& first = type.Entries.front();

    std::array<std::int32_t, 26> record{};
    record[20] = first.nWidth;
    record[21] = first.nHeight;
    record[22] = static_cast<std::uint8_t>(part.cSize);

    cShotObj& sword = s.LiveShots.emplace_back();
    sword.nId = s.nObjectSerial;
    sword.lpUserOwner = &chara;
    sword.Shot = part;
    scene.SetupShot(sword, chara, cmd.cKind, part, record);
    ++s.nObjectSerial;

    // A sword aims at nobody: only its owner holds it.
    if (cChara* target = sword.lpTargetOwner) {
        std::erase(target->ShotLinks, SHOTLINK{&sword, 0});
        sword.lpTargetOwner = nullptr;
    }
    if (cChara* owner = sword.lpUserOwner) {
        const SHOTLINK link{&sword, 4};
        if (std::find(owner->ShotLinks.begin(), owner->ShotLinks.end(), link) == owner->ShotLinks.end())
            owner->ShotLinks.push_back(link);
    }
    return 0;
}
