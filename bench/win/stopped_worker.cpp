// Key to desktop with the worker stopped inside the game lock: a whole full-screen run
// in this process, the worker parked and suspended inside the lock (parked_worker.h),
// then Esc; prints the milliseconds until the saver window is hidden, and exits 1 when
// the worker was never caught there or the window stayed up for 30 s.
#include <cstdio>
#include <thread>

#include "bench/win/parked_worker.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/saver_window.h"
#include "host/win/worker.h"
#include "pacing/win/saver_objects.h"
#include "settings/win/settings_store.h"

namespace {

constexpr DWORD LimitMs = 30000;

bool WorkerPlays() {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < LimitMs; Sleep(20))
        if (WorkerThread && Form.Started) return true;
    return false;
}

}  // namespace

int main() {
    Instance = GetModuleHandleA(nullptr);
    RunMode = ModeSaver;
    LoadSettings();
    if (!RegisterGameWindowClass(SaverClassName)) return 1;
    GameLock = CreateMutexA(nullptr, FALSE, nullptr);
    AutoPlayLock = CreateMutexA(nullptr, FALSE, nullptr);
    StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    KeyEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    DisplayOn = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    TParkedWorker parking;
    long ms = -1;
    std::thread observer([&] {
        const bool caught = WorkerPlays() && parking.CatchInside(WorkerThread, GameLock, LimitMs);
        if (!caught) {
            SetEvent(StopEvent);
            return;
        }
        const DWORD pressed = GetTickCount();
        PostMessageA(SaverWindow, WM_KEYDOWN, VK_ESCAPE, 0);
        while (IsWindowVisible(SaverWindow) && GetTickCount() - pressed < LimitMs) Sleep(1);
        if (!IsWindowVisible(SaverWindow)) ms = long(GetTickCount() - pressed);
        ResumeThread(WorkerThread);
    });
    RunSaver();
    observer.join();
    EndWorker(5000);
    if (ms < 0) {
        std::fprintf(stderr, "the worker was never caught inside the lock, or the window stayed up\n");
        return 1;
    }
    std::printf("%ld\n", ms);
    return 0;
}
