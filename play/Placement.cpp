#include "play/Placement.h"

#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/NpcChara.h"
#include "foundation/ErrorLog.h"
#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "play/PlaySettings.h"
#include "project/CommonPalette.h"
#include "records/EdShot.h"

#include <algorithm>
#include <cmath>

namespace {

void MoveBy(cStageObj& o, double dx, double dy) {
    o.dX += dx;
    o.dY += dy;
    o.RecomputeX();
    o.RecomputeY();
}

void PlaceAtTopLeft(cStageObj& o, double x, double y) {
    o.dX = x + o.nOffsetX;
    o.dY = y + o.nOffsetY;
    o.RecomputeX();
    o.RecomputeY();
}

// Moves a character by its object offsets; the place it keeps moves too when the project says so.
void ApplyObjectOffsets(cNpcChara& c, const cEdChara& def, std::int32_t i) {
    const double dx = def.GetOffsetX(i, def.Facing), dy = def.GetOffsetY(i, def.Facing);
    c.dPlaceX = c.dX;
    c.dPlaceY = c.dY;
    MoveBy(c, dx, dy);
    if (play_settings::OffsetsMovePlace()) {
        c.dPlaceX += dx;
        c.dPlaceY += dy;
    }
}

std::int32_t LifeSubSteps(const cSummonSettings& s) {
    const std::int64_t v = static_cast<std::int64_t>(s.nLifeTenths) * std::max(Stage.nSubSteps, 1) * 6;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, 2147483646));
}

bool CoversCell(const cStageObj& o, std::int32_t column, std::int32_t row) {
    const double left = column * 32.0, top = row * 32.0;
    const double right = (column + 1) * 32.0 - 0.1, bottom = (row + 1) * 32.0 - 0.1;
    return o.dX < right && o.dRight >= left && o.dY < bottom && o.dBottom >= top;
}

void PutBlock(cBlock& cell, const cEdBlock& block) {
    static_cast<cEdBlock&>(cell) = block;
    cell.nCondCache = 0;
}

cEdBlock EmptyBlock() {
    if (!CommonPalette.Blocks.empty()) return CommonPalette.Blocks.front();
    cEdBlock empty;
    empty.GraphicIndex = 0;
    empty.Solid = 0;
    return empty;
}

void PutCovering(cBlock& cell, std::int32_t index, std::int32_t column, std::int32_t row,
                 const cEdBlock& block, const cSummonSettings& s) {
    if (!s.bKeepOldOnHero && !s.bKeepOldOnChara) {
        PutBlock(cell, block);
        MarkCoveredAtCell(index, column, row, s);
        return;
    }
    const cBlock old = cell;
    PutBlock(cell, block);
    if (MarkCoveredAtCell(index, column, row, s) == 1) cell = old;
}

} // namespace

cSummonSettings SummonSettingsOf(const cEdShot& shot) {
    cSummonSettings s;
    s.bLifeLimit = shot.byOpt14;
    s.nLifeTenths = shot.sRange;
    s.nBlockMode = shot.byOpt25;
    s.bKeepOldOnHero = shot.byOpt26;
    s.bKeepOldOnChara = shot.byOpt27;
    s.bNotifyParent = shot.byOpt28;
    s.nParentFlow = shot.byOpt29;
    return s;
}

void PlaceCharas(cList<cNpcChara>& list, std::int32_t column, std::int32_t row, std::int32_t& serial,
                 const cEdChara& def, const cItemObj* carried) {
    const cEdChara work = def;
    for (std::int32_t i = 0; i <= work.ObjectCount; ++i) {
        cNpcChara c;
        c.Setup(work, serial, carried, static_cast<std::int16_t>(i));
        c.SetBlockPosition(column, row);
        ApplyObjectOffsets(c, work, i);
        if (!c.IsInStage(1)) continue;
        c.ClampX(2);
        c.ClampY(2);
        list.push_back(c);
        list.back().UpdateScreenRect();
        ++serial;
    }
}

void SetupItemObj(cItemObj& item, const cEdItem& def, std::int32_t serial) {
    item.Def = def;
    item.cStageObj::Setup(serial, 1, 0, 0, def.GraphicIndex, nullptr, 0, 0, 0, 32, 32, 32, 32, 0, 0, 0, 0);
    item.bActive = 1;
}

void PlaceItem(cList<cItemObj>& list, std::int32_t column, std::int32_t row, std::int32_t& serial,
               const cEdItem& record) {
    cItemObj item;
    SetupItemObj(item, record, serial);
    const cSceneState& s = Scene();
    item.dX = (static_cast<double>(s.nViewCol) + column) * 32 + item.nOffsetX + 0.5;
    item.dY = (static_cast<double>(s.nViewRow) + row) * 32 + item.nOffsetY;
    item.RecomputeX();
    item.RecomputeY();
    item.ClampX(2);
    item.ClampY(2);
    MoveBy(item, record.OffsetX, record.OffsetY);
    if (!item.IsInStage(1)) return;
    item.ClampX(2);
    item.ClampY(2);
    list.push_back(item);
    list.back().UpdateScreenRect();
    ++serial;
}

