#include "platform/Random.h"

#include <atomic>

namespace {
std::atomic<std::uint32_t> state{1};
}

void GameSrand(std::uint32_t seed) {
    state.store(seed, std::memory_order_relaxed);
}

int GameRand() {
    std::uint32_t x = state.load(std::memory_order_relaxed);
    std::uint32_t next;
    do {
        next = x * 214013u + 2531011u;
    } while (!state.compare_exchange_weak(x, next, std::memory_order_relaxed));
    return static_cast<int>((next >> 16) & 0x7FFF);
}

std::uint32_t GameRandState() {
    return state.load(std::memory_order_relaxed);
}
