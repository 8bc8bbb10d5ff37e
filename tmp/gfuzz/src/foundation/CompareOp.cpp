#include "foundation/CompareOp.h"

namespace {

// Worked out in 64 bits: the magnitude of -2147483648 and a divisor of -1 both fit.
bool IsMultiple(std::int32_t a, std::int32_t b) {
    std::int64_t magnitude = a < 0 ? -static_cast<std::int64_t>(a) : a;
    return magnitude % static_cast<std::int64_t>(b) == 0;
}

} // namespace

int CompareByOp(std::int32_t a, std::int32_t b, int op) {
    switch (op) {
    case 0:
        return a == b;
    case 1:
        return a != b;
    case 2:
        return a >= b;
    case 3:
        return a <= b;
    case 4:
        return a > b;
    case 5:
        return a < b;
    case 6:
        return b == 0 || IsMultiple(a, b);
    case 7:
        return b != 0 && !IsMultiple(a, b);
    default:
        return 0;
    }
}
