// The inherit groups of a character definition: which fields each of the 37
// flags takes from the template.
#include "records/EdChara.h"

namespace {

using Copy = void (*)(cEdChara&, const cEdChara&);

const Copy kGroups[kCharaInheritGroups] = {
    [](cEdChara& t, const cEdChara& f) { t.Name = f.Name; },
    [](cEdChara& t, const cEdChara& f) {
        t.Control = f.Control;
        t.Field25b = f.Field25b;
    },
    [](cEdChara& t, const cEdChara& f) { t.Field25c = f.Field25c; },
    [](cEdChara& t, const cEdChara& f) { t.Field25d = f.Field25d; },
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
    [](cEdChara& t, const cEdChara& f) { t.Field18 = f.Field18; },
    [](cEdChara& t, const cEdChara& f) { t.Transparent = f.Transparent; },
    [](cEdChara& t, const cEdChara& f) {
        t.CharaEffectA = f.CharaEffectA;
        t.CharaEffectAParam = f.CharaEffectAParam;
        t.Field22 = f.Field22;
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
        t.Field33 = f.Field33;
        t.Field34 = f.Field34;
    },
    [](cEdChara& t, const cEdChara& f) { t.mhp = f.mhp; },
    [](cEdChara& t, const cEdChara& f) { t.msp = f.msp; },
    [](cEdChara& t, const cEdChara& f) { t.HitRange = f.HitRange; },
    [](cEdChara& t, const cEdChara& f) { t.power = f.power; },
    [](cEdChara& t, const cEdChara& f) { t.imp = f.imp; },
    [](cEdChara& t, const cEdChara& f) { t.Effect = f.Effect; },
    [](cEdChara& t, const cEdChara& f) { t.def = f.def; },
    [](cEdChara& t, const cEdChara& f) { t.impd = f.impd; },
    [](cEdChara& t, const cEdChara& f) { t.Field37 = f.Field37; },
    [](cEdChara& t, const cEdChara& f) {
        t.Field48 = f.Field48;
        t.Field49 = f.Field49;
    },
    [](cEdChara& t, const cEdChara& f) {
        t.Field46 = f.Field46;
        t.Field47 = f.Field47;
    },
    [](cEdChara& t, const cEdChara& f) { t.getsc = f.getsc; },
    [](cEdChara& t, const cEdChara& f) { t.Field45 = f.Field45; },
    [](cEdChara& t, const cEdChara& f) {
        t.Flows = f.Flows;
        if (t.Flows.empty()) t.Flows.emplace_back();
    },
};

} // namespace

void CopyCharaGroup(std::size_t group, cEdChara& to, const cEdChara& from) {
    if (group < kCharaInheritGroups) kGroups[group](to, from);
}
