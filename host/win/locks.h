// The game lock, the autopilot lock and the stop event shared by both threads.
#pragma once
#include <windows.h>

#include <cstdint>

constexpr DWORD LockTimeout = 5000;
constexpr uint32_t StepInterval = 500;

extern HANDLE& GameLock;     // the primary game's lock, recursive for its owner (a Win32 mutex)
extern HANDLE AutoPlayLock;  // guards AutoPlay and LastKeyTime
extern HANDLE StopEvent;     // manual reset; set once when the run is over

extern bool AutoPlay;
extern uint32_t LastKeyTime;

// Waits at most 5000 ms for a lock; any result but a timeout counts as owning it
// (a failed wait, on a closed or null handle, does not hold the game up).
bool WaitForLock(HANDLE lock);

// WaitForLock, and the lock released on every way out of the scope when owned.
class TLockScope {
public:
    explicit TLockScope(HANDLE lock);
    ~TLockScope();
    TLockScope(const TLockScope&) = delete;
    TLockScope& operator=(const TLockScope&) = delete;
    bool Owned() const { return Owned_; }

private:
    HANDLE Lock_;
    bool Owned_;
};

bool StopRequested();  // also true when the poll itself fails
struct TGame;
bool GameStopRequested(const TGame& game);  // the game's own stop, where it has one
void SetAutoPlay(bool on);
bool IsAutoPlay();  // hands control back after 1500 ms without a game key
