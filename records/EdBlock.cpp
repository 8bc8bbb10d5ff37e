#include "records/EdBlock.h"

#include "records/GraphicRef.h"
#include "records/PaletteInherit.h"
#include "records/RecordContext.h"
#include "records/RecordVector.h"

#include <algorithm>

cEdBlock::cEdBlock() {
    Init();
}

void cEdBlock::Init() {
    Reset();
    InheritFlags.assign(kBlockInheritGroups, 0);
    Solid = 1;
    PassSide = 255;
    GraphicIndex = 0;
}

void cEdBlock::RegisterFields(std::uint32_t) {
    ClearFields();
    AddByte(&PaletteSource);
    AddShort(&PaletteIndex);
    AddString(&Name);
    AddByte(&CondCombine);
    AddByte(&CondOnce);
    AddShort(&GraphicIndex);
    AddByte(&GraphicKind);
    AddShort(&GraphicSetting);
    AddByte(&Layer);
    AddByte(&Hidden);
    AddByte(&MarkShow);
    AddShort(&MarkNumber);
    AddByte(&Solid);
    AddByte(&PassSide);
    AddByte(&FloorKind);
    AddInt(&FloorValue);
    AddByte(&ItemSource);
    AddShort(&ItemIndex);
    AddByte(&Indestructible);
}

void cEdBlock::Load(cRecordFile& file) {
    cSaveData::Load(file);
    file.Read(&Column, 2);
    file.Read(&Row, 2);
    LoadByteVector(file, InheritFlags);
    LoadConds(file, Conds);
    if (file.Damaged()) return;
    UpgradeShotGraphicIndex(file.LoadVersion(), GraphicKind, GraphicIndex);
    // A flag vector stored shorter or longer is brought to its fixed size.
    InheritFlags.resize(kBlockInheritGroups, 0);
    Inherit();
    ClampPaletteRef();
}

void cEdBlock::Save(cRecordFile& file) {
    ClampPaletteRef();
    cSaveData::Save(file);
    file.Write(&Column, 2);
    file.Write(&Row, 2);
    SaveByteVector(file, InheritFlags);
    SaveConds(file, Conds);
}

void cEdBlock::Inherit() {
    InheritFromTemplate(
        *this, kBlockInheritGroups,
        [](const cRecordContext& ctx, ePalette palette, std::int64_t index) {
            return ctx.PaletteBlock(palette, index);
        },
        CopyBlockGroup);
}

void cEdBlock::ClampPaletteRef() {
    if (auto palette = PaletteFromSource(PaletteSource);
        palette && OutsideTable(PaletteIndex, RecordContext().PaletteBlockCount(*palette))) {
        PaletteSource = 0;
        PaletteIndex = 0;
    }
    // An empty cell is never solid and never protected.
    if (GraphicIndex == 0) {
        Solid = 0;
        Indestructible = 0;
    }
}

void cEdBlock::ClampItemRef() {
    if (auto palette = PaletteFromSource(ItemSource);
        palette && OutsideTable(ItemIndex, RecordContext().PaletteItemCount(*palette))) {
        ItemSource = 0;
        ItemIndex = 0;
    }
}

std::uint8_t cEdBlock::IsSolid(std::int32_t side, bool conditionsHold) const {
    if (!Conds.empty() && !conditionsHold) return 0;
    if (side == PassSide) return 0;
    return Solid;
}

void LoadBlocks(cRecordFile& file, cVector<cEdBlock>& out) {
    LoadRecords(file, out, kMinBlockBytes);
}

void SaveBlocks(cRecordFile& file, cVector<cEdBlock>& blocks) {
    SaveRecordVector(file, blocks);
}
