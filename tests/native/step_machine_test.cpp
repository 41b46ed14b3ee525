#include "pacing/step_machine.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ticks.h"
#include "settings/settings.h"

namespace {

// Every tick read moves the scripted clock on by one millisecond, so busy
// waits end and each step of a turn takes a little time, as on a real clock.
uint32_t Clock = 0;
uint32_t ReadClock() { return ++Clock; }

// What the step machine did in one pass (one IsAutoPlay call starts a pass).
struct TPassLog {
    bool Auto = false;
    int32_t Sideways = 0;
    int32_t Turns = 0;
    int32_t Falls = 0;
    uint32_t FallTime = 0;
};

struct TFigure {
    int32_t X, Y;
    int32_t CellX[4], CellY[4];
};

TFigure FigureOf(const TRowfall& game) {
    TFigure f{game.X, game.Y, {}, {}};
    for (int i = 0; i < 4; ++i) {
        f.CellX[i] = game.CellX[i];
        f.CellY[i] = game.CellY[i];
    }
    return f;
}

bool SameShape(const TFigure& a, const TFigure& b) {
    for (int i = 0; i < 4; ++i)
        if (a.CellX[i] != b.CellX[i] || a.CellY[i] != b.CellY[i]) return false;
    return true;
}

// Records the screen calls and what each flush shows of the figure; checks
// that the lock is held where drawing happens and free where the turn waits.
class TRecordingHost : public TTurnHost {
public:
    explicit TRecordingHost(TRowfall& game) : Game(game), Last(FigureOf(game)) {}

    TRowfall& Game;
    std::vector<std::string> Calls;
    std::vector<TPassLog> Passes;
    std::function<bool(TRecordingHost&)> AutoPlay = [](TRecordingHost&) { return true; };
    std::function<bool(TRecordingHost&)> Stop = [](TRecordingHost&) { return false; };
    int32_t FailLock = 0;  // this LockGame call (1-based) times out
    int32_t LockCount = 0;
    int32_t Depth = 0;
    bool Device = true;
    bool ThrowInClearScreen = false;
    TFigure Last;

    bool StopRequested() override {
        EXPECT_EQ(Depth, 0) << "polled for a stop while holding the game lock";
        return Stop(*this);
    }
    // A blocking wait on the scripted clock: it ends as soon as the stop comes.
    bool Pause(uint32_t ms) override {
        EXPECT_EQ(Depth, 0) << "waited while holding the game lock";
        for (uint32_t i = 0; i < ms; ++i, ++Clock)
            if (Stop(*this)) return true;
        return Stop(*this);
    }
    bool PauseForKeys(uint32_t ms) override { return Pause(ms); }
    bool IsAutoPlay() override {
        EXPECT_EQ(Depth, 0);
        Passes.push_back(TPassLog{});
        Passes.back().Auto = AutoPlay(*this);
        return Passes.back().Auto;
    }
    bool LockGame() override {
        if (++LockCount == FailLock) {
            Clock += 5000;
            return false;
        }
        ++Depth;
        return true;
    }
    void UnlockGame() override { --Depth; }
    bool HasDevice() override { return Device; }
    void ClearScreen() override {
        EXPECT_GT(Depth, 0);
        Calls.push_back("ClearScreen");
        if (ThrowInClearScreen) throw std::runtime_error("paint failed");
    }
    void ShowScore() override {
        EXPECT_GT(Depth, 0);
        Calls.push_back("ShowScore");
    }
    void FlushEngineChanges() override {
        EXPECT_GT(Depth, 0);
        Game.Dirty = TRect{};
        Observe();
    }
    // Forget figure changes made outside the step machine (the user's keys).
    void Resync() { Last = FigureOf(Game); }
    uint32_t CallCount(const std::string& name) const {
        uint32_t n = 0;
        for (const std::string& c : Calls) n += c == name;
        return n;
    }

private:
    void Observe() {
        const TFigure now = FigureOf(Game);
        if (!Passes.empty()) {
            TPassLog& pass = Passes.back();
            if (now.Y < Last.Y) {
                // a new figure: nothing the turn did to the old one
            } else if (!SameShape(now, Last)) {
                ++pass.Turns;
            } else if (now.Y == Last.Y + 1 && now.X == Last.X) {
                ++pass.Falls;
                pass.FallTime = Clock;
            } else if (now.Y == Last.Y && now.X != Last.X) {
                pass.Sideways += now.X - Last.X;
            }
        }
        Last = now;
    }
};

class StepMachine : public ::testing::Test {
protected:
    void SetUp() override {
        Clock = 1000;
        SetTickSource(ReadClock);
        Settings = TSettings{};
        Flags.Started = true;
    }
    void TearDown() override { SetTickSource(nullptr); }

