// The parameter fix and the palette clamp of commands: every database and
// palette reference a command holds is kept inside the current tables.
#include "records/EdCommand.h"
#include "records/EdFlow.h"
#include "records/Labels/CommandKinds.h"
#include "records/RecordContext.h"

#include <algorithm>

namespace {

std::int64_t DbSize(eDatabase db) {
    return RecordContext().DatabaseSize(db);
}

// Parameter i, when the kind has it.
std::int32_t* ParamAt(cEdCommand& c, std::size_t i) {
    return i < c.vParam.size() ? &c.vParam[i] : nullptr;
}

void ReplaceOutside(cEdCommand& c, std::size_t i, eDatabase db, std::int32_t replacement) {
    if (std::int32_t* p = ParamAt(c, i); p && OutsideTable(*p, DbSize(db))) *p = replacement;
}

// The wait of a sword command lasts its sword type's frames, at most 9999.
void FixSword(cEdCommand& c) {
    if (!c.pShot) return; // commands made by the editor carry one; a damaged file may not
    cEdShot& shot = *c.pShot;
    if (OutsideTable(shot.cMotion, DbSize(eDatabase::SwordType))) shot.cMotion = 0;
    std::int64_t sum = 0;
    for (std::int32_t d : RecordContext().SwordTypeDurations(shot.cMotion))
        sum = std::min<std::int64_t>(sum + d, 9999);
    c.sWait = static_cast<std::int16_t>(sum);
}

} // namespace

void cEdCommand::FixParams() {
    if (OutsideTable(sAnime, DbSize(eDatabase::Anime))) sAnime = 0;
    if (OutsideTable(sSe, DbSize(eDatabase::Sound))) sSe = 0;
    vParam.resize(static_cast<std::size_t>(CmdParamCount(IsFlow(), cKind)), 0);

    switch (CharaKind()) {
    case 12:
        if (!IsFlow()) FixSword(*this);
        break;
    case 26:
        if (std::int32_t* p0 = ParamAt(*this, 0); p0 && *p0 == 4)
            ReplaceOutside(*this, 1, eDatabase::Bmp_CharaExc, 1);
        break;
    case 27:
        ReplaceOutside(*this, 0, eDatabase::AnimeSet, 0);
        break;
    case 28:
        ReplaceOutside(*this, 0, eDatabase::Anime, 1);
        break;
    case 29:
        ReplaceOutside(*this, 0, eDatabase::Effect, 1);
        break;
    case 30:
        ReplaceOutside(*this, 0, eDatabase::CharaEffect, 1);
        break;
    case 31:
        ReplaceOutside(*this, 0, eDatabase::ScrEffect, 1);
        break;
    case 32:
        ReplaceOutside(*this, 0, eDatabase::Picture, 1);
        break;
    case 35:
        ReplaceOutside(*this, 0, eDatabase::Sound, 1);
        break;
    case 36:
        ReplaceOutside(*this, 0, eDatabase::Bgm, 1);
        break;
    default:
        break;
    }
    for (auto& flow : vFlow) flow.FixParams();
}

namespace {

// The summon palettes count 0 common, 1 stage.
std::optional<ePalette> SummonPalette(int selector) {
    if (selector == 0) return ePalette::Common;
    if (selector == 1) return ePalette::Stage;
    return std::nullopt;
}

void ClampShotRefs(int kind, cEdShot& shot) {
    const cRecordContext& ctx = RecordContext();
    if (kind == 11 || kind == 12) {
        if (auto pal = PaletteFromSource(shot.cItemSrc);
            pal && OutsideTable(shot.sItemNo, ctx.PaletteItemCount(*pal))) {
            shot.cItemSrc = 0;
            shot.sItemNo = 0;
        }
        return;
    }
    auto pal = SummonPalette(shot.cSummonSrc);
    if (!pal) return;
    std::int64_t count = 0;
    if (kind == 13)
        count = ctx.PaletteBlockCount(*pal);
    else if (kind == 14)
        count = ctx.PaletteCharaCount(*pal);
    else if (kind == 15)
        count = ctx.PaletteItemCount(*pal);
    else
        return;
    if (OutsideTable(shot.sSummonNo, count)) shot.sSummonNo = 1;
}

} // namespace

void cEdCommand::ClampRefs() {
    const int kind = CharaKind();
    if (!IsFlow() && kind >= 11 && kind <= 15 && pShot) ClampShotRefs(kind, *pShot);
    if (kind == 25) {
        std::int32_t* p0 = ParamAt(*this, 0);
        std::int32_t* p1 = ParamAt(*this, 1);
        if (p0 && p1)
            if (auto pal = SummonPalette(*p0);
                pal && OutsideTable(*p1, RecordContext().PaletteItemCount(*pal)))
                *p1 = 1;
    }
    for (auto& flow : vFlow) flow.ClampCmdRefs();
}
