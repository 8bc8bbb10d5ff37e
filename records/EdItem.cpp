#include "records/EdItem.h"

#include "records/GraphicRef.h"
#include "records/PlacedDefinition.h"
#include "records/RecordContext.h"
#include "records/RecordVector.h"

#include <algorithm>

cEdItem::cEdItem() {
    Init();
}

void cEdItem::Init() {
    Reset();
    InheritFlags.assign(kItemInheritGroups, 0);
    GraphicKind = 2;
    GraphicIndex = 0;
    ShowMessage = 1;
    Scale = 1;
    MessagePlace = 6;
}

void cEdItem::RegisterFields(std::uint32_t) {
    ClearFields();
    AddByte(&PaletteSource);
    AddShort(&PaletteIndex);
    AddString(&Name);
    AddByte(&CondCombine);
    AddByte(&CondOnce);
    AddShort(&OffsetX);
    AddShort(&OffsetY);
    AddShort(&GraphicIndex);
    AddByte(&GraphicKind);
    AddShort(&CellBase);
    AddByte(&MessagePlace);
    AddByte(&MessageOption);
    AddByte(&MessageTimeMode);
    AddShort(&MessageTime);
    AddByte(&ShowMessage);
    AddByte(&TakeRule);
    AddByte(&Scale);
    AddShort(&Sound);
}

void cEdItem::Load(cRecordFile& file) {
    LoadDefinitionParts(file, *this);
    LoadCommands(file, Commands);
    if (file.Damaged()) return;
    UpgradeShotGraphicIndex(file.LoadVersion(), GraphicKind, GraphicIndex);
    SettleLoadedDefinition(*this, kItemInheritGroups);
    ClampRefs();
}

void cEdItem::Save(cRecordFile& file) {
    ClampRefs();
    SaveDefinitionParts(file, *this);
    SaveCommands(file, Commands);
}

void cEdItem::Inherit() {
    InheritFromTemplate(*this, kItemInheritGroups, CopyItemGroup);
}

void cEdItem::ClampRefs() {
    const cRecordContext& ctx = RecordContext();
    ClampPaletteReference(*this);
    if (Scale < 1) Scale = 1;
    if (OutsideTable(Sound, ctx.DatabaseSize(eDatabase::Sound))) Sound = 0;
    for (auto& c : Commands) c.FixParams();
}

void cEdItem::ClampCmdRefs() {
    for (auto& c : Commands) c.ClampRefs();
}

const cEdItem* GetPaletteItem(int source, std::int16_t index) {
    const auto palette = PaletteFromSource(source);
    return palette ? RecordContext().PaletteItem(*palette, index) : nullptr;
}

void LoadItems(cRecordFile& file, cVector<cEdItem>& out) {
    LoadRecords(file, out, kMinItemBytes);
}

void SaveItems(cRecordFile& file, cVector<cEdItem>& items) {
    SaveRecordVector(file, items);
}
