// A Win32 mutex held for one scope. Every wait is bounded; a timed-out holder owns
// nothing and skips what the lock guards.
#pragma once
#include <windows.h>

constexpr DWORD LockTimeout = 5000;  // the workers' bound, and the default
constexpr DWORD WindowLockMs = 10;   // the window thread's: it never waits on a starved worker

// Any result but a timeout counts as owning the lock (a failed wait, on a closed or
// null handle, does not hold the game up).
bool WaitForLock(HANDLE lock, DWORD timeoutMs = LockTimeout);

// WaitForLock, and the lock released on every way out of the scope when owned.
class TLockScope {
public:
    explicit TLockScope(HANDLE lock, DWORD timeoutMs = LockTimeout);
    ~TLockScope();
    TLockScope(const TLockScope&) = delete;
    TLockScope& operator=(const TLockScope&) = delete;
    bool Owned() const { return Owned_; }

private:
    HANDLE Lock_;
    bool Owned_;
};
