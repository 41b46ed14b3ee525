// The saver window and the message loops of the preview and full-screen runs.
#pragma once
#include <windows.h>

#include <cstdint>

#include "pacing/win/game.h"

// A class of windows that show a game: the saver window's, and the monitor games'.
bool RegisterGameWindowClass(const char* className);

// A preview child of parent, or the full-screen popup when parent is null;
// attaches the screen object to it. Null when the window cannot be made.
HWND CreateSaverWindow(int32_t width, int32_t height, HWND parent);

// After a display change: the game's window takes area and the game is laid out anew
// for it, the whole picture repainted, the game going on. False while it cannot be
// done yet (a busy worker, or a dissolve drawing without the lock): try again later.
bool FitGame(TGame& game, const RECT& area);

// The full-screen run after a display change: every window of the run on its
// monitor's current rectangle, a game on every new monitor with "Every monitor",
// a cover on every other. Whatever cannot be fitted yet is tried again shortly.
void FollowDisplays();
constexpr UINT_PTR RefitTimer = 2;

// Run modes 2 and 4; each returns the quit message's parameter, or 0 at once
// when its window or worker cannot be had.
int32_t RunPreview();
int32_t RunSaver();

// The Priority setting: the worker thread's priority, and with "High" the process's class.
void ApplyPriority(HANDLE worker);

// Runs until the quit message (its parameter is the result) or until GetMessage
// fails (0, and the stop event set). window: null for all of the thread's windows.
int32_t MessageLoop(HWND window = nullptr);

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
