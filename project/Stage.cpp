#include "project/Stage.h"

#include "project/PaletteContext.h"

#include <algorithm>
#include <limits>

cStage Stage;
cStage ReplayStage;

namespace {

// Each placement is a u32 that is always 0, then the record.
template <class T> void LoadPlacements(cRecordFile& file, cVector<T>& out, std::size_t minRecordBytes) {
    std::uint32_t n = file.ReadCount(4 + minRecordBytes);
    cVector<T> items;
    items.reserve(n);
    for (std::uint32_t i = 0; i < n && !file.Damaged(); ++i) {
        std::uint32_t unused = 0;
        if (!file.ReadU32(unused)) break;
        items.emplace_back();
        items.back().Load(file);
        items.back().RegisterFields(dwDataVersion);
    }
    if (!file.Damaged()) out = std::move(items);
}

// A palette table read entry by entry straight into the table, so that each
// entry can find the entries before it as its template while it loads. A
// damaged file leaves the table part-filled: the stage that holds it is then
// thrown away.
template <class T> void LoadInPlace(cRecordFile& file, cVector<T>& table, std::size_t minRecordBytes) {
    const std::uint32_t n = file.ReadCount(minRecordBytes);
    table.clear();
    // Room grows with the entries really read, so a count that only claims
    // many entries costs nothing before the file runs out.
    table.reserve(std::min<std::uint32_t>(n, 256));
    for (std::uint32_t i = 0; i < n && !file.Damaged(); ++i) {
        table.emplace_back();
        table.back().Load(file);
    }
}

template <class T> void SavePlacements(cRecordFile& file, cVector<T>& items) {
    file.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (auto& item : items) {
        file.WriteU32(0);
        item.Save(file);
    }
}

// min(value, limit) where limit = size - margin may lie below the int range.
std::int32_t ClampScroll(std::int32_t value, std::int32_t size, std::int32_t margin) {
    std::int64_t limit = static_cast<std::int64_t>(size) - margin;
    limit = std::max<std::int64_t>(limit, std::numeric_limits<std::int32_t>::min());
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, limit));
}

template <class T> void PadToTwo(cVector<T>& table) {
    while (table.size() < 2) table.emplace_back();
}

} // namespace

cStage::cStage() {
    RegisterFields(dwDataVersion);
    Init();
}

cStageParams* cStage::ParamGroups(int i) {
    cStageParams* groups[] = {&Params1, &Params2, &Params3, &Params4, &Params5};
    return groups[i];
}

void cStage::Palette(cPaletteTables& out) const {
    out.blocks = &PaletteBlocks;
    out.charas = &PaletteCharas;
    out.items = &PaletteItems;
}

void cStage::Load(cRecordFile& file) {
    const std::uint32_t version = file.LoadVersion();
    cSaveData::Load(file);
    if (file.Damaged()) return;
    // No stage is narrower or lower than nothing; play sizes its grid from these.
    if (nMapWidth < 0 || nMapHeight < 0) {
        file.MarkDamaged();
        return;
    }
    LoadValueVector(file, Switches);
    for (int i = 0; i < 5 && !file.Damaged(); ++i) ParamGroups(i)->Load(file);
    if (file.Damaged()) return;
    {
        // A palette entry takes its template from the entries of this stage's
        // palette loaded before it; the placements then take theirs from the
        // whole palette.
        cPaletteScope scope;
        cPaletteTables own;
        Palette(own);
        scope.SetLoading(ePalette::Stage, own);
        LoadInPlace(file, PaletteBlocks, kMinBlockBytes);
        LoadInPlace(file, PaletteCharas, kMinCharaBytes);
        LoadInPlace(file, PaletteItems, kMinItemBytes);
        if (file.Damaged()) return;
        if (!PaletteBlocks.empty()) PaletteBlocks[0].Init();
        if (!PaletteCharas.empty()) PaletteCharas[0].Init();
        if (!PaletteItems.empty()) PaletteItems[0].Init();
        scope.SetTables(ePalette::Stage, own);
        LoadPlacements(file, Blocks, kMinBlockBytes);
        LoadPlacements(file, Charas, kMinCharaBytes);
        LoadPlacements(file, Items, kMinItemBytes);
    }
    LoadRecordVector(file, Backgrounds);
    LoadRecordVector(file, Texts);
    if (file.Damaged()) return;
    if (version > 172) {
        std::uint32_t marker = 0; // checked against the file's end before loading
        if (!file.ReadU32(marker)) return;
    }
    if (version < 818) ApplyOlderDefaults(version);
    Normalize();
}