void SummonCharas(cList<cNpcChara>& list, double x, double y, std::uint8_t setting, std::int32_t direction,
                  const cSummonSettings& settings, const cEdChara& def, std::int32_t& serial,
                  cChara* summoner) {
    cEdChara work = def;
    work.Facing = static_cast<std::uint8_t>(direction);
    // The summon's setting byte has no meaning in the character engine yet.
    (void)setting;
    cSceneState& scene = Scene();
    for (std::int32_t i = 0; i <= work.ObjectCount; ++i) {
        cNpcChara c;
        c.Setup(work, serial, nullptr, static_cast<std::int16_t>(i));
        PlaceAtTopLeft(c, x, y);
        ApplyObjectOffsets(c, work, i);
        if (!c.IsInStage(1)) continue;
        c.ClampX(2);
        c.ClampY(2);
        // Tested before it joins the list: the test never counts the
        // character itself, and no one walking the list sees it come and go.
        c.UpdateScreenRect();
        if (IsPlaceBlocked(c)) continue;
        list.push_back(c);
        cNpcChara& placed = list.back();
        placed.InitTargets(summoner);
        if (settings.bLifeLimit) placed.nLifeTimer = LifeSubSteps(settings);
        placed.bReportToParent = settings.bNotifyParent;
        placed.nParentFlowId = settings.nParentFlow;
        if (scene.FactionCharas.InRange(placed.nGroup))
            scene.FactionCharas[placed.nGroup].push_back(&placed);
        else
            ReportPrintf("summoned character %d: group %d has no list", placed.nId, placed.nGroup);
        ++serial;
    }
}

void SummonItem(cList<cItemObj>& list, double x, double y, const cSummonSettings& settings,
                const cEdItem& def, std::int32_t& serial) {
    cItemObj item;
    SetupItemObj(item, def, serial);
    PlaceAtTopLeft(item, x, y);
    MoveBy(item, def.OffsetX, def.OffsetY);
    if (!item.IsInStage(1)) return;
    item.ClampX(2);
    item.ClampY(2);
    if (settings.bLifeLimit) item.nLifeTimer = LifeSubSteps(settings);
    list.push_back(item);
    ++serial;
}

void ChangeBlock(double x, double y, const cEdBlock& block, const cSummonSettings& settings) {
    const std::int32_t index = BlockGrid.CellAt(x, y);
    cBlock* cell = BlockGrid.At(index);
    if (!cell) return;
    const std::int32_t column = static_cast<std::int32_t>(std::trunc(x)) >> 5;
    const std::int32_t row = static_cast<std::int32_t>(std::trunc(y)) >> 5;
    if (cell->Indestructible) {
        if (!play_settings::ProtectOnlyLiveBlocks()) return;
        if (cell->GraphicIndex != 0 && BlockGrid.CondsHold(*cell)) return;
    }
    switch (settings.nBlockMode) {
    case 0:
        PutCovering(*cell, index, column, row, block, settings);
        break;
    case 1:
        PutBlock(*cell, EmptyBlock());
        break;
    case 2: {
        for (std::int32_t done : BlockGrid.ToggledCells)
            if (done == index) return;
        if (cell->GraphicIndex == 0 || !BlockGrid.CondsHold(*cell))
            PutCovering(*cell, index, column, row, block, settings);
        else
            PutBlock(*cell, EmptyBlock());
        BlockGrid.ToggledCells.push_back(index);
        break;
    }
    default:
        break;
    }
}

int MarkCoveredAtCell(std::int32_t cell, std::int32_t column, std::int32_t row,
                      const cSummonSettings& settings) {
    cBlock* block = BlockGrid.At(cell);
    if (!block) return 0;
    cSceneState& scene = Scene();
    for (cHeroChara* hero : scene.HeroList) {
        if (!hero || hero->bDying) continue;
        if (BlockGrid.Solidity(*block, hero->nGroup) == 0 || !CoversCell(*hero, column, row)) continue;
        hero->nSqueezeGrace = 2;
        if (settings.bKeepOldOnHero) return 1;
    }
    for (cNpcChara& c : scene.CharaList) {
        if (c.bDying || !c.bPresent) continue;
        if (BlockGrid.Solidity(*block, c.nGroup) == 0 || !CoversCell(c, column, row)) continue;
        c.nSqueezeGrace = 2;
        if (settings.bKeepOldOnChara) return 1;
    }
    return 0;
}
