// The inherit groups of a block.
#include "records/EdBlock.h"

namespace {

using Copy = void (*)(cEdBlock&, const cEdBlock&);

const Copy kGroups[kBlockInheritGroups] = {
    [](cEdBlock& t, const cEdBlock& f) { t.Name = f.Name; },
    [](cEdBlock& t, const cEdBlock& f) {
        t.Conds = f.Conds;
        t.CondCombine = f.CondCombine;
        t.CondOnce = f.CondOnce;
    },
    [](cEdBlock& t, const cEdBlock& f) {
        t.GraphicKind = f.GraphicKind;
        t.GraphicIndex = f.GraphicIndex;
        t.GraphicSetting = f.GraphicSetting;
    },
    [](cEdBlock& t, const cEdBlock& f) { t.Layer = f.Layer; },
    [](cEdBlock& t, const cEdBlock& f) { t.Hidden = f.Hidden; },
    [](cEdBlock& t, const cEdBlock& f) {
        t.MarkShow = f.MarkShow;
        t.MarkNumber = f.MarkNumber;
    },
    [](cEdBlock& t, const cEdBlock& f) { t.Solid = f.Solid; },
    [](cEdBlock& t, const cEdBlock& f) { t.PassSide = f.PassSide; },
    [](cEdBlock& t, const cEdBlock& f) {
        t.FloorKind = f.FloorKind;
        t.FloorValue = f.FloorValue;
    },
    [](cEdBlock& t, const cEdBlock& f) {
        t.ItemSource = f.ItemSource;
        t.ItemIndex = f.ItemIndex;
    },
    [](cEdBlock& t, const cEdBlock& f) { t.Indestructible = f.Indestructible; },
};

} // namespace

void CopyBlockGroup(std::size_t group, cEdBlock& to, const cEdBlock& from) {
    if (group < kBlockInheritGroups) kGroups[group](to, from);
}
