#include "pacing/step_machine.h"

#include "engine/ticks.h"
#include "engine/trace.h"
#include "settings/settings.h"

namespace {

constexpr int32_t SlowRowMs = 100;
constexpr int32_t FastRowMs = 20;
constexpr uint32_t ManualFallMs = 500;

// Holds the game lock for one scope; a timed-out wait owns nothing.
class TGameLock {
public:
    explicit TGameLock(TTurnHost& host) : Host_(host), Owned_(host.LockGame()) {}
    ~TGameLock() {
        if (Owned_) Host_.UnlockGame();
    }
    TGameLock(const TGameLock&) = delete;
    TGameLock& operator=(const TGameLock&) = delete;
    bool Owned() const { return Owned_; }

private:
    TTurnHost& Host_;
    bool Owned_;
};

// What one turn remembers between its passes.
struct TTurnState {
    int32_t PlanRotations = 0;
    int32_t PlanShift = 0;
    bool Planned = false;
    int32_t SlowRows = 0;
    int32_t RowsDone = 0;
    int32_t RotationCounter = 1;
    int32_t ShiftCounter = 1;
    uint32_t LastFall = 0;
};

// Held: the other thread's landing is still dissolving; the pass did nothing.
enum class TPass { Going, Landed, Abandoned, Held };

int32_t Magnitude(int32_t value) { return value < 0 ? -value : value; }

// Restart check; false when the turn ends here.
bool PrepareTurn(TRowfall& game, TTurnHost& host) {
    TGameLock lock(host);
    if (!lock.Owned() || !host.HasDevice()) return false;
    if (game.GameOver) {
        host.FoldScore(game.Score);
        game.ClearGlass();
        host.ClearScreen();
    }
    return true;
}

bool FirstCall(TRowfall& game, TTurnFlags& flags, TTurnHost& host) {
    TGameLock lock(host);
    if (!lock.Owned()) return false;
    game.Score = 0;
    host.ClearScreen();
    flags.Started = true;
    return true;
}

TPass AutopilotPass(TRowfall& game, TTurnHost& host, TTurnState& turn) {
    {
        TGameLock lock(host);
        if (!lock.Owned()) return TPass::Abandoned;
        if (game.Dissolving) return TPass::Held;
        if (!turn.Planned) {
            // A plan counts from where the figure is now, so its counters start afresh.
            game.FindBestMove(turn.PlanRotations, turn.PlanShift);
            turn.SlowRows = Magnitude(turn.PlanShift);
            turn.RowsDone = 0;
            turn.RotationCounter = 1;
            turn.ShiftCounter = 1;
        }
        if (Magnitude(turn.PlanShift) >= turn.ShiftCounter++) game.ShiftX(turn.PlanShift > 0 ? 1 : -1);
        host.FlushEngineChanges();
        if (turn.RotationCounter++ <= turn.PlanRotations) game.Rotate(1);
        host.FlushEngineChanges();
        if (game.ShiftY(1) == 0) return TPass::Landed;
        host.FlushEngineChanges();
    }
    Delay(host, turn.RowsDone < turn.SlowRows ? SlowRowMs : FastRowMs);
    ++turn.RowsDone;
    return TPass::Going;
}

TPass ManualPass(TRowfall& game, TTurnHost& host, TTurnState& turn) {
    {
        TGameLock lock(host);
        if (!lock.Owned()) return TPass::Abandoned;
        if (game.Dissolving) return TPass::Held;
        const uint32_t now = TickCount();
        if (now - turn.LastFall > ManualFallMs) {
            turn.LastFall = now;
            if (game.ShiftY(1) == 0) return TPass::Landed;
        }
        host.FlushEngineChanges();
    }
    // Until the next fall is due; the user's keys move the figure meanwhile.
    const uint32_t sinceFall = TickCount() - turn.LastFall;
    if (sinceFall <= ManualFallMs) host.PauseForKeys(ManualFallMs + 1 - sinceFall);
    return TPass::Going;
}

// False when a lock timeout abandoned the turn.
bool PlayRows(TRowfall& game, TTurnHost& host) {
    TTurnState turn;
    turn.LastFall = TickCount();
    while (!host.StopRequested()) {
        const bool autoPlay = host.IsAutoPlay();
        const TPass pass =
            autoPlay ? AutopilotPass(game, host, turn) : ManualPass(game, host, turn);
        if (pass == TPass::Abandoned) return false;
        if (pass == TPass::Landed) return true;
        if (pass == TPass::Held) {
            host.Pause(FastRowMs);
            continue;
        }
        turn.Planned = autoPlay;
    }
    return true;
}

void Finish(TTurnHost& host) {
    TGameLock lock(host);
    if (!lock.Owned()) return;
    host.ShowScore();
    host.FlushEngineChanges();
}

void PlayTurn(TRowfall& game, TTurnFlags& flags, TTurnHost& host) {
    if (!PrepareTurn(game, host)) return;
    const bool played = flags.Started ? PlayRows(game, host) : FirstCall(game, flags, host);
    if (played) Finish(host);
}

}  // namespace

void TTurnHost::FoldScore(int32_t score) { ::FoldScore(Settings, score); }

// The tick count, not the wait's own time-out, says when the time is up: a wait
// may end a little early or late, as the system's timer goes.
void Delay(TTurnHost& host, int32_t ms) {
    const uint32_t wait = ms > 0 ? uint32_t(ms) : 0;
    const uint32_t start = TickCount();
    for (uint32_t elapsed = 0; elapsed < wait; elapsed = TickCount() - start)
        if (host.Pause(wait - elapsed)) return;
}

void Run(TRowfall& game, TTurnFlags& flags, TTurnHost& host) {
    if (flags.Running || host.StopRequested()) return;
    flags.Running = true;
    game.Live = true;
    try {
        PlayTurn(game, flags, host);
    } catch (...) {
        Trace("Run");
    }
    flags.Running = false;
}
