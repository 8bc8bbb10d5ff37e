// Arrangements: the "アレンジ" command queues five numbers that change one
// descriptor of the following commands of a kind by a variable, keeping the
// result inside the descriptor's range.
#pragma once

#include <array>
#include <cstdint>
#include <span>

class cEdCommand;

// p0 target kind (character numbering), p1 descriptor, p2 operator (0 set,
// 1 add, 2 subtract, 3 multiply, 4 divide, 5 remainder, 6 percent), p3 variable
// scope (0 common, 1 stage, 2 the character's own), p4 variable number.
using Arrangement = std::array<std::int32_t, 5>;

// The variables an arrangement can read.
struct ArrangeVars {
    std::span<const std::int32_t> common;
    std::span<const std::int32_t> stage;
    std::span<const std::int32_t> chara;
};

// Applies one arrangement to a command about to run (the running character's
// own copy). The arithmetic is exact and then clamped to the range, so no
// operation overflows or traps.
void ApplyArrangement(cEdCommand& command, const Arrangement& arrangement, const ArrangeVars& vars);

// Operator `op` on value v and variable x, exact in 64 bits and before the
// clamp; false when the operator leaves the value unchanged (division by 0,
// an unknown operator).
bool ArrangeOperate(int op, std::int64_t v, std::int64_t x, std::int64_t& result);
