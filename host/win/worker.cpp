#include "host/win/worker.h"

#include <process.h>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/turn_host.h"

HANDLE& WorkerThread = PrimaryGame.Worker;

namespace {

// The pause between turns, cut short by the run's stop or the game's own.
bool PauseUntilStopped(const TGame& game) {
    const HANDLE stops[2] = {StopEvent, game.Stop};
    const DWORD count = game.Stop ? 2 : 1;
    return WaitForMultipleObjects(count, stops, FALSE, StepInterval) != WAIT_TIMEOUT;
}

}  // namespace

unsigned __stdcall ThreadLoop(void* argument) {
    TGame& game = argument ? *static_cast<TGame*>(argument) : PrimaryGame;
    TSaverTurnHost host(game);
    do {
        try {
            Run(game.Engine, game.Screen, host);
        } catch (...) {
            Trace("ThreadLoop");
        }
    } while (!PauseUntilStopped(game));
    // The primary game's window ends the run; the others are ended by the main thread.
    if (IsPrimary(game)) PostMessageA(SaverWindow, WM_DESTROY, 0, 0);
    return 0;
}

HANDLE StartWorker(TGame& game) {
    unsigned id = 0;
    game.Worker = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadLoop, &game, 0, &id));
    return game.Worker;
}

bool JoinWorker(TGame& game, uint32_t timeoutMs) {
    if (!game.Worker) return true;
    const bool ended = WaitForSingleObject(game.Worker, timeoutMs) != WAIT_TIMEOUT;
    CloseHandle(game.Worker);
    game.Worker = nullptr;
    return ended;
}

void EndWorker(uint32_t timeoutMs) {
    // Still busy: it may be drawing with what the static destructors are about to
    // delete. The run is over and its settings saved, so the process ends here.
    if (!JoinWorker(PrimaryGame, timeoutMs)) TerminateProcess(GetCurrentProcess(), 0);
}
