#include "presentation/clock_text.h"

#include <cstdio>
#include <ctime>

#include "settings/settings.h"

namespace {

// 64 bits in every build: the 32-bit Windows one's time_t ends in January 2038, and
// msvcrt's _localtime64 is there from Windows XP on.
std::tm LocalTime(TCalendarSeconds now) {
    std::tm local{};
#ifdef _WIN32
    const __time64_t t = now;
    if (const std::tm* converted = _localtime64(&t)) local = *converted;
#else
    const std::time_t t = now;
    localtime_r(&t, &local);
#endif
    return local;
}

void FormatFields(char* buffer, size_t size, unsigned h, unsigned m, unsigned s) {
    std::snprintf(buffer, size, "%02u:%02u:%02u", h, m, s);
}

// Taken unsigned, the difference is right across 2^31 and across the wrap; read
// signed, a clock set back before the start shows zero, not some 136 years.
void FormatElapsed(char* buffer, size_t size, TCalendarSeconds now, TCalendarSeconds since) {
    int64_t seconds = static_cast<int32_t>(now - since);
    if (seconds < 0) seconds = 0;
    FormatFields(buffer, size, static_cast<unsigned>(seconds / 3600),
                 static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
}

}  // namespace

void FormatClock(char* buffer, size_t size, int32_t timeMode, TCalendarSeconds now,
                 TCalendarSeconds startTime, TCalendarSeconds gameStart) {
    if (timeMode == TimeCurrent) {
        const std::tm local = LocalTime(now);
        FormatFields(buffer, size, static_cast<unsigned>(local.tm_hour),
                     static_cast<unsigned>(local.tm_min), static_cast<unsigned>(local.tm_sec));
    } else if (timeMode == TimeRun) {
        FormatElapsed(buffer, size, now, startTime);
    } else {
        FormatElapsed(buffer, size, now, gameStart);
    }
}
