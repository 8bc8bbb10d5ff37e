// Drawing a character: its own and its queued animations advance and one of
// them gives the cell, the cell's picture is chosen, and the active chara
// effect puts it on the screen (CharaEffects.cpp); a defeated character is
// drawn through its death effect until that ends.
#include "engine/Chara.h"

#include "engine/CharaEffects.h"
#include "engine/EngineScene.h"
#include "engine/FlashColors.h"
#include "engine/GraphicSource.h"
#include "graphics/Graphics.h"
#include "project/Database.h"
#include "project/SystemData.h"

#include <climits>

namespace {

constexpr int kAnimeEnded = -4;

// The rectangle the character is drawn at, with the pinned axes in place.
void PlaceOnScreen(cChara& c) {
    c.UpdateScreenRect();
    const cCharaDrawState& s = c.DrawState;
    if (s.bPinX) {
        c.nScrLeft = s.nPinX;
        c.nScrRight = c.nScrLeft + c.nScrWidth - 1;
    }
    if (s.bPinY) {
        c.nScrTop = s.nPinY;
        c.nScrBottom = c.nScrTop + c.nScrHeight - 1;
    }
}

} // namespace

int cChara::UpdateEffects(int frozen) {
    if (!frozen) {
        StepAnime();
        for (auto it = AnimeQueue.begin(); it != AnimeQueue.end();) {
            if (it->bPaused) {
                ++it;
                continue;
            }
            if (it->Anime.StepAnime() == kAnimeEnded) {
                it = AnimeQueue.erase(it);
                continue;
            }
            --it->nCounter;
            ++it;
        }
    }
    if (AnimeQueue.empty()) return GetAnimeCell();

    // The queued animation that shows: a prioritised one whose time is up wins
    // over the others, then the one with the least time left; an animation
    // without priority shows only when nothing else was chosen before it.
    cQueuedAnime* best = nullptr;
    std::int32_t bestValue = INT_MAX;
    bool found = false;
    for (cQueuedAnime& node : AnimeQueue) {
        if (node.bPaused) continue;
        const std::int32_t c = node.nCounter;
        if (found) {
            if (c <= 0 && bestValue <= 0 && c > bestValue) {
                best = &node;
                bestValue = c;
            }
        } else if (node.bPriority) {
            if (c <= 0 && bestValue <= 0) {
                best = &node;
                bestValue = c;
                found = true;
            } else if (c < bestValue) {
                best = &node;
                bestValue = c;
            }
        } else if (!best) {
            best = &node;
            bestValue = INT_MAX;
        }
    }
    return best ? best->Anime.GetAnimeCell() : GetAnimeCell();
}

void cChara::GetDrawCell(GraphicDesc& desc, std::int32_t& cell) const {
    cell = Def.CellBase;
    const cVector<cAnimeSet>& sets = Database.AnimeSet;
    if (sets.InRange(Def.AnimeSet)) {
        const cAnimeSet& set = sets[static_cast<std::size_t>(Def.AnimeSet)];
        if (Def.Flying) cell += set.nOffset3;
        if (Def.BlockChara) cell += set.nOffset2;
        if (Def.Invincible) cell += set.nOffset1;
    }
    // An invincible character flashes in the special colour it names (its
    // number into the flashing colours), on the face that tints by colour
    // operations and when the project switches tints on.
    desc.Tint = false;
    desc.TintColour = 0;
    desc.TintOp = 0;
    const int tint = Def.TintSelect;
    if (Def.Invincible && DDIsDirect3D() && SystemData.bCharaDrawSwitch && tint >= 1 &&
        tint <= kFlashColors) {
        const cFlashColor& flash = FlashColorTable[static_cast<std::size_t>(tint)];
        desc.Tint = true;
        desc.TintColour = flash.dwColor;
        desc.TintOp = flash.dwMode;
    }
}

int cChara::RunCharaEffect(int frozen) {
    GraphicDesc desc;
    const int ended = RenderCharaEffect(*this, nullptr, desc, frozen, 0);
    if (ended) ClearCharaEffect(*this);
    return ended;
}

int cChara::Draw(DDSURFACEDATA* target, int frozen) {
    const int subCell = UpdateEffects(frozen);
    if (DrawState.bHidden || Def.Transparent) return RunCharaEffect(frozen);
    PlaceOnScreen(*this);

    GraphicDesc desc;
    std::int32_t cell = 0;
    GetDrawCell(desc, cell);
    SelectGraphicSource(desc, GRAPHIC_MODE_CHARA, Def.GraphicKind, Def.GraphicIndex, cell, nFacing, subCell);
    int result = RenderCharaEffect(*this, target, desc, frozen, 1);
    if (result == 1) ClearCharaEffect(*this);

    if (Def.MarkShow == 1) {
        const int m = Def.MarkNumber;
        const int sx = 32 * (m / 15);
        const int sy = 32 * (m % 15);
        if (Def.CharaScale > 1)
            result = DDBltStretch(target, nScrLeft, nScrTop, nScrWidth, nScrHeight, WorkSurfaces.lpMark, sx,
                                  sy, nBaseScrWidth, nBaseScrHeight, 1);
        else
            result = DDBltFast(target, nScrLeft, nScrTop, 32, 32, WorkSurfaces.lpMark, sx, sy, 1);
    }
    return result;
}

int cChara::DrawDefeated(DDSURFACEDATA* target, int frozen) {
    PlaceOnScreen(*this);
    GraphicDesc desc;
    std::int32_t cell = 0;
    GetDrawCell(desc, cell);
    SelectGraphicSource(desc, GRAPHIC_MODE_CHARA, Def.GraphicKind, Def.GraphicIndex, cell, nFacing, 0);

    const bool effect = DrawState.sEffect != 0;
    if (nControl != 0) {
        if (!effect) return 1;
        if (!RenderCharaEffect(*this, target, desc, frozen, 1)) return 0;
        ClearCharaEffect(*this);
        return 1;
    }
    if (effect) {
        if (RenderCharaEffect(*this, target, desc, frozen, 1)) ClearCharaEffect(*this);
        return 0;
    }
    if (frozen) return 0;
    return ++DrawState.nDefeatTimer > EngineScene().DefeatWait() ? 1 : 0;
}
