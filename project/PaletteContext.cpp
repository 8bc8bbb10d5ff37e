#include "project/PaletteContext.h"

#include "records/EdBlock.h"
#include "records/EdChara.h"
#include "records/EdItem.h"

#include <limits>

namespace {

constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();

template <class T> std::int64_t SizeOf(const cVector<T>* table) {
    return table ? static_cast<std::int64_t>(table->size()) : 0;
}

template <class T> const T* EntryOf(const cVector<T>* table, std::int64_t index) {
    if (!table || OutsideTable(index, static_cast<std::int64_t>(table->size()))) return nullptr;
    return &(*table)[static_cast<std::size_t>(index)];
}

} // namespace

cPaletteScope::cPaletteScope() : base_(&RecordContext()), previous_(SetThreadRecordContext(this)) {}

cPaletteScope::~cPaletteScope() {
    SetThreadRecordContext(previous_);
}

void cPaletteScope::SetTables(ePalette palette, const cPaletteTables& tables) {
    Slot& slot = slots_[static_cast<int>(palette)];
    slot.mode = eMode::Tables;
    slot.tables = tables;
}

void cPaletteScope::SetLoading(ePalette palette, const cPaletteTables& filling) {
    Slot& slot = slots_[static_cast<int>(palette)];
    slot.mode = eMode::Loading;
    slot.tables = filling;
}

std::int64_t cPaletteScope::PaletteCharaCount(ePalette palette) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteCharaCount(palette);
    return s.mode == eMode::Loading ? kUnlimited : SizeOf(s.tables.charas);
}

std::int64_t cPaletteScope::PaletteItemCount(ePalette palette) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteItemCount(palette);
    return s.mode == eMode::Loading ? kUnlimited : SizeOf(s.tables.items);
}

std::int64_t cPaletteScope::PaletteBlockCount(ePalette palette) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteBlockCount(palette);
    return s.mode == eMode::Loading ? kUnlimited : SizeOf(s.tables.blocks);
}

const cEdChara* cPaletteScope::PaletteChara(ePalette palette, std::int64_t index) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteChara(palette, index);
    return EntryOf(s.tables.charas, index);
}

const cEdItem* cPaletteScope::PaletteItem(ePalette palette, std::int64_t index) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteItem(palette, index);
    return EntryOf(s.tables.items, index);
}

const cEdBlock* cPaletteScope::PaletteBlock(ePalette palette, std::int64_t index) const {
    const Slot& s = SlotOf(palette);
    if (s.mode == eMode::Base) return base_->PaletteBlock(palette, index);
    return EntryOf(s.tables.blocks, index);
}
