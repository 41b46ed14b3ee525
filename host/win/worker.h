// The worker thread that plays the game: one turn, a 500 ms pause, again.
#pragma once
#include <windows.h>

#include <cstdint>

// Null until StartWorker succeeds; kept so the run can set its priority and
// the entry point can wait for it before closing the shared objects (tests put
// a thread of their own here).
extern HANDLE WorkerThread;

unsigned __stdcall ThreadLoop(void* unused);

// Starts ThreadLoop through the runtime; null when the thread cannot start.
HANDLE StartWorker();

// Waits at most timeoutMs for the worker to end, then forgets its handle; a worker
// that has not ended by then ends the process at once, with exit code 0.
void EndWorker(uint32_t timeoutMs);
