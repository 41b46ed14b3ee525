// The generator shared by figure spawning and the background texture, one state
// per thread.
#pragma once
#include <cstdint>

void SeedRandom(uint32_t seed);  // sets the state and throws one draw away
int32_t DrawRandom();            // 0..32767

inline int32_t NextRandom(uint32_t& state) {
    state = state * 22695477u + 1u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

// This thread's generator lent to a long run of draws: the numbers DrawRandom would
// give, without a look-up of the thread's state for each (on Windows an emulated
// thread-local costs a call).
class TRandomRun {
public:
    TRandomRun();
    ~TRandomRun();  // the thread's generator goes on from where the run stopped
    TRandomRun(const TRandomRun&) = delete;
    TRandomRun& operator=(const TRandomRun&) = delete;
    int32_t Draw() { return NextRandom(State_); }

private:
    uint32_t State_;
};
