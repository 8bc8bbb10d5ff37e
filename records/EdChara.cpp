#include "records/EdChara.h"

#include "records/GraphicRef.h"
#include "records/PlacedDefinition.h"
#include "records/RecordContext.h"
#include "records/RecordVector.h"

#include <algorithm>

cEdChara::cEdChara() {
    Init();
}

void cEdChara::Init() {
    Reset();
    CarriedItem = 0;
    InheritFlags.assign(kCharaInheritGroups, 0);
    mhp = 10;
    stop = 10;
    Control = 1;
    Placed = 1;
    z = 3;
    CharaEffectAOption = 1;
    def = 0;
    GraphicKind = 1;
    GraphicIndex = 0;
    CharaScale = 1;
    FixedFacing = 1;
    cid = 1;
}

void cEdChara::RegisterFields(std::uint32_t v) {
    ClearFields();
    AddByte(&PaletteSource);
    AddShort(&PaletteIndex);
    AddString(&Name);
    AddByte(&CondCombine);
    AddByte(&CondOnce);
    AddByte(&Facing);
    AddByte(&ObjectCount);
    AddShort(&OffsetBaseX);
    AddShort(&OffsetStepX);
    AddShort(&OffsetBaseY);
    AddShort(&OffsetStepY);
    AddByte(&OffsetMirrorX);
    AddByte(&OffsetMirrorY);
    AddShort(&GraphicIndex);
    AddByte(&GraphicKind);
    AddShort(&CellBase);
    AddShort(&AnimeSet);
    AddByte(&z);
    AddByte(&Transparent);
    AddShort(&CharaEffectA);
    if (v >= 196) AddByte(&CharaEffectAParam);
    AddByte(&CharaEffectAOption);
    AddShort(&CharaEffectB);
    if (v >= 196) AddByte(&CharaEffectBParam);
    AddByte(&MarkShow);
    AddShort(&MarkNumber);
    AddByte(&Control);
    AddByte(&InputRecord);
    AddByte(&Placed);
    AddByte(&Faction);
    AddByte(&Flying);
    AddByte(&FixedFacing);
    AddByte(&Invincible);
    if (v >= 285) AddByte(&TintSelect);
    AddByte(&BlockChara);
    AddByte(&CharaScale);
    if (v >= 210) AddByte(&ScrollSync);
    AddByte(&SightShape);
    AddByte(&sight);
    AddInt(&mhp);
    AddInt(&msp);
    AddShort(&stop);
    if (v >= 201) AddByte(&HitRange);
    AddInt(&power);
    AddByte(&imp);
    AddShort(&Effect);
    if (v >= 168) AddInt(&def);
    AddByte(&impd);
    AddInt(&getsc);
    AddByte(&cid);
    AddByte(&InActivationGroup);
    AddShort(&ActivationGroup);
    AddByte(&ActiveArea);
    AddByte(&ActivationKind);
}

namespace {

// A group added by a later version: the flags from `pos` on move up one place
// (the last falls off) and the new group is inherited.
void InsertFlag(cVector<std::uint8_t>& flags, std::size_t pos) {
    flags.resize(kCharaInheritGroups, 0);
    std::copy_backward(flags.begin() + static_cast<std::ptrdiff_t>(pos), flags.end() - 1, flags.end());
    flags[pos] = 1;
}

} // namespace

void cEdChara::Load(cRecordFile& file) {
    LoadDefinitionParts(file, *this);
    LoadFlows(file, Flows);
    if (file.Damaged()) return;
    if (!RecordContext().EditorStarted() && !RecordContext().KeepFlows()) DropFlagged(Flows);

    const std::uint32_t v = file.LoadVersion();
    if (v < 818) {
        if (v < 168) {
            def = 0;
            InsertFlag(InheritFlags, 27);
        }
        if (v < 196) {
            CharaEffectAParam = 0;
            CharaEffectBParam = 0;
        }
        if (v < 201) {
            HitRange = 0;
            InsertFlag(InheritFlags, 24);
        }
        if (v < 206 && static_cast<std::int8_t>(HitRange) >= 2) ++HitRange;
        if (v < 210) {
            ScrollSync = 0;
            InsertFlag(InheritFlags, 21);
        }
        UpgradeShotGraphicIndex(v, GraphicKind, GraphicIndex);
        if (v < 285) TintSelect = 1;
    }
    SettleLoadedDefinition(*this, kCharaInheritGroups);
    ClampRefs();
}

void cEdChara::Save(cRecordFile& file) {
    ClampRefs();
    SaveDefinitionParts(file, *this);
    SaveFlows(file, Flows);
}

void cEdChara::Inherit() {
    InheritFromTemplate(*this, kCharaInheritGroups, CopyCharaGroup);
}

void cEdChara::ClampRefs() {
    const cRecordContext& ctx = RecordContext();
    ClampPaletteReference(*this);
    if (GraphicKind == 4 && OutsideTable(GraphicIndex, ctx.DatabaseSize(eDatabase::Bmp_CharaExc)))
        GraphicIndex = 1;
    if (CharaScale < 1) CharaScale = 1;
    if (OutsideTable(AnimeSet, ctx.DatabaseSize(eDatabase::AnimeSet))) AnimeSet = 0;
    if (OutsideTable(CharaEffectA, ctx.DatabaseSize(eDatabase::CharaEffect))) CharaEffectA = 0;
    if (OutsideTable(CharaEffectB, ctx.DatabaseSize(eDatabase::CharaEffect))) CharaEffectB = 0;
    if (OutsideTable(Effect, ctx.DatabaseSize(eDatabase::Effect))) Effect = 0;
    // A player-controlled character is one object and never a block character.
    if (Control == 0) {
        ObjectCount = 0;
        BlockChara = 0;
    }
    for (auto& flow : Flows) flow.FixParams();
    Flows.erase(std::remove_if(Flows.begin(), Flows.end(), [](const cEdFlow& f) { return f.IsEmpty(); }),
                Flows.end());
}

void cEdChara::ClampFlowRefs() {
    for (auto& flow : Flows) flow.ClampCmdRefs();
}

double cEdChara::GetOffsetX(std::int32_t i, std::int32_t dir) const {
    const double v = static_cast<double>(OffsetStepX) * i + OffsetBaseX;
    return (dir == 1 && OffsetMirrorX) ? -v : v;
}

double cEdChara::GetOffsetY(std::int32_t i, std::int32_t dir) const {
    const double v = static_cast<double>(OffsetStepY) * i + OffsetBaseY;
    return (dir == 1 && OffsetMirrorY) ? -v : v;
}

void LoadCharas(cRecordFile& file, cVector<cEdChara>& out) {
    LoadRecords(file, out, kMinCharaBytes);
}

void SaveCharas(cRecordFile& file, cVector<cEdChara>& charas) {
    SaveRecordVector(file, charas);
}
