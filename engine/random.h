// The generator shared by figure spawning and the background texture, one state
// per thread.
#pragma once
#include <cstdint>

void SeedRandom(uint32_t seed);  // sets the state and throws one draw away
int32_t DrawRandom();            // 0..32767
