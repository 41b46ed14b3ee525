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
extern POINT LastMousePosition;  // on the screen; a mouse move counts only away from it

extern const char SaverClassName[];  // the same text as the WIN.INI section (SettingsSection)
extern const char SaverTitle[];      // the title of every window that shows a game

