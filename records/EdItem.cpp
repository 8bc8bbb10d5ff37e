#include "records/EdItem.h"

#include "records/GraphicRef.h"
#include "records/PaletteInherit.h"
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
    cSaveData::Load(file);
    file.Read(&Column, 2);
    file.Read(&Row, 2);
    LoadByteVector(file, InheritFlags);
    LoadConds(file, Conds);
    LoadCommands(file, Commands);
    if (file.Damaged()) return;
    UpgradeShotGraphicIndex(file.LoadVersion(), GraphicKind, GraphicIndex);
    // A flag vector stored shorter or longer is brought to its fixed size.
    InheritFlags.resize(kItemInheritGroups, 0);
    Inherit();
    ClampRefs();
}

void cEdItem::Save(cRecordFile& file) {
    ClampRefs();
    cSaveData::Save(file);
    file.Write(&Column, 2);
    file.Write(&Row, 2);
    SaveByteVector(file, InheritFlags);
    SaveConds(file, Conds);
    SaveCommands(file, Commands);
}

void cEdItem::Inherit() {
    InheritFromTemplate(
        *this, kItemInheritGroups,
        [](const cRecordContext& ctx, ePalette palette, std::int64_t index) {
            return ctx.PaletteItem(palette, index);
        },
        CopyItemGroup);
}

void cEdItem::ClampRefs() {
    const cRecordContext& ctx = RecordContext();
    if (auto palette = PaletteFromSource(PaletteSource);
        palette && OutsideTable(PaletteIndex, ctx.PaletteItemCount(*palette))) {
        PaletteSource = 0;
        PaletteIndex = 0;
    }
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
