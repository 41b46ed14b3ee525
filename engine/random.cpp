#include "engine/random.h"

namespace {
// One state per thread: the games on several monitors each play on a thread of
// their own, and the texture is made on the main thread.
thread_local uint32_t State = 1;
}

void SeedRandom(uint32_t seed) {
    State = seed;
    DrawRandom();
}

int32_t DrawRandom() { return NextRandom(State); }

TRandomRun::TRandomRun() : State_(State) {}

TRandomRun::~TRandomRun() { State = State_; }
