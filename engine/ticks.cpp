#include "engine/ticks.h"

namespace {
TTickSource Source = nullptr;
}

uint32_t TickCount() { return Source ? Source() : SystemTickCount(); }

void SetTickSource(TTickSource source) { Source = source; }
