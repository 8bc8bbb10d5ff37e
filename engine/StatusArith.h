// The arithmetic of the status operations: seven operators on a stored value,
// the percent rule and the comparisons of statuses kept in 8 or 16 bits.
//
// Everything is worked out in 64 bits and then clamped to the status's range,
// so a product or sum that would not fit the stored width saturates at the end
// of the range instead of wrapping round.
#pragma once

#include <cstdint>

// Stored widths of statuses, in bytes.
enum : int { STATUS_WIDTH8 = 1, STATUS_WIDTH16 = 2, STATUS_WIDTH32 = 4 };

// Arithmetic operators of the status command.
enum : int {
    STATUS_SET = 0,
    STATUS_ADD = 1,
    STATUS_SUB = 2,
    STATUS_MUL = 3,
    STATUS_DIV = 4,
    STATUS_MOD = 5,
    STATUS_PERCENT = 6
};

// base * percent * 0.01, rounded half away from zero (a value beyond the 32-bit
// range is brought to its end).
std::int32_t PercentOf(std::int64_t base, std::int64_t percent);
// `value` after operator `op` with `operand`, clamped to low..high. Division and
// remainder by 0 leave the value; operators 7 and up change nothing but the clamp.
std::int32_t StatusOp(int op, std::int32_t value, std::int64_t operand, std::int32_t low, std::int32_t high);
// A value as a status of the width keeps it: cut to 8 or 16 bits, signed.
std::int32_t CutToWidth(std::int64_t value, int width);
// CompareByOp with the right side cut to the status's width first.
int CompareInWidth(std::int32_t left, std::int64_t right, int op, int width);
