// The worker thread that plays one game: one turn, a 500 ms pause, again.
#pragma once
#include <windows.h>

#include <cstdint>

#include "pacing/win/saver_objects.h"

// The primary game's worker: null until StartWorker succeeds; kept so the run can set
// its priority and the entry point can wait for it before closing the shared objects
// (tests put a thread of their own here).
extern HANDLE& WorkerThread;

// Posted to the saver window by a game's worker other than the primary one as it
// ends; lParam is its TGame.
constexpr UINT GameLeftMessage = WM_APP + 1;

// game: the TGame to play; null plays the primary game.
unsigned __stdcall ThreadLoop(void* game);

// Starts ThreadLoop through the runtime and keeps its handle in the game; null when
// the thread cannot start.
HANDLE StartWorker(TGame& game = PrimaryGame);

// Waits at most timeoutMs for the game's worker to end, then forgets its handle; false
// when it is still busy.
bool JoinWorker(TGame& game, uint32_t timeoutMs);

// JoinWorker for the primary game; a worker that has not ended by then ends the process
// at once, with exit code 0.
void EndWorker(uint32_t timeoutMs);