    // The engine picks the kind from the tick count; find a count that gives this one.
    void Spawn(int32_t kind) {
        const uint32_t saved = Clock;
        for (uint32_t t = 0; Game.Kind != kind || t == 0; ++t) {
            Clock = t - 1;  // NewFigure reads it once, adding one
            Game.NewFigure();
        }
        Clock = saved;
    }
    void FillColumns(const int32_t (&heights)[GlassColumns]) {
        for (int32_t& cell : Game.Glass) cell = 0;
        for (int32_t c = 0; c < GlassColumns; ++c)
            for (int32_t r = GlassRows - heights[c]; r < GlassRows; ++r) Game.Cell(c, r) = 1;
    }
    void ExpectPlan(int32_t rotations, int32_t shift) {
        TRowfall copy = Game;
        int32_t r = -1, s = -1;
        copy.FindBestMove(r, s);
        ASSERT_EQ(r, rotations);
        ASSERT_EQ(s, shift);
    }
    // Square at columns 4-5, a two-row gap at columns 6-7: plan +2, no turns.
    void SetUpShiftRightTwo() {
        Spawn(0);
        FillColumns({2, 2, 2, 2, 2, 2, 0, 0, 2, 2});
        ExpectPlan(0, 2);
    }
    void Play() {
        Host.Resync();
        ::Run(Game, Flags, Host);
    }
    std::vector<uint32_t> FallTimes(size_t from = 0, size_t to = SIZE_MAX) const {
        std::vector<uint32_t> times;
        for (size_t i = from; i < Host.Passes.size() && i < to; ++i)
            if (Host.Passes[i].Falls) times.push_back(Host.Passes[i].FallTime);
        return times;
    }

