#include "host/win/worker.h"

#include <process.h>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/turn_host.h"
#include "pacing/win/form.h"

HANDLE WorkerThread = nullptr;

unsigned __stdcall ThreadLoop(void*) {
    TSaverTurnHost host;
    do {
        try {
            Run(Rowfall, Form, host);
        } catch (...) {
            Trace("ThreadLoop");
        }
    } while (WaitForSingleObject(StopEvent, StepInterval) == WAIT_TIMEOUT);
    PostMessageA(SaverWindow, WM_DESTROY, 0, 0);
    return 0;
}

HANDLE StartWorker() {
    unsigned id = 0;
    WorkerThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadLoop, nullptr, 0, &id));
    return WorkerThread;
}

void EndWorker(uint32_t timeoutMs) {
    if (!WorkerThread) return;
    const bool ended = WaitForSingleObject(WorkerThread, timeoutMs) != WAIT_TIMEOUT;
    CloseHandle(WorkerThread);
    WorkerThread = nullptr;
    // Still busy: it may be drawing with what the static destructors are about to
    // delete. The run is over and its settings saved, so the process ends here.
    if (!ended) TerminateProcess(GetCurrentProcess(), 0);
}
