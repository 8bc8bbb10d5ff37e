// The largest stage that play takes on. Map cells are allocated for the whole
// map (with its margins, in rows of a power-of-two pitch) and every frame runs
// the level's sub-steps, so sizes read from a stage file are bounded before
// anything is allocated or run.
#pragma once

#include <cstdint>

class cStage;

// Placements name their columns and rows in 16 bits: no map is larger.
constexpr std::int32_t kMaxMapBlocks = 32767;
// Cells of the block grid, margins and pitch included (some 400 MB of cells):
// the widest map fits with a dozen rows, a 1000-block-wide one with 2000.
constexpr std::int64_t kMaxGridCells = std::int64_t{1} << 21;
// Sub-steps per frame of the highest level.
constexpr std::int32_t kMaxSubSteps = 20;

// Whether the map fits; a map that does not is reported.
bool MapFitsPlay(const cStage& stage);
// A level whose sub-step count is beyond the highest is reported and played
// at the highest.
void BoundLevel(cStage& stage);
