#include <ctime>

#include "host/win/locks.h"
#include "lock_holder.h"
#include "screen_fixture.h"

namespace {

const TRect TimeBand{778, 518, 928, 550};

class Clock : public TScreenTest {
protected:
    void SetUp() override {
        TScreenTest::SetUp();
        SavedStartTime_ = StartTime;
        SavedGameStart_ = Rowfall.GameStart;
    }
    void TearDown() override {
        StartTime = SavedStartTime_;
        Rowfall.GameStart = SavedGameStart_;
        TScreenTest::TearDown();
    }

    static TCalendarSeconds Now() { return CalendarNow(); }

    TPixels DrawnBand(int32_t mode) {
        Settings.Time = mode;
        Form.ShowTime();
        return Capture(Form.BackDC, TimeBand);
    }

    // Two clocks that must read alike, drawn within one second of the wall clock.
    template <typename TFirst, typename TSecond>
    bool SameReading(TFirst first, TSecond second) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const TCalendarSeconds before = Now();
            const TPixels a = first(before);
            const TPixels b = second(before);
            if (Now() == before) return a == b;
        }
        ADD_FAILURE() << "the wall clock kept moving";
        return false;
    }

private:
    TCalendarSeconds SavedStartTime_ = 0;
    TCalendarSeconds SavedGameStart_ = 0;
};

TEST_F(Clock, DrawsTheBandInsideTheTimeBox) {
    Open(1024, 768);
    Form.Dirty = TRect{};
    Form.ShowTime();
    EXPECT_EQ(Form.Dirty, (TRect{776, 507, 930, 561}));
    const TPixels p = Back();
    EXPECT_GT(CountOther(p, TimeBand, BackgroundColor), 30);
    EXPECT_EQ(CountOther(p, {776, 507, 930, 518}, BackgroundColor), 0);
    EXPECT_EQ(CountOther(p, {776, 550, 930, 561}, BackgroundColor), 0);
}

TEST_F(Clock, RunTimeAndGameTimeReadTheSameElapsedSeconds) {
    Open(1024, 768);
    EXPECT_TRUE(SameReading(
        [&](TCalendarSeconds now) { StartTime = now - 3725; return DrawnBand(TimeRun); },
        [&](TCalendarSeconds now) { Rowfall.GameStart = now - 3725; return DrawnBand(TimeGame); }));
    for (int32_t other : {0, 105, -7}) {
        SCOPED_TRACE(other);
        EXPECT_TRUE(SameReading(
            [&](TCalendarSeconds now) { Rowfall.GameStart = now - 90000; return DrawnBand(TimeGame); },
            [&](TCalendarSeconds now) { Rowfall.GameStart = now - 90000; return DrawnBand(other); }));
    }
    // 100:00:00 is not 01:02:05.
    EXPECT_FALSE(SameReading(
        [&](TCalendarSeconds now) { StartTime = now - 3725; return DrawnBand(TimeRun); },
        [&](TCalendarSeconds now) { StartTime = now - 360000; return DrawnBand(TimeRun); }));
}

// Taken from the system time, not the C library's time() (32 bits in the 32-bit build).
TEST_F(Clock, CalendarSecondsAreTheSystemsTime) {
    const TCalendarSeconds now = CalendarNow();
    const auto library = static_cast<TCalendarSeconds>(std::time(nullptr));  // 64 bits here
    EXPECT_LE(library - now + 2u, 4u) << now << " against " << library;
}

TEST_F(Clock, CurrentTimeShowsTheLocalTimeOfDay) {
    Open(1024, 768);
    EXPECT_TRUE(SameReading(
        [&](TCalendarSeconds) { return DrawnBand(TimeCurrent); },
        [&](TCalendarSeconds now) {
            const std::time_t t = now;
            std::tm local{};
            localtime_s(&local, &t);
            StartTime = now - (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
            return DrawnBand(TimeRun);
        }));
}

TEST_F(Clock, ClockSetBackShowsZero) {
    Open(1024, 768);
    EXPECT_TRUE(SameReading(
        [&](TCalendarSeconds now) { StartTime = now + 1000; return DrawnBand(TimeRun); },
        [&](TCalendarSeconds now) { StartTime = now; return DrawnBand(TimeRun); }));
}

TEST_F(Clock, PreviewRedrawsTheBoxEmpty) {
    RunMode = ModePreview;
    Open(1024, 768);
    Form.Dirty = TRect{};
    Form.ShowTime();
    EXPECT_EQ(Form.Dirty, (TRect{776, 507, 930, 561}));
    EXPECT_EQ(CountOther(Back(), {776, 507, 930, 561}, BackgroundColor), 0);
}

TEST_F(Clock, ShowInfoOffNeitherDrawsNorWaitsForTheLock) {
    Open(1024, 768);
    Settings.ShowInfo = false;
    TLockHolder holder(GameLock);
    Form.Dirty = {3, 3, 4, 4};
    const DWORD start = GetTickCount();
    Form.ShowTime();
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(Form.Dirty, (TRect{3, 3, 4, 4}));
}

}  // namespace
