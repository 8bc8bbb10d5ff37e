// A uniform grid over a set of rectangles, so that the few that may meet a
// given rectangle are found without testing them all. The rectangles are
// numbered in the order given and a query answers in ascending order, so a
// caller that walks the answers meets them in the order it would have met
// them walking the whole set. A query never misses a rectangle that meets
// (inclusive edges, as cRectD::IsOverlap); it may answer a few that don't.
#pragma once

#include "foundation/Rect.h"

#include <cstdint>
#include <span>
#include <vector>

class cRectGrid {
public:
    void Build(std::span<const cRectD> rects);
    // The numbers of the rectangles that may meet `r`, ascending, each once.
    void Query(const cRectD& r, std::vector<std::uint32_t>& out) const;
    std::size_t Size() const { return count_; }

private:
    // The cell column (row) of a coordinate, clamped to the grid.
    std::int32_t Column(double x) const;
    std::int32_t Row(double y) const;

    std::size_t count_ = 0;
    double left_ = 0, top_ = 0, inverseCell_ = 0;
    std::int32_t columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> cellStart_; // per cell its first entry in items_, then the end
    std::vector<std::uint32_t> items_;
    std::vector<std::uint32_t> fill_; // the next free entry of each cell while building
    // Rectangles with an edge that is not a number or out of order: no cell
    // can stand for them, so every query answers them.
    std::vector<std::uint32_t> loose_;
    // One bit per rectangle, all clear between queries: a query gathering
    // several cells marks their numbers here to answer them in order, once
    // each. Queries of one grid therefore don't run side by side.
    mutable std::vector<std::uint64_t> marks_;
};
