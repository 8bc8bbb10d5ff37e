#include "play/EffectObj.h"

#include "engine/EngineScene.h"
#include "graphics/Graphics.h"
#include "graphics/RandRange.h"
#include "play/StageResources.h"
#include "project/Database.h"
#include "records/AnimeFrame.h"

#include <algorithm>

namespace {

// The record of an effect number; a number outside the database uses record 0.
const cEffect* RecordOf(std::int32_t effect) {
    if (Database.Effect.empty()) return nullptr;
    return &Database.Effect.At(effect);
}

void StartAnime(cEffectObj& e) {
    cVector<cVector<ANIMEFRAME>> one;
    if (EffectFrameTable.InRange(e.sEffect))
        one.push_back(EffectFrameTable[static_cast<std::size_t>(e.sEffect)]);
    else if (!EffectFrameTable.empty())
        one.push_back(EffectFrameTable.front());
    e.Anime.SetAnimeTable(one);
    e.Anime.SetAnime(0, 1);
}

// The interval two spans share, or the gap between their nearest ends.
void Meet(double aLow, double aHigh, double bLow, double bHigh, double& low, double& high) {
    low = std::max(aLow, bLow);
    high = std::min(aHigh, bHigh);
    if (low > high) std::swap(low, high);
}

} // namespace

void StartHitEffect(cEffectObj& e, std::int32_t effect, const cRectD& a, const cRectD& b,
                    std::int32_t multiplier) {
    const cEffect* rec = RecordOf(effect);
    e.sEffect = static_cast<std::int16_t>(rec && Database.Effect.InRange(effect) ? effect : 0);
    const std::int32_t w = rec ? rec->nCellWidth : 32, h = rec ? rec->nCellHeight : 32;
    std::int32_t m = multiplier;
    if (rec && rec->bScaleByCount && m > 1) {
        e.bScaled = 1;
        e.nWidth = w * m, e.nHeight = h * m;
    } else {
        e.bScaled = 0;
        e.nWidth = w, e.nHeight = h;
        m = 1;
    }
    double left = 0, right = 0, top = 0, bottom = 0;
    Meet(a.left, a.right, b.left, b.right, left, right);
    Meet(a.top, a.bottom, b.top, b.bottom, top, bottom);
    e.dX = left + static_cast<std::int32_t>(right - left + 1) / 2 - e.nWidth / 2;
    e.dY = top + static_cast<std::int32_t>(bottom - top + 1) / 2 - e.nHeight / 2;
    e.dX += RandRange(-4 * m, 4 * m);
    e.dY += RandRange(-4 * m, 4 * m);
    StartAnime(e);
}

void SetupEffectAt(cEffectObj& e, const cEffectPlacement& p) {
    e.sEffect = p.sEffect;
    e.dX = p.dX, e.dY = p.dY;
    e.nWidth = p.nWidth, e.nHeight = p.nHeight;
    const cEffect* rec = RecordOf(p.sEffect);
    e.bScaled = rec && p.nWidth != rec->nCellWidth ? 1 : 0;
    e.bAnimateWhileHeld = p.bStop;
    StartAnime(e);
}

int StepEffect(cEffectObj& e, bool held, std::int32_t& cell) {
    const cEffect* rec = RecordOf(e.sEffect);
    if (!rec || rec->Frames.empty()) return 1;
    if (held && !e.bAnimateWhileHeld) {
        cell = e.Anime.GetAnimeCell();
        return 0;
    }
    cell = e.Anime.StepAnime();
    return cell == ANIME_ENDED ? 1 : 0;
}

int DrawEffect(cEffectObj& e, DDSURFACEDATA* target, bool held, double scrollX, double scrollY) {
    std::int32_t cell = 0;
    if (StepEffect(e, held, cell)) return 1;
    // Two pictures per effect; the first serves both ways here.
    const std::int64_t picture = 2 * static_cast<std::int64_t>(e.sEffect);
    if (!target || cell < 0 || !EffectSD.InRange(picture)) return 0;
    const cEffect& rec = *RecordOf(e.sEffect);
    DDSURFACEDATA* src = &EffectSD[static_cast<std::size_t>(picture)];
    const int x = static_cast<int>(e.dX - scrollX), y = static_cast<int>(e.dY - scrollY);
    const int sx = cell * rec.nCellWidth;
    if (e.bScaled)
        DDBltStretch(target, x, y, e.nWidth, e.nHeight, src, sx, 0, rec.nCellWidth, rec.nCellHeight, 1);
    else
        DDBltFast(target, x, y, rec.nCellWidth, rec.nCellHeight, src, sx, 0, 1);
    return 0;
}
