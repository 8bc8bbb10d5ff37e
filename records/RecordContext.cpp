#include "records/RecordContext.h"

namespace {
cRecordContext* g_context = nullptr;
thread_local cRecordContext* t_context = nullptr;
} // namespace

std::optional<ePalette> PaletteFromSource(int source) {
    if (source == 1) return ePalette::Common;
    if (source == 2) return ePalette::Stage;
    return std::nullopt;
}

void cDefaultRecordContext::Clear(std::int64_t databaseSize) {
    databaseSizes.fill(databaseSize);
    swordTypeDurations.clear();
    charaTables = {};
    itemTables = {};
    blockTables = {};
    keepFlows = false;
    editorStarted = false;
    playMode = 0;
}

std::int64_t cDefaultRecordContext::DatabaseSize(eDatabase db) const {
    return databaseSizes[static_cast<std::size_t>(db)];
}

std::vector<std::int32_t> cDefaultRecordContext::SwordTypeDurations(std::int64_t index) const {
    if (OutsideTable(index, static_cast<std::int64_t>(swordTypeDurations.size()))) return {};
    return swordTypeDurations[static_cast<std::size_t>(index)];
}

std::int64_t cDefaultRecordContext::PaletteCharaCount(ePalette p) const {
    return charaTables[static_cast<std::size_t>(p)].Size();
}
std::int64_t cDefaultRecordContext::PaletteItemCount(ePalette p) const {
    return itemTables[static_cast<std::size_t>(p)].Size();
}
std::int64_t cDefaultRecordContext::PaletteBlockCount(ePalette p) const {
    return blockTables[static_cast<std::size_t>(p)].Size();
}
const cEdChara* cDefaultRecordContext::PaletteChara(ePalette p, std::int64_t index) const {
    return charaTables[static_cast<std::size_t>(p)].At(index);
}
const cEdItem* cDefaultRecordContext::PaletteItem(ePalette p, std::int64_t index) const {
    return itemTables[static_cast<std::size_t>(p)].At(index);
}
const cEdBlock* cDefaultRecordContext::PaletteBlock(ePalette p, std::int64_t index) const {
    return blockTables[static_cast<std::size_t>(p)].At(index);
}

cDefaultRecordContext& DefaultRecordContext() {
    static cDefaultRecordContext context;
    return context;
}

cRecordContext& RecordContext() {
    if (t_context) return *t_context;
    return g_context ? *g_context : DefaultRecordContext();
}

void SetRecordContext(cRecordContext* context) {
    g_context = context;
}

cRecordContext* SetThreadRecordContext(cRecordContext* context) {
    cRecordContext* previous = t_context;
    t_context = context;
    return previous;
}
