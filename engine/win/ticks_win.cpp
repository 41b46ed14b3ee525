#include <windows.h>

#include "engine/ticks.h"

uint32_t SystemTickCount() { return GetTickCount(); }
