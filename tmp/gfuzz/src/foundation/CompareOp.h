// The comparison of every condition of the program, by operator number:
// 0 equal, 1 not equal, 2 at least, 3 at most, 4 greater, 5 less,
// 6 the magnitude of a is a multiple of b (true when b is 0),
// 7 it is not (false when b is 0). Other numbers give 0.
#pragma once

#include <cstdint>

int CompareByOp(std::int32_t a, std::int32_t b, int op);
