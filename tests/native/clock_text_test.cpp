#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "presentation/clock_text.h"
#include "settings/settings.h"

namespace {

std::string Clock(int32_t mode, int32_t now, int32_t start, int32_t game) {
    char buffer[256];
    FormatClock(buffer, sizeof buffer, mode, now, start, game);
    return buffer;
}

TEST(ClockText, RunTimeCountsFromStartWithoutWrappingHours) {
    const int32_t start = 1700000000;
    EXPECT_EQ(Clock(TimeRun, start, start, 0), "00:00:00");
    EXPECT_EQ(Clock(TimeRun, start + 3725, start, 0), "01:02:05");
    EXPECT_EQ(Clock(TimeRun, start + 90000, start, 0), "25:00:00");
    EXPECT_EQ(Clock(TimeRun, start + 360000, start, 0), "100:00:00");
}

TEST(ClockText, GameTimeIsTheDefaultForEveryOtherMode) {
    const int32_t game = 1700000000;
    for (int32_t mode : {int32_t{TimeGame}, 0, 105, -1, 101}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(Clock(mode, game, 5, game), "00:00:00");
        EXPECT_EQ(Clock(mode, game + 61, 5, game), "00:01:01");
    }
}

TEST(ClockText, ClockSetBackShowsZero) {
    EXPECT_EQ(Clock(TimeRun, 1000, 2000, 0), "00:00:00");
    EXPECT_EQ(Clock(TimeGame, 1000, 0, 1001), "00:00:00");
    EXPECT_EQ(Clock(TimeGame, INT32_MIN, 0, INT32_MAX), "00:00:00");
}

TEST(ClockText, WidestElapsedTimeFits) {
    char buffer[10];
    FormatClock(buffer, sizeof buffer, TimeRun, INT32_MAX, INT32_MIN, 0);
    EXPECT_EQ(std::string(buffer), "1193046:2");  // cut to the buffer, still terminated
    EXPECT_EQ(Clock(TimeRun, INT32_MAX, INT32_MIN, 0), "1193046:28:15");
}

TEST(ClockText, CurrentTimeIsTheLocalTimeOfDay) {
    const char* saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    const int32_t morning = 20000 * 86400 + 9 * 3600 + 5 * 60 + 7;
    EXPECT_EQ(Clock(TimeCurrent, morning, 0, 0), "09:05:07");
    EXPECT_EQ(Clock(TimeCurrent, morning + 15 * 3600, 0, 0), "00:05:07");
    setenv("TZ", "UTC-2", 1);  // two hours east
    tzset();
    EXPECT_EQ(Clock(TimeCurrent, morning, 0, 0), "11:05:07");
    if (saved) {
        setenv("TZ", old.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
