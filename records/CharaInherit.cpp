// The inherit groups of a character definition: which fields each of the 37
// flags takes from the template.
#include "records/EdChara.h"

namespace {

using Copy = void (*)(cEdChara&, const cEdChara&);

const Copy kGroups[kCharaInheritGroups] = {
    [](cEdChara& t, const cEdChara& f) { t.Name = f.Name; },
    [](cEdChara& t, const cEdChara& f) {
        t.Control = f.Control;
        t.InputRecord = f.InputRecord;
    },
    [](cEdChara& t, const cEdChara& f) { t.Placed = f.Placed; },
    [](cEdChara& t, const cEdChara& f) { t.Faction = f.Faction; },
    [](cEdChara& t, const cEdChara& f) {
        t.Conds = f.Conds;
        t.CondCombine = f.CondCombine;
        t.CondOnce = f.CondOnce;
    },
    [](cEdChara& t, const cEdChara& f) { t.Facing = f.Facing; },
    [](cEdChara& t, const cEdChara& f) { t.ObjectCount = f.ObjectCount; },
    [](cEdChara& t, const cEdChara& f) {
        t.OffsetBaseX = f.OffsetBaseX;
        t.OffsetStepX = f.OffsetStepX;
        t.OffsetMirrorX = f.OffsetMirrorX;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.OffsetBaseY = f.OffsetBaseY;
        t.OffsetStepY = f.OffsetStepY;
        t.OffsetMirrorY = f.OffsetMirrorY;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.GraphicKind = f.GraphicKind;
        t.GraphicIndex = f.GraphicIndex;
        t.CellBase = f.CellBase;
    },
    [](cEdChara& t, const cEdChara& f) { t.AnimeSet = f.AnimeSet; },
    [](cEdChara& t, const cEdChara& f) { t.z = f.z; },
    [](cEdChara& t, const cEdChara& f) { t.Transparent = f.Transparent; },
    [](cEdChara& t, const cEdChara& f) {
        t.CharaEffectA = f.CharaEffectA;
        t.CharaEffectAParam = f.CharaEffectAParam;
        t.CharaEffectAOption = f.CharaEffectAOption;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.CharaEffectB = f.CharaEffectB;
        t.CharaEffectBParam = f.CharaEffectBParam;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.MarkShow = f.MarkShow;
        t.MarkNumber = f.MarkNumber;
    },
    [](cEdChara& t, const cEdChara& f) { t.FixedFacing = f.FixedFacing; },
    [](cEdChara& t, const cEdChara& f) { t.Flying = f.Flying; },
    [](cEdChara& t, const cEdChara& f) {
        t.Invincible = f.Invincible;
        t.TintSelect = f.TintSelect;
    },
    [](cEdChara& t, const cEdChara& f) { t.BlockChara = f.BlockChara; },
    [](cEdChara& t, const cEdChara& f) { t.CharaScale = f.CharaScale; },
    [](cEdChara& t, const cEdChara& f) { t.ScrollSync = f.ScrollSync; },
    [](cEdChara& t, const cEdChara& f) {
        t.SightShape = f.SightShape;
        t.sight = f.sight;
    },
    [](cEdChara& t, const cEdChara& f) { t.mhp = f.mhp; },
    [](cEdChara& t, const cEdChara& f) { t.msp = f.msp; },
    [](cEdChara& t, const cEdChara& f) { t.HitRange = f.HitRange; },
    [](cEdChara& t, const cEdChara& f) { t.power = f.power; },
    [](cEdChara& t, const cEdChara& f) { t.imp = f.imp; },
    [](cEdChara& t, const cEdChara& f) { t.Effect = f.Effect; },
    [](cEdChara& t, const cEdChara& f) { t.def = f.def; },
    [](cEdChara& t, const cEdChara& f) { t.impd = f.impd; },
    [](cEdChara& t, const cEdChara& f) { t.stop = f.stop; },
    [](cEdChara& t, const cEdChara& f) {
        t.ActiveArea = f.ActiveArea;
        t.ActivationKind = f.ActivationKind;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.InActivationGroup = f.InActivationGroup;
        t.ActivationGroup = f.ActivationGroup;
    },
    [](cEdChara& t, const cEdChara& f) { t.getsc = f.getsc; },
    [](cEdChara& t, const cEdChara& f) { t.cid = f.cid; },
    [](cEdChara& t, const cEdChara& f) {
        t.Flows = f.Flows;
        if (t.Flows.empty()) t.Flows.emplace_back();
    },
};

} // namespace

void CopyCharaGroup(std::size_t group, cEdChara& to, const cEdChara& from) {
    if (group < kCharaInheritGroups) kGroups[group](to, from);
}
