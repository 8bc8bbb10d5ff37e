// The inherit groups of an item definition.
#include "records/EdItem.h"

namespace {

using Copy = void (*)(cEdItem&, const cEdItem&);

const Copy kGroups[kItemInheritGroups] = {
    [](cEdItem& t, const cEdItem& f) { t.Name = f.Name; },
    [](cEdItem& t, const cEdItem& f) {
        t.Conds = f.Conds;
        t.CondCombine = f.CondCombine;
        t.CondOnce = f.CondOnce;
    },
    [](cEdItem& t, const cEdItem& f) { t.OffsetX = f.OffsetX; },
    [](cEdItem& t, const cEdItem& f) { t.OffsetY = f.OffsetY; },
    [](cEdItem& t, const cEdItem& f) {
        t.GraphicKind = f.GraphicKind;
        t.GraphicIndex = f.GraphicIndex;
        t.CellBase = f.CellBase;
    },
    [](cEdItem& t, const cEdItem& f) { t.MessagePlace = f.MessagePlace; },
    [](cEdItem& t, const cEdItem& f) { t.MessageOption = f.MessageOption; },
    [](cEdItem& t, const cEdItem& f) {
        t.MessageTimeMode = f.MessageTimeMode;
        t.MessageTime = f.MessageTime;
    },
    [](cEdItem& t, const cEdItem& f) { t.Scale = f.Scale; },
    [](cEdItem& t, const cEdItem& f) { t.TakeRule = f.TakeRule; },
    [](cEdItem& t, const cEdItem& f) { t.ShowMessage = f.ShowMessage; },
    [](cEdItem& t, const cEdItem& f) { t.Sound = f.Sound; },
    [](cEdItem& t, const cEdItem& f) { t.Commands = f.Commands; },
};

} // namespace

void CopyItemGroup(std::size_t group, cEdItem& to, const cEdItem& from) {
    if (group < kItemInheritGroups) kGroups[group](to, from);
}
