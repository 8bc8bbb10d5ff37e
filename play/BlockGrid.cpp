#include "play/BlockGrid.h"

#include "engine/Conditions.h"

#include <cmath>

cBlockGrid BlockGrid;

void cBlockGrid::Reset(std::int32_t cols, std::int32_t rows, std::int32_t shift) {
    nShift = shift;
    cBlock empty;
    empty.Solid = 0;
    Cells.assign(rows > 0 && cols > 0 ? static_cast<std::size_t>(rows) << shift : 0, empty);
    ToggledCells.clear();
}

std::int32_t cBlockGrid::CellAt(double x, double y) const {
    const double tx = std::trunc(x), ty = std::trunc(y);
    if (tx < 0 || ty < 0 || tx > 2147483647.0 || ty > 2147483647.0) return -1;
    return CellOf(static_cast<std::int32_t>(tx) >> 5, static_cast<std::int32_t>(ty) >> 5);
}

std::int32_t cBlockGrid::CellOf(std::int32_t column, std::int32_t row) const {
    // A column past the row pitch would name a cell of the next row.
    if (column < 0 || row < 0 || nShift < 0 || nShift > 30 || column >= (std::int64_t{1} << nShift))
        return -1;
    const std::int64_t cell = (static_cast<std::int64_t>(row) << nShift) + column;
    return cell < 0 || cell > 2147483647 ? -1 : static_cast<std::int32_t>(cell);
}

cBlock* cBlockGrid::At(std::int64_t cell) {
    return InGrid(cell) ? &Cells[static_cast<std::size_t>(cell)] : nullptr;
}

bool cBlockGrid::CondsHold(cBlock& block) {
    return CondsHoldForBlock(block, block.nCondCache);
}

std::uint8_t cBlockGrid::Solidity(std::int64_t cell, std::int32_t group) {
    cBlock* b = At(cell);
    return b ? Solidity(*b, group) : 0;
}

std::uint8_t cBlockGrid::Solidity(cBlock& block, std::int32_t group) {
    if (block.GraphicIndex == 0) return 0; // no block in the cell
    const bool hold = block.Conds.empty() || CondsHold(block);
    return block.IsSolid(group, hold);
}
