// What is drawn over characters besides their picture: the hint of the item
// an NPC carries, and the darkness of the hero's limited sight.
#include "engine/GraphicSource.h"
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "graphics/Graphics.h"

#include <algorithm>

namespace {

constexpr int kHintCycle = 96;
constexpr int kHintShownFrom = 64;

} // namespace

bool cNpcChara::StepCarriedItemHint() {
    if (!bHasItem || !bOnScreen || Def.Transparent || DrawState.bHidden) return false;
    const bool shows = nHintCounter % kHintCycle >= kHintShownFrom;
    nHintCounter = (nHintCounter + 1) % kHintCycle;
    return shows;
}

void cNpcChara::DrawCarriedItemHint(DDSURFACEDATA* target) {
    if (!StepCarriedItemHint()) return;
    const int x = nScrLeft + nScrWidth / 2 - 8;
    const int y = nScrTop - 16;
    DrawGraphicSmall(target, x, y, Item.Def.GraphicKind, Item.Def.GraphicIndex, 0);
}

void cHeroChara::DrawSightMask(DDSURFACEDATA* target, DDSURFACEDATA* darkness) {
    const int kind = Def.SightShape;
    if (kind < 1 || kind > 4 || !darkness || darkness->nWidth < 640 || darkness->nHeight < 480) return;
    // The clear circle stands at the darkness surface's centre.
    int ox = darkness->nWidth / 2 - (nScrLeft + nScrWidth / 2);
    const int oy = std::clamp(darkness->nHeight / 2 - (nScrTop + nScrHeight / 2), 0, darkness->nHeight - 480);
    if (kind == 2 || kind == 4) {
        const int facing = nFacing == 1 ? 1 : -1;
        ox += facing * (nScrWidth / 2) - facing * nSightPixels;
    }
    ox = std::clamp(ox, 0, darkness->nWidth - 640);
    DDBltFast(target, 0, 0, 640, 480, darkness, ox, oy, 1);
}

// The hero's picture. Its display entries stay empty: the stage settings they
// are built from are not known, so nothing is drawn over it yet.
int cHeroChara::Draw(DDSURFACEDATA* target, int frozen) {
    return cChara::Draw(target, frozen);
}
