#include "graphics/RandRange.h"

#include "platform/Random.h"

int RandRange(int a, int b) {
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    const long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(GameRand() % span + low);
}
