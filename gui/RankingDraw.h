// Drawing of the rankings: one table of a stage's ranking set with its title
// and places, and the result panel of a cleared stage.
#pragma once

#include "graphics/SurfaceData.h"
#include "project/RankSet.h"

#include <cstdint>

// Table `table` of the set at (x, y) in a 270 x 350 box: the genre's title,
// the used places with name and value, the hint for switching genres when the
// game kind keeps more than one, and the mark at `highlight` (-1 none).
void DrawRankTable(DDSURFACEDATA* dst, int x, int y, const cRankSet& set, int table, int highlight,
                   std::int32_t gameKind);

// The values of the result panel, by genre (score, remaining time, clear time,
// remaining HP, remaining SP), and which genres it shows.
struct cResultValues {
    std::int32_t values[cRankSet::kTables] = {};
    bool shown[cRankSet::kTables] = {};
};
// The panel at (x, y) with a mark on each row whose place is not -1.
void DrawResultPanel(DDSURFACEDATA* dst, int x, int y, const cResultValues& result,
                     const int (&places)[cRankSet::kTables]);
