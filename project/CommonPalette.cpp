#include "project/CommonPalette.h"

#include "project/PaletteContext.h"
#include "project/Stage.h"

#include <algorithm>

cCommonPalette CommonPalette;

namespace {

template <class T> void PadToTwo(cVector<T>& table) {
    while (table.size() < 2) table.emplace_back();
}

template <class T> void ClearInheritFlags(cVector<T>& table) {
    for (auto& entry : table) std::fill(entry.InheritFlags.begin(), entry.InheritFlags.end(), 0);
}

} // namespace

cCommonPalette::cCommonPalette() {
    RegisterFields(dwDataVersion);
    Reset();
    Blocks.assign(1, cEdBlock());
    Charas.assign(1, cEdChara());
    Items.assign(1, cEdItem());
}

void cCommonPalette::RegisterFields(std::uint32_t) {
    ClearFields();
}

void cCommonPalette::Palette(cPaletteTables& out) const {
    out.blocks = &Blocks;
    out.charas = &Charas;
    out.items = &Items;
}

void cCommonPalette::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    {
        // Common-palette entries never inherit: they load without following
        // any template and keep their references as stored; Normalize clamps
        // those outside the complete tables.
        cPaletteScope scope;
        scope.SetLoading(ePalette::Common);
        scope.SetLoading(ePalette::Stage);
        LoadBlocks(file, Blocks);
        LoadCharas(file, Charas);
        LoadItems(file, Items);
    }
    if (file.Damaged()) return;
    if (!Blocks.empty()) Blocks[0].Init();
    if (!Charas.empty()) Charas[0].Init();
    if (!Items.empty()) Items[0].Init();
    ClearInheritFlags(Blocks);
    ClearInheritFlags(Charas);
    ClearInheritFlags(Items);
    Normalize();
}

void cCommonPalette::Save(cRecordFile& file) {
    // Records clamp their references as they are written: against this palette.
    cPaletteScope scope;
    cPaletteTables own;
    Palette(own);
    scope.SetTables(ePalette::Common, own);
    Normalize();
    cSaveData::Save(file);
    SaveRecordVector(file, Blocks);
    SaveRecordVector(file, Charas);
    SaveRecordVector(file, Items);
}

void cCommonPalette::Normalize() {
    PadToTwo(Blocks);
    PadToTwo(Charas);
    PadToTwo(Items);
    // References into the common palette are clamped against this object's tables.
    cPaletteScope scope;
    cPaletteTables own;
    Palette(own);
    scope.SetTables(ePalette::Common, own);
    for (auto& b : Blocks) {
        b.ClampPaletteRef();
        b.ClampItemRef();
    }
    for (auto& c : Charas) {
        c.ClampRefs();
        c.ClampFlowRefs();
    }
    for (auto& it : Items) {
        it.ClampRefs();
        it.ClampCmdRefs();
    }
}

void BindPalettesToDefaultContext() {
    cDefaultRecordContext& context = DefaultRecordContext();
    const auto common = static_cast<std::size_t>(ePalette::Common);
    const auto stage = static_cast<std::size_t>(ePalette::Stage);
    context.blockTables[common] = cTableView<cEdBlock>(CommonPalette.Blocks);
    context.charaTables[common] = cTableView<cEdChara>(CommonPalette.Charas);
    context.itemTables[common] = cTableView<cEdItem>(CommonPalette.Items);
    context.blockTables[stage] = cTableView<cEdBlock>(Stage.PaletteBlocks);
    context.charaTables[stage] = cTableView<cEdChara>(Stage.PaletteCharas);
    context.itemTables[stage] = cTableView<cEdItem>(Stage.PaletteItems);
}