    TRowfall Game;
    TTurnFlags Flags;
    TRecordingHost Host{Game};
};

TEST_F(StepMachine, FirstCallRepaintsOnceAndMovesNothing) {
    Flags.Started = false;
    Game.Score = 7;
    const TFigure before = FigureOf(Game);
    Play();
    EXPECT_EQ(Host.Calls, (std::vector<std::string>{"ClearScreen", "ShowScore"}));
    EXPECT_TRUE(Host.Passes.empty());
    EXPECT_EQ(Game.Score, 0);
    EXPECT_EQ(Game.X, before.X);
    EXPECT_EQ(Game.Y, before.Y);
    EXPECT_TRUE(Flags.Started);
    EXPECT_FALSE(Flags.Running);
    EXPECT_EQ(Host.Depth, 0);
}

TEST_F(StepMachine, ShiftTwoGivesTwoSlowRowsThenFastOnes) {
    SetUpShiftRightTwo();
    Play();
    ASSERT_GE(Host.Passes.size(), 4u);
    EXPECT_EQ(Host.Passes[0].Sideways, 1);
    EXPECT_EQ(Host.Passes[1].Sideways, 1);
    for (size_t i = 0; i < Host.Passes.size(); ++i) {
        EXPECT_EQ(Host.Passes[i].Turns, 0) << i;
        if (i >= 2) {
            EXPECT_EQ(Host.Passes[i].Sideways, 0) << i;
        }
    }
    const std::vector<uint32_t> falls = FallTimes();
    ASSERT_EQ(falls.size(), 18u);  // rows 0..18, then the landing pass
    for (size_t i = 1; i < falls.size(); ++i) {
        const uint32_t gap = falls[i] - falls[i - 1];
        const uint32_t wait = i <= 2 ? 100 : 20;
        EXPECT_GE(gap, wait) << "row " << i;
        EXPECT_LT(gap, wait + 10) << "row " << i;
    }
    // The square filled the gap: two rows removed, 2n - 1 points.
    EXPECT_EQ(Game.Lines, 2);
    EXPECT_EQ(Game.Score, 3);
    EXPECT_EQ(Host.CallCount("ShowScore"), 1u);
    EXPECT_FALSE(Flags.Running);
    EXPECT_EQ(Host.Depth, 0);
}

TEST_F(StepMachine, ThreeTurnsInTheFirstThreePassesAtFastPace) {
    Spawn(3);
    FillColumns({1, 0, 2, 0, 0, 2, 3, 0, 3, 3});
    ExpectPlan(3, 0);
    Play();
    ASSERT_GE(Host.Passes.size(), 5u);
    for (size_t i = 0; i < Host.Passes.size(); ++i) {
        EXPECT_EQ(Host.Passes[i].Turns, i < 3 ? 1 : 0) << i;
        EXPECT_EQ(Host.Passes[i].Sideways, 0) << i;
    }
    const std::vector<uint32_t> falls = FallTimes();
    ASSERT_GE(falls.size(), 4u);
    for (size_t i = 1; i < falls.size(); ++i) {
        EXPECT_GE(falls[i] - falls[i - 1], 20u);
        EXPECT_LT(falls[i] - falls[i - 1], 30u);
    }
}

TEST_F(StepMachine, BlockedSidewaysStepIsNotRetried) {
    SetUpShiftRightTwo();
    // Before the second pass, a cell appears right of the square (now at columns 5-6).
    Host.AutoPlay = [this](TRecordingHost& host) {
        if (host.Passes.size() == 2) Game.Cell(7, Game.Y) = 1;
        return true;
    };
    Play();
    ASSERT_GE(Host.Passes.size(), 4u);
    EXPECT_EQ(Host.Passes[0].Sideways, 1);
    for (size_t i = 1; i < Host.Passes.size(); ++i) EXPECT_EQ(Host.Passes[i].Sideways, 0) << i;
    // The second row still waits 100 ms: the plan's slow rows do not shrink.
    const std::vector<uint32_t> falls = FallTimes();
    ASSERT_GE(falls.size(), 4u);
    EXPECT_GE(falls[2] - falls[1], 100u);
    EXPECT_LT(falls[3] - falls[2], 30u);
}

TEST_F(StepMachine, ManualPassesFallAtMostEvery501Ms) {
    SetUpShiftRightTwo();
    const uint32_t turnStart = Clock;
    Host.AutoPlay = [](TRecordingHost&) { return false; };
    Play();
    const std::vector<uint32_t> falls = FallTimes();
    ASSERT_EQ(falls.size(), 16u);  // never steered: it lands on columns 4-5
    EXPECT_GT(falls[0] - turnStart, 500u);
    for (size_t i = 1; i < falls.size(); ++i) {
        EXPECT_GE(falls[i] - falls[i - 1], 501u);
        EXPECT_LT(falls[i] - falls[i - 1], 510u);
    }
    for (const TPassLog& pass : Host.Passes) {
        EXPECT_EQ(pass.Sideways, 0);
        EXPECT_EQ(pass.Turns, 0);
    }
    EXPECT_EQ(Game.X, 4);  // never steered
    EXPECT_EQ(Host.CallCount("ShowScore"), 1u);
}

TEST_F(StepMachine, HandOverPlansAgainFromWhereTheUserLeftTheFigure) {
    SetUpShiftRightTwo();
    uint32_t handOver = 0;
    size_t firstAutoAgain = 0;
    int32_t newRotation = -1, newShift = 0;
    Host.AutoPlay = [&](TRecordingHost& host) {
        const size_t pass = host.Passes.size();
        if (pass == 1) return true;  // one autopilot pass: the figure is at columns 5-6
        if (pass == 2) {             // the user takes over and moves it two columns left
            Game.ShiftX(-1);
            Game.ShiftX(-1);
            host.Resync();
            handOver = Clock + 1500;
        }
        if (Clock <= handOver) return false;
        if (!firstAutoAgain) {
            firstAutoAgain = pass - 1;
            TRowfall copy = Game;
            copy.FindBestMove(newRotation, newShift);
        }
        return true;
    };
    Play();
    ASSERT_GT(firstAutoAgain, 2u);
    ASSERT_EQ(newRotation, 0);
    ASSERT_EQ(newShift, 3);  // from columns 3-4 back to the gap at 6-7
    // Manual passes: timed falls only, at least 501 ms apart.
    const std::vector<uint32_t> manualFalls = FallTimes(1, firstAutoAgain);
    ASSERT_GE(manualFalls.size(), 2u);
    for (size_t i = 1; i < manualFalls.size(); ++i) EXPECT_GE(manualFalls[i] - manualFalls[i - 1], 501u);
    for (size_t i = 1; i < firstAutoAgain; ++i) EXPECT_EQ(Host.Passes[i].Sideways, 0) << i;
    // The new plan's counters start at 1: three steps right in three passes, slow rows.
    for (size_t i = firstAutoAgain; i < Host.Passes.size(); ++i)
        EXPECT_EQ(Host.Passes[i].Sideways, i < firstAutoAgain + 3 ? 1 : 0) << i;
    const std::vector<uint32_t> autoFalls = FallTimes(firstAutoAgain);
    ASSERT_GE(autoFalls.size(), 5u);
    EXPECT_GE(autoFalls[1] - autoFalls[0], 100u);
    EXPECT_GE(autoFalls[3] - autoFalls[2], 100u);
    EXPECT_LT(autoFalls[4] - autoFalls[3], 30u);
    EXPECT_EQ(Game.Lines, 2);  // it reached the gap
}

TEST_F(StepMachine, NewPlanAfterHandOverTurnsFromItsOwnCountStart) {
    Spawn(3);
    FillColumns({1, 0, 2, 0, 0, 2, 3, 0, 3, 3});
    ExpectPlan(3, 0);
    size_t firstAutoAgain = 0;
    uint32_t handOver = 0;
    int32_t newRotation = -1, newShift = 99;
    Host.AutoPlay = [&](TRecordingHost& host) {
        const size_t pass = host.Passes.size();
        if (pass == 1) return true;  // one quarter turn of the first plan
        if (pass == 2) handOver = Clock + 1500;
        if (Clock <= handOver) return false;
        if (!firstAutoAgain) {
            firstAutoAgain = pass - 1;
            TRowfall copy = Game;
            copy.FindBestMove(newRotation, newShift);
        }
        return true;
    };
    Play();
    ASSERT_GT(firstAutoAgain, 1u);
    ASSERT_GE(newRotation, 2);  // counters left at 2 would turn one time too few
    EXPECT_EQ(Host.Passes[0].Turns, 1);
    int32_t turnsAfter = 0;
    for (size_t i = firstAutoAgain; i < Host.Passes.size(); ++i) {
        EXPECT_EQ(Host.Passes[i].Turns, i < firstAutoAgain + size_t(newRotation) ? 1 : 0) << i;
        turnsAfter += Host.Passes[i].Turns;
    }
    EXPECT_EQ(turnsAfter, newRotation);
}

TEST_F(StepMachine, StopDuringSlowWaitEndsAtOnceAndStillFinishes) {
    SetUpShiftRightTwo();
    uint32_t stopAt = 0;
    Host.Stop = [&](TRecordingHost& host) {
        if (!stopAt && !host.Passes.empty() && host.Passes[0].Falls) stopAt = Clock + 40;
        return stopAt && Clock >= stopAt;
    };
    Play();
    ASSERT_NE(stopAt, 0u);
    EXPECT_EQ(FallTimes().size(), 1u);
    EXPECT_LT(Clock - stopAt, 10u);
    EXPECT_EQ(Host.CallCount("ShowScore"), 1u);
    EXPECT_FALSE(Flags.Running);
    EXPECT_EQ(Host.Depth, 0);
}

// The manual wait ends at the stop; while the other thread's landing dissolves, a
// pass moves nothing and waits a fast row before it looks again.
TEST_F(StepMachine, ManualWaitEndsAtTheStopAndAForeignDissolveHoldsThePasses) {
    SetUpShiftRightTwo();
    Host.AutoPlay = [](TRecordingHost&) { return false; };
    Game.Dissolving = true;
    const uint32_t heldUntil = Clock + 300;
    Host.Stop = [&](TRecordingHost&) { return Clock >= heldUntil; };
    Play();
    EXPECT_TRUE(FallTimes().empty());
    EXPECT_LE(Host.Passes.size(), 300u / 20 + 2) << "held passes did not wait";
    EXPECT_LT(Clock - heldUntil, 10u);

    Game.Dissolving = false;
    Host.Passes.clear();
    uint32_t stopAt = 0;
    Host.Stop = [&](TRecordingHost&) {
        if (!stopAt && !FallTimes().empty()) stopAt = Clock + 200;
        return stopAt && Clock >= stopAt;
    };
    Play();
    ASSERT_NE(stopAt, 0u);
    EXPECT_EQ(FallTimes().size(), 1u);
    EXPECT_LT(Clock - stopAt, 10u);
    EXPECT_EQ(Host.Depth, 0);
}

TEST_F(StepMachine, LockTimeoutAbandonsTheTurnAndTheNextOnePlays) {
    SetUpShiftRightTwo();
    Host.FailLock = 3;  // restart check, first pass, then the second pass times out
    Play();
    EXPECT_FALSE(Flags.Running);
    EXPECT_EQ(Host.CallCount("ShowScore"), 0u);
    EXPECT_EQ(FallTimes().size(), 1u);
    EXPECT_EQ(Host.Depth, 0);

    Host.FailLock = 0;
    Host.Passes.clear();
    Play();
    EXPECT_EQ(Host.CallCount("ShowScore"), 1u);
    EXPECT_EQ(Game.Lines, 2);  // a fresh plan from column 5 still reaches the gap
    EXPECT_EQ(Host.Depth, 0);
}

TEST_F(StepMachine, LockTimeoutAtTheRestartCheckDoesNothing) {
    Host.FailLock = 1;
    Play();
    EXPECT_TRUE(Host.Calls.empty());
    EXPECT_TRUE(Host.Passes.empty());
    EXPECT_FALSE(Flags.Running);
}

class GameOver : public StepMachine {
protected:
    // Plays the restart only: the stop comes right after the repaint.
    void RestartWith(int32_t score) {
        Game.Cell(0, 0) = 1;
        Game.Cell(5, 19) = 1;
        Game.GameOver = true;
        Game.Score = score;
        Game.Lines = 4;
        Host.Calls.clear();
        Host.Stop = [](TRecordingHost& host) { return host.CallCount("ClearScreen") > 0; };
        Play();
    }
};

TEST_F(GameOver, GreaterScoreReplacesTheLastEntryAndTheWellIsCleared) {
    Settings.Score1 = 45;
    Settings.Score2 = 42;
    Settings.Score3 = 40;
    RestartWith(100);
    EXPECT_EQ(Settings.Score1, 100);  // the list stays in order
    EXPECT_EQ(Settings.Score2, 45);
    EXPECT_EQ(Settings.Score3, 42);
    EXPECT_FALSE(Game.GameOver);
    EXPECT_EQ(Game.Score, 0);
    EXPECT_EQ(Game.Lines, 0);
    for (int32_t cell : Game.Glass) EXPECT_EQ(cell, 0);
    EXPECT_EQ(Host.Calls, (std::vector<std::string>{"ClearScreen", "ShowScore"}));
}

TEST_F(GameOver, EqualScoreLeavesTheList) {
    Settings.Score1 = 50;
    Settings.Score2 = 45;
    Settings.Score3 = 40;
    RestartWith(40);
    EXPECT_EQ(Settings.Score2, 45);
    EXPECT_EQ(Settings.Score3, 40);
    RestartWith(39);
    EXPECT_EQ(Settings.Score3, 40);
    EXPECT_EQ(Host.CallCount("ClearScreen"), 1u);
}

TEST_F(StepMachine, NoDeviceEndsTheCallBeforeAnythingMoves) {
    Host.Device = false;
    Game.GameOver = true;
    Game.Score = 9;
    Play();
    EXPECT_TRUE(Host.Calls.empty());
    EXPECT_TRUE(Host.Passes.empty());
    EXPECT_TRUE(Game.GameOver);
    EXPECT_EQ(Settings.Score3, 0);
    EXPECT_FALSE(Flags.Running);
    EXPECT_EQ(Host.Depth, 0);
}

TEST_F(StepMachine, ReturnsAtOnceWhenRunningOrStopped) {
    Flags.Running = true;
    Play();
    EXPECT_EQ(Host.LockCount, 0);
    EXPECT_TRUE(Flags.Running);

    Flags.Running = false;
    Host.Stop = [](TRecordingHost&) { return true; };
    Play();
    EXPECT_EQ(Host.LockCount, 0);
    EXPECT_FALSE(Flags.Running);
}

TEST_F(StepMachine, ExceptionClearsRunningAndReleasesTheLock) {
    Flags.Started = false;
    Host.ThrowInClearScreen = true;
    Play();
    EXPECT_FALSE(Flags.Running);
    EXPECT_FALSE(Flags.Started);
    EXPECT_EQ(Host.Depth, 0);
    Host.ThrowInClearScreen = false;
    Play();
    EXPECT_TRUE(Flags.Started);
}

// Differences of the tick count are taken unsigned, so its wrap past 0xFFFFFFFF
// changes no wait and no manual fall.
TEST_F(StepMachine, WaitsAndManualFallsKeepTheirPaceAcrossTheTickWrap) {
    Clock = 0xFFFFFFF0u;
    const uint32_t start = Clock;
    Delay(Host, 100);
    EXPECT_GE(Clock - start, 100u);
    EXPECT_LT(Clock - start, 105u);

    SetUpShiftRightTwo();
    Clock = 0xFFFFF000u;  // the wrap comes after about eight of the sixteen falls
    Host.AutoPlay = [](TRecordingHost&) { return false; };
    Play();
    const std::vector<uint32_t> falls = FallTimes();
    ASSERT_EQ(falls.size(), 16u);
    EXPECT_LT(falls.back(), falls.front()) << "the turn did not cross the wrap";
    for (size_t i = 1; i < falls.size(); ++i) {
        EXPECT_GE(falls[i] - falls[i - 1], 501u);
        EXPECT_LT(falls[i] - falls[i - 1], 510u);
    }
}

TEST_F(StepMachine, DelayPollsUntilTimeOrStop) {
    const uint32_t start = Clock;
    Delay(Host, 100);
    EXPECT_GE(Clock - start, 100u);
    EXPECT_LT(Clock - start, 105u);

    const uint32_t again = Clock;
    Delay(Host, -5);
    EXPECT_LT(Clock - again, 3u);

    int32_t polls = 0;
    Host.Stop = [&](TRecordingHost&) { return ++polls > 3; };
    const uint32_t stopped = Clock;
    Delay(Host, 100000);
    EXPECT_LT(Clock - stopped, 10u);
}

}  // namespace
