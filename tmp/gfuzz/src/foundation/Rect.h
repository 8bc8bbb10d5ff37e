// Integer and floating-point rectangles. Edges are inclusive: the overlap
// test used by contacts and landing counts touching edges as overlapping.
#pragma once

#include <cstdint>

struct cRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct cRectD {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    // True when the two share any point, an edge included.
    bool IsOverlap(const cRectD& other) const {
        return left <= other.right && right >= other.left && top <= other.bottom && bottom >= other.top;
    }
};
