#include "host/win/locks.h"

#include "engine/ticks.h"
#include "pacing/win/saver_objects.h"

HANDLE& GameLock = PrimaryGame.Lock;
HANDLE AutoPlayLock = nullptr;
HANDLE StopEvent = nullptr;
HANDLE KeyEvent = nullptr;
HANDLE DisplayOn = nullptr;

bool AutoPlay = true;
uint32_t LastKeyTime = 0;

namespace {
constexpr uint32_t HandOverMs = 3 * StepInterval;  // the keys' hold on the figure
}  // namespace

bool StopRequested() {
    // A failed poll (closed or null handle) ends the run rather than spinning forever.
    return WaitForSingleObject(StopEvent, 0) != WAIT_TIMEOUT;
}

bool GameStopRequested(const TGame& game) {
    return game.Stop && WaitForSingleObject(game.Stop, 0) != WAIT_TIMEOUT;
}

void SetAutoPlay(bool on) {
    TLockScope lock(AutoPlayLock);
    if (!lock.Owned()) return;
    AutoPlay = on;
    if (!on) LastKeyTime = TickCount();
}

bool IsAutoPlay() {
    TLockScope lock(AutoPlayLock);
    if (!lock.Owned()) return false;
    // Unsigned, so the difference stays right across the tick counter's wrap.
    if (!AutoPlay && TickCount() - LastKeyTime > HandOverMs) AutoPlay = true;
    return AutoPlay;
}

DWORD AutoPlayDueIn() {
    TLockScope lock(AutoPlayLock);
    if (!lock.Owned()) return INFINITE;
    if (AutoPlay) return 0;
    const uint32_t idle = TickCount() - LastKeyTime;
    return idle > HandOverMs ? 0 : HandOverMs + 1 - idle;
}

bool DisplayIsOn() { return !DisplayOn || WaitForSingleObject(DisplayOn, 0) != WAIT_TIMEOUT; }

bool AwaitStop(const TGame& game, DWORD ms, HANDLE wake) {
    HANDLE handles[3] = {StopEvent};
    DWORD stops = 1;
    if (game.Stop) handles[stops++] = game.Stop;
    DWORD count = stops;
    if (!DisplayIsOn()) {
        // Nothing plays while nobody can see it; the game goes on where it was.
        handles[count++] = DisplayOn;
        ms = INFINITE;
    } else if (wake) {
        handles[count++] = wake;
    }
    const DWORD result = WaitForMultipleObjects(count, handles, FALSE, ms);
    return result == WAIT_FAILED || result < WAIT_OBJECT_0 + stops;
}
