// Stops a game's worker inside the game lock, as Windows may leave an idle-priority
// thread without the processor for seconds. The worker parks itself at a read of the
// tick count, in this program's own code: suspended at random inside Wine's code it
// might hold one of Wine's locks, which the window thread would then wait for and
// which Windows does not have. For the test and the benchmark of a starved worker;
// one at a time.
#pragma once
#include <windows.h>

#include <atomic>

#include "engine/ticks.h"

class TParkedWorker {
public:
    TParkedWorker() {
        Current() = this;
        SetTickSource(Ticks);
    }
    ~TParkedWorker() {
        SetTickSource(nullptr);
        Current() = nullptr;
        CloseHandle(Parked_);
        CloseHandle(Unpark_);
    }
    TParkedWorker(const TParkedWorker&) = delete;
    TParkedWorker& operator=(const TParkedWorker&) = delete;

    // Parks the worker at its reads of the tick count until it is caught holding the
    // lock, then leaves it suspended there; false when that never happened in timeoutMs.
    bool CatchInside(HANDLE worker, HANDLE lock, DWORD timeoutMs) {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
            Thread_ = GetThreadId(worker);
            if (WaitForSingleObject(Parked_, timeoutMs) != WAIT_OBJECT_0) return false;
            const bool held = HeldElsewhere(lock);
            if (held) SuspendThread(worker);
            SetEvent(Unpark_);
            if (held) return true;
        }
        return false;
    }

private:
    static TParkedWorker*& Current() {
        static TParkedWorker* current = nullptr;
        return current;
    }
    static uint32_t Ticks() {
        TParkedWorker* parking = Current();
        DWORD self = GetCurrentThreadId();
        if (parking && parking->Thread_.compare_exchange_strong(self, 0)) {
            SetEvent(parking->Parked_);
            WaitForSingleObject(parking->Unpark_, INFINITE);
        }
        return GetTickCount();
    }
    // A free lock is let go at once; nothing here allocates while the worker is parked.
    static bool HeldElsewhere(HANDLE lock) {
        if (WaitForSingleObject(lock, 0) == WAIT_TIMEOUT) return true;
        ReleaseMutex(lock);
        return false;
    }

    HANDLE Parked_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // the worker has parked
    HANDLE Unpark_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // the parked worker goes on
    std::atomic<DWORD> Thread_{0};  // the thread that parks at its next read
};
