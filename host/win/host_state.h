// Values the host sets once and several parts read.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/calendar.h"

enum : uint8_t { ModeNone = 0, ModeConfig = 1, ModePreview = 2, ModePassword = 3, ModeSaver = 4 };

extern uint8_t RunMode;
extern HINSTANCE Instance;
extern HWND ParentWindow;
extern TCalendarSeconds StartTime;
extern HWND SaverWindow;
extern int32_t MouseMoveCountdown;

extern const char SaverClassName[];  // also the WIN.INI section
extern const char SaverTitle[];      // the title of every window that shows a game
extern const char DesktopKeyName[];  // "Control Panel\Desktop" under HKEY_CURRENT_USER

// This program's full path as Windows knows it (never argument zero as typed,
// which may be relative); "" when it cannot be had.
const char* ProgramPath();
