// The map cells of the playing stage: 32 x 32 pixels each, in rows whose
// pitch is a power of two (the scene state's row shift), so that the cell of
// a pixel is ((y >> 5) << shift) + (x >> 5).
#pragma once

#include "foundation/Containers.h"
#include "records/EdBlock.h"

#include <cstdint>

// One map cell: a placed block with the cache of its hold-once conditions.
struct cBlock : public cEdBlock {
    std::int32_t nCondCache = 0; // cleared whenever the cell changes
};

class cBlockGrid {
public:
    // Every cell empty: cols x rows with a row pitch of 2^shift cells.
    void Reset(std::int32_t cols, std::int32_t rows, std::int32_t shift);

    // The cell index of a stage pixel (coordinates truncated toward zero);
    // -1 for a pixel left of or above the map.
    std::int32_t CellAt(double x, double y) const;
    // -1 for a column or row outside the pitch (never a cell of another row).
    std::int32_t CellOf(std::int32_t column, std::int32_t row) const;
    bool InGrid(std::int64_t cell) const {
        return cell >= 0 && cell < static_cast<std::int64_t>(Cells.size());
    }
    // The cell, or none outside the grid.
    cBlock* At(std::int64_t cell);

    // Whether the cell's conditions hold (hold-once cached).
    bool CondsHold(cBlock& block);
    // Solidity of the block for an object of `group`: 0 passable, 1 solid,
    // 2 deadly. Outside the grid: 0.
    std::uint8_t Solidity(std::int64_t cell, std::int32_t group);
    std::uint8_t Solidity(cBlock& block, std::int32_t group);

    cVector<cBlock> Cells;
    std::int32_t nShift = 0;
    cVector<std::int32_t> ToggledCells; // cells a toggling block change already changed
};

// The block grid of the playing stage.
extern cBlockGrid BlockGrid;
