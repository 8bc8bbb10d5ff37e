#include "engine/StatusArith.h"

#include "foundation/CompareOp.h"

#include <limits>

namespace {

std::int64_t Clamp64(std::int64_t v, std::int64_t low, std::int64_t high) {
    return v < low ? low : v > high ? high : v;
}

// Operands reach 64 bits only through the percent rule's product; keep them
// where a product of two of them still fits.
std::int64_t Bounded(std::int64_t v) {
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    return Clamp64(v, -kLimit, kLimit);
}

} // namespace

std::int32_t PercentOf(std::int64_t base, std::int64_t percent) {
    const double scaled = static_cast<double>(Bounded(base) * Bounded(percent)) * 0.01;
    const double rounded = scaled >= 0 ? scaled + 0.5 : scaled - 0.5;
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    if (rounded <= kMin) return std::numeric_limits<std::int32_t>::min();
    if (rounded >= kMax) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t StatusOp(int op, std::int32_t value, std::int64_t operand, std::int32_t low, std::int32_t high) {
    const std::int64_t a = value;
    const std::int64_t b = Bounded(operand);
    std::int64_t result = a;
    switch (op) {
    case STATUS_SET:
        result = b;
        break;
    case STATUS_ADD:
        result = a + b;
        break;
    case STATUS_SUB:
        result = a - b;
        break;
    case STATUS_MUL:
        result = a * b;
        break;
    case STATUS_DIV:
        if (b != 0) result = a / b;
        break;
    case STATUS_MOD:
        if (b != 0) result = a % b;
        break;
    case STATUS_PERCENT:
        result = PercentOf(a, b);
        break;
    default:
        break;
    }
    return static_cast<std::int32_t>(Clamp64(result, low, high));
}

std::int32_t CutToWidth(std::int64_t value, int width) {
    if (width == STATUS_WIDTH8) return static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));
    if (width == STATUS_WIDTH16) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
    return static_cast<std::int32_t>(
        Clamp64(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

int CompareInWidth(std::int32_t left, std::int64_t right, int op, int width) {
    return CompareByOp(left, CutToWidth(right, width), op);
}
