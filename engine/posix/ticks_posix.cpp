#include <chrono>

#include "engine/ticks.h"

uint32_t SystemTickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