void cStage::SaveSettings(cRecordFile& file) {
    cSaveData::Save(file);
    SaveValueVector(file, Switches);
    for (int i = 0; i < 5; ++i) ParamGroups(i)->Save(file);
}

void cStage::SaveTables(cRecordFile& file) {
    SaveRecordVector(file, PaletteBlocks);
    SaveRecordVector(file, PaletteCharas);
    SaveRecordVector(file, PaletteItems);
    SavePlacements(file, Blocks);
    SavePlacements(file, Charas);
    SavePlacements(file, Items);
}

void cStage::SaveLayersAndTexts(cRecordFile& file) {
    SaveRecordVector(file, Backgrounds);
    SaveRecordVector(file, Texts);
    file.WriteU32(kStageEndMarker);
}

void cStage::Save(cRecordFile& file) {
    // Records clamp their references as they are written: against this stage.
    cPaletteScope scope;
    cPaletteTables own;
    Palette(own);
    scope.SetTables(ePalette::Stage, own);
    Normalize();
    SaveSettings(file);
    SaveTables(file);
    SaveLayersAndTexts(file);
}

void cStage::SaveForReplay(cRecordFile& file, cStage& start) {
    cPaletteScope scope;
    cPaletteTables own;
    Palette(own);
    scope.SetTables(ePalette::Stage, own);
    Normalize();
    start.SaveSettings(file);
    SaveTables(file);
    start.SaveLayersAndTexts(file);
}

void cStage::Normalize() {
    nScrollMinX = ClampScroll(nScrollMinX, nMapWidth, 20);
    nScrollMaxX = ClampScroll(nScrollMaxX, nMapWidth, 1);
    nScrollMinY = ClampScroll(nScrollMinY, nMapHeight, 15);
    nScrollMaxY = ClampScroll(nScrollMaxY, nMapHeight, 1);
    SetLevel(nLevel);
    if (OutsideTable(nBgm, RecordContext().DatabaseSize(eDatabase::Bgm))) nBgm = 0;
    PadToTwo(PaletteBlocks);
    PadToTwo(PaletteCharas);
    PadToTwo(PaletteItems);
    ClampTableRefs();
}

void cStage::ClampTableRefs() {
    // References to the stage palette are clamped against this stage's own.
    cPaletteScope scope;
    cPaletteTables own;
    Palette(own);
    scope.SetTables(ePalette::Stage, own);
    for (auto* table : {&PaletteBlocks, &Blocks}) {
        for (auto& b : *table) {
            b.ClampPaletteRef();
            b.ClampItemRef();
        }
    }
    for (auto* table : {&PaletteCharas, &Charas}) {
        for (auto& c : *table) {
            c.ClampRefs();
            c.ClampFlowRefs();
        }
    }
    for (auto* table : {&PaletteItems, &Items}) {
        for (auto& it : *table) {
            it.ClampRefs();
            it.ClampCmdRefs();
        }
    }
}

std::int32_t cStage::FindHero() const {
    for (std::size_t i = 0; i < Charas.size(); ++i) {
        const cEdChara& c = Charas[i];
        // The hero is the player-controlled character (control 0); a placement
        // whose placed flag (byte 25c) is not 1 is switched off.
        if (c.Control == 0 && c.Placed == 1) return static_cast<std::int32_t>(i);
    }
    return -1;
}
