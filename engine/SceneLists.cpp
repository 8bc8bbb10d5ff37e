#include "engine/SceneLists.h"

#include "engine/EngineScene.h"
#include "engine/NpcChara.h"

#include <algorithm>

cList<cNpcChara>::iterator EraseCharaNode(cList<cNpcChara>& live, cList<cNpcChara>::iterator node) {
    cNpcChara& c = *node;
    c.UnlinkTargets();
    c.bUnlinked = 1;
    cList<cChara*>& faction = Scene().FactionCharas.At(c.nGroup);
    auto it = std::find(faction.begin(), faction.end(), &c);
    if (it != faction.end()) faction.erase(it);
    return live.erase(node);
}

void MarkCharaRemoved(cNpcChara& chara) {
    chara.bRemoveMark = 1;
    Scene().bCharaMarked = 1;
    chara.bPresent = 0;
    chara.bTakesPart = 0;
}

void RemoveMarkedCharas() {
    // As with shots: no mark since the last removal, no walk.
    cSceneState& scene = Scene();
    if (!scene.bCharaMarked) return;
    scene.bCharaMarked = 0;
    cList<cNpcChara>& live = scene.CharaList;
    for (auto it = live.begin(); it != live.end();)
        it = it->bRemoveMark ? EraseCharaNode(live, it) : std::next(it);
}

void MarkShotRemoved(cShotObj& shot) {
    shot.nMarkRemove = 1;
    Scene().bShotMarked = 1;
}

void RemoveMarkedShots() {
    cSceneState& scene = Scene();
    // Every faction entry is also in the live list: when no shot was marked
    // since the last removal, as after most walks, there is nothing to remove
    // anywhere, and the lists are not walked to find that out.
    if (!scene.bShotMarked) return;
    scene.bShotMarked = 0;
    const auto marked = [](const cShotObj& s) { return s.nMarkRemove != 0; };
    for (cList<cShotObj*>& group : scene.FactionShots)
        group.remove_if([](const cShotObj* s) { return s->nMarkRemove != 0; });
    scene.LiveShots.remove_if(marked);
}

cList<cPictureState>::iterator ErasePictureAt(std::int64_t n) {
    cList<cPictureState>& pictures = Scene().Pictures;
    if (n < 0 || static_cast<std::uint64_t>(n) >= pictures.size()) return pictures.end();
    return pictures.erase(pictures.IterAt(n));
}

void InsertPictureAt(std::int64_t n, const cPictureState& picture) {
    cList<cPictureState>& pictures = Scene().Pictures;
    pictures.insert(pictures.IterAt(n), picture);
}
