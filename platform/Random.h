// The program's own random numbers: the linear congruential generator
// x = x * 214013 + 2531011, each result (x >> 16) & 0x7FFF. A seed gives the
// same sequence on every machine, which replays rely on.
//
// The names differ from the C library's rand/srand so the two never mix. The
// state is one for the whole program, not one per thread: the seed a stage
// set-up stores in its replay must drive the draws of the game wherever the
// set-up ran. Only the game thread draws during play.
#pragma once

#include <cstdint>

constexpr int kGameRandMax = 0x7FFF;

// Starts the sequence again from `seed` (the sequence before any seed is that of seed 1).
void GameSrand(std::uint32_t seed);
// The next number, 0 to kGameRandMax.
int GameRand();
// The generator's state (what the next draw starts from), for state hashes.
std::uint32_t GameRandState();
