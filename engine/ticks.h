// The system tick count in milliseconds. Tests and the headless simulator
// replace the source with a scripted one; nothing else does.
#pragma once
#include <cstdint>

using TTickSource = uint32_t (*)();

uint32_t TickCount();
void SetTickSource(TTickSource source);  // nullptr restores the system clock
uint32_t SystemTickCount();              // platform-specific
