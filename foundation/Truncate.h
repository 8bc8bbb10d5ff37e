// Truncation of a double toward zero into a fixed-width integer, saturating
// at the type's ends instead of overflowing; not-a-number gives 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

template <class Int> Int TruncSaturated(double v) {
    if (std::isnan(v)) return 0;
    const double t = std::trunc(v);
    // The largest double below the type's range end: 2^31 or 2^63 itself is out.
    constexpr double kTop = -static_cast<double>(std::numeric_limits<Int>::min());
    if (t >= kTop) return std::numeric_limits<Int>::max();
    if (t <= -kTop) return std::numeric_limits<Int>::min();
    return static_cast<Int>(t);
}

inline std::int32_t Trunc32(double v) {
    return TruncSaturated<std::int32_t>(v);
}
inline std::int64_t Trunc64(double v) {
    return TruncSaturated<std::int64_t>(v);
}
