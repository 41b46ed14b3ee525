#include "host/win/locks.h"

#include "engine/ticks.h"
#include "pacing/win/saver_objects.h"

HANDLE& GameLock = PrimaryGame.Lock;
HANDLE AutoPlayLock = nullptr;
HANDLE StopEvent = nullptr;

bool AutoPlay = true;
uint32_t LastKeyTime = 0;

bool WaitForLock(HANDLE lock) { return WaitForSingleObject(lock, LockTimeout) != WAIT_TIMEOUT; }

TLockScope::TLockScope(HANDLE lock) : Lock_(lock), Owned_(WaitForLock(lock)) {}

TLockScope::~TLockScope() {
    if (Owned_) ReleaseMutex(Lock_);
}

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
    if (!AutoPlay && TickCount() - LastKeyTime > 3 * StepInterval) AutoPlay = true;
    return AutoPlay;
}
