#include "app/GameRecordContext.h"

#include "app/App.h"
#include "app/Game.h"
#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/Stage.h"
#include "project/SystemData.h"

namespace {

template <class T> std::int64_t SizeOf(const cVector<T>& table) {
    return static_cast<std::int64_t>(table.size());
}

template <class T> const T* At(const cVector<T>& table, std::int64_t index) {
    return OutsideTable(index, SizeOf(table)) ? nullptr : &table[static_cast<std::size_t>(index)];
}

const cVector<cEdChara>& Charas(ePalette p) {
    return p == ePalette::Common ? CommonPalette.Charas : Stage.PaletteCharas;
}
const cVector<cEdItem>& Items(ePalette p) {
    return p == ePalette::Common ? CommonPalette.Items : Stage.PaletteItems;
}
const cVector<cEdBlock>& Blocks(ePalette p) {
    return p == ePalette::Common ? CommonPalette.Blocks : Stage.PaletteBlocks;
}

} // namespace

std::int64_t cGameRecordContext::DatabaseSize(eDatabase db) const {
    switch (db) {
    case eDatabase::AnimeSet:
        return SizeOf(Database.AnimeSet);
    case eDatabase::Anime:
        return SizeOf(Database.Anime);
    case eDatabase::Bmp_CharaExc:
        return SizeOf(Database.Bmp_CharaExc);
    case eDatabase::SwordType:
        return SizeOf(Database.SwordType);
    case eDatabase::Effect:
        return SizeOf(Database.Effect);
    case eDatabase::CharaEffect:
        return SizeOf(Database.CharaEffect);
    case eDatabase::ScrEffect:
        return SizeOf(Database.ScrEffect);
    case eDatabase::Picture:
        return SizeOf(Database.Picture);
    case eDatabase::Sound:
        return SizeOf(Database.Sound);
    case eDatabase::Bgm:
        return SizeOf(Database.Bgm);
    }
    return 0;
}

std::vector<std::int32_t> cGameRecordContext::SwordTypeDurations(std::int64_t index) const {
    std::vector<std::int32_t> durations;
    if (const cSwordType* type = At(Database.SwordType, index))
        for (const cSwordTypeEntry& entry : type->Entries) durations.push_back(entry.nDuration);
    return durations;
}

std::int64_t cGameRecordContext::PaletteCharaCount(ePalette p) const {
    return SizeOf(Charas(p));
}
std::int64_t cGameRecordContext::PaletteItemCount(ePalette p) const {
    return SizeOf(Items(p));
}
std::int64_t cGameRecordContext::PaletteBlockCount(ePalette p) const {
    return SizeOf(Blocks(p));
}
const cEdChara* cGameRecordContext::PaletteChara(ePalette p, std::int64_t index) const {
    return At(Charas(p), index);
}
const cEdItem* cGameRecordContext::PaletteItem(ePalette p, std::int64_t index) const {
    return At(Items(p), index);
}
const cEdBlock* cGameRecordContext::PaletteBlock(ePalette p, std::int64_t index) const {
    return At(Blocks(p), index);
}

bool cGameRecordContext::KeepFlows() const {
    return SystemData.bKeepFlows != 0;
}
bool cGameRecordContext::EditorStarted() const {
    return bEditorStarted != 0;
}
std::int32_t cGameRecordContext::PlayMode() const {
    return Game.nPlayMode;
}

cGameRecordContext& GameRecordContext() {
    static cGameRecordContext context;
    return context;
}
