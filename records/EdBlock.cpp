#include "records/EdBlock.h"

#include "records/GraphicRef.h"
#include "records/PlacedDefinition.h"
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
    LoadDefinitionParts(file, *this);
    if (file.Damaged()) return;
    UpgradeShotGraphicIndex(file.LoadVersion(), GraphicKind, GraphicIndex);
    SettleLoadedDefinition(*this, kBlockInheritGroups);
    ClampPaletteRef();
}

void cEdBlock::Save(cRecordFile& file) {
    ClampPaletteRef();
    SaveDefinitionParts(file, *this);
}

void cEdBlock::Inherit() {
    InheritFromTemplate(*this, kBlockInheritGroups, CopyBlockGroup);
}

void cEdBlock::ClampPaletteRef() {
    ClampPaletteReference(*this);
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
