#include <windows.h>

#include "engine/calendar.h"

// The system time, not the C library's time(): the 32-bit build's is msvcrt's 32-bit one,
// which fails after January 2038.
TCalendarSeconds CalendarNow() {
    constexpr uint64_t UnixEpoch = 116444736000000000ull;  // 1970-01-01 in 100 ns since 1601
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    return static_cast<TCalendarSeconds>((ticks - UnixEpoch) / 10000000u);
}
