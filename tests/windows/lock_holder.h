// Another thread that owns a mutex until told to let go, for tests that need
// the game or autopilot lock taken away from the thread under test.
#pragma once
#include <windows.h>

#include <thread>

class TLockHolder {
public:
    explicit TLockHolder(HANDLE lock)
        : Held_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          Release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          Thread_([this, lock] {
              WaitForSingleObject(lock, INFINITE);
              SetEvent(Held_);
              WaitForSingleObject(Release_, INFINITE);
              ReleaseMutex(lock);
          }) {
        WaitForSingleObject(Held_, INFINITE);
    }
    ~TLockHolder() {
        SetEvent(Release_);
        Thread_.join();
        CloseHandle(Held_);
        CloseHandle(Release_);
    }
    TLockHolder(const TLockHolder&) = delete;
    TLockHolder& operator=(const TLockHolder&) = delete;

private:
    HANDLE Held_;
    HANDLE Release_;
    std::thread Thread_;
};

// What another thread gets from a zero-timeout wait on the lock; it lets go at once.
inline DWORD TryFromOtherThread(HANDLE lock) {
    DWORD result = WAIT_FAILED;
    std::thread([&] {
        result = WaitForSingleObject(lock, 0);
        if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) ReleaseMutex(lock);
    }).join();
    return result;
}
