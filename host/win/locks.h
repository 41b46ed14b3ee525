// The game lock, the autopilot lock and the stop event shared by both threads.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/win/lock_scope.h"

constexpr uint32_t StepInterval = 500;

extern HANDLE& GameLock;     // the primary game's lock, recursive for its owner (a Win32 mutex)
extern HANDLE AutoPlayLock;  // guards AutoPlay and LastKeyTime
extern HANDLE StopEvent;     // manual reset; set once when the run is over
extern HANDLE KeyEvent;      // auto reset; set whenever a game key has moved the figure
extern HANDLE DisplayOn;     // manual reset; cleared only while Windows reports the display off

extern bool AutoPlay;
extern uint32_t LastKeyTime;

bool StopRequested();  // also true when the poll itself fails
struct TGame;
bool GameStopRequested(const TGame& game);  // the game's own stop, where it has one
void SetAutoPlay(bool on);
bool IsAutoPlay();  // hands control back after 1500 ms without a game key
// Milliseconds until IsAutoPlay hands control back (0 once it has; INFINITE when the
// autopilot lock cannot be had).
DWORD AutoPlayDueIn();

bool DisplayIsOn();
// A worker's wait: while the display is off, until it comes back on; otherwise at most
// ms, also ended by wake where given. True when the run's stop or the game's own
// ended it (a failed wait counts as a stop, as in StopRequested).
bool AwaitStop(const TGame& game, DWORD ms, HANDLE wake = nullptr);
