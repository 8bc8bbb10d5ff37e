// What the three kinds of definition that a palette holds and a stage places
// (block, character, item) do alike: the parts of the record they store the
// same way, the settling of a loaded record (its inherit flags brought to
// their fixed count, then the template groups copied in), inheritance from a
// palette template, and the clamp of the palette reference. Each kind keeps
// its own vectors, upgrades and further clamps.
#pragma once

#include "records/Cond.h"
#include "records/RecordContext.h"
#include "records/RecordVector.h"

#include <cstddef>
#include <cstdint>

// The palette table of a definition kind, as the record context answers for it.
template <class T> struct cPaletteTableOf;

template <> struct cPaletteTableOf<cEdBlock> {
    static std::int64_t Count(const cRecordContext& c, ePalette p) { return c.PaletteBlockCount(p); }
    static const cEdBlock* At(const cRecordContext& c, ePalette p, std::int64_t i) {
        return c.PaletteBlock(p, i);
    }
};

template <> struct cPaletteTableOf<cEdChara> {
    static std::int64_t Count(const cRecordContext& c, ePalette p) { return c.PaletteCharaCount(p); }
    static const cEdChara* At(const cRecordContext& c, ePalette p, std::int64_t i) {
        return c.PaletteChara(p, i);
    }
};

template <> struct cPaletteTableOf<cEdItem> {
    static std::int64_t Count(const cRecordContext& c, ePalette p) { return c.PaletteItemCount(p); }
    static const cEdItem* At(const cRecordContext& c, ePalette p, std::int64_t i) {
        return c.PaletteItem(p, i);
    }
};

// The stored parts every kind shares, in file order: the registered fields,
// the placement's column and row (a character's carried item after them),
// the inherit flags and the conditions. The kind's own vectors follow.
template <class T> void LoadDefinitionParts(cRecordFile& file, T& d) {
    d.cSaveData::Load(file);
    file.Read(&d.Column, 2);
    file.Read(&d.Row, 2);
    if constexpr (requires { d.CarriedItem; }) file.Read(&d.CarriedItem, 4);
    LoadByteVector(file, d.InheritFlags);
    LoadConds(file, d.Conds);
}

template <class T> void SaveDefinitionParts(cRecordFile& file, T& d) {
    d.cSaveData::Save(file);
    file.Write(&d.Column, 2);
    file.Write(&d.Row, 2);
    if constexpr (requires { d.CarriedItem; }) file.Write(&d.CarriedItem, 4);
    SaveByteVector(file, d.InheritFlags);
    SaveConds(file, d.Conds);
}

// A flag vector stored shorter or longer is brought to the kind's fixed
// count; then the template's groups are copied in.
template <class T> void SettleLoadedDefinition(T& d, std::size_t groups) {
    d.InheritFlags.resize(groups, 0);
    d.Inherit();
}

// Copies every group of settings marked in the inherit flags from the
// template. An index outside the palette's table drops the palette source
// (the index stays). A template inside the table that is not there yet (its
// palette is still loading) copies nothing and keeps the reference as stored.
template <class T, class CopyGroup> void InheritFromTemplate(T& d, std::size_t groups, CopyGroup copyGroup) {
    if (d.PaletteIndex == 0 || d.PaletteSource == 0) return;
    const auto palette = PaletteFromSource(d.PaletteSource);
    if (!palette) return;
    const cRecordContext& context = RecordContext();
    const T* from = cPaletteTableOf<T>::At(context, *palette, d.PaletteIndex);
    if (!from) {
        if (OutsideTable(d.PaletteIndex, cPaletteTableOf<T>::Count(context, *palette))) d.PaletteSource = 0;
        return;
    }
    const T source = *from; // the template may be this very record
    for (std::size_t i = 0; i < d.InheritFlags.size() && i < groups; ++i)
        if (d.InheritFlags[i]) copyGroup(i, d, source);
}

// Drops the palette reference (source and index 0) when the index lies
// outside the table it names.
template <class T> void ClampPaletteReference(T& d) {
    if (auto palette = PaletteFromSource(d.PaletteSource);
        palette && OutsideTable(d.PaletteIndex, cPaletteTableOf<T>::Count(RecordContext(), *palette))) {
        d.PaletteSource = 0;
        d.PaletteIndex = 0;
    }
}
