// Calendar seconds since 1970, kept unsigned in 32 bits: right until 2106, and a
// difference taken unsigned stays right across 2^31 and across the wrap.
#pragma once
#include <cstdint>

using TCalendarSeconds = uint32_t;

TCalendarSeconds CalendarNow();  // platform-specific
