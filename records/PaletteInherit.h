// Inheritance of a definition (character, item or block) from its palette
// template: every group of settings marked in its inherit flags is copied
// from the template; a template that does not exist drops the reference.
#pragma once

#include "records/RecordContext.h"

#include <cstddef>

template <class T, class Lookup, class CopyGroup>
void InheritFromTemplate(T& record, std::size_t groups, Lookup lookup, CopyGroup copyGroup) {
    if (record.PaletteIndex == 0 || record.PaletteSource == 0) return;
    const auto palette = PaletteFromSource(record.PaletteSource);
    if (!palette) return;
    const T* from = lookup(RecordContext(), *palette, record.PaletteIndex);
    if (!from) {
        record.PaletteSource = 0; // the index stays
        return;
    }
    const T source = *from; // the template may be this very record
    for (std::size_t i = 0; i < record.InheritFlags.size() && i < groups; ++i)
        if (record.InheritFlags[i]) copyGroup(i, record, source);
}
