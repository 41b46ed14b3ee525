#include "host/win/worker.h"

#include <process.h>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/run_scores.h"
#include "host/win/turn_host.h"

HANDLE& WorkerThread = PrimaryGame.Worker;

unsigned __stdcall ThreadLoop(void* argument) {
    TGame& game = argument ? *static_cast<TGame*>(argument) : PrimaryGame;
    TSaverTurnHost host(game);
    do {
        try {
            Run(game.Engine, game.Screen, host);
        } catch (...) {
            Trace("ThreadLoop");
        }
    } while (!AwaitStop(game, StepInterval));
    // The primary game's window ends the run. Another game's score joins the list as
    // its worker leaves; the window thread then lets its window and objects go.
    if (IsPrimary(game)) {
        PostMessageA(SaverWindow, WM_DESTROY, 0, 0);
    } else {
        FoldRunningScore(game);
        PostMessageA(SaverWindow, GameLeftMessage, 0, reinterpret_cast<LPARAM>(&game));
    }
    return 0;
}

HANDLE StartWorker(TGame& game) {
    // The dissolve lets this lock go while it waits for a tick, and ends at these stops.
    game.Cells.Lock = game.Lock;
    game.Cells.Stops[0] = StopEvent;
    game.Cells.Stops[1] = game.Stop;
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
