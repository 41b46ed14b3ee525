#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "presentation/clock_text.h"
#include "settings/settings.h"

namespace {

std::string Clock(int32_t mode, TCalendarSeconds now, TCalendarSeconds start,
                  TCalendarSeconds game) {
    char buffer[256];
    FormatClock(buffer, sizeof buffer, mode, now, start, game);
    return buffer;
}

TEST(ClockText, RunTimeCountsFromStartWithoutWrappingHours) {
    const TCalendarSeconds start = 1700000000;
    EXPECT_EQ(Clock(TimeRun, start, start, 0), "00:00:00");
    EXPECT_EQ(Clock(TimeRun, start + 3725, start, 0), "01:02:05");
    EXPECT_EQ(Clock(TimeRun, start + 90000, start, 0), "25:00:00");
    EXPECT_EQ(Clock(TimeRun, start + 360000, start, 0), "100:00:00");
}

TEST(ClockText, GameTimeIsTheDefaultForEveryOtherMode) {
    const TCalendarSeconds game = 1700000000;
    for (int32_t mode : {int32_t{TimeGame}, 0, 105, -1, 101}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(Clock(mode, game, 5, game), "00:00:00");
        EXPECT_EQ(Clock(mode, game + 61, 5, game), "00:01:01");
    }
}

TEST(ClockText, ClockSetBackShowsZero) {
    EXPECT_EQ(Clock(TimeRun, 1000, 2000, 0), "00:00:00");
    EXPECT_EQ(Clock(TimeGame, 1000, 0, 1001), "00:00:00");
    EXPECT_EQ(Clock(TimeGame, 0x80000000u, 0, 0x80000001u), "00:00:00");
}

// 2040-01-01 00:00:00 UTC lies past 2^31 seconds; 2106-02-07 is the last day in 32 bits.
TEST(ClockText, TimesPast2038AndRunsAcrossTheWrap) {
    const TCalendarSeconds year2040 = 2208988800u;
    EXPECT_EQ(Clock(TimeRun, year2040 + 3725, year2040, 0), "01:02:05");
    EXPECT_EQ(Clock(TimeGame, year2040 + 61, 0, year2040), "00:01:01");
    EXPECT_EQ(Clock(TimeRun, 0x80000000u + 10, 0x7FFFFFFFu - 5, 0), "00:00:16");
    EXPECT_EQ(Clock(TimeRun, 5, 0xFFFFFFFFu - 4, 0), "00:00:10");
}

TEST(ClockText, WidestElapsedTimeFits) {
    char buffer[10];
    FormatClock(buffer, sizeof buffer, TimeRun, 0x7FFFFFFFu, 0, 0);
    EXPECT_EQ(std::string(buffer), "596523:14");  // cut to the buffer, still terminated
    EXPECT_EQ(Clock(TimeRun, 0x7FFFFFFFu, 0, 0), "596523:14:07");
}

TEST(ClockText, CurrentTimeIsTheLocalTimeOfDay) {
    const char* saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    const TCalendarSeconds morning = 20000 * 86400 + 9 * 3600 + 5 * 60 + 7;
    EXPECT_EQ(Clock(TimeCurrent, morning, 0, 0), "09:05:07");
    EXPECT_EQ(Clock(TimeCurrent, 2208988800u + morning % 86400, 0, 0), "09:05:07") << "2040";
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
