#include "engine/random.h"

namespace {
uint32_t State = 1;
}

void SeedRandom(uint32_t seed) {
    State = seed;
    DrawRandom();
}

int32_t DrawRandom() {
    State = State * 22695477u + 1u;
    return static_cast<int32_t>((State >> 16) & 0x7FFF);
}
