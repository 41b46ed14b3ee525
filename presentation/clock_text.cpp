#include "presentation/clock_text.h"

#include <cstdio>
#include <ctime>

#include "settings/settings.h"

namespace {

std::tm LocalTime(int32_t now) {
    const std::time_t t = now;
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

void FormatFields(char* buffer, size_t size, unsigned h, unsigned m, unsigned s) {
    std::snprintf(buffer, size, "%02u:%02u:%02u", h, m, s);
}

// A clock set back before the start would otherwise show huge unsigned fields.
void FormatElapsed(char* buffer, size_t size, int64_t seconds) {
    if (seconds < 0) seconds = 0;
    FormatFields(buffer, size, static_cast<unsigned>(seconds / 3600),
                 static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
}

}  // namespace

void FormatClock(char* buffer, size_t size, int32_t timeMode, int32_t now, int32_t startTime,
                 int32_t gameStart) {
    if (timeMode == TimeCurrent) {
        const std::tm local = LocalTime(now);
        FormatFields(buffer, size, static_cast<unsigned>(local.tm_hour),
                     static_cast<unsigned>(local.tm_min), static_cast<unsigned>(local.tm_sec));
    } else if (timeMode == TimeRun) {
        FormatElapsed(buffer, size, int64_t{now} - startTime);
    } else {
        FormatElapsed(buffer, size, int64_t{now} - gameStart);
    }
}
