// Fresh game lock, autopilot lock and stop event for one test, made as the
// entry point makes them; the previous globals come back afterwards.
#pragma once
#include <windows.h>

#include "engine/ticks.h"
#include "host/win/locks.h"

class TSharedLocks {
public:
    TSharedLocks()
        : SavedGameLock_(GameLock),
          SavedAutoPlayLock_(AutoPlayLock),
          SavedStopEvent_(StopEvent),
          SavedAutoPlay_(AutoPlay),
          SavedLastKeyTime_(LastKeyTime) {
        GameLock = CreateMutexA(nullptr, FALSE, nullptr);
        AutoPlayLock = CreateMutexA(nullptr, FALSE, nullptr);
        StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~TSharedLocks() {
        for (HANDLE handle : {GameLock, AutoPlayLock, StopEvent})
            if (handle) CloseHandle(handle);
        GameLock = SavedGameLock_;
        AutoPlayLock = SavedAutoPlayLock_;
        StopEvent = SavedStopEvent_;
        AutoPlay = SavedAutoPlay_;
        LastKeyTime = SavedLastKeyTime_;
        SetTickSource(nullptr);
    }
    TSharedLocks(const TSharedLocks&) = delete;
    TSharedLocks& operator=(const TSharedLocks&) = delete;

private:
    HANDLE SavedGameLock_;
    HANDLE SavedAutoPlayLock_;
    HANDLE SavedStopEvent_;
    bool SavedAutoPlay_;
    uint32_t SavedLastKeyTime_;
};
