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

void WaitForWorker(uint32_t timeoutMs) {
    if (!WorkerThread) return;
    WaitForSingleObject(WorkerThread, timeoutMs);
    CloseHandle(WorkerThread);
    WorkerThread = nullptr;
}
